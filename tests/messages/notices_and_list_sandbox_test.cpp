#include "messages_fixture.h"

#include "messages/composer_rules.h"
#include "records/courier_records.h"

namespace
{
QJsonObject noticeRow(const QString &title, const QString &kind = QStringLiteral("플랫폼공지"))
{
    return {{"kind", kind}, {"title", title}, {"body", "<p>본문</p>"}, {"grp_name", "플랫폼"}};
}
} // namespace

// A posted notice reaches a popup and the reminder; a repeat with the same posting date does not.
TEST_F(MessagesSandboxTest, NoticeLoadAndReminder)
{
    NoticeCenter &notices = center->notices();
    G_NOTICE_STAMP.clear();
    const QString seq = SandboxMessages::postNotice(*host->database(), noticeRow("새 공지"));
    QSignalSpy popups(&notices, &NoticeCenter::popupRequested);
    notices.proc_Notice_Info(QStringLiteral("20000101000000"));
    EXPECT_EQ(lastFields("CS00_11_V01").value(5), QStringLiteral("20000101000000"));
    ASSERT_GE(popups.count(), 1);
    EXPECT_TRUE(notices.unread().contains(seq));
    EXPECT_TRUE(G_NOTICE.contains(seq + QStringLiteral("플랫폼공지")));
    // The ticker shows the latest platform notice.
    EXPECT_EQ(G_LAST_PLATFORM_NOTICE, QStringLiteral("새 공지") + QChar(2) + seq);
    EXPECT_TRUE(notices.gsl_Notice3.contains(G_LAST_PLATFORM_NOTICE));

    // The stamp moved on: the same notice is not shown again.
    popups.clear();
    notices.proc_Notice_Info(QString());
    EXPECT_EQ(popups.count(), 0);

    notices.markRead(seq);
    EXPECT_FALSE(notices.unread().contains(seq));
    EXPECT_TRUE(G_NOTICE.find(seq + QStringLiteral("플랫폼공지"))->bRead);

    // A fetch by number makes it unread again, with alerts and the sound when asked.
    QSignalSpy alerts(&notices, &NoticeCenter::alertRequested);
    QSignalSpy sounds(&notices, &NoticeCenter::soundRequested);
    notices.procNoticeInfoSeq(QStringLiteral("3001"), seq, QStringLiteral("1"));
    EXPECT_EQ(lastFields("LN00_06_V01"), (QStringList{"1", seq}));
    EXPECT_FALSE(G_NOTICE.find(seq + QStringLiteral("플랫폼공지"))->bRead);
    EXPECT_TRUE(notices.unread().contains(seq));
    EXPECT_GE(alerts.count(), 1);
    EXPECT_EQ(sounds.count(), 1);

    // Without the reminder setting the popup still comes but the unread list stays empty.
    notices.reset();
    G_USER_SET.NOTICE_ALAM = QStringLiteral("0");
    notices.procNoticeInfoSeq(QStringLiteral("3003"), seq, QString());
    EXPECT_TRUE(notices.unread().isEmpty());
    EXPECT_TRUE(G_NOTICE.contains(seq + QStringLiteral("배송원공지")));
}

// An answer leaves the list only when the server took it.
TEST_F(MessagesSandboxTest, AnswerRemovesTheRowOnlyWhenAccepted)
{
    const QString no = post({{"title", "문의"}, {"content", "확인 부탁"}, {"view", "3"}, {"btn1_type", "1"},
                            {"btn1_text", "확인"}, {"btn2_type", "3"}, {"btn3_type", "4"}, {"btn3_text", "답장보내기"},
                            {"add1", "01098765432"}, {"con_seq_no", "ORD00000123499"}, {"from_type", "5"},
                            {"from_code", "B000101"}, {"from_id", "branch01"}});
    center->proc_CHECK_Message(false);
    MessageList &list = center->list();
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(list.buttons[0].visible);
    EXPECT_FALSE(list.buttons[1].visible);
    EXPECT_TRUE(list.buttons[2].visible);
    EXPECT_EQ(list.buttons[0].width, 103);
    EXPECT_TRUE(list.body.endsWith(QStringLiteral("전화번호:010-9876-5432")));
    EXPECT_TRUE(list.replyBoxVisible);

    // Too long: refused before sending, the row stays and the buttons work again.
    list.pressButton(2, QString(501, QLatin1Char('a')));
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("답장메세지 내용을 줄이세요"));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(list.buttonsEnabled);

    // The server refuses: the row stays.
    host->setHandler(QStringLiteral("MG00_02_V02"),
                     [](const SandboxRequest &) { return SandboxReply::code(QStringLiteral("0"), QStringLiteral("처리 불가")); });
    list.pressButton(2, QStringLiteral("네"));
    EXPECT_EQ(boxes.shown.last(), qMakePair(QStringLiteral("E"), QStringLiteral("실패했습니다.\n처리 불가")));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(list.buttonsEnabled);

    // Accepted: the row leaves and the answer went to the sender.
    host->setHandler(QStringLiteral("MG00_02_V02"), [](const SandboxRequest &) { return SandboxReply::ok(); });
    list.clickRow(0);
    list.pressButton(2, QStringLiteral("네"));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(list.visible);
    const QStringList f = lastFields("MG00_02_V02");
    ASSERT_EQ(f.size(), 16);
    EXPECT_EQ(f.at(0), no);
    EXPECT_EQ(f.at(1), QStringLiteral("4"));
    EXPECT_EQ(f.at(4), QStringLiteral("Re:문의"));
    EXPECT_EQ(f.at(5), QStringLiteral("네\n접수번호 : [ 1234 ]\n관리자명 : [행복치킨 본점]"));
    EXPECT_EQ(f.mid(11, 3), (QStringList{"5", "B000101", "branch01"}));
    EXPECT_EQ(f.at(9), QStringLiteral("[A]PC-1"));
}

// Button widths follow the first caption's length.
TEST(MessageListButtons, WidthByCaption)
{
    for (const auto &[caption, width] : QList<QPair<QString, int>>{{"확인", 103}, {"다섯글자요", 103}, {"여섯글자입니", 150},
                                                                  {"여덟글자입니다요", 150}, {"아홉글자입니다요오", 200}, {"", 200}})
        EXPECT_EQ(MessageList::buttonWidthFor(caption), width) << caption.toStdString();
    EXPECT_EQ(MessageList::orderNumberOf(QStringLiteral("ORD000001234")), QStringLiteral("1234"));
    EXPECT_EQ(MessageList::orderNumberOf(QStringLiteral("2026121x")), QStringLiteral("0"));
}

// The composer's title rule and byte limits, added lines included.
TEST(ComposerRules, TitleAndByteLimits)
{
    const QString group = QStringLiteral("가나다라마바");  // 18 bytes
    const TMSG_LIST base = MessageCenter::ownMessage();
    ComposedMessage c = ComposeMessage(base, QString(), QString(), QString(), group);
    EXPECT_EQ(c.status, ComposedMessage::Ready);
    EXPECT_EQ(c.msg.MSG_TITLE, QString());
    EXPECT_EQ(c.msg.MSG_CONTENT, QStringLiteral("\n관리자명 : [가나다라마바]"));

    c = ComposeMessage(base, QString(), QStringLiteral("다섯글자다\n둘째 줄"), QString(), group);
    EXPECT_EQ(c.msg.MSG_TITLE, QStringLiteral("다섯글자다"));
    c = ComposeMessage(base, QString(), QStringLiteral("  스무글자짜리첫줄입니다스무글자짜리첫줄\n"), QString(), group);
    EXPECT_EQ(c.msg.MSG_TITLE, QStringLiteral("스무글자짜리첫줄입니"));

    const QString h154(154, QChar(0xAC00)), h155(155, QChar(0xAC00));
    EXPECT_EQ(ComposeMessage(base, QString(), h154, QString(), group).status, ComposedMessage::Ready);
    c = ComposeMessage(base, QString(), h155, QString(), group);
    EXPECT_EQ(c.status, ComposedMessage::ContentTooLong);
    EXPECT_EQ(c.box, QStringLiteral("내용을 줄이세요"));
    // The order line counts too.
    EXPECT_EQ(ComposeMessage(base, QString(), h154, QStringLiteral("1234"), group).status, ComposedMessage::ContentTooLong);
    EXPECT_EQ(ComposeMessage(base, QString(34, QChar(0xAC00)), QStringLiteral("x"), QString(), group).status,
              ComposedMessage::TitleTooLong);
}

// The multi-target send: size and blank checks, and a partial failure leaves the failed rows ticked.
TEST_F(MessagesSandboxTest, MultiTargetPartialFailure)
{
    MultiTargetComposer composer;
    composer.rows = {{true, "강남총판", "행복치킨 본점", "S000101", "B000101"},
                     {true, "강남총판", "없는 가맹점", "S999999", "B000101"},
                     {true, "강남총판", "둘째 가맹점", "S000102", "B000101"},
                     {true, "", "코드 없음", "  ", ""},
                     {false, "강남총판", "안 보냄", "S000103", "B000101"}};
    QString text(167, QChar(0xAC00));
    EXPECT_FALSE(composer.send(text));
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("입력 메세지 내용을 줄여주세요\r\n최대:500, 입력:501"));
    text = QStringLiteral("   ");
    EXPECT_FALSE(composer.send(text));
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("입력된 내용이 없습니다."));
    EXPECT_TRUE(lastFields("MG00_03_V01").isEmpty());

    text = QString(166, QChar(0xAC00));
    EXPECT_FALSE(composer.send(text));
    EXPECT_EQ(boxes.shown.last().second,
              QStringLiteral("메세지 전송에 실패한 대상이 있습니다.\r\n목록체크가 해제되지 않은 대상자입니다."));
    EXPECT_EQ(text.size(), 166);  // the text stays
    QList<bool> ticks;
    for (const MessageTarget &t : composer.rows)
        ticks << t.checked;
    EXPECT_EQ(ticks, (QList<bool>{false, true, false, true, false}));
    int sends = 0;
    for (const SandboxRequest &r : host->receivedRequests())
        sends += r.reqNum == QLatin1String("MG00_03_V01");
    EXPECT_EQ(sends, 3);  // the blank code never went out
    const QStringList f = lastFields("MG00_03_V01");
    EXPECT_EQ(f.at(3), QString());
    EXPECT_EQ(f.at(15), QStringLiteral("3"));
    EXPECT_EQ(f.at(16), QStringLiteral("S000102"));

    // Sending again reaches only the rows still ticked.
    composer.rows[1].targetCode = QStringLiteral("S000104");
    composer.rows[3].checked = false;
    text = QStringLiteral("다시");
    EXPECT_TRUE(composer.send(text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("메세지를 모두 정상적으로 보냈습니다."));
}

// Ticking all ticks the rows the filter hides; receiver kinds follow the login's class.
TEST(MultiTargetComposer, TicksFilterAndReceiverKinds)
{
    MultiTargetComposer composer;
    composer.rows = {{false, "강남총판", "행복치킨", "S1", "B1"}, {false, "서초총판", "바삭통닭", "S2", "B2"}};
    composer.nameFilter = QStringLiteral("행복");
    EXPECT_TRUE(composer.isShown(0));
    EXPECT_FALSE(composer.isShown(1));
    composer.tickAll(true);
    EXPECT_TRUE(composer.rows[1].checked);
    composer.setTicked(0, false);
    EXPECT_FALSE(composer.allTicked);
    composer.setTicked(0, true);
    EXPECT_TRUE(composer.allTicked);
    composer.nameFilter.clear();
    composer.branchFilter = QStringLiteral("B2");
    EXPECT_FALSE(composer.isShown(0));
    composer.branchFilter = QStringLiteral("0");
    EXPECT_TRUE(composer.isShown(0));

    composer.kind = MessageTargetKind::Admin;
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("7001");
    EXPECT_EQ(composer.receiverKind(), QStringLiteral("5"));
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("5001");
    EXPECT_EQ(composer.receiverKind(), QStringLiteral("7"));
    composer.kind = MessageTargetKind::Courier;
    EXPECT_EQ(composer.receiverKind(), QStringLiteral("W"));
    G_USER_INFO = TUSER_INFO();
}
