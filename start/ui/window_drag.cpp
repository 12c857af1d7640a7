#include "start/ui/window_drag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

namespace
{
class DragFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress
            || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        QWidget *window = static_cast<QWidget *>(watched)->window();
        if (window && window->windowHandle())
            window->windowHandle()->startSystemMove();
        return false;
    }
};
} // namespace

void MakeDragHandle(QWidget *handle)
{
    if (handle)
        handle->installEventFilter(new DragFilter(handle));
}
