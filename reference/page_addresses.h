#pragma once

#include <QString>

class QUrl;

// Addresses of the web pages the program opens. The login puts the defaults of the chosen server
// mode in place; the server configuration loaded at start replaces them.
extern QString G_URL_ADMIN_PAGE;
extern QString G_URL_WORK_ATTEND;
extern QString G_URL_ADDR_MAP;
extern QString G_URL_ADDR_WK_VIEW;
extern QString G_URL_STORE_AROUND_DELIVERY;
extern QString G_URL_WORK_CONTROL;
extern QString G_URL_MAIN_HOME;
extern QString G_URL_POLYGON_VIEW;
extern QString G_URL_POLYGON_DRAW;
extern QString G_URL_ADDR_SEARCH2;
extern QString G_URL_ADDR_WORD_ADD;
extern QString G_URL_IMAGE_FILE_DEL;
extern QString G_URL_IMAGE_FILE_UP;
extern QString G_URL_IMAGE_FILE_DOWN;

// Deployment keys of the hosts behind the defaults. Each value is "scheme://host[:port]"; a
// missing key falls back to "web.host", then to "http://127.0.0.1".
namespace PageHostKey
{
inline constexpr char kAdmin[] = "web.admin_host";
inline constexpr char kQr[] = "web.qr_host";
inline constexpr char kMap[] = "web.map_host";
inline constexpr char kMain[] = "web.main_host";
inline constexpr char kAddress[] = "web.address_host";
inline constexpr char kImage[] = "web.image_host";
inline constexpr char kTest[] = "web.test_host";  // one host, several ports
// The second edition's own administration and QR hosts.
inline constexpr char kEdition2Admin[] = "web.edition2_admin_host";
inline constexpr char kEdition2Qr[] = "web.edition2_qr_host";
} // namespace PageHostKey

// Deployment keys of the link server's default addresses (used when the endpoint lookup fails).
namespace ServerHostKey
{
inline constexpr char kFixed[] = "server.fixed_host";        // test edition and test server
inline constexpr char kBalancer[] = "server.balancer_host";  // every other edition
} // namespace ServerHostKey

// "scheme://host[:port]" of a page host key after the fallbacks above.
QString PageHost(const char *key);
// host (as PageHost gives it) with path appended; port > 0 replaces the host's port.
QString PageUrl(const QString &host, const QString &path, int port = 0);

// Sets every G_URL_* to the production (test = false) or test defaults. edition2 selects the
// second edition's own administration and QR hosts for the first two addresses.
void SetDefaultPageAddresses(bool test, bool edition2);
// Empties every G_URL_* (tests).
void ClearPageAddresses();

// The ID and password search page on the main web host (production) or the test web host.
QString IdSearchPageUrl(bool production);

// Whether a page may be given the session password: only a page loaded over HTTPS (from a named
// host), so the password never crosses the network in clear text.
bool PageMayReceivePassword(const QUrl &page);
// The session password (G_USER_INFO.PW) for page, or an empty text when the page may not receive
// it. Every page that is handed the password takes it from here.
QString SessionPasswordForPage(const QUrl &page);
