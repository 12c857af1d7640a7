#pragma once

#include "common/reply_row.h"
#include "records/session_records.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// The widget-free part of the login: server-mode defaults, the login request's payload, the
// reading of its reply into G_USER_INFO, and the session values derived from it.

inline constexpr char kLoginCode[] = "LN02_01_V02";
inline constexpr char kLoginCallType[] = "SLG1";
inline constexpr int kFixedServerPort = 7995;
inline constexpr int kBalancerServerPort = 7996;
inline constexpr int kTestServerPort = 8995;

extern QString G_SERVER_TIME;  // "yyyymmddhhnnss" of the last login reply
extern QString G_MSG_FILE;     // file of today's stored messages

// True when the running program is the test edition, whose login dialog offers the server choice.
bool IsTestEditionProgram();

// Default link server and page addresses for G_USER_INFO.GUBUN ("R" or "T"; others change nothing).
void proc_SetUserGubunValue();

// The login request's fields, each followed by the field separator. The password is passed in
// rather than read from a record so that it lives only as long as the caller holds it.
QString BuildLoginPayload(const QString &id, const QString &password);
// The same payload with the password field left empty (kept for the later re-check).
QString LoginPayloadWithoutPassword(const QString &payload);

// This PC's id as the server knows it: "[A]" and the installation's serial, stable across runs.
QString LocalMachineId();

// The operating system's major version for the payload.
QString LoginPlatformMajorVersion();

enum class LoginCodeKind
{
    Accepted,        // "1", "3", "4", "9"
    PasswordChange,  // "17", "23", "24": refused, and the password must be changed
    Refused,         // any other code
};
LoginCodeKind ClassifyLoginCode(const QString &outCode);

struct LoginReply
{
    bool valid = false;  // the text was a JSON object
    QString outCode;
    QString outMsg;
    ReplyRow row;        // first row of OUT_ROW1 (empty when there is none)
    bool hasRow = false;
};
LoginReply ParseLoginReply(const QString &json);

// Screens that react to the login's rights. Each hook may be empty.
enum class LoginScreenStep
{
    BoardButtons,   // branch-filter and courier-filter buttons of the two order boards
    OrderTabs,      // the main window's order tabs (procOrderTabVisibleCheck)
    BoardRights,    // excel buttons and the completed-orders tab by authority
    MainPanels,     // control-screen column, staff-attendance panel, login sound
};
using LoginScreenHook = std::function<void(LoginScreenStep)>;
LoginScreenHook SetLoginScreenHook(LoginScreenHook hook);

// UserClass() (the first character of USER_TYPE_CD) lives with the session records.

// Copies an accepted reply's row into G_USER_INFO and G_SERVER_TIME (the full login). Returns
// false, changing only USER_TYPE_CD, when the row belongs to a system user, who may not log in.
bool ApplyLoginRow(const ReplyRow &row);
// The lighter refresh of the re-check: C_0..C_15, C_18, C_19 and the master flag from the grade
// kept from the login. False for a system user.
bool RefreshLoginRow(const ReplyRow &row);

// The offset that makes the program's clock show the server's time ("yyyymmddhhnnss", Korean
// time), or nothing when the text is not a time or the clock already shows it to the second.
// The system clock itself is never set.
std::optional<qint64> ServerClockOffsetMs(const QString &serverTime, const QDateTime &systemNow,
                                          const QDateTime &programNow);
// Applies ServerClockOffsetMs to AppClock.
void AdoptServerTime(const QString &serverTime);

// The business date "yyyymmdd": now minus the day-start hour (5 when it is not a number).
QString BusinessDate(const QDateTime &now);
// CID folder + business date + "_" + ID + ".Dat".
QString StoredMessageFileName(const QDateTime &now);

// The session's login, held in memory only (never in a file, log or trace) from the accepted
// login until logout or close: the password in G_USER_INFO.PW, which the re-check and the pages
// that log the user in need, and the accepted login payload, which the re-check sends again.
void KeepAcceptedLogin(const QString &payload, const QString &password);
QString AcceptedLoginPayload();
// Wipes both (logout, close, a new session).
void ForgetSessionLogin();

// Overwrites the text's characters before emptying it, so a password does not linger in the
// string's buffer after its last use.
void WipeText(QString &text);
