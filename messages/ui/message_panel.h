#pragma once

#include <QWidget>

class MessageCenter;
class QTableView;

// The main window's message panel: the day's messages in the grid CTV_MESSAGE, one row per
// message in the order they first arrived. A double click lists the message in the message list
// window; the "내용" cell's hint is its whole text.
class MessagePanel : public QWidget
{
    Q_OBJECT
public:
    explicit MessagePanel(MessageCenter *center, QWidget *parent = nullptr);

    QTableView *CTV_MESSAGE = nullptr;
    // Width of the visible columns with the grid's frame: the panel's natural width.
    int gridWidth() const;

private:
    MessageCenter *m_center;
};
