#pragma once

#include "store/goods_group_edit.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QTableWidget;

// "추가상품관리": which of the store's other products are offered with one product.
class AddGoodsDialog : public QDialog
{
public:
    explicit AddGoodsDialog(QWidget *parent);
    // Loads the candidates of one product; false when the user kept pending changes.
    bool proc_AddGoodsList(const QString &stCode, const QString &goodsNo);
    // Sends the choice; true when the server took it (the dialog then closes).
    bool save();
    void setTicked(int row, bool ticked);
    void setAllTicked(bool ticked);
    int pendingCount() const { return AddGoodsPendingCount(m_rows); }
    int rowCount() const { return int(m_rows.size()); }
    const QList<AddGoodsChoice> &choices() const { return m_rows; }

    // Called after a successful save with the store and product (the product screen reloads it).
    std::function<void(const QString &stCode, const QString &goodsNo)> onSaved;

private:
    void showRows();

    QString m_stCode, m_goodsNo;
    QList<AddGoodsChoice> m_rows;
    QStringList m_names;
    QTableWidget *m_grid = nullptr;
    QCheckBox *m_all = nullptr;
    QLineEdit *m_search = nullptr;
    int m_searchPos = 0;
    bool m_setting = false;
};
