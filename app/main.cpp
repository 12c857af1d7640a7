#include "common/interface_texts.h"
#include "common/daily_log.h"
#include "common/ui/message_box_dialog.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetLanguageTexts();
    InstallMsgBoxDialog();
    QLabel label(QStringLiteral("Courier Desk"));
    label.show();
    return app.exec();
}
