#include "common/ui/progress_window.h"

#include <gtest/gtest.h>

#include <QProgressBar>
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
