#include "messages/ui/notice_article_window.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace
{
TNotice notice(const QString &seq, const QString &title, const QString &date, const QString &type = "3")
{
    TNotice n;
    n.SEQ_NO = seq;
    n.ARTICLE_TITLE = title;
    n.ARTICLE_TYPE = QStringLiteral("플랫폼공지");
    n.ARTICLE_BODY = title + QStringLiteral(" 본문\r둘째 줄");
    n.PUT_GRP_TYPE = type;
    n.PUT_GRP_NAME = QStringLiteral("그룹 ") + seq;
    n.PUT_DATE = date;
    return n;
}

struct NoticeArticleTest : ::testing::Test
{
    QStringList read;
    bool closed = false;
    NoticeArticleTest()
    {
        G_NOTICE.clear();
        G_NOTICE_SEQ.clear();
    }
    ~NoticeArticleTest() override
    {
        G_NOTICE.clear();
        G_NOTICE_SEQ.clear();
    }
    NoticeArticleHooks hooks()
    {
        return {[this](const QString &s) { read << s; }, [this] { closed = true; }};
    }
    static QStringList column(QTableWidget *t, int c)
    {
        QStringList out;
        for (int r = 0; r < t->rowCount(); ++r)
            out << t->item(r, c)->text();
        return out;
    }
};
} // namespace

TEST_F(NoticeArticleTest, PinnedFirstThenNewestAndOnlyOrdinaryOnesDelete)
{
    G_NOTICE.append("1", notice("11", "예전 공지", "2026-12-01 09:00", "2"));
    G_NOTICE.append("2", notice("12", "새 공지", "2026-12-10 09:00", "9"));
    G_NOTICE_SEQ.append("3", notice("30", "고정 공지", "2026-11-01 09:00", "1"));
    TFRM_ARTICLE w(hooks());
    w.proc_Load();
    EXPECT_EQ(column(w.TCG_NOTICE, 3), (QStringList{"고정 공지", "새 공지", "예전 공지"}));
    EXPECT_EQ(column(w.TCG_NOTICE, 1).first(), "[상단고정]플랫폼공지");
    EXPECT_EQ(column(w.TCG_NOTICE, 0), (QStringList{"제휴본사", "시스템관리자", "총판"}));
    EXPECT_EQ(w.TCG_NOTICE->item(0, 0)->background().color(), QColor(255, 128, 128));
    EXPECT_EQ(w.TCG_NOTICE->item(1, 0)->background().color(), QColor(Qt::white));
    // Record 0 is the first pinned notice: not deletable.
    EXPECT_EQ(w.CTE_TITLE->text(), "고정 공지");
    EXPECT_EQ(w.CTE_TITLE->toolTip(), "30");
    EXPECT_EQ(w.CMM_BODY->toPlainText(), "고정 공지 본문\n둘째 줄");
    EXPECT_EQ(w.deleteTag(), -1);
    EXPECT_FALSE(w.cxButton1->isEnabled());
    w.proc_Delete();
    EXPECT_EQ(w.records().size(), 3);

    // Clicking an ordinary notice reads it.
    w.recordClicked(2);
    EXPECT_EQ(read, QStringList{"12"});
    EXPECT_TRUE(G_NOTICE.at(1).bRead);
    EXPECT_FALSE(G_NOTICE.at(1).bDel);
    EXPECT_TRUE(w.cxButton1->isEnabled());
    EXPECT_EQ(w.deleteTag(), 2);

    w.proc_Delete();
    EXPECT_TRUE(G_NOTICE.at(1).bDel);
    EXPECT_EQ(w.records().size(), 2);
    // The first record (pinned) is shown again and cannot be deleted.
    EXPECT_EQ(w.CTE_TITLE->text(), "고정 공지");
    EXPECT_EQ(w.deleteTag(), -1);
}

TEST_F(NoticeArticleTest, DeletingTheLastRowHidesTheWindow)
{
    G_NOTICE.append("1", notice("11", "하나", "2026-12-01 09:00"));
    TFRM_ARTICLE w(hooks());
    w.show();
    ASSERT_EQ(w.records().size(), 1); // shown: loaded
    EXPECT_EQ(w.deleteTag(), 0);
    w.cxButton1->click();
    EXPECT_TRUE(G_NOTICE.at(0).bDel);
    EXPECT_TRUE(w.records().isEmpty());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(NoticeArticleTest, TickerOpensOnOnePinnedNoticeAndCloseOnlyHides)
{
    G_NOTICE.append("1", notice("11", "보통", "2026-12-01 09:00"));
    G_NOTICE_SEQ.append("2", notice("40", "고정 40", "2026-12-02 09:00"));
    G_NOTICE_SEQ.append("3", notice("41", "고정 41", "2026-12-03 09:00"));
    TFRM_ARTICLE *w = OpenNoticeArticle(41, hooks());
    ASSERT_EQ(w, FRM_ARTICLE);
    EXPECT_EQ(column(w->TCG_NOTICE, 3), QStringList{"고정 41"});
    EXPECT_FALSE(w->cxButton1->isEnabled());
    w->CBT_PEOPLE_POINT_CLOSE->click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w->isVisible());
    // The same window comes back on the next click.
    EXPECT_EQ(OpenNoticeArticle(40, hooks()), w);
    EXPECT_EQ(column(w->TCG_NOTICE, 3), QStringList{"고정 40"});
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FRM_ARTICLE, nullptr);
}

// Notices come from the web administration as HTML with digit stamps: the window shows their text
// and a readable date, never the markup.
TEST_F(NoticeArticleTest, ShowsTheNoticeAsTextWithItsDate)
{
    TNotice n = notice("40", "웹 공지", "20261211093000");
    n.ARTICLE_BODY = QStringLiteral("<p>첫 줄</p><p>둘째 &amp; 줄</p>");
    G_NOTICE.append("4", n);
    TFRM_ARTICLE w(hooks());
    w.proc_Load();
    EXPECT_EQ(column(w.TCG_NOTICE, 2), (QStringList{"2026-12-11 09:30:00"}));
    EXPECT_EQ(w.CMM_BODY->toPlainText(), "첫 줄\n둘째 & 줄");
    // A stamp that is not digits is shown as it came.
    G_NOTICE.clear();
    G_NOTICE.append("5", notice("41", "날짜 없는 공지", "어제"));
    w.proc_Load();
    EXPECT_EQ(column(w.TCG_NOTICE, 2), (QStringList{"어제"}));
}
