#include "orders/order_record.h"

#include "common/program_globals.h"
#include "orders/order_globals.h"
#include "records/address_texts.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{
constexpr std::array<int, A1::kTextCount> kA1Columns = {
#define CD_A1_COL(name, col) col,
    A1_TEXT_FIELDS(CD_A1_COL)
#undef CD_A1_COL
};

struct A1IntColumn
{
    int A1Values::*field;
    int column;
};
constexpr A1IntColumn kA1IntColumns[] = {
#define CD_A1_INTCOL(name, col) {&A1Values::name, col},
    A1_INT_FIELDS(CD_A1_INTCOL)
#undef CD_A1_INTCOL
};

bool inList(QStringView value, const QStringList &list)
{
    for (const QString &s : list)
        if (s == value)
            return true;
    return false;
}

// A whole number of at most nine digits with an optional minus sign, the form every number
// column of a reply has; anything else (spaces, a plus sign, longer numbers) is left to the
// general conversion. A board rebuild reads some twenty numbers of each of ten thousand rows.
bool plainInt(QStringView s, int &out)
{
    const qsizetype n = s.size();
    qsizetype i = n > 0 && s.at(0) == u'-' ? 1 : 0;
    if (n == i || n - i > 9)
        return false;
    int v = 0;
    for (; i < n; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + int(c - u'0');
    }
    out = s.at(0) == u'-' ? -v : v;
    return true;
}

QString prepaidText(QStringView path, const QString &name, const TOrderLogin &login)
{
    if (!inList(path, login.prepaidPaths))
        return QStringLiteral("선결제");
    if (name.isEmpty())
        return QStringLiteral("선결제");
    return QStringLiteral("선결제(") + name + QLatin1Char(')');
}
} // namespace

const QChar *AsciiChars()
{
    static const std::array<QChar, 128> chars = [] {
        std::array<QChar, 128> a{};
        for (int i = 0; i < 128; ++i)
            a[size_t(i)] = QChar(i);
        return a;
    }();
    return chars.data();
}

int StatusNumber(QStringView status, int def)
{
    int plain = 0;
    if (plainInt(status, plain))
        return plain;
    bool ok = false;
    const int v = status.toInt(&ok);
    return ok ? v : def;
}

bool SplitRowSpans(const QString &row, QChar sep, QString &buffer, std::vector<FieldSpan> &columns)
{
    columns.clear();
    if (row.size() > kMaxFieldBuffer)
        return false;
    if (row.contains(QLatin1Char('&'))
        && (row.contains(QLatin1String("&quot;")) || row.contains(QLatin1String("&#92;")))) {
        QString out = row;
        out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        out.replace(QStringLiteral("&#92;"), QStringLiteral("\\"));
        buffer = out;
    } else {
        buffer = row;
    }
    const char16_t *data = reinterpret_cast<const char16_t *>(buffer.constData());
    const int n = int(buffer.size());
    const char16_t sepCode = sep.unicode();
    int start = 0;
    int i = 0;
#if defined(__SSE2__)
    // Eight characters at a time: a row is some seven hundred characters of which one in six is
    // a separator, and every row of a rebuild passes here.
    const __m128i wanted = _mm_set1_epi16(short(sepCode));
    for (; i + 8 <= n; i += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(chunk, wanted)));
        while (mask) {
            const int at = i + int(__builtin_ctz(mask)) / 2;
            columns.push_back({quint16(start), quint16(at - start)});
            start = at + 1;
            mask &= mask - 1;
            mask &= mask - 1;  // both bytes of the matching character
        }
    }
#endif
    for (; i < n; ++i) {
        if (data[i] == sepCode) {
            columns.push_back({quint16(start), quint16(i - start)});
            start = i + 1;
        }
    }
    columns.push_back({quint16(start), quint16(n - start)});
    return true;
}

TOrderLogin CurrentOrderLogin()
{
    TOrderLogin l;
    const QString type = G_USER_INFO.USER_TYPE_CD;
    l.userClass = type.left(1);
    l.BR = G_USER_INFO.BR;
    l.HD = G_USER_INFO.HD;
    l.selBranches = G_SL_ORD_FILTER[1];
    l.selPaths = G_SL_ORD_FILTER[5];
    l.selPosTypes = G_SL_ORD_FILTER[6];
    l.prepaidPaths = G_SL_O3_COL11;
    return l;
}

QString PayTypeName(const QString &code)
{
    for (const TCOM_CODE_LIST &c : G_COM_CODE_LIST)
        if (c.SY_CODE == QLatin1String("O7") && c.DT_CODE == code)
            return c.DT_NAME;
    return QString();
}

bool proc_SetA1OrderFromSpans(TA1ORDER &order, const QString &buffer,
                              const std::vector<FieldSpan> &columns, const QStringList &shareGroups,
                              QString *error)
{
    if (int(columns.size()) < kA1RowColumns) {
        if (error)
            *error = QStringLiteral("row has %1 of %2 columns").arg(columns.size()).arg(kA1RowColumns);
        return false;
    }
    auto col = [&](int c) {
        const FieldSpan s = columns[size_t(c)];
        return QStringView(buffer).mid(s.pos, s.len);
    };
    order.texts.assignRow(buffer, columns, kA1Columns);
    for (const A1IntColumn &ic : kA1IntColumns) {
        const QStringView text = col(ic.column);
        int v = 0;
        if (!plainInt(text, v)) {
            bool ok = false;
            v = text.toInt(&ok);
            if (!ok)
                v = 0;
        }
        order.*(ic.field) = v;
    }
    bool ok = false;
    const double d = col(kA1DistanceColumn).toDouble(&ok);
    order.DVRY_DISTANCE = ok && std::isfinite(d) ? d : 0.0;

    const QStringView group = order.DVRY_TYPE_CD();
    const bool own = group == QString(G_USER_INFO.MNG_DVRY_TYPE_CD) || inList(group, shareGroups)
                     || inList(group, G_SL_BR_DVRY_TYPE);
    order.set(A1::SHARE_GROUP, own ? u"0" : u"1");

    const int status = StatusNumber(order.ORD_STATUS_CD(), 1001);
    if (status < 3001 || status > 4001) {
        order.set(A1::CTH_ST_CODE, {});
        order.set(A1::CTH_DVRY_TYPE_CD, {});
    }
    return true;
}

bool proc_SetA1OrderFromRow(TA1ORDER &order, const QString &row, const QStringList &shareGroups,
                            QString *error)
{
    QString buffer;
    std::vector<FieldSpan> columns;
    columns.reserve(kA1RowColumns + 1);
    const QChar sep = G_FIELD_SEP.isEmpty() ? QChar(0x2502) : G_FIELD_SEP.at(0);
    if (!SplitRowSpans(row, sep, buffer, columns)) {
        if (error)
            *error = QStringLiteral("row longer than %1 characters").arg(kMaxFieldBuffer);
        return false;
    }
    return proc_SetA1OrderFromSpans(order, buffer, columns, shareGroups, error);
}

void proc_CopyA1OldOrder(TA1OLDORDER &oldOrder, const TA1ORDER &order)
{
    const QString endImage = oldOrder.text(A1::EA_END_IMG);
    static_cast<A1Values &>(oldOrder) = static_cast<const A1Values &>(order);
    oldOrder.set(A1::EA_END_IMG, endImage);
}

QString TA1ORDER::GetAddr() const
{
    if (!GetDvryOrder())
        return QString();
    return MakeAddrText(EA_ADDR_4().trimmed().toString(), EA_ADDR_5().trimmed().toString(),
                        EA_ADDR_6().trimmed().toString(), EA_ADDR_7().trimmed().toString(),
                        EA_ADDR_10().trimmed().toString(), EA_ADDR_MOD_CNT);
}

QString TA1ORDER::GetSaAddr() const
{
    QString s;
    s.reserve(64);
    s.append(SA_ADDR3()).append(QLatin1Char(' ')).append(SA_ADDR11());
    // The bracketed detail (number, sub-number, building) only when the order has one: an empty
    // one would leave "[ ()]" on the board.
    const bool building = !SA_ADDR10().trimmed().isEmpty();
    if (!SA_ADDR9().trimmed().isEmpty() || !SA_ADDR12().trimmed().isEmpty() || building) {
        s.append(QLatin1Char('[')).append(SA_ADDR9()).append(QLatin1Char(' ')).append(SA_ADDR12());
        if (building)
            s.append(QLatin1Char('(')).append(SA_ADDR10()).append(QLatin1Char(')'));
        s.append(QLatin1Char(']'));
    }
    s.append(SA_ADDR5());
    return s;
}

QString TA1ORDER::GetPayType(const TOrderLogin &login) const
{
    const QString name = PayTypeName(PAY_TYPE_CD().toString());
    const bool courierCash = PAY_TYPE_CD() == u"1001" && CTH_WK_GOODS_PAY_TYPE() == u"2";
    if (CHARGE_TYPE() == u"1")
        return courierCash ? QStringLiteral("현금(P)") : name;
    if (CHARGE_TYPE() == u"3")
        return courierCash ? QStringLiteral("출발지-현금(P)") : QStringLiteral("출발지-") + name;
    return prepaidText(ORD_PATH_CD(), name, login);
}

QString TA1ORDER::GetOrgPayType(const TOrderLogin &login) const
{
    if (!ORG_PAY_TYPE().isEmpty()) {
        if (ORG_PAY_TYPE() == u"1001" && CTH_WK_GOODS_PAY_TYPE() == u"2")
            return QStringLiteral("현금(P)");
        return PayTypeName(ORG_PAY_TYPE().toString());
    }
    return prepaidText(ORD_PATH_CD(), PayTypeName(ORG_PAY_TYPE().toString()), login);
}

bool TA1ORDER::GetMyOrder(const TOrderLogin &login) const
{
    if (login.userClass == QLatin1String("5"))
        return ORD_BR_CODE() == login.BR;
    if (login.userClass == QLatin1String("7"))
        return ORD_HD_CODE() == login.HD;
    return false;
}

bool TA1ORDER::GetOrderViewYN(const TOrderLogin &login) const
{
    if (login.userClass == QLatin1String("1")) {
        if (ORD_PATH_CD().isEmpty())
            return false;
        if (inList(ORD_PATH_CD(), login.selPaths))
            return true;
        return inList(POS_TYPE_CD(), login.selPosTypes);
    }
    if (!ORD_BR_CODE().isEmpty() && inList(ORD_BR_CODE(), login.selBranches))
        return true;
    if (!CTH_BR_CODE().isEmpty() && inList(CTH_BR_CODE(), login.selBranches))
        return true;
    return login.userClass == QLatin1String("5") && CTH_BR_CODE().isEmpty()
           && ORD_STATUS_CD().compare(u"3001") < 0;
}

TOrderVisibility TA1ORDER::visibilityFields() const
{
    TOrderVisibility f;
    f.ORD_BR_CODE = ORD_BR_CODE().toString();
    f.DVRY_TYPE_CD = DVRY_TYPE_CD().toString();
    f.ST_DVRY_TYPE_CD = ST_DVRY_TYPE_CD().toString();
    f.CTH_ST_CODE = CTH_ST_CODE().toString();
    f.CTH_DVRY_TYPE_CD = CTH_DVRY_TYPE_CD().toString();
    f.ORD_STATUS_CD = ORD_STATUS_CD().toString();
    f.READY_CHANGE_DATE = READY_CHANGE_DATE().toString();
    f.ST_DVRY_BR_CODE = ST_DVRY_BR_CODE().toString();
    f.DVRY_LOCK_TIME = DVRY_LOCK_TIME;
    f.isDelivery = GetDvryOrder();
    f.BTOB_DVRY_TYPE_CD = BTOB_DVRY_TYPE_CD().toString();
    return f;
}

bool TA1ORDER::GetCheckOrderAdd() const
{
    return CheckOrderAdd(visibilityFields());
}

bool TA1ORDER::GetCheckOrderAdd(const TVisibilityContext &ctx) const
{
    return CheckOrderAdd(visibilityFields(), ctx);
}
