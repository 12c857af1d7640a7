#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QLabel;
class TFRM_MAIN;

// The product screen ("상품"): the goods of one store, their export to a workbook and the upload
// of new goods from one, and the product editor.
class TFRM_PRODUCT : public QWidget
{
public:
    explicit TFRM_PRODUCT(QWidget *parent = nullptr);

    // File choices; tests install answers (an empty text is a cancelled dialog).
    static std::function<QString(QWidget *, const QString &proposed)> &SaveFileChooser();
    static std::function<QString(QWidget *)> &OpenFileChooser();

    QString selectedStore() const { return m_stCode; }
    QString selectedGoodsNo() const { return m_goodsNo; }
    QTableWidget *goodsGrid() const { return m_grid; }
    QComboBox *storeBox() const { return m_storeBox; }
    QComboBox *branchBox() const { return m_branchBox; }
    QTabWidget *tabs() const { return m_tabs; }
    class GoodsGroupTab *groupTab() const { return m_groupTab; }
    class AppGoodsMatchTab *matchTab() const { return m_matchTab; }

    // The store box's choice, as "조회" does.
    void selectStore();
    // After a product was saved: reload it into the cache and, when the list shows its store,
    // the list too.
    void proc_GoodsInfoChangeAfter(const QString &stCode, const QString &goodsNo);
    void exportGoods();
    // Returns the number of products added.
    int uploadGoods();
    // Opens the additional-goods dialog for the selected product (nullptr when refused).
    class AddGoodsDialog *openAddGoods();
    // Opens the editor: mode 1 new, 2 the selected product.
    void openEditor(int mode);

private:
    void fillBranches();
    void fillList();
    void focusRow();
    void findName();

    QTabWidget *m_tabs = nullptr;
    QComboBox *m_branchBox = nullptr;
    QComboBox *m_storeBox = nullptr;
    QLineEdit *m_storeSearch = nullptr;
    QLineEdit *m_nameSearch = nullptr;
    QLabel *m_selectedName = nullptr;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_uploadButton = nullptr;
    QPushButton *m_addGoodsButton = nullptr;
    class AddGoodsDialog *m_addGoods = nullptr;
    QString m_brCode;
    QString m_stCode;
    QString m_shopType;
    QString m_goodsNo;
    int m_searchPos = 0;
    bool m_filling = false;
    class ProductEditDialog *m_editor = nullptr;
    class GoodsGroupTab *m_groupTab = nullptr;
    class AppGoodsMatchTab *m_matchTab = nullptr;
};

// The product editor's base data of one product.
class ProductEditDialog : public QDialog
{
public:
    explicit ProductEditDialog(TFRM_PRODUCT *screen);
    // iType 1 new, 2 existing.
    void proc_GetMode(int iType, const QString &stCode, const QString &goodsNo);
    // Saves the base data; true when the server took it.
    bool saveBase();

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *priceEdit() const { return m_price; }
    QLineEdit *discountEdit() const { return m_discount; }
    QLineEdit *periodEdit() const { return m_period; }
    QLineEdit *timeEdit() const { return m_time; }
    QString goodsNo() const { return m_goodsNo; }

private:
    TFRM_PRODUCT *m_screen;
    QString m_stCode;
    QString m_goodsNo;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_price = nullptr;
    QLineEdit *m_discount = nullptr;
    QLineEdit *m_period = nullptr;
    QLineEdit *m_time = nullptr;
    QLineEdit *m_limitDay = nullptr;
    QLineEdit *m_limitOnce = nullptr;
    QComboBox *m_status = nullptr;
    QComboBox *m_ordStatus = nullptr;
};

QWidget *MakeProductScreen(TFRM_MAIN *main);
// Installs the product screen under its board name.
void InstallProductScreen();
