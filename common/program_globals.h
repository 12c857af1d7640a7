#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Date and number formats of every shared conversion. The pattern texts are given both as
// written in the settings and as Qt date-time patterns.
struct TFormatSettings
{
    QChar DateSeparator = QLatin1Char('-');
    QChar TimeSeparator = QLatin1Char(':');
    QChar DecimalSeparator = QLatin1Char('.');
    QString ShortDateFormat = QStringLiteral("yyyy-mm-dd");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss.zzz");
    QString QtDateFormat = QStringLiteral("yyyy-MM-dd");
    QString QtTimeFormat = QStringLiteral("hh:mm:ss.zzz");
    QString QtDateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
};

// What the whole program shares from its start: edition, language, folders, server address.
extern QString G_FIELD_SEP;
extern QString G_INI_PATH;
extern TFormatSettings G_FMT;
extern QString G_LANGUAGE;
extern int G_EDITION_IDX;
extern QString G_PROGRAM_NAME;
extern QString G_PROGRAM_TITLE;
extern QString G_VERSION;
extern QString G_DEVICE;
extern QString G_SESSION_KEY;
extern QString G_SERVER_HOST;
extern int G_SERVER_PORT;
extern QString G_CUR_FORM;
extern QString G_SESSION_SEC;
extern QString G_EXE_DIR;
extern QString G_LOG_DIR;
extern QString G_LOG_FILE;
extern QString G_CID_DIR;
extern QString G_IMG_DIR;
extern bool G_REINIT_DONE;

// Puts every program-wide value back to its program-start value (tests).
void ResetProgramGlobals();

// A request payload: every field followed by G_FIELD_SEP (the last one too).
QString JoinRequestFields(const QStringList &fields);
