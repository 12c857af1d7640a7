#pragma once

#include <QGroupBox>
#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>

class EscPosSender;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class TIniFile;

// One receipt-printer slot's settings. Every control stores its key the moment it changes (no
// save button); the test button stores the connection and prints a test page a second later.
// The settings screen shows four of these, one per slot.
class TFRM_PRINT_SET : public QGroupBox
{
    Q_OBJECT
public:
    struct Hooks
    {
        TIniFile *ini = nullptr;                                 // where the keys go
        EscPosSender *sender = nullptr;                           // test pages of command printers
        std::function<void(bool enabled)> setPrintButtonEnabled;  // the main window's print button
        std::function<void(int slot, const QStringList &lines)> systemTestPage;  // USB / LPT
        std::function<void(const QString &line)> log;
    };

    TFRM_PRINT_SET(int slotIndex, Hooks hooks, QWidget *parent = nullptr);

    int slotIndex() const { return m_slot; }
    // The lists the settings screen fills: serial ports, installed printers, printer groups
    // (code and name; "0" all goods comes first by itself).
    void setPorts(const QStringList &ports);
    void setPrinters(const QStringList &printers);
    void setGoodsGroups(const QList<QPair<QString, QString>> &groups);
    // Shows the slot's record without applying any default.
    void load();

    QCheckBox *CCB_USE;
    QPushButton *CBT_CU_TEL;
    QRadioButton *CRB_SERIAL, *CRB_ETHERNET, *CRB_USB, *CRB_LPT;
    QComboBox *CCB_COM_PORT, *CCB_COM_RATE;
    QLineEdit *CTE_IP;
    QSpinBox *CCE_PORT;
    QComboBox *CCB_USB, *CCB_LPT;
    QRadioButton *CRB_Epson, *CRB_SynCrown;
    QComboBox *cbGoodsGroup;
    QRadioButton *CRB_AUTO, *CRB_MANUAL;
    QCheckBox *CCB_BM_NO_PRINT;
    QCheckBox *CCB_ST1001, *CCB_ST1005, *CCB_ST2001, *CCB_ST4001;
    QRadioButton *CRB_MOD_ALL, *CRB_MOD_GOODS;
    QCheckBox *CCB_TST1001, *CCB_TST1005, *CCB_TST2001, *CCB_TST4001;
    QRadioButton *CRB_TMOD_ALL, *CRB_TMOD_GOODS;
    QCheckBox *CCB_CUST, *CCB_STORE, *CCB_KITCHEN, *CCB_KITCHEN_GOOD;
    QCheckBox *CCB_ST_ADDR, *CCB_GOOD_BIG, *CCB_MEMO_BIG, *CCB_ST_BIZNO, *CCB_ST_CEONAME, *CCB_ST_BIZNAME;
    QTimer *Timer1;

    // The test button and the timer's tick, callable from tests.
    void testClick();
    void printTestPage();

private:
    void write(const QString &key, const QString &value);
    void useClicked(bool checked);
    void showKind(int kind);
    void modClicked(bool takeout);
    void writeCopies();
    void setGroupsEnabled(bool on);

    int m_slot;
    Hooks m_hooks;
    bool m_loading = false;
    QList<QWidget *> m_useGroups;
    QWidget *CGB_COM, *CGB_ETHERNET, *CGB_USB, *CGB_LPT;
};
