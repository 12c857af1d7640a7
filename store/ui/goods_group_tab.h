#pragma once

#include "store/goods_group_edit.h"

#include <QDialog>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QLabel;

// The product-group dialog: the name and use type of a new or existing group, handed back to
// the groups tab; it sends nothing itself.
class GoodsGroupDialog : public QDialog
{
public:
    explicit GoodsGroupDialog(QWidget *parent);
    QString FS_ST_SHOP_TYPE;
    void proc_SetBaseInfo(const QString &stCode, const QString &grpName, const QString &grpNo, const QString &grpType);
    // Checks and hands the group back; false (with the message shown) when refused.
    bool apply();
    std::function<void(const QString &status, const QString &no, const QString &name, const QString &type)> onApply;

    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *typeBox() const { return m_type; }

private:
    QString m_status, m_stCode, m_no;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QPushButton *m_apply = nullptr;
};

// "상품그룹 및 순서": the groups of one store, their goods and the display order of all goods.
class GoodsGroupTab : public QWidget
{
public:
    explicit GoodsGroupTab(QWidget *parent = nullptr);

    void chooseStore(const QString &stCode);
    void proc_GoodsGrp_Change(const QString &status, const QString &no, const QString &name, const QString &type);
    // Sends the pending changes; false when nothing could be sent.
    bool save();
    // Selects the group row r of the kind shown (-1 none).
    void selectGroup(int shownRow);
    void addCheckedGoods();
    void removeCheckedGoods();
    void moveAllGoods(int from, int to);
    bool changed() const;

    QComboBox *branchBox() const { return m_branchBox; }
    QComboBox *storeBox() const { return m_storeBox; }
    QComboBox *kindBox() const { return m_kindBox; }
    QTableWidget *groupGrid() const { return m_groups; }
    QListWidget *groupGoods() const { return m_groupGoods; }
    QListWidget *allGoods() const { return m_allGoods; }
    const QList<GoodsGroupRow> &rows() const { return m_rows; }
    GoodsGroupDialog *dialog();

private:
    bool guard();
    void fillGroups();
    void showGroups();
    void fillAllGoods();
    void commitGroup();
    void moveGroup(int delta);
    QString goodsName(const QString &goodsNo) const;

    QComboBox *m_branchBox = nullptr;
    QComboBox *m_storeBox = nullptr;
    QComboBox *m_kindBox = nullptr;
    QTableWidget *m_groups = nullptr;
    QListWidget *m_groupGoods = nullptr;
    QListWidget *m_allGoods = nullptr;
    QLabel *m_selected = nullptr;
    QPushButton *m_deleteButton = nullptr;
    GoodsGroupDialog *m_dialog = nullptr;
    QList<GoodsGroupRow> m_rows;
    QList<int> m_shown;  // m_rows index of each shown group row
    int m_edited = -1;   // m_rows index of the group whose goods are shown
    QString m_stCode, m_masterStCode, m_shopType;
    bool m_groupsMoved = false, m_allMoved = false, m_filling = false;
};
