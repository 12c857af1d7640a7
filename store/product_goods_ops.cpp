#include "store/product_goods_ops.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/goods_parse.h"

#include <QJsonDocument>
#include <QJsonObject>

void proc_GetGoodsDetailInfo(const QString &stCode, const QString &goodsNo)
{
    const QStringList pages = RequestList(G_TCP_CLIENT, QString::fromLatin1(kGoodsDetailCode), QStringLiteral("ADM1"),
                                          JoinRequestFields({stCode, goodsNo}), QStringLiteral("3000"), 30000);
    ParseGoodsDetail(pages);
}

void proc_ChangeGoodsOptCnt(const QString &goodsNo, const QString &optType)
{
    const QString code = QString::fromLatin1(kGoodsOptCountCode);
    const QString val = JoinRequestFields({goodsNo, optType});
    QString reply;
    RequestOne(G_TCP_CLIENT, code, QStringLiteral("ADM1"), val, QString(), QString(), 30000, reply);
    const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
    if (reply.isEmpty() || o.isEmpty()) {
        WriteLog(code + QStringLiteral(" ") + val + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return;
    }
    const QString outCode = o.value(QStringLiteral("OUT_CODE")).toString();
    const QString outMsg = o.value(QStringLiteral("OUT_MSG")).toString();
    if (outCode == QLatin1String("1"))
        WriteLog(QStringLiteral("저장했습니다.\r\n") + outMsg);
    else
        WriteLog(QStringLiteral("실패했습니다.\r\n") + outCode + QStringLiteral(":") + outMsg);
}

QList<QPair<QString, QString>> GoodsGroupUseTypeItems(const QString &shopType)
{
    static const QStringList names = {QStringLiteral("매장판매상품"), QString(), QStringLiteral("배달주문상품"),
                                      QStringLiteral("상품통계용"), QStringLiteral("프린터용")};
    QList<QPair<QString, QString>> items;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).isEmpty() || (i == 2 && shopType == QLatin1String("2")))
            continue;
        items.append({QString::number(i + 1), names.at(i)});
    }
    return items;
}

QString GoodsGroupApplyRefusal(const QString &shopType, const QString &type, const QString &name)
{
    if (shopType == QLatin1String("2") && type == QLatin1String("3"))
        return QStringLiteral("등록/수정 할 수 없는 그룹구분입니다.");
    if (name.trimmed().isEmpty())
        return QStringLiteral("그룹명을 입력하세요");
    return QString();
}
