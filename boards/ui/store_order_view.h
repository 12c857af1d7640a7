#pragma once

class QTableView;
class QWidget;
class StoreOrderBoard;

// The grid of the store-order tab: a read-only table over the board's model with the grid kit's
// font and row height, whole-row selection, movable columns and header sorting. The header's sort
// mark follows the model, so the newest-first order a full load sets shows on the header too.
// The caller owns the view (through parent); the board must outlive it.
QTableView *CreateStoreOrderView(StoreOrderBoard &board, QWidget *parent = nullptr);
