#include "records/session_records.h"
#include "common/ui/form_lookup.h"
#include "grid/ui/grid_font.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QTableView>

TEST(GridFontTest, RowAndHeaderHeightsFollowTheFontSize)
{
    ResetSessionRecords();
    QTableView view;
    const struct
    {
        int size, row;
    } cases[] = {{8, 27}, {11, 31}, {14, 34}, {15, 26}};
    for (const auto &c : cases) {
        G_USER_SET.FONT_SIZE = c.size;
        ApplyGridFontSize(&view);
        EXPECT_EQ(view.verticalHeader()->defaultSectionSize(), c.row) << c.size;
        EXPECT_EQ(view.horizontalHeader()->height(), c.row + 5) << c.size;
        EXPECT_EQ(G_USER_SET.DATA_HEIGHT, c.row);
        EXPECT_EQ(view.font().pointSize(), c.size);
    }
    ResetSessionRecords();
}

TEST(FormLookupTest, FindsAnOpenWindowByClassNameIgnoringCase)
{
    EXPECT_EQ(FindFormByClass("QDialog"), nullptr);
    QDialog dialog;
    EXPECT_EQ(FindFormByClass("qdialog"), &dialog);
    EXPECT_EQ(FindFormByClass("TfrmPasswordChage"), nullptr);
}
