#pragma once

#include "dispatch/control_variant.h"
#include "dispatch/waiting_board.h"
#include "grid/grid_table_model.h"
#include "settings/color_text.h"

#include <QHash>
#include <QStringList>

#include <optional>

struct TMyWorker;
class TIniFile;

// The columns of the courier's orders strip, in model order.
namespace WkOrd
{
enum Column : int
{
    CHK,
    TIME,
    ADD_TIME,
    READY_TIME,
    STATUS_CD,
    ORD_ST_NAME,
    ADDR4,
    DISTANCE,
    DVRY_AMT,
    EX_CHARGE,
    ORD_NO,
    TODAY_ALL_NO,
    CTH_WK_CODE,
    TYPE_CD,
    DRVY_TYPE_CD,
    EA_LNG_X,
    EA_LAT_Y,
    ORD_ST_CODE,
    READY_TIME2,
    CTH_DATE2,
    PICKUP_DATE,
    kCount
};
}
ColumnShow StripColumnShow(ControlVariant variant, int column);

// The strip of the selected courier's current orders (assigned and departed) on a control
// screen.
class CourierOrderStrip
{
public:
    explicit CourierOrderStrip(ControlVariant variant);

    GridTableModel &model() { return m_model; }
    const GridTableModel &model() const { return m_model; }
    int rowCount() const { return m_model.recordCount(); }
    QString courier() const { return m_courier; }

    // Shows the courier's orders; an empty code (or a courier that is gone) empties the strip.
    // Reloading the same courier keeps the service ticks of the orders still there.
    void load(const QString &courierCode);
    void clear() { load(QString()); }
    // Height of the strip for its rows.
    int height() const;

    // A left click on the map screen's strip, after the grid's own handling: a different order
    // than the last ticked one is ticked and remembered, the same order again is unticked.
    void toggleTick(const QString &orderNo);
    QString lastTicked() const { return m_lastTicked; }
    QStringList tickedOrders() const { return m_ticked; }

    std::optional<TColor> rowColour(int record, const TIniFile *ini) const;

private:
    ControlVariant m_variant;
    GridTableModel m_model;
    QString m_courier;
    QString m_lastTicked;
    QStringList m_ticked;  // orders ticked one after another (their routes are drawn)
};

// Which items of the strip's order menu a right click shows or hides; items not named keep
// their state. Keys are the items' captions.
QHash<QString, bool> StripMenuPlan(ControlVariant variant, const QString &status, bool ownGroup, int tickedRows);
// The order belongs to the user's own delivery group.
bool OwnDeliveryGroup(const QString &brDvryYn, const QString &rowGroup, const QString &userGroup);
