#include "grid/ui/check_combo_box.h"

#include "grid/combo_fill.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStylePainter>

CheckComboBox::CheckComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    view()->viewport()->installEventFilter(this);
    connect(m_model, &QStandardItemModel::itemChanged, this, [this](QStandardItem *item) {
        emit itemToggled(item->row(), item->checkState() == Qt::Checked);
        update();
    });
}

void CheckComboBox::clearItems()
{
    m_model->clear();
    update();
}

void CheckComboBox::addCheckItem(const QString &text, const QString &shortText, int tag, bool checked)
{
    auto *item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setData(shortText, kComboShortTextRole);
    item->setData(tag, kComboTagRole);
    item->setData(checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    // The item is complete before it joins the model, so no toggle is reported for it; the
    // insertion itself must reach the list, or a row added after the list was laid out could
    // be neither seen nor ticked.
    m_model->appendRow(item);
    update();
}

int CheckComboBox::itemCount() const
{
    return m_model->rowCount();
}

QString CheckComboBox::text(int index) const
{
    const QStandardItem *item = m_model->item(index);
    return item ? item->text() : QString();
}

QString CheckComboBox::shortText(int index) const
{
    const QStandardItem *item = m_model->item(index);
    return item ? item->data(kComboShortTextRole).toString() : QString();
}

int CheckComboBox::tag(int index) const
{
    const QStandardItem *item = m_model->item(index);
    return item ? item->data(kComboTagRole).toInt() : 0;
}

bool CheckComboBox::isChecked(int index) const
{
    const QStandardItem *item = m_model->item(index);
    return item && item->checkState() == Qt::Checked;
}

void CheckComboBox::setChecked(int index, bool checked)
{
    if (QStandardItem *item = m_model->item(index))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QList<int> CheckComboBox::checkedTags() const
{
    QList<int> tags;
    for (int i = 0; i < itemCount(); ++i)
        if (isChecked(i))
            tags << tag(i);
    return tags;
}

QString CheckComboBox::summaryText() const
{
    QStringList parts;
    for (int i = 0; i < itemCount(); ++i) {
        if (!isChecked(i))
            continue;
        const QString s = shortText(i);
        parts << (s.isEmpty() ? text(i) : s);
    }
    return parts.join(QStringLiteral(", "));
}

void CheckComboBox::showPopup()
{
    emit popupShown();
    QComboBox::showPopup();
}

void CheckComboBox::hidePopup()
{
    QComboBox::hidePopup();
    emit popupClosed();
}

bool CheckComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *me = static_cast<QMouseEvent *>(event);
        const QModelIndex idx = view()->indexAt(me->position().toPoint());
        if (idx.isValid()) {
            setChecked(idx.row(), !isChecked(idx.row()));
            return true; // the list stays open for the next tick
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void CheckComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText = summaryText();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
}
