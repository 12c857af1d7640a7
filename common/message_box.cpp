#include "common/message_box.h"

#include "common/daily_log.h"

namespace
{
MsgBoxHandler &handlerSlot()
{
    static MsgBoxHandler handler;
    return handler;
}
} // namespace

bool IsKnownMsgBoxKind(const QString &kind)
{
    return kind == QLatin1String("I") || kind == QLatin1String("E") || kind == QLatin1String("Q")
           || kind == QLatin1String("S");
}

int MsgBox(const QString &text, const QString &kind)
{
    if (!IsKnownMsgBoxKind(kind))
        return 0;
    MsgBoxHandler &handler = handlerSlot();
    if (!handler) {
        // No screen to show it on (a headless tool): keep the text in the log at least. Nobody
        // can agree to a question here, so it counts as declined.
        WriteLog(QStringLiteral("MsgBox[") + kind + QStringLiteral("] ") + text);
        if (kind == QLatin1String("Q"))
            return 2;
        return kind == QLatin1String("S") ? 6 : 1;
    }
    return handler(text, kind);
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler)
{
    MsgBoxHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}
