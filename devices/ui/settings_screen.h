#pragma once

#include <QDialog>
#include <QWidget>

#include <functional>

class EscPosSender;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTableWidget;
class TFRM_CID_SET;
class TFRM_MAIN;
class TFRM_PRINT_SET;

// The settings screen ("설정하기"): the options of this PC on tabs. It keeps nothing of its own;
// every control shows the session's records and writes its key the moment it changes.
class TFRM_CONFIG : public QWidget
{
    Q_OBJECT
public:
    // What the screen needs of the rest of the program; every member may be empty.
    struct Hooks
    {
        // The order views whose columns and font follow the options (today's two lists and
        // the past-orders list), and the boards' layout reload after the column list is left.
        std::function<QList<QTableView *>()> orderViews;
        std::function<QStringList()> boardColumns;  // captions of today's main list, in order
        std::function<void()> reloadBoardLayouts;
        // Printer tab: the print button, the installed printers, the serial ports.
        std::function<void(bool enabled)> setPrintButtonEnabled;
        std::function<QStringList()> printerNames;
        std::function<QStringList()> serialPorts;
        EscPosSender *sender = nullptr;
        std::function<void(int slot, const QStringList &lines)> systemTestPage;
        // Caller-ID frames: reopens a serial box (see TFRM_CID_SET).
        std::function<QString(int box, const QString &port, int baud)> reopenCidPort;
        // Key-phone page: reconnect to the caller-ID server; log in to the telephone service.
        std::function<void()> reconnectCidServer;
        std::function<void()> ktLogin;
        // Store matching: sends one request and gives the reply text (empty: no reply).
        std::function<QString(const QString &payload)> matchingRequest;
    };

    explicit TFRM_CONFIG(Hooks hooks, QWidget *parent = nullptr);

    // The one-time set-up after creation: fills every tab from the records.
    void proc_init();
    // Refills the hidden-column list from today's list and [ORD_COLUMN].
    void proc_Ord_Grid_Load();
    // Sets the region boxes.
    void proc_Addr_Init();

    QTabWidget *cxPageControl1 = nullptr;
    QWidget *cxTabSheet6 = nullptr, *cxTabSheet7 = nullptr, *cxTabSheet1 = nullptr, *cxTabSheet2 = nullptr,
            *cxTabSheet8 = nullptr, *cxTabSheet3 = nullptr;
    QTabWidget *cxPageControl2 = nullptr;
    QWidget *cxTabSheet4 = nullptr, *cxTabSheet5 = nullptr;

    // General options (looked up by name: findChild<QAbstractButton *>("CCB_ALAM_LOGIN")).
    QLineEdit *CTE_SERIAL_NO = nullptr;
    QComboBox *CCB_FONT_SIZE = nullptr;
    QListWidget *CHK_ORD_GRID = nullptr;
    QWidget *gbTransApp = nullptr;
    QPushButton *btnTransAppExec = nullptr, *cxButton2 = nullptr, *cxButton10 = nullptr;
    QRadioButton *radOrdWkControl = nullptr, *radWorkWkControl = nullptr, *radMapWkControl = nullptr;
    QRadioButton *radWorkWkControl2001Up = nullptr, *radWorkWkControl2001Left = nullptr;
    QRadioButton *radMapWkRight = nullptr, *radMapWkLeft = nullptr;
    QList<QComboBox *> colourBoxes;  // in the order of SettingsColours()
    QLabel *lbNormalColor = nullptr, *lbStOrdNoCheckColor = nullptr, *lbOrdDvryNotAddrColor = nullptr,
           *lbOrdCardCancelColor = nullptr;

    // Printer and caller-ID frames.
    QList<TFRM_PRINT_SET *> printFrames;
    QList<TFRM_CID_SET *> cidFrames;

    // Key-phone page.
    QCheckBox *CCB_CID_USE = nullptr, *CCB_IGUBUN = nullptr, *CCB_KT_USE = nullptr;
    QComboBox *CCB_CID_IP = nullptr;
    QLineEdit *CTE_CID_IP = nullptr, *CTE_CID_STATION = nullptr, *CTE_KT_ID = nullptr, *CTE_KT_PW = nullptr;
    QSpinBox *CCE_CID_PORT = nullptr;
    QPushButton *CBT_CU_TEL = nullptr, *cxButton1 = nullptr;
    void CCB_CID_IPClick();
    void CBT_CU_TELClick();
    void cxButton1Click();

    // Delivery-app link and store matching.
    QCheckBox *CCB_OTHER_APP_USE = nullptr, *CKB_BT_USE = nullptr;
    QRadioButton *CRB_DLVY_TYPE_PRT = nullptr, *CRB_DLVY_TYPE_AUTO = nullptr;
    QLabel *cxLabel10 = nullptr;
    QComboBox *CCB_COM_PORT = nullptr;
    QPushButton *CBT_CHECK = nullptr, *cxButton5 = nullptr, *cxButton4 = nullptr;
    QLineEdit *CTE_BT_ID = nullptr, *CTE_BT_PW = nullptr;
    QList<QWidget *> btLogin;  // labels and boxes of the third app's login
    QTableWidget *CTV_TRS_ST_NAME = nullptr;
    void proc_LoadBrandMatchingGrid();
    void cxButton4Click();
    void cxButton5Click();

    // Regions.
    QList<QCheckBox *> chkAddr;  // index 0 = region 1
    QPushButton *btnAddrSave = nullptr;

    // Handlers, callable from tests.
    void colourClosed(int index);
    void columnListLeft();
    void btnAddrSaveClick();
    void cxButton10Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildGeneralTab();
    QWidget *buildGeneral2Tab();
    QWidget *buildPrinterTab();
    QWidget *buildCidTab();
    QWidget *buildMatchingTab();
    QWidget *buildRegionTab();
    QWidget *optionGroup(const QString &title, const QStringList &controls);
    void loadSettingsToUI();
    void loadPrinterFrames();
    void loadCidFrames();
    QWidget *buildKeyPhonePage();
    void loadDeliveryApp();
    void showPortControls(bool printerMode);
    void copyPortCandidates();
    void loadKeyPhone();
    bool m_serverListSetting = false;  // the server list is being set: its change does nothing
    int m_serverPosition = 0;          // the list position the stored settings match
    void controlScreenClicked();
    void controlLayoutClicked();
    void columnChecked();
    void fontSizeClosed();
    void transAppExecClick();
    void paintPreviews();

    Hooks m_hooks;
    bool m_loading = false;
    bool m_filling = false;
    QStringList m_ports;
};

// The login keep-alive dialog: the user picks how long a login stays without input.
class TfrmSessionTimeSet : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSessionTimeSet(QWidget *parent = nullptr);
    // Selects the entry of these seconds ("1800"); none when the value is not offered.
    void setValue(const QString &seconds);
    void btnSaveClick();
    QComboBox *ccbSessiontime = nullptr;
    QPushButton *btnSave = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

// The program's hooks for the screen: the print button, the PC's printers and serial ports,
// receipt test pages and today's order lists. The past-orders list is added by its owner.
TFRM_CONFIG::Hooks ProgramSettingsScreenHooks(TFRM_MAIN *main);

// Installs the settings screen as the maker of the main window's "설정" board screen, and the
// login keep-alive dialog as the start-up's.
void InstallSettingsScreen(std::function<TFRM_CONFIG::Hooks(TFRM_MAIN *)> hooks);
