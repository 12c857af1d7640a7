#pragma once

#include "common/ui/window_placement.h"

class QApplication;
class QLineEdit;
class QWidget;

// The program's one look: palette, style sheet and Korean-first font, set once on the application.
void ApplyAppStyle(QApplication &app);

// A design size in pixels scaled by the screen's logical DPI (96 = 1.0).
int Scaled(int px);

// Keeps a text box at least as wide as its hint, so an empty box shows its whole hint in the
// box's own font (set again whenever the font or style changes).
void FitPlaceholder(QLineEdit *edit);
