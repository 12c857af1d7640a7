#include "common/ui/progress_window.h"

#include "common/ui/window_placement.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

TFRM_PROGRESS *FRM_PROGRESS = nullptr;

TFRM_PROGRESS::TFRM_PROGRESS(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FRM_PROGRESS"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setAlignment(Qt::AlignCenter);
    m_gauge = new QProgressBar(this);
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    layout->addWidget(m_caption);
    layout->addWidget(m_gauge);
    resize(320, 90);
    PlaceWhenShown(this, WindowPlacement::Parent);
}

void TFRM_PROGRESS::setCaption(const QString &text)
{
    m_caption->setText(text);
}

TFRM_PROGRESS *CreateProgressForm(QWidget *parent)
{
    if (!FRM_PROGRESS) {
        FRM_PROGRESS = new TFRM_PROGRESS(parent);
        // A parent that goes first takes the window with it; the global must not outlive it.
        QObject::connect(FRM_PROGRESS, &QObject::destroyed, [] { FRM_PROGRESS = nullptr; });
    }
    return FRM_PROGRESS;
}

void ShowProgressForm()
{
    if (!FRM_PROGRESS)
        return;
    FRM_PROGRESS->gauge()->setValue(0);
    FRM_PROGRESS->show();
    FRM_PROGRESS->raise();
    FRM_PROGRESS->activateWindow();
}

void CloseProgressForm()
{
    if (FRM_PROGRESS && FRM_PROGRESS->isVisible())
        FRM_PROGRESS->close();
}

void AdvanceProgressForm(int step)
{
    if (!FRM_PROGRESS)
        return;
    QProgressBar *g = FRM_PROGRESS->gauge();
    g->setValue(std::clamp(g->value() + step, g->minimum(), g->maximum()));
}

void FreeProgressForm()
{
    delete FRM_PROGRESS;
    FRM_PROGRESS = nullptr;
}
