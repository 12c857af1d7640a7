// Store matching from the settings screen's grid to the sandbox, and the link options of the tab.
#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/qstring_print.h"
#include "devices/settings_screen_matching.h"
#include "devices/ui/settings_screen.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
class StoreMatchingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        ResetReferenceRecords();
        ResetDeviceRecords();
        OpenSettingsFile(dir.filePath(QStringLiteral("env.ini")));
        previousBoxes = SetMsgBoxHandler([this](const QString &text, const QString &) {
            boxes << text;
            return 1;
        });
        registry.setDatabase(db);
        registerDemoHandlers(registry);
        QString error;
        ASSERT_TRUE(db->initialize(&error)) << error.toStdString();
        const QList<QVariantList> stores =
            db->rows(QStringLiteral("SELECT st_code, name FROM stores ORDER BY st_code LIMIT 2"));
        ASSERT_EQ(stores.size(), 2);
        for (const QVariantList &row : stores) {
            TST_LIST &st = G_ST_LIST.append(row.value(0).toString());
            st.ST_CODE = row.value(0).toString();
            st.ST_NAME = row.value(1).toString();
        }
        G_USER_INFO.ID = QStringLiteral("kim");
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("1001");
    }
    void TearDown() override
    {
        SetMsgBoxHandler(previousBoxes);
        CloseSettingsFile();
        ResetReferenceRecords();
        ResetSessionRecords();
        ResetDeviceRecords();
    }
    // Sends through the sandbox and keeps the payloads it received.
    QString send(const QString &payload)
    {
        sent << payload;
        SandboxRequest r;
        r.reqNum = QString::fromLatin1(kBrandMatchingCode);
        r.callType = QStringLiteral("ADM1");
        r.val = payload;
        return registry.dispatch(r).buildPages(100).value(0);
    }
    QString store(int i) const { return G_SL_ST_CODE.at(i); }
    QStringList fields(int i) const { return sent.at(i).split(QChar(0x2502)); }

    QTemporaryDir dir;
    HandlerRegistry registry;
    std::shared_ptr<SandboxDatabase> db = std::make_shared<SandboxDatabase>();
    QStringList boxes, sent;
    MsgBoxHandler previousBoxes;
};

// New names get the sandbox's numbers; an unchanged or emptied name sends nothing; a rename sends
// the number it renames; apps go in the order 1, 2, 3.
TEST_F(StoreMatchingTest, SaveSendsNewAndRenamedNamesAndStoresTheNumbers)
{
    TFRM_CONFIG::Hooks h;
    h.matchingRequest = [this](const QString &payload) { return send(payload); };
    TFRM_CONFIG screen(h);
    screen.proc_init();
    QTableWidget *grid = screen.CTV_TRS_ST_NAME;
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), G_ST_LIST.at(0).ST_NAME);
    grid->item(0, 3)->setText(QStringLiteral(" 통가게 "));
    grid->item(0, 1)->setText(QStringLiteral("민족가게"));
    grid->item(1, 2)->setText(QStringLiteral("   "));  // blanks only: nothing
    screen.cxButton4Click();
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(fields(0), (QStringList{QStringLiteral("kim"), QStringLiteral("1"), QString(), store(0),
                                      QStringLiteral("1"), QStringLiteral("민족가게"), QString()}));
    EXPECT_EQ(fields(1).value(4), QStringLiteral("3"));
    EXPECT_EQ(fields(1).value(5), QStringLiteral("통가게"));
    const QString bm = G_ST_LIST.at(0).BM_NO;
    EXPECT_FALSE(bm.isEmpty());
    EXPECT_EQ(G_ST_LIST.at(0).BM_NAME, QStringLiteral("민족가게"));
    EXPECT_EQ(grid->item(0, 4)->text(), bm);  // reloaded from the records
    EXPECT_EQ(boxes, QStringList{QString::fromUtf8(kBrandMatchingDoneMsg)});
    EXPECT_EQ(db->value(QStringLiteral("SELECT name FROM store_app_names WHERE app = '1' AND app_no = ?"), {bm})
                  .toString(),
              QStringLiteral("민족가게"));

    sent.clear();
    boxes.clear();
    grid->item(0, 1)->setText(QStringLiteral("민족가게2"));
    grid->item(0, 3)->setText(QString());  // emptied: there is no removal
    screen.cxButton4Click();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(fields(0).mid(1, 5),
              (QStringList{QStringLiteral("2"), bm, store(0), QStringLiteral("1"), QStringLiteral("민족가게2")}));
    EXPECT_EQ(G_ST_LIST.at(0).BM_NAME, QStringLiteral("민족가게2"));
    EXPECT_EQ(G_ST_LIST.at(0).BT_NAME, QStringLiteral("통가게"));
}

// A refusal or a failed exchange is told and the save goes on; a missing reply stops it, is
// logged, and the user learns which stores were not sent.
TEST_F(StoreMatchingTest, RefusalGoesOnMissingReplyStopsAndTells)
{
    QList<BrandMatchingRow> rows(2);
    rows[0].stCode = store(0);
    rows[0].names = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    rows[1].stCode = store(1);
    rows[1].names = {QStringLiteral("d"), QString(), QString()};
    int n = 0;
    auto reply = [&n](const QString &) -> QString {
        ++n;
        if (n == 1)
            return QStringLiteral("{\"OUT_CODE\":\"0\",\"OUT_MSG\":\"중복된 이름\"}");
        if (n == 2)
            throw std::runtime_error("link down");
        if (n == 3)
            return QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_VAL\":\"1234567\"}");
        return QString();
    };
    QStringList told;
    EXPECT_FALSE(SaveBrandMatching(rows, reply, [&told](const QString &t) { told << t; }));
    EXPECT_EQ(n, 4);
    ASSERT_EQ(told.size(), 3);
    EXPECT_TRUE(told[0].endsWith(QStringLiteral("\r\n중복된 이름")));
    EXPECT_TRUE(told[1].endsWith(QStringLiteral("\r\nlink down")));
    EXPECT_TRUE(told[2].contains(G_ST_LIST.at(1).ST_NAME));
    EXPECT_FALSE(told.contains(QString::fromUtf8(kBrandMatchingDoneMsg)));
    EXPECT_EQ(G_ST_LIST.at(0).BT_NO, QStringLiteral("12345"));  // cut to the field
    EXPECT_TRUE(G_ST_LIST.at(0).BM_NO.isEmpty());
    EXPECT_TRUE(G_ST_LIST.at(1).BM_NAME.isEmpty());
}

TEST_F(StoreMatchingTest, PlatformRightRefusesBothLinksEvenWhenStoredOn)
{
    G_USER_INFO.CHARGE_POS_YN = QStringLiteral("N");
    G_DELIVERY_SET.Use_yn = true;
    TFRM_CONFIG screen({});
    screen.proc_init();
    EXPECT_EQ(boxes, QStringList{QStringLiteral("플래폼 기능을 사용해야 설정할수 있습니다.")});
    EXPECT_FALSE(screen.CCB_OTHER_APP_USE->isChecked());
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("DELIVERY_SET"), QStringLiteral("USE_YN"), QString()), QStringLiteral("N"));
    EXPECT_FALSE(G_DELIVERY_SET.Use_yn);
    screen.CKB_BT_USE->click();
    EXPECT_FALSE(screen.CKB_BT_USE->isChecked());
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("User"), QStringLiteral("BT_USE"), QString()), QStringLiteral("0"));
    EXPECT_EQ(boxes.size(), 2);
}
} // namespace

namespace
{
// The code carries the product base data too: a request of that shape still reaches the products.
TEST_F(StoreMatchingTest, ProductBaseDataOfTheSameCodeIsNotTakenForAMatching)
{
    SandboxRequest r;
    r.reqNum = QString::fromLatin1(kBrandMatchingCode);
    r.callType = QStringLiteral("ADM1");
    const QString sep(QChar(0x2502));
    for (int i = 0; i < 13; ++i)
        r.val += QStringLiteral("x") + sep;
    const SandboxReply reply = registry.dispatch(r);
    EXPECT_NE(reply.outMsg, QStringLiteral("매칭 정보가 올바르지 않습니다."));
    EXPECT_NE(reply.outMsg, QStringLiteral("가맹점이 없습니다."));
    EXPECT_EQ(db->value(QStringLiteral("SELECT COUNT(*) FROM store_app_names")).toInt(), 0);
}
} // namespace
