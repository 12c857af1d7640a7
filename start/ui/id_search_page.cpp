#include "start/ui/id_search_page.h"

#include "common/message_box.h"
#include "start/ui/app_style.h"
#include "start/ui/window_drag.h"
#include "start/web_trust.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>
#include <QWebEngineView>

TFRM_IDSEARCH *FRM_IDSEARCH = nullptr;

namespace
{
// Routes the page's alerts to the dialog: its request to close is obeyed silently, any other
// alert is a message for the user (not found, sent, ...) and is shown like the program's own.
class SearchPage : public QWebEnginePage
{
public:
    SearchPage(TFRM_IDSEARCH *dialog, QObject *parent)
        : QWebEnginePage(parent)
        , m_dialog(dialog)
    {
    }

protected:
    void javaScriptAlert(const QUrl &, const QString &msg) override
    {
        if (!m_dialog->Chromium1Jsdialog(msg))
            MsgBox(msg, QStringLiteral("I"));
    }

private:
    TFRM_IDSEARCH *m_dialog;
};
} // namespace

TFRM_IDSEARCH::TFRM_IDSEARCH(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FRM_IDSEARCH"));
    setWindowTitle(QStringLiteral("아이디/비밀번호찾기"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    resize(520, 640);
    auto *root = new QVBoxLayout(this);
    auto *title = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("아이디/비밀번호 찾기"), this);
    MakeDragHandle(caption);
    title->addWidget(caption);
    title->addStretch();
    btnClose = new QPushButton(QStringLiteral("닫기"), this);
    btnClose->setAutoDefault(false);
    title->addWidget(btnClose);
    root->addLayout(title);
    Chromium1 = new QWebEngineView(this);
    auto *page = new SearchPage(this, Chromium1);
    Chromium1->setPage(page);
    connect(page, &QWebEnginePage::certificateError, this, [](const QWebEngineCertificateError &error) {
        QWebEngineCertificateError e = error;
        if (IsPinnedServerChain(e.certificateChain(), e.url().host()))
            e.acceptCertificate();
        else
            e.rejectCertificate();
    });
    root->addWidget(Chromium1, 1);
    connect(btnClose, &QPushButton::clicked, this, &TFRM_IDSEARCH::btnCloseClick);
    PlaceWhenShown(this, WindowPlacement::Parent);
}

void TFRM_IDSEARCH::loadPage(const QString &url)
{
    Chromium1->load(QUrl(url));
}

bool TFRM_IDSEARCH::Chromium1Jsdialog(const QString &message)
{
    if (message.toUpper() != QLatin1String("CLOSE"))
        return false;
    btnCloseClick();
    return true;
}

void TFRM_IDSEARCH::btnCloseClick()
{
    done(2);
}
