#pragma once

#include <QComboBox>
#include <QList>
#include <QString>

class QStandardItemModel;

// A drop-down list of items with tick boxes: each item has a text, a short text (shown in the
// closed box for ticked items), a numeric tag and a ticked state. A click on an item in the
// open list toggles it and keeps the list open.
class CheckComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CheckComboBox(QWidget *parent = nullptr);

    void clearItems();
    void addCheckItem(const QString &text, const QString &shortText = {}, int tag = 0,
                      bool checked = false);
    int itemCount() const;
    QString text(int index) const;
    QString shortText(int index) const;
    int tag(int index) const;
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);
    QList<int> checkedTags() const;
    // The text the closed box shows: the short texts (or texts) of the ticked items.
    QString summaryText() const;

    void showPopup() override;
    void hidePopup() override;

signals:
    void popupShown();
    void popupClosed();
    void itemToggled(int index, bool checked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QStandardItemModel *m_model;
};
