#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// Matching the user's stores to their names in the three delivery apps ("1", "2", "3"): a new
// name asks the server for the app's store number, a changed name renames it.

inline constexpr char kBrandMatchingCode[] = "CS05_02_V01";
inline constexpr char kBrandMatchingDoneMsg[] = "모두 전송했습니다";

// One grid row: the store code and, per app, the store number and the name as typed.
struct BrandMatchingRow
{
    QString stCode;
    std::array<QString, 3> numbers;
    std::array<QString, 3> names;
};

// One request the save sends.
struct BrandMatchingRequest
{
    int storeIndex = -1;  // in G_ST_LIST
    int app = 0;          // 1..3
    bool isNew = false;
    QString name;         // trimmed
    QString payload;
};

// The grid's rows from the store list (one per store, in list order).
QList<BrandMatchingRow> BrandMatchingRowsFromStores();

// The requests a save sends for the rows, in row order and app order; rows whose store is not
// loaded, emptied names, and names equal to the stored one send nothing.
QList<BrandMatchingRequest> BrandMatchingRequests(const QList<BrandMatchingRow> &rows);

// Sends the requests one after another. request gives the reply text (empty: no reply), or throws
// std::exception on a failed exchange. A refusal or failure is told with tell and the save goes
// on; a missing reply stops it (logged, and told, naming the stores whose names were not sent).
// Successful names and numbers go into G_ST_LIST. True when every request got an answer.
bool SaveBrandMatching(const QList<BrandMatchingRow> &rows, const std::function<QString(const QString &payload)> &request,
                       const std::function<void(const QString &text)> &tell);
