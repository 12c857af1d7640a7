#include "common/program_globals.h"

QString G_FIELD_SEP = QString(QChar(0x2502));
QString G_INI_PATH;
TFormatSettings G_FMT;
QString G_LANGUAGE = QStringLiteral("0001");
int G_EDITION_IDX = 0;
QString G_PROGRAM_NAME;
QString G_PROGRAM_TITLE;
QString G_VERSION;
QString G_DEVICE;
QString G_SESSION_KEY;
QString G_SERVER_HOST;
int G_SERVER_PORT = 0;
QString G_CUR_FORM;
QString G_SESSION_SEC = QStringLiteral("1800");
QString G_EXE_DIR;
QString G_LOG_DIR;
QString G_LOG_FILE;
QString G_CID_DIR;
QString G_IMG_DIR;
bool G_REINIT_DONE = false;

void ResetProgramGlobals()
{
    G_FIELD_SEP = QString(QChar(0x2502));
    G_INI_PATH.clear();
    G_FMT = TFormatSettings();
    G_LANGUAGE = QStringLiteral("0001");
    G_EDITION_IDX = 0;
    G_PROGRAM_NAME.clear();
    G_PROGRAM_TITLE.clear();
    G_VERSION.clear();
    G_DEVICE.clear();
    G_SESSION_KEY.clear();
    G_SERVER_HOST.clear();
    G_SERVER_PORT = 0;
    G_CUR_FORM.clear();
    G_SESSION_SEC = QStringLiteral("1800");
    G_EXE_DIR.clear();
    G_LOG_DIR.clear();
    G_LOG_FILE.clear();
    G_CID_DIR.clear();
    G_IMG_DIR.clear();
    G_REINIT_DONE = false;
}

namespace
{
const QChar kSeparatorChar(0x2502);
}

bool HasFieldSeparator(const QString &text)
{
    return text.contains(kSeparatorChar) || (!G_FIELD_SEP.isEmpty() && text.contains(G_FIELD_SEP));
}

QString JoinRequestFields(const QStringList &fields)
{
    QString out;
    for (const QString &f : fields) {
        if (HasFieldSeparator(f)) {
            QString clean = f;
            clean.replace(kSeparatorChar, QChar(kFieldSeparatorStandIn));
            if (!G_FIELD_SEP.isEmpty())
                clean.replace(G_FIELD_SEP, QString(QChar(kFieldSeparatorStandIn)));
            out += clean;
        } else {
            out += f;
        }
        out += G_FIELD_SEP;
    }
    return out;
}
