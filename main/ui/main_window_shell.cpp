// The main window's frame: top bar, slide-out panel strip, board panel, status bar; the switching
// between screens, the status texts and colours, the money refresh and the housekeeping tick.
#include "main/ui/main_window.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_events.h"
#include "link/link_state.h"
#include "start/close_routine.h"
#include "reference/edition_table.h"
#include "start/login.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "messages/message_center.h"
#include "messages/notice_center.h"
#include "messages/ui/message_panel.h"
#include "messages/ui/message_windows.h"
#include "main/main_globals.h"
#include "reference/page_addresses.h"
#include "start/process_ops.h"
#include "main/shell_globals.h"
#include "main/shell_pages.h"
#include "main/status_bar_texts.h"
#include "start/ui/app_style.h"
#include "main/ui/contract_page.h"
#include "start/ui/login_flow.h"
#include "main/ui/reception_host.h"
#include "main/ui/shell_popups.h"
#include "main/ui/side_panels_dock.h"
#include "main/ui/slide_out_panels.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "grid/grid_table_model.h"
#include "boards/board_order_open.h"
#include "boards/order_board_models.h"
#include "boards/ui/today_orders_screen.h"
#include "records/business_rules.h"
#include "records/reference_lookups.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace
{
// A label that reports clicks (the status bar's refresh picture and money panel).
class ClickLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && onClick)
            onClick();
        QLabel::mousePressEvent(e);
    }
};

// The four link-state pictures: caller-ID link up / down, server link up / down.
QPixmap linkPicture(int index)
{
    const int size = Scaled(24);
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const bool up = index % 2 == 0;
    p.setBrush(up ? QColor(0x2E, 0xA0, 0x43) : QColor(0xD0, 0x3B, 0x3B));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(size / 3);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, index < 2 ? QStringLiteral("CID") : QStringLiteral("SVR"));
    return pm;
}

QPixmap refreshPicture()
{
    const int size = Scaled(16);
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1F, 0x5F, 0xAF), 2));
    p.drawArc(QRectF(2, 2, size - 4, size - 4), 30 * 16, 300 * 16);
    return pm;
}

// The slide-out panel of the day's messages.
constexpr int kMessagePanel = 5;

QPointer<QWidget> g_listControl, g_mapControl, g_orderControl;

// A control screen stand-in: an ordinary window of its own over the main window, with a close
// button; closing it frees it like opening another kind does.
QWidget *makeControlScreen(const QString &userName, QWidget *mainWindow, bool *openFlag)
{
    QWidget *w = MakeScreenPlaceholder(userName, mainWindow);
    w->setWindowFlags(Qt::Window);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(userName);
    auto *close = new QPushButton(QStringLiteral("닫기"), w);
    close->setObjectName(QStringLiteral("btnClose"));
    QObject::connect(close, &QPushButton::clicked, w, &QWidget::close);
    if (auto *layout = qobject_cast<QVBoxLayout *>(w->layout()))
        layout->addWidget(close, 0, Qt::AlignRight);
    QObject::connect(w, &QObject::destroyed, [openFlag] { *openFlag = false; });
    w->resize(Scaled(640), Scaled(420));
    if (mainWindow) {
        const QRect area = mainWindow->frameGeometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    return w;
}
} // namespace

// While the today's-orders board is not built, the main window shows the server link's state itself
// and switches the order-page poll.
class ShellBoardHooks : public OrderBoardHooks
{
public:
    explicit ShellBoardHooks(TFRM_MAIN *w) : m_window(w) {}
    void setPollingEnabled(bool enabled) override
    {
        if (!m_window)
            return;
        if (enabled)
            m_window->orderPolling.start();
        else
            m_window->orderPolling.stop();
    }
    void setLinkPictureVisible(bool visible) override
    {
        if (m_window && m_window->CIG_SERVER)
            m_window->CIG_SERVER->setVisible(visible);
    }
    void loadServerPicture(int index) override
    {
        if (m_window)
            m_window->proc_Load_image(m_window->CIG_SERVER, index);
    }

private:
    QPointer<TFRM_MAIN> m_window;
};

void TFRM_MAIN::buildShell()
{
    setAutoFillBackground(true);
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("mainCentral"));
    auto *root = new QVBoxLayout(central);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    cxGroupBox1 = new QFrame(central);
    cxGroupBox1->setObjectName(QStringLiteral("cxGroupBox1"));
    cxGroupBox1->setFixedHeight(Scaled(84));
    auto *bar = new QHBoxLayout(cxGroupBox1);
    bar->setContentsMargins(Scaled(8), Scaled(6), Scaled(8), Scaled(6));
    bar->setSpacing(Scaled(4));
    bool stretched = false;
    for (const TopButtonInfo &info : TopButtons()) {
        if (info.rightEdge && !stretched) {
            bar->addStretch(1);
            CIG_SERVER = new QLabel(cxGroupBox1);
            CIG_SERVER->setObjectName(QStringLiteral("CIG_SERVER"));
            CIG_SERVER->setToolTip(QStringLiteral("서버 연결 상태"));
            bar->addWidget(CIG_SERVER);
            stretched = true;
        }
        auto *b = new QToolButton(cxGroupBox1);
        b->setObjectName(info.objectName);
        // A single ampersand in a caption would become a mnemonic.
        QString caption = info.caption;
        b->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        b->setProperty("topButton", true);
        b->setCheckable(info.screen);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setMinimumSize(Scaled(64), Scaled(60));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->addWidget(b);
        topButtons.insert(info.button, b);
        const TopButton id = info.button;
        connect(b, &QToolButton::clicked, this, [this, id] { TopButtonClick(id); });
    }
    root->addWidget(cxGroupBox1);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    pnlMainBoard->setParent(central);
    ATP_MAIN = new SlideOutPanels(pnlMainBoard, central);
    ATP_MAIN->setObjectName(QStringLiteral("ATP_MAIN"));
    ATP_MAIN->tabBar()->setObjectName(QStringLiteral("ATP_MAIN"));
    const QStringList panels = {QStringLiteral("가맹점선택"), QStringLiteral("배송원 현황"), QStringLiteral("가맹점현황"),
                                QStringLiteral("CID내역"), QStringLiteral("직원 출퇴근"), QStringLiteral("메세지")};
    for (const QString &name : panels)
        ATP_MAIN->addTab(MakeScreenPlaceholder(name, nullptr), name);
    ATP_MAIN->setVisible(false);
    body->addWidget(ATP_MAIN);
    body->addWidget(pnlMainBoard, 1);
    root->addLayout(body, 1);
    setCentralWidget(central);

    DSB_STATUS = new QStatusBar(this);
    DSB_STATUS->setObjectName(QStringLiteral("DSB_STATUS"));
    DSB_STATUS->setSizeGripEnabled(false);
    DSB_STATUS->setMinimumHeight(Scaled(20));
    setStatusBar(DSB_STATUS);
    const QStringList design = StatusBarDesignTexts();
    const QList<int> widths = StatusBarPanelWidths();
    for (int i = 0; i < 8; ++i) {
        auto *label = new ClickLabel(design.at(i), DSB_STATUS);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        label->setMinimumWidth(Scaled(widths.at(i)));
        label->setAutoFillBackground(true);
        if (i == 3)
            label->onClick = [this] { imgRefreshClick(); };
        if (i == 6)
            label->setAlignment(Qt::AlignCenter);
        statusPanels[i] = label;
        DSB_STATUS->addWidget(label, i == 0 ? 1 : 0);
    }
    statusPanels[1]->setVisible(false);
    auto *refresh = new ClickLabel(statusPanels[2]);
    refresh->setObjectName(QStringLiteral("imgRefresh"));
    refresh->setPixmap(refreshPicture());
    refresh->setMinimumSize(refresh->pixmap().deviceIndependentSize().toSize());
    refresh->setToolTip(QStringLiteral("잔액 새로고침"));
    refresh->onClick = [this] { imgRefreshClick(); };
    auto *refreshLayout = new QHBoxLayout(statusPanels[2]);
    refreshLayout->setContentsMargins(0, 0, 0, 0);
    refreshLayout->addWidget(refresh);
    imgRefresh = refresh;
    QPalette white = statusPanels[3]->palette();
    white.setColor(QPalette::Window, Qt::white);
    statusPanels[3]->setPalette(white);

    proc_Load_image(CIG_SERVER, 3);
    if (!CurrentOrderBoardHooks()) {
        m_boardHooks = new ShellBoardHooks(this);
        SetOrderBoardHooks(m_boardHooks);
    }

    messageCenter = new MessageCenter(this);
    messageWindows = new MessageWindows(messageCenter, this);
    messageCenter->hooks.closeProgram = [](const QString &text) { proc_Close(text); };
    messageCenter->hooks.reloadCash = [this] {
        if (moneyRefresh.loadCash)
            moneyRefresh.loadCash();
    };
    messageCenter->hooks.reloadDeliveryGroup = [](const QString &code, int index) { proc_Dvry_List_MSG(code, index); };
    messageCenter->hooks.logUploadUrl = [] { return G_URL_CALOG; };
    messageCenter->hooks.messageFilePath = [] { return G_MSG_FILE; };
    messageCenter->hooks.showMainWindow = [this] {
        // Only a hidden or minimized window is brought back; a maximized or full-screen one keeps
        // its state.
        if (isMinimized())
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        if (!isVisible())
            show();
        raise();
        return true;
    };
    // The linked-order button of the message list: the order is looked for on today's boards
    // (the completed board for a completed or cancelled status) and opened by its kind.
    messageCenter->list().hooks.openOrder = [this](const QString &linkNo, const QString &stCd, const QString &num) {
        TFRM_ORD *today = TodayOrdersScreen();
        if (!today || today->closed())
            return false;
        const bool finished = stCd == QLatin1String("4001") || stCd == QLatin1String("4002");
        const BoardGrid grid = finished ? BoardGrid::Completed : BoardGrid::Live;
        const GridTableModel &model = finished ? today->boards().CTV_MAIN_COMP : today->boards().CTV_MAIN;
        const QString column = BoardOrderNoColumn(grid);
        for (int record = 0; record < model.recordCount(); ++record) {
            if (BoardCellText(model, record, column) != linkNo)
                continue;
            const BoardOrderOpen open = DecideBoardOrderOpen(grid, model, record);
            if (open.kind == BoardOrderOpen::Modify)
                proc_Ord_Modify(linkNo, stCd, QStringLiteral("1"), num, QString(), QString());
            else if (open.kind == BoardOrderOpen::ModifyQuick)
                proc_Ord_Modify_Quick(linkNo, stCd, num, QStringLiteral("1"));
            return true;
        }
        return false;
    };
    auto *messagePanel = new MessagePanel(messageCenter);
    ATP_MAIN->replacePanel(kMessagePanel, messagePanel);
    ATP_MAIN->setPanelWidth(kMessagePanel, messagePanel->gridWidth());
    connect(messageCenter, &MessageCenter::soundRequested, this, [](int slot) { proc_playsound(slot); });
    connect(&messageCenter->notices(), &NoticeCenter::soundRequested, this, [](int slot) { proc_playsound(slot); });
    orderPolling.bindMessages(messageCenter);
    orderPolling.bindWindow({[this](const QString &text) { statusPanels[3]->setText(text); }, {}});

    housekeeping.hooks.noticesUnread = [this] {
        return !messageCenter->notices().unread().isEmpty();
    };
    housekeeping.hooks.playSound = [](int slot) { proc_playsound(slot); };
    housekeeping.hooks.storeStatusListOpen = [this] { return FB_STORE_STATUS_ST_POP; };
    DockSidePanels(*this);
    housekeeping.hooks.keepCompanionRunning = [] {
        if (G_USER_INFO.TRS_APP_USE != QLatin1String("1") || !G_USER_INFO.USER_TYPE_CD.startsWith(QLatin1Char('5')))
            return;
        const QString name = QStringLiteral("TRANS_APP.exe");
        if (Func_Process(SystemProcessTable(), name))
            return;
        const QString path = G_EXE_DIR + name;
        if (QFileInfo::exists(path))
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    moneyRefresh.loadCash = [this] {
        if (ShellActions().loadCash)
            ShellActions().loadCash();
        else
            orderPolling.storeCash.proc_Load_Cash();
    };
    moneyRefresh.setBusyColour = [this](bool aqua) {
        QPalette p = statusPanels[3]->palette();
        p.setColor(QPalette::Window, aqua ? QColor(0x00, 0xFF, 0xFF) : QColor(Qt::white));
        statusPanels[3]->setPalette(p);
    };
}

void TFRM_MAIN::ApplyTopMenuRights(const TUSER_INFO &user, bool anyPrinterUsed)
{
    const TopMenuRights rights = TopMenuRightsFor(user, anyPrinterUsed);
    for (const TopButtonInfo &info : TopButtons()) {
        QToolButton *b = button(info.button);
        b->setEnabled(rights.of(info.button).enabled);
        b->setVisible(rights.of(info.button).visible);
    }
    ATP_MAIN->setVisible(rights.sidePanelsVisible);
}

QWidget *TFRM_MAIN::ScreenWidget(const QString &name) const
{
    if (name == QLatin1String(ScreenName::kHome))
        return FRM_CHR_MAIN;
    if (name == QLatin1String(ScreenName::kToday))
        return FRM_ORD;
    if (name == QLatin1String(ScreenName::kPast))
        return FRM_ORD_OLD;
    if (name == QLatin1String(ScreenName::kReception))
        return FRM_ACP;
    for (int i = 0; i < pnlMainBoard->count(); ++i)
        if (pnlMainBoard->widget(i)->property("screenName").toString() == name)
            return pnlMainBoard->widget(i);
    return nullptr;
}

void TFRM_MAIN::FrontScreen(const QString &name)
{
    QWidget *screen = ScreenWidget(name);
    if (!screen) {
        screen = MakeBoardScreen(name, this);
        if (screen) {
            screen->setProperty("screenName", name);
            DockBoard(screen);
        }
    }
    G_CUR_FORM = name;
    BringBoardToFront(screen);
}

void TFRM_MAIN::proc_TopMenuButtonDownFalse(bool bActiveButton)
{
    const ButtonDown d = TopMenuButtonDown(G_CUR_FORM, bActiveButton, HasAuthGrade(4));
    G_CUR_FORM = d.curForm;
    if (d.rerunToday) {
        todayClick();
        return;
    }
    if (!d.any)
        return;
    for (const TopButtonInfo &info : TopButtons())
        if (info.screen)
            button(info.button)->setChecked(info.button == d.button);
}

void TFRM_MAIN::TopButtonClick(TopButton b)
{
    // Screen buttons form one group: pressing one releases the others until the switch marks
    // the screen that is in front.
    if (TopButtonOf(b).screen)
        for (const TopButtonInfo &info : TopButtons())
            if (info.screen)
                button(info.button)->setChecked(false);
    switch (b) {
    case TopButton::Home: proc_Load_Main(1); break;
    case TopButton::Reception: receptionClick(); break;
    case TopButton::Print: printClick(); break;
    case TopButton::Today: todayClick(); proc_TopMenuButtonDownFalse(true); break;
    case TopButton::Past: pastClick(); break;
    case TopButton::Admin: adminClick(); break;
    case TopButton::WorkControl: workControlClick(); break;
    case TopButton::Refresh:
        if (ShellActions().reinitialize)
            ShellActions().reinitialize();
        proc_TopMenuButtonDownFalse(true);
        break;
    case TopButton::Remote: remoteClick(); break;
    default:
        if (!button(b)->isEnabled())
            return;
        FrontScreen(ScreenOfButton(b));
        proc_TopMenuButtonDownFalse(true);
        break;
    }
}

void TFRM_MAIN::receptionClick()
{
    if (!HasAuthGrade(3))
        return;
    QToolButton *btn = button(TopButton::Reception);
    cxGroupBox1->setEnabled(false);
    btn->setEnabled(false);
    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    try {
        int answer = 0;
        if (NeedsKindQuestion(G_HAS_DELIVERY_STORE, G_HAS_QUICK_STORE))
            answer = MsgBox(QStringLiteral("접수창을 선택하세요."), QStringLiteral("S"));
        const ReceptionKind kind = ChooseReceptionKind(G_HAS_DELIVERY_STORE, G_HAS_QUICK_STORE, answer);
        if (kind != ReceptionKind::None && host) {
            const bool quick = kind == ReceptionKind::Quick;
            const QList<ReceptionWindow *> &windows = quick ? host->FRM_ACP_QUICK : host->FRM_ACP_LIST;
            QList<bool> busy;
            for (ReceptionWindow *w : windows)
                busy << !w->isHidden();
            const int slot = FirstFreeSlot(busy);
            if (slot >= 0) {
                ReceptionWindow *w = windows.at(slot);
                w->GI_ORD = ReceptionReturnScreen(G_CUR_FORM);
                w->GI_GUBUN = 0;
                w->GI_ACP_NUM = quick ? slot + 5 : slot;
                w->proc_Init();
                const int tab = quick ? 6 + slot : slot;
                host->openInTab(w, tab, ReceptionTabCaption(quick ? slot + 5 : slot));
                QCoreApplication::processEvents();
            }
            G_CUR_FORM = QString::fromLatin1(ScreenName::kReception);
            BringBoardToFront(FRM_ACP);
            QCoreApplication::processEvents();
        }
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("frmMain[cxButton1Click]:") + QString::fromUtf8(e.what()));
    }
    proc_TopMenuButtonDownFalse(true);
    btn->setEnabled(true);
    cxGroupBox1->setEnabled(true);
}

void TFRM_MAIN::printClick()
{
    if (G_CUR_FORM != QLatin1String(ScreenName::kToday) || !ShellActions().focusedOrderPrintKey)
        return;
    const QString key = ShellActions().focusedOrderPrintKey();
    if (!key.isEmpty() && ShellActions().print)
        ShellActions().print(key, 1, -1);
}

void TFRM_MAIN::todayClick()
{
    procApplyStatusColor();
    QCoreApplication::processEvents();
    if (HasAuthGrade(4)) {
        // Each visit starts on the first board this login sees.
        procOrderTabVisibleCheck(TodayOrdersScreen());
        G_CUR_FORM = QString::fromLatin1(ScreenName::kToday);
        BringBoardToFront(FRM_ORD);
    } else {
        G_CUR_FORM = QString::fromLatin1(ScreenName::kHome);
    }
    QCoreApplication::processEvents();
}

void TFRM_MAIN::pastClick()
{
    if (!button(TopButton::Past)->isEnabled())
        return;
    m_pastInitialized = true;
    FrontScreen(QString::fromLatin1(ScreenName::kPast));
    proc_TopMenuButtonDownFalse(true);
}

void TFRM_MAIN::adminClick()
{
    proc_CheckChangeLoginInfo();
    if (G_USER_INFO.GRP_STATUS != QLatin1String("1")) {
        const QString msg = AdminGroupStateMessage(G_USER_INFO.USER_TYPE_CD);
        if (!msg.isEmpty())
            MsgBox(msg, QStringLiteral("I"));
        return;
    }
    G_URL_ADMIN_PAGE2 = ChooseAdminPage(G_URL_ADMIN_PAGE2, G_URL_ADMIN_PAGE_HOZ, G_URL_ADMIN_PAGE_DUXEL,
                                        G_URL_ADMIN_PAGE_SPELK, G_URL_ADMIN_PAGE_PISKA);
    if (G_URL_ADMIN_PAGE2.isEmpty())
        return;
    // Only a web address goes to the desktop's browser; anything else could start a program.
    if (!IsWebAddress(G_URL_ADMIN_PAGE2)) {
        WriteLog(QStringLiteral("Administration page address refused"));
        return;
    }
    QDesktopServices::openUrl(QUrl(G_URL_ADMIN_PAGE2));
}

void TFRM_MAIN::workControlClick()
{
    if (ShellActions().openControlScreen) {
        ShellActions().openControlScreen(this);
        return;
    }
    const ControlScreen kind = ControlScreenFor(G_USER_SET.ViewWorkControlType);
    auto freeScreen = [](QPointer<QWidget> &screen, bool &openFlag, bool &firstRead) {
        if (!openFlag)
            return;
        openFlag = false;
        firstRead = false;
        if (screen)
            screen->deleteLater();
        screen = nullptr;
    };
    if (kind == ControlScreen::List || kind == ControlScreen::Map) {
        QPointer<QWidget> &screen = kind == ControlScreen::List ? g_listControl : g_mapControl;
        if (!screen) {
            screen = makeControlScreen(kind == ControlScreen::List ? QStringLiteral("배송원관제")
                                                                   : QStringLiteral("지도관제"),
                                       this, kind == ControlScreen::List ? &G_WC_OPEN : &G_WC2_OPEN);
            (kind == ControlScreen::List ? G_WC_OPEN : G_WC2_OPEN) = true;
            G_WK_FIRST_READ = true;
        }
        screen->show();
        if (kind == ControlScreen::List)
            freeScreen(g_mapControl, G_WC2_OPEN, G_WK_FIRST_READ);
        else
            freeScreen(g_listControl, G_WC_OPEN, G_WK_FIRST_READ);
        G_WK_FIRST_READ = true;
        freeScreen(g_orderControl, G_WCO_OPEN, G_WK_FIRST_READ_O);
    } else {
        if (!g_orderControl) {
            g_orderControl = makeControlScreen(QStringLiteral("배송원관제(주문관제)"), this, &G_WCO_OPEN);
            G_WCO_OPEN = true;
            G_WK_FIRST_READ_O = true;
        }
        g_orderControl->show();
        freeScreen(g_listControl, G_WC_OPEN, G_WK_FIRST_READ);
    }
}

void TFRM_MAIN::remoteClick()
{
    try {
        StartRemoteSupport();
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("ezHelpClient_Err:") + QString::fromUtf8(e.what()));
    }
}

void TFRM_MAIN::proc_Load_Main(int iType)
{
    if (iType == 1)
        if (auto *home = qobject_cast<TFRM_CHR_MAIN *>(FRM_CHR_MAIN))
            home->loadHome(HomePageUrl(G_URL_MAIN_HOME, G_USER_INFO));
    G_CUR_FORM = QString::fromLatin1(ScreenName::kHome);
    BringBoardToFront(FRM_CHR_MAIN);
    if (FRM_CHR_MAIN)
        FRM_CHR_MAIN->setFocus();
    proc_TopMenuButtonDownFalse(true);
}

void TFRM_MAIN::proc_Load_image(QLabel *image, int iIdx)
{
    if (!image || iIdx < 0 || iIdx >= 4)
        return;
    image->setPixmap(linkPicture(iIdx));
    image->setProperty("linkPicture", iIdx);
}

void TFRM_MAIN::proc_Set_Stat()
{
    const bool testBuild = G_PROGRAM_NAME == G_ED_PROGRAM_NAME.at(kTestEdition);
    const StatusBarTexts t = StatusBarTextsFor(G_USER_INFO, testBuild, G_ED_MONEY_WORD.at(G_EDITION_IDX), G_VERSION);
    for (int i = 0; i < 8; ++i)
        if (t.set[i])
            statusPanels[i]->setText(t.panel[i]);
    QPalette p = statusPanels[6]->palette();
    p.setColor(QPalette::Window, t.testBuild ? QColor(Qt::red) : palette().color(QPalette::Window));
    statusPanels[6]->setPalette(p);
}

void TFRM_MAIN::procApplyStatusColor()
{
    const QList<StatusColour> colours = ApplyStatusColours(G_INI);
    if (ShellActions().applyStatusColours)
        ShellActions().applyStatusColours(colours);
}

void TFRM_MAIN::imgRefreshClick()
{
    if (!moneyRefresh.loadCash)
        moneyRefresh.loadCash = [] {
            if (ShellActions().loadCash)
                ShellActions().loadCash();
        };
    moneyRefresh.click();
}

void TFRM_MAIN::proc_Ord_Modify(const QString &sOrdNo, const QString &sStCd, const QString &sOrdGubun,
                                const QString &sNum, const QString &sOrderType, const QString &sShareGroup)
{
    if (!HasAuthGrade(3))
        return;
    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    if (!host)
        return;
    // The status name comes from the loaded code table, as its hidden pick list shows it.
    const QString status = CCB_O2.nameOf(sStCd);
    ReceptionWindow *w = host->FRM_MOD_LIST;
    w->Tag = 5;
    w->sOrderType = sOrderType;
    w->CTE_ORD_NO->setText(sOrdNo);
    w->CTE_ORD_NO->setToolTip(sOrdGubun);
    w->edtShareGroup->setText(sShareGroup);
    w->GI_ORD = ModifyOrderKind(sOrdGubun);
    w->GI_GUBUN = 1;
    w->GS_ST_CD = sStCd;
    w->proc_Init();
    host->openInTab(w, 5, ModifyTabCaption(status, sNum));
    G_CUR_FORM = QString::fromLatin1(ScreenName::kReception);
    BringBoardToFront(FRM_ACP);
    proc_TopMenuButtonDownFalse(true);
}

void TFRM_MAIN::proc_Ord_Modify_Quick(const QString &sOrdNo, const QString &sStCd, const QString &sNum,
                                      const QString &sOrdGubun)
{
    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    if (!host)
        return;
    const QString status = CCB_O2.nameOf(sStCd);
    ReceptionWindow *w = host->FRM_MOD_QUICK;
    w->Tag = 11;
    w->CTE_ORD_NO->setText(sOrdNo);
    w->CTE_ORD_NO->setToolTip(sOrdGubun);
    w->GI_ORD = ModifyOrderKind(sOrdGubun);
    w->GI_GUBUN = 1;
    w->GS_ST_CD = sStCd;
    w->proc_Init();
    host->openInTab(w, 11, ModifyTabCaption(status, sNum));
    G_CUR_FORM = QString::fromLatin1(ScreenName::kReception);
    BringBoardToFront(FRM_ACP);
    proc_TopMenuButtonDownFalse(true);
}

void TFRM_MAIN::ReceptionWindowClosed(ReceptionWindow *window)
{
    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    if (!window || !host || host->anyTabShown() || G_CUR_FORM != QLatin1String(ScreenName::kReception))
        return;
    // Modify windows carry the order kind in GI_ORD (1 today's orders, 2 past orders) as the
    // reception windows carry the screen they were opened from.
    // A window opened from neither order board returns to today's orders too, and that screen
    // comes to the front, so the current-screen name always names what is shown.
    switch (window->GI_ORD) {
    case 2: TopButtonClick(TopButton::Past); break;
    case 0:
    case 1: TopButtonClick(TopButton::Today); break;
    default: proc_Load_Main(0); break;
    }
}

void TFRM_MAIN::proc_SubFormClose(int iType)
{
    auto free = [this](QWidget *&w) {
        QWidget *screen = w;
        w = nullptr;
        if (screen) {
            pnlMainBoard->removeWidget(screen);
            delete screen;
        }
    };
    if (iType == 1)
        free(FRM_ORD);
    free(FRM_ORD_OLD);
    free(FRM_ACP);
    free(FRM_CHR_MAIN);
    for (const char *name : {ScreenName::kConfig, ScreenName::kCalculate, ScreenName::kProduct,
                             ScreenName::kStoreInfo, ScreenName::kStaff, ScreenName::kStatistics}) {
        QWidget *w = ScreenWidget(QString::fromLatin1(name));
        free(w);
    }
}

void TFRM_MAIN::releaseShell()
{
    housekeeping.stop();
    orderPolling.stop();
    orderPolling.bindMessages(nullptr);
    moneyRefresh.tmrCash.stop();
    if (m_boardHooks && CurrentOrderBoardHooks() == m_boardHooks)
        SetOrderBoardHooks(nullptr);
    delete m_boardHooks;
    m_boardHooks = nullptr;
}

void TFRM_MAIN::StartShell()
{
    ApplyTopMenuRights(G_USER_INFO, AnyPrinterUsed());
    proc_Set_Stat();
    procApplyStatusColor();
    proc_Load_Main(1);
    housekeeping.start();
    // Its ticks do nothing until the initialization has finished (G_REINIT_DONE).
    orderPolling.start();
    if (G_USER_INFO.USER_TYPE_CD == QLatin1String("5000")) {
        if (G_USER_INFO.PLATFORM_PAY_YN == QLatin1String("N"))
            procCheckPlaformContract();
        if (G_USER_INFO.CONTRACT_YN == QLatin1String("N"))
            procCheckContract();
    }
}
