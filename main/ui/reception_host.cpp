#include "main/ui/reception_host.h"

#include <QLabel>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{
TFRM_ACP::WindowMaker &maker()
{
    static TFRM_ACP::WindowMaker m;
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

void ReceptionWindow::proc_Init()
{
    ++m_initCount;
}

void ReceptionWindow::proc_Acc_init(const ReceptionCall &call)
{
    m_lastCall = call;
    GI_GUBUN = 0;
    GS_ST_CD = call.stCode;
    CTE_ORD_NO->clear();
}

void TFRM_ACP::SetWindowMaker(WindowMaker m)
{
    maker() = std::move(m);
}

bool TFRM_ACP::HasWindowMaker()
{
    return bool(maker());
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
        return maker() ? maker()(kind, this) : new ReceptionWindow(kind, this);
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
