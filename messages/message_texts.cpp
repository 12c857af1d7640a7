#include "messages/message_texts.h"

#include "text/date_helpers.h"

namespace MessageTexts
{
QString senderWord(const QString &grpType)
{
    if (grpType == QLatin1String("1")) return QStringLiteral("상담원");
    if (grpType == QLatin1String("2")) return QStringLiteral("종업원");
    if (grpType == QLatin1String("3")) return QStringLiteral("가맹점");
    if (grpType == QLatin1String("5")) return QStringLiteral("총판");
    if (grpType == QLatin1String("7")) return QStringLiteral("제휴본사");
    if (grpType == QLatin1String("9")) return QStringLiteral("시스템");
    if (grpType == QLatin1String("W")) return QStringLiteral("배송원");
    return QString();
}

QString groupKindName(const QString &grpType)
{
    if (grpType == QLatin1String("6"))
        return QStringLiteral("배송그룹");
    return senderWord(grpType);
}

QString deviceKindName(const QString &deviceType)
{
    if (deviceType == QLatin1String("C")) return QStringLiteral("PC");
    if (deviceType == QLatin1String("A")) return QStringLiteral("핸드폰");
    return QString();
}

QString stampTime(const QString &stamp)
{
    return FormatDateDigits(stamp).mid(11, 8);
}

QVariantList gridRow(const TMSG_LIST &msg, int row)
{
    QVariantList values;
    values.reserve(32);
    values << row + 1;
    for (int i = 0; i < TMSG_LIST::kFieldCount; ++i) {
        QString v = msg.field(i);
        if (i == 1 || i == 24)
            v = stampTime(v);
        else if (i == 6)
            v.replace(QLatin1Char('\n'), QLatin1Char('|'));
        values << v;
    }
    return values;
}

bool hasActionButton(const TMSG_LIST &msg)
{
    for (const QString &t : {QString(msg.BTN_1_TYPE), QString(msg.BTN_2_TYPE), QString(msg.BTN_3_TYPE)}) {
        if (t == QLatin1String("1") || t == QLatin1String("2") || t == QLatin1String("3"))
            return true;
    }
    return false;
}

bool isPendingNotice(const TMSG_LIST &msg)
{
    return msg.CONF_YN == QLatin1String("N")
           && (msg.VIEW_TYPE == QLatin1String("2") || msg.VIEW_TYPE == QLatin1String("3"))
           && !hasActionButton(msg) && msg.MSG_TYPE_CD != QLatin1String("4001");
}

QString alertCaption(const TMSG_LIST &msg)
{
    return senderWord(msg.SND_GRP_TYPE) + QLatin1Char('[') + msg.SND_GRP_CODE + QStringLiteral("]:") + msg.MSG_TITLE;
}

int utf8Bytes(const QString &text)
{
    return int(text.toUtf8().size());
}
} // namespace MessageTexts
