#pragma once

#include <QDialog>
#include <QUrl>

class QWebEngineView;

// The shared browser popup for pages that ask the user to sign or pay. Its page's alerts are
// answered here: "정상처리되었습니다." is swallowed, "종료 처리" closes the popup.
class TfrmReqPay : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmReqPay(QWidget *parent = nullptr);
    QWebEngineView *Chromium1 = nullptr;
    // Answers one alert of the page; true when it was the popup's own (not shown to the user).
    bool pageAlert(const QString &message);
    // Posts body to url (form-urlencoded, UTF-8).
    void postPage(const QUrl &url, const QByteArray &body);
};
extern TfrmReqPay *frmReqPay;

// The platform-payment agreement of a branch account: shows the signature page, then asks the
// server; when it still lacks the agreement the main window closes and the program ends.
// The page gets the password only over HTTPS; otherwise the page is not opened (logged).
void procCheckPlaformContract();
// Intentionally without effect.
void procCheckContract();

// How the page is shown (modal by default); tests install their own. Returns the previous one.
using ContractPageRunner = std::function<void(TfrmReqPay *popup)>;
ContractPageRunner SetContractPageRunner(ContractPageRunner runner);
