#include "common/ui/message_box_dialog.h"

#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "common/ui/window_placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>

namespace
{
QPointer<QMessageBox> g_msgBoxForm;
std::function<int()> g_autoCloseMs;

struct ButtonChoice
{
    QString caption;
    QMessageBox::ButtonRole role;
    int result;
};

// A box that is at least as wide as its title needs and opens in the middle of the screen.
class ProgramMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        // The base sizes the box from its layout's minimum width (here and again on later layout
        // requests), so the title's room goes into the layout as an empty item of that width.
        if (!m_titleRoom) {
            QFont titleFont = font();
            titleFont.setBold(true);
            const qreal dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
            const int need = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + qRound(kTitleDecorationPx * dpi / 96);
            if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
                m_titleRoom = new QSpacerItem(need, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
                grid->addItem(m_titleRoom, grid->rowCount(), 0, 1, grid->columnCount());
            }
        }
        QMessageBox::showEvent(event);
        CenterOnScreen(this);
    }

private:
    QSpacerItem *m_titleRoom = nullptr;  // owned by the layout
};

// Drops Enter keys for a short while after a box closed by itself: the user pressed them to
// answer the box, not the window behind it.
class EnterAfterAutoClose : public QObject
{
public:
    void arm() { m_until = QDeadlineTimer(kEnterGraceAfterAutoCloseMs); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride)
            return false;
        if (m_until.hasExpired())
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }

private:
    QDeadlineTimer m_until;  // expired until armed
};

void swallowEnterAfterAutoClose()
{
    static EnterAfterAutoClose *filter = nullptr;
    if (!filter) {
        filter = new EnterAfterAutoClose;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
        QObject::connect(filter, &QObject::destroyed, [] { filter = nullptr; });
    }
    filter->arm();
}

QList<ButtonChoice> buttonsFor(const QString &kind)
{
    const QString ok = G_TXT_OK.isEmpty() ? QStringLiteral("확인") : G_TXT_OK;
    const QString yes = G_TXT_YES.isEmpty() ? QStringLiteral("예") : G_TXT_YES;
    const QString no = G_TXT_NO.isEmpty() ? QStringLiteral("아니오") : G_TXT_NO;
    if (kind == QLatin1String("I") || kind == QLatin1String("E"))
        return {{ok, QMessageBox::AcceptRole, 1}};
    if (kind == QLatin1String("Q"))
        return {{yes, QMessageBox::AcceptRole, 1}, {no, QMessageBox::RejectRole, 2}};
    if (kind == QLatin1String("S"))
        return {{QStringLiteral("배달"), QMessageBox::YesRole, 6},
                {QStringLiteral("퀵/화물/콜밴"), QMessageBox::NoRole, 7}};
    return {};
}

int showDialog(const QString &text, const QString &kind)
{
    const QList<ButtonChoice> buttons = buttonsFor(kind);
    if (buttons.isEmpty())
        return 0;

    ProgramMessageBox box(QMessageBox::NoIcon, G_PROGRAM_TITLE, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    g_msgBoxForm = &box;
    QHash<QAbstractButton *, int> results;
    QPushButton *lastButton = nullptr;
    for (const ButtonChoice &choice : buttons) {
        QPushButton *button = box.addButton(choice.caption, choice.role);
        lastButton = button;
        // Long captions get a wider button so that the text is never cut.
        const int textWidth = QFontMetrics(button->font()).horizontalAdvance(choice.caption);
        if (textWidth > 56)
            button->setMinimumWidth(textWidth + 28);
        results.insert(button, choice.result);
    }
    // The window's close button answers like the last (cancel-like) button.
    box.setEscapeButton(lastButton);

    bool closedByTimer = false;
    QTimer closeTimer;
    const int autoCloseMs = g_autoCloseMs ? g_autoCloseMs() : 0;
    if (kind == QLatin1String("I") && autoCloseMs != 0) {
        closeTimer.setSingleShot(true);
        closeTimer.setInterval(autoCloseMs);
        QObject::connect(&closeTimer, &QTimer::timeout, &box, [&box, &closedByTimer] {
            closedByTimer = true;
            box.done(QDialog::Rejected);
        });
        closeTimer.start();
    }

    box.exec();
    g_msgBoxForm = nullptr;
    if (closedByTimer) {
        swallowEnterAfterAutoClose();
        return 2;
    }
    QAbstractButton *clicked = box.clickedButton();
    if (clicked && results.contains(clicked))
        return results.value(clicked);
    return buttons.constLast().result;
}
} // namespace

void InstallMsgBoxDialog(std::function<int()> autoCloseMs)
{
    g_autoCloseMs = std::move(autoCloseMs);
    SetMsgBoxHandler(&showDialog);
}

QMessageBox *CurrentMsgBox()
{
    return g_msgBoxForm.data();
}
