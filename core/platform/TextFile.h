#pragma once

#include <QByteArray>
#include <QString>

// Text files the player may edit (constants.txt, scenarios). A byte-order mark
// decides: UTF-8, UTF-16 LE or UTF-16 BE. Without one, a file that is valid
// UTF-8 and holds non-ASCII text is UTF-8, as a Linux editor writes it; anything
// else is Windows-1251, as a Windows editor writes it.
namespace TextFile {
QString decode(const QByteArray& bytes);
QByteArray encode1251(const QString& text);
// The whole file decoded; an empty text when it cannot be read.
QString read(const QString& path, bool* ok = nullptr);
} // namespace TextFile
