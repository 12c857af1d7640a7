#pragma once

#include "boards/board_filters.h"
#include "boards/board_selections.h"
#include "settings/color_text.h"

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <utility>

class CheckComboBox;
class GridTableModel;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class QWidget;

// A search box whose hint is its placeholder: while it holds no search it shows the hint, and a
// text equal to the hint (as a caller may set it) counts as no search.
class BoardSearchBox : public QLineEdit
{
    Q_OBJECT
public:
    BoardSearchBox(const QString &name, const QString &hint, QWidget *parent = nullptr);
    const QString &hint() const { return m_hint; }
    // The search the box holds: trimmed, empty for none.
    QString searchTerm() const { return SearchTerm(text(), m_hint); }
    // Sets a search; the hint or blanks leave the box empty.
    void setSearchText(const QString &text);

signals:
    void entered();
    void left();
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_hint;
};

// The filter controls of the today's-orders screen: status and payment buttons with the status
// count labels and the searches (for pnlNormalFilter), the branch, order-path and POS-type
// lists (for Panel1), the group, payment and distance filters (for pnlShareFilter), and the
// "검색" and "배송그룹설정" buttons (for Panel3). It keeps the given board models filtered.
class BoardFilterBar : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        // The count pass; runs after every filter run.
        std::function<void()> recount;
        // The polling timer: stopped while a search box has the focus.
        std::function<void()> pausePolling;
        std::function<void()> resumePolling;
        // "검색" on a tab with a filter of its own (same-day, logistics): runs it and answers
        // true; false lets the bar filter the ordinary boards.
        std::function<bool()> runTabSearch;
        // "초기화 검색" is disabled while "검색" runs on an ordinary tab.
        std::function<void(bool enabled)> setReloadAllEnabled;
        // "배송그룹설정": the delivery-group settings for these ticked branches (code, name).
        std::function<void(const QList<std::pair<QString, QString>> &branches)> openGroupSettings;
        // What a closed selection sets off elsewhere (its refilter and the group buttons are the
        // bar's own).
        std::function<void()> clearCompletedLoaded;
        std::function<void()> recountCallSums;
        std::function<void()> recountCouriers;
        std::function<void()> checkStoreOrders;
        std::function<void(const QList<bool> &ticks)> refreshControlScreen;
    };

    // The panels are created as children of `owner` (the screen), which places them.
    explicit BoardFilterBar(QWidget *owner);
    ~BoardFilterBar() override;

    void setHooks(Hooks hooks);
    void setSettings(TIniFile *ini);
    // The boards to filter; nullptr for a board the screen does not show.
    void setModels(GridTableModel *live, GridTableModel *completed, GridTableModel *storeOrders);

    QWidget *normalFilter() const { return m_normalFilter; }
    QWidget *selectionPanel() const { return m_selectionPanel; }
    QWidget *shareFilter() const { return m_shareFilter; }

    // Which lists the login sees: stores the order-path and POS-type lists, everyone else the
    // branch list.
    void setUserClass(const QString &userClass);
    // Fills the lists (see BoardSelections).
    void loadBranches(const QList<BranchChoice> &items, int firstBranch, const QStringList &savedCodes);
    void loadPaths(const QList<CheckItem> &items);
    void loadPosTypes(const QList<CheckItem> &items);
    BoardSelections &selections() { return m_selections; }

    // Filters the boards by the controls; only criteria whose inputs changed are rebuilt. Then
    // the counts are redone.
    void proc_Filter();
    BoardFilterInputs inputs() const;

    // The buttons as the screen shows them at first: every status and payment button down,
    // without a filter run.
    void resetButtons();
    // The slider position 0-10 (10: no limit); writes "ORD"/"DISPOS" and refilters.
    void setDistancePosition(int position);

    // Count labels: tag 0 the total, else the status they count.
    QLabel *countLabel(int tag) const;
    void setCount(int tag, int count);
    // The counter's text as the count pass wrote it ("-" for a board not loaded yet).
    void setCountText(int tag, const QString &text);
    // The background of the count label of status key "CB_<status>".
    void setStatusColour(const QString &key, TColor colour);

    // Closes the branch list as if the user had (the start-up and the control screens call it).
    void closeBranches();
    void closePaths();
    void closePosTypes();
    // A control screen's branch list closed: take its ticks and close the board's list.
    void takeBranchTicks(const QList<bool> &ticks);

    // Controls, named as the screen's components.
    QToolButton *CBT_ST_ALL;
    std::array<QToolButton *, kStatusButtonCount> statusButtons{};
    QToolButton *CBT_PAY_ALL;
    QToolButton *CBT_PAY_CASH;
    QToolButton *CBT_PAY_CARD;
    QToolButton *CBT_PAY_PRE;
    QToolButton *btnSelectGrp;
    QToolButton *btnSelectBaeCha;
    QToolButton *CBT_ORD_IN;
    QToolButton *CBT_WK_IN;
    QToolButton *btnMyReadyCall;
    QToolButton *CBT_DVRY_DIST;
    QSlider *TrackBar1;
    QLabel *lbDvryDistance;
    BoardSearchBox *CTE_CU_ADDR;
    BoardSearchBox *CTE_WK_NAME;
    BoardSearchBox *CTE_CU_NAME;
    BoardSearchBox *CTE_ORD_NO;
    QPushButton *CBT_SEARCH;
    QPushButton *btnDvryGrpSet;
    CheckComboBox *cccbBrName;
    CheckComboBox *cccbPathCd;
    CheckComboBox *cccbPosTypeCd;

private:
    void statusClicked();
    void payClicked();
    void groupModeClicked();
    void dispatchModeClicked();
    void designatedClicked();
    void ownGroupClicked();
    void searchClicked();
    void searchEntered(BoardSearchBox *box);
    void searchLeft(BoardSearchBox *box);
    void distanceChanged(int position);
    void bindCombo(CheckComboBox *box, int list);
    void showTicks();
    TIniFile *settings() const;

    Hooks m_hooks;
    TIniFile *m_ini = nullptr;
    BoardSelections m_selections;
    BoardFilterEngine m_engine;
    QWidget *m_normalFilter;
    QWidget *m_selectionPanel;
    QWidget *m_shareFilter;
    std::array<QLabel *, kStatusButtonCount + 1> m_countLabels{}; // [0] total, then per button
    bool m_syncing = false;
};
