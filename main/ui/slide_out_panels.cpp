#include "main/ui/slide_out_panels.h"

#include "start/ui/app_style.h"

#include <QEvent>
#include <QStackedWidget>
#include <QStyle>

#include <algorithm>
#include <QTabBar>

SlideOutPanels::SlideOutPanels(QWidget *over, QWidget *parent)
    : QWidget(parent)
    , m_bar(new QTabBar(this))
    , m_sheet(new QStackedWidget(over ? over->parentWidget() : parent))
    , m_over(over)
{
    m_bar->setShape(QTabBar::RoundedWest);
    m_bar->setExpanding(false);
    // Every caption whole: no eliding, no scroll arrows; the strip is tall enough for all six.
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setDrawBase(false);
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->setProperty("panelOpen", false);
    // The strip is 35 pixels across and as tall as the window lets it be.
    setFixedWidth(Scaled(35));
    m_bar->installEventFilter(this);

    m_sheet->setObjectName(QStringLiteral("ATP_MAIN_SHEET"));
    // Laid over the board on purpose: the board keeps its size while a panel is open.
    m_sheet->setProperty("slidesOver", true);
    m_sheet->setFrameShape(QFrame::StyledPanel);
    m_sheet->setAutoFillBackground(true);
    m_sheet->hide();
    if (m_over)
        m_over->installEventFilter(this);

    connect(m_bar, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0)
            return;
        emit tabClicked(index);
        if (isOpen() && m_sheet->currentIndex() == index)
            close();
        else
            open(index);
    });
}

int SlideOutPanels::addTab(QWidget *panel, const QString &caption)
{
    m_sheet->addWidget(panel);
    return m_bar->addTab(caption);
}

void SlideOutPanels::replacePanel(int index, QWidget *panel)
{
    QWidget *old = m_sheet->widget(index);
    const bool wasCurrent = m_sheet->currentIndex() == index;
    m_sheet->insertWidget(index, panel);
    if (old) {
        if (m_widths.contains(old))
            m_widths.insert(panel, m_widths.take(old));
        m_sheet->removeWidget(old);
        old->deleteLater();
    }
    if (wasCurrent)
        m_sheet->setCurrentIndex(index);
}

int SlideOutPanels::count() const
{
    return m_bar->count();
}

QWidget *SlideOutPanels::widget(int index) const
{
    return m_sheet->widget(index);
}

QString SlideOutPanels::tabText(int index) const
{
    return m_bar->tabText(index);
}

bool SlideOutPanels::isTabVisible(int index) const
{
    return m_bar->isTabVisible(index);
}

void SlideOutPanels::setTabVisible(int index, bool visible)
{
    m_bar->setTabVisible(index, visible);
    updateGeometry();
    if (!visible && isOpen() && m_sheet->currentIndex() == index)
        close();
}

void SlideOutPanels::setPanelWidth(int index, int width)
{
    if (QWidget *w = m_sheet->widget(index))
        m_widths.insert(w, width);
    if (isOpen() && m_sheet->currentIndex() == index)
        place();
}

int SlideOutPanels::panelWidth(int index) const
{
    QWidget *w = m_sheet->widget(index);
    if (!w)
        return 0;
    return m_widths.value(w, std::max(w->sizeHint().width(), 300));
}

int SlideOutPanels::currentIndex() const
{
    return m_sheet->currentIndex();
}

bool SlideOutPanels::isOpen() const
{
    return !m_sheet->isHidden();
}

void SlideOutPanels::open(int index)
{
    if (index < 0 || index >= count() || !m_bar->isTabVisible(index))
        return;
    m_bar->setCurrentIndex(index);
    m_sheet->setCurrentIndex(index);
    place();
    m_sheet->show();
    m_sheet->raise();
    markOpen(true);
    emit opened(index);
}

void SlideOutPanels::close()
{
    m_sheet->hide();
    markOpen(false);
}

void SlideOutPanels::markOpen(bool open)
{
    // The style marks the open panel's tab; with every panel closed no tab is marked.
    if (m_bar->property("panelOpen").toBool() == open)
        return;
    m_bar->setProperty("panelOpen", open);
    m_bar->style()->unpolish(m_bar);
    m_bar->style()->polish(m_bar);
    m_bar->update();
}

QWidget *SlideOutPanels::sheet() const
{
    return m_sheet;
}

void SlideOutPanels::place()
{
    if (!m_over)
        return;
    const QRect board = m_over->geometry();
    const int width = std::min(panelWidth(m_sheet->currentIndex()), board.width());
    m_sheet->setGeometry(board.x(), board.y(), std::max(width, 0), board.height());
}

QSize SlideOutPanels::sizeHint() const
{
    return QSize(width(), m_bar->sizeHint().height());
}

QSize SlideOutPanels::minimumSizeHint() const
{
    return sizeHint();
}

void SlideOutPanels::resizeEvent(QResizeEvent *event)
{
    m_bar->setGeometry(0, 0, width(), height());
    QWidget::resizeEvent(event);
}

bool SlideOutPanels::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_bar && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::StyleChange
                             || event->type() == QEvent::FontChange || event->type() == QEvent::Polish))
        updateGeometry();
    if (watched == m_over && (event->type() == QEvent::Resize || event->type() == QEvent::Move) && isOpen())
        place();
    return QWidget::eventFilter(watched, event);
}

void SlideOutPanels::hideEvent(QHideEvent *event)
{
    // Without the strip (a login without the right) no panel stays over the board.
    if (isHidden())
        close();
    QWidget::hideEvent(event);
}
