#pragma once

#include "main/courier_panel.h"

#include <QWidget>

#include <array>
#include <functional>

class CheckComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

// The courier status panel "배송원 현황": the couriers of the login with their state, order counts
// and money, narrowed by branch, state buttons and three search boxes, with counts per state and
// the canned-message menu on a right click.
class CourierStatusPanel : public QWidget
{
public:
    explicit CourierStatusPanel(QWidget *parent = nullptr);
    ~CourierStatusPanel() override;

    CourierPanelModel &model() { return m_model; }
    // Fills the branch list ("전체" plus the login's branches, all checked) and counts.
    void fillBranches(const QStringList &names, const QStringList &codes);
    // Fills the branch list with the login's branches of the head-office lists.
    void fillBranchesFromLists();
    void procUpdateWorkerGrid(bool bClearFlag);
    // Runs the filter (button clicks, leaving or Enter in a box, closing the branch list).
    void runFilter();
    // The popup menu of a right click; made by the message windows when they exist.
    std::function<QMenu *(QWidget *parent, std::function<QString()> wkCode)> makeCourierMenu;

    CheckComboBox *cccbBrName = nullptr;
    std::array<QToolButton *, kCourierStateButtonCount> stateButtons{};
    std::array<QLabel *, kCourierStateButtonCount> countLabels{};
    QLineEdit *CTE_DVRY_NAME = nullptr;
    QLineEdit *CTE_DVRY_TEL = nullptr;
    QLineEdit *CTE_DVRY_Car = nullptr;
    QPushButton *btnWorkerSearch = nullptr;
    QTableView *grdDataWorker = nullptr;
    QLabel *footer = nullptr;
    QMenu *PPM_LIST = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCounts();
    void readBoxes();
    void stateClicked(int b);
    void branchToggled(int index);
    void branchListClosed();
    void rowClicked(const QPoint &pos, bool right);

    CourierPanelModel m_model;
    bool m_branchGuard = false;
};
