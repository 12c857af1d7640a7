#include "layout_check.h"

#include "common/ui/progress_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QWidget>

#include <memory>

TEST(ProgressWindow, ShowResetsGaugeAndCloseOnlyActsWhenShowing)
{
    ShowProgressForm();  // never created: nothing happens
    CloseProgressForm();
    TFRM_PROGRESS *form = CreateProgressForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(CreateProgressForm(), form);
    EXPECT_FALSE(form->isVisible());
    CloseProgressForm();  // hidden: nothing
    EXPECT_FALSE(form->isVisible());

    AdvanceProgressForm(40);
    ShowProgressForm();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->gauge()->value(), 0);
    for (int i = 0; i < 60; ++i)
        AdvanceProgressForm(2);
    EXPECT_EQ(form->gauge()->value(), 100);
    CloseProgressForm();
    EXPECT_FALSE(form->isVisible());
    FreeProgressForm();
    EXPECT_EQ(FRM_PROGRESS, nullptr);
}

TEST(ProgressWindow, WindowFreedWithItsParentLeavesNoDanglingGlobal)
{
    auto parent = std::make_unique<QWidget>();
    CreateProgressForm(parent.get());
    ASSERT_NE(FRM_PROGRESS, nullptr);
    parent.reset();
    EXPECT_EQ(FRM_PROGRESS, nullptr);
    ShowProgressForm();
    CloseProgressForm();
    FreeProgressForm();
    EXPECT_EQ(FRM_PROGRESS, nullptr);
}

TEST(ProgressWindow, OpensOverItsParentWithItsCaptionWhole)
{
    QWidget owner;
    owner.setGeometry(40, 60, 600, 420);
    owner.show();
    TFRM_PROGRESS *form = CreateProgressForm(&owner);
    form->setCaption(QStringLiteral("기초 자료를 불러오는 중입니다. 잠시만 기다려 주세요..."));
    ShowProgressForm();
    const QStringList problems = LayoutCheck::Problems(form);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    const QPoint off = form->frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(std::abs(off.x()), 2);
    EXPECT_LE(std::abs(off.y()), 2);
    FreeProgressForm();

    // Without a parent it opens in the middle of the screen.
    CreateProgressForm();
    ShowProgressForm();
    const QPoint screenOff = FRM_PROGRESS->frameGeometry().center()
                             - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(std::abs(screenOff.x()), 2);
    EXPECT_LE(std::abs(screenOff.y()), 2);
    FreeProgressForm();
}
