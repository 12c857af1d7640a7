#include "common/ui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace
{
QSize frameSize(const QWidget *w)
{
    // Before the window system has framed the window the frame is the widget itself.
    const QSize frame = w->frameGeometry().size();
    return frame.isValid() && !frame.isEmpty() ? frame : w->size();
}

const QScreen *screenOf(const QWidget *w)
{
    if (w && w->screen())
        return w->screen();
    return QGuiApplication::primaryScreen();
}

// Moves w so that its frame's centre is at centre, kept inside the screen's free area.
void moveFrameCentre(QWidget *w, const QPoint &centre)
{
    const QSize size = frameSize(w);
    QPoint topLeft = centre - QPoint(size.width() / 2, size.height() / 2);
    if (const QScreen *screen = screenOf(w)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width())));
        topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - size.height())));
    }
    // move() places the frame's top left corner of a top-level window.
    w->move(topLeft);
}

class PlaceFilter : public QObject
{
public:
    PlaceFilter(QWidget *w, WindowPlacement placement)
        : QObject(w)
        , m_placement(placement)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            auto *w = static_cast<QWidget *>(watched);
            if (m_placement == WindowPlacement::Screen)
                CenterOnScreen(w);
            else
                CenterOverParent(w, w->parentWidget());
        }
        return false;
    }

private:
    WindowPlacement m_placement;
};
} // namespace

void CenterOnScreen(QWidget *w)
{
    if (!w)
        return;
    if (const QScreen *screen = screenOf(w))
        moveFrameCentre(w, screen->availableGeometry().center());
}

void CenterOverParent(QWidget *w, const QWidget *parent)
{
    if (!w)
        return;
    const QWidget *over = parent ? parent->window() : nullptr;
    if (!over || !over->isVisible() || over == w) {
        CenterOnScreen(w);
        return;
    }
    moveFrameCentre(w, over->frameGeometry().center());
}

void PlaceWhenShown(QWidget *w, WindowPlacement placement)
{
    if (w)
        w->installEventFilter(new PlaceFilter(w, placement));
}
