#pragma once

#include <QString>

#include <functional>

// The program's common message box. Kinds: "I" information (1, or 2 when it closed itself),
// "E" error (1), "Q" question (1 "예", 2 "아니오"), "S" reception choice (6 "배달", 7 "퀵/화물/콜밴");
// any other kind shows nothing and returns 0.
//
// The logic libraries cannot show widgets, so the box is drawn by a handler that the widget layer
// installs at start (InstallMsgBoxDialog) and that tests replace with a scripted one.
int MsgBox(const QString &text, const QString &kind);

using MsgBoxHandler = std::function<int(const QString &text, const QString &kind)>;

// Installs the handler and returns the previous one.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);

// True for the four kinds that show a box.
bool IsKnownMsgBoxKind(const QString &kind);
