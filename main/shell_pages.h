#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

struct TUSER_INFO;

// Web pages and small records of the main window's popups. No widgets here.

// The home page with the user's query. Every value is percent-encoded (the group name too, which
// would otherwise break the query). An empty url when base is not an http(s) address.
QUrl HomePageUrl(const QString &base, const TUSER_INFO &user);

// The body posted to the platform-payment agreement page. password is what the page may receive
// (empty when it may not: SessionPasswordForPage).
QByteArray PlatformContractBody(const TUSER_INFO &user, const QString &password);

// Promotion popup: closes itself when shown before the stored date (read as midnight).
bool PromotionStaysHidden(const QString &dtAdPopUp, const QDateTime &now);
// What the "three days" box writes: today + 3 when checked, today when unchecked.
QString PromotionHideUntil(bool checked, const QDate &today);

// Card slip of one order, as the window shows it.
struct CardSlip
{
    QString orderNo;
    QString tranType, acquirer, instalment, cardNum, approvalDate, money, tax, total, cupPrice;
    QString approvalNo, bizNo, owner, tel, shopName, address;
};
// Reads the rows of one reply page into slip (the texts persist from row to row). Returns the
// order number of the page's last row. False when a row is too short (the page's error path).
bool ReadCardSlipRows(const QStringList &rows, const QString &separator, CardSlip &slip, QString &lastOrderNo,
                      QString *error = nullptr);
// "신용승인" ... for a kind code; empty for an unknown one.
QString CardTransactionText(int code);
// The picture file name of a slip: the order number made safe for a file name + "카드전표.bmp".
QString CardSlipFileName(const QString &orderNo);

// Courier call: the popup's four texts; a part the reply did not give stays unset.
struct CourierCallInfo
{
    bool hasPerson = false;
    QString name, branch, tel;
    bool hasCounts = false;
    QString counts;  // "배차:3/출발:1/완료:7"
};
// Reads one page's OUT_ROW1 and OUT_ROW2 lists.
void ReadCourierCallRows(const QStringList &row1, const QStringList &row2, const QString &separator,
                         CourierCallInfo &info);

// Registered devices.
struct RegDevice
{
    QString userId, deviceId, deviceType, authStatus, nick, putDate;
};
QString DeviceTypeText(const QString &code);    // "스마트폰", "PC", "WEB"
QString DeviceStatusText(const QString &code);  // "삭제", "정상", "정지"
// The alias as shown: "(현재기기)" appended for this PC.
QString DeviceNickShown(const RegDevice &d, const QString &thisPc);
// The alias to edit: every "(현재기기)" removed.
QString DeviceNickForEdit(const QString &shown);
// "yy-MM-dd" of the registration date; the text itself when it is not a date.
QString DeviceDateShown(const QString &putDate);
// True when the trimmed alias fits in 100 bytes of UTF-8.
bool DeviceNickFits(const QString &alias);
