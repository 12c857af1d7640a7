#include "messages/message_list.h"

#include "messages/message_texts.h"
#include "messages/reply_pages.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/session_records.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

MessageList::MessageList(QObject *parent)
    : QObject(parent)
{
}

int MessageList::findRow(const QString &msgNo) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).MSG_NO == msgNo)
            return i;
    }
    return -1;
}

int MessageList::buttonWidthFor(const QString &caption)
{
    const int n = int(caption.size());
    if (n >= 1 && n <= 5)
        return 103;
    if (n >= 6 && n <= 8)
        return 150;
    return 200;
}

QString MessageList::orderNumberOf(const QString &linkNo)
{
    bool ok = false;
    const qlonglong n = linkNo.mid(6, 6).toLongLong(&ok);
    if (!ok || n < 0)
        return QStringLiteral("0");
    return QString::number(n);
}

void MessageList::show()
{
    if (visible)
        return;
    visible = true;
    emit visibilityChanged(true);
}

void MessageList::hide()
{
    if (!visible)
        return;
    visible = false;
    emit visibilityChanged(false);
}

void MessageList::clearDetail()
{
    title.clear();
    group.clear();
    body.clear();
    for (Button &b : buttons) {
        b.descriptor.clear();
    }
    emit replyCleared();
}

void MessageList::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows.removeAt(row);
    if (focusedRow >= m_rows.size())
        focusedRow = int(m_rows.size()) - 1;
    emit rowsChanged();
}

void MessageList::proc_Add_Msg(const TMSG_LIST &msg, bool viewFlag)
{
    const int row = findRow(msg.MSG_NO);
    if (row >= 0) {
        if (msg.CONF_YN == QLatin1String("Y") && m_rows.at(row).CONF_YN == QLatin1String("N")) {
            // Confirmed elsewhere: it no longer waits here.
            removeRow(row);
            clearDetail();
            buttonBarVisible = false;
            shownRow = -1;
            emit detailChanged();
            if (m_rows.isEmpty())
                hide();
            return;
        }
        m_rows[row] = msg;
        emit rowsChanged();
        shownRow = row;
        proc_Select_Msg(msg);
        return;
    }
    if (msg.CONF_YN == QLatin1String("N") || viewFlag) {
        m_rows.append(msg);
        emit rowsChanged();
        shownRow = int(m_rows.size()) - 1;
        proc_Select_Msg(msg);
    }
}

void MessageList::proc_Select_Msg(const TMSG_LIST &msg)
{
    // A reply typed to one sender never goes to the next one shown.
    emit replyCleared();
    title = msg.MSG_TITLE;
    group = MessageTexts::senderWord(msg.SND_GRP_TYPE) + QLatin1Char('[') + msg.SND_GRP_CODE + QLatin1Char(']');
    body = msg.MSG_CONTENT;
    const QString types[3] = {msg.BTN_1_TYPE, msg.BTN_2_TYPE, msg.BTN_3_TYPE};
    const QString texts[3] = {msg.BTN_1_TEXT, msg.BTN_2_TEXT, msg.BTN_3_TEXT};
    for (const QString &t : types) {
        if (t == QLatin1String("3")) {
            body += QStringLiteral("\r\n\r\n전화번호:") + FormatPhone(msg.ADD_VALUE_1, 0);
            break;
        }
    }
    buttonBarVisible = false;
    const int width = buttonWidthFor(texts[0]);
    for (int i = 0; i < 3; ++i) {
        Button &b = buttons[size_t(i)];
        b.caption = texts[i];
        b.descriptor = types[i] + QLatin1Char(',') + msg.CON_TYPE + QLatin1Char(',') + msg.CON_SEQ_NO + QLatin1Char(',')
                       + msg.ADD_VALUE_1;
        b.width = width;
        b.visible = !types[i].isEmpty() && types[i] != QLatin1String("3");
        b.separatorVisible = i > 0 && b.visible;
    }
    buttonBarVisible = true;
    replyBoxVisible = msg.VIEW_TYPE == QLatin1String("3");
    buttonsEnabled = msg.CONF_YN != QLatin1String("Y");
    emit detailChanged();
    if (replyBoxVisible && visible)
        emit focusReplyRequested();
    if (msg.MSG_TYPE_CD.startsWith(QLatin1Char('3'))) {
        // A notice message opens its notice at once.
        const bool enabled = buttonsEnabled;
        pressButton(0);
        if (findRow(msg.MSG_NO) >= 0)
            buttonsEnabled = enabled;
    }
}

void MessageList::clickRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    clearDetail();
    const QString msgNo = m_rows.at(row).MSG_NO;
    TMSG_LIST msg = m_rows.at(row);
    if (const TMSG_LIST *stored = G_MSG_LIST.find(msgNo))
        msg = *stored;
    shownRow = row;
    focusedRow = row;
    proc_Select_Msg(msg);
}

void MessageList::finishAction()
{
    buttonsEnabled = true;
    clearDetail();
    buttonBarVisible = false;
    replyBoxVisible = false;
    for (Button &b : buttons)
        b.visible = false;
    shownRow = -1;
    emit detailChanged();
    if (m_rows.isEmpty())
        hide();
}

void MessageList::pressButton(int index, const QString &replyText)
{
    if (index < 0 || index > 2)
        return;
    buttonsEnabled = false;
    int row = shownRow;
    if (row < 0 || row >= m_rows.size())
        row = focusedRow;
    if (row < 0 || row >= m_rows.size())
        row = 0;
    if (m_rows.isEmpty()) {
        buttonsEnabled = true;
        emit detailChanged();
        return;
    }
    const Button button = buttons[size_t(index)];
    const QStringList d = SplitUnescaped(QStringLiteral(","), button.descriptor);
    const QString type = d.value(0), linkKind = d.value(1), linkNo = d.value(2), extra = d.value(3);
    const TMSG_LIST acted = m_rows.at(row);

    if (type == QLatin1String("1") || type == QLatin1String("3")) {
        // dismiss
    } else if (type == QLatin1String("2")) {
        if (linkKind == QLatin1String("1")) {
            const bool found = hooks.openOrder && hooks.openOrder(linkNo, extra, orderNumberOf(linkNo));
            if (!found) {
                buttonsEnabled = true;
                emit detailChanged();
                return;
            }
        } else if (linkKind >= QLatin1String("2") && linkKind <= QLatin1String("5") && linkKind.size() == 1) {
            if (hooks.openNotice)
                hooks.openNotice(acted.MSG_TYPE_CD, linkNo, QString());
        }
    } else if (type == QLatin1String("5")) {
        if (hooks.copyToClipboard)
            hooks.copyToClipboard(acted.ADD_VALUE_1);
        MsgBox(QStringLiteral("복사되었습니다."), QStringLiteral("I"));
    } else {
        answer(row, d, button.caption, replyText);
        return;
    }
    const int now = findRow(acted.MSG_NO);
    removeRow(now);
    finishAction();
}

void MessageList::answer(int row, const QStringList &d, const QString &caption, const QString &replyText)
{
    const auto stop = [this] {
        buttonsEnabled = true;
        emit detailChanged();
    };
    const TMSG_LIST &m = m_rows.at(row);
    const QString type = d.value(0);
    if (m.MSG_TYPE_CD == QLatin1String("2003") && type == QLatin1String("Y")
        && MsgBox(QStringLiteral("페이 송금에 동의하십니까?"), QStringLiteral("Q")) != 1) {
        stop();
        return;
    }
    TMSG_LIST reply;
    reply.MSG_NO = m.MSG_NO;
    reply.MSG_TYPE_CD = m.MSG_TYPE_CD;
    reply.MSG_TITLE = QStringLiteral("Re:") + title;
    reply.MSG_CONTENT = replyText + QLatin1Char('\n') + QStringLiteral("접수번호 : [ ") + orderNumberOf(d.value(2))
                        + QStringLiteral(" ]") + QLatin1Char('\n') + QStringLiteral("관리자명 : [") + G_USER_INFO.GRP_NAME
                        + QLatin1Char(']');
    reply.BTN_1_TYPE = type;
    reply.CON_TYPE = d.value(1);
    reply.CON_SEQ_NO = d.value(2);
    reply.RCV_GRP_TYPE = m.SND_GRP_TYPE;
    reply.RCV_GRP_CODE = m.SND_GRP_CODE;
    reply.RCV_GRP_ID = m.SND_GRP_ID;
    reply.RCV_DEVICE_ID = m.SND_DEVICE_ID;
    reply.RCV_DEVICE_TYPE = m.SND_DEVICE_TYPE;
    reply.SND_GRP_TYPE = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    reply.SND_GRP_CODE = G_USER_INFO.USER_CODE;
    reply.SND_GRP_ID = G_USER_INFO.ID;
    reply.SND_DEVICE_TYPE = QStringLiteral("C");
    // Every answer names this PC; the user record's other device field is never filled.
    reply.SND_DEVICE_ID = G_USER_INFO.MC;
    if (MessageTexts::utf8Bytes(reply.MSG_TITLE) > 100) {
        MsgBox(QStringLiteral("제목을 줄이세요"), QStringLiteral("I"));
        stop();
        return;
    }
    if (type == QLatin1String("4") && MessageTexts::utf8Bytes(reply.MSG_CONTENT) > 500) {
        MsgBox(QStringLiteral("답장메세지 내용을 줄이세요"), QStringLiteral("I"));
        stop();
        return;
    }
    if (m.MSG_TYPE_CD == QLatin1String("1008")
        && MsgBox(caption + QStringLiteral(" 하시겠습니까?"), QStringLiteral("Q")) != 1) {
        stop();
        return;
    }
    if (proc_Send_Reply(reply, row, caption))
        finishAction();
    else
        stop();
}

bool MessageList::proc_Send_Reply(const TMSG_LIST &reply, int row, const QString &caption)
{
    const QString code = QStringLiteral("MG00_02_V02");
    QString val;
    for (const QString &f :
         {QString(reply.MSG_NO), QString(reply.BTN_1_TYPE), QString(reply.MSG_TYPE_CD), QString(reply.CON_SEQ_NO),
          reply.MSG_TITLE, reply.MSG_CONTENT, QString(reply.SND_GRP_TYPE), QString(reply.SND_GRP_CODE),
          QString(reply.SND_GRP_ID), QString(reply.SND_DEVICE_ID), QString(reply.SND_DEVICE_TYPE),
          QString(reply.RCV_GRP_TYPE), QString(reply.RCV_GRP_CODE), QString(reply.RCV_GRP_ID),
          QString(reply.RCV_DEVICE_ID), QString(reply.RCV_DEVICE_TYPE)})
        val += f + G_FIELD_SEP;
    QString text;
    RequestOne(G_TCP_CLIENT, code, QStringLiteral("MSG2"), val, QString(), QString(), 30000, text);
    if (text.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    QJsonObject page;
    if (!ParseReplyPage(text, &page)) {
        WriteLog(code + QStringLiteral(" Exception Err ") + QStringLiteral("reply is not readable"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
    if (outCode != QLatin1String("1")) {
        // The server did not take the answer: the message keeps waiting here.
        MsgBox(G_MSG_RESULT[0] + QLatin1Char('\n') + JsonStr(page, QStringLiteral("OUT_MSG")), QStringLiteral("E"));
        return false;
    }
    const int now = row >= 0 && row < m_rows.size() && m_rows.at(row).MSG_NO == reply.MSG_NO ? row : findRow(reply.MSG_NO);
    removeRow(now);
    if (!caption.isEmpty() && reply.MSG_TYPE_CD == QLatin1String("1008"))
        MsgBox(caption + QStringLiteral(" 되었습니다."), QStringLiteral("I"));
    else
        MsgBox(G_MSG_OK, QStringLiteral("I"));
    return true;
}
