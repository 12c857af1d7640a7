#pragma once

#include "boards/order_board_columns.h"
#include "orders/order_record.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <array>
#include <functional>

class GridTableModel;

// What the row fillers read of the login and the settings; taken once per batch, so a batch of a
// thousand orders does not rebuild the store list a thousand times.
struct BoardRowContext
{
    TOrderLogin login;          // class, branch, head office and the board selections
    QString brDvryYn;           // the login's BR_DVRY_YN
    QString cookViewType;       // COOK_VIEW_TYPE of the settings
    QSet<QString> storeCodes;   // the stores this login sees (G_SL_ST_CODE)
    QSet<QString> exportPaths;  // order paths whose contact data may go to a spreadsheet (G_SL_O3_VAL2)
    QDateTime now;              // the old-order blanking measures against it

    // The running session's login, settings and lists, and the program clock's now.
    static BoardRowContext Current();
};

// Pay totals of the completed board by bucket: 0 cash, 1 card, 2 prepaid and other, 3 cash paid
// at pick-up by the courier. Each completed order adds to one bucket at most once: a refill
// replaces the order's previous share, a row that leaves the board takes its share with it.
class PayTotals
{
public:
    std::array<double, 4> FI_AMT_SUM{};
    std::array<int, 4> FI_AMT_CNT{};

    // The order's share: bucket and amount; bucket -1 takes its share out.
    void set(const QString &orderNo, int bucket, double amount);
    void remove(const QString &orderNo) { set(orderNo, -1, 0); }
    void clear();

private:
    struct Share
    {
        int bucket = -1;
        double amount = 0;
    };
    QHash<QString, Share> m_shares;
};

// The bucket of a completed order's payment.
int PayBucket(const TA1ORDER &order);
// 1 when the customer's telephone shows with its middle block hidden for this login.
int CustomerPhoneMask(const TA1ORDER &order, const BoardRowContext &ctx);
// The order path as the boards keep it: the pick-up service of paths 1039 and 1069 shows under
// the pseudo-paths 5000 and 5001.
QString BoardPathCode(const TA1ORDER &order);
// Management fee shown on the boards: only delivered orders that a courier has taken.
int BoardManagementFee(const TA1ORDER &order);
// Delivery distance in kilometres from metres, whole metres only; 0 for no distance.
double BoardDistanceKm(double metres);
// The short area address: province, district and dong (the legal dong when there is one).
QString ShortAreaAddress(const TA1ORDER &order);

// Writes `order` into record `record` of the live board. A null order writes nothing and logs.
// The caller brackets a batch in the grid's beginUpdate()/endUpdate().
void proc_SetA1Order(GridTableModel &grid, int record, const TA1ORDER *order, const BoardRowContext &ctx);
// The same for a record last written from `writtenFrom` under the same context and globals and
// not written by anyone else since (GridTableModel::outsideWrites() unchanged): only the cells
// whose fields changed are written. Null `writtenFrom` writes every cell.
void proc_SetA1Order(GridTableModel &grid, int record, const TA1ORDER *order, const BoardRowContext &ctx,
                     const A1Values *writtenFrom);
// Writes `order` into record `record` of the completed board, blanks the contact data of old
// orders, keeps the pay totals and fills the time columns.
void proc_SetA1CompOrder(GridTableModel &grid, int record, const TA1ORDER *order, const BoardRowContext &ctx,
                         PayTotals &totals);
// The time columns of one completed record from its unformatted times.
void procCheckCompleteTime(GridTableModel &grid, int record);

// Where the fillers' error lines go (the daily log by default).
void SetBoardRowLogger(std::function<void(const QString &)> log);
