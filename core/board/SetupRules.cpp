#include "core/board/SetupRules.h"

#include "core/platform/NumberText.h"

namespace SetupRules {

QString DialogTitle() {
    return QStringLiteral("Однако здравствуйте");
}

QString ExitQuestion() {
    return QStringLiteral("Вам что, выйти захотелось?");
}

QString DialogCaption() {
    return QStringLiteral("Ввод данных");
}

QString EntryCaption(int playerNumber) {
    return QStringLiteral("Ввод данных: Игрок ") + QString::number(playerNumber);
}

CountCheck CheckPlayerCount(const QString& text) {
    const auto n = NumberText::parseInt(text);
    if (!n)
        return {std::nullopt, QStringLiteral("Введенное значение не является числом!")};
    if (*n < MinPlayers || *n > MaxPlayers)
        return {std::nullopt, QStringLiteral("В игру могут играть от 2 до 10 игроков.")};
    return {*n, {}};
}

NamesCheck CheckNames(const QString& title, const QString& playerName) {
    if (!title.isEmpty() && !playerName.isEmpty())
        return {};
    return {title.isEmpty() ? NameField::Title : NameField::PlayerName,
            QStringLiteral("Не иметь опозновательных знаков не есть хорошо!")};
}

int NextFace(int face, int faceCount) {
    if (faceCount <= 0)
        return 0;
    return face + 1 >= faceCount ? 0 : face + 1;
}

int PrevFace(int face, int faceCount) {
    if (faceCount <= 0)
        return 0;
    return face <= 0 ? faceCount - 1 : face - 1;
}

int ComputerFace(const std::vector<int>& taken, int playerNumber, int faceCount) {
    if (faceCount <= 0)
        return 0;
    std::vector<int> uses(std::size_t(faceCount), 0);
    for (int face : taken)
        if (face >= 0 && face < faceCount)
            ++uses[std::size_t(face)];
    int best = playerNumber % faceCount;
    for (int k = 1; k < faceCount; ++k) {
        const int face = (playerNumber + k) % faceCount;
        if (uses[std::size_t(face)] < uses[std::size_t(best)])
            best = face;
    }
    return best;
}

} // namespace SetupRules
