#include "common/ui/message_box_dialog.h"

#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace
{
QPointer<QMessageBox> g_msgBoxForm;
std::function<int()> g_autoCloseMs;

struct ButtonSpec
{
    QString caption;
    QMessageBox::ButtonRole role;
    int result;
};

QList<ButtonSpec> buttonsFor(const QString &kind)
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
    const QList<ButtonSpec> buttons = buttonsFor(kind);
    if (buttons.isEmpty())
        return 0;

    QMessageBox box(QMessageBox::NoIcon, G_PROGRAM_TITLE, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    g_msgBoxForm = &box;
    QHash<QAbstractButton *, int> results;
    QPushButton *lastButton = nullptr;
    for (const ButtonSpec &choice : buttons) {
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
    if (closedByTimer)
        return 2;
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
