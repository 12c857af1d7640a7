#include "reception/menu_board_sale.h"

#include "boards/order_actions.h"
#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "reception/menu_board_filter.h"
#include "records/reference_records.h"

QString GoodsSaleNextStatus(bool onSale, QString *word)
{
    if (word)
        *word = onSale ? QStringLiteral("품절") : QStringLiteral("판매");
    return onSale ? QStringLiteral("2") : QStringLiteral("1");
}

QString GoodsSaleQuestion(const QString &word)
{
    return QLatin1Char('[') + word + QStringLiteral("]상태로 변경하시겠습니까?");
}

GoodsSaleSwitchResult ChangeGoodsSaleStatus(TST_LIST &store, const QString &goodsNo, const QString &status)
{
    const QString code = QString::fromLatin1(kGoodsSaleStatusCode);
    const QString val = JoinRequestFields({QString(store.ST_CODE), goodsNo, status});
    QString reply;
    RequestOne(G_TCP_CLIENT, code, QStringLiteral("ADM1"), val, QString(), QString(), 30000, reply);
    if (reply.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return {false, QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다.")};
    }
    const ActionReply r = ReadActionReply(reply);
    if (!r.readable) {
        WriteLog(code + QStringLiteral(" Exception Err reply is not a JSON object"));
        return {false, QStringLiteral("실패했습니다.")};
    }
    if (r.code != QLatin1String("1"))
        return {false, QStringLiteral("실패했습니다.") + QLatin1Char('\n') + r.message};
    MenuBoardSetSaleStatus(store, goodsNo, status);
    return {true, QStringLiteral("상태를 변경했습니다")};
}
