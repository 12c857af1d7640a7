#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct TUSER_INFO;

// Money transfers from a head office's or distributor's balance to related parties: the targets
// by kind, the transfer's checks and payload, and the body of the transfer-request web page.

inline constexpr char kTransferTargetsRequestCode[] = "CS06_02_V01";
inline constexpr char kGroupStoresRequestCode[] = "CS06_01_V01";
inline constexpr char kTransferRequestCode[] = "CS01_21_V03";
// The money movement kind of a transfer.
inline constexpr char kTransferMovementKind[] = "1005";

// One radio button of the target kinds.
struct TransferChoice
{
    QString caption;
    int tag = 0;
    bool visible = true;
};
// The four radio buttons for a user class ('5' distributor, '7' partner head office); empty
// for anyone else.
QList<TransferChoice> TransferChoices(const QString &userClass);

// What a radio tag loads: targets of one kind, or the stores of the user's delivery group.
struct TransferLoad
{
    QString kind;  // "1".."4"; empty: the tag loads nothing
    bool groupStores = false;
};
TransferLoad TransferLoadOfTag(int tag);

struct TransferTarget
{
    QString affiliation;  // C_3
    QString name;         // C_1
    QString code;         // C_0
    QString kind;         // the kind requested
    QString status;       // C_5
    QString cash;         // C_4 as received
};
// Loads the targets; false when no reply came (targets is emptied either way).
bool LoadTransferTargets(const TransferLoad &load, const QString &hd, const QString &br,
                         QList<TransferTarget> &targets);

// Sender kind: "1" partner head office, "2" distributor; empty for anyone else.
QString TransferSourceKind(const QString &userClass);

struct TransferInput
{
    QString amount;  // as typed (may carry ",")
    qint64 sendable = 0;
    QString pin;
};
// The first check that fails with its message; empty when the transfer may go.
QString TransferCheck(const TransferInput &in);

struct TransferRequest
{
    QString pin, sourceKind, userCode, targetKind, targetCode, amount, memo, id;
};
// PIN│source│user code│target kind│target code│"1005"│amount│"0"│memo│ID│
QString TransferPayload(const TransferRequest &r);

enum class TransferOutcome
{
    Sent,     // "처리되었습니다"
    Refused,  // the server's code and message were shown
    Unknown,  // no reply: whether the money moved is not known
};
// Sends the transfer and tells the user its outcome.
TransferOutcome SendTransfer(const TransferRequest &r);
// Told when a transfer got no reply.
QString TransferUnknownText();

// The text the confirmation shows of the target: its affiliation and its name.
QString TransferTargetText(const QString &affiliation, const QString &name);

// The transfer-request page's form body:
// "sData=COMMON│<ID>│<password>│000023│P│<PC id>│" with the values form-encoded, in UTF-8.
QByteArray TransferRequestPageBody(const TUSER_INFO &user, const QString &password);
