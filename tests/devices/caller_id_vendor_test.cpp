#include "tests/devices/caller_id_fixture.h"

#include "devices/caller_id_sources.h"
#include "devices/caller_id_vendor.h"
#include "settings/settings_file.h"

#include <stdexcept>

namespace
{
struct ScriptedLibrary : ICidLibrary
{
    bool loads = true;
    bool opens = true;
    QMap<int, QByteArray> pending;
    QList<int> openedPorts;
    bool loadSetDll() override { return loads; }
    bool seeId4Open(int port) override
    {
        openedPorts << port;
        return opens;
    }
    QByteArray seeId4GetMsg(int port) override { return pending.value(port); }
};

struct ScriptedLogin : ITelServiceLogin
{
    int code = 200;
    bool throws = false;
    QString key, id, pw;
    int logouts = 0;
    int login(int, const QString &k, const QString &i, const QString &p) override
    {
        if (throws)
            throw std::runtime_error("control gone");
        key = k;
        id = i;
        pw = p;
        return code;
    }
    void logout() override { ++logouts; }
};

struct RoutedCalls
{
    FakeCallTargets targets;
    CallRouter router{targets};
    RoutedCalls() { SetCallRouter(&router); }
    ~RoutedCalls() { SetCallRouter(nullptr); }
};
TEST(VendorLibrary, NoticeForAPortUsesThatSlotsChannelTable)
{
    CallerIdWorld world;
    RoutedCalls routed;
    auto library = std::make_shared<ScriptedLibrary>();
    SetCidLibrary(library);
    G_COM_CID[0].COMNAME = "COM1";
    G_COM_CID[1].COMNAME = "COM3";
    G_COM_CID[1].CH[1] = "0000102";
    CallerIdSources sources;
    sources.bindVendorComponents();
    // Bytes after the terminating zero are not message.
    library->pending[3] = QByteArray("xx2C\x02") + "0101234567" + QByteArray(1, '\0') + "999";
    CidLibrary().messageWaiting(3);
    ASSERT_EQ(routed.targets.opened.size(), 1);
    EXPECT_EQ(routed.targets.opened.at(0).stCode, QStringLiteral("0000102"));
    EXPECT_EQ(routed.targets.opened.at(0).customerTel, FormatPhone(QStringLiteral("0101234567"), 0));

    // A port of no slot is dropped.
    library->pending[7] = QByteArray("2C\x02" "0101234567");
    CidLibrary().messageWaiting(7);
    EXPECT_EQ(routed.targets.opened.size(), 1);
    SetCidLibrary(nullptr);
}

TEST(VendorLibrary, MessageMarkers)
{
    const auto seeId = DecodeSeeId4Message(QStringLiteral("A5C\x02") + QStringLiteral("010-12"));
    ASSERT_TRUE(seeId);
    EXPECT_EQ(seeId->channelText, QStringLiteral("5"));
    EXPECT_EQ(seeId->channel, 5);
    EXPECT_EQ(seeId->number, QStringLiteral("01012"));
    EXPECT_FALSE(DecodeSeeId4Message(QStringLiteral("C0101")));       // "C" first
    EXPECT_FALSE(DecodeSeeId4Message(QStringLiteral("0101")));        // no "C"
    EXPECT_EQ(DecodeSeeId4Message(QStringLiteral("xC12"))->channel, 1);
    EXPECT_EQ(DecodeSeeId4Message(QStringLiteral("3C45"))->number, QStringLiteral("345"));   // no STX: all digits

    const auto multi = DecodeMultiCidMessage(QStringLiteral("0abc\x02") + QStringLiteral("01099998888"));
    ASSERT_TRUE(multi);
    EXPECT_EQ(multi->channel, 1);
    EXPECT_EQ(multi->channelText, QStringLiteral("1"));
    EXPECT_EQ(DecodeMultiCidMessage(QStringLiteral("7\x02" "1"))->channel, 8);
    EXPECT_EQ(DecodeMultiCidMessage(QStringLiteral("x\x02" "1"))->channel, 1);
    EXPECT_FALSE(DecodeMultiCidMessage(QStringLiteral("\x02" "0101")));

    EXPECT_EQ(CidPortNumber(QStringLiteral("COM12")), 12);
    EXPECT_EQ(CidPortNumber(QStringLiteral("ttyUSB")), 1);
}

TEST(MultiLineControl, ActsWhenEitherSlotIsOnAndUsesSlotZerosTable)
{
    CallerIdWorld world;
    RoutedCalls routed;
    CallerIdSources sources;
    G_COM_CID[0].CH[0] = "0000102";
    const QString msg = QStringLiteral("0--\x02") + QStringLiteral("01099998888");
    sources.Multicid1CidMsgRx(msg, 0);
    EXPECT_TRUE(routed.targets.opened.isEmpty());   // both slots off
    G_COM_CID[1].Use_yn = "1";
    sources.Multicid1CidMsgRx(msg, 0);
    ASSERT_EQ(routed.targets.opened.size(), 1);
    EXPECT_EQ(routed.targets.opened.at(0).stCode, QStringLiteral("0000102"));
}

TEST(VendorLibrary, FailedOpenSwitchesTheSlotOffInMemoryAndFile)
{
    CallerIdWorld world;
    OpenSettingsFile(world.dir.filePath(QStringLiteral("env.ini")));
    auto library = std::make_shared<ScriptedLibrary>();
    SetCidLibrary(library);
    G_COM_CID[1].Use_yn = "1";
    G_COM_CID[1].COMNAME = "COM4";
    library->opens = false;
    VendorOpenResult r = OpenCidLibraryForSlot(1);
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(r.panelText, QStringLiteral("CID:실패"));
    EXPECT_EQ(library->openedPorts, QList<int>{4});
    EXPECT_EQ(G_COM_CID[1].Use_yn, QStringLiteral("0"));
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("COMCID2"), QStringLiteral("USE"), QString()), QStringLiteral("0"));

    library->opens = true;
    G_COM_CID[1].Use_yn = "1";
    r = OpenCidLibraryForSlot(1);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.panelText, QStringLiteral("CID:COM4"));
    // Without a library (this platform's stand-in) the slot goes off as well.
    SetCidLibrary(nullptr);
    EXPECT_FALSE(OpenCidLibraryForSlot(1).opened);
    EXPECT_EQ(G_COM_CID[1].Use_yn, QStringLiteral("0"));
    CloseSettingsFile();
}

TEST(TelephoneService, LoginCodesTextsAndLoginState)
{
    CallerIdWorld world;
    auto login = std::make_shared<ScriptedLogin>();
    SetTelServiceLogin(login);
    G_CID_KT_INFO.ID = "kt-id";
    G_CID_KT_INFO.PW = "kt-pw";
    QStringList shown;
    auto show = [&shown](const QString &text) { shown << text; };

    login->code = 402;
    EXPECT_FALSE(func_Kt_Login(show));
    EXPECT_EQ(shown, QStringList{QStringLiteral("비밀번호 오류 횟수 초과(5회 제한).")});
    EXPECT_EQ(G_CID_KT_INFO.LOGIN, QStringLiteral("0"));
    EXPECT_EQ(login->id, QStringLiteral("kt-id"));
    EXPECT_EQ(login->key.size(), 40);

    login->code = 200;
    EXPECT_TRUE(func_Kt_Login(show));
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(G_CID_KT_INFO.LOGIN, QStringLiteral("1"));   // so the exit logs out

    login->code = 9999;   // unlisted: an empty text is shown
    EXPECT_FALSE(func_Kt_Login(show));
    EXPECT_EQ(shown.last(), QString());
    login->throws = true;
    EXPECT_FALSE(func_Kt_Login(show));
    EXPECT_EQ(shown.size(), 2);

    EXPECT_EQ(KtLoginText(403), QStringLiteral("임시비밀번호 로그인.\r\n임시비밀번호 변경 창 표시"));
    EXPECT_EQ(KtLoginText(1702), QStringLiteral("PC 메모리 부족(API 생성 에러)"));
    // The stand-in answers that the service's environment is missing.
    SetTelServiceLogin(nullptr);
    EXPECT_FALSE(func_Kt_Login(show));
    EXPECT_EQ(shown.last(), QStringLiteral("API 환경 정보 얻지 못함(실행되는 경로)"));
}
} // namespace
