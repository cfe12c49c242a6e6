#include "core/board/BoardRules.h"

namespace BoardRules {

QString ShortcutButton(int key, Qt::KeyboardModifiers modifiers) {
    // Keypad keys carry their own flag, which is no modifier the player holds.
    if ((modifiers & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return {};
    switch (key) {
    case Qt::Key_B:
        return QStringLiteral("bbBankTrade");
    case Qt::Key_F:
        return QStringLiteral("bbIndustryTrade");
    case Qt::Key_L:
        return QStringLiteral("bbResearchTrade");
    case Qt::Key_P:
        return QStringLiteral("bbProductionTrade");
    case Qt::Key_R:
        return QStringLiteral("bbRawMaterialsTrade");
    case Qt::Key_S:
        return QStringLiteral("bbStaffTrade");
    default:
        return {};
    }
}

std::int32_t NextEnterprise(std::int32_t index, std::int32_t count) {
    return index + 1 < count ? index + 1 : 0;
}

std::int32_t PrevEnterprise(std::int32_t index, std::int32_t count) {
    return index <= 0 ? count - 1 : index - 1;
}

QString IndustryCountText(std::int32_t index, std::int32_t count) {
    return QString::number(index + 1) + QLatin1Char('/') + QString::number(count);
}

QString EnterprisePicture(std::int32_t level) {
    return QStringLiteral("images\\") + QString::number(level) + QStringLiteral("lf.bmp");
}

std::optional<TechControls> TechnologyLevelControls(std::int32_t techLevel) {
    switch (techLevel) {
    case 1:
        return TechControls{true, true, false, false};
    case 2:
        return TechControls{true, true, true, false};
    case 3:
        return TechControls{false, true, true, true};
    default:
        return std::nullopt;
    }
}

QString MissingPictureText(const QString& path) {
    return QStringLiteral("Cannot open file \"") + path + QStringLiteral("\".");
}

QPoint ButtonPopupPoint(QPoint windowOuter, QPoint groupPos, QRect buttonGeometry) {
    return QPoint(windowOuter.x() + groupPos.x() + buttonGeometry.left() + 4,
                  windowOuter.y() + groupPos.y() + buttonGeometry.top() + buttonGeometry.height() +
                      20);
}

} // namespace BoardRules
