#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "settings/secret_store.h"
#include "common/ui/message_box_dialog.h"
#include "records/session_records.h"
#include "start/keyring_secret_store.h"
#include "start/program_start.h"
#include "start/ui/app_style.h"
#include "main/ui/start_window.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"
#include "platform/single_instance.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    // The embedded browser's remote-debugging port stays closed: it would hand the logged-in
    // pages to any local process.
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("CourierDesk"));
    ApplyAppStyle(app);
    // Message boxes can appear from the main window's creation on (the update notice).
    InstallMsgBoxDialog(&MsgBoxAutoCloseMs);
    SetLanguageTexts();

    // The marker needs the application's event loop to hand itself over when the instance that
    // holds it ends, so it is made right after the application object.
    SingleInstanceMarker marker(QString::fromLatin1(kInstanceMarkerName));
    MarkInstance(marker);
    SelectEdition();
    SetProductionMode();
    if (KeyringSupportBuilt())
        SetSecretStore(std::make_shared<KeyringSecretStore>(QStringLiteral("CourierDesk")));

    InstallStartInitialization();
    InstallShellForms();
    auto *mainWindow = new TFRM_MAIN();
    if (ProgramEndRequested())
        return 0;
    CreateStartForms(mainWindow);
    mainWindow->showMaximized();
    const int rc = app.exec();
    return rc;
}
