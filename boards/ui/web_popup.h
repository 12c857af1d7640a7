#pragma once

#include <QDialog>
#include <QList>
#include <QUrl>

#include <functional>

class QSslCertificate;
class QWebEngineView;

// The addresses the browser popup opens: web pages over http or https, and its blank start page.
// Anything else (local files, script or data addresses) is refused.
bool WebPopupMayOpen(const QUrl &url);

// What the popup does with an alert of its page.
enum class WebPopupAlert
{
    Show,    // the browser's ordinary message
    Swallow, // "정상처리되었습니다.": handled, nothing shown
    Close,   // "종료 처리": handled, the popup closes
};
WebPopupAlert WebPopupAlertAction(const QString &text);

// Decides whether a server certificate the system does not trust is accepted after all (the
// program's own pinned certificates); rejected when none is set.
using WebPopupCertificateCheck = std::function<bool(const QList<QSslCertificate> &chain, const QString &host)>;
WebPopupCertificateCheck SetWebPopupCertificateCheck(WebPopupCertificateCheck check);

// The shared modal browser popup: pay and money-transfer pages, contract pages, an order's
// picture, the parcel status page. Each caller sets its caption and size, opens its page and
// shows it modally; the page closes it with the alert "종료 처리". The browser keeps its web
// security, reaches no local files and runs no plug-ins.
class TfrmReqPay : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmReqPay(QWidget *parent = nullptr);
    QWebEngineView *Chromium1 = nullptr;
    // Answers one alert of the page; true when it was the popup's own (not shown to the user).
    bool pageAlert(const QString &message);
    // Loads the page; false (logged) when the address is not a web address.
    bool openPage(const QUrl &url);
    // Posts body to url (form-urlencoded, UTF-8); false (logged) when it is not a web address.
    bool postPage(const QUrl &url, const QByteArray &body);
};
extern TfrmReqPay *frmReqPay;

// How a caller shows the popup (modal by default); tests put their own here. Returns the
// previous one.
using WebPopupRunner = std::function<void(TfrmReqPay *popup)>;
WebPopupRunner SetWebPopupRunner(WebPopupRunner runner);

// Creates the popup (or takes the one in frmReqPay), gives it the caption and client size, opens
// url and shows it modally over parent; the popup is gone afterwards. False when the address
// was refused (nothing is shown).
bool ShowWebPopup(const QString &caption, int width, int height, const QUrl &url, QWidget *parent = nullptr);
