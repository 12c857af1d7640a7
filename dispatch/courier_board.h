#pragma once

#include "dispatch/control_variant.h"
#include "dispatch/waiting_board.h"
#include "grid/grid_table_model.h"
#include "settings/color_text.h"

#include <QHash>
#include <QStringList>

#include <optional>

struct TMyWorker;
struct TA1ORDER;

// The columns of the courier board, in model order. The dispatch board's cards are a second
// view of the same records: their slot columns follow the table's.
namespace Dvry
{
enum Column : int
{
    WK_NAME,
    BR_NAME,
    CHK,
    BIZ_NUM,
    CONN,
    GPS,
    ATTEND_VIEW,
    DISTANCE,
    STATUS_3001,
    STATUS_3003,
    STATUS_4001,
    WK_CODE,
    ATTEND,
    BR_CODE,
    WK_STATUS,
    VIEW,
    WK_TEL,
    LAST_ADDR,
    WK_BAECHA,
    ORD_NO,
    SORT_KEY,   // attendance, then (order-centred screen) the name
    CARD_DVRY_CNT,
    CARD_SLOTS, // nine slots of three columns: time, address, status
    kCount = CARD_SLOTS + 27
};
inline constexpr int kSlots = 9;
inline int slotTime(int slot) { return CARD_SLOTS + slot * 3; }      // slot 0..8
inline int slotAddr(int slot) { return CARD_SLOTS + slot * 3 + 1; }
inline int slotStatus(int slot) { return CARD_SLOTS + slot * 3 + 2; }
} // namespace Dvry

ColumnShow CourierColumnShow(ControlVariant variant, int column);

// The courier counters under the board, from G_WK_CNT.
struct CourierCounters
{
    int assigned = 0;  // "배차"
    int departed = 0;  // "출발"
    int completed = 0; // "완료"
    int all = 0;       // "전체"
    int driving = 0;   // "운행"
    int waiting = 0;   // "대기"
    int resting = 0;   // "휴식"
    int off = 0;       // "퇴근"
    bool operator==(const CourierCounters &) const = default;
};
CourierCounters CountersFromSlots(const int *slotValues);

// The status buttons of the board; the ones pressed decide which couriers the board shows.
struct CourierStatusButtons
{
    bool all = false;
    bool drive = true;
    bool wait = true;
    bool rest = false;
    bool out = false;
    static CourierStatusButtons Initial(ControlVariant variant);
    // "전체" clicked: the four follow it.
    void allClicked(bool pressed);
    // One of the four clicked: "전체" is pressed exactly when all four are.
    void oneClicked();
};

struct CourierFilterInputs
{
    CourierStatusButtons buttons;
    QString nameText, nameHint;
    QStringList branchCodes;  // ticked branches; empty: no condition
};

// Which orders the dispatch board's cards put into their slots.
struct CardSlotChoice
{
    bool assigned = true;   // "배차"
    bool departed = true;   // "출발"
    bool completed = false; // "완료"
};
// The slot count of the cards: the box's number, 3 when it is not one.
int CardSlotCount(const QString &text);

// The courier board of one control screen: a record per courier of G_MY_WORKER, kept in step
// by the courier-list and order passes. Rows are never deleted until the next first fill, so
// the selection and focus survive every pass.
class CourierBoard
{
public:
    explicit CourierBoard(ControlVariant variant);

    ControlVariant variant() const { return m_variant; }
    GridTableModel &model() { return m_model; }
    const GridTableModel &model() const { return m_model; }
    // The courier codes in record order.
    QStringList courierCodes() const;
    int recordOf(const QString &code) const { return m_model.findRecord(code); }

    // Attendance names by code (common-code group "WA").
    void setAttendNames(const QHash<QString, QString> &names) { m_attendNames = names; }
    // The "근무" text of a courier.
    QString attendText(const TMyWorker &w) const;

    // Every courier of G_MY_WORKER, in array order. Answers the couriers whose count text changed.
    QStringList firstFill();
    // The couriers of a courier-list queue: rows updated or appended. Answers the couriers whose
    // count text changed (their markers must be redrawn).
    QStringList readInfo(const QStringList &codes);
    // The couriers of an order queue: counts, distance, last address and card. Codes without a
    // row are skipped. Answers the couriers whose count text changed.
    QStringList changeCount(const QStringList &codes, const CardSlotChoice &choice);
    // The cards' slots of every courier with a row.
    void fillCards(const CardSlotChoice &choice);

    void applyFilter(const CourierFilterInputs &in);
    bool shown(const QString &code) const;

    // The "체크" column: "Y" on the selected courier's row only.
    void markSelected(const QString &code);

    // Row background (map and courier screens), empty for the order-centred screen.
    std::optional<TColor> rowColour(int record) const;

    // The count text: assigned "/" departed.
    static QString CountText(const TMyWorker &w);

private:
    void writeRow(QVariantList &cells, TMyWorker &w, bool keepLastOrder);
    void writeCard(QVariantList &cells, const TMyWorker &w, const CardSlotChoice &choice);
    // Stores the new count text; true when it changed.
    static bool takeCountText(TMyWorker &w);

    ControlVariant m_variant;
    GridTableModel m_model;
    QHash<QString, QString> m_attendNames;
};

// Map visibility of a courier on the map screen: at work (data status "1" or "9"), matching a
// pressed status button, of a ticked branch and holding the searched name.
bool CourierOnMap(const TMyWorker &w, const QString &attendText, const CourierFilterInputs &in);
// The courier radius of the map screen: with a chosen order and a radius above 0, a courier
// without orders is near when its position is in the box around the order's store; one with
// orders when one of them lies in it (an assigned order by its start, else by its destination).
struct RadiusBox
{
    double lng = 0;
    double lat = 0;
    int steps = 0;  // steps of 100 m; 0 off
    bool contains(double x, double y) const;
};
bool CourierNear(const TMyWorker &w, const RadiusBox &box);
