#include "records/business_rules.h"

#include "text/cp949.h"
#include "text/date_helpers.h"
#include "records/session_records.h"

const QStringList G_ORD_ST_ALL = {"1001", "1002", "1003", "1004", "1005", "1006", "1007", "2001", "2002",
                                  "3001", "3002", "3003", "3004", "3005", "3006", "4001", "4002", "4003"};
const QStringList G_ORD_ST_SET_A = {"1002", "4002", "4001", "2001", "2002", "3001", "3002", "3003", "3004"};
const QStringList G_ORD_ST_PICKUP = {"6101", "6201", "6203"};
const QStringList G_ORD_ST_PICKUP_TRUNK = {"6101", "6201", "6203", "6301", "7101", "7201", "7203"};
const QStringList G_ORD_ST_LEGS = {"6101", "6201", "6203", "6301", "7101", "7201", "7203", "8101", "8201", "8203"};
const QStringList G_ORD_ST_LEGS_B = G_ORD_ST_LEGS;
const QStringList G_ORD_ST_CLOSED = {"4001", "4002"};
const QStringList G_ORD_ST_ACTIVE = {"1002", "2001", "2002", "3001", "300"};

const std::array<int, 41> G_DEF_COL_WIDTH = {54, 57, 100, 66, 64,  64,  94,  78,  89, 81, 123, 62, 156, 62,
                                             77, 87, 84,  77, 79,  84,  82,  87,  96, 91, 85,  106, 118, 113,
                                             96, 84, 113, 69, 64,  89,  64,  64,  90, 70, 64,  110, 90};
const double G_ORD_DISTANCE_KM = 10.0;
const double G_ORD_OLD_DISTANCE_KM = 10.0;

const QStringList G_GOODS_TYPE_NAMES = {"매장판매상품", "", "배달주문상품", "상품통계용", "프린터용"};
const QStringList G_STAFF_STATE_NAMES = {"삭제", "정상", "정지", "퇴사", "캐쉬부족"};
const QStringList G_USE_STATE_NAMES = {"사용안함", "정상", "정지"};
const QStringList G_FEE_MODE_NAMES = {"당일전체건수별", "", "대행료구간별"};
const QStringList G_PROVINCE_NAMES = {
    "서울", "서울시", "서울특별시", "부산", "부산시", "부산광역시", "대구", "대구시", "대구광역시", "인천",
    "인천시", "인천광역시", "광주", "광주시", "광주광역시", "대전", "대전시", "대전광역시", "울산", "울산시",
    "울산광역시", "세종", "세종시", "세종특별자치시", "경기", "경기도", "강원", "강원도", "충청도", "충북",
    "충청북도", "충남", "충청남도", "전라도", "전북", "전라북도", "전남", "전라남도", "경상도", "경북",
    "경상북도", "경남", "경상남도", "제주", "제주시", "제주특별자치시", "제주특별자치도"};
const QStringList G_MAP_LINE_COLOR = {"#333333", "#0000FF", "#FF00FF", "#FF2B00", "#009D34"};

QString G_STATUS_COLOR_1002;
QString G_STATUS_COLOR_2001;
QString G_STATUS_COLOR_3001;
QString G_STATUS_COLOR_3003;

namespace
{
// Lock time with "no limit" (-1) read as a very long lock.
qint64 lockSeconds(int lockTime) { return lockTime == -1 ? 10000000 : lockTime; }

bool isRequested(const QString &status)
{
    return status == QLatin1String("2001") || status == QLatin1String("2002");
}

// The dispatching-side and group tests shared by the head-office rules.
bool matchesSelectedGroups(const TOrderVisibility &o, const TVisibilityContext &c, bool withCthGroup)
{
    if (!c.selMasterSt.isEmpty() && c.selMasterSt.contains(o.CTH_ST_CODE))
        return true;
    if (!c.selMasterDvry.isEmpty() && c.selMasterDvry.contains(o.CTH_DVRY_TYPE_CD))
        return true;
    if (c.selDvryType.contains(o.ST_DVRY_TYPE_CD))
        return true;
    if (withCthGroup && c.selDvryType.contains(o.CTH_DVRY_TYPE_CD))
        return true;
    return c.selDvryType.contains(o.DVRY_TYPE_CD);
}

bool distributorSees(const TOrderVisibility &o, const TVisibilityContext &c)
{
    if (c.BR == o.ORD_BR_CODE || c.BR == o.ST_DVRY_BR_CODE)
        return true;
    if (!o.isDelivery)
        return false;
    const QString &mng = c.MNG_DVRY_TYPE_CD;
    if (!mng.isEmpty()) {
        if (!c.BR_ST_CODE.isEmpty() && c.BR_ST_CODE == o.CTH_ST_CODE)
            return true;
        if (!c.ST_DVRY_TYPE_CD.isEmpty() && c.ST_DVRY_TYPE_CD == o.CTH_DVRY_TYPE_CD)
            return true;
        if (mng == o.ST_DVRY_TYPE_CD || mng == o.DVRY_TYPE_CD)
            return true;
    }
    if (!isRequested(o.ORD_STATUS_CD) || mng.isEmpty())
        return false;
    bool ok = false;
    const QDateTime t0 = ParseFmtDateTime(o.READY_CHANGE_DATE, &ok);
    if (!ok)
        return false; // a request time we cannot read never unlocks a shared order
    const qint64 lock = lockSeconds(o.DVRY_LOCK_TIME);
    if (t0.addSecs(lock) > c.now)
        return false;
    for (const TShareRule &rule : c.shares) {
        if (rule.SH_DVRY_TYPE_CD == mng && rule.DVRY_TYPE_CD == o.DVRY_TYPE_CD
            && !(t0.addSecs(qint64(rule.SHARE_TIME) + lock) > c.now))
            return true;
    }
    return false;
}

bool headOfficeSees(const TOrderVisibility &o, const TVisibilityContext &c)
{
    if (c.selBrCode.isEmpty())
        return true;
    if (c.selBrCode.contains(o.ORD_BR_CODE) || c.selBrCode.contains(o.ST_DVRY_BR_CODE))
        return true;
    if (!o.isDelivery)
        return false;
    return !c.selDvryType.isEmpty() && matchesSelectedGroups(o, c, false);
}
} // namespace

int ParseUserAuthGrade(const QString &userTypeCd)
{
    bool ok = false;
    const int grade = userTypeCd.mid(1, 3).toInt(&ok);
    return ok ? grade : 10;
}

bool HasAuthGrade(int level) { return level >= G_USER_INFO.UserAuthGrade; }

bool CheckOrderAdd(const TOrderVisibility &order, const TVisibilityContext &ctx)
{
    const QChar c = ctx.USER_TYPE_CD.isEmpty() ? QChar() : ctx.USER_TYPE_CD.at(0);
    if (c == QLatin1Char('1'))
        return true;
    if (c == QLatin1Char('5'))
        return distributorSees(order, ctx);
    if (c == QLatin1Char('7'))
        return headOfficeSees(order, ctx);
    return false;
}

bool CheckOrderViewList(const TOrderVisibility &order, const TVisibilityContext &ctx)
{
    if (ctx.selBrCode.isEmpty())
        return false;
    if (ctx.selBrCode.contains(order.ORD_BR_CODE) || ctx.selBrCode.contains(order.ST_DVRY_BR_CODE))
        return true;
    if (!ctx.selDvryType.isEmpty() && matchesSelectedGroups(order, ctx, true))
        return true;
    return isRequested(order.ORD_STATUS_CD) && !order.BTOB_DVRY_TYPE_CD.isEmpty();
}

QString IfEmptyStr(const QString &a, const QString &b) { return a.isEmpty() ? b : a; }

bool IsStrongPassword(const QString &pw)
{
    bool punct = false, lower = false, upper = false, digit = false;
    for (const QChar c : pw) {
        const ushort u = c.unicode();
        if (c.isPunct())
            punct = true;
        else if (u >= 'a' && u <= 'z')
            lower = true;
        else if (u >= 'A' && u <= 'Z')
            upper = true;
        else if (u >= '0' && u <= '9')
            digit = true;
    }
    return int(punct) + int(lower) + int(upper) + int(digit) >= 3;
}

QString MakeOptionText(const QString &op1, const QString &op2, const QString &op3, const QString &op4,
                       const QString &cupDeposit)
{
    QStringList parts;
    for (const QString &op : {op1, op2, op3, op4}) {
        if (!op.isEmpty())
            parts.append(op);
    }
    QString text = parts.join(QStringLiteral(", "));
    const bool deposit = !cupDeposit.isEmpty() && cupDeposit != QLatin1String("0");
    if (deposit)
        text += text.isEmpty() ? QStringLiteral("컵보증금") : QStringLiteral(",컵보증금");
    return text.isEmpty() ? QString() : QLatin1Char('(') + text + QLatin1Char(')');
}

int PosIgnoreSpace(const QString &sub, const QString &s)
{
    QString a = sub, b = s;
    a.remove(QLatin1Char(' '));
    b.remove(QLatin1Char(' '));
    if (a.isEmpty())
        return 0;  // nothing to find is never "found at the start"
    return int(b.indexOf(a)) + 1;
}

bool SplitNoSpace(const QString &text, const QString &delim, QStringList &list)
{
    list.clear();
    if (text.trimmed().isEmpty() || delim.trimmed().isEmpty())
        return false;
    QString t = text;
    t.remove(QLatin1Char(' '));
    const QChar sep = delim.at(0);
    QString piece;
    for (const QChar c : t) {
        if (c == sep) {
            list.append(piece);
            piece.clear();
        } else {
            piece.append(c);
        }
    }
    if (!t.endsWith(sep))
        list.append(piece);
    return true;
}

QString CutByBytes(const QString &s, int maxBytes) { return Cp949::cutToBytes(s, maxBytes); }

QString DigitsOnly(const QString &s)
{
    QString out;
    for (const QChar c : s) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out.append(c);
    }
    return out;
}

QString SafeFileName(const QString &s)
{
    static const QString kDropped = QStringLiteral("\\/:*?\"<>|");
    QString out;
    for (const QChar c : s) {
        if (kDropped.contains(c))
            continue;
        out.append(c == QLatin1Char('[') ? QLatin1Char('(') : c == QLatin1Char(']') ? QLatin1Char(')') : c);
    }
    return out;
}

bool StrInArray(const QString &s, const QStringList &items) { return items.contains(s); }

QString WrapPrintText(const QString &s)
{
    QString out;
    QString line;
    int lineBytes = 0;
    bool first = true;
    for (const QChar c : s) {
        line.append(c);
        lineBytes += Cp949::byteLength(QString(c));
        if (lineBytes > (first ? 26 : 33)) {
            out += line + QLatin1Char('\n');
            line.clear();
            lineBytes = 0;
            first = false;
        }
    }
    return out + line;
}

QString ColorToHtml(TColor color)
{
    const int r = ColorRed(color), g = ColorGreen(color), b = ColorBlue(color);
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString GetStatusLabelColor(const QString &status)
{
    if (status == QLatin1String("1002"))
        return G_STATUS_COLOR_1002;
    if (status == QLatin1String("2001"))
        return G_STATUS_COLOR_2001;
    if (status == QLatin1String("3001"))
        return G_STATUS_COLOR_3001;
    if (status == QLatin1String("3003"))
        return G_STATUS_COLOR_3003;
    return QString();
}

QString GetStatusColor(const QString &status)
{
    static const QStringList kStatuses = {"1002", "2001", "3001", "3003"};
    const qsizetype i = kStatuses.indexOf(status);
    return i < 0 ? QString() : G_MAP_LINE_COLOR.at(i);
}

