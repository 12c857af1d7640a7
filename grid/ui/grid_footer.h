#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

class QTableView;

// A footer strip under a table: one text per column, drawn under that column and following its
// moves, resizes, hiding and the horizontal scroll. Put it in the layout right below the table;
// its left edge is aligned to the table's cells (past the row header) by the strip itself.
class GridFooterBar : public QWidget
{
    Q_OBJECT
public:
    explicit GridFooterBar(QTableView *table, QWidget *parent = nullptr);

    void setText(int logicalColumn, const QString &text);
    QString text(int logicalColumn) const { return m_texts.value(logicalColumn); }
    void clearTexts();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPointer<QTableView> m_table;
    QHash<int, QString> m_texts;
};
