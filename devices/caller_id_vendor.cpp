#include "devices/caller_id_vendor.h"

#include "common/daily_log.h"
#include "records/business_rules.h"
#include "records/device_records.h"
#include "settings/settings_file.h"

namespace
{
constexpr QChar kVendorStx = QChar(0x02);

std::shared_ptr<ICidLibrary> &libraryHolder()
{
    static std::shared_ptr<ICidLibrary> p = std::make_shared<StandInCidLibrary>();
    return p;
}
std::shared_ptr<IMultiLineCid> &multiHolder()
{
    static std::shared_ptr<IMultiLineCid> p = std::make_shared<StandInMultiLineCid>();
    return p;
}
std::shared_ptr<ITelServiceLogin> &loginHolder()
{
    static std::shared_ptr<ITelServiceLogin> p = std::make_shared<StandInTelServiceLogin>();
    return p;
}

void vendorSwitchOff(int slot)
{
    G_COM_CID[size_t(slot)].Use_yn = "0";
    if (G_INI)
        G_INI->WriteString(QStringLiteral("COMCID%1").arg(slot + 1), QStringLiteral("USE"), QStringLiteral("0"));
}
} // namespace

ICidLibrary &CidLibrary() { return *libraryHolder(); }
IMultiLineCid &MultiLineCid() { return *multiHolder(); }
ITelServiceLogin &TelServiceLogin() { return *loginHolder(); }

void SetCidLibrary(std::shared_ptr<ICidLibrary> library)
{
    libraryHolder() = library ? std::move(library) : std::make_shared<StandInCidLibrary>();
}
void SetMultiLineCid(std::shared_ptr<IMultiLineCid> control)
{
    multiHolder() = control ? std::move(control) : std::make_shared<StandInMultiLineCid>();
}
void SetTelServiceLogin(std::shared_ptr<ITelServiceLogin> login)
{
    loginHolder() = login ? std::move(login) : std::make_shared<StandInTelServiceLogin>();
}

int CidPortNumber(const QString &comName)
{
    QString digits;
    for (QChar c : comName)
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
    bool ok = false;
    const int n = digits.left(9).toInt(&ok);
    return ok ? n : 1;
}

std::optional<VendorCall> DecodeSeeId4Message(const QString &msg)
{
    const int c = int(msg.indexOf(QLatin1Char('C')));
    if (c < 1)
        return std::nullopt;
    VendorCall call;
    call.channelText = msg.at(c - 1);
    const QChar ch = msg.at(c - 1);
    call.channel = ch >= QLatin1Char('0') && ch <= QLatin1Char('9') ? ch.unicode() - '0' : 1;
    const int stx = int(msg.indexOf(kVendorStx));
    call.number = DigitsOnly(stx >= 0 ? msg.mid(stx + 1) : msg);
    return call;
}

std::optional<VendorCall> DecodeMultiCidMessage(const QString &msg)
{
    const int stx = int(msg.indexOf(kVendorStx));
    if (stx < 1)
        return std::nullopt;
    const QChar first = msg.at(0);
    const int line = (first >= QLatin1Char('0') && first <= QLatin1Char('9') ? first.unicode() - '0' : 0) + 1;
    VendorCall call;
    call.channel = line;
    call.channelText = QString::number(line);
    call.number = DigitsOnly(msg.mid(stx + 1));
    return call;
}

int SeeIdSlotOfPort(int port)
{
    for (int s = 0; s < int(G_COM_CID.size()); ++s)
        if (CidPortNumber(G_COM_CID[size_t(s)].COMNAME) == port)
            return s;
    return -1;
}

QString KtLoginText(int code)
{
    switch (code) {
    case 200: return QStringLiteral("성공");
    case 301: return QStringLiteral("다른 위치에서 로그인.");
    case 401: return QStringLiteral("미등록 아이디로 로그인.");
    case 402: return QStringLiteral("비밀번호 오류 횟수 초과(5회 제한).");
    case 403: return QStringLiteral("임시비밀번호 로그인.\r\n임시비밀번호 변경 창 표시");
    case 404: return QStringLiteral("임시비밀번호 설정.");
    case 405: return QStringLiteral("비밀번호 오류.");
    case 407: return QStringLiteral("접속 IP 오류.");
    case 408: return QStringLiteral("미등록 PC.");
    case 500: return QStringLiteral("기타(HTTPS/HTTP 요청 실패)");
    case 1000: return QStringLiteral("이미 로그인 중");
    case 1001: return QStringLiteral("서버 타입 에러");
    case 1502: return QStringLiteral("협정 만료일이 지났음");
    case 1503: return QStringLiteral("인증키 유효기간이 지났음");
    case 1504: return QStringLiteral("인증키 비활성");
    case 1505: return QStringLiteral("인증키 타입이 틀릴 경우");
    case 1506: return QStringLiteral("개발 서버이나 상용 인증키, 상용 Flag일 경우");
    case 1507: return QStringLiteral("상용 서버이나 개발 인증키, 개발 Flag일 경우");
    case 1700: return QStringLiteral("API 환경 정보 얻지 못함(실행되는 경로)");
    case 1701: return QStringLiteral("KTA_API.dat / KTD_API.dat등의 data 파일 초기화 에러");
    case 1702: return QStringLiteral("PC 메모리 부족(API 생성 에러)");
    default: return QString();
    }
}

QString KtAuthKey()
{
    const QString configured = G_INI ? G_INI->ReadString(QStringLiteral("KTCID"), QStringLiteral("AUTH_KEY"), QString()).trimmed()
                                     : QString();
    return configured.isEmpty() ? QStringLiteral("7f2e05b9a41d68c3e0f9b27a5d14c86e3b90f1a2") : configured;
}

VendorOpenResult OpenCidLibraryForSlot(int slot)
{
    VendorOpenResult r;
    if (slot < 0 || slot >= int(G_COM_CID.size()))
        return r;
    const QString name = G_COM_CID[size_t(slot)].COMNAME;
    if (!CidLibrary().loadSetDll()) {
        WriteLog(QStringLiteral("CID_CONN[SEE-ID]:DLL초기화에 실패하였습니다."));
        vendorSwitchOff(slot);
        r.panelText = QStringLiteral("CID:실패");
        return r;
    }
    WriteLog(QStringLiteral("CID_CONN[SEE-ID]:성공적으로 DLL을 초기화 하였습니다"));
    if (CidLibrary().seeId4Open(CidPortNumber(name))) {
        WriteLog(QStringLiteral("CID_CONN[SEE-ID][") + name + QStringLiteral("]):오픈 성공"));
        r.opened = true;
        r.panelText = QStringLiteral("CID:") + name;
    } else {
        WriteLog(QStringLiteral("CID_CONN[SEE-ID][") + name + QStringLiteral("]):오픈 실패"));
        vendorSwitchOff(slot);
        r.panelText = QStringLiteral("CID:실패");
    }
    return r;
}
