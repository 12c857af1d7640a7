#include "messages/message_center.h"
#include "messages/ui/alert_window.h"
#include "messages/ui/message_list_window.h"
#include "messages/ui/message_windows.h"
#include "messages/ui/notice_view_window.h"

#include "records/message_records.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>

// A notice body from another party: no resource is fetched, scripts are plain text, links are not
// followed; "알림삭제" marks it read.
TEST(NoticeViewWindow, ShowsForeignBodiesSafely)
{
    ResetMessageRecords();
    NoticeCenter center;
    TNotice n;
    n.ARTICLE_TYPE = QStringLiteral("제휴사공지");
    n.ARTICLE_TITLE = QStringLiteral("제목");
    n.ARTICLE_BODY = QStringLiteral("<script>alert(1)</script><img src=\"https://evil.example/x.png\">"
                                    "<img src=\"file:///etc/passwd\"><a href=\"https://evil.example\">링크</a>\r둘째 줄");
    n.SEQ_NO = QStringLiteral("42");
    G_NOTICE.append(QStringLiteral("42제휴사공지"), n);
    auto *w = new NoticeViewWindow(n, &center);
    EXPECT_FALSE(w->body->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("https://evil.example/x.png"))).isValid());
    EXPECT_FALSE(w->body->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("file:///etc/passwd"))).isValid());
    EXPECT_FALSE(w->body->openLinks());
    EXPECT_FALSE(w->body->openExternalLinks());
    EXPECT_TRUE(w->body->toPlainText().contains(QStringLiteral("둘째 줄")));
    EXPECT_EQ(w->CTE_TITLE->toolTip(), QStringLiteral("42"));
    w->show();
    w->deleteButton->click();
    EXPECT_TRUE(G_NOTICE.at(0).bRead);
    ResetMessageRecords();
}

// The list window follows its list: visible buttons, separators and widths.
TEST(MessageListWindow, BindsToTheList)
{
    ResetMessageRecords();
    MessageList list;
    MessageListWindow window(&list);
    TMSG_LIST m;
    m.MSG_NO = QStringLiteral("1");
    m.CONF_YN = QStringLiteral("N");
    m.VIEW_TYPE = QStringLiteral("3");
    m.MSG_TITLE = QStringLiteral("제목");
    m.BTN_1_TYPE = QStringLiteral("1");
    m.BTN_1_TEXT = QStringLiteral("여섯글자입니");
    m.BTN_2_TYPE = QStringLiteral("4");
    m.BTN_2_TEXT = QStringLiteral("답장");
    list.proc_Add_Msg(m, false);
    list.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CTE_TITLE->text(), QStringLiteral("제목"));
    EXPECT_FALSE(window.actionButtons[0]->isHidden());
    EXPECT_FALSE(window.actionButtons[1]->isHidden());
    EXPECT_TRUE(window.actionButtons[2]->isHidden());
    EXPECT_FALSE(window.separators[0]->isHidden());
    EXPECT_EQ(window.actionButtons[1]->width(), 150);
    EXPECT_FALSE(window.cgbMessageReplyBox->isHidden());

    // Dismiss: the last row leaves and the window hides.
    window.actionButtons[0]->click();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(window.isVisible());
}

// A reply typed to one sender never goes to the next: the box empties whenever another message
// is shown, by a new arrival or by a click on its row.
TEST(MessageListWindow, ShowingAnotherMessageEmptiesTheReply)
{
    ResetMessageRecords();
    MessageList list;
    MessageListWindow window(&list);
    const auto message = [](const char *no, const char *sender) {
        TMSG_LIST m;
        m.MSG_NO = QString::fromLatin1(no);
        m.CONF_YN = QStringLiteral("N");
        m.VIEW_TYPE = QStringLiteral("3");
        m.SND_GRP_CODE = QString::fromLatin1(sender);
        m.BTN_1_TYPE = QStringLiteral("4");
        m.BTN_1_TEXT = QStringLiteral("답장");
        return m;
    };
    list.proc_Add_Msg(message("1", "S1"), false);
    list.show();
    window.CTE_SEND_MSG->setText(QStringLiteral("S1에게 보낼 답"));
    list.proc_Add_Msg(message("2", "S2"), false);
    EXPECT_TRUE(window.CTE_SEND_MSG->text().isEmpty()) << "a new message shown";
    EXPECT_FALSE(window.cgbMessageReplyBox->isHidden());

    window.CTE_SEND_MSG->setText(QStringLiteral("S2에게 보낼 답"));
    list.clickRow(0);
    EXPECT_TRUE(window.CTE_SEND_MSG->text().isEmpty()) << "another row clicked";
    EXPECT_TRUE(window.CTE_GROUP->text().contains(QStringLiteral("S1")));
    ResetMessageRecords();
}

// Alerts: the caption and text are plain text; a notice alert shows its body without markup.
TEST(AlertWindow, PlainTexts)
{
    AlertWindow a(QStringLiteral("가맹점[S1]:<b>제목</b>"), QStringLiteral("<p>본문</p>"), QStringLiteral("7"), true);
    EXPECT_EQ(a.captionLabel->textFormat(), Qt::PlainText);
    EXPECT_EQ(a.textLabel->text(), QStringLiteral("본문"));
    EXPECT_EQ(a.hint, QStringLiteral("7"));
}
