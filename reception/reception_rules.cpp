#include "reception/reception_rules.h"

#include "text/text_helpers.h"

#include "records/delivery_group_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reference/reference_state.h"
#include "text/date_helpers.h"
#include "text/phone_helpers.h"

namespace
{
QList<ChoiceItem> minuteChoices(const QString &zero, const QString &suffix)
{
    QList<ChoiceItem> items{{0, zero}};
    for (int m : {5, 10, 15, 20, 25, 30, 40, 50, 60, 90, 120}) {
        QString text;
        if (m >= 60 && m % 60 == 0)
            text = QString::number(m / 60) + QStringLiteral("시간");
        else
            text = QString::number(m) + QStringLiteral("분");
        items.append({m, text + suffix});
    }
    return items;
}

int numberOr(const QString &text, int fallback)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : fallback;
}
} // namespace

int LockTimeValue(int c)
{
    if (c == -1 || c == 0)
        return c;
    if (c >= 1 && c <= 60)
        return (c + 9) / 10 * 10;
    if (c >= 61 && c <= 180)
        return (c + 59) / 60 * 60;
    if (c >= 181 && c <= 300)
        return 300;
    if (c >= 301 && c <= 600)
        return 600;
    return -1;
}

const QList<ChoiceItem> &LockTimeChoices()
{
    static const QList<ChoiceItem> items{
        {0, QStringLiteral("즉시")},   {10, QStringLiteral("10초")}, {20, QStringLiteral("20초")},
        {30, QStringLiteral("30초")},  {40, QStringLiteral("40초")}, {50, QStringLiteral("50초")},
        {60, QStringLiteral("1분")},   {120, QStringLiteral("2분")}, {180, QStringLiteral("3분")},
        {300, QStringLiteral("5분")},  {600, QStringLiteral("10분")}, {-1, QStringLiteral("공유안함")},
    };
    return items;
}

const QList<ChoiceItem> &CookingTimeChoices()
{
    static const QList<ChoiceItem> items = [] {
        QList<ChoiceItem> list{{0, QStringLiteral("즉시")}};
        for (int m : {3, 5, 7, 10, 15, 20, 25, 30, 40, 50, 60, 90, 120})
            list.append({m, QString::number(m) + QStringLiteral("분")});
        return list;
    }();
    return items;
}

const QList<ChoiceItem> &TakeoutTimeChoices()
{
    static const QList<ChoiceItem> items = minuteChoices(QStringLiteral("즉시"), QStringLiteral(" 후"));
    return items;
}

const QList<ChoiceItem> &KitchenTimeChoices()
{
    static const QList<ChoiceItem> items = minuteChoices(QStringLiteral("도착시"), QStringLiteral(" 전"));
    return items;
}

int ChoiceIndex(const QList<ChoiceItem> &items, int value)
{
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i).value == value)
            return i;
    return -1;
}

bool StoreListed(const TST_LIST &store)
{
    if (numberOr(store.DATA_STAUS, 1) == 0)
        return false;
    static const QStringList kinds{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("7")};
    if (!kinds.contains(store.SHOP_TYPE))
        return false;
    return store.ST_SHAREYN == QLatin1String("N");
}

QString StoreMultiText(const QString &multiType)
{
    if (multiType == QLatin1String("N"))
        return QStringLiteral("개별");
    if (multiType == QLatin1String("M"))
        return QStringLiteral("메인");
    return QStringLiteral("종속");
}

bool StoreMayBeDefault(const QString &storeMultiType, const QString &userMultiType)
{
    if (storeMultiType == QLatin1String("N") || storeMultiType == QLatin1String("M"))
        return true;
    return userMultiType == QLatin1String("S");
}

QVariantList StoreRow(const TST_LIST &store)
{
    QVariantList row(kStColumnCount);
    row[kStCode] = QString(store.ST_CODE);
    row[kStName] = store.ST_NAME;
    row[kStMulti] = StoreMultiText(store.MULTI_TYPE);
    row[kStTel] = FormatPhone(store.ST_TEL, 0);
    bool ok = false;
    const qlonglong cash = store.CASH_ST.trimmed().toLongLong(&ok);
    row[kStCash] = ok ? cash : 0;
    row[kStX] = QString(store.ST_LNG_X);
    row[kStY] = QString(store.ST_LAT_Y);
    row[kStStatus] = QString(store.DATA_STAUS);
    row[kStTelType] = QString(store.TEL_TYPE_CD);
    row[kStShopType] = QString(store.SHOP_TYPE);
    return row;
}

StoreGridFill BuildStoreGrid(const QString &currentCode, const QString &userMultiType)
{
    StoreGridFill fill;
    bool haveStore = !currentCode.isEmpty();
    for (int i = 0; i < G_ST_LIST.count(); ++i) {
        const TST_LIST &store = G_ST_LIST.at(i);
        if (!StoreListed(store))
            continue;
        fill.rows.append(StoreRow(store));
        if (!haveStore && StoreMayBeDefault(store.MULTI_TYPE, userMultiType)) {
            fill.defaultCode = store.ST_CODE;
            fill.defaultName = store.ST_NAME;
            haveStore = true;
        }
    }
    return fill;
}

namespace
{
TDVRY_GRP_INFO *groupInfoThrough(const QStringList &lookup, const QString &code)
{
    const int k = int(lookup.indexOf(code));
    if (k >= 0)
        return k + 1 < G_DVRY_GRP_INFO.size() ? &G_DVRY_GRP_INFO[k + 1] : nullptr;
    if (!G_DVRY_GRP_INFO.isEmpty() && G_DVRY_GRP_INFO.first().DVRY_TYPE_CD == code)
        return &G_DVRY_GRP_INFO.first();
    return nullptr;
}
} // namespace

TDVRY_GRP_INFO *FindOwnGroupInfo(const QString &code)
{
    return groupInfoThrough(G_SL_BR_DVRY_TYPE, code);
}

TDVRY_GRP_INFO *FindOutGroupInfo(const QString &code)
{
    return groupInfoThrough(gsl_Out_DVRY, code);
}

bool GroupInManagementHours(const TDVRY_GRP_INFO &info, const QString &now)
{
    const QString s = info.MNG_STIME.trimmed();
    const QString e = info.MNG_ETIME.trimmed();
    if (info.BMNG_TIME != QLatin1String("Y") || s.isEmpty() || e.isEmpty())
        return true;
    if (e < s)
        return now <= e || now >= s;
    return s <= now && now <= e;
}

QString GroupStatusShown(const TDVRY_GRP_INFO &info, const QString &now)
{
    if (info.STATUS_TYPE == QLatin1String("1") && !GroupInManagementHours(info, now))
        return QStringLiteral("0");
    return info.STATUS_TYPE;
}

QString GroupDelayText(int delay, bool longForm)
{
    if (delay < 1)
        return QStringLiteral("원활");
    return QString::number(delay) + (longForm ? QStringLiteral("분지연") : QStringLiteral("지연"));
}

QString GroupSurchargeText(const QString &exYn, const QString &charge, const QString &start,
                           const QString &end, const QString &now)
{
    if (exYn == QLatin1String("Y") && TimeInRange(now, start.trimmed(), end.trimmed()))
        return QStringLiteral("할증\n") + charge.trimmed() + QStringLiteral("원");
    return QStringLiteral("미할증");
}

int GroupDelayOf(const QString &code)
{
    for (const TDVRY_GRP_INFO &info : G_DVRY_GRP_INFO)
        if (info.DVRY_TYPE_CD == code)
            return info.DELAY_TIME > 0 ? info.DELAY_TIME : 0;
    return 0;
}

QList<OrderPathItem> OrderPathItems(const QList<TCOM_CODE_LIST> &codes, bool newOrder,
                                    const QString &orderPathCode, const QString &editionValue)
{
    auto lockMark = [](const TCOM_CODE_LIST &c) { return c.DT_VALUE2.mid(3, 1); };
    auto item = [](const TCOM_CODE_LIST &c) {
        return OrderPathItem{c.DT_CODE, c.DT_NAME, numberOr(c.DT_VALUE2.left(2), 11)};
    };
    QList<const TCOM_CODE_LIST *> paths;
    for (const TCOM_CODE_LIST &c : codes)
        if (c.SY_CODE == QLatin1String("O3"))
            paths.append(&c);
    QList<OrderPathItem> items;
    if (!newOrder) {
        for (const TCOM_CODE_LIST *c : paths)
            if (c->DT_CODE == orderPathCode && lockMark(*c) == QLatin1String("1"))
                return {item(*c)};
    }
    for (const TCOM_CODE_LIST *c : paths) {
        if (lockMark(*c) == QLatin1String("1"))
            continue;
        if (newOrder && c->DT_VALUE == editionValue)
            continue;
        items.append(item(*c));
    }
    return items;
}

QString GoodsGroupNameShown(const QString &name)
{
    return EscapeCaption(name);
}

QList<QStringList> GoodsGroupRows(const TST_LIST &store, bool appPanelShown)
{
    QList<QStringList> rows;
    const bool deliveryStore = store.SHOP_TYPE == QLatin1String("1");
    if (deliveryStore)
        rows.append({QStringLiteral("전체"), QString()});
    for (int i = 0; i < store.GOODS_GRP_LST.count(); ++i) {
        const TST_GOODS_GROUP_LIST &g = store.GOODS_GRP_LST.at(i);
        if (g.DATA_STATUS != QLatin1String("1") || g.GRP_USE_TYPE == QLatin1String("4")
            || g.GRP_USE_TYPE == QLatin1String("5"))
            continue;
        if ((appPanelShown || !deliveryStore) && g.GRP_USE_TYPE != QLatin1String("3"))
            continue;
        rows.append({GoodsGroupNameShown(g.GRP_NAME), QString(g.GRP_NO)});
    }
    return rows;
}

CloseReturn CloseReturnOf(bool otherTabOpen, int giOrd)
{
    if (otherTabOpen)
        return CloseReturn::OtherTab;
    switch (giOrd) {
    case 0:
    case 1: return CloseReturn::Today;
    case 2: return CloseReturn::Past;
    default: return CloseReturn::Nothing;
    }
}
