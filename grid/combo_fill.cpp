#include "grid/combo_fill.h"

#include "common/interface_texts.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QSet>

#include <functional>

namespace
{
// The all item's text is the first state text, so it follows the interface language.
QString allText()
{
    return G_TXT_STATE[0].isEmpty() ? QStringLiteral("전체") : G_TXT_STATE[0];
}

// Active branches of active head offices, in list order; with `chosenOnly` only those whose
// code is in the login's branch choice.
void forEachBranch(bool chosenOnly, const std::function<void(const TBR_LIST &)> &fn)
{
    for (int h = 0; h < G_HD_LIST.count(); ++h) {
        const THD_LIST &hd = G_HD_LIST.at(h);
        if (!IsActiveHeadOffice(hd.DATA_STATUS))
            continue;
        for (int b = 0; b < hd.BR_LIST.count(); ++b) {
            const TBR_LIST &br = hd.BR_LIST.at(b);
            if (!IsActiveHeadOffice(br.DATA_STATUS))
                continue;
            if (chosenOnly && !G_SL_BR_CODE.contains(br.BR_CODE))
                continue;
            fn(br);
        }
    }
}

// The check-combo pattern shared by the branch code, group and master-store lists.
QList<CheckItem> codeCheckItems(bool withAll, bool chosenOnly,
                                const std::function<CheckItem(const TBR_LIST &)> &make)
{
    QList<CheckItem> items;
    if (G_SL_BR_CODE.isEmpty() && !withAll)
        return {CheckItem{QStringLiteral("0"), QStringLiteral("0"), 0, true}};
    if (withAll)
        items << CheckItem{QStringLiteral("0"), QStringLiteral("0"), 0, true};
    forEachBranch(chosenOnly, [&](const TBR_LIST &br) {
        CheckItem item = make(br);
        item.checked = true;
        items << item;
    });
    return items;
}

// Common codes of a group whose second value starts with "1", ticked from a settings section.
QList<CheckItem> codeChoiceItems(const QString &syCode, const QString &section,
                                 QStringList &selected, bool pathExtras)
{
    QList<CheckItem> items;
    items << CheckItem{allText(), allText(), 0, false};
    for (const TCOM_CODE_LIST &row : G_COM_CODE_LIST) {
        if (row.SY_CODE != syCode || !row.DT_VALUE2.startsWith(QLatin1Char('1')))
            continue;
        const int tag = row.DT_CODE.toInt();
        if (pathExtras && row.DT_CODE == u"1039") {
            items << CheckItem{QStringLiteral("상생") + row.DT_NAME, {}, 1039, false};
            items << CheckItem{QStringLiteral("빠른") + row.DT_NAME, {}, 5000, false};
            continue;
        }
        items << CheckItem{row.DT_NAME, {}, tag, false};
        if (pathExtras && row.DT_CODE == u"1069")
            items << CheckItem{row.DT_NAME + QStringLiteral("(0순위)"), {}, 5001, false};
    }
    // The list mirrors the ticks of this fill, so a second fill does not pile up old tags.
    selected.clear();
    for (CheckItem &item : items) {
        item.checked = G_INI ? G_INI->ReadBool(section, QString::number(item.tag), true) : true;
        if (item.checked)
            selected << QString::number(item.tag);
    }
    return items;
}

// Active stores in list order that `taken` accepts and whose name holds nameFilter (any name
// when it is empty). The box changes only when the fill holds at least one item.
void addStores(ComboFill &fill, const QString &nameFilter, const std::function<bool(const TST_LIST &)> &taken)
{
    for (int s = 0; s < G_ST_LIST.count(); ++s) {
        const TST_LIST &st = G_ST_LIST.at(s);
        if (!taken(st) || !IsActiveStore(st.DATA_STAUS))
            continue;
        if (!nameFilter.isEmpty() && !st.ST_NAME.contains(nameFilter))
            continue;
        fill.items << ComboItem{st.ST_CODE, st.ST_NAME, 0};
    }
    fill.change = !fill.items.isEmpty();
}

// "province|district" -> the district, or nullptr.
const TADDR_2 *findDistrict(const QString &key)
{
    const qsizetype bar = key.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return nullptr;
    const TADDR_1 *province = G_ADDR_1.find(key.left(bar));
    if (!province)
        return nullptr;
    const int d = province->ADDR2.indexOf(key.mid(bar + 1));
    return province->ADDR2.value(d);
}
} // namespace

bool IsActiveHeadOffice(const QString &dataStatus)
{
    return dataStatus != u"0" && dataStatus != u"2";
}

bool IsActiveStore(const QString &dataStaus)
{
    return dataStaus != u"0";
}

bool IsActiveComCode(const QString &dataStatus)
{
    return dataStatus == u"1";
}

ComboFill BrListComboFill(bool withAll)
{
    ComboFill fill;
    if (G_SL_BR_CODE.isEmpty() && !withAll) {
        fill.items << ComboItem{QStringLiteral("0"), G_USER_INFO.GRP_NAME, 0};
        fill.select = 0;
        return fill;
    }
    if (withAll)
        fill.items << ComboItem{QStringLiteral("0"), allText(), 0};
    forEachBranch(true, [&](const TBR_LIST &br) { fill.items << ComboItem{br.BR_CODE, br.BR_Name, 0}; });
    return fill;
}

ComboFill HdComboFill(const QString &userType, bool withAll)
{
    ComboFill fill;
    if (withAll)
        fill.items << ComboItem{QString(), QStringLiteral(" 전   체 "), 0};
    bool addedHd = false;
    if (userType == u"7") {
        for (int h = G_HD_LIST.count() - 1; h >= 0; --h) {
            const THD_LIST &hd = G_HD_LIST.at(h);
            fill.items << ComboItem{hd.HD_CODE, QStringLiteral("제휴본사:") + hd.HD_Name, 7000};
            addedHd = true;
        }
    }
    const QString prefix = withAll || addedHd ? QStringLiteral(" 총  판 :") : QString();
    fill.items << HdBranchComboFill(QString(), false, prefix).items;
    return fill;
}

ComboFill HdBranchComboFill(const QString &hdCode, bool clear, const QString &prefix)
{
    ComboFill fill;
    fill.clear = clear;
    for (int h = 0; h < G_HD_LIST.count(); ++h) {
        const THD_LIST &hd = G_HD_LIST.at(h);
        if (!hdCode.isEmpty() && hd.HD_CODE != hdCode)
            continue;
        for (int b = 0; b < hd.BR_LIST.count(); ++b) {
            const TBR_LIST &br = hd.BR_LIST.at(b);
            if (br.DATA_STATUS == u"0")
                continue;
            fill.items << ComboItem{br.BR_CODE, prefix + br.BR_Name, 5000};
        }
    }
    return fill;
}

ComboFill StoreComboFill(const QString &brCode, const QString &nameFilter)
{
    ComboFill fill;
    addStores(fill, nameFilter, [&](const TST_LIST &st) { return brCode.isEmpty() || st.BR_CODE == brCode; });
    return fill;
}

ComboFill StoreComboExFill(const QString &brCode, const QString &dvryTypeCd, bool withAll,
                           const QString &nameFilter)
{
    ComboFill fill;
    if (withAll)
        fill.items << ComboItem{QStringLiteral("0"), allText(), 0};
    addStores(fill, nameFilter, [&](const TST_LIST &st) {
        return brCode.isEmpty() || st.BR_CODE == brCode || st.DVRY_TYPE_CD == dvryTypeCd;
    });
    return fill;
}

ComboFill ComCodeComboFill(const QString &syCode, const QString &parentDtCode, bool activeOnly)
{
    ComboFill fill;
    for (const TCOM_CODE_LIST &row : G_COM_CODE_LIST) {
        if (row.SY_CODE != syCode)
            continue;
        if (!parentDtCode.isEmpty() && row.PARENT_DT_CODE != parentDtCode)
            continue;
        if (activeOnly && !IsActiveComCode(row.DATA_STATUS))
            continue;
        fill.items << ComboItem{row.DT_CODE, row.DT_NAME, 0};
    }
    return fill;
}

ComboFill GoodsGroupComboFill(const QString &selected)
{
    ComboFill fill;
    fill.items << ComboItem{QStringLiteral("0"), allText(), 0};
    for (int s = 0; s < G_ST_LIST.count(); ++s) {
        const TST_LIST &st = G_ST_LIST.at(s);
        for (int g = 0; g < st.GOODS_GRP_LST.count(); ++g) {
            const TST_GOODS_GROUP_LIST &grp = st.GOODS_GRP_LST.at(g);
            if (grp.GRP_USE_TYPE != u"5" || grp.DATA_STATUS != u"1")
                continue;
            fill.items << ComboItem{grp.GRP_NO, grp.GRP_NAME + u'[' + st.ST_NAME + u']', 0};
        }
    }
    fill.select = -1;
    for (int i = 0; i < fill.items.size(); ++i)
        if (fill.items.at(i).value == selected) {
            fill.select = i;
            break;
        }
    return fill;
}

QList<CheckItem> BrListCheckItems(bool withAll)
{
    if (G_SL_BR_CODE.isEmpty())
        return {CheckItem{G_USER_INFO.GRP_NAME, G_USER_INFO.GRP_NAME, 0, !withAll}};
    QList<CheckItem> items;
    if (withAll)
        items << CheckItem{allText(), allText(), 0, true};
    forEachBranch(true, [&](const TBR_LIST &br) {
        items << CheckItem{br.BR_Name, br.BR_Name, 0, true};
    });
    return items;
}

QList<CheckItem> BrCodeCheckItems(bool withAll)
{
    return codeCheckItems(withAll, true, [](const TBR_LIST &br) {
        return CheckItem{br.BR_CODE, br.BR_CODE, 0, true};
    });
}

QList<CheckItem> BrDvryTypeCheckItems(bool withAll)
{
    return codeCheckItems(withAll, true, [](const TBR_LIST &br) {
        return CheckItem{br.DVRY_TYPE_CD, br.DVRY_TYPE_CD, 0, true};
    });
}

QList<CheckItem> BrMasterCheckItems(bool withAll)
{
    return codeCheckItems(withAll, false, [](const TBR_LIST &br) {
        const qsizetype i = G_SL_MASTER_BR_CODE.indexOf(br.BR_CODE);
        const QString none = QStringLiteral("99999999");
        const QString store = i >= 0 ? G_SL_MASTER_ST_CODE.value(i) : none;
        const QString group = i >= 0 ? G_SL_MASTER_DVRY_TYPE.value(i) : none;
        return CheckItem{group, store, 0, true};
    });
}

QList<CheckItem> PathCheckItems()
{
    return codeChoiceItems(QStringLiteral("O3"), QStringLiteral("CHECK_PATH_CD"),
                           G_SL_SEL_PATH_CD, true);
}

QList<CheckItem> PosTypeCheckItems()
{
    return codeChoiceItems(QStringLiteral("PT"), QStringLiteral("CHECK_POS_TYPE_CD"),
                           G_SL_SEL_POS_TYPE, false);
}

QStringList AddrCheckNames(int kind, const QString &key)
{
    if (kind != 2 && kind != 3)
        return {};
    const TADDR_2 *district = findDistrict(key);
    if (!district)
        return {};
    return kind == 2 ? district->SL_ADDR3 : district->SL_ADDR8;
}

QStringList AddrComboTexts(int mode, const QString &key)
{
    QStringList texts;
    switch (mode) {
    case 0:
    case 5:
        for (int p = 0; p < G_ADDR_1.count(); ++p)
            texts << G_ADDR_1.at(p).ADDR1;
        if (mode == 5)
            texts.prepend(allText());
        break;
    case 1:
    case 6:
        if (key == allText())
            return {allText()};
        if (const TADDR_1 *province = G_ADDR_1.find(key))
            texts = province->SL_ADDR2();
        if (mode == 6)
            texts.prepend(allText());
        break;
    case 2:
    case 3: {
        const qsizetype bar = key.indexOf(QLatin1Char('|'));
        if (bar < 0)
            return {};
        if (key.mid(bar + 1) == allText())
            return {allText()};
        texts = AddrCheckNames(mode, key);
        texts.prepend(allText());
        break;
    }
    case 4: {
        if (const TADDR_2 *district = findDistrict(key)) {
            QSet<QString> seen;
            for (int a = 0; a < district->ADDR_INFO.count(); ++a) {
                const QString &k = district->ADDR_INFO.at(a).KEYWORD_TEXT;
                if (!seen.contains(k)) {
                    seen.insert(k);
                    texts << k;
                }
            }
            texts.sort();
        }
        texts.prepend(allText());
        break;
    }
    default:
        break;
    }
    return texts;
}

int FindStoreByShopType(int kind)
{
    static const QStringList kDelivery = {"1", "2", "3"};
    static const QStringList kQuick = {"4", "5", "6"};
    if (kind != 1 && kind != 2)
        return -1;
    const QStringList &types = kind == 1 ? kDelivery : kQuick;
    for (int s = 0; s < G_ST_LIST.count(); ++s)
        if (types.contains(G_ST_LIST.at(s).SHOP_TYPE))
            return s;
    return -1;
}

QString FormatHhNn(const QString &s)
{
    return s.left(2) + u':' + s.mid(2, 2);
}
