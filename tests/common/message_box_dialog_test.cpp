#include "layout_check.h"

#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "common/ui/message_box_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace
{
class MessageBoxDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        proc_SetLanKor();
        G_PROGRAM_TITLE = QStringLiteral("Courier Desk");
        m_previous = SetMsgBoxHandler(nullptr);
        InstallMsgBoxDialog(&MsgBoxAutoCloseMs);
    }
    void TearDown() override
    {
        SetMsgBoxHandler(m_previous);
        ResetSessionRecords();
    }

    // Runs action on the box once it is shown; the box is closed by force after a while so that
    // a wrong expectation fails the test instead of hanging it.
    static int showAndAct(const QString &text, const QString &kind, std::function<void(QMessageBox *)> action)
    {
        QTimer poll;
        poll.setInterval(10);
        bool acted = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QMessageBox *box = CurrentMsgBox();
            if (box && box->isVisible() && !acted) {
                acted = true;
                if (action)
                    action(box);
            }
        });
        poll.start();
        QTimer::singleShot(5000, [] {
            if (QMessageBox *box = CurrentMsgBox())
                box->done(-1);
        });
        return MsgBox(text, kind);
    }

    static QAbstractButton *buttonCaptioned(QMessageBox *box, const QString &caption)
    {
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == caption)
                return b;
        }
        return nullptr;
    }

    MsgBoxHandler m_previous;
};

TEST_F(MessageBoxDialogTest, ButtonsAndResultsPerKind)
{
    G_USER_SET.MsgClose = 0;
    struct Case
    {
        const char *kind;
        QString press;  // caption to click; empty: close the window (escape)
        int expected;
    };
    const Case cases[] = {
        {"I", QStringLiteral("확인"), 1},
        {"E", QStringLiteral("확인"), 1},
        {"Q", QStringLiteral("예"), 1},
        {"Q", QStringLiteral("아니오"), 2},
        {"Q", QString(), 2},
        {"S", QStringLiteral("배달"), 6},
        {"S", QStringLiteral("퀵/화물/콜밴"), 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.press.toStdString());
        QString title;
        const int result = showAndAct(QStringLiteral("text"), QString::fromLatin1(c.kind), [&](QMessageBox *box) {
            title = box->windowTitle();
            if (c.press.isEmpty()) {
                box->reject();
                return;
            }
            QAbstractButton *b = buttonCaptioned(box, c.press);
            ASSERT_NE(b, nullptr);
            b->click();
        });
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(title, QStringLiteral("Courier Desk"));
    }
}

TEST_F(MessageBoxDialogTest, UnknownKindShowsNothing)
{
    bool shown = false;
    EXPECT_EQ(showAndAct(QStringLiteral("x"), QStringLiteral("X"), [&](QMessageBox *) { shown = true; }), 0);
    EXPECT_FALSE(shown);
}

TEST_F(MessageBoxDialogTest, OnlyInformationBoxesCloseThemselves)
{
    G_USER_SET.MsgClose = 1;
    G_USER_SET.MsgTime = 50;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(showAndAct(QStringLiteral("closes"), QStringLiteral("I"), nullptr), 2);
    EXPECT_LT(timer.elapsed(), 4000);

    // A question stays until it is answered, whatever the settings say.
    const int q = showAndAct(QStringLiteral("stays"), QStringLiteral("Q"), [](QMessageBox *box) {
        QTimer::singleShot(300, box, [box] {
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == QStringLiteral("예"))
                    b->click();
            }
        });
    });
    EXPECT_EQ(q, 1);

    // MsgTime 0 keeps an information box open.
    G_USER_SET.MsgTime = 0;
    const int i = showAndAct(QStringLiteral("stays"), QStringLiteral("I"), [](QMessageBox *box) {
        QTimer::singleShot(300, box, [box] { box->buttons().constFirst()->click(); });
    });
    EXPECT_EQ(i, 1);
}

TEST_F(MessageBoxDialogTest, LongCaptionWidensItsButton)
{
    G_USER_SET.MsgClose = 0;
    int width = 0;
    int textWidth = 0;
    showAndAct(QStringLiteral("choose"), QStringLiteral("S"), [&](QMessageBox *box) {
        QAbstractButton *b = buttonCaptioned(box, QStringLiteral("퀵/화물/콜밴"));
        ASSERT_NE(b, nullptr);
        width = b->minimumWidth();
        textWidth = b->fontMetrics().horizontalAdvance(b->text());
        b->click();
    });
    if (textWidth > 56) {
        EXPECT_EQ(width, textWidth + 28);
    }
}

TEST_F(MessageBoxDialogTest, NarrowBoxGivesItsTitleRoomAndOpensInTheMiddleOfTheScreen)
{
    G_USER_SET.MsgClose = 0;
    G_PROGRAM_TITLE = QStringLiteral("배달대행 주문접수 프로그램 - 행복치킨 본점");
    for (const char *kind : {"I", "Q", "S"}) {
        SCOPED_TRACE(kind);
        showAndAct(QStringLiteral("x"), QString::fromLatin1(kind), [](QMessageBox *box) {
            QFont titleFont = box->font();
            titleFont.setBold(true);
            EXPECT_GE(box->width(), QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + kTitleDecorationPx);
            const QStringList problems = LayoutCheck::Problems(box);
            EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
            const QRect area = box->screen()->availableGeometry();
            const QPoint off = box->frameGeometry().center() - area.center();
            EXPECT_LE(std::abs(off.x()), 2);
            EXPECT_LE(std::abs(off.y()), 2);
            box->done(-1);
        });
    }
}

TEST_F(MessageBoxDialogTest, EnterMeantForAnAutoClosedBoxDoesNotReachTheWindowBehind)
{
    // Boxes of earlier tests that closed themselves may still hold Enter back.
    QTest::qWait(kEnterGraceAfterAutoCloseMs + 50);
    QWidget window;
    auto *edit = new QLineEdit(&window);
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&returns] { ++returns; });
    window.show();
    edit->setFocus();

    // Answered by its button: nothing is held back afterwards.
    G_USER_SET.MsgClose = 0;
    showAndAct(QStringLiteral("answered"), QStringLiteral("I"), [](QMessageBox *box) { box->buttons().constFirst()->click(); });
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(returns, 1);

    // Closed by itself: the Enter that follows at once was the user's answer to it.
    G_USER_SET.MsgClose = 1;
    G_USER_SET.MsgTime = 30;
    EXPECT_EQ(showAndAct(QStringLiteral("vanishes"), QStringLiteral("I"), nullptr), 2);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(returns, 1);
    QTest::keyClick(edit, Qt::Key_A);  // other keys pass
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
    QTest::qWait(kEnterGraceAfterAutoCloseMs + 100);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(returns, 2);
}
} // namespace
