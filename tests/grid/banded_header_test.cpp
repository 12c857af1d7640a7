#include "common/message_box.h"
#include "grid/grid_table_model.h"
#include "grid/ui/banded_header.h"
#include "grid/ui/grid_export.h"
#include "grid/ui/grid_footer.h"
#include "grid/xlsx_reader.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace
{
// Name | 배달대행료/세금계산서/{건수, 금액} | 배달대행료/{부가세} | 렌탈/{건수} | 합계
struct BandedFixture
{
    BandedFixture()
    {
        model.setColumns({{"NAME", "이름", GridValueType::Text, {}},
                          {"C1", "건수", GridValueType::Integer, {}},
                          {"C2", "금액", GridValueType::Integer, {}},
                          {"C3", "부가세", GridValueType::Integer, {}},
                          {"C4", "건수", GridValueType::Integer, {}},
                          {"C5", "합계", GridValueType::Integer, {}}});
        model.appendRecord({"가", 1, 1000, 100, 3, 1100});
        model.appendRecord({"나", 2, 2000, 200, 4, 2200});
        header = new BandedHeaderView(&view);
        view.setHorizontalHeader(header);
        view.setModel(&model);
        header->setBandPath(1, {"배달대행료", "세금계산서"});
        header->setBandPath(2, {"배달대행료", "세금계산서"});
        header->setBandPath(3, {"배달대행료"});
        header->setBandPath(4, {"렌탈"});
        for (int c = 0; c < model.columnCount(); ++c)
            header->resizeSection(c, 80);
        view.resize(700, 300);
    }

    QStringList bandTexts() const
    {
        QStringList out;
        for (const BandedHeaderView::Band &b : header->bands()) {
            QStringList cols;
            for (int c : b.logicalColumns)
                cols << QString::number(c);
            out << QStringLiteral("%1:%2[%3]").arg(b.level).arg(b.path.join('/'), cols.join(','));
        }
        return out;
    }

    GridTableModel model;
    QTableView view;
    BandedHeaderView *header = nullptr;
};
} // namespace

TEST(BandedHeader, NeighbouringColumnsShareTheirBandsLevelByLevel)
{
    BandedFixture f;
    EXPECT_EQ(f.header->bandLevels(), 2);
    EXPECT_EQ(f.bandTexts(), (QStringList{"0:배달대행료[1,2,3]", "0:렌탈[4]", "1:배달대행료/세금계산서[1,2]"}));

    // A band follows the columns: moved apart, one band becomes two; hidden columns drop out.
    f.header->moveSection(3, 1); // 부가세 first under the band, still next to its siblings
    EXPECT_EQ(f.bandTexts(), (QStringList{"0:배달대행료[3,1,2]", "0:렌탈[4]", "1:배달대행료/세금계산서[1,2]"}));
    f.header->moveSection(1, 5); // 부가세 to the far right: the top band splits in two
    EXPECT_EQ(f.bandTexts(), (QStringList{"0:배달대행료[1,2]", "0:렌탈[4]", "0:배달대행료[3]",
                                          "1:배달대행료/세금계산서[1,2]"}));
    f.header->setSectionHidden(4, true);
    EXPECT_EQ(f.bandTexts(), (QStringList{"0:배달대행료[1,2]", "0:배달대행료[3]", "1:배달대행료/세금계산서[1,2]"}));
}

TEST(BandedHeader, BandRowsMakeTheHeaderTallerAndClicksNameTheBand)
{
    BandedFixture f;
    QTableView plain;
    plain.setModel(&f.model);
    EXPECT_GT(f.header->sizeHint().height(), plain.horizontalHeader()->sizeHint().height());

    f.view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy bands(f.header, &BandedHeaderView::bandClicked);
    QSignalSpy sections(f.header, &QHeaderView::sectionClicked);
    const QList<BandedHeaderView::Band> all = f.header->bands();
    ASSERT_EQ(all.size(), 3);
    // The top band over the money columns.
    QTest::mouseClick(f.header->viewport(), Qt::LeftButton, {}, all.at(0).rect.center());
    ASSERT_EQ(bands.size(), 1);
    EXPECT_EQ(bands.at(0).at(0).toStringList(), QStringList{"배달대행료"});
    EXPECT_EQ(bands.at(0).at(1).toInt(), 1);
    EXPECT_EQ(sections.size(), 0);
    // A column caption below the bands stays a section click.
    const int captionY = f.header->height() - 4;
    QTest::mouseClick(f.header->viewport(), Qt::LeftButton, {},
                      QPoint(f.header->sectionViewportPosition(2) + 10, captionY));
    ASSERT_EQ(sections.size(), 1);
    EXPECT_EQ(sections.at(0).at(0).toInt(), 2);
    // A column without bands takes the whole height: a click at the top is its own.
    QTest::mouseClick(f.header->viewport(), Qt::LeftButton, {}, QPoint(f.header->sectionViewportPosition(5) + 10, 3));
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(sections.at(1).at(0).toInt(), 5);
    EXPECT_EQ(bands.size(), 1);

    f.header->setBandSortIndicator({"렌탈"}, Qt::DescendingOrder);
    EXPECT_EQ(f.header->bandSortPath(), QStringList{"렌탈"});
    EXPECT_EQ(f.header->bandSortOrder(), Qt::DescendingOrder);
}

TEST(BandedHeader, ExportWritesOneMergedCellPerBandAboveTheCaptions)
{
    BandedFixture f;
    f.header->moveSection(1, 5); // 건수(세금계산서) goes right, away from 금액: its bands split
    QTemporaryDir dir;
    const ExportOpenHandler previous = SetExportOpenHandler([](const QString &) {});
    const QString file = dir.filePath("bands.xlsx");
    QStringList boxes;
    const MsgBoxHandler oldBoxes = SetMsgBoxHandler([&](const QString &t, const QString &) {
        boxes << t;
        return 1;
    });
    const bool written = ExportGridToExcel(&f.view, file, false);
    SetMsgBoxHandler(oldBoxes);
    ASSERT_TRUE(written) << boxes.join(' ').toStdString();
    SetExportOpenHandler(previous);

    XlsxReader reader;
    ASSERT_TRUE(reader.open(file));
    XlsxSheet s;
    ASSERT_TRUE(reader.readSheet(0, &s));
    // Display order: 이름, 금액, 부가세, 건수(렌탈), 합계, 건수(세금계산서).
    ASSERT_EQ(s.rowCount(), 2 + 1 + 2);
    EXPECT_EQ(s.cell(0, 0).text, "");
    EXPECT_EQ(s.cell(0, 1).text, "배달대행료");
    EXPECT_EQ(s.cell(0, 2).text, ""); // merged into the cell on its left
    EXPECT_EQ(s.cell(0, 3).text, "렌탈");
    EXPECT_EQ(s.cell(0, 5).text, "배달대행료");
    EXPECT_EQ(s.cell(1, 1).text, "세금계산서");
    EXPECT_EQ(s.cell(1, 2).text, "");
    EXPECT_EQ(s.cell(1, 5).text, "세금계산서");
    EXPECT_EQ(s.cell(2, 0).text, "이름");
    EXPECT_EQ(s.cell(2, 5).text, "건수");
    EXPECT_EQ(s.cell(3, 0).text, "가");
    EXPECT_EQ(s.cell(4, 1).number, 2000);
}

TEST(GridFooter, KeepsOneTextPerColumn)
{
    BandedFixture f;
    GridFooterBar footer(&f.view);
    footer.setText(2, "3,000");
    footer.setText(0, "전체: 2");
    EXPECT_EQ(footer.text(2), "3,000");
    footer.setText(2, QString());
    EXPECT_EQ(footer.text(2), QString());
    EXPECT_EQ(footer.text(0), "전체: 2");
    footer.clearTexts();
    EXPECT_EQ(footer.text(0), QString());
    EXPECT_GT(footer.sizeHint().height(), footer.fontMetrics().height());
}

// The footer stands under its table in the same window, not around it: its cells line up with
// the table's columns when it is painted.
TEST(GridFooter, PaintsBesideItsTableInTheSameWindow)
{
    GridTableModel model;
    model.setColumns({{"NAME", "이름", GridValueType::Text, {}}, {"AMT", "금액", GridValueType::Integer, {}}});
    model.appendRecord({"가", 1000});
    QWidget host;
    auto *layout = new QVBoxLayout(&host);
    auto *table = new QTableView;
    table->setModel(&model);
    auto *footer = new GridFooterBar(table);
    footer->setText(1, "1,000");
    layout->addWidget(table);
    layout->addWidget(footer);
    host.resize(300, 200);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QImage shot = footer->grab().toImage();
    EXPECT_EQ(shot.size(), footer->size());
}
