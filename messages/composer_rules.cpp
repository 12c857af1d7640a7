#include "messages/composer_rules.h"

#include "messages/message_center.h"
#include "messages/message_texts.h"

#include "common/message_box.h"
#include "records/courier_records.h"
#include "records/reference_lookups.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <algorithm>

ComposedMessage ComposeMessage(TMSG_LIST msg, const QString &title, const QString &body, const QString &ordNo,
                               const QString &grpName)
{
    ComposedMessage out;
    msg.MSG_TITLE = title;
    if (title.trimmed().isEmpty()) {
        const QString firstLine = body.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char('\r'), 0, 0);
        msg.MSG_TITLE = firstLine.size() <= 10 ? firstLine : body.trimmed().left(10);
    }
    QString content = body + QLatin1Char('\n');
    if (!ordNo.isEmpty())
        content += QStringLiteral("접수번호 : [ ") + ordNo + QStringLiteral(" ]") + QLatin1Char('\n');
    content += QStringLiteral("관리자명 : [") + grpName + QLatin1Char(']');
    msg.MSG_CONTENT = content;
    out.msg = msg;
    if (MessageTexts::utf8Bytes(msg.MSG_TITLE) > 100) {
        out.status = ComposedMessage::TitleTooLong;
        out.box = QStringLiteral("제목을 줄이세요");
    } else if (MessageTexts::utf8Bytes(msg.MSG_CONTENT) > 500) {
        out.status = ComposedMessage::ContentTooLong;
        out.box = QStringLiteral("내용을 줄이세요");
    }
    return out;
}

MultiTargetComposer::MultiTargetComposer(QObject *parent)
    : QObject(parent)
{
}

void MultiTargetComposer::build(MessageTargetKind targetKind)
{
    kind = targetKind;
    allTicked = false;
    rows.clear();
    const QString userClass = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    switch (targetKind) {
    case MessageTargetKind::Store:
        for (int i = 0; i < G_ST_LIST.count(); ++i) {
            const TST_LIST &s = G_ST_LIST.at(i);
            if (s.DATA_STAUS == QLatin1String("0") || s.ST_SHAREYN != QLatin1String("N"))
                continue;
            rows << MessageTarget{false, GetBranchName(s.HD_CODE, s.BR_CODE), s.ST_NAME, s.ST_CODE, s.BR_CODE};
        }
        break;
    case MessageTargetKind::Courier:
        for (int i = 0; i < G_MY_WORKER.MyWorkerArray.count(); ++i) {
            const TMyWorker &w = G_MY_WORKER.MyWorkerArray.at(i);
            if (w.DataStatus == QLatin1String("0"))
                continue;
            rows << MessageTarget{false, w.BrName, w.Wkname, w.WkCode, w.BrCode};
        }
        break;
    case MessageTargetKind::Admin:
        if (G_HD_LIST.isEmpty())
            break;
        if (userClass == QLatin1String("7")) {
            const THD_LIST &hd = G_HD_LIST.at(0);
            for (int i = 0; i < hd.BR_LIST.count(); ++i) {
                const TBR_LIST &b = hd.BR_LIST.at(i);
                if (b.DATA_STATUS == QLatin1String("0"))
                    continue;
                rows << MessageTarget{false, G_USER_INFO.GRP_NAME, b.BR_Name, b.BR_CODE, QString()};
            }
        } else if (userClass == QLatin1String("5")) {
            const THD_LIST &hd = G_HD_LIST.at(0);
            rows << MessageTarget{false, GetHdName(G_USER_INFO.HD), hd.HD_Name, hd.HD_CODE, QString()};
        }
        break;
    }
    emit rowsChanged();
}

bool MultiTargetComposer::isShown(int row) const
{
    if (row < 0 || row >= rows.size())
        return false;
    const MessageTarget &t = rows.at(row);
    const QString name = nameFilter.trimmed();
    if (!name.isEmpty() && !t.grpName.contains(name, Qt::CaseInsensitive)
        && !t.targetName.contains(name, Qt::CaseInsensitive))
        return false;
    if (!branchFilter.isEmpty() && branchFilter != QLatin1String("0") && t.brCode != branchFilter)
        return false;
    return true;
}

void MultiTargetComposer::tickAll(bool ticked)
{
    allTicked = ticked;
    for (MessageTarget &t : rows)
        t.checked = ticked;
    emit rowsChanged();
}

void MultiTargetComposer::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= rows.size())
        return;
    rows[row].checked = ticked;
    allTicked = std::all_of(rows.cbegin(), rows.cend(), [](const MessageTarget &t) { return t.checked; });
    emit rowsChanged();
}

QString MultiTargetComposer::receiverKind() const
{
    switch (kind) {
    case MessageTargetKind::Admin:
        return QString(G_USER_INFO.USER_TYPE_CD).left(1) == QLatin1String("7") ? QStringLiteral("5") : QStringLiteral("7");
    case MessageTargetKind::Store: return QStringLiteral("3");
    case MessageTargetKind::Courier: return QStringLiteral("W");
    }
    return QString();
}

bool MultiTargetComposer::sendOne(const TMSG_LIST &msg, int row)
{
    const QString code = rows.at(row).targetCode.trimmed();
    if (code.isEmpty())
        return false;
    TMSG_LIST m = msg;
    m.RCV_GRP_CODE = code;
    if (MessageCenter::sendQuietly(m) != 1)
        return false;
    rows[row].checked = false;
    return true;
}

bool MultiTargetComposer::send(QString &text, const std::function<void(bool)> &progress)
{
    const int bytes = MessageTexts::utf8Bytes(text);
    if (bytes > 500) {
        MsgBox(QStringLiteral("입력 메세지 내용을 줄여주세요\r\n최대:500, 입력:") + QString::number(bytes), QStringLiteral("I"));
        return false;
    }
    if (text.trimmed().isEmpty()) {
        MsgBox(QStringLiteral("입력된 내용이 없습니다."), QStringLiteral("I"));
        return false;
    }
    if (progress)
        progress(true);
    TMSG_LIST msg = MessageCenter::ownMessage();
    msg.MSG_TITLE.clear();
    msg.MSG_CONTENT = text;
    msg.RCV_GRP_TYPE = receiverKind();
    bool failed = false;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).checked && !sendOne(msg, i))
            failed = true;
    }
    allTicked = !rows.isEmpty() && std::all_of(rows.cbegin(), rows.cend(), [](const MessageTarget &t) { return t.checked; });
    emit rowsChanged();
    if (progress)
        progress(false);
    if (!failed) {
        MsgBox(QStringLiteral("메세지를 모두 정상적으로 보냈습니다."), QStringLiteral("I"));
        text.clear();
        return true;
    }
    MsgBox(QStringLiteral("메세지 전송에 실패한 대상이 있습니다.\r\n목록체크가 해제되지 않은 대상자입니다."), QStringLiteral("I"));
    return false;
}
