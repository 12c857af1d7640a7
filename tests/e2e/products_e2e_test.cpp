// The product screen in the assembled program: the demo store's goods are listed, a product edited
// in the editor reaches the sandbox and the goods cache, the export uploads back unchanged as
// nothing new, a file with a bad row is refused naming the row, and a new row adds a product.
#include "e2e_fixture.h"
#include "layout_check.h"

#include "grid/xlsx_export.h"
#include "main/top_menu.h"
#include "records/reference_lookups.h"
#include "reception/menu_board_filter.h"
#include "store/product_goods_list.h"
#include "store/ui/add_goods_dialog.h"
#include "store/ui/app_goods_match_tab.h"
#include "store/ui/goods_group_tab.h"
#include "store/ui/product_screen.h"

#include <QComboBox>

#include <algorithm>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

namespace
{
class ProductsE2eSheet : public ExportTableSource
{
public:
    explicit ProductsE2eSheet(QList<QStringList> rows)
        : m_rows(std::move(rows))
    {
    }
    int exportColumnCount() const override { return 8; }
    QString exportCaption(int c) const override
    {
        static const QStringList caps = {"순번", "상품명", "주문배달가격", "주문배달할인가", "주문배달 할인기간",
                                         "주문배달 할인시간", "주문배달 1일 제한", "주문배달 1회 제한"};
        return caps.at(c);
    }
    bool exportColumnVisible(int) const override { return true; }
    bool exportColumnIsText(int) const override { return true; }
    int exportRowCount() const override { return int(m_rows.size()); }
    QVariant exportValue(int r, int c) const override { return m_rows.at(r).value(c); }

private:
    QList<QStringList> m_rows;
};

TEST_F(EndToEndTest, ProductEditReachesTheCacheAndUploadsAreCheckedWhole)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    window->orderPolling.poller.stop();
    window->TopButtonClick(TopButton::Product);
    auto *screen = dynamic_cast<TFRM_PRODUCT *>(window->ScreenWidget(QString::fromLatin1(ScreenName::kProduct)));
    ASSERT_NE(screen, nullptr) << "the product screen is built, not stood in for";
    ASSERT_TRUE(QTest::qWaitFor([screen] { return screen->isVisible(); }, 10000));

    // The demo store's goods.
    const QString st = G_USER_INFO.ST;
    const int s = G_SL_ST_CODE.indexOf(st);
    ASSERT_GE(s, 0) << G_SL_ST_CODE.mid(0, 5).join(QLatin1Char(',')).toStdString() << " of " << G_SL_ST_CODE.size() << " branches " << screen->branchBox()->count();
    const int branch = screen->branchBox()->findData(QString(G_ST_LIST.at(s).BR_CODE));
    ASSERT_GE(branch, 0);
    screen->branchBox()->setCurrentIndex(branch);
    const int index = screen->storeBox()->findData(st);
    ASSERT_GE(index, 0) << st.toStdString();
    screen->storeBox()->setCurrentIndex(index);
    screen->selectStore();
    QTableWidget *grid = screen->goodsGrid();
    ASSERT_GT(grid->rowCount(), 10);
    const int rowsBefore = grid->rowCount();
    window->resize(1600, 900);
    const QStringList problems = LayoutCheck::Problems(screen);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    if (qEnvironmentVariableIsSet("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/products.png"));

    // Edit the first product's name and price.
    grid->setCurrentCell(0, int(ProductGoodsColumn::Name));
    const QString goodsNo = screen->selectedGoodsNo();
    ASSERT_FALSE(goodsNo.isEmpty());
    host->clearReceived();
    boxes.clear();
    screen->openEditor(2);
    auto *editor = screen->findChild<ProductEditDialog *>();
    ASSERT_NE(editor, nullptr);
    const QStringList editorProblems = LayoutCheck::Problems(editor);
    EXPECT_TRUE(editorProblems.isEmpty()) << editorProblems.join(QLatin1Char('\n')).toStdString();
    const QString newName = editor->nameEdit()->text() + QStringLiteral(" 특대");
    editor->nameEdit()->setText(newName);
    editor->priceEdit()->setText(QStringLiteral("23500"));
    editor->discountEdit()->setText(QStringLiteral("21000"));
    editor->periodEdit()->setText(QStringLiteral("2026-12-01~2026-12-31"));
    editor->timeEdit()->setText(QStringLiteral("11:00~14:00"));
    ASSERT_TRUE(editor->saveBase()) << boxes.join(QLatin1Char('\n')).toStdString();
    editor->hide();
    const QList<SandboxRequest> saved = requests(QStringLiteral("CS05_02_V01"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.first().fields().value(1), goodsNo);
    EXPECT_EQ(saved.first().fields().value(6), QStringLiteral("23500"));
    const TGOODS_LIST cached = GetStGoods(st, goodsNo);
    EXPECT_EQ(QString(cached.GOODS_NAME), newName) << "the goods cache follows the save";
    EXPECT_EQ(QString(cached.ORD_PRICE), QStringLiteral("23500"));
    EXPECT_EQ(QString(cached.ORD_DN_PRICE), QStringLiteral("21000"));
    EXPECT_EQ(QString(cached.ORD_DN_PERIOD), QStringLiteral("2026120120261231"));
    EXPECT_EQ(QString(cached.ORD_DN_TIME), QStringLiteral("11001400"));
    // The reception window's menu board, built from the same cache, shows the new name and the
    // discount price inside its period.
    bool onBoard = false;
    for (const MenuBoardTile &tile : BuildMenuBoard(*G_ST_LIST.find(st), MenuBoardFilter{}))
        onBoard = onBoard || (tile.goodsNo == goodsNo && tile.name == newName);
    EXPECT_TRUE(onBoard) << "the menu board shows the edited product";
    // Opening and saving again keeps the period and time.
    editor->proc_GetMode(2, st, goodsNo);
    EXPECT_EQ(editor->periodEdit()->text(), QStringLiteral("2026-12-01~2026-12-31"));
    ASSERT_TRUE(editor->saveBase());
    EXPECT_EQ(QString(GetStGoods(st, goodsNo).ORD_DN_TIME), QStringLiteral("11001400"));
    editor->periodEdit()->setText(QStringLiteral("2026/12/1~"));
    boxes.clear();
    EXPECT_FALSE(editor->saveBase());
    EXPECT_TRUE(boxes.join(QLatin1Char('\n')).contains(QStringLiteral("날짜 형식")));
    editor->proc_GetMode(2, st, goodsNo);
    EXPECT_EQ(grid->item(0, int(ProductGoodsColumn::Name))->text(), newName);

    // A new product from the editor joins the list.
    const int rowsBeforeNew = grid->rowCount();
    editor->hide();
    screen->openEditor(1);
    EXPECT_TRUE(editor->nameEdit()->text().isEmpty());
    editor->nameEdit()->setText(QStringLiteral("신상 치킨버거"));
    editor->priceEdit()->setText(QStringLiteral("6500"));
    ASSERT_TRUE(editor->saveBase()) << boxes.join(QLatin1Char('\n')).toStdString();
    ASSERT_FALSE(editor->goodsNo().isEmpty()) << "the new number comes back";
    EXPECT_EQ(grid->rowCount(), rowsBeforeNew + 1);
    EXPECT_EQ(QString(GetStGoods(st, editor->goodsNo()).GOODS_NAME), QStringLiteral("신상 치킨버거"));
    editor->hide();
    grid->setCurrentCell(0, int(ProductGoodsColumn::Name));

    // Two additional goods for the edited product.
    host->clearReceived();
    boxes.clear();
    AddGoodsDialog *adds = screen->openAddGoods();
    ASSERT_NE(adds, nullptr);
    ASSERT_GE(adds->rowCount(), 2);
    const QStringList addProblems = LayoutCheck::Problems(adds);
    EXPECT_TRUE(addProblems.isEmpty()) << addProblems.join(QLatin1Char('\n')).toStdString();
    const int alreadyTicked = int(std::count_if(adds->choices().begin(), adds->choices().end(),
                                                [](const AddGoodsChoice &c) { return c.ticked; }));
    adds->setTicked(0, true);
    adds->setTicked(1, true);
    const QString addA = adds->choices().at(0).goodsNo;
    const QString addB = adds->choices().at(1).goodsNo;
    ASSERT_TRUE(adds->save()) << boxes.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(requests(QStringLiteral("CS05_07_V01")).size(), 1);
    EXPECT_EQ(requests(QStringLiteral("CS05_07_V01")).first().itemCnt, QString::number(qMax(2, alreadyTicked)));
    EXPECT_EQ(requests(QStringLiteral("CS05_11_V01")).size(), 1);
    const TGOODS_LIST withAdds = GetStGoods(st, goodsNo);
    QStringList addNos;
    for (int a = 0; a < withAdds.ADD.count(); ++a)
        if (QString(withAdds.ADD.at(a).DATA_STATUS) != QLatin1String("0"))
            addNos << QString(withAdds.ADD.at(a).ST_GOODS_OP_NO);
    EXPECT_TRUE(addNos.contains(addA) && addNos.contains(addB)) << addNos.join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(adds->isVisible());

    // The export uploads back unchanged as nothing new.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto previousSave = TFRM_PRODUCT::SaveFileChooser();
    const auto previousOpen = TFRM_PRODUCT::OpenFileChooser();
    TFRM_PRODUCT::SaveFileChooser() = [&dir](QWidget *, const QString &proposed) {
        EXPECT_TRUE(proposed.endsWith(QStringLiteral(".xlsx")));
        return dir.filePath(QStringLiteral("goods.xlsx"));
    };
    QString chosen = dir.filePath(QStringLiteral("goods.xlsx"));
    TFRM_PRODUCT::OpenFileChooser() = [&chosen](QWidget *) { return chosen; };
    screen->exportGoods();
    ASSERT_TRUE(QFile::exists(chosen)) << boxes.join(QLatin1Char('\n')).toStdString();
    host->clearReceived();
    boxes.clear();
    EXPECT_EQ(screen->uploadGoods(), 0);
    EXPECT_TRUE(requests(QStringLiteral("CS05_02_V01")).isEmpty());
    EXPECT_TRUE(boxes.join(QLatin1Char('\n')).contains(QStringLiteral("새로 등록할 상품이 없습니다")))
        << boxes.join(QLatin1Char('\n')).toStdString();

    // A bad row refuses the whole file.
    chosen = dir.filePath(QStringLiteral("bad.xlsx"));
    ASSERT_TRUE(ExportTableToXlsx(ProductsE2eSheet({{"1", "새메뉴", "12000"}, {"2", "틀린메뉴", "12,000"}}), chosen).ok);
    boxes.clear();
    EXPECT_EQ(screen->uploadGoods(), 0);
    EXPECT_TRUE(requests(QStringLiteral("CS05_02_V01")).isEmpty());
    EXPECT_TRUE(boxes.join(QLatin1Char('\n')).contains(QStringLiteral("3행 틀린메뉴")))
        << boxes.join(QLatin1Char('\n')).toStdString();

    // A good file adds its product and the list shows it.
    chosen = dir.filePath(QStringLiteral("good.xlsx"));
    ASSERT_TRUE(ExportTableToXlsx(ProductsE2eSheet({{"1", "새메뉴", "12000", "10000", "2026-12-01~2026-12-31"}}), chosen).ok);
    EXPECT_EQ(screen->uploadGoods(), 1) << boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(requests(QStringLiteral("CS05_02_V01")).size(), 1);
    EXPECT_EQ(grid->rowCount(), rowsBefore + 2) << "the editor's new product and the uploaded one";
    bool listed = false;
    for (int r = 0; r < grid->rowCount(); ++r)
        listed = listed || grid->item(r, int(ProductGoodsColumn::Name))->text() == QStringLiteral("새메뉴");
    EXPECT_TRUE(listed);

    // A new group with two goods, saved and read back from the server.
    GoodsGroupTab *groups = screen->groupTab();
    screen->tabs()->setCurrentWidget(groups);
    groups->chooseStore(st);
    ASSERT_GT(groups->groupGrid()->rowCount(), 0);
    const QStringList groupProblems = LayoutCheck::Problems(groups);
    EXPECT_TRUE(groupProblems.isEmpty()) << groupProblems.join(QLatin1Char('\n')).toStdString();
    if (qEnvironmentVariableIsSet("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/product_groups.png"));
    groups->kindBox()->setCurrentIndex(groups->kindBox()->findData(QStringLiteral("1")));
    groups->dialog()->FS_ST_SHOP_TYPE = QStringLiteral("1");
    groups->dialog()->proc_SetBaseInfo(st, QString(), QString(), QString());
    groups->dialog()->nameEdit()->setText(QStringLiteral("  점심특선 "));
    ASSERT_TRUE(groups->dialog()->apply());
    const int newRow = groups->groupGrid()->rowCount() - 1;
    ASSERT_EQ(groups->groupGrid()->item(newRow, 0)->text(), QStringLiteral("점심특선"));
    groups->groupGrid()->setCurrentCell(newRow, 0);
    ASSERT_GE(groups->allGoods()->count(), 2);
    const QString first = groups->allGoods()->item(0)->data(Qt::UserRole).toString();
    const QString second = groups->allGoods()->item(1)->data(Qt::UserRole).toString();
    groups->allGoods()->item(0)->setCheckState(Qt::Checked);
    groups->allGoods()->item(1)->setCheckState(Qt::Checked);
    groups->addCheckedGoods();
    EXPECT_EQ(groups->groupGoods()->count(), 2);
    EXPECT_TRUE(groups->changed());
    host->clearReceived();
    boxes.clear();
    ASSERT_TRUE(groups->save());
    EXPECT_EQ(requests(QStringLiteral("CS05_05_V01")).size(), 1);
    ASSERT_EQ(requests(QStringLiteral("CS05_06_V02")).size(), 1);
    EXPECT_EQ(requests(QStringLiteral("CS05_06_V02")).first().itemCnt, QStringLiteral("2"));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(groups->changed());
    bool found = false;
    for (const GoodsGroupRow &row : groups->rows())
        if (row.name == QStringLiteral("점심특선")) {
            found = true;
            EXPECT_FALSE(row.no.startsWith(QLatin1Char('N')));
            EXPECT_EQ(row.orig, (QStringList{first, second}));
        }
    EXPECT_TRUE(found) << "the saved group comes back from the server";


    // An app name typed into a slot is saved, comes back with its code, and the export uploads
    // back into the same slot.
    AppGoodsMatchTab *match = screen->matchTab();
    screen->tabs()->setCurrentWidget(match);
    match->chooseStore(st);
    ASSERT_GT(match->grid()->rowCount(), 0);
    const QStringList matchProblems = LayoutCheck::Problems(match);
    EXPECT_TRUE(matchProblems.isEmpty()) << matchProblems.join(QLatin1Char('\n')).toStdString();
    match->grid()->item(0, 4)->setText(QStringLiteral("배민 대표메뉴"));
    host->clearReceived();
    boxes.clear();
    EXPECT_EQ(match->save(), 1) << boxes.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(requests(QStringLiteral("CS05_10_V01")).size(), 1);
    EXPECT_EQ(requests(QStringLiteral("CS05_10_V01")).first().fields().value(1), QStringLiteral("1"));
    EXPECT_FALSE(match->rows().first().code[0][0].isEmpty()) << "the reload shows the code the server gave";
    EXPECT_EQ(match->rows().first().appName[0][0], QStringLiteral("배민 대표메뉴"));
    const QString matchFile = dir.filePath(QStringLiteral("match.xlsx"));
    match->exportLinks(matchFile);
    host->clearReceived();
    EXPECT_EQ(match->upload(matchFile), 1);
    ASSERT_EQ(requests(QStringLiteral("CS05_10_V01")).size(), 1);
    EXPECT_EQ(requests(QStringLiteral("CS05_10_V01")).first().fields().value(1), QStringLiteral("2"));
    EXPECT_EQ(match->rows().first().appName[0][0], QStringLiteral("배민 대표메뉴"));

    TFRM_PRODUCT::SaveFileChooser() = previousSave;
    TFRM_PRODUCT::OpenFileChooser() = previousOpen;
}
} // namespace
