#pragma once

#include "store/app_goods_match.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QTableWidget;

// "주문어플상품매칭": the store's goods with their names in the delivery apps, edited here or
// exchanged with a workbook.
class AppGoodsMatchTab : public QWidget
{
public:
    explicit AppGoodsMatchTab(QWidget *parent = nullptr);

    void chooseStore(const QString &stCode);
    // Which app's slots are shown (0-based).
    void showApp(int app);
    // Saves every filled slot; the number saved.
    int save();
    void exportLinks(const QString &path);
    // Reads the workbook and saves every slot; the number saved.
    int upload(const QString &path);

    QTableWidget *grid() const { return m_grid; }
    QComboBox *storeBox() const { return m_storeBox; }
    QComboBox *branchBox() const { return m_branchBox; }
    const QList<AppGoodsMatchRow> &rows() const { return m_rows; }

    // File choices, shared with the goods tab's.
    std::function<QString(const QString &proposed)> chooseSaveFile;
    std::function<QString()> chooseOpenFile;

private:
    void loadLinks();
    void showRows();
    void takeEdits();
    int saveSlots(bool afterUpload);

    QComboBox *m_branchBox = nullptr;
    QComboBox *m_storeBox = nullptr;
    QComboBox *m_appBox = nullptr;
    QTableWidget *m_grid = nullptr;
    QList<AppGoodsMatchRow> m_rows;
    QString m_stCode;
    int m_app = 0;
    bool m_filling = false;
};
