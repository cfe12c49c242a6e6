#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <optional>

class Prompter;

// Numbers as the player sees and types them. Shown numbers use the Russian
// decimal comma; typed numbers and numbers in files accept a comma or a point.
namespace NumberText {

// The application title, which titles the conversion error boxes.
QString applicationTitle();

// Pattern "0": a whole number, halves away from zero, no separators.
QString whole(double value);
// Pattern "0.00": two decimals, halves away from zero, decimal comma.
QString money(double value);
// The shortest text that reads back as the same 32-bit value: 102000, 1,5, 0,1.
QString shortest(float value);

// Fills each "%d" of a template, in order, with a whole number.
QString fill(const QString& tmpl, std::initializer_list<long long> values);

// Parsing without messages: blanks around the number are allowed.
std::optional<std::int32_t> parseInt(const QString& text);
std::optional<float> parseFloat(const QString& text);

// Parsing as a button uses an edit's text: a text that is not a number shows the
// conversion error ("'%s' is not a valid integer value.") and gives nothing.
std::optional<std::int32_t> readInt(const QString& text, Prompter& prompter);
std::optional<float> readFloat(const QString& text, Prompter& prompter);

} // namespace NumberText
