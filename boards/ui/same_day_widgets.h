#pragma once

#include "boards/same_day_actions.h"
#include "orders/same_day_engine.h"
#include "boards/same_day_filter.h"

#include <QColor>
#include <QLabel>
#include <QTableView>
#include <QWidget>

#include <array>
#include <functional>

class GridLayoutKeeper;
class GridTableModel;
class QCheckBox;
class QLineEdit;
class QToolButton;

// The colour of a settings key of the "Status" section ("CB_1001", ...); invalid: none.
using StatusColourFn = std::function<QColor(const QString &key)>;

// A same-day grid (grdA3View, grdEndView or grdHUBView) on its grid model: hidden columns,
// 30-pixel rows, read-only, the row colours of its kind, and its layout kept in the settings
// section named after the grid when a section is given.
class SameDayGridView : public QTableView
{
    Q_OBJECT
public:
    enum class Kind
    {
        SameDay,   // grdA3View: status colours, several rows and cells selectable
        Completed, // grdEndView: whole rows, the grid's own colours
        Logistics, // grdHUBView: whole rows, purple text on rows out of step
    };

    SameDayGridView(GridTableModel *model, Kind kind, const QStringList &hiddenColumns, QWidget *parent = nullptr);

    void setStatusColours(StatusColourFn fn);
    // Keeps the column layout in G_INI under `section` ("grdA3View", "grdHUBView").
    void keepLayout(const QString &section);
    GridTableModel *gridModel() const { return m_model; }
    Kind kind() const { return m_kind; }
    // Record index of the focused row, -1 when none.
    int focusedRecord() const;
    // Record indexes of the selected rows, in row order.
    QList<int> selectedRecords() const;

signals:
    // Left double click without Ctrl on a record.
    void recordDoubleClicked(int record);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    GridTableModel *m_model;
    Kind m_kind;
    GridLayoutKeeper *m_layout = nullptr;
};

// The count labels of the same-day board (edSameDayTotal ... edSameDay8000).
class SameDayCountBar : public QWidget
{
    Q_OBJECT
public:
    explicit SameDayCountBar(QWidget *parent = nullptr);
    // proc_SameDayCountView's texts.
    void showCounts(const std::array<QString, 12> &texts);
    void applyColours(const StatusColourFn &fn);
    QLabel *label(int i) const { return m_labels.at(size_t(i)); }

signals:
    void totalDoubleClicked();
    // A status label was double-clicked: its colour key ("CB_" + Tag) is to be chosen.
    void colourRequested(const QString &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<QLabel *, 12> m_labels{};
};

// The same-day filter bar pnlSameDayFiltr: status and leg buttons, the total button, four search
// boxes, the in/out boxes and the order-kind buttons. It keeps a SameDayFilterBar and tells
// when a filter is to be rebuilt.
class SameDayFilterBarWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SameDayFilterBarWidget(QWidget *parent = nullptr);

    const SameDayFilterBar &state() const { return m_state; }
    // Shows the controls of a tab (the in/out boxes on the logistics tab only, ...).
    void setTab(SameDayTab tab);
    SameDayTab tab() const { return m_tab; }
    // Presses the total button as the screen does when it is shown.
    void pressTotal();
    QToolButton *button(int tag) const { return m_buttons.at(size_t(tag)); }
    QToolButton *totalButton() const { return m_total; }
    QLineEdit *orderBox() const { return m_order; }

signals:
    void a3FilterRequested();
    void hubFilterRequested();
    // A search box took (true) or left (false) the focus: the poll timer is off meanwhile.
    void searchFocus(bool entered);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void statusClicked(int tag, bool down);
    void sync();
    void requestForTab();
    QLineEdit *searchBox(const QString &name, const QString &hint);

    SameDayFilterBar m_state;
    SameDayTab m_tab = SameDayTab::Today;
    QToolButton *m_total = nullptr;
    std::array<QToolButton *, SameDayFilterBar::kButtons + 1> m_buttons{};
    QToolButton *m_all = nullptr;
    QLineEdit *m_order = nullptr, *m_store = nullptr, *m_worker = nullptr, *m_cust = nullptr;
    QCheckBox *m_in = nullptr, *m_out = nullptr;
    QToolButton *m_oneDay = nullptr, *m_tb = nullptr;
};
