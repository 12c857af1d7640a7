#pragma once

#include "dispatch/control_screen_core.h"

#include <QWidget>

class QLabel;
class QTableView;

// One control screen's window: the waiting-order board, the courier board with its counters,
// the selected courier's orders and the map area, bound to a ControlScreenCore.
class ControlScreenWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ControlScreenWindow(ControlVariant variant, QWidget *parent = nullptr);
    ~ControlScreenWindow() override;

    ControlScreenCore &core() { return *m_core; }
    // The map area, which the map page fills.
    QWidget *mapArea() const { return m_mapArea; }

private:
    void showCounters();
    void showStrip();

    ControlScreenCore *m_core;
    QTableView *m_waiting = nullptr;
    QTableView *m_couriers = nullptr;
    QTableView *m_strip = nullptr;
    QLabel *m_counters = nullptr;
    QLabel *m_selected = nullptr;
    QWidget *m_mapArea = nullptr;
};

// The main window's "관제" button: opens (or shows again) the control screen of the user's
// setting and frees the others.
void OpenControlScreen(QWidget *mainWindow);
// Installs the opener into the main window and the screens into the order engine.
void InstallDispatchControl();
