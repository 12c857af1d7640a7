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

// A request payload: every field followed by G_FIELD_SEP (the last one too). Every sender joins
// its fields here. A separator inside a field would split it in two and shift every later field,
// so each one typed into free text (a memo, a reason, a message) becomes kFieldSeparatorStandIn;
// text that must go out unaltered (a password) is refused before, with HasFieldSeparator.
QString JoinRequestFields(const QStringList &fields);

// The look-alike a field separator in free text is replaced with.
inline constexpr char16_t kFieldSeparatorStandIn = u'|';

// Whether text holds the field separator (always "│", also before G_FIELD_SEP is set).
bool HasFieldSeparator(const QString &text);
