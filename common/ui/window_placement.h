#pragma once

class QWidget;

// Where windows open: centred on their screen, or over the window they belong to. A window larger
// than the screen's free area starts at its top left corner, so its title and buttons stay reachable.

// Places a top-level window in the middle of its screen.
void CenterOnScreen(QWidget *w);
// Places a window over the middle of parent (on the screen when parent is null or hidden).
void CenterOverParent(QWidget *w, const QWidget *parent);

enum class WindowPlacement
{
    Screen,  // the middle of the screen
    Parent,  // over the parent widget's window
};
// Places w each time it is shown, once its size is known (a dialog's layout sets it only then).
void PlaceWhenShown(QWidget *w, WindowPlacement placement);
