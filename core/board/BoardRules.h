#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

// The board's small rules that need no window: shortcuts, the enterprise switch,
// pictures, the technology level table and where the help menu opens.
namespace BoardRules {

constexpr int HelpTopicBoard = 1;
constexpr int HelpTopicAssets = 2; // the asset windows: trade, staff, raw materials, upgrade
constexpr int HelpTopicSetup = 5;

// The object name of the button a key stands for; empty when the key is not a
// shortcut. Only Ctrl alone counts: Ctrl+Shift, Ctrl+Alt and Alt do nothing.
QString ShortcutButton(int key, Qt::KeyboardModifiers modifiers);

std::int32_t NextEnterprise(std::int32_t index, std::int32_t count);
std::int32_t PrevEnterprise(std::int32_t index, std::int32_t count);
QString IndustryCountText(std::int32_t index, std::int32_t count); // "1/2"

// "images\1lf.bmp" for a workshop of level 1.
QString EnterprisePicture(std::int32_t level);

struct TechControls {
    bool researchInvest; // bPProduce of the research window
    bool rbFL, rbSL, rbTL;
};
// None for a level outside 1..3: the controls stay as they are.
std::optional<TechControls> TechnologyLevelControls(std::int32_t techLevel);

// The error box of a picture file that cannot be read, naming the file.
QString MissingPictureText(const QString& path);

// Just below a button of a group box (the help and the statistics menus): outer
// window position plus the positions within parents.
QPoint ButtonPopupPoint(QPoint windowOuter, QPoint groupPos, QRect buttonGeometry);

} // namespace BoardRules
