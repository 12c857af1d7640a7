// The main window's own requests against the sandbox: courier calls, card slips, the
// platform-payment agreement and the registered devices, each read from the sandbox's database.
#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "link/sandbox_link_fixture.h"
#include "link/tcp_client.h"
#include "start/close_routine.h"
#include "start/login.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "main/shell_globals.h"
#include "main/shell_requests.h"
#include "main/ui/contract_page.h"
#include "main/ui/main_window.h"
#include "main/ui/reg_device_admin.h"
#include "main/ui/shell_popups.h"
#include "main/ui/start_forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QWebEngineView>

namespace
{
class NoProcesses : public IProcessTable
{
public:
    QList<ProcessEntry> snapshot() override { return {}; }
    bool terminate(qint64) override { return false; }
    qint64 ownPid() const override { return 1; }
    qint64 ownUid() const override { return 1; }
};

class ShellSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();  // the refusal texts
        G_USER_INFO.ID = QStringLiteral("demo");
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("1003");
        G_USER_INFO.HD = QStringLiteral("H0001");
        G_USER_INFO.BR = QStringLiteral("B000101");
        G_USER_INFO.ST = QStringLiteral("S000101");
        host->clearReceived();
    }

    QList<SandboxRequest> requests(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == code)
                out << r;
        return out;
    }
    bool logged(const QString &text) const
    {
        for (const QString &line : log.lines())
            if (line.contains(text))
                return true;
        return false;
    }
    // The same row as the sandbox's handler reads it.
    QVariantList dbRow(const QString &sql, const QVariantList &args) const
    {
        const auto rows = host->database()->rows(sql, args);
        return rows.isEmpty() ? QVariantList() : rows.first();
    }
};
} // namespace

TEST_F(ShellSandboxTest, CourierCallFillsThePopupFromTheSandbox)
{
    const QVariantList c = dbRow(QStringLiteral("SELECT name, tel, assigned, departed, completed FROM shell_couriers "
                                                "WHERE wk_code = 'W00002'"),
                                 {});
    ASSERT_FALSE(c.isEmpty());
    TFRM_WK_CALL_POP pop;
    pop.proc_ClearEdit();
    proc_GetWkCallInfo(QStringLiteral("W00002"));
    const QList<SandboxRequest> sent = requests(QString::fromLatin1(kCourierCallCode));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().callType, QStringLiteral("ADM3"));
    EXPECT_EQ(sent.first().fields().mid(0, 5), (QStringList{"1003", "W00002", "H0001", "B000101", "S000101"}));
    EXPECT_EQ(pop.edtWkName->text(), c.at(0).toString());
    EXPECT_FALSE(pop.edtBrName->text().isEmpty());
    // An eleven-digit mobile number shows as 3-4-4, unmasked.
    const QString tel = c.at(1).toString();
    ASSERT_EQ(tel.size(), 11);
    EXPECT_EQ(pop.edtWkTel->text(), tel.left(3) + '-' + tel.mid(3, 4) + '-' + tel.mid(7));
    EXPECT_EQ(pop.edtWkStatusCnt->text(), QStringLiteral("배차:%1/출발:%2/완료:%3")
                                              .arg(c.at(2).toString(), c.at(3).toString(), c.at(4).toString()));

    // A courier the server does not know leaves the cleared boxes empty; a refusal is logged.
    pop.proc_ClearEdit();
    proc_GetWkCallInfo(QStringLiteral("W99999"));
    EXPECT_TRUE(pop.edtWkName->text().isEmpty());
    EXPECT_TRUE(pop.edtWkStatusCnt->text().isEmpty());
    LinkFaults refuse;
    refuse.outCode.insert(QString::fromLatin1(kCourierCallCode), QStringLiteral("0"));
    host->setFaults(refuse);
    proc_GetWkCallInfo(QStringLiteral("W00002"));
    EXPECT_TRUE(pop.edtWkName->text().isEmpty());
    EXPECT_TRUE(logged(QStringLiteral("CS07_38_V01 is Fail 0:")));
    host->clearFaults();
}

TEST_F(ShellSandboxTest, CardSlipOfAnOrderFromTheSandbox)
{
    TfrmCardApprList window;
    frmCardApprList = &window;
    // Order 02 was approved and then cancelled: the window shows the cancellation.
    const QVariantList last = dbRow(QStringLiteral("SELECT total, tax, acquirer FROM shell_card_slips WHERE ord_no = ? "
                                                   "ORDER BY seq DESC"),
                                    {QStringLiteral("202612110002")});
    ASSERT_FALSE(last.isEmpty());
    procCardApprList(QStringLiteral("202612110002"), QStringLiteral("1"));
    const QList<SandboxRequest> sent = requests(QString::fromLatin1(kCardSlipCode));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().callType, QStringLiteral("ADM3"));
    EXPECT_EQ(sent.first().fields().mid(0, 2), (QStringList{"202612110002", "1"}));
    TfrmCardApprList *shown = CardSlipWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->edtTranType->text(), QStringLiteral("승인취소"));
    EXPECT_EQ(shown->edtAcquireName->text(), last.at(2).toString());
    EXPECT_EQ(shown->edtInstallMent->text(), QStringLiteral("일시불"));
    const int total = last.at(0).toInt();
    const int tax = last.at(1).toInt();
    EXPECT_EQ(shown->edtTotalAmount->text(), QString::number(total) + QStringLiteral(" 원"));
    EXPECT_EQ(shown->edtTax->text(), QString::number(tax) + QStringLiteral(" 원"));
    EXPECT_EQ(shown->edtMoney->text(), QString::number(total - tax) + QStringLiteral(" 원"));
    EXPECT_EQ(shown->memShopAddress->toolTip(), QStringLiteral("202612110002"));

    // Order 03 carries a cup deposit, taken off the amount.
    const QVariantList cup = dbRow(QStringLiteral("SELECT total, tax, cup_deposit FROM shell_card_slips WHERE ord_no = ?"),
                                   {QStringLiteral("202612110003")});
    procCardApprList(QStringLiteral("202612110003"), QStringLiteral("2"));
    EXPECT_EQ(shown->edtCupPrice->text(), cup.at(2).toString() + QStringLiteral(" 원"));
    EXPECT_EQ(shown->edtMoney->text(),
              QString::number(cup.at(0).toInt() - cup.at(1).toInt() - cup.at(2).toInt()) + QStringLiteral(" 원"));

    // An order without payments changes nothing and shows nothing new.
    shown->hide();
    procCardApprList(QStringLiteral("209901010001"), QStringLiteral("1"));
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(shown->memShopAddress->toolTip(), QStringLiteral("202612110003"));
    frmCardApprList = nullptr;
}

namespace
{
// A main window (offscreen, not initialized) whose close routine ends nothing but a flag.
class ContractCheckTest : public ShellSandboxTest
{
protected:
    void SetUp() override
    {
        ShellSandboxTest::SetUp();
        SetCloseProcessTable(&table);
        CloseRoutineSteps() = CloseSteps();
        CloseRoutineSteps().endOwnProcess = [this] { ended = true; };
        TFRM_MAIN::SetInitializationHook({});
        SelectEdition();
        SetProductionMode();
        window = new TFRM_MAIN();
        QApplication::restoreOverrideCursor();
        window->Tag = 1;
        window->show();
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("5000");
        G_URL_PAY_SEND_URL = host->webBaseUrl() + QStringLiteral("/pay/send.html");
        previousRunner = SetContractPageRunner([this](TfrmReqPay *popup) {
            captions << popup->windowTitle();
            // The page is the sandbox's own, posted the signer's data.
            loaded = QTest::qWaitFor([popup] { return popup->Chromium1->title() == QStringLiteral("서명"); }, 20000);
        });
    }
    void TearDown() override
    {
        SetContractPageRunner(previousRunner);
        G_URL_PAY_SEND_URL.clear();
        if (window) {
            window->Tag = 99;
            delete window;
        }
        CloseRoutineSteps() = CloseSteps();
        SetCloseProcessTable(nullptr);
        ForgetSessionLogin();
        ShellSandboxTest::TearDown();
    }

    NoProcesses table;
    TFRM_MAIN *window = nullptr;
    ContractPageRunner previousRunner;
    QStringList captions;
    bool loaded = false;
    bool ended = false;
};
} // namespace

TEST_F(ContractCheckTest, StillMissingAgreementEndsTheProgram)
{
    G_USER_INFO.BR = QStringLiteral("B000102");  // the sandbox has no agreement for this branch
    procCheckPlaformContract();
    EXPECT_EQ(captions, QStringList{QStringLiteral("페이백 보상지급 서명")});
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(host->lookupPaths().contains(QStringLiteral("/pay/send.html")));
    const QList<SandboxRequest> sent = requests(QString::fromLatin1(kPlatformContractCode));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().callType, QStringLiteral("ADM3"));
    EXPECT_EQ(sent.first().fields().value(0), QStringLiteral("B000102"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return ended; }, 5000));
    EXPECT_EQ(window->Tag, 99);
}

TEST_F(ContractCheckTest, AgreementInPlaceOrNoAnswerLetsTheProgramGoOn)
{
    G_USER_INFO.BR = QStringLiteral("B000101");  // agreed
    procCheckPlaformContract();
    EXPECT_EQ(captions.size(), 1);
    EXPECT_EQ(requests(QString::fromLatin1(kPlatformContractCode)).size(), 1);
    QApplication::processEvents();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(window->isVisible());

    // The server does not answer the status request: logged, and the program goes on.
    G_USER_INFO.BR = QStringLiteral("B000102");
    LinkFaults silent;
    silent.closeMidFrame = true;
    silent.onlyForCode = QString::fromLatin1(kPlatformContractCode);
    host->setFaults(silent);
    procCheckPlaformContract();
    EXPECT_EQ(captions.size(), 2);
    EXPECT_TRUE(logged(QStringLiteral("CS08_21_V01 ERR[NO RESULT]")));
    QApplication::processEvents();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(window->isVisible());
    host->clearFaults();
}

TEST_F(ContractCheckTest, EditionTwentyOneAndAnAddressWithoutTlsOpenNothing)
{
    G_USER_INFO.BR = QStringLiteral("B000102");
    const int edition = G_EDITION_IDX;
    G_EDITION_IDX = 21;
    procCheckPlaformContract();
    G_EDITION_IDX = edition;
    EXPECT_TRUE(captions.isEmpty());
    EXPECT_TRUE(requests(QString::fromLatin1(kPlatformContractCode)).isEmpty());
    EXPECT_FALSE(ended);

    // The password never goes to a page over plain HTTP: the page is not opened.
    G_URL_PAY_SEND_URL = QStringLiteral("http://127.0.0.1:1/contract/platform_pay");
    G_USER_INFO.BR = QStringLiteral("B000101");
    procCheckPlaformContract();
    EXPECT_TRUE(captions.isEmpty());
    EXPECT_TRUE(logged(QStringLiteral("Contract page refused")));
}

TEST_F(ShellSandboxTest, RegisteredDevicesListChangeAndRegister)
{
    G_USER_INFO.MC = QStringLiteral("[A]PC-DEMO");
    int registrations = 0;
    TfrmRegDeviceAdmin::SetRegistrationDialog([&registrations](QWidget *) { ++registrations; });
    TfrmRegDeviceAdmin admin;
    admin.show();
    EXPECT_EQ(admin.grdRegDevice->rowCount(), 0) << "nothing loads before the search";
    EXPECT_TRUE(host->receivedRequests().isEmpty());

    admin.btnRegDeviceSearch->click();
    const QList<SandboxRequest> list = requests(QString::fromLatin1(kDeviceListCode));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.first().callType, QStringLiteral("ADM1"));
    EXPECT_EQ(list.first().fields().value(0), QStringLiteral("demo"));
    ASSERT_EQ(admin.grdRegDevice->rowCount(), 3);
    int thisPc = -1;
    for (int r = 0; r < admin.grdRegDevice->rowCount(); ++r)
        if (admin.grdRegDevice->item(r, 1)->text() == QStringLiteral("[A]PC-DEMO"))
            thisPc = r;
    ASSERT_GE(thisPc, 0);
    EXPECT_EQ(admin.grdRegDevice->item(thisPc, 2)->text(), QStringLiteral("PC"));
    EXPECT_EQ(admin.grdRegDevice->item(thisPc, 3)->text(), QStringLiteral("정상"));
    EXPECT_EQ(admin.grdRegDevice->item(thisPc, 4)->text(), QStringLiteral("계산대 PC(현재기기)"));
    EXPECT_EQ(admin.grdRegDevice->item(thisPc, 5)->text(), QStringLiteral("26-11-02"));

    // Rename this PC and stop it: the alias goes without the mark, the state as "2".
    admin.grdRegDevice->setCurrentCell(thisPc, 4);
    admin.grdRegDeviceCellDblClick();
    EXPECT_EQ(admin.edtRegDeviceAuthDeviceName->text(), QStringLiteral("계산대 PC"));
    EXPECT_TRUE(admin.rdoRegDeviceNomal->isChecked());
    admin.edtRegDeviceAuthDeviceName->setText(QStringLiteral("주방 PC"));
    admin.rdoRegDeviceStop->setChecked(true);
    admin.btnRegDeviceChange->click();
    const QList<SandboxRequest> change = requests(QString::fromLatin1(kDeviceChangeCode));
    ASSERT_EQ(change.size(), 1);
    EXPECT_EQ(change.first().callType, QStringLiteral("ADM3"));
    EXPECT_EQ(change.first().fields().mid(0, 5), (QStringList{"", "demo", "[A]PC-DEMO", "주방 PC", "2"}));
    EXPECT_EQ(boxes.shown.value(0), (QPair<QString, QString>{"Q", "수정 하시겠습니까?"}));
    EXPECT_EQ(boxes.shown.value(1), (QPair<QString, QString>{"I", "처리되었습니다!"}));
    EXPECT_FALSE(admin.pnlRegDeviceAuth->isVisible());
    EXPECT_EQ(requests(QString::fromLatin1(kDeviceListCode)).size(), 2) << "the list is read again";
    EXPECT_EQ(admin.grdRegDevice->item(thisPc, 3)->text(), QStringLiteral("정지"));
    EXPECT_EQ(admin.grdRegDevice->item(thisPc, 4)->text(), QStringLiteral("주방 PC(현재기기)"));

    // A refused change keeps the panel open and says why.
    boxes.shown.clear();
    admin.grdRegDevice->setCurrentCell(thisPc, 4);
    admin.grdRegDeviceCellDblClick();
    LinkFaults refuse;
    refuse.outCode.insert(QString::fromLatin1(kDeviceChangeCode), QStringLiteral("0"));
    host->setFaults(refuse);
    admin.btnRegDeviceChange->click();
    EXPECT_TRUE(admin.pnlRegDeviceAuth->isVisible());
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(boxes.shown.at(1).second.startsWith(QStringLiteral("실패했습니다.\r\n")));
    host->clearFaults();

    // Registering this PC reloads the list whatever the dialog's result.
    admin.btnRegDeviceReg->click();
    EXPECT_EQ(registrations, 1);
    EXPECT_EQ(requests(QString::fromLatin1(kDeviceListCode)).size(), 3);
    TfrmRegDeviceAdmin::SetRegistrationDialog({});
}
