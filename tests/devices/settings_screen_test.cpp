#include "common/message_box.h"
#include "common/program_globals.h"
#include "common/qstring_print.h"
#include "devices/settings_screen_options.h"
#include "devices/ui/caller_id_settings_frame.h"
#include "devices/ui/printer_settings_frame.h"
#include "devices/ui/settings_screen.h"
#include "layout_check.h"
#include "records/device_records.h"
#include "records/session_records.h"
#include "reference/reference_state.h"
#include "settings/address_region.h"
#include "settings/secret_store.h"
#include "settings/settings_file.h"
#include "start/start_settings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
class SettingsScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        ResetDeviceRecords();
        OpenSettingsFile(dir.filePath(QStringLiteral("env.ini")));
        previousBoxes = SetMsgBoxHandler([this](const QString &text, const QString &) {
            boxes << text;
            return 1;
        });
        G_USER_INFO.ID = QStringLiteral("kim");
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("1001");
        G_USER_INFO.UserAuthGrade = 1;
        G_USER_INFO.GUBUN = QStringLiteral("R");
        G_EDITION_IDX = 0;
    }
    void TearDown() override
    {
        SetMsgBoxHandler(previousBoxes);
        CloseSettingsFile();
        ResetSessionRecords();
        ResetDeviceRecords();
        G_EDITION_IDX = 0;
    }
    QString key(const char *section, const char *k) const
    {
        return G_INI->ReadString(QString::fromUtf8(section), QString::fromUtf8(k), QStringLiteral("<none>"));
    }
    std::unique_ptr<TFRM_CONFIG> screen(TFRM_CONFIG::Hooks h = {})
    {
        auto s = std::make_unique<TFRM_CONFIG>(h);
        s->proc_init();
        return s;
    }
    bool tabShown(TFRM_CONFIG &s, QWidget *page) const
    {
        return s.cxPageControl1->isTabVisible(s.cxPageControl1->indexOf(page));
    }

    QTemporaryDir dir;
    QStringList boxes;
    MsgBoxHandler previousBoxes;
};

// Each check box and radio button, clicked on the screen, reaches its key; after a fresh read of
// the settings file the records hold the same value again.
TEST_F(SettingsScreenTest, EveryOptionWritesItsKeyAndSurvivesARestart)
{
    struct Case
    {
        const char *control;
        const char *section;
        const char *key;
        bool check;
        const char *written;
    };
    const Case cases[] = {
        {"CCB_ALAM_LOGIN", "User", "Alam_Login", false, "0"},
        {"CCB_ALAM_1001", "User", "Alam_1001", true, "1"},
        {"CCB_ALAM_3001", "User", "Alam_3001", true, "1"},
        {"CCB_ALAM_3003", "User", "Alam_3003", true, "1"},
        {"CCB_ALAM_4001", "User", "Alam_4001", true, "1"},
        {"chkAlarmMessage", "User", "Alam_Message", true, "1"},
        {"CCB_AUTO_CLOSE", "User", "MsgClose", false, "0"},
        {"CRB_MSG_TIME3", "User", "MsgTime", true, "2000"},
        {"CCB_AUTO_Alram", "User", "MsgAlram", false, "0"},
        {"cxRadioButton1", "User", "NOTICE_ALAM", true, "0"},
        {"chkMenuNewPop", "User", "MenuPopup", true, "Y"},
        {"chkSearchAutoAddr", "User", "SearchAutoAddr", true, "Y"},
        {"chkSearchAutoDaum", "User", "SearchAutoDaum", false, "N"},
        {"chkViewAddrDetail", "User", "ViewAddrDetail", false, "N"},
        {"chkNormal", "DELIVERY_SET", "DVRY_NORMAL", false, "N"},
        {"chkSameDay", "DELIVERY_SET", "DVRY_SAMEDAY", true, "Y"},
        {"chkSameDayHub", "DELIVERY_SET", "DVRY_SAMEDAY_HUB", true, "Y"},
        {"radOrdFocusViewPos", "User", "ORDER_FOCUS_VIEW", true, "1"},
        {"radCookDateView3", "User", "COOK_VIEW_TYPE", true, "3"},
        {"crBtnAddTime1001", "User", "AddTimeViewType", true, "1"},
        {"chkOrdConfirmMsg", "User", "bOrdConfirmMsg", true, "1"},
    };
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("5001");  // the companion box is a distributor's
    auto s = screen();
    for (const Case &c : cases) {
        auto *b = s->findChild<QAbstractButton *>(QString::fromLatin1(c.control));
        ASSERT_NE(b, nullptr) << c.control;
        b->click();
        if (!c.check && b->isChecked())
            b->click();
        EXPECT_EQ(b->isChecked(), c.check) << c.control;
        EXPECT_EQ(key(c.section, c.key), QString::fromLatin1(c.written)) << c.control;
    }
    auto *trans = s->findChild<QAbstractButton *>(QStringLiteral("chkTransAppAuto"));
    trans->click();
    EXPECT_EQ(key("USER", "TRS_APP_USE"), QStringLiteral("1"));

    // A restart: the records come back from the file and a new screen shows the same states.
    ResetSessionRecords();
    ReadStartSettings(G_INI);
    auto again = screen();
    for (const Case &c : cases)
        EXPECT_EQ(again->findChild<QAbstractButton *>(QString::fromLatin1(c.control))->isChecked(), c.check)
            << c.control;
}

TEST_F(SettingsScreenTest, StatusTimeFormatTellsOnlyWhenTheValueChanges)
{
    auto s = screen();
    auto *same = s->findChild<QRadioButton *>(QStringLiteral("radOrdChgTime3003_0"));
    ASSERT_TRUE(same->isChecked());
    same->click();
    EXPECT_TRUE(boxes.isEmpty());
    s->findChild<QRadioButton *>(QStringLiteral("radOrdChgTime3003_2"))->click();
    EXPECT_EQ(boxes, QStringList{QString::fromUtf8(kOrderTimeFormatMsg)});
    EXPECT_EQ(key("User", "ORDER_TIME_FORMAT_2"), QStringLiteral("2"));
    EXPECT_EQ(G_USER_SET.ORDER_TIME_VIEW[2], QStringLiteral("2"));
    EXPECT_EQ(key("User", "ORDER_TIME_FORMAT_0"), QStringLiteral("<none>"));
}

TEST_F(SettingsScreenTest, ControlScreenChoiceAndLayout)
{
    G_USER_SET.ViewWorkControlType = QStringLiteral("3");
    G_USER_SET.WorkWkControlView = 4;
    auto s = screen();
    EXPECT_TRUE(s->radMapWkControl->isChecked());
    EXPECT_TRUE(s->radMapWkLeft->isChecked());
    EXPECT_EQ(key("User", "WorkWkControlView"), QStringLiteral("<none>"));  // loading writes nothing

    s->radWorkWkControl2001Up->click();  // layout of another screen: value of the current one stays
    EXPECT_EQ(G_USER_SET.WorkWkControlView, 4);
    EXPECT_TRUE(boxes.isEmpty());
    s->radWorkWkControl->click();
    EXPECT_EQ(key("User", "VIEW_WORK_CONTROL"), QStringLiteral("2"));
    EXPECT_EQ(key("User", "WorkWkControlView"), QStringLiteral("1"));
    EXPECT_EQ(boxes, QStringList{QString::fromUtf8(kRestartMsg)});

    boxes.clear();
    s->radOrdWkControl->click();
    s->radMapWkRight->click();  // order control: a layout button rewrites the value unchanged
    EXPECT_EQ(G_USER_SET.WorkWkControlView, 1);
    EXPECT_EQ(key("User", "WorkWkControlView"), QStringLiteral("1"));
    EXPECT_EQ(boxes, QStringList{QString::fromUtf8(kRestartMsg)});  // only the type change
}

TEST_F(SettingsScreenTest, ColoursAreRewrittenOnOpeningAndStoredByName)
{
    auto s = screen();
    EXPECT_EQ(key("User", "ColorNormalB"), QStringLiteral("clWhite"));
    EXPECT_EQ(key("User", "ColorOrdDvryNoAddrB"), QStringLiteral("$000080FF"));
    EXPECT_EQ(key("User", "ColorOrdStNoChkB"), QStringLiteral("clBlue"));
    QComboBox *box = s->colourBoxes[0];
    box->setCurrentIndex(SettingsPalette().indexOf(0x000080));  // navy
    s->colourClosed(0);
    EXPECT_EQ(key("User", "ColorNormalB"), QStringLiteral("clNavy"));
    EXPECT_EQ(G_USER_SET.ColorNormalB, 0x000080u);
}

// The column list hides the first column of a caption in every order view and rewrites the
// whole section.
TEST_F(SettingsScreenTest, HiddenColumnsFollowTheListInEveryView)
{
    G_INI->WriteString(QStringLiteral("ORD_COLUMN"), QStringLiteral("주소"), QStringLiteral("0"));
    G_INI->WriteString(QStringLiteral("ORD_COLUMN"), QStringLiteral("옛날컬럼"), QStringLiteral("0"));
    QStandardItemModel model(1, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("주소"), QStringLiteral("금액"), QStringLiteral("금액")});
    QTableView a, b;
    a.setModel(&model);
    b.setModel(&model);
    TFRM_CONFIG::Hooks h;
    h.boardColumns = [] { return QStringList{QStringLiteral("주소"), QStringLiteral("금액"), QString()}; };
    h.orderViews = [&] { return QList<QTableView *>{&a, &b}; };
    int reloads = 0;
    h.reloadBoardLayouts = [&] { ++reloads; };
    auto s = screen(h);
    ASSERT_EQ(s->CHK_ORD_GRID->count(), 3);
    EXPECT_EQ(s->CHK_ORD_GRID->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(s->CHK_ORD_GRID->item(1)->checkState(), Qt::Unchecked);

    s->CHK_ORD_GRID->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(G_INI->ReadSection(QStringLiteral("ORD_COLUMN")),
              (QStringList{QStringLiteral("주소"), QStringLiteral("금액")}));
    EXPECT_EQ(key("ORD_COLUMN", "금액"), QStringLiteral("0"));
    for (QTableView *v : {&a, &b}) {
        EXPECT_TRUE(v->isColumnHidden(0));
        EXPECT_TRUE(v->isColumnHidden(1));
        EXPECT_FALSE(v->isColumnHidden(2));  // the second column of that caption stays
    }
    s->CHK_ORD_GRID->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(key("ORD_COLUMN", "주소"), QStringLiteral("1"));
    EXPECT_FALSE(a.isColumnHidden(0));
    s->columnListLeft();
    EXPECT_EQ(reloads, 1);
}

TEST_F(SettingsScreenTest, TabsByGradeUserClassAndEdition)
{
    struct Case
    {
        int grade;
        const char *type;
        int edition;
        bool printers, cid, matching, transApp;
    };
    const Case cases[] = {
        {3, "1001", 0, true, true, true, false},
        {4, "1001", 0, false, false, true, false},
        {1, "5001", 0, true, true, false, true},
        {1, "6001", 0, true, true, false, false},
        {1, "4001", 2, true, false, true, false},
    };
    for (const Case &c : cases) {
        G_USER_INFO.UserAuthGrade = c.grade;
        G_USER_INFO.USER_TYPE_CD = QString::fromLatin1(c.type);
        G_EDITION_IDX = c.edition;
        auto s = screen();
        const QString label = QStringLiteral("%1 %2 %3").arg(c.grade).arg(QLatin1String(c.type)).arg(c.edition);
        EXPECT_TRUE(tabShown(*s, s->cxTabSheet6)) << label.toStdString();
        EXPECT_TRUE(tabShown(*s, s->cxTabSheet3)) << label.toStdString();
        EXPECT_EQ(tabShown(*s, s->cxTabSheet1), c.printers) << label.toStdString();
        EXPECT_EQ(tabShown(*s, s->cxTabSheet2), c.cid) << label.toStdString();
        EXPECT_EQ(tabShown(*s, s->cxTabSheet8), c.matching) << label.toStdString();
        EXPECT_EQ(s->gbTransApp->isEnabled(), c.transApp) << label.toStdString();
    }
}

TEST_F(SettingsScreenTest, PrinterTabHostsFourFramesWithThePcsLists)
{
    TFRM_CONFIG::Hooks h;
    h.serialPorts = [] { return QStringList{QStringLiteral("ttyS0"), QString::fromUtf8("ttyUSB1\0junk", 12)}; };
    h.printerNames = [] { return QStringList{QStringLiteral("Counter")}; };
    int printButton = -1;
    h.setPrintButtonEnabled = [&](bool on) { printButton = on; };
    auto s = screen(h);
    ASSERT_EQ(s->printFrames.size(), 4);
    EXPECT_EQ(s->printFrames[3]->title(), QStringLiteral("프린터기4"));
    QComboBox *ports = s->printFrames[2]->CCB_COM_PORT;
    ASSERT_EQ(ports->count(), 2);
    EXPECT_EQ(ports->itemText(1), QStringLiteral("ttyUSB1"));
    EXPECT_EQ(s->printFrames[0]->CCB_USB->findText(QStringLiteral("Counter")), 0);
    s->printFrames[1]->CCB_USE->click();
    EXPECT_EQ(printButton, 1);
    ASSERT_EQ(s->cidFrames.size(), 2);
    EXPECT_FALSE(s->cidFrames[1]->CRB_SUNPO->isVisibleTo(s->cidFrames[1]));
}

TEST_F(SettingsScreenTest, KeepAliveTimeIsStoredPerUser)
{
    TfrmSessionTimeSet dialog;
    EXPECT_EQ(dialog.ccbSessiontime->currentData().toString(), QStringLiteral("1800"));
    EXPECT_EQ(dialog.ccbSessiontime->count(), 11);
    dialog.setValue(QStringLiteral("7200"));
    dialog.btnSaveClick();
    G_USER_INFO.ID = QStringLiteral("lee");
    dialog.setValue(QStringLiteral("36000"));
    dialog.btnSaveClick();
    EXPECT_EQ(key("SESSION", "kim"), QStringLiteral("7200"));
    EXPECT_EQ(key("SESSION", "lee"), QStringLiteral("36000"));
    EXPECT_EQ(G_SESSION_SEC, QStringLiteral("36000"));
}

TEST_F(SettingsScreenTest, RegionsSaveInTheSessionsMode)
{
    G_EXE_DIR = dir.path() + QLatin1Char('/');
    for (int n = 1; n <= kAddrAreaCount; ++n)
        G_ADDR_AREA[size_t(n)] = QStringLiteral("Y");
    G_USER_INFO.GUBUN = QStringLiteral("T");
    auto s = screen();
    EXPECT_FALSE(s->chkAddr[4]->isEnabled());
    EXPECT_FALSE(s->chkAddr[4]->isChecked());
    EXPECT_TRUE(s->chkAddr[0]->isChecked());
    s->chkAddr[0]->click();
    s->btnAddrSaveClick();
    TIniFile addr(AddrInfoPath());
    EXPECT_EQ(addr.ReadString(QStringLiteral("AREA"), QStringLiteral("TADDR1"), QString()), QStringLiteral("N"));
    EXPECT_EQ(addr.ReadString(QStringLiteral("AREA"), QStringLiteral("TADDR5"), QString()), QStringLiteral("N"));
    EXPECT_EQ(addr.ReadString(QStringLiteral("AREA"), QStringLiteral("TADDR4"), QString()), QStringLiteral("Y"));
    EXPECT_FALSE(addr.ValueExists(QStringLiteral("AREA"), QStringLiteral("ADDR1")));
    EXPECT_EQ(boxes, QStringList{QString::fromUtf8(kAddrAreaSavedMsg)});
    G_EXE_DIR.clear();
}

class MemorySecrets : public ISecretStore
{
public:
    bool write(const QString &account, const QString &secret) override
    {
        values[account] = secret;
        return true;
    }
    std::optional<QString> read(const QString &account) override
    {
        if (!values.contains(account))
            return std::nullopt;
        return values.value(account);
    }
    bool remove(const QString &account) override { return values.remove(account) > 0; }
    QHash<QString, QString> values;
};

// The stored server settings pick the list position: by name when one is stored, else by address.
TEST_F(SettingsScreenTest, KeyPhoneServerListMatchesStoredSettings)
{
    struct Case
    {
        const char *name, *address;
        int position;
        const char *shownAddress, *nameAfter;
    };
    const Case cases[] = {
        {"", "10.0.0.2", 2, "10.0.0.2", "본점"},          // address only: the name is taken over
        {"지점", "", 1, "10.0.0.1", "지점"},
        {"없는서버", "192.168.0.9", 0, "192.168.0.9", "없는서버"},  // stale name: direct entry
        {"", "172.16.0.1", 0, "172.16.0.1", ""},
    };
    CCB_CID.clear();
    CCB_CID.add(QStringLiteral("10.0.0.1"), QStringLiteral("지점"));
    CCB_CID.add(QStringLiteral("10.0.0.2"), QStringLiteral("본점"));
    for (const Case &c : cases) {
        G_CID_INFO.SVR_NAME = QString::fromUtf8(c.name);
        G_CID_INFO.SERVER_IP = QString::fromUtf8(c.address);
        auto s = screen();
        EXPECT_EQ(s->CCB_CID_IP->currentIndex(), c.position) << c.name;
        EXPECT_EQ(s->CTE_CID_IP->text(), QString::fromUtf8(c.shownAddress)) << c.name;
        EXPECT_EQ(G_CID_INFO.SVR_NAME, QString::fromUtf8(c.nameAfter)) << c.name;
        EXPECT_EQ(key("CID", "SVR_NAME"), QStringLiteral("<none>")) << c.name;  // loading writes nothing
    }
    auto s = screen();
    s->CCB_CID_IP->setCurrentIndex(2);
    EXPECT_EQ(key("CID", "SERVER_IP"), QStringLiteral("10.0.0.2"));
    s->CCB_CID_IP->setCurrentIndex(0);  // direct entry clears the address at once
    EXPECT_EQ(s->CTE_CID_IP->text(), QString());
    EXPECT_EQ(key("CID", "SERVER_IP"), QString());
    EXPECT_EQ(key("CID", "SVR_NAME"), QStringLiteral("직접입력"));
    CCB_CID.clear();
}

TEST_F(SettingsScreenTest, KeyPhoneSaveReconnectsOnlyWhenInUse)
{
    auto secrets = std::make_shared<MemorySecrets>();
    auto previous = SetSecretStore(secrets);
    TFRM_CONFIG::Hooks h;
    int reconnects = 0, logins = 0;
    h.reconnectCidServer = [&] { ++reconnects; };
    h.ktLogin = [&] { ++logins; };
    auto s = screen(h);
    s->CTE_CID_IP->setText(QStringLiteral("10.1.2.3"));
    s->CCE_CID_PORT->setValue(20010);
    s->CTE_CID_STATION->setText(QStringLiteral("201"));
    s->CBT_CU_TEL->click();
    EXPECT_EQ(reconnects, 0);
    EXPECT_EQ(G_INI->ReadSection(QStringLiteral("CID")),
              (QStringList{QStringLiteral("USE"), QStringLiteral("SVR_NAME"), QStringLiteral("SERVER_IP"),
                           QStringLiteral("Port"), QStringLiteral("NaeSun"), QStringLiteral("IGUBUN")}));
    EXPECT_EQ(key("CID", "Port"), QStringLiteral("20010"));
    s->CCB_CID_USE->click();
    EXPECT_EQ(key("CID", "USE"), QStringLiteral("1"));
    EXPECT_EQ(reconnects, 0);  // the box alone does not reconnect
    s->CBT_CU_TEL->click();
    EXPECT_EQ(reconnects, 1);
    EXPECT_EQ(boxes, (QStringList{QStringLiteral("저장했습니다."), QStringLiteral("저장했습니다.")}));

    s->CCB_KT_USE->click();
    s->CTE_KT_ID->setText(QStringLiteral("kt01"));
    s->CTE_KT_PW->setText(QStringLiteral("secret!"));
    s->cxButton1->click();
    EXPECT_EQ(logins, 1);
    EXPECT_EQ(key("KTCID", "ID"), QStringLiteral("kt01"));
    EXPECT_FALSE(G_INI->ReadString(QStringLiteral("KTCID"), QStringLiteral("PW"), QString()).contains(QStringLiteral("secret")));
    EXPECT_EQ(secrets->values.values(), QStringList{QStringLiteral("secret!")});
    G_CID_KT_INFO.LOGIN = QStringLiteral("1");
    s->cxButton1->click();
    EXPECT_EQ(logins, 1);  // already logged in
    SetSecretStore(previous);
}

TEST_F(SettingsScreenTest, ShownScreenHasNoClippedOrOverlappingWidgets)
{
    auto s = screen();
    s->resize(1500, 900);
    s->show();
    for (int i = 0; i < s->cxPageControl1->count(); ++i) {
        s->cxPageControl1->setCurrentIndex(i);
        EXPECT_EQ(LayoutCheck::Problems(s.get()), QStringList()) << i;
    }
}
} // namespace
