#include "sandbox/handler_registry.h"
#include "sandbox/update_manifest.h"

// The update manifest. The sandbox does not know where the client runs from unless told: with
// CD_SANDBOX_PROGRAM_DIR set, the client's program file is listed with its real time (no update
// due); otherwise only another edition's entry is served, which the client must ignore.
// CD_SANDBOX_UPDATE_DUE=1 adds a file the client lacks, so it starts its updater.
SANDBOX_HANDLER_AREA(update)
{
    const QString programDir = qEnvironmentVariable("CD_SANDBOX_PROGRAM_DIR");
    const QStringList files = programDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("courier-desk")};
    const bool due = qEnvironmentVariable("CD_SANDBOX_UPDATE_DUE") == QLatin1String("1");
    registerUpdateManifestRoute(registry, programDir, files, QStringLiteral("39"), due);
}
