#include "start/ui/ad_panel.h"

#include "records/session_records.h"
#include "start/program_start.h"

#include <QLabel>
#include <QPixmap>
#include <QShowEvent>
#include <QVBoxLayout>

QWidget *frmAd = nullptr;

TfrmAd::TfrmAd(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAd"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    cxImage1 = new QLabel(this);
    QPixmap picture;
    if (!G_RES_LOGIN_IMG4.isEmpty() && picture.loadFromData(G_RES_LOGIN_IMG4))
        cxImage1->setPixmap(picture);
    layout->addWidget(cxImage1);
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &TfrmAd::Timer1Timer);
}

bool TfrmAd::ShownInEdition(int edition)
{
    return edition == 0 || edition == 1 || edition == 14;
}

void TfrmAd::follow(QWidget *dialog)
{
    m_dialog = dialog;
    Timer1Timer();
}

void TfrmAd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Timer1.start();
}

void TfrmAd::Timer1Timer()
{
    if (!m_dialog || !ShownInEdition(G_EDITION_IDX))
        return;
    const QRect frame = m_dialog->frameGeometry();
    move(frame.right() + 1, frame.top());
}
