#pragma once

#include "store/ledger_filter.h"
#include "store/ledger_search.h"
#include "store/money_outstanding.h"
#include "store/money_transfer.h"
#include "store/money_withdrawal.h"

#include <QWidget>

#include <functional>

class GridTableModel;
class QAbstractItemModel;
class QDate;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class TFRM_CALC_PAYSEND;
class TfrmReqPay;

// The settlement screen ("정산"): the money ledger with its categories and filter, the item
// breakdown, unpaid and receivable amounts, and money transfers; the withdrawal panel lies over
// the ledger tab. A board screen of the main window, made on first use.
class TFRM_CALCULATE : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_CALCULATE(QWidget *parent = nullptr);
    ~TFRM_CALCULATE() override;

    // What the screen asks of the desktop; tests put their own here.
    struct Services
    {
        // The save dialog: the chosen path, or empty when cancelled.
        std::function<QString(const QString &proposedName)> chooseSaveFile;
        // Shows the transfer popup modally (exec() by default).
        std::function<void(TFRM_CALC_PAYSEND *popup)> runTransferPopup;
        // Shows the transfer-request page modally (exec() by default).
        std::function<void(TfrmReqPay *popup)> runTransferPage;
    };
    static Services &services();

    // Page control and tabs.
    QTabWidget *CPC_CALCULATE = nullptr;
    QWidget *CTS_CALCULATE0 = nullptr, *tsCashDetail = nullptr, *tsCashOstd = nullptr, *tsPaySend = nullptr;

    // Ledger tab.
    QDateEdit *CDE_FROM0 = nullptr, *CDE_TO0 = nullptr;
    QLabel *lbGrpName = nullptr;
    QComboBox *cbCalcCashConSearchTarget = nullptr;
    QPushButton *CBT_SEARCH0 = nullptr, *CBT_EXCEL0 = nullptr, *CBT_WITHDRAWAL = nullptr;
    QPushButton *btnCalcCashCon1 = nullptr, *btnCalcCashCon0 = nullptr, *cxButton1 = nullptr;
    QWidget *pnlCalcCashSearch = nullptr;
    QCheckBox *chkCalcCashConHD = nullptr, *chkCalcCashConBR = nullptr, *chkCalcCashConST = nullptr,
              *chkCalcCashConWK = nullptr, *chkCalcCashConEmpty = nullptr;
    QLineEdit *edtCalcCashConSearchWord = nullptr, *edtCalcCashConSearchContent = nullptr,
              *edtCalcCashConSearchInSearch = nullptr;
    QCheckBox *chkCalcCachGrp = nullptr;
    QStandardItemModel *categoryModel = nullptr;
    QTableView *cxGridCalcCashGrpList = nullptr;
    GridTableModel *cashModel = nullptr;
    QTableView *CTV_CASH_VIEW = nullptr;
    QLabel *lbCashCount = nullptr, *lbCashSum = nullptr, *lbCashIncomplete = nullptr;
    QLabel *lbInfomation = nullptr;
    QWidget *pnlInfomation = nullptr;
    QFrame *pnlStatus = nullptr;
    QProgressBar *gaugeCash = nullptr;

    // Withdrawal panel.
    QFrame *CGB_WITHDRAWAL = nullptr;
    QLabel *lbGrpNameCashOut = nullptr;
    QLineEdit *CTE_STOCK_NAME1 = nullptr, *CTE_NOW_CASH1 = nullptr, *CTE_NOW_CASH2 = nullptr, *edtCashDepositSP = nullptr;
    QComboBox *CICB_BANK = nullptr;
    QLineEdit *CTE_BANK_ACC = nullptr, *CTE_ACCOUNT_OWNER = nullptr;
    QLineEdit *CTE_WITHDRAWAL_AMT = nullptr, *CTE_WITHDRAWAL_PINNO = nullptr;
    QWidget *pnlCashMine = nullptr, *pnlCashAmount = nullptr;
    QPushButton *CBT_PAY_WITHDRAWAL = nullptr, *CBT_PAY_CANCEL = nullptr;
    QFrame *pnlConfirm = nullptr;
    QLabel *lbAccountName = nullptr, *lbAccountNo = nullptr;
    QPushButton *btnConfirmYes = nullptr, *btnConfirmNo = nullptr;

    // Item breakdown tab.
    QDateEdit *dtCashDTFrom = nullptr, *dtCashDTTo = nullptr;
    QLabel *lbCashDTGrpName = nullptr;
    QComboBox *cbCashDTGrpTarget = nullptr;
    QPushButton *cxButton2 = nullptr, *btnCashDTExcelSave = nullptr;
    GridTableModel *detailModel = nullptr;
    QTableView *cxGridBandCashDetail = nullptr;
    QStandardItemModel *detailFooter = nullptr;
    QTableView *cxGridBandCashDetailFooter = nullptr;

    // Unpaid and receivable tab (index 0 receivable "미수금 내역", 1 unpaid "미지불 내역").
    struct OutstandingPage
    {
        bool receivable = false;
        QDateEdit *from = nullptr, *to = nullptr;
        QRadioButton *all = nullptr, *open = nullptr, *settled = nullptr;
        QComboBox *targetType = nullptr;
        QLineEdit *targetName = nullptr;
        QPushButton *search = nullptr;
        QLineEdit *targetSearch = nullptr;
        QPushButton *targetFind = nullptr;
        GridTableModel *targetModel = nullptr;
        QTableView *targetGrid = nullptr;
        GridTableModel *amountModel = nullptr;
        QTableView *amountGrid = nullptr;
        QList<OutstandingTarget> targets;
        QString listFilter;  // the chosen target's code
    };
    QTabWidget *cxPageControl1 = nullptr;
    OutstandingPage miSu;  // "미수금 내역"
    OutstandingPage miJi;  // "미지불 내역"

    // Transfer tab.
    QLabel *lbPaySendGrpNM = nullptr;
    QLineEdit *edtPaySendGrpNM = nullptr;
    QRadioButton *radPaySendTarget[4] = {};
    QLineEdit *edtPaySendTargetNM = nullptr, *edtTargetSearchWord = nullptr;
    QPushButton *btnPaySendSearch = nullptr, *btnPaySend = nullptr, *btnReqPay = nullptr;
    GridTableModel *targetModel = nullptr;
    QTableView *cxGridPaySendTarget = nullptr;

    // Operations the buttons run (public for the tests and the demo).
    void CBT_SEARCH0Click();
    void CBT_EXCEL0Click();
    void procFilterCashList();
    void procSetCashGrpCodes();
    void CBT_WITHDRAWALClick();
    void withdrawalConfirmToggle();  // "출금" of the panel and "취소" of the confirmation
    void btnConfirmYesClick();
    void CBT_PAY_CANCELClick();
    void cxButton2Click();
    void searchOutstanding(OutstandingPage &page);
    void outstandingTargetClicked(OutstandingPage &page, int row);
    void outstandingTargetFind(OutstandingPage &page);
    void radPaySendTargetClick(int index);
    void procFilterPaySendTarget();
    void btnPaySendClick();
    void btnReqPayClick();

    // The ledger's footer: count and sum of the rows shown.
    int shownCashRows() const;
    qint64 shownCashSum(bool *overflow = nullptr) const;
    bool ledgerIncomplete() const { return m_ledgerIncomplete; }
    const LedgerSearch &ledgerSearch() const { return m_ledger; }
    const QList<CashCategory> &cashCategories() const { return m_categories; }
    void setCategoryChecked(int row, bool checked);
    int checkedTransferRadio() const;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QWidget *buildLedgerTab();
    QWidget *buildBreakdownTab();
    QWidget *buildOutstandingTab();
    QWidget *buildOutstandingPage(OutstandingPage &page);
    QWidget *buildTransferTab();
    void buildWithdrawalPanel();
    void applyRights();
    void procLoadCashGrp();
    void fillCategoryGrid();
    void categoryEdited();
    void allCategoriesClicked();
    void toggleTarget(bool byTarget);
    void updateCashFooter();
    void updateDetailFooter();
    void procSetEnable(bool on);
    void prcCashEnableSet(bool on);
    void applyOutstandingFilter(OutstandingPage &page);
    void showWithdrawalConfirm(bool show);
    WithdrawalInput withdrawalInput() const;
    void placeOverlays();
    void exportGrid(QTableView *view, const QString &name);

    LedgerSearch m_ledger;
    QList<CashCategory> m_categories;
    QStringList m_checkedTypes;
    QString m_filterSignature;
    bool m_ledgerIncomplete = false;
    bool m_categoryTag = false;  // the all-box is being set in code
    MoneyBalance m_balance;
    QList<TransferTarget> m_targets;
};

// Installs the screen as the main window's "정산" board screen.
void InstallSettlementScreen();

// The settlement screen's date boxes and grids look alike on every tab.
QDateEdit *SettlementDateEdit(QWidget *parent, const QDate &d);
QTableView *SettlementGrid(QAbstractItemModel *model, QWidget *parent);
