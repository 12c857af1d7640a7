#pragma once

#include "dispatch/control_variant.h"
#include "grid/grid_table_model.h"
#include "settings/color_text.h"

#include <QDateTime>
#include <QStringList>

#include <optional>

struct TA1ORDER;
struct TOrderLogin;
class TA1Orders;
class TIniFile;

// The columns of the waiting-order grid, in model order.
namespace Dmo
{
enum Column : int
{
    ORD_CHK,
    ORD_GRP_NO,
    ORD_TYPE,
    READY_TIME,
    ORD_CHK_VIEW,
    ORD_TODAY_ALL_NO,
    ADD_TIME,
    PICKUP_READY_TYPE,
    ORD_BR_NAME,
    ST_NAME,
    CU_ADDR,
    DVRY_AMT,
    EX_CHARGE,
    READY_CHANGE_DATE_VIEW,
    ORD_AMT,
    WK_ST_DIS,
    ST_CU_DIS,
    PAY_TYPE,
    ST_CODE,
    ST_LNG_X,
    ST_LAT_Y,
    CU_LNG_X,
    CU_LAT_Y,
    ORD_STATUS,
    ORD_NO,
    ORD_DATE,
    CLICK_SORT,
    READY_CHANGE_DATE,
    DVRY_TYPE_CD,
    ORD_BR_CODE,
    ORD_MOD_DATE,
    ORD_VIEW,
    ORD_TYPE_CD,
    ORD_GRP_NO2,
    CTH_WK_CODE,
    DVRY_LOCK_TIME,
    SORT_KEY,  // the row order: click order first, then waiting time (or today's number)
    kCount
};
}

// How a column of the waiting grid shows on a screen.
enum class ColumnShow
{
    Shown,
    Hidden,
    Absent,
};
ColumnShow WaitingColumnShow(ControlVariant variant, int column);

// What the filter of the waiting grid reads besides the rows.
struct WaitingFilterInputs
{
    QString userClass;            // '5' distributor, '7' partner head office, ...
    int share = 0;                // 0 "전체", 1 "내그룹", 2 "공유그룹"
    QStringList branchCodes;      // branches ticked on the order board
    QStringList deliveryGroups;   // their delivery groups, first = the user's own
    bool btob = false;            // G_USER_INFO.BTOB_YN is "Y"
    QString addrText, addrHint;   // destination search box and its hint
    QString storeText, storeHint; // store-name search box and its hint
    bool showWaiting = true;      // "대기주문 표시"
};

// The grid of orders waiting for a courier on one control screen. A record per order; the
// order number is the key (the screen's list of order numbers is the key column, so the two
// always change together).
class WaitingBoard
{
public:
    explicit WaitingBoard(ControlVariant variant);

    ControlVariant variant() const { return m_variant; }
    GridTableModel &model() { return m_model; }
    const GridTableModel &model() const { return m_model; }

    int rowCount() const { return m_model.recordCount(); }
    bool hasRow(const QString &orderNo) const { return m_model.findRecord(orderNo) >= 0; }
    // The row's modification stamp (DMO_ORD_MOD_DATE); empty when the row has none.
    QString stamp(const QString &orderNo) const;
    // Appends an empty row for the order (its number only).
    int appendRow(const QString &orderNo);
    void removeRow(const QString &orderNo);
    void clear();
    void beginUpdate() { m_model.beginUpdate(); }
    void endUpdate() { m_model.endUpdate(); }
    QStringList orderNumbers() const;

    // Fills the order's row from the order (appending it when missing). Every fill unticks the
    // row and puts it back in waiting-time order.
    void fillRow(const TA1ORDER &order, const TOrderLogin &login, const QString &cookViewType);
    // Recomputes the time columns of every row whose order is still waiting.
    void refreshTimes(const TA1Orders &mapOrders, const QString &cookViewType);

    // Rebuilds the filter groups from the inputs and applies them.
    void applyFilter(const WaitingFilterInputs &in);
    bool rowShown(const QString &orderNo) const;

    // The order-view radius of the map screen: 0 off, else k km around the map centre. Rows
    // outside are marked out of view; ticked rows outside are unticked and their numbers
    // answered (their map marks go with them).
    QStringList setOrderRadius(int km, double centreLng, double centreLat);
    int orderRadius() const { return m_radiusKm; }

    bool ticked(const QString &orderNo) const;
    void setTicked(const QString &orderNo, bool on);
    QStringList tickedOrders() const;

    // Background of a row that is not selected; empty for the default.
    std::optional<TColor> rowColour(int record, const TIniFile *ini) const;

    // Minutes an order has waited since its request time, from the whole difference (an order
    // older than a day keeps counting); 0 without a reception time.
    static int WaitingMinutes(const TA1ORDER &order, const QDateTime &now);
    // Minutes since the order's cooking-ready moment (negative before it), or none.
    static std::optional<int> CookingMinutes(const TA1ORDER &order, const QString &cookViewType);

private:
    void writeTimes(QVariantList &cells, const TA1ORDER &order, const QString &cookViewType, const QDateTime &now);
    bool insideRadius(const QVariantList &cells) const;

    ControlVariant m_variant;
    GridTableModel m_model;
    int m_radiusKm = 0;
    double m_centreLng = 0;
    double m_centreLat = 0;
};

// "#,##0".
QString GroupedAmount(qint64 value);
