#include "boards/board_selections.h"

#include "boards/board_globals.h"
#include "orders/order_globals.h"
#include "orders/order_record.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace
{
BranchChoice branch(const char *name, const char *code, const char *group, bool ticked = true,
                    const char *master = "99999999", const char *masterGroup = "99999999")
{
    return BranchChoice{QString::fromUtf8(name), QString::fromLatin1(code), QString::fromLatin1(group),
                        QString::fromLatin1(master), QString::fromLatin1(masterGroup), ticked};
}

// A partner head office's list: "전체", then three branches.
QList<BranchChoice> headOfficeList()
{
    return {branch("전체", "0", "0"), branch("강남점", "B1", "G1", true, "S100", "G7"), branch("서초점", "B2", "G2"),
            branch("송파점", "B3", "G3")};
}

QList<bool> ticks(const QList<BranchChoice> &l)
{
    QList<bool> out;
    for (const BranchChoice &b : l)
        out << b.ticked;
    return out;
}

QList<bool> ticks(const QList<CheckItem> &l)
{
    QList<bool> out;
    for (const CheckItem &i : l)
        out << i.checked;
    return out;
}

QList<CheckItem> tagItems(std::initializer_list<int> tags, bool ticked = true)
{
    QList<CheckItem> out{CheckItem{QStringLiteral("전체"), {}, 0, ticked}};
    for (int t : tags)
        out << CheckItem{QString::number(t), {}, t, ticked};
    return out;
}

class BoardSelectionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetOrderGlobals();
        ResetBoardGlobals();
        ASSERT_TRUE(dir.isValid());
        ini = std::make_unique<TIniFile>(dir.filePath("settings.ini"));
        ini->WriteString("ORD", "DISPOS", "9"); // the file exists, as on every installed desk
        G_USER_INFO.HD = "H01";
        G_USER_INFO.BR = "B1";
        sel.setSettings(ini.get());
        BoardSelections::Hooks h;
        h.clearCompletedLoaded = [this] { calls << "clearCompleted"; };
        h.refilter = [this] { calls << "refilter"; };
        h.recountCallSums = [this] { calls << "recountCallSums"; };
        h.recountCouriers = [this] { calls << "recountCouriers"; };
        h.checkStoreOrders = [this] { calls << "checkStoreOrders"; };
        h.setGroupButtonsEnabled = [this](bool on) { calls << (on ? "groupsOn" : "groupsOff"); };
        h.refreshControlScreen = [this](const QList<bool> &t) {
            calls << "controlScreen";
            controlTicks = t;
        };
        sel.setHooks(h);
    }
    void TearDown() override
    {
        ResetOrderGlobals();
        ResetBoardGlobals();
    }

    QTemporaryDir dir;
    std::unique_ptr<TIniFile> ini;
    BoardSelections sel;
    QStringList calls;
    QList<bool> controlTicks;
};
} // namespace

TEST_F(BoardSelectionsTest, HeadOfficeClicksKeepAllItemAndOneBranch)
{
    struct Step
    {
        const char *name;
        int index;
        bool ticked;
        QList<bool> after;
    };
    // Applied one after the other on the head office's list.
    const Step steps[] = {
        {"unticking a branch unticks 전체", 2, false, {false, true, false, true}},
        {"ticking the last unticked branch ticks 전체", 2, true, {true, true, true, true}},
        {"unticking 전체 unticks all, then branch 1 is ticked again", 0, false, {false, true, false, false}},
        {"unticking the only ticked branch ticks it again", 1, false, {false, true, false, false}},
        {"ticking 전체 ticks every branch", 0, true, {true, true, true, true}},
    };
    sel.loadBranches(headOfficeList(), 1, {});
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        sel.branchToggled(s.index, s.ticked);
        EXPECT_EQ(ticks(sel.branches()), s.after);
        EXPECT_EQ(G_BR_CHECKED, 1);
    }
}

TEST_F(BoardSelectionsTest, DistributorListHasNoAllItem)
{
    // A distributor's item 0 is a branch: unticking it leaves the other branches alone.
    sel.loadBranches({branch("강남점", "B1", "G1"), branch("서초점", "B2", "G2"), branch("송파점", "B3", "G3")}, 0, {});
    EXPECT_EQ(G_BR_CHECKED, 3) << "at start the flag holds the number of branches";
    sel.branchToggled(0, false);
    EXPECT_EQ(ticks(sel.branches()), QList<bool>({false, true, true}));
    sel.branchToggled(1, false);
    sel.branchToggled(2, false);
    EXPECT_EQ(ticks(sel.branches()), QList<bool>({false, false, true})) << "the last one stays ticked";
    sel.branchToggled(0, true);
    EXPECT_EQ(ticks(sel.branches()), QList<bool>({true, false, true}));
}

TEST_F(BoardSelectionsTest, SingleBranchStaysTicked)
{
    sel.loadBranches({branch("강남점", "B1", "G1")}, 0, {});
    calls.clear();
    sel.branchToggled(0, false);
    EXPECT_EQ(ticks(sel.branches()), QList<bool>({true}));
    EXPECT_EQ(G_BR_CHECKED, 1);
    EXPECT_EQ(calls, QStringList({"clearCompleted"}));
}

TEST_F(BoardSelectionsTest, BranchCloseUpPublishesAppliesAndSaves)
{
    sel.loadBranches(headOfficeList(), 1, {});
    EXPECT_EQ(G_BR_COUNT, 1);
    sel.popupOpened();
    EXPECT_TRUE(sel.FCB_SELECT_MNGBR);
    sel.branchToggled(3, false);
    calls.clear();
    sel.closeBranches();

    EXPECT_EQ(G_SL_ORD_FILTER[1], QStringList({"B1", "B2"}));
    EXPECT_EQ(G_SL_ORD_FILTER[2], QStringList({"G1", "G2"}));
    EXPECT_EQ(G_SL_ORD_FILTER[3], QStringList({"S100", "99999999"})) << "no master store: 99999999";
    EXPECT_EQ(G_SL_ORD_FILTER[4], QStringList({"G7", "99999999"}));
    EXPECT_FALSE(sel.publishedAllTicked);
    EXPECT_EQ(calls, QStringList({"groupsOn", "refilter", "recountCallSums", "recountCouriers", "controlScreen"}));
    EXPECT_EQ(controlTicks, QList<bool>({false, true, true, false}));
    EXPECT_FALSE(sel.FCB_SELECT_MNGBR);

    // What the order visibility rules and the order methods read.
    EXPECT_EQ(CurrentOrderLogin().selBranches, QStringList({"B1", "B2"}));
    const TVisibilityContext v = CurrentVisibilityContext();
    EXPECT_EQ(v.selBrCode, QStringList({"B1", "B2"}));
    EXPECT_EQ(v.selDvryType, QStringList({"G1", "G2"}));
    EXPECT_EQ(v.selMasterSt, QStringList({"S100", "99999999"}));

    // Saved at once, one key per ticked code, read back at the next start.
    TIniFile reread(ini->FileName());
    EXPECT_EQ(ReadCheckedBranches(&reread, "H01", "B1"), QStringList({"B1", "B2"}));
    BoardSelections next;
    next.loadBranches(headOfficeList(), 1, ReadCheckedBranches(&reread, "H01", "B1"));
    EXPECT_EQ(ticks(next.branches()), QList<bool>({false, true, true, false}));

    // The section is rewritten, not added to.
    sel.branchToggled(0, true);
    sel.closeBranches();
    EXPECT_EQ(ReadCheckedBranches(&reread, "H01", "B1"), QStringList({"B1", "B2", "B3"}));
    EXPECT_TRUE(sel.publishedAllTicked);
}

TEST_F(BoardSelectionsTest, StartWithoutSavedBranchesKeepsAllTicked)
{
    struct Start
    {
        const char *name;
        QStringList saved;
        QList<bool> ticks;
    };
    const Start starts[] = {
        {"first start", {}, {true, true, true, true}},
        {"saved codes of branches the login no longer has", {"X9"}, {true, true, true, true}},
        {"saved part of the list", {"B3", "X9"}, {false, false, false, true}},
        {"saved the whole list", {"B1", "B2", "B3"}, {true, true, true, true}},
    };
    for (const Start &s : starts) {
        SCOPED_TRACE(s.name);
        calls.clear();
        sel.loadBranches(headOfficeList(), 1, s.saved);
        EXPECT_EQ(ticks(sel.branches()), s.ticks);
        EXPECT_EQ(G_BR_CHECKED, 3);
        EXPECT_EQ(calls, QStringList({"clearCompleted"}));
    }
}

TEST_F(BoardSelectionsTest, ControlScreenTicksComeBack)
{
    sel.loadBranches(headOfficeList(), 1, {});
    sel.takeBranchTicks({false, false, true, true});
    EXPECT_EQ(G_SL_ORD_FILTER[1], QStringList({"B2", "B3"}));
    EXPECT_EQ(controlTicks, QList<bool>({false, false, true, true}));
    EXPECT_TRUE(calls.contains("refilter"));
    EXPECT_EQ(sel.tickedBranches(),
              (QList<std::pair<QString, QString>>{{"B2", QStringLiteral("서초점")}, {"B3", QStringLiteral("송파점")}}));
}

TEST_F(BoardSelectionsTest, StorePathAndPosClicksKeepOneChoice)
{
    struct Step
    {
        const char *name;
        bool pos; // the click is in the POS list
        int index;
        bool ticked;
        QList<bool> paths;
        QList<bool> posTypes;
    };
    const Step steps[] = {
        {"unticking a path unticks 전체", false, 1, false, {false, false, true}, {true, true, true}},
        {"ticking it again ticks 전체", false, 1, true, {true, true, true}, {true, true, true}},
        {"unticking 전체 of the paths", false, 0, false, {false, false, false}, {true, true, true}},
        {"unticking 전체 of the POS types would leave nothing: POS item 1 comes back", true, 0, false,
         {false, false, false}, {false, true, false}},
        {"unticking that POS type too: POS item 1 comes back", true, 1, false, {false, false, false},
         {false, true, false}},
        {"a path ticked", false, 2, true, {false, false, true}, {false, true, false}},
        {"the POS type may go now", true, 1, false, {false, false, true}, {false, false, false}},
        {"the last path may not go: path item 1 comes back", false, 2, false, {false, true, false},
         {false, false, false}},
        {"ticking POS 전체 ticks them all", true, 0, true, {false, true, false}, {true, true, true}},
        {"unticking a POS type leaves its 전체 as it is", true, 2, false, {false, true, false}, {true, true, false}},
    };
    sel.loadPaths(tagItems({1001, 1014}));
    sel.loadPosTypes(tagItems({11, 12}));
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        if (s.pos)
            sel.posTypeToggled(s.index, s.ticked);
        else
            sel.pathToggled(s.index, s.ticked);
        EXPECT_EQ(ticks(sel.paths()), s.paths);
        EXPECT_EQ(ticks(sel.posTypes()), s.posTypes);
    }
}

TEST_F(BoardSelectionsTest, PosAllItemAloneIsNoChoice)
{
    sel.loadPaths(tagItems({1001}, false));
    sel.loadPosTypes({CheckItem{QStringLiteral("전체"), {}, 0, true}, CheckItem{"11", {}, 11, true}});
    sel.posTypeToggled(1, false);
    EXPECT_EQ(ticks(sel.posTypes()), QList<bool>({true, true}))
        << "a ticked 전체 publishes nothing, so the real item comes back";
}

TEST_F(BoardSelectionsTest, PathAndPosCloseUpsPublishAndSave)
{
    sel.loadPaths(tagItems({1001, 1014, 1028}));
    sel.loadPosTypes(tagItems({11, 12}));
    sel.pathToggled(2, false);
    sel.posTypeToggled(1, false);
    sel.popupOpened();
    calls.clear();
    sel.closePaths();
    EXPECT_EQ(G_SL_ORD_FILTER[5], QStringList({"1001", "1028"}));
    EXPECT_EQ(G_SL_SEL_PATH_CD, QStringList({"1001", "1028"}));
    EXPECT_EQ(calls, QStringList({"refilter", "recountCallSums", "checkStoreOrders"}));
    EXPECT_FALSE(sel.FCB_SELECT_MNGBR);
    sel.closePosTypes();
    EXPECT_EQ(G_SL_ORD_FILTER[6], QStringList({"12"}));
    EXPECT_EQ(CurrentOrderLogin().selPaths, QStringList({"1001", "1028"}));
    EXPECT_EQ(CurrentOrderLogin().selPosTypes, QStringList({"12"}));

    // The sections hold every item, "전체" included, as the fill reads them back.
    TIniFile reread(ini->FileName());
    EXPECT_EQ(reread.ReadSection("CHECK_PATH_CD"), QStringList({"0", "1001", "1014", "1028"}));
    EXPECT_EQ(reread.ReadString("CHECK_PATH_CD", "0", "?"), "0");
    EXPECT_EQ(reread.ReadString("CHECK_PATH_CD", "1014", "?"), "0");
    EXPECT_EQ(reread.ReadString("CHECK_PATH_CD", "1028", "?"), "1");
    EXPECT_EQ(reread.ReadString("CHECK_POS_TYPE_CD", "11", "?"), "0");
    EXPECT_EQ(reread.ReadString("CHECK_POS_TYPE_CD", "12", "?"), "1");

    G_COM_CODE_LIST.clear();
    for (const char *code : {"1001", "1014", "1028"}) {
        TCOM_CODE_LIST row;
        row.SY_CODE = "O3";
        row.DT_CODE = code;
        row.DT_NAME = QString::fromLatin1(code);
        row.DT_VALUE2 = "1";
        G_COM_CODE_LIST << row;
    }
    TIniFile *saved = G_INI;
    G_INI = &reread;
    const QList<CheckItem> restored = PathCheckItems();
    G_INI = saved;
    G_COM_CODE_LIST.clear();
    EXPECT_EQ(ticks(restored), QList<bool>({false, true, false, true}));
}

TEST_F(BoardSelectionsTest, OneItemListPublishesNothing)
{
    G_SL_ORD_FILTER[5] = QStringList({"stale"});
    sel.loadPaths(tagItems({}));
    sel.popupOpened();
    calls.clear();
    sel.closePaths();
    EXPECT_TRUE(G_SL_ORD_FILTER[5].isEmpty());
    EXPECT_TRUE(calls.isEmpty()) << "nothing refiltered or saved";
    EXPECT_FALSE(TIniFile(ini->FileName()).SectionExists("CHECK_PATH_CD"));
    EXPECT_FALSE(sel.FCB_SELECT_MNGBR);
}

TEST_F(BoardSelectionsTest, GroupButtonsAtStartOnlyForOneBranch)
{
    struct Start
    {
        const char *name;
        QList<BranchChoice> items;
        int first;
        const char *buttons;
    };
    const Start starts[] = {
        {"distributor with one branch", {branch("강남점", "B1", "G1")}, 0, "groupsOn"},
        {"distributor with two branches", {branch("강남점", "B1", "G1"), branch("서초점", "B2", "G2")}, 0, "groupsOff"},
        {"partner head office with one branch", {branch("전체", "0", "0"), branch("강남점", "B1", "G1")}, 1, "groupsOn"},
        {"partner head office with three", headOfficeList(), 1, "groupsOff"},
    };
    for (const Start &s : starts) {
        SCOPED_TRACE(s.name);
        sel.loadBranches(s.items, s.first, {});
        calls.clear();
        sel.closeBranches();
        EXPECT_EQ(calls.value(0), QString::fromLatin1(s.buttons));
    }
}

TEST_F(BoardSelectionsTest, LoginBranchesCarryTheirOwnMasterStore)
{
    ResetReferenceRecords();
    THD_LIST hd;
    hd.HD_CODE = "H01";
    hd.DATA_STATUS = "1";
    for (const char *code : {"B0", "B1", "B2"}) { // B0 is another login's branch
        TBR_LIST br;
        br.BR_CODE = code;
        br.BR_Name = QStringLiteral("지점 ") + QString::fromLatin1(code);
        br.DATA_STATUS = "1";
        br.DVRY_TYPE_CD = QStringLiteral("G") + QString::fromLatin1(code).mid(1);
        hd.BR_LIST.append(QString::fromLatin1(code), br);
    }
    G_HD_LIST.append("H01", hd);
    G_SL_BR_CODE = QStringList({"B1", "B2"});
    G_SL_MASTER_BR_CODE = QStringList({"B0", "B2"});
    G_SL_MASTER_ST_CODE = QStringList({"S000", "S002"});
    G_SL_MASTER_DVRY_TYPE = QStringList({"M0", "M2"});

    const QList<BranchChoice> choices = LoginBranchChoices(true);
    ResetReferenceRecords();
    ASSERT_EQ(choices.size(), 3);
    EXPECT_EQ(choices.at(0).code, "0");
    EXPECT_EQ(choices.at(1), branch("지점 B1", "B1", "G1"));
    EXPECT_EQ(choices.at(2), branch("지점 B2", "B2", "G2", true, "S002", "M2"));
}
