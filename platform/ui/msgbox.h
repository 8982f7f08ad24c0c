#pragma once
// Message box styles and answers with the runtime's constant values, plain ints so that the
// windows' calls read like runtime code (vbYesNo + vbInformation + vbDefaultButton2).
#include <QList>

namespace ui {

// Buttons (the low three bits of the style).
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;

// Icons.
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

// Default button.
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;
inline constexpr int vbDefaultButton4 = 768;

// Modality and placement flags: accepted, but every box is modal to the application here.
inline constexpr int vbApplicationModal = 0;
inline constexpr int vbSystemModal = 4096;
inline constexpr int vbMsgBoxSetForeground = 0x10000;

// What MsgBox returns.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// The parts of a style value.
constexpr int MsgBoxButtonsOf(int style) { return style & 0x7; }
constexpr int MsgBoxIconOf(int style) { return style & 0x70; }
constexpr int MsgBoxDefaultButtonOf(int style) { return style & 0xF00; }

// The answers a style offers, left to right ({vbYes, vbNo} for vbYesNo). An unknown
// button code offers OK alone, as the platform does.
QList<int> MsgBoxAnswers(int style);

// The answer of the default button (Enter): the first one when the style names a button
// the box does not have.
int MsgBoxDefaultAnswer(int style);

// The answer of Esc or the close box, or 0 when the box offers no way out but its
// buttons (Yes/No, Abort/Retry/Ignore).
int MsgBoxEscapeAnswer(int style);

} // namespace ui
