#pragma once

class QApplication;
class QWidget;

// The program's one look: palette, style sheet and Korean-first font, set once on the application.
void ApplyAppStyle(QApplication &app);

// A design size in pixels scaled by the screen's logical DPI (96 = 1.0).
int Scaled(int px);

// Places a top-level window in the middle of its screen.
void CenterOnScreen(QWidget *w);
// Places a window over the middle of parent (on the screen when parent is null).
void CenterOverParent(QWidget *w, const QWidget *parent);
