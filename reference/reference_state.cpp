#include "reference/reference_state.h"

#include "orders/order_globals.h"

#include <QUrl>

#include <algorithm>

CodeNameTable CCB_O8;
CodeNameTable CCB_O1;
CodeNameTable CCB_O7;
CodeNameTable CCB_O2;
CodeNameTable CCB_O4;
CodeNameTable CCB_O4_1;
CodeNameTable CCB_WA;
CodeNameTable CCB_VAN;
CodeNameTable CCB_O3;
CodeNameTable CCB_PT;
CodeNameTable CCB_CID;
CodeNameTable cicbDvryCnt;
CodeNameTable CCB_STNO;
TCancelMenus G_CANCEL_MENUS;

QString G_URL_ADMIN_PAGE2;
QString G_URL_ADMIN_PAGE_HOZ;
QString G_URL_ADMIN_PAGE_DUXEL;
QString G_URL_ADMIN_PAGE_SPELK;
QString G_URL_ADMIN_PAGE_PISKA;
QString G_URL_WORK_CONTROL2;
QString G_URL_PAY_SEND_URL;
QString G_URL_CALOG;
QString G_STATS_LIMIT_FROM;
QString G_STATS_LIMIT_TO;
QString G_CASH_LIMIT_FROM;
QString G_CASH_LIMIT_TO;
QString G_BRCONTRACT;

QStringList gsl_Out_DVRY;
// gsl_ShareGroup lives with the order globals (orders/order_globals.cpp): the share-group load
// fills the very list the order rows read.
QString GS_CHK_STNO;
bool G_HAS_DELIVERY_STORE = false;
bool G_HAS_QUICK_STORE = false;
QString G_DVRY_INFO_SYNC;

namespace
{

void preload()
{
    CCB_O2.clear();
    const struct { const char *value; const char *name; int image; } statuses[] = {
        {"1001", "접수", 0},     {"2001", "요청", 1},     {"3001", "배차", 2},      {"3003", "출발", 3},
        {"4001", "완료", 4},     {"4002", "취소", 5},     {"4003", "문의", 6},      {"1002", "대기", 7},
        {"3005", "상품완료", 8}, {"1007", "대기", 7},     {"2002", "가배차", -1},   {"1003", "대기해제", -1},
        {"1004", "예약", -1},    {"1005", "예약해제", -1}, {"1006", "재접수", -1},  {"3002", "배차취소", -1},
        {"3004", "출발취소", -1}, {"4004", "주문거절", -1}, {"5001", "주문수정", -1}, {"3005", "상품완료", -1},
        {"3006", "상품완료취소", -1}, {"6101", "집화요청", 9}, {"6201", "집화배차", 10}, {"6203", "집화출발", 11},
        {"6301", "집화하차", 12}, {"7101", "간선요청", 13}, {"7201", "간선배차", 14}, {"7203", "간선출발", 15},
        {"7301", "간선하차", 16}, {"8101", "지선요청", 17}, {"8201", "지선배차", 18}, {"8203", "지선출발", 19},
        {"8301", "지선하차", 20}, {"8421", "택배요청", 22}, {"8431", "택배배차", 21}, {"8433", "택배출발", 23},
        {"8441", "택배하차", 24},
    };
    for (const auto &s : statuses)
        CCB_O2.add(QString::fromLatin1(s.value), QString::fromUtf8(s.name), s.image);

    CCB_O3.clear();
    CCB_O3.add(QStringLiteral("5000"), QStringLiteral("[빠]룸보Eats"));
    CCB_O3.add(QStringLiteral("1039"), QStringLiteral("[상]룸보Eats"));
    CCB_O3.add(QStringLiteral("5001"), QStringLiteral("직배"), 0);
    CCB_O3.add(QStringLiteral("1069"), QStringLiteral("직배"), 1);

    cicbDvryCnt.clear();
    cicbDvryCnt.add(QStringLiteral("1"), QStringLiteral("1"), 0);
    cicbDvryCnt.add(QStringLiteral("2"), QStringLiteral("3"));
    cicbDvryCnt.add(QStringLiteral("3"), QStringLiteral("5건 이상"));
}

const bool g_preloaded = [] {
    preload();
    return true;
}();
} // namespace

int CodeNameTable::indexOf(const QString &value) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).value == value)
            return i;
    }
    return -1;
}

QString CodeNameTable::nameOf(const QString &value) const
{
    const int i = indexOf(value);
    return i < 0 ? QString() : m_items.at(i).description;
}

int AddSorted(QStringList &list, const QString &code)
{
    const auto it = std::lower_bound(list.begin(), list.end(), code);
    const int pos = int(it - list.begin());
    if (it == list.end() || *it != code)
        list.insert(pos, code);
    return pos;
}

bool IsWebPageUrl(const QString &url)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty())
        return false;
    const QString scheme = parsed.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

ReferenceNotifier &ReferenceEvents()
{
    static ReferenceNotifier notifier;
    return notifier;
}

void NotifyReference(ReferenceEvent event)
{
    emit ReferenceEvents().changed(event);
}

void ResetReferenceState()
{
    (void)g_preloaded;
    for (CodeNameTable *t : {&CCB_O8, &CCB_O1, &CCB_O7, &CCB_O4, &CCB_O4_1, &CCB_WA, &CCB_VAN, &CCB_PT, &CCB_CID,
                             &CCB_STNO})
        t->clear();
    preload();
    G_CANCEL_MENUS = TCancelMenus();
    for (QString *s : {&G_URL_ADMIN_PAGE2, &G_URL_ADMIN_PAGE_HOZ, &G_URL_ADMIN_PAGE_DUXEL, &G_URL_ADMIN_PAGE_SPELK,
                       &G_URL_ADMIN_PAGE_PISKA, &G_URL_WORK_CONTROL2, &G_URL_PAY_SEND_URL, &G_URL_CALOG,
                       &G_STATS_LIMIT_FROM, &G_STATS_LIMIT_TO, &G_CASH_LIMIT_FROM, &G_CASH_LIMIT_TO, &G_BRCONTRACT,
                       &GS_CHK_STNO, &G_DVRY_INFO_SYNC})
        s->clear();
    gsl_Out_DVRY.clear();
    ClearShareGroups();
    G_HAS_DELIVERY_STORE = false;
    G_HAS_QUICK_STORE = false;
}
