#pragma once

#include "history/performance_detail.h"

#include <QDialog>
#include <QPoint>

class GridFooterBar;
class GridTableModel;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

// The detailed performance of one courier or store: its deliveries of a period of at most one
// month, loaded week by week, with footer totals and export. Borderless, moved by its title.
class TFRM_PPL_DETAIL_GRADE : public QDialog
{
    Q_OBJECT
public:
    // type: "2" courier, "1" store; code goes to the server, name is shown.
    TFRM_PPL_DETAIL_GRADE(const QString &type, const QString &code, const QString &name, QWidget *parent = nullptr);

    void setPeriod(const PerformanceDetail::Period &period);
    PerformanceDetail::Period period() const;
    // Loads the grid for the dates in the two edits ("검색" too).
    void procMonthlyLoad();
    void procSetEnable(bool flag);
    // "엑셀다운".
    void exportGrid();

    QTableView *grid() const { return CGTV_DETAIL_GRADE_VIEW; }
    GridTableModel *model() const { return m_model; }
    GridFooterBar *footer() const { return m_footer; }
    QString title() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshFooter();

    QString m_type;
    QWidget *pnlTitle = nullptr;
    QLabel *lbTitle = nullptr;
    QGroupBox *cxGroupBox20 = nullptr;
    QDateEdit *CDE_DGRADE_SD = nullptr;
    QDateEdit *CDE_DGRADE_ED = nullptr;
    QLabel *lbSearchTitle = nullptr;
    QLabel *lbSearchValue = nullptr;
    QString lbSearchCode;
    QPushButton *CBT_GRADE_CLOSE = nullptr;
    QPushButton *CBT_DGRADE = nullptr;
    QPushButton *btnExcel = nullptr;
    QTableView *CGTV_DETAIL_GRADE_VIEW = nullptr;
    GridTableModel *m_model = nullptr;
    GridFooterBar *m_footer = nullptr;
    QPoint m_dragFrom;
};
