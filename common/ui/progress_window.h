#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The shared progress window shown during long loads (a plain progress bar rather than a
// circular gauge). Created once at start; the loaders advance it. A plain
// dialog rather than QProgressDialog, which shows itself on its own timer.
class TFRM_PROGRESS : public QDialog
{
    Q_OBJECT
public:
    explicit TFRM_PROGRESS(QWidget *parent = nullptr);
    QProgressBar *gauge() const { return m_gauge; }
    void setCaption(const QString &text);

private:
    QLabel *m_caption = nullptr;
    QProgressBar *m_gauge = nullptr;
};

extern TFRM_PROGRESS *FRM_PROGRESS;

// Creates FRM_PROGRESS (hidden) when it does not exist yet.
TFRM_PROGRESS *CreateProgressForm(QWidget *parent = nullptr);
// Gauge to 0, shown and brought to the front. Nothing when the window was never created.
void ShowProgressForm();
// Closes the window when it is showing; otherwise nothing.
void CloseProgressForm();
// Moves the gauge on by step (kept within its range).
void AdvanceProgressForm(int step);
// Frees the window (close routine).
void FreeProgressForm();
