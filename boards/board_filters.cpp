#include "boards/board_filters.h"

#include "grid/grid_table_model.h"
#include "boards/board_globals.h"
#include "orders/order_globals.h"
#include "platform/clock.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QDateTime>
#include <QHash>

#include <iterator>

namespace
{

// Column names of one board.
struct FilterColumns
{
    QString status, pay, distance, branch, cthBranch, group, groupKind, shareOver, path, posType;
    QStringList orderNo, destination, store, courier;
};

FilterColumns liveColumns(const QString &p, bool completed)
{
    FilterColumns c;
    c.status = p + QLatin1String("STATUS_CD");
    c.pay = completed ? p + QLatin1String("PAY_TYPE_CD") : QStringLiteral("CTV_MAINPAY_TYPE_CD");
    c.distance = p + QLatin1String("ORD_ST_DISTANCE");
    c.branch = p + QLatin1String("BR_CODE");
    c.cthBranch = p + QLatin1String("CTH_BR_CODE");
    c.group = completed ? p + QLatin1String("DVRY_TYPE_CD") : p + QLatin1String("DRVY_TYPE_CD");
    c.groupKind = p + QLatin1String("DVRY_GRP_TYPE");
    c.shareOver = p + QLatin1String("SHARE_OVER");
    c.path = p + QLatin1String("ORD_PATH_CD");
    c.posType = p + QLatin1String("POS_TYPE_CD");
    c.orderNo = {p + QLatin1String("TODAY_ALL_NO"), p + QLatin1String("EXT_ORD_NO")};
    c.destination = {p + QLatin1String("ADDR4"), p + QLatin1String("SearchAddr4")};
    c.store = {p + QLatin1String("ORD_ST_NAME"), p + QLatin1String("SearchSTNAME")};
    c.courier = {p + QLatin1String("WK_NAME"), p + QLatin1String("WK_TEL2"), p + QLatin1String("SearchWKNAME")};
    return c;
}

const FilterColumns &columnsOf(FilterBoard board)
{
    static const FilterColumns live = liveColumns(QStringLiteral("CTV_MAIN_"), false);
    static const FilterColumns completed = liveColumns(QStringLiteral("CTV_MAIN_COMP_"), true);
    static const FilterColumns store = [] {
        FilterColumns c;
        c.status = QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD");
        c.pay = QStringLiteral("CTV_TAKEOUT_PAY_TYPE_CD");
        c.path = QStringLiteral("CTV_TAKEOUT_ORD_PATH_CD");
        c.orderNo = {QStringLiteral("CTV_TAKEOUT_ORD_TODAY_ALL_NO")};
        c.store = {QStringLiteral("CTV_TAKEOUT_ORD_ST_NAME")};
        return c;
    }();
    switch (board) {
    case FilterBoard::Live: return live;
    case FilterBoard::Completed: return completed;
    case FilterBoard::StoreOrders: break;
    }
    return store;
}

const QString kShareRuleOwn = QStringLiteral("1");
const QString kSharingGroupKind = QStringLiteral("2");

// Builds one group, dropping conditions on columns the board lacks.
class GroupBuilder
{
public:
    GroupBuilder(const ColumnOf &columnOf, FilterJoin join, bool caseInsensitive = false)
        : m_columnOf(columnOf)
    {
        m_group.join = join;
        m_group.caseInsensitive = caseInsensitive;
    }
    GroupBuilder &add(const QString &column, FilterOp op, const QVariant &value)
    {
        const int c = column.isEmpty() ? -1 : m_columnOf(column);
        if (c >= 0)
            m_group.add(FilterCondition::make(c, op, value));
        return *this;
    }
    GroupBuilder &addList(const QString &column, const QVariantList &values)
    {
        const int c = column.isEmpty() ? -1 : m_columnOf(column);
        if (c >= 0)
            m_group.add(FilterCondition::inList(c, values));
        return *this;
    }
    // The group, with the equal-to conditions of an OR group (the not-equal ones of an AND
    // group) on one column merged into one list test, so each row reads that cell once.
    FilterGroup group() const
    {
        FilterGroup out;
        out.join = m_group.join;
        out.caseInsensitive = m_group.caseInsensitive;
        const FilterOp single = m_group.join == FilterJoin::Or ? FilterOp::Equal : FilterOp::NotEqual;
        QHash<int, qsizetype> listOf; // column -> its list condition in out
        for (const FilterCondition &c : m_group.conditions) {
            if (c.op != single || c.value.typeId() != QMetaType::QString) {
                out.add(c);
                continue;
            }
            const auto at = listOf.constFind(c.column);
            if (at == listOf.constEnd()) {
                listOf.insert(c.column, out.conditions.size());
                out.add(FilterCondition::inList(c.column, {c.value}, single == FilterOp::NotEqual));
            } else if (!out.conditions[*at].values.contains(c.value)) {
                out.conditions[*at].values.append(c.value);
            }
        }
        return out;
    }

private:
    const ColumnOf &m_columnOf;
    FilterGroup m_group;
};

bool isStoreUser(const BoardFilterInputs &in) { return in.userClass == u"1"; }

// The own / shared choice applies: the group buttons are enabled and exactly one is down.
bool ownOrSharedChoice(const BoardFilterInputs &in)
{
    return in.ownGroupEnabled && in.ownGroupDown != in.sharedGroupDown;
}

bool designatedActive(FilterBoard board, const BoardFilterInputs &in)
{
    if (ownOrSharedChoice(in))
        return false;
    if (board == FilterBoard::Live)
        return !in.ownGroupEnabled && in.dispatchModeDown && in.designatedDown;
    if (board == FilterBoard::Completed)
        return in.dispatchModeDown && in.dispatchModeEnabled && in.designatedDown;
    return false;
}

QString flag(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }

QString joined(const QStringList &l) { return l.join(QChar(0x1F)); }

// Groups whose orders count as the branches' own through a sharing rule, for designated
// dispatch: for every rule in order and every ticked branch whose group receives the rule's
// shared group.
QStringList designatedRuleGroups(const BoardFilterInputs &in)
{
    QStringList out;
    for (const TSHARE_GROUP &rule : in.shareRules)
        for (const QString &g : in.branchGroups)
            if (g == QString(rule.SH_DVRY_TYPE_CD))
                out << QString(rule.DVRY_TYPE_CD);
    return out;
}

SlotGroups groupCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    const FilterColumns &c = columnsOf(board);
    GroupBuilder groups(columnOf, FilterJoin::Or);
    GroupBuilder designated(columnOf, FilterJoin::And);
    GroupBuilder exclusions(columnOf, FilterJoin::And);
    const bool live = board == FilterBoard::Live;

    if (ownOrSharedChoice(in)) {
        if (in.ownGroupDown) {
            if (live)
                for (const TSHARE_GROUP &rule : in.shareRules)
                    if (QString(rule.DVRY_SHARE_TYPE) == kShareRuleOwn)
                        groups.add(c.group, FilterOp::Equal, QString(rule.DVRY_TYPE_CD));
            for (const QString &g : in.branchGroups)
                groups.add(c.group, FilterOp::Equal, g);
            groups.add(c.groupKind, FilterOp::Equal, kSharingGroupKind);
        } else {
            // Every group to hide goes into the AND list: with two or more sharing rules their
            // not-equal conditions joined by OR would each admit the other's rows and hide
            // nothing.
            if (live)
                for (const TSHARE_GROUP &rule : in.shareRules)
                    if (QString(rule.DVRY_SHARE_TYPE) == kShareRuleOwn)
                        exclusions.add(c.group, FilterOp::NotEqual, QString(rule.DVRY_TYPE_CD));
            for (const QString &g : in.branchGroups)
                exclusions.add(c.group, FilterOp::NotEqual, g);
            exclusions.add(c.groupKind, FilterOp::NotEqual, kSharingGroupKind);
        }
    } else if (designatedActive(board, in)) {
        for (const QString &g : in.branchGroups)
            groups.add(c.group, FilterOp::Equal, g);
        for (const QString &g : designatedRuleGroups(in))
            groups.add(c.group, FilterOp::Equal, g);
        designated.addList(c.status, {QStringLiteral("2001"), QStringLiteral("2002")});
        designated.add(c.shareOver, FilterOp::Less, in.now);
    }
    return {{kSlotGroups, groups.group()},
            {kSlotDesignated, designated.group()},
            {kSlotGroupExclusions, exclusions.group()}};
}

SlotGroups statusCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    GroupBuilder g(columnOf, FilterJoin::Or);
    if (!in.statusAll) {
        // Which buttons act on which board, and the codes each stands for.
        struct Act
        {
            int button;
            const char16_t *codes[2];
        };
        static const Act live[] = {{kStAccepted, {u"1001", nullptr}}, {kStRequested, {u"2001", u"2002"}},
                                   {kStAssigned, {u"3001", nullptr}}, {kStDeparted, {u"3003", nullptr}},
                                   {kStWaiting, {u"1002", u"1007"}},  {kStInquiry, {u"4003", nullptr}}};
        static const Act completed[] = {{kStFinished, {u"4001", nullptr}}, {kStCancelled, {u"4002", nullptr}}};
        static const Act store[] = {{kStAccepted, {u"1001", nullptr}}, {kStRequested, {u"2001", u"2002"}},
                                    {kStFinished, {u"4001", nullptr}}, {kStCancelled, {u"4002", nullptr}}};
        const Act *begin = live;
        const Act *end = std::end(live);
        if (board == FilterBoard::Completed) {
            begin = completed;
            end = std::end(completed);
        } else if (board == FilterBoard::StoreOrders) {
            begin = store;
            end = std::end(store);
        }
        const QString &column = columnsOf(board).status;
        for (const Act *a = begin; a != end; ++a) {
            if (!in.status[size_t(a->button)])
                continue;
            for (const char16_t *code : a->codes)
                if (code)
                    g.add(column, FilterOp::Equal, QString::fromUtf16(code));
        }
    }
    return {{kSlotStatus, g.group()}};
}

SlotGroups paymentCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    GroupBuilder g(columnOf, FilterJoin::Or);
    if (!in.payAll) {
        const QString &column = columnsOf(board).pay;
        if (in.payCash)
            g.add(column, FilterOp::Contains, QStringLiteral("현금"));
        if (in.payCard)
            g.add(column, FilterOp::Contains, QStringLiteral("카드"));
        if (in.payPrepaid)
            g.add(column, FilterOp::Contains, QStringLiteral("선결제"));
    }
    return {{kSlotPayment, g.group()}};
}

SlotGroups distanceCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    if (board == FilterBoard::StoreOrders)
        return {};
    GroupBuilder g(columnOf, FilterJoin::Or);
    g.add(columnsOf(board).distance, FilterOp::LessEqual, in.distanceKm);
    return {{kSlotDistance, g.group()}};
}

SlotGroups branchCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    if (board == FilterBoard::StoreOrders)
        return {};
    GroupBuilder g(columnOf, FilterJoin::Or);
    bool narrow = false;
    if (board == FilterBoard::Live)
        // Distributors and stores see what the server gives them; a partner head office narrows
        // the live board only to a part of its branches.
        narrow = in.userClass != u"5" && in.userClass != u"1" && !in.branchAllTicked;
    else
        narrow = in.userClass != u"1";
    if (narrow) {
        const FilterColumns &c = columnsOf(board);
        for (const QString &code : in.branchCodes) {
            g.add(c.branch, FilterOp::Equal, code);
            g.add(c.cthBranch, FilterOp::Equal, code);
        }
    }
    return {{kSlotBranches, g.group()}};
}

SlotGroups pathCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    GroupBuilder g(columnOf, FilterJoin::Or);
    if (isStoreUser(in)) {
        const FilterColumns &c = columnsOf(board);
        for (const QString &tag : in.pathTags)
            g.add(c.path, FilterOp::Equal, tag);
        if (board != FilterBoard::StoreOrders)
            for (const QString &tag : in.posTypeTags)
                g.add(c.posType, FilterOp::Equal, tag);
    }
    return {{kSlotPathsPos, g.group()}};
}

// One box's search: its term as a plain substring (so % and _ are ordinary characters) in any
// of the box's columns, letters in any case.
FilterGroup searchGroup(const QString &term, const QStringList &columns, const ColumnOf &columnOf)
{
    // A term without cased letters (Hangul, digits) is searched as it is: the same rows, found
    // without folding every cell.
    const bool cased = term.toLower() != term || term.toUpper() != term;
    GroupBuilder g(columnOf, FilterJoin::Or, cased);
    if (!term.isEmpty())
        for (const QString &column : columns)
            g.add(column, FilterOp::Contains, term);
    return g.group();
}

SlotGroups searchCriteria(FilterBoard board, const BoardFilterInputs &in, const ColumnOf &columnOf)
{
    const FilterColumns &c = columnsOf(board);
    // Each box is a group of its own, so two filled boxes find the rows that match both, on
    // every board.
    SlotGroups out{{kSlotSearchOrderNo, searchGroup(in.searchOrderNo, c.orderNo, columnOf)},
                   {kSlotSearchStore, searchGroup(in.searchStore, c.store, columnOf)}};
    if (board != FilterBoard::StoreOrders) {
        out.append({kSlotSearchDestination, searchGroup(in.searchDestination, c.destination, columnOf)});
        out.append({kSlotSearchCourier, searchGroup(in.searchCourier, c.courier, columnOf)});
    }
    return out;
}
} // namespace

int StatusButtonTag(int button)
{
    static const int tags[kStatusButtonCount] = {1001, 2001, 3001, 3003, 4001, 4002, 1002, 4003};
    return button >= 0 && button < kStatusButtonCount ? tags[button] : 0;
}

QString SearchTerm(const QString &text, const QString &hint)
{
    if (text == hint)
        return {};
    return text.trimmed();
}

double DistanceKmOfPosition(int position)
{
    if (position >= 10)
        return 9999.0;
    return double(qMax(position, 0) + 1);
}

QString DistanceLabelOfPosition(int position, const QString &unlimitedWord)
{
    if (position >= 10)
        return unlimitedWord;
    return QString::number(qMax(position, 0) + 1) + QStringLiteral("km");
}

void FillSharedFilterInputs(BoardFilterInputs &in)
{
    in.userClass = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    in.branchCodes = G_SL_ORD_FILTER[1];
    in.branchGroups = G_SL_ORD_FILTER[2];
    in.pathTags = G_SL_ORD_FILTER[5];
    in.posTypeTags = G_SL_ORD_FILTER[6];
    in.shareRules = G_SHARE_GROUP;
    in.distanceKm = G_DVRY_DIST_KM;
    in.now = AppClock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::array<QString, kBoardFilterInputCount> BoardFilterSignatures(const BoardFilterInputs &in,
                                                                 FilterBoard board)
{
    std::array<QString, kBoardFilterInputCount> s;
    s[kInBranches] = in.userClass + u'|' + flag(in.branchAllTicked) + u'|' + joined(in.branchCodes);
    s[kInSearches] = joined({in.searchOrderNo, in.searchDestination, in.searchStore, in.searchCourier});
    QString groups = flag(in.ownGroupDown) + flag(in.sharedGroupDown) + flag(in.ownGroupEnabled)
                     + flag(in.designatedDown) + flag(in.dispatchModeDown)
                     + flag(in.dispatchModeEnabled) + u'|' + joined(in.branchGroups) + u'|';
    for (const TSHARE_GROUP &rule : in.shareRules)
        groups += QString(rule.DVRY_TYPE_CD) + u',' + QString(rule.SH_DVRY_TYPE_CD) + u','
                  + QString(rule.DVRY_SHARE_TYPE) + u';';
    // The sharing threshold moves with the clock: while designated dispatch is shown, every run
    // takes the current time, so an order whose sharing time passes appears at the next run.
    if (designatedActive(board, in))
        groups += u'|' + in.now;
    s[kInGroups] = groups;
    s[kInPayment] = flag(in.payAll) + flag(in.payCash) + flag(in.payCard) + flag(in.payPrepaid);
    QString status = flag(in.statusAll);
    for (bool b : in.status)
        status += flag(b);
    s[kInStatus] = status;
    s[kInDistance] = QString::number(in.distanceKm, 'g', 17);
    s[kInGroupMode] = flag(in.groupModeDown) + flag(in.groupModeEnabled);
    s[kInPathsPos] = in.userClass + u'|' + joined(in.pathTags) + u'|' + joined(in.posTypeTags);
    return s;
}

SlotGroups BoardFilterGroups(FilterBoard board, int input, const BoardFilterInputs &in,
                             const ColumnOf &columnOf)
{
    switch (input) {
    case kInBranches: return branchCriteria(board, in, columnOf);
    case kInSearches: return searchCriteria(board, in, columnOf);
    case kInGroups:
        return board == FilterBoard::StoreOrders ? SlotGroups{} : groupCriteria(board, in, columnOf);
    case kInPayment: return paymentCriteria(board, in, columnOf);
    case kInStatus: return statusCriteria(board, in, columnOf);
    case kInDistance: return distanceCriteria(board, in, columnOf);
    case kInPathsPos: return pathCriteria(board, in, columnOf);
    default: return {};
    }
}

// ---------------------------------------------------------------------------------------------

void BoardFilterEngine::setModel(FilterBoard board, GridTableModel *model)
{
    Board &b = m_boards[size_t(board)];
    b.model = model;
    b.built = false;
}

void BoardFilterEngine::forget()
{
    for (Board &b : m_boards)
        b.built = false;
}

unsigned BoardFilterEngine::run(const BoardFilterInputs &in)
{
    unsigned rebuilt = 0;
    for (size_t i = 0; i < m_boards.size(); ++i) {
        Board &b = m_boards[i];
        if (!b.model)
            continue;
        const auto board = FilterBoard(i);
        const auto next = BoardFilterSignatures(in, board);
        unsigned changed = 0;
        for (int k = 0; k < kBoardFilterInputCount; ++k)
            if (!b.built || next[size_t(k)] != b.signature[size_t(k)])
                changed |= 1u << k;
        if (!changed)
            continue;
        GridTableModel *model = b.model;
        const ColumnOf columnOf = [model](const QString &name) { return model->columnIndex(name); };
        model->beginUpdate();
        for (int k = 0; k < kBoardFilterInputCount; ++k) {
            if (!(changed & (1u << k)))
                continue;
            for (const auto &[slot, group] : BoardFilterGroups(board, k, in, columnOf))
                model->setFilterGroup(slot, group);
            // Stored only once the group's criteria are in place.
            b.signature[size_t(k)] = next[size_t(k)];
        }
        b.built = true;
        model->endUpdate();
        rebuilt |= changed;
    }
    return rebuilt;
}
