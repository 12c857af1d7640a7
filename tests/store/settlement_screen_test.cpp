// The settlement screen offscreen against the sandbox, as a distributor sees it: the ledger
// search fills the grid and its footer adds up, categories narrow it, and the transfer popup
// moves the money and reloads the targets.

#include "../link/sandbox_link_fixture.h"
#include "../layout_check.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "records/reference_records.h"
#include "sandbox/sandbox_database.h"
#include "store/ui/money_transfer_dialog.h"
#include "store/ui/settlement_screen.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimeZone>

namespace
{
const QString kScreenBranch = QStringLiteral("B000101");

class SettlementScreen : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        G_FIELD_SEP = QStringLiteral("│");
        G_USER_INFO.ID = QStringLiteral("branch01");
        G_USER_INFO.USER_TYPE_CD = "5000";
        G_USER_INFO.UserAuthGrade = 0;
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = kScreenBranch;
        G_USER_INFO.USER_CODE = kScreenBranch;
        G_USER_INFO.GRP_NAME = QStringLiteral("강남총판");
        G_USER_INFO.GRP_CASH = "150000";
        THD_LIST &hd = G_HD_LIST.append(QStringLiteral("H0001"));
        hd.HD_CODE = "H0001";
        hd.HD_Name = QStringLiteral("제휴본사");
        TBR_LIST &br = hd.BR_LIST.append(kScreenBranch);
        br.BR_CODE = kScreenBranch;
        br.BR_Name = QStringLiteral("강남총판");
        br.DATA_STATUS = "1";
    }
    void TearDown() override
    {
        G_HD_LIST.clear();
        TFRM_CALCULATE::services() = {};
        SandboxLinkTest::TearDown();
    }
    qint64 cash(const QString &kind, const QString &code)
    {
        return host->database()->value(QStringLiteral("SELECT cash FROM cash_balances WHERE kind = ? AND code = ?"), {kind, code})
            .toLongLong();
    }
};
TEST_F(SettlementScreen, LedgerFooterCategoriesAndTransfer)
{
    TFRM_CALCULATE screen;
    screen.resize(1280, 760);
    screen.show();
    ASSERT_EQ(screen.cbCalcCashConSearchTarget->count(), 1);
    EXPECT_TRUE(screen.CPC_CALCULATE->isTabVisible(3));
    ASSERT_FALSE(screen.cashCategories().isEmpty());

    const QDate today = QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(9 * 3600)).date();
    screen.CDE_FROM0->setDate(today.addDays(-20));
    screen.CDE_TO0->setDate(today.addDays(-1));
    screen.CBT_SEARCH0Click();
    EXPECT_FALSE(screen.ledgerIncomplete());
    const QVariantList want = host->database()->rows(
        QStringLiteral("SELECT COUNT(*), SUM(amount) FROM money_ledger WHERE kind = '2' AND code = ? AND at BETWEEN ? AND ?"),
        {kScreenBranch, today.addDays(-20).toString("yyyyMMdd") + "000000", today.addDays(-1).toString("yyyyMMdd") + "235959"})
                                  .first();
    ASSERT_GT(want.at(0).toInt(), 0);
    EXPECT_EQ(screen.shownCashRows(), want.at(0).toInt());
    EXPECT_EQ(screen.shownCashSum(), want.at(1).toLongLong());
    EXPECT_EQ(host->receivedRequests().last().reqNum, QStringLiteral("CS04_01_V05"));

    // One category cleared: its rows leave the grid and the footer.
    screen.setCategoryChecked(0, false);
    EXPECT_LT(screen.shownCashRows(), want.at(0).toInt());
    for (int i = 0; i < screen.cashCategories().size(); ++i)
        screen.setCategoryChecked(i, false);
    EXPECT_EQ(screen.shownCashRows(), 0);
    EXPECT_EQ(screen.shownCashSum(), 0);

    // A transfer to the first store of the list.
    screen.CPC_CALCULATE->setCurrentIndex(3);
    screen.radPaySendTarget[1]->setChecked(true);
    screen.radPaySendTargetClick(1);
    ASSERT_GT(screen.targetModel->rowCount(), 0);
    screen.cxGridPaySendTarget->setCurrentIndex(screen.targetModel->index(0, 2));
    const QString store = screen.targetModel->recordValue(screen.targetModel->recordOfRow(0), 3).toString();
    const QString storeName = screen.targetModel->recordValue(screen.targetModel->recordOfRow(0), 2).toString();
    const qint64 storeBefore = cash("3", store);
    const qint64 branchBefore = cash("2", kScreenBranch);
    QString confirmText;
    TFRM_CALCULATE::services().runTransferPopup = [&](TFRM_CALC_PAYSEND *popup) {
        popup->show();
        EXPECT_EQ(popup->sendable(), branchBefore
                                         - host->database()->value("SELECT deposit FROM cash_balances WHERE kind='2' AND code=?",
                                                                   {kScreenBranch}).toLongLong());
        popup->edtPaySendSendAmt->setText(QStringLiteral("5000"));
        popup->edtPaySendPinNo->setText(QStringLiteral("123456"));
        // The input state is laid out whole; the confirmation lies over it on purpose.
        EXPECT_TRUE(LayoutCheck::Problems(popup).isEmpty()) << LayoutCheck::Problems(popup).join('\n').toStdString();
        popup->btnConfirmNoClick();
        confirmText = popup->lbRecvTarget->text();
        popup->btnConfirmYesClick();
    };
    const int requestsBefore = int(host->receivedRequests().size());
    screen.btnPaySendClick();
    EXPECT_TRUE(confirmText.contains(storeName));
    EXPECT_EQ(cash("3", store), storeBefore + 5000);
    EXPECT_EQ(cash("2", kScreenBranch), branchBefore - 5000);
    // The targets were reloaded after the transfer.
    EXPECT_EQ(host->receivedRequests().last().reqNum, QStringLiteral("CS06_02_V01"));
    EXPECT_GT(host->receivedRequests().size(), requestsBefore + 2);

    screen.CPC_CALCULATE->setCurrentIndex(0);
    const QStringList problems = LayoutCheck::Problems(&screen);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    const QString dir = qEnvironmentVariable("CD_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        screen.grab().save(dir + QStringLiteral("/settlement_ledger.png"));
}
} // namespace
