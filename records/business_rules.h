#pragma once

#include "settings/color_text.h"
#include "text/date_helpers.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Status code groups of the order boards' popup menus and the reception's delivery search.
extern const QStringList G_ORD_ST_ALL;
extern const QStringList G_ORD_ST_SET_A;
extern const QStringList G_ORD_ST_PICKUP;
extern const QStringList G_ORD_ST_PICKUP_TRUNK;
extern const QStringList G_ORD_ST_LEGS;
extern const QStringList G_ORD_ST_LEGS_B;
extern const QStringList G_ORD_ST_CLOSED;
// Ends with the three-character entry "300", which no status equals; kept as the server-side
// tables have it, so the group acts as its first four statuses.
extern const QStringList G_ORD_ST_ACTIVE;

extern const std::array<int, 41> G_DEF_COL_WIDTH;
extern const double G_ORD_DISTANCE_KM;
extern const double G_ORD_OLD_DISTANCE_KM;

extern const QStringList G_GOODS_TYPE_NAMES;
extern const QStringList G_STAFF_STATE_NAMES;
extern const QStringList G_USE_STATE_NAMES;
extern const QStringList G_FEE_MODE_NAMES;
extern const QStringList G_PROVINCE_NAMES;
extern const QStringList G_MAP_LINE_COLOR;

// Html colours of the board's status labels, set by the board and the status-colour routine.
extern QString G_STATUS_COLOR_1002;
extern QString G_STATUS_COLOR_2001;
extern QString G_STATUS_COLOR_3001;
extern QString G_STATUS_COLOR_3003;

// Authority grade of a login: characters 2 to 4 of USER_TYPE_CD as a number, 10 when they are not.
int ParseUserAuthGrade(const QString &userTypeCd);
// A feature guarded with level n is open to every grade n or smaller (smaller = more rights).
bool HasAuthGrade(int level);

// The fields of a live order that the visibility rules read.
struct TOrderVisibility
{
    QString ORD_BR_CODE;
    QString DVRY_TYPE_CD;
    QString ST_DVRY_TYPE_CD;
    QString CTH_ST_CODE;
    QString CTH_DVRY_TYPE_CD;
    QString ORD_STATUS_CD;
    QString READY_CHANGE_DATE;
    QString ST_DVRY_BR_CODE;
    int DVRY_LOCK_TIME = 0; // seconds; -1 = no limit
    bool isDelivery = true; // TAKEOUT_YN = "N"
    QString BTOB_DVRY_TYPE_CD;
};

// One share rule: orders of DVRY_TYPE_CD become visible to SH_DVRY_TYPE_CD after SHARE_TIME s.
struct TShareRule
{
    QString SH_DVRY_TYPE_CD;
    QString DVRY_TYPE_CD;
    int SHARE_TIME = 0;
};

// What the visibility rules read of the session: the login, the share list, the ticked branch
// filter and the current time.
struct TVisibilityContext
{
    QString USER_TYPE_CD;
    QString BR;
    QString MNG_DVRY_TYPE_CD;
    QString BR_ST_CODE;
    QString ST_DVRY_TYPE_CD;
    QList<TShareRule> shares;
    QStringList selBrCode;
    QStringList selDvryType;
    QStringList selMasterSt;
    QStringList selMasterDvry;
    QDateTime now;
};

// The context of the current session (globals and the program clock); with the session lookups.
TVisibilityContext CurrentVisibilityContext();

// Whether a live delivery order belongs on this login's board.
bool CheckOrderAdd(const TOrderVisibility &order, const TVisibilityContext &ctx);
bool CheckOrderAdd(const TOrderVisibility &order);
// The view-list rule of a partner head office with business-to-business delivery.
bool CheckOrderViewList(const TOrderVisibility &order, const TVisibilityContext &ctx);
bool CheckOrderViewList(const TOrderVisibility &order);

// a unless it is empty, else b.
QString IfEmptyStr(const QString &a, const QString &b);
// At least three kinds among punctuation, a-z, A-Z and 0-9.
bool IsStrongPassword(const QString &pw);
// "(op1, op2, ...)" of the non-empty options, with ",컵보증금" when a cup deposit is charged.
QString MakeOptionText(const QString &op1, const QString &op2, const QString &op3, const QString &op4,
                       const QString &cupDeposit);
// 1-based position of sub in s with all spaces removed from both; 0 when absent.
int PosIgnoreSpace(const QString &sub, const QString &s);
// Pieces of text (spaces removed) between one-character delimiters, without an empty last piece.
bool SplitNoSpace(const QString &text, const QString &delim, QStringList &list);
// The longest head of s that fits in maxBytes of the Korean code page.
QString CutByBytes(const QString &s, int maxBytes);
QString DigitsOnly(const QString &s);
// s without \ / : * ? " < > |, with [ ] turned into ( ).
QString SafeFileName(const QString &s);
bool StrInArray(const QString &s, const QStringList &items);
// Receipt wrapping by code-page bytes: 26 bytes on the first line, 33 on later ones, the
// character that crosses the limit staying on its line.
QString WrapPrintText(const QString &s);
// "#RRGGBB" of a colour (red in the low byte, then green, blue, as the settings store it).
QString ColorToHtml(TColor color);

// The status label colour of the board; empty for statuses without one.
QString GetStatusLabelColor(const QString &status);
// The map line colour of a status; empty for statuses without one.
QString GetStatusColor(const QString &status);

