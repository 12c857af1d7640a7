#pragma once

#include "history/statistics_grids.h"
#include "history/statistics_query.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class BandedHeaderView;
class GridFooterBar;
class GridTableModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class TFRM_PPL_DETAIL_GRADE;

// The statistics screen: six tabs of aggregated figures from the server, each with its target,
// period, banded result grid with footers, and export. Docks into the main window's board panel.
class TFRM_STATISTICS : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_STATISTICS(QWidget *parent = nullptr);
    ~TFRM_STATISTICS() override;

    // The controls of one tab.
    struct TabControls
    {
        QWidget *page = nullptr;
        QComboBox *target = nullptr;
        QRadioButton *dayRange = nullptr;
        QRadioButton *monthRange = nullptr;
        QWidget *dayPanel = nullptr;
        QWidget *monthPanel = nullptr;
        QDateEdit *dayStart = nullptr;
        QDateEdit *dayEnd = nullptr;
        QLineEdit *monthStart = nullptr;
        QLineEdit *monthEnd = nullptr;
        QWidget *groupPanel = nullptr; // tabs 0 and 3
        QRadioButton *byPeriod = nullptr;
        QRadioButton *byTarget = nullptr;
        QPushButton *search = nullptr;
        QPushButton *excel = nullptr;
        QList<QCheckBox *> statusBoxes; // courier and store tabs
        QLineEdit *reFind = nullptr;
        QTableView *view = nullptr;
        GridTableModel *model = nullptr;
        BandedHeaderView *header = nullptr;
        GridFooterBar *footer = nullptr;
        Statistics::BandSort sort;
    };

    QTabWidget *pages() const { return CPC_STATISTICS; }
    const TabControls &tab(int i) const { return m_tabs.at(i); }
    QLabel *blackoutNotice() const { return lbInfomation; }

    // The search of the active tab ("조회").
    void search();
    // The result filter of the active tab (courier and store tabs only).
    void procFilter();
    // The export of the active tab ("엑셀다운").
    void exportActive();
    // Opens the detailed performance of a courier or store grid row (as a double click does).
    void openDetail(int tab, int row);

    // procSetEnable: the status overlay and the page control during long work.
    void procSetEnable(bool flag, const QString &message = QString());

    // Where "엑셀다운" writes: asks the user unless a test installs its own (proposed file name in,
    // chosen path out; empty cancels).
    using FileChooser = std::function<QString(const QString &proposed)>;
    static FileChooser SetFileChooser(FileChooser chooser);
    static QString ChooseFile(const QString &proposed);
    // What happens with an opened detail popup (shown modally unless a test installs its own).
    using DetailRunner = std::function<void(TFRM_PPL_DETAIL_GRADE *popup)>;
    static DetailRunner SetDetailRunner(DetailRunner runner);

private:
    void buildTab(int index);
    void applyLayout(int index);
    void tabChanged(int index);
    void applyRange(int index);
    void openMonthPicker(QLineEdit *edit);
    void pickMonth(int month);
    void refreshFooters(int index);
    void sortClicked(int index, int column);
    void setColumnCaption(int index, int field, const QString &caption, int width);
    Statistics::TargetItem targetOf(int index) const;

    QTabWidget *CPC_STATISTICS = nullptr;
    QList<TabControls> m_tabs;
    QFrame *pnlStatus = nullptr;
    QLabel *lbActivePage = nullptr;
    QLabel *lbInfomation = nullptr;
    QFrame *pnlPickerYearMonth = nullptr;
    QSpinBox *edPickerYear = nullptr;
    QList<QPushButton *> m_monthButtons;
    QPointer<QLineEdit> edFocuseYearMonth;
    int m_focused = 0;
};

// Makes the main window's "통계" button open this screen.
void InstallStatisticsScreen();
