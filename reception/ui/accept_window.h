#pragma once

#include "main/ui/reception_host.h"
#include "reception/address_search_passes.h"
#include "reception/address_search_receiver.h"
#include "reception/customer_lookup.h"
#include "reception/delivery_fee.h"

#include <QList>
#include <QPointer>
#include <QString>

class AcceptMenuBoard;
class GridTableModel;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTreeWidget;

// The delivery reception window: a new order taken by telephone, or an open order to modify.
// Six live as long as the program (five new-order windows and the modify window); a hidden one is
// free. The customer, address, fee, menu board, submission and order-loading steps are filled in
// by the operations marked below; this class holds the frame, its state and its set-up.
class TFRM_ACCEPT : public ReceptionWindow, public AddressSearchReceiver
{
    Q_OBJECT
public:
    TFRM_ACCEPT(Kind kind, QWidget *parent = nullptr);

    // Private state shared by the reception operations.
    bool FLoading = false;
    QString GS_ORD_DT;
    QString FSELECT_ST_GOODS, FSELECT_ST_GOODS_ITEM_NM, FSELECT_ST_GOODS_CHARGE, FSELECT_ST_GOODS_GRP,
        FSELECT_ST_GOODS_SEARCHIDX;
    int FICANCEL_TYPE = 0;
    bool FSELECT_ST_CLOSE = false;
    QString GS_ADDR_SEARCH, GS_ADDR_CLICK;
    QList<QPushButton *> GSL_GOODS;
    QString GS_ST_TEL;
    QString GS_WK_CODE;
    QString GS_HD_CD, GS_BR_CD;
    QString GS_GRP_NO;
    bool GB_GOODS = false;
    QString GS_GOODS;
    QString GS_DELIVERY_CHARGE;
    bool GB_CAL_CHARGE = false;
    bool GB_LOAD = false;
    QString strDetailAddr;
    int wheelTag = 0;  // the wheel routing is on while 1

    // ReceptionWindow
    void proc_Init() override;
    void SetCall(const ReceptionCall &call) override;
    void proc_Acc_init() override;

    void proc_Set_Status_Buttons(bool enable);
    void proc_SetEnable(bool enableFlag);
    void proc_Close_Accept();

    void proc_InitStGrid();
    void proc_Load_Dvry_Group();
    void proc_Filter_Dvry_Group();
    void proc_Filter_Store_List();
    void proc_Filter_Worker_List();
    int func_Get_Group_Delay() const;

    void proc_Set_Store_Layout();
    void proc_SameDayViewSet();
    void proc_Set_Service_Kind();
    void proc_Set_Ord_Path(const QString &sOrdPathCd);
    void proc_Cooking_Time();

    // Filled by the customer, address, fee, money and order-loading work; each does nothing yet.
    virtual void proc_Load_Customer();
    virtual void proc_Delivery_Charge(bool recordOnly);
    virtual void proc_Load_Order() {}
    virtual void proc_Load_Order_History() {}
    virtual void proc_Load_Send_Cash_List() {}
    virtual void btnDvrySearchClick() {}
    virtual void proc_Show_Addr_Search();
    virtual void proc_Load_Dong();
    virtual void proc_Load_Addr_Word();
    virtual void proc_A2Order_Load() {}
    virtual void proc_A2Order_History() {}
    virtual void proc_A2ORDERViewSet() {}

    // Menu board, items, amounts and payment (menu_board_panel.*): the board's tiles for the
    // current filters, and the recalculation of the items and amounts.
    AcceptMenuBoard *menuBoard = nullptr;
    void proc_Load_Goods_Buttons();
    void proc_Charge();

    // The current time ("hhnn") the group lists judge by; tests set it.
    static void SetClockForTest(const QString &hhnn);

    // Controls -------------------------------------------------------------------------------
    // Left column
    QGroupBox *cxGroupBox1 = nullptr;
    QGroupBox *cxGroupBox23 = nullptr;
    QLabel *CLB_TOTAL = nullptr;
    QLineEdit *CTE_ST_NAME = nullptr;
    QComboBox *CCB_O3 = nullptr;
    QFrame *cxGroupBox2 = nullptr;
    QRadioButton *CRB_ORD = nullptr;
    QRadioButton *CRG_TAKEOUT = nullptr;
    QFrame *cxGroupBox13 = nullptr;
    QRadioButton *CRB_SEDRAN = nullptr;
    QFrame *pnlSameDay = nullptr;
    QRadioButton *rdoSameDay = nullptr;
    QLabel *lbMakeTime = nullptr;
    QComboBox *CCB_WAIT_TIME = nullptr;
    QLineEdit *edCustName = nullptr;
    QLabel *lblDelay = nullptr;
    QLabel *cxLabel4 = nullptr;
    QSpinBox *CSE_DEL_FEE = nullptr;
    QComboBox *CCB_TAKEOUT_TIME = nullptr;
    QComboBox *CCB_DEL_CNT = nullptr;
    QLabel *cxLabel5 = nullptr;
    QSpinBox *CCE_BASE_FEE = nullptr;
    QComboBox *CCB_READ_TIME = nullptr;
    QLabel *lbLockTime = nullptr;
    QComboBox *CCB_LOCK_TIME = nullptr;
    QLabel *lbHideLockTime = nullptr;
    QLabel *CLB_READY_CTH = nullptr;
    QFrame *CGB_READH_CTH = nullptr;
    QRadioButton *CBR_READY_CTH_Y = nullptr;
    QRadioButton *CBR_READY_CTH_N = nullptr;
    QLabel *lbHideReadyCTH = nullptr;
    QLabel *cxLabel8o = nullptr;  // "배송그룹" caption of CCB_O8
    QComboBox *CCB_O8 = nullptr;
    QLabel *lbServiceAddPrice = nullptr;
    QSpinBox *edAddPrice = nullptr;
    QLabel *lbPenalty = nullptr;
    QFrame *pnlA2 = nullptr;
    QFrame *pnlCustArea = nullptr;
    QLineEdit *CTE_CU_TEL = nullptr;
    QPushButton *CBT_CU_TEL = nullptr;
    QLineEdit *edtCuTel = nullptr;
    QLabel *cxLabel7 = nullptr;
    QLineEdit *CTE_ADDR1 = nullptr;
    QLabel *cxLabel8 = nullptr;
    QLineEdit *CTE_ADDR_NAME = nullptr;
    QPushButton *CBT_ADDR = nullptr;
    QLineEdit *CM_ADDR_DETAIL = nullptr;
    QPushButton *cxButton76 = nullptr;
    QLineEdit *CM_ETC = nullptr;
    QPushButton *CBT_FAV = nullptr;
    QPushButton *CBT_MAP = nullptr;
    QLabel *CLB_DIS = nullptr;
    QPushButton *btnShowMemo = nullptr;
    QTreeWidget *CTL_GOODS = nullptr;
    QGroupBox *cxGroupBox24 = nullptr;
    QSpinBox *CCR_GOODS_AMT = nullptr, *CCR_DOWN_AMT = nullptr, *CCR_SRV_AMT = nullptr, *CCR_AMOUNT = nullptr,
             *CCR_PRE_AMT = nullptr;
    QLabel *cxLabel12 = nullptr;
    QPushButton *btnCardPayed = nullptr, *btnCashPayed = nullptr, *btnPrePayed = nullptr;
    QButtonGroup *payGroup = nullptr;
    // Bottom button groups
    QFrame *CGB_ACC = nullptr;
    QPushButton *CBT_ACCEPT = nullptr, *CBT_REQ = nullptr, *btnOrdSaveReady = nullptr, *CBT_CLOSE = nullptr;
    QFrame *CGB_ST1001 = nullptr, *CGB_ST2001 = nullptr, *CGB_ST3001 = nullptr, *CGB_ST3003 = nullptr,
           *CGB_ST4001 = nullptr, *CGB_ST1002 = nullptr, *CGB_ST5001 = nullptr, *cxGroupBox10 = nullptr,
           *pnlSameDayEdit = nullptr;
    QList<QPushButton *> statusButtons;  // the buttons proc_Set_Status_Buttons switches
    QPushButton *cxButton28 = nullptr, *cxButton32 = nullptr;
    // Hidden value holders
    QLineEdit *CTE_ST_NO = nullptr, *CTE_CU_NO = nullptr, *CTE_AREA1 = nullptr, *CTE_AREA2 = nullptr,
              *CTE_AREA7 = nullptr, *CTE_CU_MAP_X = nullptr, *CTE_CU_MAP_Y = nullptr, *CTE_ST_MAX_X = nullptr,
              *CTE_ST_MAX_Y = nullptr, *CTE_ORG_ORD_NO = nullptr, *CTE_DIS = nullptr, *edSTAddPrice = nullptr,
              *edtCupPrice = nullptr, *CTE_ADDR_NAME_OLD = nullptr, *CTE_ADDR_NAME_NEW = nullptr,
              *edtOrdCount = nullptr, *CTE_DVRY_TYPE_NAME = nullptr;
    QList<QLineEdit *> CTE_CU_ADDR;  // CTE_CU_ADDR_8 .. CTE_CU_ADDR_12
    // Pages
    QTabWidget *cxPageControl1 = nullptr;
    QLineEdit *CTE_ST_NAME_SEARCH = nullptr;
    QTableView *CTV_STNOLIST = nullptr;
    GridTableModel *stores = nullptr;
    QLineEdit *CTE_DVRY_NAME = nullptr;
    QTableView *CTV_DVRY_TYPE = nullptr;
    GridTableModel *groups = nullptr;
    QLineEdit *CTE_CU_NAME = nullptr, *CTE_USE_CNT = nullptr, *CTE_CU_MEMO = nullptr, *CTE_APP_AUTH_DT = nullptr,
              *CTE_FIRST_ORD_DT = nullptr, *CTE_LUMBO_PAY = nullptr, *CTE_APP_CNT = nullptr;
    QLabel *cxLabel23 = nullptr, *cxLabel24 = nullptr, *cxLabel26 = nullptr, *cxLabel27 = nullptr;
    QComboBox *CCB_GENDER = nullptr, *CCB_AGE = nullptr;
    QTabWidget *cxPageControl3 = nullptr;
    QTableView *CTV_CU_ORD = nullptr;
    GridTableModel *custOrders = nullptr;
    QTabWidget *cxPageControl2 = nullptr;
    QTabWidget *cxPageControl4 = nullptr;
    QTableView *CTV_BUNJI2 = nullptr;
    GridTableModel *bunji = nullptr;
    QTableView *CTV_CHOSUNG = nullptr;
    GridTableModel *chosung = nullptr;
    QTableView *CTV_ADDR_GRP = nullptr;
    GridTableModel *addrGroups = nullptr;
    QLineEdit *CTE_ADDR_WORD_S2 = nullptr;
    QTableView *cxGridADDRGrpAll = nullptr;
    GridTableModel *addrResults = nullptr;
    QTableView *CTV_GOODS_GRP = nullptr;
    GridTableModel *goodsGroups = nullptr;
    QFrame *cxGroupBox18 = nullptr;
    QPushButton *CBT_ST_ALL = nullptr;
    QScrollArea *cxScrollBox1 = nullptr;
    QFrame *CGB_GOODS = nullptr;
    QLineEdit *CTE_GOODS_NAME = nullptr;
    QComboBox *CCB_CHARGE = nullptr;
    QLabel *pnlAlarmPopup = nullptr;
    int storeIndexTag = -1;  // cxGroupBox17.Tag: index of the current store in G_ST_LIST
    QTableView *CTV_ORD_HIST = nullptr;
    QLineEdit *cxCurrencyEdit2 = nullptr, *cxCurrencyEdit3 = nullptr, *cxTextEdit4 = nullptr, *cxTextEdit3 = nullptr;
    QSpinBox *cxCurrencyEdit1 = nullptr;
    QLabel *cxLabel36 = nullptr;
    QLineEdit *CTE_DVLY_SEARCH = nullptr;
    QTableView *CTV_DVRY = nullptr;
    GridTableModel *couriers = nullptr;
    QPlainTextEdit *edtOrdCuMemo = nullptr, *edtOrdStMemo = nullptr, *edtOrdCuWk = nullptr, *edtOrdStWk = nullptr,
                   *edtSyMemo = nullptr;
    // Floating panels
    QFrame *PNL_OPTION = nullptr, *pnlGoodsModify = nullptr, *pnlUserMsg = nullptr, *CGB_DVRY_CHARGE = nullptr,
           *pnl_Cu_Old_Addr = nullptr;
    QPlainTextEdit *CMM_DVRY_CHARGE = nullptr;
    QTableView *CTV_CU_ORD_ACP = nullptr;
    GridTableModel *custAddrs = nullptr;

    // Customer lookup, address search and delivery fee --------------------------------------------
    void proc_Save_Customer();
    void proc_Load_Addr_Daum(int page);
    void proc_Set_Addr_Data(const TMSG_ADDR &addr);
    void proc_Select_Addr_Row(int row);
    static QString func_CheckChangeDetailAddr(const QString &strOldAddr, const QString &strNewAddr);
    void receiveAddress(const TMSG_ADDR &addr) override { proc_Set_Addr_Data(addr); }
    void proc_Fee_Floor();
    void proc_Change_Store(int storeRecord);
    void proc_Open_Map();
    TMSG_ADDR currentAddress() const;
    CustomerRequestList customerRequestList = DefaultCustomerRequestList();  // tests replace the exchanges
    CustomerRequestOne customerRequestOne = DefaultCustomerRequestOne();
    DeliveryFeeCache feeCache;
    AddressSearch addrSearch;
    QList<TMSG_ADDR> addrResultRecords, savedNameRecords;
    QComboBox *CCB_DISTANCE = nullptr;
    QPushButton *btnGrpAllGoodsWordSearch = nullptr, *cxButton106 = nullptr, *cxButton105 = nullptr,
                *cxButton19 = nullptr, *CBT_APP_SEND = nullptr;
    QRadioButton *CRB_DONG = nullptr, *CRB_DONG8 = nullptr;
    QTableView *CTV_ADDR_DONG = nullptr, *CTV_ADDR_WORD = nullptr, *CTV_CUST_GOODS = nullptr;
    GridTableModel *dongs = nullptr, *savedNames = nullptr, *custGoodsModel = nullptr;
    QLineEdit *CRB_CUST = nullptr;
    QComboBox *cxImageComboBox1 = nullptr;
    QLabel *cxLabel18 = nullptr;
    QPointer<QWidget> addrPopup;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLeftColumn();
    void buildPages();
    void buildFloatingPanels();
    void bindCustomerAddressFee();  // customer_lookup_window.cpp
    void bindAddressSearch();       // address_search_window.cpp
    void bindDetailKeypad();        // address_search_window.cpp
    void bindDeliveryFee();         // delivery_fee_window.cpp
    void resetOrderFields();
    void hideBottomGroups();
    void applyCodeLookups();
    void fillKeypads(const QStringList &bunjiKeys);
    void selectPayment(QPushButton *button);
    static QString nowHhnn();
};

// Installs the reception window as the host's delivery window kind.
void InstallReceptionWindows();
