#pragma once

#include "orders/live_order_engine.h"
#include "orders/live_order_loader.h"
#include "boards/order_board_models.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QFrame;
class QGridLayout;
class QHeaderView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class BoardFooter;

// The today's-orders screen: six boards on one page control (live, completed, store orders,
// same-day, logistics, completed same-day) under a top area of filter panels. It owns the live
// engine, its loader and the live and completed board models; the other boards, the filter bars
// and the polling loop are built elsewhere and meet this screen through its containers, its
// hooks and its accessors.
class TFRM_ORD : public QWidget
{
    Q_OBJECT
public:
    // What this screen needs from other parts of the program. Every hook may be left empty.
    struct Hooks
    {
        // The live load now (proc_Load_Order, which switches the polling timer on again) and the
        // completed load (procLoadA1OrderFinish); by default the screen's own loader runs them.
        std::function<void()> loadLive;
        std::function<void()> loadCompleted;
        // Polling timer (TMR_SEARCH) and elapsed-time timer (TMR_PASS_TIME).
        std::function<void()> stopPolling;
        std::function<bool()> pollingActive;
        std::function<void()> stopElapsedTimer;
        std::function<void()> startElapsedTimer;  // enabled again with its tick count at 0
        std::function<bool()> elapsedTimerActive;
        // The board filter run; it ends in proc_Chk_Cnt(). Without it the count pass runs alone.
        std::function<void()> runFilter;
        // Same-day boards: the completed same-day load (kind "1", "2", ...) and the recount.
        std::function<void(const QString &kind)> loadCompletedSameDay;
        std::function<void()> sameDayCountView;
        // Store-order board recount (procA2Check).
        std::function<void()> storeOrderCount;
        // The same-day status button "전체" pressed and clicked (creation and showing).
        std::function<void()> sameDayTotalClick;
        // The ordinary boards' "전체" status and pay buttons clicked with Tag 1 (showing).
        std::function<void()> statusAllClick;
        std::function<void()> payAllClick;
        // Stops whatever still dispatches into the lists (the same-day order thread); the live
        // engine is stopped by the screen itself.
        std::function<void()> stopSameDayDispatch;
        // The dialogs other screens keep open over this one (courier pick, delivery groups).
        std::function<void()> freeDialogs;
        std::function<void()> applyStatusColor;       // the main window's status colours
        std::function<void(int slot)> playSound;
        std::function<QString()> sameDayFinishKind;    // the kind of the completed same-day load
        // "인증단말기": the registered-PC window (the main window's).
        std::function<void()> openRegisteredDevices;
        std::function<void(const QString &)> log;      // the daily log by default
    };

    explicit TFRM_ORD(QWidget *parent = nullptr);
    ~TFRM_ORD() override;

    Hooks hooks;

    // The live engine, its loader and the board models (live and completed). The engine and the
    // loader are gone once the screen was closed (closed() is then true).
    LiveOrderEngine &engine() { return *m_engine; }
    LiveOrderLoader &loader() { return *m_loader; }
    OrderBoardModels &boards() { return *m_boards; }
    bool closed() const { return m_closed; }

    // Tab sheets in page-control order.
    enum Page
    {
        tbOrdNow,
        tbOrdComp,
        tbA2Ord,
        tbA3SameDay,
        tbHUBSameDay,
        tbEndSameDay,
        kPageCount
    };
    // Whether the page's tab is shown (the polling loop loads only boards whose tab is visible).
    bool tabVisible(Page page) const;
    void setTabVisible(Page page, bool visible);
    Page activePage() const;
    void setActivePage(Page page);
    QWidget *page(Page page) const { return m_pages[size_t(page)]; }

    // The flag of the completed same-day load (the live mark and the completed flag are the live
    // loader's: loader().gsSyncDate, loader().bA1FinOrd; the other boards' marks are their
    // loaders').
    bool bA3FinOrd = false;
    QStringList gsl_New_Order;
    QString FSELECT_ORD_NO;
    QString FSELECT_ORD_NO_COMP;
    std::array<int, 10> iA2OrdCount{};

    // Events ------------------------------------------------------------------------------
    void FormShow();
    // Closes the screen: stops every dispatcher and timer first, then lets go of the lists.
    void FormClose();
    void cxPageControl1Change();
    void btnLoadOrderAllClick();
    void tbOrdCompClick();
    void btnRegDeviceClick();

    // Counts ------------------------------------------------------------------------------
    // The count pass: time columns, footers, labels, the wait sound.
    void proc_Chk_Cnt();
    // The sums and the row count of the shown rows in one board's footer, when it can be seen.
    void fillFooterSums(OrderBoard board);
    void proc_ReCountStatusCallSum();
    void proc_Chk_StoreStateCnt();
    const std::array<int, 9> &FI_CALL_SUM() const { return m_boards->sums.FI_CALL_SUM; }
    // The completed board's time columns of one record.
    void procCheckCompleteTime(int record);

    // Columns ------------------------------------------------------------------------------
    // Column code names and the edition's captions; keeps the internal columns hidden.
    void setColumnLookups(const BoardColumnLookups &lookups, const BoardCaptionWords &words);
    // Hides the internal columns of both boards again (after a layout was applied).
    void applyColumnTags();

    // Widgets other parts fill --------------------------------------------------------------
    QFrame *cxGroupBox2 = nullptr;     // top area
    QWidget *pnlNormalFilter = nullptr;  // status buttons, counters, search edits
    QWidget *pnlNormalSearch = nullptr;  // inside pnlNormalFilter: the search edits
    QWidget *pnlSameDayFiltr = nullptr;  // same-day status buttons and counters
    QWidget *Panel1 = nullptr;           // branch, path and POS-type check-combos
    QWidget *pnlShareFilter = nullptr;   // inside Panel1: group, pay and distance filters
    QWidget *Panel3 = nullptr;
    QPushButton *CBT_SEARCH = nullptr;       // "검색"
    QPushButton *btnOrdExcelSave = nullptr;  // "엑셀다운"
    QWidget *pnlConnectView = nullptr;
    QLabel *CIG_CID = nullptr;
    QLabel *CIG_SERVER = nullptr;
    QLabel *AWP_CID_STAT = nullptr;
    QLabel *AWP_WS_STAT = nullptr;
    QPushButton *btnRegDevice = nullptr;     // "인증단말기"
    QPushButton *btnLoadOrderAll = nullptr;  // "초기화 검색"
    QPushButton *btnDvryGrpSet = nullptr;    // "배송그룹설정"
    QFrame *CLB_DVRY_INFO = nullptr;         // information bar, hidden at start
    QLabel *LB_NOTICE = nullptr;
    QWidget *dxWheelPicker1 = nullptr;       // notice wheel container
    QTabWidget *cxPageControl1 = nullptr;
    QTableView *CTV_MAIN = nullptr;
    QTableView *CTV_MAIN_COMP = nullptr;
    // Containers of the boards built elsewhere (each has a vertical layout).
    QWidget *CTV_TAKEOUT = nullptr;
    QWidget *grdA3View = nullptr;
    QWidget *grdHUBView = nullptr;
    QWidget *grdEndView = nullptr;
    BoardFooter *CTV_MAIN_Footer = nullptr;
    BoardFooter *CTV_MAIN_COMP_Footer = nullptr;

    // Status counters: [0] CLB_TOTAL_CNT, [1] CLB_ORD_CNT ... [8] CLB_ETC_CNT.
    std::array<QLabel *, 9> countLabels{};
    // Puts a status filter button above its counter (element 1..8, 0 for "전체").
    void placeStatusButton(int element, QWidget *button);

    // The count pass's last results.
    const CountPassResult &lastCountPass() const { return m_lastPass; }

signals:
    // A new page became active.
    void pageChanged(int page);
    // The count pass wrote the status counters.
    void countsChanged();

private:
    void buildTop();
    void buildPages();
    void hideInternalColumns(QHeaderView *header, OrderBoard board);
    void log(const QString &line) const;

    std::unique_ptr<OrderBoardModels> m_boards;
    std::unique_ptr<LiveOrderEngine> m_engine;
    std::unique_ptr<LiveOrderLoader> m_loader;
    std::array<QWidget *, kPageCount> m_pages{};
    std::array<bool, kPageCount> m_tabShown{};
    QGridLayout *m_statusGrid = nullptr;
    CountPassResult m_lastPass;
    bool m_closed = false;
    int m_topRow = -1;  // the live grid's top row when a live batch started
    bool m_hiding = false;
};

// A summary line under a board: texts under named columns, aligned with the header's sections.
class BoardFooter : public QWidget
{
    Q_OBJECT
public:
    BoardFooter(QTableView *view, QWidget *parent = nullptr);
    void setText(int column, const QString &text);
    QString text(int column) const;
    void clearTexts();
    QSize sizeHint() const override;
    // Run whenever the footer is shown: its sums are only worked out while it can be seen, so
    // those of a hidden tab are stale when it comes back.
    void setOnShown(std::function<void()> onShown) { m_onShown = std::move(onShown); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QTableView *m_view;
    std::function<void()> m_onShown;
    QHash<int, QString> m_texts;
};
