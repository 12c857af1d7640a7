#include "messages_fixture.h"

#include "messages/message_store.h"
#include "platform/process_control.h"

#include <QFile>
#include <QThread>

// A posted message reaches the grid, the list window (first poll, no mark yet) and, once the
// client holds a sync mark, an alert window; the mark is stored in the settings file.
TEST_F(MessagesSandboxTest, PostedMessageReachesListAlertAndStore)
{
    const QString first = post({{"title", "첫 메세지"}, {"content", "내용\n두 줄"}});
    QSignalSpy listShown(center.get(), &MessageCenter::messageListShowRequested);
    QSignalSpy alerts(center.get(), &MessageCenter::alertRequested);

    center->proc_CHECK_Message(false);
    EXPECT_EQ(lastFields("MG00_01_V01").value(7), QString());  // no mark on the first poll of the day
    ASSERT_EQ(G_MSG_LIST.count(), 1);
    EXPECT_EQ(QString(G_MSG_LIST.at(0).MSG_NO), first);
    EXPECT_EQ(center->grid().rowCount(), 1);
    EXPECT_EQ(center->list().rowCount(), 1);
    EXPECT_EQ(alerts.count(), 0);
    EXPECT_EQ(listShown.count(), 1);
    EXPECT_FALSE(G_MSG_SYNC.isEmpty());
    EXPECT_EQ(G_INI->ReadString("Msg", "tester", ""), G_MSG_SYNC);
    EXPECT_TRUE(log.contains(QStringLiteral("Message 06")));
    EXPECT_TRUE(log.contains(QStringLiteral("Message 07")));
    EXPECT_EQ(MessageStore::load(messageFile()).messages.size(), 1);

    const QString mark = G_MSG_SYNC;
    post({{"title", "둘째"}, {"content", "알림"}, {"from_type", "3"}, {"from_code", "S000102"}});
    center->proc_CHECK_Message(false);
    EXPECT_EQ(lastFields("MG00_01_V01").value(7), mark);
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.at(0).at(0).toString(), QStringLiteral("가맹점[S000102]:둘째"));
    EXPECT_EQ(G_MSG_LIST.count(), 2);

    // Nothing new: nothing counted, no save, but the mark is written again.
    QFile::remove(messageFile());
    G_INI->WriteString("Msg", "tester", "");
    center->proc_CHECK_Message(false);
    EXPECT_FALSE(QFile::exists(messageFile()));
    EXPECT_EQ(G_INI->ReadString("Msg", "tester", ""), G_MSG_SYNC);
}

// After a restart the stored messages come back and the poll continues from the stored mark.
TEST_F(MessagesSandboxTest, SyncMarkAndMessagesSurviveARestart)
{
    post({{"title", "하나"}, {"content", "a"}});
    post({{"title", "둘"}, {"content", "b\r\nc"}});
    center->proc_CHECK_Message(false);
    ASSERT_EQ(G_MSG_LIST.count(), 2);
    const QString mark = G_MSG_SYNC;
    const TMSG_LIST second = G_MSG_LIST.at(1);

    // Restart: fresh records, a new center, the same files.
    ResetMessageRecords();
    makeCenter();
    G_MSG_LOADED = false;
    center->proc_Load_Message();
    G_MSG_LOADED = true;
    EXPECT_EQ(lastFields("MG00_01_V01").value(7), mark);
    ASSERT_EQ(G_MSG_LIST.count(), 2);
    EXPECT_EQ(G_MSG_LIST.at(1).MSG_CONTENT, second.MSG_CONTENT);
    EXPECT_EQ(G_SL_MSG_NO.at(1), QString(second.MSG_NO));
}

// A broken store drops the mark, so the start-up poll fetches the whole day again.
TEST_F(MessagesSandboxTest, BrokenStoreFetchesTheDayAgain)
{
    post({{"title", "하나"}, {"content", "a"}});
    center->proc_CHECK_Message(false);
    QFile file(messageFile());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("broken\x03line\r\n");
    file.close();

    ResetMessageRecords();
    makeCenter();
    center->proc_Load_Message();
    EXPECT_EQ(lastFields("MG00_01_V01").value(7), QString());
    EXPECT_EQ(G_MSG_LIST.count(), 1);
}

// A copy with a later modification stamp replaces the stored one in place and is presented again.
TEST_F(MessagesSandboxTest, ChangedMessageKeepsItsRow)
{
    const QString a = post({{"title", "하나"}, {"content", "a"}});
    post({{"title", "둘"}, {"content", "b"}});
    center->proc_CHECK_Message(false);
    ASSERT_EQ(G_MSG_LIST.count(), 2);
    QThread::sleep(1);  // a later modification stamp
    SandboxMessages::confirmMessage(*host->database(), a);
    center->proc_CHECK_Message(false);
    ASSERT_EQ(G_MSG_LIST.count(), 2);
    EXPECT_EQ(G_SL_MSG_NO.at(0), a);
    EXPECT_EQ(QString(G_MSG_LIST.at(0).CONF_YN), QStringLiteral("Y"));
}

// Rows a user without level 4 may not see are passed over; the rows after them still arrive and
// the mark is stored.
TEST_F(MessagesSandboxTest, HiddenRowsAreSkippedWithoutLosingTheRest)
{
    G_USER_INFO.UserAuthGrade = 9;
    post({{"title", "보통"}, {"content", "x"}});
    const QString close = post({{"type", "7001"}, {"content", "점검"}});
    post({{"title", "보통2"}, {"content", "y"}});
    center->proc_CHECK_Message(false);
    ASSERT_EQ(G_MSG_LIST.count(), 1);
    EXPECT_EQ(G_SL_MSG_NO.at(0), close);
    EXPECT_FALSE(G_INI->ReadString("Msg", "tester", "").isEmpty());
}

// The server's commands and what each one reaches.
TEST_F(MessagesSandboxTest, ServerCommands)
{
    TDVRY_GRP_INFO g1, g2;
    g1.DVRY_TYPE_CD = QStringLiteral("D001");
    g2.DVRY_TYPE_CD = QStringLiteral("D002");
    G_DVRY_GRP_INFO = {g1, g2};

    // Start-up poll: the program is not ended by a command read at start-up.
    G_MSG_LOADED = false;
    post({{"type", "7001"}, {"content", "점검중"}, {"view", "2"}});
    center->proc_CHECK_Message(true);
    EXPECT_TRUE(closed.isEmpty());
    G_MSG_LOADED = true;

    post({{"type", "7005"}, {"content", "cash"}});
    post({{"type", "7006"}, {"content", "group"}, {"add1", "D002"}});
    post({{"type", "7006"}, {"content", "   "}, {"add1", "D001"}});  // blank: dropped
    post({{"type", "7006"}, {"content", "unknown"}, {"add1", "D999"}});
    post({{"type", "7002"}, {"content", "서버 점검"}});
    center->proc_CHECK_Message(false);
    EXPECT_EQ(cashReloads, 1);
    EXPECT_EQ(groupReloads, (QList<QPair<QString, int>>{{QStringLiteral("D002"), 1}}));
    EXPECT_EQ(closed, QStringList{QStringLiteral("서버 점검\r\n프로그램을 종료합니다.")});
    EXPECT_EQ(G_MSG_LIST.count(), 5);  // the blank 7006 was not stored

    // With message presentation off no command runs at all.
    G_USER_SET.MsgAlramYN = 0;
    post({{"type", "7001"}, {"content", "off"}});
    center->proc_CHECK_Message(false);
    EXPECT_EQ(closed.size(), 1);
}

namespace
{
class RecordingProcesses : public IProcessControl
{
public:
    QList<ProcessInfo> processes() const override { return {}; }
    bool terminate(qint64) override { return false; }
    bool startDetached(const QString &program, const QStringList &args, const QString &, qint64 *pid) override
    {
        started << qMakePair(program, args);
        *pid = 1;
        return true;
    }
    int runAndWait(const QString &, const QStringList &) override { return -1; }
    qint64 ownPid() const override { return 1; }
    QList<QPair<QString, QStringList>> started;
};
} // namespace

// The log upload starts the one allowed program with its values as separate arguments; malformed
// values from the server start nothing.
TEST_F(MessagesSandboxTest, LogUploadCommand)
{
    RecordingProcesses processes;
    SetProcessControl(&processes);
    const QString program = dir.filePath(QStringLiteral("fup"));
    QFile exe(program);
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.write("#!/bin/sh\n");
    exe.close();
    exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    center->setLogUploadProgram(program);
    QString url = QStringLiteral("https://127.0.0.1/calog");
    center->hooks.logUploadUrl = [&url] { return url; };
    G_USER_INFO.USER_SEQ_NO = QStringLiteral("11");
    G_USER_INFO.DEV_SEQ_NO = QStringLiteral("22");

    const QString good = post({{"type", "7011"}, {"content", "20261201~20261210"}});
    post({{"type", "7011"}, {"content", "2026120120261210"}});          // 16 bytes: nothing
    post({{"type", "7011"}, {"content", "2026120;~rm -rf /;x"}});      // not two dates
    center->proc_CHECK_Message(false);
    ASSERT_EQ(processes.started.size(), 1);
    EXPECT_EQ(processes.started.at(0).first, QFileInfo(program).absoluteFilePath());
    EXPECT_EQ(processes.started.at(0).second,
              (QStringList{"11", "22", "S000101", url, "20261201", "20261210", good}));
    EXPECT_EQ(G_MSG_LIST.count(), 3);
    EXPECT_EQ(center->list().rowCount(), 0);  // never listed

    // An address that is not one, or none configured: nothing starts.
    EXPECT_TRUE(center->proc_ExcuteLogUpload("20261201", "20261210", "1"));
    EXPECT_FALSE(center->proc_ExcuteLogUpload("20261201", "20261210", "1 2"));
    url = QStringLiteral("https://x/;reboot");
    EXPECT_FALSE(center->proc_ExcuteLogUpload("20261201", "20261210", "1"));
    url.clear();
    EXPECT_FALSE(center->proc_ExcuteLogUpload("20261201", "20261210", "1"));
    EXPECT_EQ(processes.started.size(), 2);
    SetProcessControl(nullptr);
}

// Sending: the payload in order, a blank receiver refused, the canned courier message.
TEST_F(MessagesSandboxTest, SendingMessages)
{
    TMSG_LIST m = MessageCenter::ownMessage();
    EXPECT_FALSE(center->proc_Send_Message(m));
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("받는 대상이 정확하지 않습니다.\r\n다시 시도해주시기 바랍니다."));
    EXPECT_TRUE(lastFields("MG00_03_V01").isEmpty());

    EXPECT_TRUE(center->procWkMsgSend(4, QStringLiteral("제휴본사/총판으로 전화주세요."), QStringLiteral("W000001")));
    const QStringList f = lastFields("MG00_03_V01");
    ASSERT_EQ(f.size(), 20);
    EXPECT_EQ(f.mid(0, 3), (QStringList{"1", "3", "4001"}));
    EXPECT_EQ(f.at(3), QStringLiteral("[제휴본사/총판으로 전화주세요.]"));
    EXPECT_EQ(f.at(4), QStringLiteral("제휴본사/총판으로 전화주세요.\n관리자명 : [행복치킨 본점]"));
    EXPECT_EQ(f.at(7), QStringLiteral("01012345678"));
    EXPECT_EQ(f.mid(10, 7), (QStringList{"3", "S000101", "tester", "[A]PC-1", "C", "W", "W000001"}));
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("성공했습니다."));

    // Refused by the server: its text in an error box.
    m.RCV_GRP_TYPE = QStringLiteral("3");
    m.RCV_GRP_CODE = QStringLiteral("S999999");
    EXPECT_FALSE(center->proc_Send_Message(m));
    EXPECT_EQ(boxes.shown.last(), qMakePair(QStringLiteral("E"), QStringLiteral("실패했습니다.\n받는 대상을 찾을 수 없습니다.")));
}

// The demo world's scenario posts a message for every store user now and then.
TEST_F(MessagesSandboxTest, ScenarioPostsAMessage)
{
    host->stepScenario(1);
    center->proc_CHECK_Message(false);
    EXPECT_GE(G_MSG_LIST.count(), 1);
    EXPECT_TRUE(host->database() != nullptr);
}
