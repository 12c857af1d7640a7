#include "messages/ui/notice_article_window.h"

#include "messages/ui/alert_window.h"
#include "text/date_helpers.h"

#include "common/daily_log.h"
#include "common/ui/window_placement.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

TFRM_ARTICLE *FRM_ARTICLE = nullptr;

namespace
{
constexpr int kRecordRole = Qt::UserRole + 1;
const QColor kPinnedBack(255, 128, 128);

QString bodyText(const QString &body)
{
    // Notices are written in the web administration as HTML; the memo shows their text.
    if (Qt::mightBeRichText(body))
        return AlertWindow::plainTextOf(body);
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

TFRM_ARTICLE::TFRM_ARTICLE(NoticeArticleHooks hooks, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("TFRM_ARTICLE"));
    setWindowTitle(QStringLiteral("공지"));
    resize(640, 560);

    cxGroupBox37 = new QFrame(this);
    cxGroupBox37->setObjectName(QStringLiteral("cxGroupBox37"));
    cxGroupBox37->setFrameShape(QFrame::StyledPanel);
    auto *top = new QHBoxLayout(cxGroupBox37);
    auto *caption = new QLabel(QStringLiteral("공지"), cxGroupBox37);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    CBT_PEOPLE_POINT_CLOSE = new QPushButton(QStringLiteral("닫기"), cxGroupBox37);
    CBT_PEOPLE_POINT_CLOSE->setObjectName(QStringLiteral("CBT_PEOPLE_POINT_CLOSE"));
    top->addWidget(caption);
    top->addStretch(1);
    top->addWidget(CBT_PEOPLE_POINT_CLOSE);
    cxGroupBox37->installEventFilter(this);

    TCG_NOTICE = new QTableWidget(0, 4, this);
    TCG_NOTICE->setObjectName(QStringLiteral("TCG_NOTICE"));
    TCG_NOTICE->setHorizontalHeaderLabels(
        {QStringLiteral("입력자"), QStringLiteral("구분"), QStringLiteral("일시"), QStringLiteral("제목")});
    TCG_NOTICE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TCG_NOTICE->setSelectionBehavior(QAbstractItemView::SelectRows);
    TCG_NOTICE->setSelectionMode(QAbstractItemView::SingleSelection);
    TCG_NOTICE->setSortingEnabled(false);
    TCG_NOTICE->horizontalHeader()->setSectionsMovable(false);
    TCG_NOTICE->horizontalHeader()->setStretchLastSection(true);
    TCG_NOTICE->verticalHeader()->hide();

    CTE_TITLE = new QLineEdit(this);
    CTE_TITLE->setObjectName(QStringLiteral("CTE_TITLE"));
    CTE_TITLE->setReadOnly(true);
    CTE_TITLE->setMaxLength(50);
    CTE_GROUP = new QLineEdit(this);
    CTE_GROUP->setObjectName(QStringLiteral("CTE_GROUP"));
    CTE_GROUP->setReadOnly(true);
    CTE_GROUP->setMaxLength(50);
    CMM_BODY = new QPlainTextEdit(this);
    CMM_BODY->setObjectName(QStringLiteral("CMM_BODY"));
    CMM_BODY->setReadOnly(true);
    CMM_BODY->setLineWrapMode(QPlainTextEdit::NoWrap);
    CMM_BODY->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    CMM_BODY->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    cxButton1 = new QPushButton(QStringLiteral("알림삭제"), this);
    cxButton1->setObjectName(QStringLiteral("cxButton1"));

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("제목"), this), 0, 0);
    fields->addWidget(CTE_TITLE, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("입력자 그룹명"), this), 1, 0);
    fields->addWidget(CTE_GROUP, 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(cxGroupBox37);
    layout->addWidget(TCG_NOTICE, 1);
    layout->addLayout(fields);
    layout->addWidget(CMM_BODY, 1);
    layout->addWidget(cxButton1, 0, Qt::AlignRight);

    connect(CBT_PEOPLE_POINT_CLOSE, &QPushButton::clicked, this, &TFRM_ARTICLE::closeClicked);
    connect(cxButton1, &QPushButton::clicked, this, &TFRM_ARTICLE::proc_Delete);
    connect(TCG_NOTICE, &QTableWidget::cellClicked, this, [this](int row, int) {
        const QTableWidgetItem *item = TCG_NOTICE->item(row, 0);
        if (item)
            recordClicked(item->data(kRecordRole).toInt());
    });
    cxButton1->setEnabled(false);
    CenterOnScreen(this);
}

void TFRM_ARTICLE::fillGrid()
{
    TCG_NOTICE->setUpdatesEnabled(false);
    TCG_NOTICE->setRowCount(0);
    const QList<int> order = NoticeArticleDisplayOrder(m_records);
    TCG_NOTICE->setRowCount(int(order.size()));
    for (int row = 0; row < order.size(); ++row) {
        const int record = order.at(row);
        const NoticeArticleRow &r = m_records.at(record);
        // A stamp of digits reads as a date and time; anything else is shown as it came.
        const QString date = FormatDateDigits(r.date);
        const QStringList cells = {NoticeGroupTypeName(r.groupType), r.kind, date.isEmpty() ? r.date : date, r.title};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setData(kRecordRole, record);
            // Pinned notices stand out; the selection keeps the grid's own colours.
            item->setBackground(r.pinned() ? kPinnedBack : QColor(Qt::white));
            TCG_NOTICE->setItem(row, c, item);
        }
    }
    TCG_NOTICE->setUpdatesEnabled(true);
}

void TFRM_ARTICLE::showRecord(int record, bool setHint)
{
    if (record < 0 || record >= m_records.size()) {
        CTE_TITLE->clear();
        CTE_GROUP->clear();
        CMM_BODY->clear();
        m_deleteTag = -1;
        cxButton1->setEnabled(false);
        return;
    }
    const NoticeArticleRow &r = m_records.at(record);
    if (setHint)
        CTE_TITLE->setToolTip(r.seqNo);
    CTE_TITLE->setText(r.title);
    CTE_GROUP->setText(r.groupName);
    CMM_BODY->setPlainText(bodyText(r.body));
}

void TFRM_ARTICLE::proc_Load()
{
    if (G_NOTICE.isEmpty() && G_NOTICE_SEQ.isEmpty())
        return;
    m_records = NoticeArticleRows(G_NOTICE, G_NOTICE_SEQ);
    fillGrid();
    showRecord(0, true);
    const bool deletable = !m_records.isEmpty() && !m_records.first().pinned();
    m_deleteTag = deletable ? 0 : -1;
    cxButton1->setEnabled(deletable);
}

void TFRM_ARTICLE::proc_View_Notice(const QString &seqNo)
{
    if (G_NOTICE.isEmpty() && G_NOTICE_SEQ.isEmpty())
        return;
    m_records = PinnedNoticeRows(G_NOTICE_SEQ, seqNo);
    fillGrid();
    showRecord(0, false);
    const bool deletable = !m_records.isEmpty() && !m_records.first().pinned();
    m_deleteTag = deletable ? 0 : -1;
    cxButton1->setEnabled(deletable);
}

void TFRM_ARTICLE::recordClicked(int record)
{
    if (record < 0 || record >= m_records.size())
        return;
    const NoticeArticleRow &r = m_records.at(record);
    m_deleteTag = record;
    showRecord(record, true);
    if (m_hooks.noticeRead)
        m_hooks.noticeRead(r.seqNo);
    MarkNoticeRead(G_NOTICE, r.seqNo, false);
    cxButton1->setEnabled(!r.pinned());
}

void TFRM_ARTICLE::proc_Delete()
{
    const int index = m_deleteTag;
    if (index < 0 || index >= m_records.size())
        return;
    MarkNoticeRead(G_NOTICE, CTE_TITLE->toolTip(), true);
    m_records.removeAt(index);
    fillGrid();
    if (m_records.isEmpty()) {
        m_deleteTag = -1;
        cxButton1->setEnabled(false);
        hide();
        return;
    }
    showRecord(0, true);
    if (TCG_NOTICE->rowCount() > 0) {
        for (int row = 0; row < TCG_NOTICE->rowCount(); ++row)
            if (TCG_NOTICE->item(row, 0)->data(kRecordRole).toInt() == 0)
                TCG_NOTICE->setCurrentCell(row, 0);
    }
    const NoticeArticleRow &first = m_records.first();
    if (!first.pinned()) {
        m_deleteTag = 0;
        cxButton1->setEnabled(true);
        MarkNoticeRead(G_NOTICE, first.seqNo, false);
    } else {
        m_deleteTag = -1;
        cxButton1->setEnabled(false);
    }
}

void TFRM_ARTICLE::closeClicked()
{
    if (m_hooks.closed)
        m_hooks.closed();
    hide();
}

void TFRM_ARTICLE::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        proc_Load();
}

bool TFRM_ARTICLE::eventFilter(QObject *watched, QEvent *event)
{
    // The window has no frame: its title box moves it.
    if (watched == cxGroupBox37 && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (QWindow *w = windowHandle())
            w->startSystemMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

TFRM_ARTICLE *OpenNoticeArticle(int seqNo, NoticeArticleHooks hooks)
{
    static QPointer<TFRM_ARTICLE> window;
    if (!window) {
        window = new TFRM_ARTICLE(std::move(hooks));
        window->setAttribute(Qt::WA_DeleteOnClose);
        FRM_ARTICLE = window;
        QObject::connect(window, &QObject::destroyed, [] { FRM_ARTICLE = nullptr; });
    } else {
        window->setHooks(std::move(hooks));
    }
    window->show();
    window->raise();
    window->proc_View_Notice(QString::number(seqNo));
    return window;
}
