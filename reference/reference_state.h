#pragma once

#include <QObject>

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What the reference loaders keep besides the shared records: the code-to-name pick lists that
// grid columns and menus read, the cancel-reason menus, the configuration values, and the main
// window's own lists (out-group codes, store filter, share codes). Widgets bind to these.

// One item of a pick list: the code as text, its name, an image index (-1: none) and a tag.
struct CodeNameItem
{
    QString value;
    QString description;
    int imageIndex = -1;
    int tag = 0;
};

// A code-to-name list in the order its loader filled it.
class CodeNameTable
{
public:
    void add(const CodeNameItem &item) { m_items.append(item); }
    void add(const QString &value, const QString &description, int imageIndex = -1, int tag = 0)
    {
        m_items.append({value, description, imageIndex, tag});
    }
    int indexOf(const QString &value) const;
    bool contains(const QString &value) const { return indexOf(value) >= 0; }
    // The name of the first item with that value, "" when there is none.
    QString nameOf(const QString &value) const;
    int count() const { return int(m_items.size()); }
    const CodeNameItem &at(int index) const { return m_items.at(index); }
    const QList<CodeNameItem> &items() const { return m_items; }
    void clear() { m_items.clear(); }

private:
    QList<CodeNameItem> m_items;
};

extern CodeNameTable CCB_O8;      // delivery-group names (active rows of "O8")
extern CodeNameTable CCB_O1;      // order kinds
extern CodeNameTable CCB_O7;      // payment kinds
extern CodeNameTable CCB_O2;      // order statuses, preloaded with their images
extern CodeNameTable CCB_O4;      // active cancel reasons
extern CodeNameTable CCB_O4_1;    // cancel reasons of the order-alarm window
extern CodeNameTable CCB_WA;      // courier attendance states
extern CodeNameTable CCB_VAN;     // vehicle kinds
extern CodeNameTable CCB_O3;      // order paths, preloaded; tag from DT_VALUE2
extern CodeNameTable CCB_PT;      // point-of-sale kinds; tag from DT_VALUE2
extern CodeNameTable CCB_CID;     // network caller-ID servers: value address, description name
extern CodeNameTable cicbDvryCnt; // bundle-count display (fixed)
extern CodeNameTable CCB_STNO;    // the stores of the store list: value code, description name

// A cancel-menu item: caption, tag (reason code as a number, or 4002), hint (the reason code in
// the status menus) and group index.
struct CancelMenuItem
{
    QString caption;
    int tag = 0;
    QString hint;
    int groupIndex = 0;
};

// The cancel menus built from the active cancel reasons.
struct TCancelMenus
{
    QList<CancelMenuItem> boardCancel;        // today's-orders board, PPM_CANCEL
    QList<CancelMenuItem> acceptCancel;       // delivery modify window, PPM_CANCEL
    QList<CancelMenuItem> acceptQuickCancel;  // quick modify window, PPM_CANCEL
    QList<CancelMenuItem> NStatusCancel;
    QList<CancelMenuItem> NStatusCancelNAcc;
    QList<CancelMenuItem> mnDayChg4002;
};
extern TCancelMenus G_CANCEL_MENUS;

// Configuration values that the page addresses of reference/page_addresses.h do not already hold.
extern QString G_URL_ADMIN_PAGE2;
extern QString G_URL_ADMIN_PAGE_HOZ;
extern QString G_URL_ADMIN_PAGE_DUXEL;
extern QString G_URL_ADMIN_PAGE_SPELK;
extern QString G_URL_ADMIN_PAGE_PISKA;
extern QString G_URL_WORK_CONTROL2;
extern QString G_URL_PAY_SEND_URL;
extern QString G_URL_CALOG;
extern QString G_STATS_LIMIT_FROM;  // hhmm
extern QString G_STATS_LIMIT_TO;
extern QString G_CASH_LIMIT_FROM;
extern QString G_CASH_LIMIT_TO;
extern QString G_BRCONTRACT;

// The main window's lists that the loaders fill.
extern QStringList gsl_Out_DVRY;    // delivery groups other than the user's own: sorted, no duplicates
extern QStringList gsl_ShareGroup;  // groups whose share rule has DVRY_SHARE_TYPE "1" (orders/order_globals)
extern QString GS_CHK_STNO;         // store filter of the order boards: ",code" per selected store
extern bool G_HAS_DELIVERY_STORE;   // some store takes delivery orders (shop types 1-3)
extern bool G_HAS_QUICK_STORE;      // some store takes quick orders (shop types 4-6)
extern QString G_DVRY_INFO_SYNC;    // sync mark of the delivery-group live state

// Adds code to a sorted list without duplicates; returns its position.
int AddSorted(QStringList &list, const QString &code);

// Whether a configured address may be opened as a web page: an http or https URL with a host.
// Anything else (file paths, other schemes, programs) is never stored as a page address.
bool IsWebPageUrl(const QString &url);

// Moments at which the windows that show reference data redraw.
enum class ReferenceEvent
{
    HeadOfficesLoading,  // the store trees stop painting
    HeadOfficesLoaded,   // ... and paint again
    BranchesLoading,
    BranchesLoaded,
    StoresLoading,
    StoresLoaded,
    StoresLoadBroken,    // a store load ended early: the trees re-apply their filters
    CouriersLoaded,      // the courier grid is refilled
    CodeTablesLoaded,    // grid columns take the pick lists' names again
    CancelMenusBuilt,
    ShareListLoaded,
};
// Every window that shows reference data connects to the one notifier; the loaders send.
class ReferenceNotifier : public QObject
{
    Q_OBJECT
signals:
    void changed(ReferenceEvent event);
};
ReferenceNotifier &ReferenceEvents();
void NotifyReference(ReferenceEvent event);

// Puts every list and value above back to its program-start state (pick lists with their
// preloaded items) (tests, new session).
void ResetReferenceState();
