#include "records/goods_parse.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "records/device_records.h"
#include "records/reference_lookups.h"
#include "records/reference_records.h"
#include "text/hangul_initials.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QHash>
#include <QVarLengthArray>

#include <array>
#include <unordered_map>
#include <stdexcept>

namespace
{
// A page is logged whole when it cannot be read at all; a long page is cut so that one broken
// reply cannot flood the daily log.
constexpr int kMaxLoggedPage = 2000;

// Columns a row must have: goods rows are read up to column 37, group rows of the goods load up
// to 38 and of the detail reply up to 30, option rows up to 9.
constexpr int kGoodsColumns = 38;
constexpr int kSyncGroupColumns = 39;
constexpr int kDetailGroupColumns = 31;
constexpr int kOptionColumns = 10;

enum class Layout { Sync, Detail };

// The texts of one reply are shared where they repeat: a store's goods rows, their group copies
// and their options repeat the same flags, codes, numbers, names and prices, which the records then
// hold once. A column first compares with its own last text (the flags and codes rows have in
// common), then asks the reply's set of texts.
class TextPool
{
public:
    struct Slot
    {
        QString text;
        SharedText shared;
    };

    // The pooled text of a column; the slot holds until the next call for the same column.
    const Slot &get(int column, QStringView text)
    {
        if (text.isEmpty())
            return m_empty;
        Slot &slot = column >= 0 && column < int(m_last.size()) ? m_last[size_t(column)] : m_spare;
        if (slot.text == text)
            return slot;
        auto it = find(text);
        slot.text = it.key();
        slot.shared = it.value();
        return slot;
    }

    // A text made while reading (a name without line breaks, an initial), shared the same way.
    SharedText intern(QStringView text)
    {
        if (text.isEmpty())
            return SharedText();
        return find(text).value();
    }

private:
    QHash<QString, SharedText>::const_iterator find(QStringView text)
    {
        // A key over the row's own characters, used for the lookup only.
        auto it = m_texts.constFind(QString::fromRawData(text.data(), text.size()));
        if (it == m_texts.constEnd())
            it = m_texts.insert(text.toString(), SharedText(text));
        return it;
    }

    std::array<Slot, 40> m_last;
    Slot m_spare;
    const Slot m_empty{};
    QHash<QString, SharedText> m_texts;
};

// One row of a reply section: a text split at the field separator (escapes undone first) or a
// "C_n" object. Columns it does not have read as "".
class GoodsRow
{
public:
    GoodsRow(const QString &text, TextPool &pool) : m_pool(&pool)
    {
        m_text = text.contains(QLatin1Char('&')) ? UnescapeJsonVal(text) : text;
        const QStringView all(m_text);
        if (all.isEmpty())
            return;
        if (G_FIELD_SEP.isEmpty()) {
            m_fields.append(all);
            m_count = 1;
            return;
        }
        // The separator is one character in practice; a character search is much cheaper than a
        // text search, and forty of them are made for every row.
        const bool oneChar = G_FIELD_SEP.size() == 1;
        const QChar sep = G_FIELD_SEP.at(0);
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = oneChar ? all.indexOf(sep, from) : all.indexOf(G_FIELD_SEP, from);
            if (at < 0) {
                m_fields.append(all.mid(from));
                break;
            }
            m_fields.append(all.mid(from, at - from));
            from = at + G_FIELD_SEP.size();
        }
        m_count = int(m_fields.size());
    }
    GoodsRow(const QJsonObject &object, TextPool &pool) : m_pool(&pool)
    {
        const ReplyRow row = ReplyRow::fromObject(object);
        m_count = row.count();
        // Only the columns a goods reply has are ever read.
        const int read = qMin(m_count, kReadColumns);
        m_objectTexts.reserve(read);
        for (int c = 0; c < read; ++c)
            m_objectTexts.append(row.text(c));
        for (const QString &t : std::as_const(m_objectTexts))
            m_fields.append(QStringView(t));
    }
    GoodsRow(const GoodsRow &) = delete;
    GoodsRow &operator=(const GoodsRow &) = delete;

    int count() const { return m_count; }
    QStringView view(int column) const
    {
        return column >= 0 && column < m_fields.size() ? m_fields.at(column) : QStringView();
    }
    // The column's text as a record field (shared with every other use of it in the reply).
    const SharedText &shared(int column) const { return m_pool->get(column, view(column)).shared; }
    const QString &text(int column) const { return m_pool->get(column, view(column)).text; }
    QString trimmed(int column) const { return view(column).trimmed().toString(); }
    int toInt(int column, int fallback) const
    {
        bool ok = false;
        const int v = view(column).trimmed().toInt(&ok);
        return ok ? v : fallback;
    }
    bool isDeleted(int column) const { return view(column) == u"0"; }
    TextPool &pool() const { return *m_pool; }

    static constexpr int kReadColumns = 40;

private:
    TextPool *m_pool;
    QString m_text;
    QStringList m_objectTexts;
    QVarLengthArray<QStringView, 48> m_fields;
    int m_count = 0;
};

QString noBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

SharedText optionName(const GoodsRow &row, int column)
{
    const QStringView received = row.view(column);
    if (received.contains(QLatin1Char('\r')) || received.contains(QLatin1Char('\n')))
        return row.pool().intern(noBreaks(received.toString()));
    return row.shared(column);
}

void setName(TGOODS_LIST &rec, const GoodsRow &row, int column)
{
    rec.GOODS_NAME = optionName(row, column);
    // Line breaks are blanks either way, so the stored name is blank exactly when the received one is.
    const QStringView received = row.view(column);
    if (received.trimmed().isEmpty()) {
        rec.GOODS_NAM = SharedText();
        return;
    }
    const QChar initial = HangulInitialOf(received.at(0));
    rec.GOODS_NAM = initial.isNull() ? SharedText() : row.pool().intern(QStringView(&initial, 1));
}

// Goods columns 1..27 (number .. additional-goods count); a row's column c + shift holds goods
// column c, so goods rows read with shift 0 and group rows (store, group, then the goods columns)
// with shift 1.
void fillCore(TGOODS_LIST &rec, const GoodsRow &row, int shift)
{
    auto t = [&](int c) -> const SharedText & { return row.shared(c + shift); };
    rec.ST_GOODS_NO = t(1);
    setName(rec, row, 2 + shift);
    rec.DATA_STATUS = t(3);
    rec.IMG_MAIN_FILE = t(4);
    rec.GOODS_TYPE_CD = t(5);
    rec.GOODS_DETAIL_CD = t(6);
    rec.GOODS_TYPE_NAME = t(7);
    rec.GOODS_DETAIL_NAME = t(8);
    rec.GRP_CNT = t(9);
    rec.ORD_PRICE = t(10);
    rec.ORD_DN_PRICE = t(11);
    rec.ORD_STATUS = t(12);
    rec.ORD_DN_PERIOD = t(13);
    rec.ORD_DN_TIME = t(14);
    rec.SELL_PRICE = t(15);
    rec.SELL_DN_PRICE = t(16);
    rec.SELL_STATUS = t(17);
    rec.SELL_DN_PERIOD = t(18);
    rec.SELL_DN_TIME = t(19);
    rec.ORD_LIMIT_DAY = t(20);
    rec.ORD_LIMIT_ONCE = t(21);
    rec.SELL_LIMIT_DAY = t(22);
    rec.SELL_LIMIT_ONCE = t(23);
    rec.TAX_YN = t(24);
    rec.OPTION_1_CNT = t(25);
    rec.OPTION_2_CNT = t(26);
    rec.ADD_GOODS_CNT = t(27);
}

// Goods columns 28..37 (and 38, the cup deposit, only for goods rows).
void fillTail(TGOODS_LIST &rec, const GoodsRow &row, int shift)
{
    auto t = [&](int c) -> const SharedText & { return row.shared(c + shift); };
    rec.FR_GOODS_CODE = t(28);
    rec.POS_GOODS_CODE = t(29);
    rec.OPTION_3_CNT = t(30);
    rec.OPTION_4_CNT = t(31);
    rec.IMG_MAIN_MOD_DATE = t(32);
    rec.GOODS_MEMO = t(33);
    rec.STOCK_YN = t(34);
    rec.STOCK_CNT = t(35);
    rec.BARCODE = t(36);
    rec.ADULT_YN = t(37);
}

void fillGoodsRow(TGOODS_LIST &rec, const GoodsRow &row, Layout layout)
{
    rec.ST_CODE = row.shared(0);
    fillCore(rec, row, 0);
    rec.ADD.clear();
    fillTail(rec, row, 0);
    if (layout == Layout::Detail)
        rec.CUP_DEPOSIT_PRICE = row.pool().intern(row.trimmed(38));
    else if (row.count() > 39)
        rec.CUP_DEPOSIT_PRICE = row.shared(38);
}

void fillGroupGoodsRow(TGOODS_LIST &rec, const GoodsRow &row, Layout layout)
{
    rec.ST_CODE = row.shared(0);
    rec.GRP_NO = row.shared(1);
    fillCore(rec, row, 1);
    if (layout == Layout::Sync) {
        fillTail(rec, row, 1);
    } else {
        rec.OPTION_3_CNT = row.shared(29);
        rec.OPTION_4_CNT = row.shared(30);
    }
}

void fillOptionRow(TGOOD_OP &rec, const GoodsRow &row)
{
    rec.ST_CODE = row.shared(0);
    rec.ST_GOODS_NO = row.shared(1);
    rec.ST_GOODS_OP_NO = row.shared(2);
    rec.DATA_STATUS = row.shared(3);
    rec.OPTION_TYPE = row.shared(4);
    rec.OPTION_NAME = optionName(row, 5);
    rec.OPTION_PRICE = row.shared(6);
    rec.VIEW_ORDER = row.shared(7);
    rec.FR_GOODS_CODE = row.shared(8);
    rec.POS_GOODS_CODE = row.shared(9);
}

// Positions of the codes of the lists one merge works on. A store's goods list and its groups'
// lists hold a hundred codes and more, and every row looks its key up; a short list (the options
// of one goods item) is searched in place. The merge only appends, so an index catches up with
// the codes added since it last looked.
class KeyIndex
{
public:
    template <typename T>
    int indexOf(const CompactKeyedList<T> &list, QStringView key)
    {
        if (list.count() <= kSearchInPlace) {
            // A list this short may have been emptied (the additional goods of an item stored
            // again): positions it had are forgotten, so that its new codes are indexed afresh.
            if (!m_lists.empty())
                m_lists.erase(&list);
            return list.indexOf(key);
        }
        Positions &p = m_lists[&list];
        if (p.seen > list.count()) {
            p.pos.clear();
            p.seen = 0;
        }
        for (; p.seen < list.count(); ++p.seen) {
            const QString code = list.codeAt(p.seen);
            if (!p.pos.contains(code))  // codes may repeat: the first one counts
                p.pos.insert(code, p.seen);
        }
        const auto it = p.pos.constFind(QString::fromRawData(key.data(), key.size()));
        return it == p.pos.constEnd() ? -1 : *it;
    }

private:
    static constexpr int kSearchInPlace = 16;
    struct Positions
    {
        QHash<QString, int> pos;
        int seen = 0;
    };
    std::unordered_map<const void *, Positions> m_lists;
};

// New key: append and fill. Known key with status "0": mark deleted and keep the rest. Otherwise
// overwrite.
// `keyText` is the key as a shared text when the reply already has it, or null.
template <typename T, typename Fill>
void merge(CompactKeyedList<T> &list, KeyIndex &index, QStringView key, const SharedText *keyText, bool deleted,
           Fill fill)
{
    const int i = index.indexOf(list, key);
    if (i < 0) {
        fill(list.append(keyText ? *keyText : SharedText(key)));
        return;
    }
    T &rec = list.at(i);
    if (deleted) {
        rec.DATA_STATUS = QStringLiteral("0");
        rec.ST_CODE = SharedText();
        return;
    }
    fill(rec);
}

// A key of a group copy or an option, put together on the stack: one is made for every such row.
class JoinedKey
{
public:
    JoinedKey(QStringView a, QChar b, QStringView c)
    {
        m_chars.reserve(a.size() + 1 + c.size());
        m_chars.append(a.data(), a.size());
        m_chars.append(b);
        m_chars.append(c.data(), c.size());
    }
    QStringView view() const { return QStringView(m_chars.constData(), m_chars.size()); }

private:
    QVarLengthArray<QChar, 64> m_chars;
};

CompactKeyedList<TGOOD_OP> *optionList(TGOODS_LIST &goods, int type)
{
    switch (type) {
    case 1: return &goods.OP1;
    case 2: return &goods.OP2;
    case 3: return &goods.OP3;
    case 4: return &goods.OP4;
    case 5: return &goods.ADD;
    default: return nullptr;
    }
}

// A row that cannot be read: logged and skipped.
struct DamagedRow : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

bool hasRowShape(const QJsonValue &value, Layout layout)
{
    return layout == Layout::Sync ? value.isString() : value.isObject();
}

class GoodsMerger
{
public:
    GoodsMerger(Layout layout, const char *code, int fixedStore)
        : m_layout(layout), m_code(QString::fromLatin1(code)), m_fixedStore(fixedStore)
    {
    }

    void run(const QStringList &pages)
    {
        if (pages.isEmpty()) {
            WriteLog(m_code + QStringLiteral(" ERR[NO RESULT]"));
            return;
        }
        for (int p = 0; p < pages.size(); ++p) {
            m_page = p;
            m_row = 0;
            const QJsonDocument doc = QJsonDocument::fromJson(pages.at(p).toUtf8());
            if (!doc.isObject()) {
                WriteLog(pages.at(p).left(kMaxLoggedPage) + QStringLiteral(" Exception Err ") + QString::number(p)
                         + QStringLiteral("    ") + QString::number(m_row));
                WriteLog(m_code + QStringLiteral(" Exception Err ") + QStringLiteral("reply page is not a JSON object"));
                return;
            }
            const QJsonObject page = doc.object();
            const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
            if (outCode != QLatin1String("1")) {
                WriteLog(m_code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                         + JsonStr(page, QStringLiteral("OUT_MSG")));
                return;
            }
            const QString mark = JsonStr(page, QStringLiteral("OUT_VAL"));
            if (m_layout == Layout::Sync) {
                if (p == 0 && !mark.isEmpty()) {
                    if (TST_LIST *st = G_ST_LIST.value(m_fixedStore))
                        st->GOODS_SYNC_DT = mark;
                }
            } else if (!mark.isEmpty()) {
                m_pendingMark = mark;
            }
            goodsSection(page.value(QStringLiteral("OUT_ROW1")).toArray());
            groupSection(page.value(QStringLiteral("OUT_ROW2")).toArray());
            optionSection(page.value(QStringLiteral("OUT_ROW3")).toArray());
        }
    }

private:
    void damaged(const char *why)
    {
        WriteLog(m_code + QStringLiteral(" Exception Err ") + QString::number(m_page) + QStringLiteral("    ")
                 + QString::number(m_row) + QStringLiteral(" : ") + QString::fromLatin1(why));
    }

    template <typename Body>
    void eachRow(const QJsonArray &rows, int columns, Body body)
    {
        m_currentCode.clear();
        m_haveCurrent = false;
        m_store = nullptr;
        for (m_row = 0; m_row < rows.size(); ++m_row) {
            try {
                const QJsonValue value = rows.at(m_row);
                if (!hasRowShape(value, m_layout))
                    throw DamagedRow("not a row");
                const GoodsRow row = m_layout == Layout::Sync ? GoodsRow(value.toString(), m_pool)
                                                              : GoodsRow(value.toObject(), m_pool);
                if (row.count() < columns)
                    throw DamagedRow("short row");
                body(row);
            } catch (const DamagedRow &e) {
                damaged(e.what());
            } catch (const std::out_of_range &) {
                damaged("index out of range");
            } catch (const std::length_error &) {
                damaged("field too long");
            }
        }
    }

    // The store a row goes into, or nullptr when the row is to be dropped. The goods load names
    // the store by its index; a detail row names it in column 0 and each new run of a store code
    // looks it up again and forgets the section's current group or goods item.
    TST_LIST *storeOf(const GoodsRow &row)
    {
        if (m_layout == Layout::Sync)
            return G_ST_LIST.value(m_fixedStore);
        const QString code = row.text(0);
        if (m_store && code == m_storeCode)
            return m_store;
        if (!m_store && m_storeKnown && code == m_storeCode)
            return nullptr;
        m_storeCode = code;
        m_storeKnown = true;
        m_store = G_ST_LIST.find(code);
        m_haveCurrent = false;
        if (m_store && !m_pendingMark.isEmpty()) {
            m_store->GOODS_SYNC_DT = m_pendingMark;
            m_pendingMark.clear();
        }
        return m_store;
    }

    void resetStoreRun()
    {
        m_store = nullptr;
        m_storeKnown = false;
        m_storeCode.clear();
    }

    void goodsSection(const QJsonArray &rows)
    {
        resetStoreRun();
        if (m_layout == Layout::Sync) {
            if (TST_LIST *st = G_ST_LIST.value(m_fixedStore))
                st->GOODS_LIST.reserve(st->GOODS_LIST.count() + int(qMin<qsizetype>(rows.size(), 100000)));
        }
        eachRow(rows, kGoodsColumns, [&](const GoodsRow &row) {
            TST_LIST *st = storeOf(row);
            if (!st)
                return;
            merge(st->GOODS_LIST, m_index, row.view(1), &row.shared(1), row.isDeleted(3),
                  [&](TGOODS_LIST &rec) { fillGoodsRow(rec, row, m_layout); });
        });
    }

    void groupSection(const QJsonArray &rows)
    {
        resetStoreRun();
        int group = 0;
        int printer = -1;
        const int columns = m_layout == Layout::Sync ? kSyncGroupColumns : kDetailGroupColumns;
        eachRow(rows, columns, [&](const GoodsRow &row) {
            TST_LIST *st = storeOf(row);
            if (!st)
                return;
            const QString groupNo = row.text(1);
            if (!m_haveCurrent || groupNo != m_currentCode) {
                m_haveCurrent = true;
                m_currentCode = groupNo;
                // The default group sits at index 0 under "0"; a group number the store does not
                // know lands there too.
                group = qMax(0, st->GOODS_GRP_LST.indexOf(groupNo));
                if (group >= st->GOODS_GRP_LST.count()) {
                    // A store without any group (not even the default one) gets an unnumbered one.
                    group = st->GOODS_GRP_LST.count();
                    st->GOODS_GRP_LST.append(QString());
                }
                printer = FindGrpPrint(groupNo);
            }
            const QString goodsNo = row.text(2);
            if (printer >= 0 && printer < G_GRP_PRINT.size())
                G_GRP_PRINT[printer].slGoods.append(goodsNo);
            const JoinedKey key({}, QLatin1Char(' '), goodsNo);
            merge(st->GOODS_GRP_LST.at(group).GOODS, m_index, key.view(), nullptr, row.isDeleted(4),
                  [&](TGOODS_LIST &rec) { fillGroupGoodsRow(rec, row, m_layout); });
        });
    }

    void optionSection(const QJsonArray &rows)
    {
        resetStoreRun();
        TGOODS_LIST *goods = nullptr;
        eachRow(rows, kOptionColumns, [&](const GoodsRow &row) {
            TST_LIST *st = storeOf(row);
            if (!st)
                return;
            const QString goodsNo = row.text(1);
            if (!m_haveCurrent || goodsNo != m_currentCode) {
                m_haveCurrent = true;
                m_currentCode = goodsNo;
                goods = st->GOODS_LIST.value(m_index.indexOf(st->GOODS_LIST, goodsNo));
            }
            if (!goods)
                return;
            CompactKeyedList<TGOOD_OP> *list = optionList(*goods, row.toInt(4, 1));
            if (!list)
                return;
            const JoinedKey key(goodsNo, QLatin1Char(' '), row.view(2));
            merge(*list, m_index, key.view(), nullptr, row.isDeleted(3),
                  [&](TGOOD_OP &rec) { fillOptionRow(rec, row); });
        });
    }

    Layout m_layout;
    TextPool m_pool;
    KeyIndex m_index;
    QString m_code;
    int m_fixedStore;
    int m_page = 0;
    int m_row = 0;
    QString m_pendingMark;
    // Current store run of a detail section.
    TST_LIST *m_store = nullptr;
    QString m_storeCode;
    bool m_storeKnown = false;
    // Current group number (group rows) or goods number (option rows) of the section.
    QString m_currentCode;
    bool m_haveCurrent = false;
};
} // namespace

void ParseGoodsSync(const QStringList &pages, int row)
{
    GoodsMerger(Layout::Sync, kGoodsSyncCode, row).run(pages);
}

void ParseGoodsDetail(const QStringList &pages)
{
    GoodsMerger(Layout::Detail, kGoodsDetailCode, -1).run(pages);
}

void FillGoodsGroupRow(TST_GOODS_GROUP_LIST &group, const ReplyRow &row)
{
    group.ST_CODE = row.text(0);
    group.GRP_NO = row.text(1);
    group.GRP_NAME = row.text(2);
    group.DATA_STATUS = row.text(3);
    group.GRP_USE_TYPE = row.text(4);
}
