#include "main/ui/contract_page.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "reference/page_addresses.h"
#include "main/shell_globals.h"
#include "main/shell_pages.h"
#include "main/shell_requests.h"
#include "start/ui/app_style.h"
#include "main/ui/main_window.h"
#include "main/ui/shell_popups.h"
#include "start/web_trust.h"
#include "records/session_records.h"

#include <QVBoxLayout>

namespace
{
ContractPageRunner &runner()
{
    static ContractPageRunner r;
    return r;
}

// Every browser popup trusts the program's own server certificates.
const bool kPopupTrust = (SetWebPopupCertificateCheck(&IsPinnedServerChain), true);
} // namespace

ContractPageRunner SetContractPageRunner(ContractPageRunner r)
{
    ContractPageRunner previous = runner();
    runner() = std::move(r);
    return previous;
}

void procCheckContract() {}

void procCheckPlaformContract()
{
    if (G_EDITION_IDX == 21)
        return;
    const QUrl url(G_URL_PAY_SEND_URL.trimmed());
    // The page is posted the login password: never in clear text, never to a non-web address.
    if (!PageMayReceivePassword(url)) {
        WriteLog(QStringLiteral("Contract page refused: not an HTTPS address"));
    } else {
        if (!frmReqPay)
            frmReqPay = new TfrmReqPay(nullptr);
        TfrmReqPay *popup = frmReqPay;
        popup->postPage(url, PlatformContractBody(G_USER_INFO, SessionPasswordForPage(url)));
        popup->setWindowTitle(QStringLiteral("페이백 보상지급 서명"));
        popup->resize(Scaled(900), Scaled(700));
        CenterOnScreen(popup);
        if (runner())
            runner()(popup);
        else
            popup->exec();
        frmReqPay = nullptr;
        delete popup;
    }
    if (PlatformContractMissing() && FRM_MAIN) {
        FRM_MAIN->Tag = 99;
        FRM_MAIN->close();
    }
}
