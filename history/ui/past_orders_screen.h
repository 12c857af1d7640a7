#pragma once

#include "history/past_orders_filter.h"
#include "history/past_orders_rows.h"
#include "history/past_orders_search.h"

#include <QDate>
#include <QWidget>

#include <functional>

class BoardLayoutKeeper;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QTabWidget;
class QTableView;
class QToolButton;
class TFRM_MAIN;

// The general grid's records, coloured by status as its count labels are.
class PastGeneralModel : public GridTableModel
{
    Q_OBJECT
public:
    using GridTableModel::GridTableModel;
    PastStatusColours colours;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

// What the screen asks of the rest of the program; each may be left empty.
struct PastOrdersHooks
{
    // Opens an order in the modify window: order, status, mode, day number, order type, share group.
    std::function<void(const QString &, const QString &, const QString &, const QString &, const QString &,
                       const QString &)>
        modify;
    // The same in the quick modify window: order, status, day number, mode.
    std::function<void(const QString &, const QString &, const QString &, const QString &)> modifyQuick;
    // Makes a store known to the main window before its order opens (its record loaded when it
    // has no name yet).
    std::function<void(const QString &storeCode)> ensureStore;
    // Card slips of an order.
    std::function<void(const QString &ordNo, const QString &gubun)> cardSlips;
    // The courier's dispatch restrictions for a store.
    std::function<void(const QString &storeCode, const QString &courierCode)> courierLimit;
    // The save dialog: the chosen file, or empty when cancelled.
    std::function<QString(const QString &proposedName)> chooseFile;
    // A message for the user.
    std::function<void(const QString &text)> message;
};

// The past-orders screen: three tabs of past orders (general delivery, store orders, same-day),
// one search per tab for a period of at most 31 days, filters and counters on the loaded rows.
class TFRM_ORD_OLD : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_ORD_OLD(QWidget *parent = nullptr);
    ~TFRM_ORD_OLD() override;

    void setRequest(PastRequest request) { m_request = std::move(request); }
    void setHooks(PastOrdersHooks hooks) { m_hooks = std::move(hooks); }

    int Tag = 0;  // 1 once proc_init ran
    void proc_init();
    // Shows the tabs this login may use and activates the first (the opener's steps).
    void openScreen();
    void pgOrderChange();
    void proc_Filter();
    void proc_Chk_Cnt();
    void procSameDayFilter();
    void CBT_SEARCHClick();
    void proc_CS01_01_V01();
    void procA2OldOrder();
    void procSameDaySearch();
    void btnOrdOldExcelSaveClick();
    void proc_Load_Grid();
    // The period preset of a menu tag (1-16 days ago, 17 last week, 115 half a month, 130 a month).
    void applyPeriodTag(int tag, const QString &caption);
    void cbOrdBrChanged();
    void openRecord(int tab, int record);
    // The general grid's row menu for a record, as it would pop up.
    QMenu *generalMenuFor(int record);

    PastBranchSelection selection;
    QComboBox *cbOrdBr = nullptr;
    QSlider *TrackBar1 = nullptr;
    QLabel *lbDvryDistance = nullptr;
    QToolButton *CBT_PAY_ALL = nullptr, *CBT_PAY_CASH = nullptr, *CBT_PAY_CARD = nullptr, *CBT_PAY_PRE = nullptr;
    QToolButton *CBT_ORD_IN = nullptr, *CBT_WK_IN = nullptr, *CBT_CTH_WK_OUT = nullptr, *CBT_DVRY_DIST = nullptr;
    QDateEdit *CDE_FROM = nullptr, *CDE_TO = nullptr;
    QToolButton *CLB_DAYTERM = nullptr;
    QPushButton *CBT_SEARCH = nullptr, *btnOrdOldExcelSave = nullptr;
    QCheckBox *chkFinishSearch = nullptr;
    QLineEdit *CTE_CU_NAME = nullptr, *CTE_CU_TEL = nullptr, *CTE_CU_ADDR = nullptr, *CTE_WK_NAME = nullptr,
              *CTE_ORD_NO = nullptr;
    QToolButton *CBT_ST_ALL = nullptr;
    QList<QToolButton *> statusButtons;  // 접수 요청 배차 출발 완료 취소 대기 문의
    QList<QLabel *> countLabels;         // total first, then one per status button
    QWidget *pnlSearch = nullptr;
    QWidget *pnlNormal = nullptr, *pnlSameDay = nullptr, *pnlShareFilter = nullptr;
    QToolButton *btnSameAll = nullptr;
    QList<QToolButton *> sameDayButtons;  // 완료 대기 취소 문의
    QList<QLabel *> sameDayLabels;        // lbSameAll, lbSame4001, lbSame1002, lbSame4002, lbSame4003
    QTabWidget *pgOrder = nullptr;
    QWidget *pgOrderNormal = nullptr, *pgA2Ord = nullptr, *pgOrderSameDay = nullptr;
    QTableView *cxGrid1 = nullptr, *cxGrid2 = nullptr, *grdA3Day = nullptr;
    PastGeneralModel CTV_MAIN;
    GridTableModel CTV_TAKEOUT;
    GridTableModel grdA3View;
    QLabel *footerText = nullptr;  // the general grid's footer: sums and the pay breakdown

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildForm();
    PastSearchPeriod period() const;
    bool checkPeriod();
    PastFilterInput filterInput() const;
    void statusAllClicked();
    void statusMemberClicked();
    void payAllClicked();
    void payMemberClicked();
    void showSameDayCounts();
    void tellIncomplete(const PastPageOutcome &outcome);
    void say(const QString &text);
    void applyLookups();
    void exportActive();

    PastRequest m_request;
    PastOrdersHooks m_hooks;
    BoardLayoutKeeper *m_generalLayout = nullptr;
    BoardLayoutKeeper *m_storeLayout = nullptr;
    BoardLayoutKeeper *m_sameDayLayout = nullptr;
    bool m_filling = false;
};

// What the program's screen is bound to: the main window's modify windows, card slips and store
// loads; the message box and the file dialog for the rest.
PastOrdersHooks PastOrdersProgramHooks();
// Makes the screen for the main window and docks it (the past-orders start form).
QWidget *MakePastOrdersScreen(TFRM_MAIN *main);
// Installs the screen as the program's past-orders start form.
void InstallPastOrdersScreen();
// Which row-menu items a general record offers: courier restrictions, card slips.
struct PastMenuPlan
{
    bool courierLimit = false;
    bool cardSlip = false;
};
PastMenuPlan PastGeneralMenuPlan(const GridTableModel &grid, int record, const QStringList &storeCodes);
