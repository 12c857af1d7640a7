#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// One alert: a small topmost window with a caption and a text that closes itself after 20
// seconds, by its close button, or by a left click anywhere on it (a right click does not close
// it). Alerts stack up from the bottom right of the screen.
class AlertWindow : public QWidget
{
    Q_OBJECT
public:
    // html: the text is a notice body (shown as plain text, markup removed).
    AlertWindow(const QString &caption, const QString &text, const QString &hint, bool html = false);

    static constexpr int kShowMs = 20000;
    QString hint;  // MSG_NO or the notice number; not shown
    QLabel *captionLabel;
    QLabel *textLabel;

    // Markup and entities of an HTML text removed.
    static QString plainTextOf(const QString &html);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
