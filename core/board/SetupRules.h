#pragma once

#include <QString>
#include <optional>
#include <vector>

// The checks of the two setup dialogs and the face chooser.
namespace SetupRules {

constexpr int MinPlayers = 2;
constexpr int MaxPlayers = 10;
constexpr int CountMaxLength = 2;

// The setup dialogs' boxes carry this title, without the exclamation mark.
QString DialogTitle();
QString ExitQuestion();
QString DialogCaption();                // "Ввод данных"
QString EntryCaption(int playerNumber); // "Ввод данных: Игрок 3"

struct CountCheck {
    std::optional<int> count; // set when accepted
    QString message;          // the refusal otherwise
};
CountCheck CheckPlayerCount(const QString& text);

enum class NameField { None, Title, PlayerName };
struct NamesCheck {
    NameField focus = NameField::None; // the field to fix; None: accepted
    QString message;
};
// Texts are taken as typed: blanks count as a name.
NamesCheck CheckNames(const QString& title, const QString& playerName);

// The face chooser wraps around the list of faceCount pictures.
int NextFace(int face, int faceCount);
int PrevFace(int face, int faceCount);
// The face a computer's seat brings along: one the seats before it use least, so the
// board tells the firms apart; among those, the first from the seat's own number on.
int ComputerFace(const std::vector<int>& taken, int playerNumber, int faceCount);

} // namespace SetupRules
