#include "reference/page_addresses.h"

#include "records/session_records.h"
#include "settings/deployment_config.h"

#include <QUrl>

QString G_URL_ADMIN_PAGE;
QString G_URL_WORK_ATTEND;
QString G_URL_ADDR_MAP;
QString G_URL_ADDR_WK_VIEW;
QString G_URL_STORE_AROUND_DELIVERY;
QString G_URL_WORK_CONTROL;
QString G_URL_MAIN_HOME;
QString G_URL_POLYGON_VIEW;
QString G_URL_POLYGON_DRAW;
QString G_URL_ADDR_SEARCH2;
QString G_URL_ADDR_WORD_ADD;
QString G_URL_IMAGE_FILE_DEL;
QString G_URL_IMAGE_FILE_UP;
QString G_URL_IMAGE_FILE_DOWN;

QString PageHost(const char *key)
{
    DeploymentConfig::ensureLoaded();
    QString host = DeploymentConfig::value(QString::fromLatin1(key)).trimmed();
    if (host.isEmpty())
        host = DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kWebHost)).trimmed();
    if (host.isEmpty())
        host = QStringLiteral("http://127.0.0.1");
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host;
}

QString PageUrl(const QString &host, const QString &path, int port)
{
    QUrl url(host);
    if (port > 0)
        url.setPort(port);
    return url.toString(QUrl::StripTrailingSlash) + path;
}

namespace
{
const QString kLoginPath = QStringLiteral("/LINKAGE/LINKAGE_SPEED_LOGIN.asp");
const QString kMultiMapPath = QStringLiteral("/linkage/kakao/kakaoMultiMap_V03.html");
const QString kPolygonViewPath = QStringLiteral("/linkage/kakao/map_polygon_view.html");
const QString kPolygonDrawPath = QStringLiteral("/linkage/kakao/map_polygon_draw.html");
const QString kWordAddrPath = QStringLiteral("/popup/word_addr_info.asp");
const QString kFileDeletePath = QStringLiteral("/linkage/fileDelete.asp");
const QString kFileUploadPath = QStringLiteral("/linkage/fileUpload.asp");
const QString kMapPath = QStringLiteral("/QYX/daumMap.html");
const QString kMapWkPath = QStringLiteral("/QYX/daumMapWK.html");
const QString kMapWkOrdPath = QStringLiteral("/QYX/daumMapWKOrd.html");

// An edition's own host, or the shared one when the deployment names none.
QString hostOr(const char *key, const QString &fallback)
{
    return DeploymentConfig::value(QString::fromLatin1(key)).trimmed().isEmpty() ? fallback : PageHost(key);
}

void setProductionDefaults(bool edition2)
{
    const QString admin = PageHost(PageHostKey::kAdmin);
    const QString map = PageHost(PageHostKey::kMap);
    const QString mainHost = PageHost(PageHostKey::kMain);
    G_URL_ADMIN_PAGE = PageUrl(edition2 ? hostOr(PageHostKey::kEdition2Admin, admin) : admin, kLoginPath);
    G_URL_WORK_ATTEND =
        PageUrl(hostOr(edition2 ? PageHostKey::kEdition2Qr : PageHostKey::kQr, PageHost(PageHostKey::kQr)),
                QStringLiteral("/"));
    G_URL_ADDR_MAP = PageUrl(map, kMapPath);
    G_URL_ADDR_WK_VIEW = PageUrl(map, kMapWkPath);
    G_URL_STORE_AROUND_DELIVERY = PageUrl(map, kMapWkOrdPath);
    G_URL_WORK_CONTROL = PageUrl(admin, kMultiMapPath);
    G_URL_MAIN_HOME = PageUrl(mainHost, QStringLiteral("/"));
    G_URL_POLYGON_VIEW = PageUrl(admin, kPolygonViewPath);
    G_URL_POLYGON_DRAW = PageUrl(admin, kPolygonDrawPath);
    G_URL_ADDR_SEARCH2 = PageUrl(PageHost(PageHostKey::kAddress), QStringLiteral("/kakaoGISXY_V02.asp"), 8091);
    G_URL_ADDR_WORD_ADD = PageUrl(mainHost, kWordAddrPath);
    G_URL_IMAGE_FILE_DEL = PageUrl(admin, kFileDeletePath);
    G_URL_IMAGE_FILE_UP = PageUrl(admin, kFileUploadPath);
    G_URL_IMAGE_FILE_DOWN = PageUrl(PageHost(PageHostKey::kImage), QStringLiteral("/"));
}

void setTestDefaults()
{
    const QString test = PageHost(PageHostKey::kTest);
    G_URL_ADMIN_PAGE = PageUrl(test, kLoginPath, 8080);
    G_URL_WORK_ATTEND = PageUrl(test, QStringLiteral("/"), 8093);
    G_URL_ADDR_MAP = PageUrl(test, kMapPath, 8081);
    G_URL_ADDR_WK_VIEW = PageUrl(test, kMapWkPath, 8081);
    G_URL_STORE_AROUND_DELIVERY = PageUrl(test, kMapWkOrdPath, 8081);
    G_URL_WORK_CONTROL = PageUrl(test, kMultiMapPath, 8080);
    G_URL_MAIN_HOME = PageUrl(test, QStringLiteral("/"), 8092);
    G_URL_POLYGON_VIEW = PageUrl(test, kPolygonViewPath, 8080);
    G_URL_POLYGON_DRAW = PageUrl(test, kPolygonDrawPath, 8080);
    G_URL_ADDR_SEARCH2 = PageUrl(test, QStringLiteral("/linkage/kakao/kakaoGISXY_V02.asp"), 8080);
    G_URL_ADDR_WORD_ADD = PageUrl(test, kWordAddrPath, 8092);
    G_URL_IMAGE_FILE_DEL = PageUrl(test, kFileDeletePath, 8080);
    G_URL_IMAGE_FILE_UP = PageUrl(test, kFileUploadPath, 8080);
    G_URL_IMAGE_FILE_DOWN = PageUrl(test, QStringLiteral("/"), 8083);
}
} // namespace

void SetDefaultPageAddresses(bool test, bool edition2)
{
    if (test)
        setTestDefaults();
    else
        setProductionDefaults(edition2);
}

void ClearPageAddresses()
{
    for (QString *url : {&G_URL_ADMIN_PAGE, &G_URL_WORK_ATTEND, &G_URL_ADDR_MAP, &G_URL_ADDR_WK_VIEW,
                         &G_URL_STORE_AROUND_DELIVERY, &G_URL_WORK_CONTROL, &G_URL_MAIN_HOME, &G_URL_POLYGON_VIEW,
                         &G_URL_POLYGON_DRAW, &G_URL_ADDR_SEARCH2, &G_URL_ADDR_WORD_ADD, &G_URL_IMAGE_FILE_DEL,
                         &G_URL_IMAGE_FILE_UP, &G_URL_IMAGE_FILE_DOWN})
        url->clear();
}

QString IdSearchPageUrl(bool production)
{
    const QString host = PageHost(production ? PageHostKey::kMain : PageHostKey::kTest);
    return PageUrl(host, QStringLiteral("/member/user_sch.php?sGrpTypeYn=Y"));
}

bool PageMayReceivePassword(const QUrl &page)
{
    return page.isValid() && !page.host().isEmpty()
           && page.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

QString SessionPasswordForPage(const QUrl &page)
{
    if (!PageMayReceivePassword(page))
        return QString();
    return G_USER_INFO.PW;
}
