#include "messages/ui/notice_view_window.h"

#include "messages/notice_center.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

SafeTextView::SafeTextView(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
}

QVariant SafeTextView::loadResource(int, const QUrl &)
{
    return {};
}

void SafeTextView::setNoticeBody(const QString &text)
{
    QString html = text;
    html.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    setHtml(html);
}

NoticeViewWindow::NoticeViewWindow(const TNotice &notice, NoticeCenter *center)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_center(center)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("공지 알람"));
    setWindowOpacity(180.0 / 255.0);
    resize(520, 420);

    auto *grid = new QGridLayout;
    const QString colour = QStringLiteral("background-color: #%1;").arg(NoticeCenter::kindColour(notice.ARTICLE_TYPE), 6, 16, QLatin1Char('0'));
    int row = 0;
    const auto addField = [&](const QString &label, QLineEdit *&edit, const QString &value) {
        auto *l = new QLabel(label);
        l->setStyleSheet(colour);
        captionLabels << l;
        edit = new QLineEdit(value);
        edit->setReadOnly(true);
        grid->addWidget(l, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    };
    addField(QStringLiteral("공지 구분"), CTE_NOTICE_GUBUN, notice.ARTICLE_TYPE);
    addField(QStringLiteral("제목"), CTE_TITLE, notice.ARTICLE_TITLE);
    addField(QStringLiteral("입력자 그룹명"), CTE_GROUP, notice.PUT_GRP_NAME);
    CTE_TITLE->setToolTip(notice.SEQ_NO);

    body = new SafeTextView;
    body->setNoticeBody(notice.ARTICLE_BODY);
    deleteButton = new QPushButton(QStringLiteral("알림삭제"));
    connect(deleteButton, &QPushButton::clicked, this, &NoticeViewWindow::markRead);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(body, 1);
    layout->addWidget(deleteButton, 0, Qt::AlignRight);

    for (QWidget *w : {static_cast<QWidget *>(CTE_TITLE), static_cast<QWidget *>(CTE_GROUP), static_cast<QWidget *>(body),
                       static_cast<QWidget *>(deleteButton)})
        w->installEventFilter(this);

    if (QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool NoticeViewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        setWindowOpacity(1.0);
    return QWidget::eventFilter(watched, event);
}

void NoticeViewWindow::markRead()
{
    if (m_center)
        m_center->markRead(CTE_TITLE->toolTip());
    close();
}
