#pragma once

#include "main/store_panel.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The store-status panel "가맹점현황": the stores of one branch with their money, business hours
// and days, contact data and connection state.
class StoreStatusPanel : public QWidget
{
public:
    explicit StoreStatusPanel(QWidget *parent = nullptr);
    ~StoreStatusPanel() override;

    StorePanelModel &model() { return m_model; }
    // The branches the user may pick (the branch list of the head-office lists), then the first
    // one's rows.
    void fillBranches();
    // cbStStatusBRPropertiesChange.
    void rebuild();
    // cxButton18Click; the tick count comes from tickCount.
    void search();
    // The column choices from the settings file into the boxes and the columns.
    void applyColumnChoices();

    std::function<int()> tickCount;                   // the housekeeping tick count
    std::function<void(int phase)> phaseChanged;      // FI_STORE_STATUS_ST_GAP after a search
    std::function<void(bool open)> listOpenChanged;   // FB_STORE_STATUS_ST_POP
    std::function<void()> storeStateCount;            // the order board's store counts, once it exists

    QComboBox *cbStStatusBR = nullptr;
    QCheckBox *chkStatusTel = nullptr;
    QCheckBox *chkStatusAccount = nullptr;
    QCheckBox *chkStatusWkDay = nullptr;
    QLineEdit *CTE_ST_NAME2 = nullptr;
    QPushButton *cxButton18 = nullptr;
    QLabel *lbStoreStatusRefresh = nullptr;
    QTableView *CTV_STLIST_VIEW = nullptr;
    QLabel *footer = nullptr;

private:
    void setPopupOpen(bool open);
    void columnChoiceChanged(int which, bool checked);
    void updateFooter();

    StorePanelModel m_model;
};
