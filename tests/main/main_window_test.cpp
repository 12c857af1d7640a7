#include "common/daily_log.h"
#include "main/no_processes.h"
#include "common/message_box.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "start/close_routine.h"
#include "main/main_globals.h"
#include "start/start_globals.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStackedWidget>

namespace
{
QStringList logMessages()
{
    QFile f(DailyLogPath());
    QStringList out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        out << line.mid(line.indexOf(QLatin1Char('-')) + 1);
    return out;
}
} // namespace

TEST(MainWindow, CreationLogsInOrderAndCloseRunsTheCloseRoutine)
{
    NoProcesses table;
    SetCloseProcessTable(&table);
    QStringList closeJournal;
    CloseRoutineSteps().endOwnProcess = [&] { closeJournal << QStringLiteral("end"); };
    const MsgBoxHandler previous = SetMsgBoxHandler([](const QString &, const QString &) { return 1; });

    SelectEdition();
    SetProductionMode();
    G_FIRST_INSTANCE = 1;
    const qsizetype before = logMessages().size();
    auto *window = new TFRM_MAIN();
    QStringList lines = logMessages().mid(before);
    const QStringList expected = {"---------- START PROGRAM CourierDesk ----------", "Program Main FormCreate",
                                  "Program Version Info : 1.3.01", "First Instance : 1", "NEW LOG : Form Create END"};
    EXPECT_EQ(lines, expected);
    ASSERT_NE(G_INI, nullptr);
    EXPECT_TRUE(G_INI_PATH.endsWith(QStringLiteral("/CourierDesk_env.ini")));
    EXPECT_EQ(G_SESSION_KEY.size(), 32);
    EXPECT_TRUE(G_SESSION_KEY.startsWith(G_DEVICE)) << "the key starts with the edition's device code";
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(G_SESSION_KEY)) << "the session key never goes to the log";
    EXPECT_EQ(G_MSG_CHK_CNT, -1);
    EXPECT_FALSE(G_REINIT_DONE);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Courier Desk"));
    EXPECT_EQ(G_SL_PROVINCE, G_PROVINCE_NAMES) << "the province aliases are filled when the window is made";

    CreateStartForms(window);
    ASSERT_EQ(window->pnlMainBoard->count(), 4);
    EXPECT_EQ(window->pnlMainBoard->widget(0), FRM_CHR_MAIN);
    EXPECT_EQ(window->pnlMainBoard->widget(2)->objectName(), QStringLiteral("TFRM_ORD"));
    EXPECT_EQ(window->pnlMainBoard->widget(3), FRM_ACP);
    ASSERT_NE(frmSessionTimeSet, nullptr);
    EXPECT_FALSE(frmSessionTimeSet->isVisible());

    window->AddNoticeNo(QStringLiteral("20"));
    window->AddNoticeNo(QStringLiteral("10"));
    window->AddNoticeNo(QStringLiteral("20"));
    EXPECT_EQ(window->gsl_Notice_No, (QStringList{"10", "20"}));

    window->show();
    EXPECT_EQ(window->Tag, 0);
    window->close();
    EXPECT_EQ(window->Tag, 99);
    EXPECT_EQ(closeJournal, QStringList{QStringLiteral("end")});
    lines = logMessages().mid(before);
    EXPECT_TRUE(lines.contains(QStringLiteral("FormClose")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Proc Close KillProcess Before")));
    EXPECT_EQ(G_INI, nullptr) << "the settings file object is freed with the session containers";

    delete window;
    CloseRoutineSteps() = CloseSteps();
    SetCloseProcessTable(nullptr);
    SetMsgBoxHandler(previous);
    QApplication::restoreOverrideCursor();
}
