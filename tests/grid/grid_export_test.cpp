#include "grid/grid_table_model.h"
#include "common/message_box.h"
#include "grid/ui/check_combo_box.h"
#include "grid/ui/combo_box_fill.h"
#include "grid/ui/grid_export.h"
#include "grid/xlsx_reader.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>
#include <QTemporaryDir>

TEST(GridExport, ExportsWhatTheViewShows)
{
    GridTableModel model;
    model.setColumns({{"ORD_NO", "번호", GridValueType::Text, {}},
                      {"STATUS", "상태", GridValueType::Text, {{"1001", "접수"}, {"2001", "요청"}}},
                      {"TEL", "전화", GridValueType::Text, {}},
                      {"AMT", "금액", GridValueType::Integer, {}},
                      // A numeric code column whose names look like numbers stays text.
                      {"WK", "기사", GridValueType::Integer, {{"5", "007"}}}});
    model.appendRecord({"001", "1001", "010-1", 3000, 5});
    model.appendRecord({"002", "2001", "010-2", 12000, 5});
    model.appendRecord({"003", "1001", "010-3", 500, 5});
    model.setFilterGroup(0, FilterGroup().add(FilterCondition::make(1, FilterOp::Equal, "1001")));
    model.sort(3, Qt::AscendingOrder);
    QTableView view;
    view.setModel(&model);
    view.horizontalHeader()->moveSection(3, 0); // 금액 first
    view.setColumnHidden(2, true);

    QTemporaryDir dir;
    QStringList opened;
    const ExportOpenHandler previous = SetExportOpenHandler([&](const QString &f) { opened << f; });
    const QString file = dir.filePath("board.xlsx");
    ExportGridToExcel(&view, file);
    SetExportOpenHandler(previous);
    ASSERT_EQ(opened, QStringList{file});

    XlsxReader reader;
    ASSERT_TRUE(reader.open(file));
    XlsxSheet s;
    ASSERT_TRUE(reader.readSheet(0, &s));
    ASSERT_EQ(s.rowCount(), 3); // caption + the two shown rows, in sort order
    EXPECT_EQ(s.cell(0, 0).text, "금액");
    EXPECT_EQ(s.cell(0, 3).text, "전화");
    EXPECT_EQ(s.cell(1, 0).number, 500);
    EXPECT_EQ(s.cell(1, 1).text, "003");
    EXPECT_EQ(s.cell(1, 2).text, "접수"); // the code column gives its shown name
    EXPECT_FALSE(s.cell(1, 3).present);   // hidden column: caption only
    EXPECT_TRUE(s.column(3).hidden);
    EXPECT_EQ(s.cell(2, 0).number, 3000);
    EXPECT_FALSE(s.cell(1, 4).isNumber);
    EXPECT_EQ(s.cell(1, 4).text, "007");
    EXPECT_EQ(reader.cellFormat(s.cell(1, 4).style).numberFormat, "#,##0");

    // Only the shown columns, for exports that leave hidden ones out.
    GridViewExportSource visibleOnly(&view, false);
    EXPECT_EQ(visibleOnly.exportColumnCount(), 4);

    // A failed export reports through the message box and opens nothing.
    QStringList boxes;
    const MsgBoxHandler old = SetMsgBoxHandler([&](const QString &t, const QString &k) {
        boxes << k + ":" + t;
        return 1;
    });
    ExportGridToExcel(&view, dir.filePath("missing/board.xlsx"));
    SetMsgBoxHandler(old);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.first().startsWith("E:"));
}

TEST(ComboBoxFill, ItemsCarryValueAndTagAndChecksToggle)
{
    QComboBox box;
    box.addItem("old");
    ComboFill keep;
    keep.change = false;
    ApplyComboFill(&box, keep);
    EXPECT_EQ(box.count(), 1);

    ComboFill f;
    f.items = {{"B1", "강남", 5000}, {"B2", "서초", 5000}};
    ApplyComboFill(&box, f);
    EXPECT_EQ(box.count(), 2);
    EXPECT_EQ(ComboValue(&box), "B1");
    EXPECT_EQ(ComboTag(&box), 5000);
    f.clear = false;
    f.select = -1;
    ApplyComboFill(&box, f);
    EXPECT_EQ(box.count(), 4);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(ComboValue(&box), "");

    CheckComboBox checks;
    ApplyCheckItems(&checks, {{"전체", "전체", 0, false}, {"강남", "강남", 0, true}, {"배민", "", 1039, true}});
    EXPECT_EQ(checks.itemCount(), 3);
    EXPECT_EQ(checks.checkedTags(), (QList<int>{0, 1039}));
    EXPECT_EQ(checks.summaryText(), "강남, 배민");
    QList<int> toggled;
    QObject::connect(&checks, &CheckComboBox::itemToggled, [&](int i, bool) { toggled << i; });
    checks.setChecked(0, true);
    EXPECT_EQ(toggled, QList<int>{0});
    EXPECT_TRUE(checks.isChecked(0));
}

TEST(ComboBoxFill, CheckItemAddedAfterTheListWasShownCanBeSeenAndTicked)
{
    CheckComboBox checks;
    checks.show();
    checks.addCheckItem("강남");
    checks.addCheckItem("서초");
    checks.showPopup();
    QCoreApplication::processEvents();
    checks.hidePopup();

    checks.addCheckItem("용산", "", 7);
    checks.showPopup();
    QCoreApplication::processEvents();
    const QRect r = checks.view()->visualRect(checks.model()->index(2, 0));
    ASSERT_TRUE(r.isValid() && r.height() > 0) << "the list knows the new row";
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(r.center()), checks.view()->viewport()->mapToGlobal(QPointF(r.center())),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(checks.view()->viewport(), &release);
    EXPECT_TRUE(checks.isChecked(2));
    EXPECT_EQ(checks.checkedTags(), QList<int>{7});
    checks.hidePopup();
}
