#pragma once

#include "link/address_service.h"
#include "records/message_records.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>

// The reception's address search: the store's saved names within a radius, then the address
// service's address hits (also within the radius), then its keyword hits (the service's radius).

// One row of the result list: the display text and the record it stands for (ADDR_NO holds the
// saved name's number, or the service's hit kind).
struct AddressSearchRow
{
    QString display;
    TMSG_ADDR addr;
};

// The store around which the search runs.
struct AddressSearchStore
{
    QString lng, lat;
    QList<TMSG_ADDR> names;  // the store's saved names
};

// Posts a form to the address service; the reply text, "" when it did not answer.
using AddressServicePost = std::function<QString(const FormFields &fields)>;
AddressServicePost DefaultAddressServicePost();

enum class AddressSearchStatus
{
    Searched,       // the passes ran; rows may be empty
    EmptyText,      // "검색어가 있어야 조회할 수 있습니다."
    SameSearch,     // "검색어를 변경하세요"
    TooManyWords,   // "검색어가 잘못되었습니다.\r\n다시 입력하세요"
};

struct AddressSearchOutcome
{
    AddressSearchStatus status = AddressSearchStatus::Searched;
    QList<AddressSearchRow> rows;
    bool serviceFailed = false;   // no answer, a refusal or an unreadable reply from the service
    bool keywordRefused = false;  // the keyword pass failed: nothing is applied
};

// The user's message of a status that stops the search; empty for Searched.
QString AddressSearchMessage(AddressSearchStatus status);

// The distance of an address from the store as the popup shows it: tenths of a kilometre, halves
// to the even tenth, in the shortest form ("1.2km", "2km").
QString AddressDistanceText(double metres);
QString AddressDistanceText(const AddressSearchStore &store, const TMSG_ADDR &a);

// The display text of a saved name in the search results and in the name list.
QString SavedNameDisplay(const TMSG_ADDR &a);
// A service hit as an address record: the lot and building numbers joined with "-" only when the
// sub number is there.
TMSG_ADDR AddressRecordOfHit(const QJsonObject &hit);

// The pass over the store's saved names: the indexes of those whose lot or road address, building
// or name holds text, within radius metres of the store (a name without coordinates always is).
QList<int> SavedNameHitIndexes(const QString &text, int radius, const AddressSearchStore &store);
// The same names as result rows with their display texts.
QList<AddressSearchRow> SavedNameHits(const QString &text, int radius, const AddressSearchStore &store);

class AddressSearch
{
public:
    explicit AddressSearch(AddressServicePost post = DefaultAddressServicePost()) : m_post(std::move(post)) {}

    // Runs the three passes for text (trimmed) and the radius text in km ("5" when not a number).
    AddressSearchOutcome run(const QString &text, const QString &radiusKm, const AddressSearchStore &store, int page = 1);

    // The last search that went through; the same text and radius are not asked again. It is kept
    // only once the service answered both passes, so a failed or refused search can be repeated.
    const QString &lastKey() const { return m_lastKey; }
    void clear() { m_lastKey.clear(); }
    void setLastKey(const QString &key) { m_lastKey = key; }

private:
    enum class PassEnd { Ok, NoAnswer, Refused, Unreadable };
    PassEnd servicePass(const FormFields &fields, bool radiusTest, int radius, const AddressSearchStore &store,
                        QList<AddressSearchRow> &rows) const;

    AddressServicePost m_post;
    QString m_lastKey;
};
