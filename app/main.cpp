#include "app/app_assembly.h"
#include "main/ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppAssembly assembly;
    assembly.prepare(app);
    TFRM_MAIN *mainWindow = assembly.createMainWindow();
    if (!mainWindow)
        return 0;
    mainWindow->showMaximized();
    return app.exec();
}
