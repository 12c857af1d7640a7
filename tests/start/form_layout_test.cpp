// Look of the forms around the login: every text fits, no widget lies over another, and each window
// opens where it belongs (centred on the screen, or over the window it belongs to).
#include "layout_check.h"

#include "link/link_test_support.h"
#include "reference/edition_table.h"
#include "start/start_globals.h"
#include "start/program_start.h"
#include "start/ui/ad_panel.h"
#include "start/ui/app_style.h"
#include "start/ui/id_search_page.h"
#include "start/ui/login_dialog.h"
#include "start/ui/login_flow.h"
#include "start/ui/new_login_panel.h"
#include "start/ui/password_change_dialog.h"
#include "start/ui/pc_register_dialog.h"
#include "start/ui/phone_verify_dialog.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace
{
class FormLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ApplyAppStyle(*qApp);
        ResetSessionRecords();
        ResetLoginFlow();
        previousEdition = G_EDITION_IDX;
        G_EDITION_IDX = kThisEdition;
        SetLoginWindowHooks({[](int) {}, [] { return 0; }, [] {}});
    }
    void TearDown() override
    {
        ResetLoginFlow();
        G_EDITION_IDX = previousEdition;
        G_PROGRAM_NAME.clear();
    }

    static QString problems(QWidget *form)
    {
        return LayoutCheck::Problems(form).join(QLatin1Char('\n'));
    }
    // Centre of the window's frame against the centre of what it should sit over.
    static void expectCentredOver(const QWidget *w, const QRect &area, const char *what)
    {
        const QPoint d = w->frameGeometry().center() - area.center();
        EXPECT_LE(std::abs(d.x()), 2) << what << " x off by " << d.x();
        // A window taller than the area starts at its top instead.
        if (w->frameGeometry().height() <= area.height())
            EXPECT_LE(std::abs(d.y()), 2) << what << " y off by " << d.y();
        else
            EXPECT_EQ(w->frameGeometry().top(), area.top()) << what;
    }
    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    ScriptedMsgBox boxes;
    int previousEdition = 0;
};
} // namespace

TEST_F(FormLayoutTest, LoginDialogInBothFacesIsCleanAndCentredOnTheScreen)
{
    for (const int edition : {kThisEdition, kTestEdition}) {
        SCOPED_TRACE(edition);
        G_EDITION_IDX = edition;
        G_PROGRAM_NAME = edition == kTestEdition ? G_ED_PROGRAM_NAME.at(kTestEdition) : QString();
        G_EXE_DATE = QStringLiteral("202612110930");
        TfrmLogin dialog;
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(problems(&dialog), QString());
        expectCentredOver(&dialog, screenArea(), "login");
        // An empty password box shows its whole hint; so does the ID box.
        EXPECT_EQ(dialog.newLogin != nullptr, edition == kTestEdition);
        dialog.close();
    }
}

TEST_F(FormLayoutTest, PasswordChangeInEveryModeIsCleanAndCentredOnTheScreen)
{
    TfrmLogin login;
    login.show();
    for (const char *mode : {"17", "23", "24"}) {
        SCOPED_TRACE(mode);
        TfrmPasswordChage dialog(&login);
        dialog.setMode(QString::fromLatin1(mode));
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(problems(&dialog), QString());
        expectCentredOver(&dialog, screenArea(), "password change");
        if (QLatin1String(mode) == QLatin1String("23")) {
            ASSERT_TRUE(dialog.pnl180Change->isVisible());
            dialog.btnNowChange->click();  // the form under the deferral panel
            QApplication::processEvents();
            EXPECT_FALSE(dialog.pnl180Change->isVisible());
            EXPECT_TRUE(dialog.edtOrgPassWord->isVisible());
            EXPECT_EQ(problems(&dialog), QString());
        }
        dialog.close();
    }
}

TEST_F(FormLayoutTest, SmsDialogsAreCleanAndCentredOnTheScreen)
{
    TFRM_AUTH_PHONE phone;
    phone.show();
    QApplication::processEvents();
    EXPECT_EQ(problems(&phone), QString());
    expectCentredOver(&phone, screenArea(), "phone verify");
    phone.close();

    TFRM_REG_DEVICE pc;
    pc.show();
    QApplication::processEvents();
    EXPECT_EQ(problems(&pc), QString());
    expectCentredOver(&pc, screenArea(), "pc register");
    pc.close();
}

TEST_F(FormLayoutTest, SearchPageOverTheLoginAndTheAdBesideIt)
{
    TfrmLogin login;
    login.show();
    QApplication::processEvents();
    TFRM_IDSEARCH search(&login);
    search.show();
    QApplication::processEvents();
    EXPECT_EQ(problems(&search), QString());
    // Over the login dialog, and taller than the screen lets it be centred: kept on the screen.
    EXPECT_LE(std::abs(search.frameGeometry().center().x() - login.frameGeometry().center().x()), 2);
    EXPECT_TRUE(screenArea().contains(search.frameGeometry().topLeft()));
    search.close();

    G_EDITION_IDX = kTestEdition;
    TfrmAd ad;
    ad.follow(&login);
    ad.show();
    QApplication::processEvents();
    EXPECT_EQ(problems(&ad), QString());
    EXPECT_EQ(ad.frameGeometry().left(), login.frameGeometry().right() + 1);
    EXPECT_EQ(ad.frameGeometry().top(), login.frameGeometry().top());
}
