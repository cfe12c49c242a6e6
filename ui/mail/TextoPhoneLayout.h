#pragma once

// Where the telephone's controls sit on its drawing. The window places its controls
// here and the picture painter draws the key caps, screens and slots under them, so
// both read the same numbers.
namespace TextoPhoneLayout {

struct Box {
    int x, y, w, h;
};

constexpr int Width = 467;
constexpr int Height = 337;
// The drawing and the rounded outline of the window.
constexpr Box Picture{0, 0, 466, 337};
constexpr int CornerWidth = 70;
constexpr int CornerHeight = 58;

constexpr Box Abonent{18, 46, 180, 180}; // iAbonent; mConnect lies over it
constexpr Box Talk{212, 46, 120, 180};   // mTalk
constexpr Box Memo{212, 46, 120, 96};    // lbMemo, over the talk screen
constexpr Box Number{349, 46, 104, 26};  // eNumber
constexpr Box Text{20, 266, 372, 57};    // lbText
constexpr Box None{216, 14, 38, 10};     // bNone, the hook switch
constexpr int KeySize = 30;
constexpr int KeyColumns[3] = {350, 386, 422};
constexpr int KeyRows[5] = {84, 120, 156, 192, 228};
// The keypad row by row: digits, then "*", "0", "#", then the phone book, dial and hang-up.
constexpr const char* KeyNames[5][3] = {{"sb1", "sb2", "sb3"},
                                        {"sb4", "sb5", "sb6"},
                                        {"sb7", "sb8", "sb9"},
                                        {"sbAsterix", "sb0", "sbNumber"},
                                        {"sbMemo", "sbDial", "sbHangUp"}};
constexpr Box Exit{412, 278, 30, 30}; // sbExit, beside the choice list

} // namespace TextoPhoneLayout
