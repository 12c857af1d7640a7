#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// What an incoming call tells a new-order window before it starts: the store the call belongs to
// (or the first store when no number matched) and the caller's number (empty when the caller is
// the store itself).
struct ReceptionCall
{
    QString storeCode;
    QString storeName;
    QString orderPath;    // the store's telephone type, taken as the order path
    int storeIndex = -1;  // index of the store in G_ST_LIST
    QString callerTel;
    bool storeNormal = true;  // false: the window opens on its store list
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
    // Takes the store and caller of an incoming call (before proc_Acc_init).
    virtual void SetCall(const ReceptionCall &call);
    const ReceptionCall &call() const { return m_call; }
    // Prepares a new-order window for the call given by SetCall (a modify window loads its order).
    virtual void proc_Acc_init();
    // The placeholder's "닫기": hides the window, which frees it and its tab.
    QPushButton *btnClose = nullptr;
    int initCount() const { return m_initCount; }

protected:
    // For the real windows: no placeholder content.
    struct NoPlaceholder
    {
    };
    ReceptionWindow(Kind kind, QWidget *parent, NoPlaceholder);
    void countInit() { ++m_initCount; }

private:
    Kind m_kind;
    int m_initCount = 0;
    ReceptionCall m_call;
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
    // Only for these kinds; the other kinds keep their maker (or the placeholder).
    static void SetWindowMaker(WindowMaker maker, const QList<ReceptionWindow::Kind> &kinds);
    static bool HasWindowMaker();
    static bool HasWindowMaker(ReceptionWindow::Kind kind);

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
    // The first shown tab, or -1.
    int firstShownTab() const;

    // An incoming call: takes the first free new-order window and the first free tab 0-4, sets
    // the window's GI_ORD, GI_ACP_NUM, GI_GUBUN 0 and the call, docks it, runs proc_Acc_init,
    // shows it and makes its tab current. A call that arrives while another is being set up
    // waits until that one is done. Returns the window, or nullptr when every window is in use
    // (or the call was queued).
    ReceptionWindow *proc_New_Call(const ReceptionCall &call, int giOrd);

signals:
    // A docked window was closed; when it was the last one, the screen it came from is wanted
    // back (window->GI_ORD: 2 past orders, 1 today's orders, 0 the home page).
    void windowClosed(ReceptionWindow *window);
    // An incoming call opened a window: the host wants to be the screen in front.
    void callOpened(ReceptionWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReceptionWindow *startCall(const ReceptionCall &call, int giOrd);
    bool m_startingCall = false;
    QList<QPair<ReceptionCall, int>> m_waitingCalls;
};
