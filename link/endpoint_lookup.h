#pragma once

#include <QString>

// Asking the lookup service which host and port the link server has.

// Program name of the test edition (row 0 of the edition table); the edition table sets it at start.
extern QString G_TEST_EDITION_PROGRAM_NAME;

// "TT" for the test server (GUBUN not "R"), "TS" for production from the test edition, else "S".
QString EndpointLookupMode();
// The value of the query parameter p: device code, mode, version without dots, joined by ",".
QString EndpointLookupQuery();
// urlFmt with its three "%s" places filled with device code, mode and version without dots.
QString EndpointLookupUrl(const QString &urlFmt);

struct EndpointAnswer
{
    QString host;
    int port = 0;
};
// Parses a trimmed "host,port" answer. False (nothing to assign) when there is no comma or no
// host; a port that is not a number in 1..65535 becomes 7996.
bool ParseEndpointAnswer(const QString &answer, EndpointAnswer *out);

// Looks the server endpoint up at urlFmt and stores it in G_SERVER_HOST and G_SERVER_PORT; on an
// empty answer or any failure of the first attempt (attempt 0) it asks the fallback service once.
// The transfer is bounded (about 5 s) and the certificate is verified against the system CAs plus
// the configured CA file. While it waits, the event loop runs (as in the connect poll).
void FindServerEndPoint(const QString &urlFmt, int attempt);

// The configured URL formats.
QString PrimaryLookupUrlFormat();
QString FallbackLookupUrlFormat();

// The transfer time-out of one lookup in milliseconds (tests shorten it).
int EndpointLookupTimeoutMs();
void SetEndpointLookupTimeoutMs(int ms);
