#include "messages/ui/alert_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
int g_openAlerts = 0;
}

AlertWindow::AlertWindow(const QString &caption, const QString &text, const QString &hintText, bool html)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , hint(hintText)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedWidth(360);
    setStyleSheet(QStringLiteral("AlertWindow { background: #fffbe6; border: 1px solid #c8a800; }"));

    captionLabel = new QLabel(caption);
    captionLabel->setTextFormat(Qt::PlainText);
    QFont cf(QStringLiteral("굴림체"));
    cf.setPixelSize(16);
    cf.setBold(true);
    captionLabel->setFont(cf);
    captionLabel->setWordWrap(true);

    textLabel = new QLabel(html ? plainTextOf(text) : text);
    textLabel->setTextFormat(Qt::PlainText);
    QFont tf(QStringLiteral("굴림체"));
    tf.setPixelSize(13);
    textLabel->setFont(tf);
    textLabel->setWordWrap(true);

    auto *close = new QToolButton;
    close->setText(QStringLiteral("×"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);

    auto *top = new QHBoxLayout;
    top->addWidget(captionLabel, 1);
    top->addWidget(close, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(textLabel, 1);

    QTimer::singleShot(kShowMs, this, &QWidget::close);
    adjustSize();
    if (QScreen *screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int offset = (g_openAlerts % 5) * (height() + 6);
        move(area.right() - width() - 12, area.bottom() - height() - 12 - offset);
    }
    ++g_openAlerts;
    connect(this, &QObject::destroyed, [] { --g_openAlerts; });
}

QString AlertWindow::plainTextOf(const QString &html)
{
    QString t = html;
    t.replace(QRegularExpression(QStringLiteral("<br\\s*/?>|</p>"), QRegularExpression::CaseInsensitiveOption), QStringLiteral("\n"));
    t.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    t.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    t.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    t.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return t.trimmed();
}

void AlertWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        close();
    else
        QWidget::mousePressEvent(event);
}
