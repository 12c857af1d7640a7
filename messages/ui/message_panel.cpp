#include "messages/ui/message_panel.h"

#include "messages/message_center.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

MessagePanel::MessagePanel(MessageCenter *center, QWidget *parent)
    : QWidget(parent)
    , m_center(center)
{
    setObjectName(QStringLiteral("MessagePanel"));
    CTV_MESSAGE = new QTableView(this);
    CTV_MESSAGE->setObjectName(QStringLiteral("CTV_MESSAGE"));
    CTV_MESSAGE->setModel(&center->grid());
    CTV_MESSAGE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CTV_MESSAGE->setSelectionBehavior(QAbstractItemView::SelectRows);
    CTV_MESSAGE->setSelectionMode(QAbstractItemView::SingleSelection);
    CTV_MESSAGE->setSortingEnabled(false);
    CTV_MESSAGE->setWordWrap(false);
    CTV_MESSAGE->setTextElideMode(Qt::ElideRight);
    CTV_MESSAGE->verticalHeader()->setVisible(false);
    CTV_MESSAGE->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    CTV_MESSAGE->verticalHeader()->setDefaultSectionSize(30);
    QHeaderView *header = CTV_MESSAGE->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    for (int c = 0; c < center->grid().columnCount(); ++c)
        CTV_MESSAGE->setColumnHidden(c, true);
    for (const auto &[column, width] : MessageGridModel::visibleColumns()) {
        CTV_MESSAGE->setColumnHidden(column, false);
        CTV_MESSAGE->setColumnWidth(column, width);
    }
    connect(CTV_MESSAGE, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            m_center->gridDoubleClicked(index.row());
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(CTV_MESSAGE);
}

int MessagePanel::gridWidth() const
{
    int w = 0;
    for (const auto &[column, width] : MessageGridModel::visibleColumns())
        w += width;
    // The frame, the layout's margins and a vertical scroll bar.
    return w + 2 * CTV_MESSAGE->frameWidth() + 8 + CTV_MESSAGE->verticalScrollBar()->sizeHint().width();
}
