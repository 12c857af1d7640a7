#include "main/shell_pages.h"

#include "main/top_menu.h"
#include "records/business_rules.h"
#include "records/session_records.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

#include <QDateTime>
#include <QUrlQuery>

#include <limits>

namespace
{
QString enc(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// A whole amount; 0 when the text is not a number or is beyond what an amount can be.
qlonglong amount(const QString &text)
{
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    constexpr qlonglong kLimit = 1'000'000'000'000'000LL;
    return ok && n > -kLimit && n < kLimit ? n : 0;
}
} // namespace

QUrl HomePageUrl(const QString &base, const TUSER_INFO &user)
{
    if (!IsWebAddress(base))
        return {};
    const QString name = user.NM.trimmed().isEmpty() ? user.GRP_NAME : user.NM.str();
    const QString store =
        user.USER_TYPE_CD.startsWith(QLatin1Char('5')) ? user.BR_ST_CODE.str() : user.ST.str();
    // Values go in already percent-encoded so that nothing of them (&, =, +, #) can change the query.
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("USER_TYPE_CD"), enc(user.USER_TYPE_CD));
    q.addQueryItem(QStringLiteral("USER_ID"), enc(user.ID));
    q.addQueryItem(QStringLiteral("USER_NAME"), enc(name));
    q.addQueryItem(QStringLiteral("HD_CODE"), enc(user.HD));
    q.addQueryItem(QStringLiteral("BR_CODE"), enc(user.BR));
    q.addQueryItem(QStringLiteral("ST_CODE"), enc(store));
    // Non-null empty value: "MULTI_TYPE=" with its equals sign.
    q.addQueryItem(QStringLiteral("MULTI_TYPE"), QStringLiteral(""));
    q.addQueryItem(QStringLiteral("GRP_NAME"), enc(user.GRP_NAME));
    QUrl url(base.trimmed());
    url.setQuery(q);
    return url;
}

QByteArray PlatformContractBody(const TUSER_INFO &user, const QString &password)
{
    const QString sep = QStringLiteral("│");
    QByteArray body("sData=");
    body += (QStringLiteral("COMMON") + sep).toUtf8();
    body += (enc(user.ID) + sep).toUtf8();
    body += (enc(password) + sep).toUtf8();
    body += (QStringLiteral("000008") + sep).toUtf8();
    body += (QStringLiteral("P") + sep).toUtf8();
    body += (user.MC + sep).toUtf8();
    return body;
}

bool PromotionStaysHidden(const QString &dtAdPopUp, const QDateTime &now)
{
    const QDate d = QDate::fromString(dtAdPopUp.trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        return false;
    return QDateTime(d, QTime(0, 0)) > now;
}

QString PromotionHideUntil(bool checked, const QDate &today)
{
    return (checked ? today.addDays(3) : today).toString(QStringLiteral("yyyy-MM-dd"));
}

QString CardTransactionText(int code)
{
    switch (code) {
    case 11: return QStringLiteral("신용승인");
    case 12: return QStringLiteral("승인취소");
    case 21: return QStringLiteral("현금영수증");
    case 22: return QStringLiteral("영수증 취소");
    case 31: return QStringLiteral("간편결제 승인");
    case 32: return QStringLiteral("간편결제 취소");
    case 41: return QStringLiteral("현금영수증(사업자)");
    case 42: return QStringLiteral("현금영수증 취소(사업자)");
    default: return {};
    }
}

bool ReadCardSlipRows(const QStringList &rows, const QString &separator, CardSlip &slip, QString &lastOrderNo,
                      QString *error)
{
    lastOrderNo.clear();
    for (const QString &row : rows) {
        const QStringList f = SplitUnescaped(separator, row);
        if (f.size() < 14) {
            if (error)
                *error = QStringLiteral("card slip row has %1 fields").arg(f.size());
            return false;
        }
        lastOrderNo = f.at(0);
        if (lastOrderNo.isEmpty())
            continue;
        bool ok = false;
        int kind = f.at(1).trimmed().toInt(&ok);
        if (!ok)
            kind = 11;
        // An unknown kind shows nothing rather than the kind of an earlier row.
        slip.tranType = CardTransactionText(kind);
        slip.acquirer = f.at(2);
        const int months = f.at(3).trimmed().toInt(&ok);
        if (!ok || months == 0)
            slip.instalment = QStringLiteral("일시불");
        else if (months > 0)
            slip.instalment = f.at(3) + QStringLiteral("할부");
        slip.cardNum = f.at(4) + QStringLiteral("**********");
        slip.approvalDate = f.at(5);
        slip.tax = f.at(6) + QStringLiteral(" 원");
        slip.total = f.at(7) + QStringLiteral(" 원");
        slip.approvalNo = f.at(8);
        slip.bizNo = f.at(9);
        slip.owner = f.at(10);
        slip.tel = f.at(11);
        slip.shopName = f.at(12);
        slip.address = f.at(13);
        qlonglong money = amount(f.at(7)) - amount(f.at(6));
        if (f.size() > 16) {
            const QString cup = f.at(15).isEmpty() ? QStringLiteral("0") : f.at(15);
            slip.cupPrice = cup + QStringLiteral(" 원");
            money -= amount(f.at(15));
        }
        slip.money = QString::number(money) + QStringLiteral(" 원");
        slip.orderNo = lastOrderNo;
    }
    return true;
}

QString CardSlipFileName(const QString &orderNo)
{
    QString safe;
    for (const QChar c : SafeFileName(orderNo))
        if (c.isPrint())
            safe += c;
    safe = safe.trimmed().left(64);
    // "." and ".." would name a folder, not a file.
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    return safe + QStringLiteral("카드전표.bmp");
}

void ReadCourierCallRows(const QStringList &row1, const QStringList &row2, const QString &separator,
                         CourierCallInfo &info)
{
    if (row1.size() == 1) {
        const QStringList f = SplitUnescaped(separator, row1.at(0));
        if (f.size() > 1) {
            info.hasPerson = true;
            info.name = f.value(0);
            info.branch = f.value(1);
            info.tel = FormatPhone(f.value(2), 0);
        }
    }
    if (row2.size() == 1) {
        const QStringList f = SplitUnescaped(separator, row2.at(0));
        if (f.size() > 1) {
            info.hasCounts = true;
            info.counts = QStringLiteral("배차:") + f.value(0) + QStringLiteral("/출발:") + f.value(1)
                          + QStringLiteral("/완료:") + f.value(2);
        }
    }
}

QString DeviceTypeText(const QString &code)
{
    if (code == QLatin1String("A") || code == QLatin1String("I"))
        return QStringLiteral("스마트폰");
    if (code == QLatin1String("P"))
        return QStringLiteral("PC");
    if (code == QLatin1String("W"))
        return QStringLiteral("WEB");
    return code;
}

QString DeviceStatusText(const QString &code)
{
    if (code == QLatin1String("0"))
        return QStringLiteral("삭제");
    if (code == QLatin1String("1"))
        return QStringLiteral("정상");
    if (code == QLatin1String("2"))
        return QStringLiteral("정지");
    return code;
}

QString DeviceNickShown(const RegDevice &d, const QString &thisPc)
{
    if (!thisPc.isEmpty() && d.deviceId == thisPc)
        return d.nick + QStringLiteral("(현재기기)");
    return d.nick;
}

QString DeviceNickForEdit(const QString &shown)
{
    QString s = shown;
    s.remove(QStringLiteral("(현재기기)"));
    return s;
}

QString DeviceDateShown(const QString &putDate)
{
    const QString t = putDate.trimmed();
    for (const char *fmt : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd", "yyyyMMddHHmmss", "yyyyMMdd"}) {
        const QDateTime dt = QDateTime::fromString(t.left(QString::fromLatin1(fmt).size()), QString::fromLatin1(fmt));
        if (dt.isValid())
            return dt.toString(QStringLiteral("yy-MM-dd"));
    }
    return t;
}

bool DeviceNickFits(const QString &alias)
{
    return alias.trimmed().toUtf8().size() <= 100;
}
