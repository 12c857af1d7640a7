#include "main/ui/reception_host.h"

#include <QLabel>
#include <QEvent>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{
using Kind = ReceptionWindow::Kind;
const QList<Kind> kAllKinds{Kind::Delivery, Kind::Quick, Kind::DeliveryModify, Kind::QuickModify};

QHash<int, TFRM_ACP::WindowMaker> &receptionWindowMakers()
{
    static QHash<int, TFRM_ACP::WindowMaker> m;
    return m;
}
} // namespace

QString ReceptionKindName(ReceptionWindow::Kind kind)
{
    switch (kind) {
    case ReceptionWindow::Kind::Delivery: return QStringLiteral("배달 접수");
    case ReceptionWindow::Kind::Quick: return QStringLiteral("퀵 접수");
    case ReceptionWindow::Kind::DeliveryModify: return QStringLiteral("배달 주문 수정");
    case ReceptionWindow::Kind::QuickModify: break;
    }
    return QStringLiteral("퀵 주문 수정");
}

ReceptionWindow::ReceptionWindow(Kind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(ReceptionKindName(kind) + QStringLiteral(" 화면은 아직 만들어지지 않았습니다."), this);
    title->setProperty("placeholderScreen", true);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addWidget(title);
    CTE_ORD_NO = new QLineEdit(this);
    CTE_ORD_NO->setObjectName(QStringLiteral("CTE_ORD_NO"));
    CTE_ORD_NO->setReadOnly(true);
    CTE_ORD_NO->setPlaceholderText(QStringLiteral("주문번호"));
    layout->addWidget(CTE_ORD_NO);
    edtShareGroup = new QLineEdit(this);
    edtShareGroup->setObjectName(QStringLiteral("edtShareGroup"));
    edtShareGroup->setVisible(kind == Kind::DeliveryModify);
    edtShareGroup->setReadOnly(true);
    layout->addWidget(edtShareGroup);
    btnClose = new QPushButton(QStringLiteral("닫기"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::hide);
    layout->addWidget(btnClose, 0, Qt::AlignRight);
    layout->addStretch();
    hide();
}

ReceptionWindow::ReceptionWindow(Kind kind, QWidget *parent, NoPlaceholder)
    : QWidget(parent)
    , m_kind(kind)
{
    hide();
}

void ReceptionWindow::proc_Init()
{
    ++m_initCount;
}

void ReceptionWindow::SetCall(const ReceptionCall &call)
{
    m_call = call;
}

void ReceptionWindow::proc_Acc_init()
{
    ++m_initCount;
}

void TFRM_ACP::SetWindowMaker(WindowMaker m)
{
    SetWindowMaker(std::move(m), kAllKinds);
}

void TFRM_ACP::SetWindowMaker(WindowMaker m, const QList<ReceptionWindow::Kind> &kinds)
{
    for (Kind kind : kinds) {
        if (m)
            receptionWindowMakers().insert(int(kind), m);
        else
            receptionWindowMakers().remove(int(kind));
    }
}

bool TFRM_ACP::HasWindowMaker()
{
    return !receptionWindowMakers().isEmpty();
}

bool TFRM_ACP::HasWindowMaker(ReceptionWindow::Kind kind)
{
    return receptionWindowMakers().contains(int(kind));
}

TFRM_ACP::TFRM_ACP(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TFRM_ACP"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    layout->addWidget(pages);
    auto make = [this](ReceptionWindow::Kind kind) {
        const auto found = receptionWindowMakers().constFind(int(kind));
        return found != receptionWindowMakers().cend() && *found ? (*found)(kind, this) : new ReceptionWindow(kind, this);
    };
    for (int i = 0; i < 12; ++i) {
        auto *page = new QWidget(pages);
        auto *pl = new QVBoxLayout(page);
        pl->setContentsMargins(0, 0, 0, 0);
        pages->addTab(page, QString());
    }
    for (int i = 0; i < 5; ++i)
        FRM_ACP_LIST << make(ReceptionWindow::Kind::Delivery);
    FRM_MOD_LIST = make(ReceptionWindow::Kind::DeliveryModify);
    for (int i = 0; i < 5; ++i)
        FRM_ACP_QUICK << make(ReceptionWindow::Kind::Quick);
    FRM_MOD_QUICK = make(ReceptionWindow::Kind::QuickModify);
    for (ReceptionWindow *w : FRM_ACP_LIST + FRM_ACP_QUICK + QList<ReceptionWindow *>{FRM_MOD_LIST, FRM_MOD_QUICK}) {
        w->hide();
        // A window that hides itself (its own close, or "닫기") frees its tab with it.
        w->installEventFilter(this);
    }
    pages->setTabsClosable(true);
    connect(pages, &QTabWidget::tabCloseRequested, this, &TFRM_ACP::closeTab);
    for (int i = 0; i < 12; ++i)
        pages->setTabVisible(i, false);
}

QWidget *TFRM_ACP::tabPage(int index) const
{
    return pages->widget(index);
}

bool TFRM_ACP::tabShown(int index) const
{
    return pages->isTabVisible(index);
}

void TFRM_ACP::openInTab(ReceptionWindow *window, int index, const QString &caption)
{
    QWidget *page = tabPage(index);
    if (!page || !window)
        return;
    if (window->parentWidget() != page) {
        window->setParent(page);
        page->layout()->addWidget(window);
    }
    pages->setTabText(index, caption);
    pages->setTabVisible(index, true);
    window->show();
    pages->setCurrentIndex(index);
}

void TFRM_ACP::closeTab(int index)
{
    QWidget *page = tabPage(index);
    if (!page)
        return;
    for (ReceptionWindow *w : page->findChildren<ReceptionWindow *>(Qt::FindDirectChildrenOnly))
        w->hide();
    pages->setTabVisible(index, false);
}

bool TFRM_ACP::anyTabShown() const
{
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i))
            return true;
    return false;
}

int TFRM_ACP::firstShownTab() const
{
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i))
            return i;
    return -1;
}

ReceptionWindow *TFRM_ACP::proc_New_Call(const ReceptionCall &call, int giOrd)
{
    // Setting up a window may run other handlers (a message box, a reply's wait); a call that
    // comes in meanwhile waits for its turn instead of taking the window being set up.
    if (m_startingCall) {
        m_waitingCalls.append({call, giOrd});
        return nullptr;
    }
    m_startingCall = true;
    ReceptionWindow *w = nullptr;
    try {
        w = startCall(call, giOrd);
    } catch (...) {
        m_startingCall = false;
        throw;
    }
    m_startingCall = false;
    if (!m_waitingCalls.isEmpty()) {
        const auto next = m_waitingCalls.takeFirst();
        proc_New_Call(next.first, next.second);
    }
    return w;
}

ReceptionWindow *TFRM_ACP::startCall(const ReceptionCall &call, int giOrd)
{
    int slot = -1;
    for (int i = 0; i < FRM_ACP_LIST.size(); ++i)
        if (FRM_ACP_LIST.at(i)->isHidden()) {
            slot = i;
            break;
        }
    int tab = -1;
    for (int i = 0; i < 5; ++i)
        if (!pages->isTabVisible(i)) {
            tab = i;
            break;
        }
    if (slot < 0 || tab < 0)
        return nullptr;
    ReceptionWindow *w = FRM_ACP_LIST.at(slot);
    w->GI_ORD = giOrd;
    w->GI_ACP_NUM = slot;
    w->GI_GUBUN = 0;
    w->Tag = tab;
    w->SetCall(call);
    QWidget *page = tabPage(tab);
    if (w->parentWidget() != page) {
        w->setParent(page);
        page->layout()->addWidget(w);
    }
    pages->setTabText(tab, QStringLiteral("접수") + QString::number(slot + 1));
    pages->setTabVisible(tab, true);
    w->proc_Acc_init();
    w->show();
    pages->setCurrentIndex(tab);
    emit callOpened(w);
    return w;
}

bool TFRM_ACP::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = qobject_cast<ReceptionWindow *>(watched);
    if (window && event->type() == QEvent::Hide && window->isHidden()) {
        const int index = pages->indexOf(window->parentWidget());
        if (index >= 0 && pages->isTabVisible(index)) {
            pages->setTabVisible(index, false);
            emit windowClosed(window);
        }
    }
    return QWidget::eventFilter(watched, event);
}
