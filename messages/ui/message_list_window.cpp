#include "messages/ui/message_list_window.h"

#include "messages/message_list.h"
#include "messages/message_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

MessageListModel::MessageListModel(MessageList *list, QObject *parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{
}

int MessageListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list->rowCount();
}

int MessageListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant MessageListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (index.row() < 0 || index.row() >= m_list->rowCount())
        return {};
    const TMSG_LIST &m = m_list->rowAt(index.row());
    switch (index.column()) {
    case 0: return MessageTexts::stampTime(m.PUT_DATE);
    case 1: return m.MSG_TITLE;
    case 2: return role == Qt::ToolTipRole ? m.MSG_CONTENT : QString(m.MSG_CONTENT).replace(QLatin1Char('\n'), QLatin1Char('|'));
    }
    return {};
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *names[] = {"입력일시", "제목", "내용"};
    return section >= 0 && section < 3 ? QString::fromUtf8(names[section]) : QVariant();
}

void MessageListModel::reload()
{
    beginResetModel();
    endResetModel();
}

MessageListWindow::MessageListWindow(MessageList *list, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_list(list)
    , m_model(new MessageListModel(list, this))
{
    setWindowTitle(QStringLiteral("메세지"));
    setFixedSize(915, 576);

    auto *titleBar = new QWidget;
    titleBar->setObjectName(QStringLiteral("titleBar"));
    auto *titleLayout = new QHBoxLayout(titleBar);
    auto *titleLabel = new QLabel(QStringLiteral("메세지"));
    closeButton = new QPushButton(QStringLiteral("닫기"));
    titleLayout->addWidget(titleLabel, 1);
    titleLayout->addWidget(closeButton);
    connect(closeButton, &QPushButton::clicked, this, [this] { m_list->hide(); });

    CTV_MESSAGE = new QTableView;
    CTV_MESSAGE->setModel(m_model);
    CTV_MESSAGE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CTV_MESSAGE->setSelectionBehavior(QAbstractItemView::SelectRows);
    CTV_MESSAGE->setSelectionMode(QAbstractItemView::SingleSelection);
    CTV_MESSAGE->setSortingEnabled(false);
    CTV_MESSAGE->verticalHeader()->setDefaultSectionSize(30);
    CTV_MESSAGE->verticalHeader()->hide();
    CTV_MESSAGE->horizontalHeader()->setSectionsMovable(false);
    CTV_MESSAGE->setColumnWidth(0, 111);
    CTV_MESSAGE->setColumnWidth(1, 205);
    CTV_MESSAGE->horizontalHeader()->setStretchLastSection(true);
    connect(CTV_MESSAGE, &QTableView::clicked, this, [this](const QModelIndex &i) { m_list->clickRow(i.row()); });

    CTE_TITLE = new QLineEdit;
    CTE_TITLE->setReadOnly(true);
    CTE_GROUP = new QLineEdit;
    CTE_GROUP->setReadOnly(true);
    CMM_BODY = new QPlainTextEdit;
    CMM_BODY->setReadOnly(true);
    auto *detail = new QGridLayout;
    detail->addWidget(new QLabel(QStringLiteral("제목")), 0, 0);
    detail->addWidget(CTE_TITLE, 0, 1);
    detail->addWidget(new QLabel(QStringLiteral("입력자 그룹명")), 0, 2);
    detail->addWidget(CTE_GROUP, 0, 3);
    detail->addWidget(CMM_BODY, 1, 0, 1, 4);

    cgbMessageReplyBox = new QGroupBox;
    auto *replyLayout = new QHBoxLayout(cgbMessageReplyBox);
    CTE_SEND_MSG = new QLineEdit;
    CTE_SEND_MSG->setMaxLength(300);
    replyLayout->addWidget(new QLabel(QStringLiteral("메세지입력")));
    replyLayout->addWidget(CTE_SEND_MSG, 1);

    cxGroupBox4 = new QWidget;
    auto *bar = new QHBoxLayout(cxGroupBox4);
    bar->addStretch();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            separators[size_t(i - 1)] = new QLabel(QStringLiteral("|"));
            bar->addWidget(separators[size_t(i - 1)]);
        }
        actionButtons[size_t(i)] = new QPushButton;
        bar->addWidget(actionButtons[size_t(i)]);
        connect(actionButtons[size_t(i)], &QPushButton::clicked, this,
                [this, i] { m_list->pressButton(i, CTE_SEND_MSG->text()); });
    }
    bar->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(CTV_MESSAGE, 3);
    layout->addLayout(detail, 2);
    layout->addWidget(cgbMessageReplyBox);
    layout->addWidget(cxGroupBox4);

    connect(m_list, &MessageList::rowsChanged, m_model, &MessageListModel::reload);
    connect(m_list, &MessageList::detailChanged, this, &MessageListWindow::refreshDetail);
    connect(m_list, &MessageList::focusReplyRequested, this, [this] { CTE_SEND_MSG->setFocus(); });
    connect(m_list, &MessageList::replyCleared, CTE_SEND_MSG, &QLineEdit::clear);
    connect(m_list, &MessageList::visibilityChanged, this, [this](bool show) {
        if (show)
            showTopmost();
        else
            hide();
    });
    refreshDetail();
    if (QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void MessageListWindow::refreshDetail()
{
    CTE_TITLE->setText(m_list->title);
    CTE_GROUP->setText(m_list->group);
    CMM_BODY->setPlainText(m_list->body);
    cxGroupBox4->setVisible(m_list->buttonBarVisible);
    cgbMessageReplyBox->setVisible(m_list->replyBoxVisible);
    if (!m_list->replyBoxVisible)
        CTE_SEND_MSG->clear();
    for (int i = 0; i < 3; ++i) {
        const MessageList::Button &b = m_list->buttons[size_t(i)];
        QPushButton *button = actionButtons[size_t(i)];
        button->setText(b.caption);
        button->setFixedWidth(b.width);
        button->setVisible(b.visible);
        button->setEnabled(m_list->buttonsEnabled);
        if (i > 0)
            separators[size_t(i - 1)]->setVisible(b.separatorVisible);
    }
    if (m_list->shownRow >= 0 && m_list->shownRow < m_model->rowCount())
        CTV_MESSAGE->selectRow(m_list->shownRow);
}

void MessageListWindow::showTopmost()
{
    show();
    raise();
}

void MessageListWindow::closeEvent(QCloseEvent *event)
{
    // A close command only hides it: the window stays for later messages.
    event->ignore();
    m_list->hide();
}

void MessageListWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < 40 && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}
