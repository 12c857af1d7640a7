#pragma once

class QMessageBox;

#include <functional>

// Installs the Qt dialog as the handler of MsgBox. autoCloseMs tells, when a box opens, after how
// many milliseconds an information box closes by itself (0 keeps it open until answered).
void InstallMsgBoxDialog(std::function<int()> autoCloseMs = {});

// The box currently shown, or nullptr; only one exists at a time.
QMessageBox *CurrentMsgBox();

// Room a window title needs beside its text for the window system's icon and buttons.
inline constexpr int kTitleDecorationPx = 160;
