#pragma once

class QMessageBox;

#include <functional>

// Installs the Qt dialog as the handler of MsgBox. autoCloseMs tells, when a box opens, after how
// many milliseconds an information box closes by itself (0 keeps it open until answered).
void InstallMsgBoxDialog(std::function<int()> autoCloseMs = {});

// The box currently shown, or nullptr; only one exists at a time.
QMessageBox *CurrentMsgBox();

// After an information box has closed by itself, Enter keys typed within this time were meant
// for the box and are dropped, so they do not press whatever has the focus behind it.
inline constexpr int kEnterGraceAfterAutoCloseMs = 1000;

// Room a window title needs beside its text for the window system's icon and buttons.
inline constexpr int kTitleDecorationPx = 160;
