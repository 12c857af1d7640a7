#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// What an incoming call hands a new-order window before it shows: the store and the caller.
struct ReceptionCall
{
    QString stCode;       // CTE_ST_NO
    QString stName;       // CTE_ST_NAME
    QString telTypeCd;    // CCB_O3, the order path
    int storeIndex = 0;   // index in G_ST_LIST
    QString customerTel;  // CTE_CU_TEL / edtCuTel, hyphenated; empty when the store itself calls
    bool firstPage = false;  // the store is not in service: open on the store list
};

// A reception or modify window docked in the reception host. The reception screens implement it;
// until they do, a placeholder says that the screen is not built yet.
class ReceptionWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Delivery, Quick, DeliveryModify, QuickModify };
    ReceptionWindow(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    int GI_GUBUN = 0;   // 0 new order, 1 modification
    int GI_ORD = 0;     // screen to return to / order kind of a modification
    int GI_ACP_NUM = 0; // slot
    int Tag = 0;
    QString GS_ST_CD;
    QString sOrderType;
    QLineEdit *CTE_ORD_NO = nullptr;    // order number; its tool tip holds the order kind
    QLineEdit *edtShareGroup = nullptr;

    // Prepares the window for GI_GUBUN (a modification loads the order).
    virtual void proc_Init();
    // proc_Acc_init: resets the window for a new order taken from a call and prepares it for the
    // call's store and telephone; it does not show the window.
    virtual void proc_Acc_init(const ReceptionCall &call);
    // The last call the window was prepared for.
    const ReceptionCall &lastCall() const { return m_lastCall; }
    // The placeholder's "닫기": hides the window, which frees it and its tab.
    QPushButton *btnClose = nullptr;
    int initCount() const { return m_initCount; }

private:
    Kind m_kind;
    int m_initCount = 0;
    ReceptionCall m_lastCall;
};

// The user's name of a reception window kind ("배달 접수").
QString ReceptionKindName(ReceptionWindow::Kind kind);

// The reception host FRM_ACP: one page control with twelve tabs, hidden until used. Tabs 0-4 the
// delivery windows, 5 the delivery modify window, 6-10 the quick windows, 11 the quick modify window.
class TFRM_ACP : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_ACP(QWidget *parent = nullptr);

    // Replaces how reception windows are made (the reception screens install theirs).
    using WindowMaker = std::function<ReceptionWindow *(ReceptionWindow::Kind kind, QWidget *parent)>;
    static void SetWindowMaker(WindowMaker maker);
    static bool HasWindowMaker();

    QTabWidget *pages = nullptr;
    QList<ReceptionWindow *> FRM_ACP_LIST;   // slots 0-4
    QList<ReceptionWindow *> FRM_ACP_QUICK;  // slots 5-9
    ReceptionWindow *FRM_MOD_LIST = nullptr;
    ReceptionWindow *FRM_MOD_QUICK = nullptr;

    QWidget *tabPage(int index) const;
    bool tabShown(int index) const;
    // Docks window into tab index with caption and shows both; the tab becomes active.
    void openInTab(ReceptionWindow *window, int index, const QString &caption);
    // Hides the window of tab index and the tab: the window is free again.
    void closeTab(int index);
    // Whether any tab is shown.
    bool anyTabShown() const;

signals:
    // A docked window was closed; when it was the last one, the screen it came from is wanted
    // back (window->GI_ORD: 2 past orders, 1 today's orders, 0 the home page).
    void windowClosed(ReceptionWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
