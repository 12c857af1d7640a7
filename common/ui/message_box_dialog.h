#pragma once

class QMessageBox;

// Installs the Qt dialog as the handler of MsgBox.
void InstallMsgBoxDialog();

// The box currently shown, or nullptr; only one exists at a time.
QMessageBox *CurrentMsgBox();
