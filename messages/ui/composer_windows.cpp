#include "messages/ui/composer_windows.h"

#include "messages/message_center.h"

#include "common/message_box.h"
#include "common/ui/progress_window.h"
#include "records/reference_records.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace
{
void centreOn(QWidget *w, QWidget *over)
{
    if (over && over->isVisible()) {
        w->move(over->geometry().center() - w->rect().center());
        return;
    }
    if (QScreen *screen = QApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
}

// Keeps a memo at its maximum number of characters.
void limitChars(QPlainTextEdit *edit, int max)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, max] {
        const QString t = edit->toPlainText();
        if (t.size() <= max)
            return;
        const QSignalBlocker block(edit);
        edit->setPlainText(t.left(max));
        QTextCursor c = edit->textCursor();
        c.movePosition(QTextCursor::End);
        edit->setTextCursor(c);
    });
}
} // namespace

SendMessageWindow::SendMessageWindow(MessageCenter *center, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_center(center)
{
    setWindowTitle(QStringLiteral("메세지"));
    setFixedSize(692, 349);
    auto *title = new QLabel(QStringLiteral("메세지"));
    CTE_TITLE = new QLineEdit;
    CTE_TITLE->setMaxLength(50);
    auto *titleStrip = new QWidget;
    auto *stripLayout = new QHBoxLayout(titleStrip);
    stripLayout->addWidget(new QLabel(QStringLiteral("제목")));
    stripLayout->addWidget(CTE_TITLE, 1);
    titleStrip->hide();
    CMM_BODY = new QPlainTextEdit;
    CMM_BODY->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    limitChars(CMM_BODY, kMaxBodyChars);
    CMM_BODY->installEventFilter(this);
    sendButton = new QPushButton(QStringLiteral("메세지전송"));
    closeButton = new QPushButton(QStringLiteral("닫기"));
    connect(sendButton, &QPushButton::clicked, this, &SendMessageWindow::send);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sendButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(titleStrip);
    layout->addWidget(CMM_BODY, 1);
    layout->addLayout(buttons);
}

void SendMessageWindow::open(const TMSG_LIST &prepared, const QString &ordNo, const QString &grpName, bool focusBody)
{
    CTE_TITLE->clear();
    CMM_BODY->clear();
    m_msg = prepared;
    m_ordNo = ordNo;
    m_grpName = grpName;
    centreOn(this, nullptr);
    show();
    raise();
    activateWindow();
    if (focusBody)
        CMM_BODY->setFocus();
}

bool SendMessageWindow::send()
{
    const ComposedMessage c = ComposeMessage(m_msg, CTE_TITLE->text(), CMM_BODY->toPlainText(), m_ordNo, m_grpName);
    if (c.status != ComposedMessage::Ready) {
        MsgBox(c.box, QStringLiteral("I"));
        if (c.status == ComposedMessage::TitleTooLong)
            CTE_TITLE->setFocus();
        else
            CMM_BODY->setFocus();
        return false;
    }
    const bool ok = m_center->proc_Send_Message(c.msg);
    hide();
    return ok;
}

bool SendMessageWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CMM_BODY && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::ControlModifier) {
            send();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SendMessageWindow::closeEvent(QCloseEvent *event)
{
    // A system close only hides it, so the next opener finds it.
    event->ignore();
    hide();
}

void SendMessageWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

MultiTargetWindow::MultiTargetWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("메세지 전송"));
    setFixedSize(639, 694);

    ccbMessageListBr = new QComboBox;
    crbMsgTargetStore = new QRadioButton(QStringLiteral("가맹점"));
    crbMsgTargetWork = new QRadioButton(QStringLiteral("배송원"));
    crbMsgTargetAdmin = new QRadioButton(QStringLiteral("총판"));
    crbMsgTargetAdmin->hide();
    crbMsgTargetStore->setChecked(true);
    cteMessageTargetFilter = new QLineEdit;
    cbtnMessageTargetSearch = new QPushButton(QStringLiteral("검색"));
    cmMessageInput = new QPlainTextEdit;
    limitChars(cmMessageInput, 300);
    cbtnMessageSend = new QPushButton(QStringLiteral("전송"));
    cbtnClose = new QPushButton(QStringLiteral("닫기"));
    ccbMessageTargetAll = new QCheckBox;
    cgMessageTargetList = new QTableWidget(0, 5);
    cgMessageTargetList->setHorizontalHeaderLabels({QString(), QStringLiteral("소속명"), QStringLiteral("대상명"),
                                                    QStringLiteral("대상코드"), QString()});
    cgMessageTargetList->setColumnHidden(3, true);
    cgMessageTargetList->setColumnHidden(4, true);
    cgMessageTargetList->setColumnWidth(0, 37);
    cgMessageTargetList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    cgMessageTargetList->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    cgMessageTargetList->verticalHeader()->setDefaultSectionSize(30);
    cgMessageTargetList->verticalHeader()->hide();
    cgMessageTargetList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("총판선택")), 0, 0);
    grid->addWidget(ccbMessageListBr, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("대상구분")), 1, 0);
    grid->addWidget(crbMsgTargetStore, 1, 1);
    grid->addWidget(crbMsgTargetWork, 1, 2);
    grid->addWidget(crbMsgTargetAdmin, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("소속명/대상명 검색")), 2, 0);
    grid->addWidget(cteMessageTargetFilter, 2, 1, 1, 2);
    grid->addWidget(cbtnMessageTargetSearch, 2, 3);
    auto *allRow = new QHBoxLayout;
    allRow->addWidget(ccbMessageTargetAll);
    allRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cbtnMessageSend);
    buttons->addWidget(cbtnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("메세지 전송")));
    layout->addLayout(grid);
    layout->addLayout(allRow);
    layout->addWidget(cgMessageTargetList, 1);
    layout->addWidget(new QLabel(QStringLiteral("입력 메세지")));
    layout->addWidget(cmMessageInput);
    layout->addLayout(buttons);

    // Branches of the login's head offices; without any, the single item "0" shows every store.
    for (int h = 0; h < G_HD_LIST.count(); ++h) {
        const THD_LIST &hd = G_HD_LIST.at(h);
        for (int b = 0; b < hd.BR_LIST.count(); ++b)
            ccbMessageListBr->addItem(hd.BR_LIST.at(b).BR_Name, QString(hd.BR_LIST.at(b).BR_CODE));
    }
    if (ccbMessageListBr->count() == 0)
        ccbMessageListBr->addItem(QStringLiteral("0"), QStringLiteral("0"));

    connect(crbMsgTargetStore, &QRadioButton::clicked, this, [this] { rebuild(MessageTargetKind::Store); });
    connect(crbMsgTargetWork, &QRadioButton::clicked, this, [this] { rebuild(MessageTargetKind::Courier); });
    connect(crbMsgTargetAdmin, &QRadioButton::clicked, this, [this] { rebuild(MessageTargetKind::Admin); });
    connect(cbtnMessageTargetSearch, &QPushButton::clicked, this, &MultiTargetWindow::applyFilter);
    connect(cteMessageTargetFilter, &QLineEdit::returnPressed, this, &MultiTargetWindow::applyFilter);
    connect(ccbMessageListBr, &QComboBox::currentIndexChanged, this, &MultiTargetWindow::applyFilter);
    connect(ccbMessageTargetAll, &QCheckBox::clicked, this, [this](bool on) { composer.tickAll(on); });
    connect(cgMessageTargetList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (m_refreshing || item->column() != 0)
            return;
        composer.setTicked(item->row(), item->checkState() == Qt::Checked);
    });
    connect(&composer, &MultiTargetComposer::rowsChanged, this, &MultiTargetWindow::refreshRows);
    connect(cbtnMessageSend, &QPushButton::clicked, this, &MultiTargetWindow::sendAll);
    connect(cbtnClose, &QPushButton::clicked, this, &QWidget::hide);

    rebuild(MessageTargetKind::Store);
    centreOn(this, parent);
}

void MultiTargetWindow::rebuild(MessageTargetKind kind)
{
    composer.build(kind);
    applyFilter();
}

void MultiTargetWindow::applyFilter()
{
    composer.nameFilter = cteMessageTargetFilter->text();
    composer.branchFilter = ccbMessageListBr->currentData().toString();
    for (int r = 0; r < cgMessageTargetList->rowCount(); ++r)
        cgMessageTargetList->setRowHidden(r, !composer.isShown(r));
}

void MultiTargetWindow::refreshRows()
{
    m_refreshing = true;
    cgMessageTargetList->setRowCount(int(composer.rows.size()));
    for (int r = 0; r < composer.rows.size(); ++r) {
        const MessageTarget &t = composer.rows.at(r);
        auto *chk = new QTableWidgetItem;
        chk->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        chk->setCheckState(t.checked ? Qt::Checked : Qt::Unchecked);
        cgMessageTargetList->setItem(r, 0, chk);
        cgMessageTargetList->setItem(r, 1, new QTableWidgetItem(t.grpName));
        cgMessageTargetList->setItem(r, 2, new QTableWidgetItem(t.targetName));
        cgMessageTargetList->setItem(r, 3, new QTableWidgetItem(t.targetCode));
        cgMessageTargetList->setItem(r, 4, new QTableWidgetItem(t.brCode));
        cgMessageTargetList->setRowHidden(r, !composer.isShown(r));
    }
    ccbMessageTargetAll->setChecked(composer.allTicked);
    m_refreshing = false;
}

void MultiTargetWindow::sendAll()
{
    QString text = cmMessageInput->toPlainText();
    const bool ok = composer.send(text, [](bool start) {
        if (start)
            ShowProgressForm();
        else
            CloseProgressForm();
    });
    if (ok)
        cmMessageInput->clear();
}

void MultiTargetWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < 40 && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}
