#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

class QStackedWidget;
class QTabBar;

// The main window's left strip of panels: a narrow column of vertical tabs that stays in the
// window's layout, and the panels themselves, which slide open over the board beside the strip
// without pushing the board aside or widening the window. A click on a tab opens its panel; a
// click on the open panel's tab closes it again.
class SlideOutPanels : public QWidget
{
    Q_OBJECT
public:
    // over: the widget the open panel lies on (the board); the panel is its sibling.
    SlideOutPanels(QWidget *over, QWidget *parent);

    int addTab(QWidget *panel, const QString &caption);
    // Puts panel in place of the one at index; the old panel is deleted later.
    void replacePanel(int index, QWidget *panel);
    int count() const;
    QWidget *widget(int index) const;
    QString tabText(int index) const;
    bool isTabVisible(int index) const;
    void setTabVisible(int index, bool visible);
    QTabBar *tabBar() const { return m_bar; }

    // The panel's width when open, before it is narrowed to the room the window has.
    void setPanelWidth(int index, int width);
    int panelWidth(int index) const;

    int currentIndex() const;
    bool isOpen() const;
    void open(int index);
    void close();
    // The frame the open panel is shown in (a sibling of the board, laid over it).
    QWidget *sheet() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A tab was clicked (before the panel opens or closes).
    void tabClicked(int index);
    void opened(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void place();
    void markOpen(bool open);

    QTabBar *m_bar;
    QStackedWidget *m_sheet;
    QPointer<QWidget> m_over;
    QHash<QWidget *, int> m_widths;
};
