#include "boards/ui/web_popup.h"

#include "common/daily_log.h"
#include "common/ui/window_placement.h"

#include <QSslCertificate>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineHttpRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

TfrmReqPay *frmReqPay = nullptr;

namespace
{
WebPopupCertificateCheck &certificateCheck()
{
    static WebPopupCertificateCheck check;
    return check;
}

WebPopupRunner &runner()
{
    static WebPopupRunner r;
    return r;
}

void refuse(const QUrl &url)
{
    WriteLog(QStringLiteral("Web popup refused an address that is not a web page: ")
             + url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment).left(200));
}

class ReqPayPage : public QWebEnginePage
{
public:
    explicit ReqPayPage(TfrmReqPay *popup)
        : QWebEnginePage(popup)
        , m_popup(popup)
    {
        connect(this, &QWebEnginePage::certificateError, this, [](const QWebEngineCertificateError &error) {
            QWebEngineCertificateError e = error;
            const WebPopupCertificateCheck &check = certificateCheck();
            if (check && check(e.certificateChain(), e.url().host()))
                e.acceptCertificate();
            else
                e.rejectCertificate();
        });
    }

protected:
    void javaScriptAlert(const QUrl &origin, const QString &msg) override
    {
        if (!m_popup->pageAlert(msg))
            QWebEnginePage::javaScriptAlert(origin, msg);
    }

    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (!WebPopupMayOpen(url)) {
            refuse(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

private:
    TfrmReqPay *m_popup;
};
} // namespace

bool WebPopupMayOpen(const QUrl &url)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    return url == QUrl(QStringLiteral("about:blank"));
}

WebPopupAlert WebPopupAlertAction(const QString &text)
{
    if (text == QStringLiteral("정상처리되었습니다."))
        return WebPopupAlert::Swallow;
    if (text == QStringLiteral("종료 처리"))
        return WebPopupAlert::Close;
    return WebPopupAlert::Show;
}

WebPopupCertificateCheck SetWebPopupCertificateCheck(WebPopupCertificateCheck check)
{
    WebPopupCertificateCheck previous = std::move(certificateCheck());
    certificateCheck() = std::move(check);
    return previous;
}

TfrmReqPay::TfrmReqPay(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfrmReqPay"));
    setWindowTitle(QStringLiteral("룸보머니송금 요청"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Chromium1 = new QWebEngineView(this);
    Chromium1->setObjectName(QStringLiteral("Chromium1"));
    auto *page = new ReqPayPage(this);
    Chromium1->setPage(page);
    // Pages come from the server and from third parties: they keep the browser's web security and
    // reach no local files.
    QWebEngineSettings *s = page->settings();
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    layout->addWidget(Chromium1);
    resize(464, 681);
    Chromium1->setUrl(QUrl(QStringLiteral("about:blank")));
}

bool TfrmReqPay::pageAlert(const QString &message)
{
    switch (WebPopupAlertAction(message)) {
    case WebPopupAlert::Swallow:
        return true;
    case WebPopupAlert::Close:
        close();
        return true;
    case WebPopupAlert::Show:
        break;
    }
    return false;
}

bool TfrmReqPay::openPage(const QUrl &url)
{
    if (!WebPopupMayOpen(url)) {
        refuse(url);
        return false;
    }
    Chromium1->load(url);
    return true;
}

bool TfrmReqPay::postPage(const QUrl &url, const QByteArray &body)
{
    if (!WebPopupMayOpen(url)) {
        refuse(url);
        return false;
    }
    QWebEngineHttpRequest request(url, QWebEngineHttpRequest::Post);
    request.setHeader(QByteArrayLiteral("Content-Type"),
                      QByteArrayLiteral("application/x-www-form-urlencoded; charset=UTF-8"));
    request.setPostData(body);
    Chromium1->load(request);
    return true;
}

WebPopupRunner SetWebPopupRunner(WebPopupRunner r)
{
    WebPopupRunner previous = std::move(runner());
    runner() = std::move(r);
    return previous;
}

bool ShowWebPopup(const QString &caption, int width, int height, const QUrl &url, QWidget *parent)
{
    if (!WebPopupMayOpen(url)) {
        refuse(url);
        return false;
    }
    if (!frmReqPay)
        frmReqPay = new TfrmReqPay(parent);
    TfrmReqPay *popup = frmReqPay;
    popup->setWindowTitle(caption);
    popup->resize(width, height);
    popup->openPage(url);
    if (parent)
        popup->move(parent->geometry().center() - popup->rect().center());
    else
        CenterOnScreen(popup);
    if (runner())
        runner()(popup);
    else
        popup->exec();
    frmReqPay = nullptr;
    delete popup;
    return true;
}
