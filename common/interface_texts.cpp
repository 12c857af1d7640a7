#include "common/interface_texts.h"

#include "common/program_globals.h"

QString G_MSG_RESULT[4];
QString G_MSG_OK;
QString G_TXT_STATE[5];
QString G_TXT_WEEK[8];
QString G_TXT_BR_NAME;
QString G_TXT_BR_CODE;
QString G_TXT_HD_NAME;
QString G_TXT_HD_CODE;
QString G_TXT_HD;
QString G_TXT_GRP_KIND[5];
QString G_TXT_COOK;
QString G_TXT_DISPATCH_WK;
QString G_TXT_UNLIMITED;
QString G_TXT_CASH_HIST;
QString G_TXT_SYNC;
QString G_TXT_OK;
QString G_TXT_YES;
QString G_TXT_NO;
QString G_TXT_EDIT[5];
QString G_TXT_SEQ;
QString G_MSG_PROCESSED;
QString G_MSG_NET_FAIL;
QString G_MSG_LOGIN_FAIL;
QString G_MSG_STATUS_CHANGED;
QString G_MSG_STATUS_ASK;
QString G_MSG_NO_COURIER;
QString G_MSG_NO_DATA;
QString G_MSG_NO_GROUP;

void proc_SetLanKor()
{
    G_MSG_RESULT[0] = QStringLiteral("실패했습니다.");
    G_MSG_RESULT[1] = QStringLiteral("저장했습니다.");
    G_MSG_RESULT[2] = QStringLiteral("송금했습니다.");
    G_MSG_RESULT[3] = QStringLiteral("배차되었습니다.");
    G_MSG_OK = QStringLiteral("성공했습니다.");
    G_TXT_STATE[0] = QStringLiteral("전체");
    G_TXT_STATE[1] = QStringLiteral("정상");
    G_TXT_STATE[2] = QStringLiteral("정지");
    G_TXT_STATE[3] = QStringLiteral("퇴직");
    G_TXT_STATE[4] = QStringLiteral("캐쉬부족");
    G_TXT_WEEK[0] = QStringLiteral("일");
    G_TXT_WEEK[1] = QStringLiteral("월");
    G_TXT_WEEK[2] = QStringLiteral("화");
    G_TXT_WEEK[3] = QStringLiteral("수");
    G_TXT_WEEK[4] = QStringLiteral("목");
    G_TXT_WEEK[5] = QStringLiteral("금");
    G_TXT_WEEK[6] = QStringLiteral("토");
    G_TXT_WEEK[7] = QStringLiteral("일월화수목금토");
    G_TXT_BR_NAME = QStringLiteral("총판명");
    G_TXT_BR_CODE = QStringLiteral("총판코드");
    G_TXT_HD_NAME = QStringLiteral("제휴본사명");
    G_TXT_HD_CODE = QStringLiteral("제휴본사코드");
    G_TXT_HD = QStringLiteral("제휴본사");
    G_TXT_GRP_KIND[0] = QStringLiteral("총판");
    G_TXT_GRP_KIND[1] = QStringLiteral("메인");
    G_TXT_GRP_KIND[2] = QStringLiteral("종속");
    G_TXT_GRP_KIND[3] = QStringLiteral("일반");
    G_TXT_GRP_KIND[4] = QStringLiteral("배차후");
    G_TXT_COOK = QStringLiteral("조리");
    G_TXT_DISPATCH_WK = QStringLiteral("배차배송원");
    G_TXT_UNLIMITED = QStringLiteral("무제한");
    G_TXT_CASH_HIST = QStringLiteral("캐쉬내역");
    G_TXT_SYNC = QStringLiteral("동기화");
    G_TXT_OK = QStringLiteral("확인");
    G_TXT_YES = QStringLiteral("예");
    G_TXT_NO = QStringLiteral("아니오");
    G_TXT_EDIT[0] = QStringLiteral("그룹");
    G_TXT_EDIT[1] = QStringLiteral("추가");
    G_TXT_EDIT[2] = QStringLiteral("수정");
    G_TXT_EDIT[3] = QStringLiteral("삭제");
    G_TXT_EDIT[4] = QStringLiteral("삭제취소");
    G_TXT_SEQ = QStringLiteral("순번");
    G_MSG_PROCESSED = QStringLiteral("처리되었습니다");
    G_MSG_NET_FAIL = QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다.");
    G_MSG_LOGIN_FAIL = QStringLiteral("로그인에 실패했습니다.");
    G_MSG_STATUS_CHANGED = QStringLiteral("상태가 변경되었습니다.");
    G_MSG_STATUS_ASK = QStringLiteral("상태를 변경하시겠습니까?");
    G_MSG_NO_COURIER = QStringLiteral("배송가능한 배송원이 없습니다.");
    G_MSG_NO_DATA = QStringLiteral("데이터가 없습니다.");
    G_MSG_NO_GROUP = QStringLiteral("선택된 그룹이 없습니다.");
}

void proc_SetLanChn()
{
    // The second set differs from the Korean one only in the status words and one message.
    proc_SetLanKor();
    G_TXT_STATE[0] = QStringLiteral("全部");
    G_TXT_STATE[1] = QStringLiteral("正常");
    G_TXT_STATE[2] = QStringLiteral("停止");
    G_TXT_STATE[3] = QStringLiteral("退休");
    G_TXT_STATE[4] = QStringLiteral("余額不足");
    G_MSG_NO_COURIER = QStringLiteral("배차가능한 배송원이 없습니다.");
}

void SetLanguageTexts()
{
    if (G_LANGUAGE == QLatin1String("0002"))
        proc_SetLanChn();
    else
        proc_SetLanKor();
}
