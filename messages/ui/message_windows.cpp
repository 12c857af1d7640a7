#include "messages/ui/message_windows.h"

#include "messages/message_center.h"
#include "messages/ui/alert_window.h"
#include "messages/ui/composer_windows.h"
#include "messages/ui/message_list_window.h"
#include "messages/ui/notice_view_window.h"

#include "records/session_records.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

MessageWindows::MessageWindows(MessageCenter *center, QWidget *mainWindow)
    : QObject(mainWindow)
    , m_center(center)
    , m_mainWindow(mainWindow)
    , m_listWindow(new MessageListWindow(&center->list()))
    , m_composer(new SendMessageWindow(center))
{
    if (!center->list().hooks.copyToClipboard)
        center->list().hooks.copyToClipboard = [](const QString &text) { QApplication::clipboard()->setText(text); };
    connect(center, &MessageCenter::alertRequested, this,
            [this](const QString &caption, const QString &text, const QString &hint) { showAlert(caption, text, hint, false); });
    connect(center, &MessageCenter::messageListShowRequested, this, [this](bool) { m_listWindow->showTopmost(); });
    connect(&center->notices(), &NoticeCenter::popupRequested, this, [this](const TNotice &notice) {
        auto *w = new NoticeViewWindow(notice, &m_center->notices());
        w->show();
    });
    connect(&center->notices(), &NoticeCenter::alertRequested, this,
            [this](const QString &caption, const QString &text, int tag) { showAlert(caption, text, QString::number(tag), true); });
}

MessageWindows::~MessageWindows()
{
    delete m_listWindow;
    delete m_composer;
    delete m_multi;
    for (const QPointer<QWidget> &a : m_alerts)
        delete a.data();
}

void MessageWindows::showAlert(const QString &caption, const QString &text, const QString &hint, bool html)
{
    auto *alert = new AlertWindow(caption, text, hint, html);
    m_alerts.removeAll(nullptr);
    m_alerts << alert;
    alert->show();
}

int MessageWindows::openAlertCount() const
{
    int n = 0;
    for (const QPointer<QWidget> &a : m_alerts)
        n += a ? 1 : 0;
    return n;
}

void MessageWindows::openMessageList()
{
    m_center->list().show();
    m_listWindow->showTopmost();
}

void MessageWindows::openComposer(const TMSG_LIST &prepared, const QString &ordNo, const QString &grpName, bool focusBody)
{
    m_composer->open(prepared, ordNo, grpName, focusBody);
}

void MessageWindows::openDirectInput(const QString &wkCode)
{
    TMSG_LIST m = MessageCenter::ownMessage();
    m.RCV_GRP_TYPE = QStringLiteral("W");
    m.RCV_GRP_CODE = wkCode;
    openComposer(m, QString(), G_USER_INFO.GRP_NAME, true);
}

void MessageWindows::openMultiTarget()
{
    if (!m_multi)
        m_multi = new MultiTargetWindow(m_mainWindow);
    m_multi->show();
    m_multi->raise();
}

QMenu *MessageWindows::createCourierMenu(QWidget *parent, std::function<QString()> wkCode)
{
    auto *menu = new QMenu(parent);
    const QList<QPair<QString, int>> items = {
        {QStringLiteral("제휴본사/총판으로 전화주세요."), 4}, {QStringLiteral("안전운행해주세요."), 3},
        {QStringLiteral("사무실로 복귀해주세요."), 3},        {QStringLiteral("프로그램 업데이트 해주세요."), 3},
        {QStringLiteral("공지를 확인해주세요."), 3},          {QStringLiteral("상품이 변경되었습니다."), 3},
        {QStringLiteral("대기자 콜수행해주세요. "), 3}};
    for (const auto &[text, tag] : items) {
        QAction *a = menu->addAction(text);
        a->setData(tag);
        connect(a, &QAction::triggered, this, [this, text, tag, wkCode] { m_center->procWkMsgSend(tag, text, wkCode()); });
    }
    menu->addSeparator();
    QAction *direct = menu->addAction(QStringLiteral("직접입력"));
    direct->setData(4);
    connect(direct, &QAction::triggered, this, [this, wkCode] { openDirectInput(wkCode()); });
    return menu;
}
