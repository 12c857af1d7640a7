#include "boards/board_selections.h"

#include "boards/board_globals.h"
#include "orders/order_globals.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

namespace
{
const QString kNoMaster = QStringLiteral("99999999");

// Publishes one tag list both where the boards read it and where the session keeps it.
void publishTags(int list, const QStringList &tags)
{
    SetOrderFilterList(int(list), tags);
    if (list == 5)
        G_SL_SEL_PATH_CD = tags;
    else if (list == 6)
        G_SL_SEL_POS_TYPE = tags;
}

int tickedFrom(const QList<CheckItem> &items, int first)
{
    int n = 0;
    for (int i = first; i < items.size(); ++i)
        n += items.at(i).checked ? 1 : 0;
    return n;
}

// Keeps the "전체" item (index 0) of a tag list in step after item `index` was clicked: a click
// on "전체" gives every item its state; any other click ticks "전체" exactly when every item
// after it is ticked.
void syncAllItem(QList<CheckItem> &items, int index)
{
    if (items.isEmpty())
        return;
    if (index == 0) {
        for (CheckItem &item : items)
            item.checked = items.at(0).checked;
        return;
    }
    items[0].checked = tickedFrom(items, 1) == items.size() - 1;
}
} // namespace

QList<BranchChoice> LoginBranchChoices(bool withAll)
{
    const QList<CheckItem> names = BrListCheckItems(withAll);
    const QList<CheckItem> codes = BrCodeCheckItems(withAll);
    const QList<CheckItem> groups = BrDvryTypeCheckItems(withAll);
    QList<BranchChoice> out;
    for (int i = 0; i < names.size(); ++i) {
        BranchChoice c;
        c.name = names.at(i).text;
        c.code = codes.value(i).text;
        c.group = groups.value(i).text;
        // The master store is looked up by the branch's code, so it cannot slip onto the wrong
        // branch whatever the other lists hold.
        const qsizetype m = c.code.isEmpty() ? -1 : G_SL_MASTER_BR_CODE.indexOf(c.code);
        c.masterStore = m >= 0 ? G_SL_MASTER_ST_CODE.value(m, kNoMaster) : kNoMaster;
        c.masterGroup = m >= 0 ? G_SL_MASTER_DVRY_TYPE.value(m, kNoMaster) : kNoMaster;
        if (withAll && i == 0) {
            c.code = QStringLiteral("0");
            c.group = QStringLiteral("0");
        }
        c.ticked = names.at(i).checked;
        out << c;
    }
    return out;
}

TIniFile *BoardSelections::settings() const
{
    return m_ini ? m_ini : G_INI;
}

// ---- branches -----------------------------------------------------------------------------

void BoardSelections::loadBranches(const QList<BranchChoice> &items, int firstBranch,
                                   const QStringList &savedCodes)
{
    m_branches = items;
    m_firstBranch = qBound(0, firstBranch, 1);
    bool anySaved = false;
    for (int i = m_firstBranch; i < m_branches.size(); ++i)
        anySaved |= savedCodes.contains(m_branches.at(i).code);
    if (anySaved) {
        bool allTicked = true;
        for (int i = m_firstBranch; i < m_branches.size(); ++i) {
            m_branches[i].ticked = savedCodes.contains(m_branches.at(i).code);
            allTicked &= m_branches.at(i).ticked;
        }
        if (m_firstBranch == 1 && !m_branches.isEmpty())
            m_branches[0].ticked = allTicked;
    }
    G_BR_COUNT = m_firstBranch;
    SetBranchesChecked(int(qMax<qsizetype>(0, m_branches.size() - m_firstBranch)));
    call(m_hooks.clearCompletedLoaded);
}

bool BoardSelections::branchAllTicked() const
{
    return m_firstBranch == 1 && !m_branches.isEmpty() && m_branches.at(0).ticked;
}

void BoardSelections::branchToggled(int index, bool ticked)
{
    call(m_hooks.clearCompletedLoaded);
    if (index < 0 || index >= m_branches.size())
        return;
    m_branches[index].ticked = ticked;
    if (m_branches.size() == 1) {
        m_branches[0].ticked = true;
        SetBranchesChecked(1);
        return;
    }
    const int first = m_firstBranch;
    // Only a list that starts with "전체" has an item that stands for all the others; in a
    // distributor's list item 0 is a branch like any other.
    if (first == 1) {
        if (index == 0) {
            for (int i = first; i < m_branches.size(); ++i)
                m_branches[i].ticked = m_branches.at(0).ticked;
        } else {
            bool all = true;
            for (int i = first; i < m_branches.size(); ++i)
                all &= m_branches.at(i).ticked;
            m_branches[0].ticked = all;
        }
    }
    int count = 0;
    for (int i = first; i < m_branches.size(); ++i)
        count += m_branches.at(i).ticked ? 1 : 0;
    if (count == 0) {
        const int again = index >= first ? index : first;
        m_branches[again].ticked = true;
        if (first == 1)
            m_branches[0].ticked = m_branches.size() == 2;
    }
    SetBranchesChecked(1);
}

void BoardSelections::closeBranches()
{
    if (m_hooks.setGroupButtonsEnabled)
        m_hooks.setGroupButtonsEnabled(G_BR_CHECKED == 1);
    QStringList codes, groups, masters, masterGroups;
    for (int i = m_firstBranch; i < m_branches.size(); ++i) {
        const BranchChoice &b = m_branches.at(i);
        if (!b.ticked)
            continue;
        codes << b.code;
        groups << b.group;
        masters << b.masterStore;
        masterGroups << b.masterGroup;
    }
    SetOrderFilterList(1, codes);
    SetOrderFilterList(2, groups);
    SetOrderFilterList(3, masters);
    SetOrderFilterList(4, masterGroups);
    G_SL_SEL_BR_CODE = codes;
    G_SL_SEL_DVRY_TYPE = groups;
    G_SL_SEL_MASTER_ST = masters;
    G_SL_SEL_MASTER_DVRY = masterGroups;
    publishedAllTicked = branchAllTicked();

    call(m_hooks.refilter);
    call(m_hooks.recountCallSums);
    call(m_hooks.recountCouriers);
    if (m_hooks.refreshControlScreen) {
        QList<bool> ticks;
        for (const BranchChoice &b : m_branches)
            ticks << b.ticked;
        m_hooks.refreshControlScreen(ticks);
    }
    if (TIniFile *ini = settings()) {
        const QString section = QStringLiteral("CHECK_BR") + QString(G_USER_INFO.HD) + QString(G_USER_INFO.BR);
        ini->EraseSection(section);
        for (const QString &code : codes)
            ini->WriteString(section, code, QString());
    }
    FCB_SELECT_MNGBR = false;
}

void BoardSelections::takeBranchTicks(const QList<bool> &ticks)
{
    for (int i = 0; i < m_branches.size() && i < ticks.size(); ++i)
        m_branches[i].ticked = ticks.at(i);
    closeBranches();
}

QList<std::pair<QString, QString>> BoardSelections::tickedBranches() const
{
    QList<std::pair<QString, QString>> out;
    for (int i = m_firstBranch; i < m_branches.size(); ++i)
        if (m_branches.at(i).ticked)
            out.append({m_branches.at(i).code, m_branches.at(i).name});
    return out;
}

// ---- order paths and POS types ------------------------------------------------------------

void BoardSelections::pathToggled(int index, bool ticked)
{
    if (index < 0 || index >= m_paths.size())
        return;
    SetBranchesChecked(0);
    m_paths[index].checked = ticked;
    syncAllItem(m_paths, index);
    // "전체" is no choice of its own: at least one real path or POS type stays ticked.
    if (tickedFrom(m_paths, 1) == 0 && tickedFrom(m_posTypes, 1) == 0 && m_paths.size() > 1)
        m_paths[1].checked = true;
    SetBranchesChecked(1);
}

void BoardSelections::posTypeToggled(int index, bool ticked)
{
    if (index < 0 || index >= m_posTypes.size())
        return;
    m_posTypes[index].checked = ticked;
    // A click on "전체" sets every item; a click on another item leaves "전체" as it is.
    if (index == 0)
        for (CheckItem &item : m_posTypes)
            item.checked = m_posTypes.at(0).checked;
    if (tickedFrom(m_posTypes, 1) == 0 && tickedFrom(m_paths, 1) == 0 && m_posTypes.size() > 1)
        m_posTypes[1].checked = true;
}

bool BoardSelections::closeTagList(const QList<CheckItem> &items, int list, const QString &section)
{
    publishTags(list, {});
    if (items.size() <= 1)
        return false;
    QStringList tags;
    for (int i = 1; i < items.size(); ++i)
        if (items.at(i).checked)
            tags << QString::number(items.at(i).tag);
    publishTags(list, tags);
    call(m_hooks.refilter);
    call(m_hooks.recountCallSums);
    call(m_hooks.checkStoreOrders);
    if (TIniFile *ini = settings()) {
        ini->EraseSection(section);
        for (const CheckItem &item : items)
            ini->WriteString(section, QString::number(item.tag),
                             item.checked ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return true;
}

void BoardSelections::closePaths()
{
    // Polling resumes whatever happens while the choice is applied.
    struct Resume
    {
        bool &flag;
        ~Resume() { flag = false; }
    } resume{FCB_SELECT_MNGBR};
    try {
        closeTagList(m_paths, 5, QStringLiteral("CHECK_PATH_CD"));
    } catch (...) {
    }
}

void BoardSelections::closePosTypes()
{
    struct Resume
    {
        bool &flag;
        ~Resume() { flag = false; }
    } resume{FCB_SELECT_MNGBR};
    try {
        closeTagList(m_posTypes, 6, QStringLiteral("CHECK_POS_TYPE_CD"));
    } catch (...) {
    }
}
