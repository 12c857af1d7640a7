#include "messages/message_center.h"

#include "messages/message_store.h"
#include "messages/message_texts.h"
#include "messages/reply_pages.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "platform/process_control.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

namespace
{
const QString kPollCode = QStringLiteral("MG00_01_V01");
const QString kSendCode = QStringLiteral("MG00_03_V01");
// A sync mark longer than this is not a mark the server hands out.
constexpr int kMaxSyncMark = 64;

bool isEightDigits(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^[0-9]{8}$"));
    return re.match(s).hasMatch();
}
} // namespace

// ---- grid ----

int MessageGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : G_MSG_LIST.count();
}

int MessageGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 32;
}

QVariant MessageGridModel::data(const QModelIndex &index, int role) const
{
    const TMSG_LIST *m = G_MSG_LIST.value(index.row());
    if (!m || index.column() < 0 || index.column() >= 32)
        return {};
    const QVariant v = MessageTexts::gridRow(*m, index.row()).value(index.column());
    if (role == Qt::DisplayRole) {
        // Kind columns show their names.
        switch (index.column()) {
        case 19: case 27: return MessageTexts::groupKindName(v.toString());
        case 23: case 31: return MessageTexts::deviceKindName(v.toString());
        default: return v;
        }
    }
    if (role == Qt::ToolTipRole && index.column() == 7)
        return v;
    if (role == Qt::UserRole)
        return v;
    return {};
}

QList<QPair<int, int>> MessageGridModel::visibleColumns()
{
    return {{2, 80}, {6, 200}, {7, 300}, {19, 80}, {23, 80}, {25, 80}, {26, 70}, {27, 85}, {29, 69}};
}

QVariant MessageGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 2: return QStringLiteral("입력일시");
    case 6: return QStringLiteral("제목");
    case 7: return QStringLiteral("내용");
    case 19: return QStringLiteral("입력자구분");
    case 23: return QStringLiteral("입력자타입");
    case 25: return QStringLiteral("수정일시");
    case 26: return QStringLiteral("확인여부");
    case 27: return QStringLiteral("수신자구분");
    case 29: return QStringLiteral("수신자ID");
    default: return {};
    }
}

// ---- center ----

MessageCenter::MessageCenter(QObject *parent)
    : QObject(parent)
    , m_notices(new NoticeCenter(this))
    , m_list(new MessageList(this))
    , m_grid(new MessageGridModel(this))
{
    m_list->hooks.openNotice = [this](const QString &type, const QString &seq, const QString &view) {
        m_notices->procNoticeInfoSeq(type, seq, view);
    };
}

MessageCenter::~MessageCenter() = default;

void MessageCenter::proc_CHECK_Message(bool bFirst)
{
    proc_CHECK_MessageDetail(bFirst, QStringLiteral("1"));
}

void MessageCenter::proc_CHECK_MessageDetail(bool bFirst, const QString &tgtType)
{
    chkCount = -1;
    const bool hadMark = !G_MSG_SYNC.isEmpty();
    const QString sep = G_FIELD_SEP;
    const QString val = QString(G_USER_INFO.USER_TYPE_CD).left(1) + sep + G_USER_INFO.HD + sep + G_USER_INFO.BR + sep
                        + G_USER_INFO.ST + sep + G_USER_INFO.ID + sep + G_USER_INFO.MNG_DVRY_TYPE_CD + sep
                        + G_USER_INFO.MC + sep + G_MSG_SYNC + sep + tgtType + sep;
    const QStringList pages = RequestList(G_TCP_CLIENT, kPollCode, QStringLiteral("MSG1"), val, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(kPollCode + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }

    int counted = 0;
    bool gotMark = false;
    QString newMark;
    bool broken = false;
    QList<TMSG_LIST> toPresent;
    m_grid->beginUpdate();
    for (int p = 0; p < pages.size(); ++p) {
        QJsonObject page;
        if (!ParseReplyPage(pages.at(p), &page)) {
            WriteLog(QStringLiteral("ProcNum:0:") + kPollCode + QStringLiteral(" Exception Err reply page is not readable"));
            broken = true;
            break;
        }
        const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
        if (outCode != QLatin1String("1")) {
            WriteLog(kPollCode + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + JsonStr(page, QStringLiteral("OUT_MSG")));
            break;
        }
        if (p == 0) {
            const QString mark = JsonStr(page, QStringLiteral("OUT_VAL"));
            if (mark.size() <= kMaxSyncMark && !mark.contains(QLatin1Char('\n'))) {
                newMark = mark;
                gotMark = true;
            } else {
                WriteLog(QStringLiteral("ProcNum:1:") + kPollCode + QStringLiteral(" Exception Err sync mark is not readable"));
            }
        }
        const bool allRows = HasAuthGrade(4);
        for (const QJsonValue &v : page.value(QStringLiteral("OUT_ROW1")).toArray()) {
            TMSG_LIST m;
            FillMsgRow(m, ReplyRow::fromJson(v, G_FIELD_SEP));
            const bool closeCmd = m.MSG_TYPE_CD == QLatin1String("7001") || m.MSG_TYPE_CD == QLatin1String("7002");
            // Rows this user may not see are passed over; the rest of the reply still counts.
            if (!allRows && !closeCmd)
                continue;
            if (m.MSG_TYPE_CD == QLatin1String("7006") && m.MSG_CONTENT.trimmed().isEmpty())
                continue;
            if (m.MSG_NO.isEmpty())
                continue;
            const int i = G_MSG_LIST.indexOf(m.MSG_NO);
            if (i < 0) {
                G_MSG_LIST.append(m.MSG_NO, m);
            } else {
                if (QString(G_MSG_LIST.at(i).MOD_DATE) >= QString(m.MOD_DATE))
                    continue;
                G_MSG_LIST[i] = m;
            }
            ++counted;
            toPresent << m;
        }
    }
    m_grid->endUpdate();

    // What the reply brought is stored before anything acts on it, so a command that ends the
    // program cannot lose the rows after it.
    if (!broken) {
        if (gotMark)
            G_MSG_SYNC = newMark;
        if (G_INI)
            G_INI->WriteString(QStringLiteral("Msg"), G_USER_INFO.ID, G_MSG_SYNC);
    }
    if (counted > 0)
        proc_Save_Message();
    for (const TMSG_LIST &m : toPresent)
        presentFromPoll(m, bFirst, hadMark);
    if (broken || counted == 0)
        return;
    emit messagesArrived(counted);
    WriteLog(QStringLiteral("Message 06"));
    if (hadMark && G_USER_SET.Alarm_Message == QLatin1String("1"))
        emit soundRequested(0);
    WriteLog(QStringLiteral("Message 06 play sound"));
    if (G_USER_SET.MsgAlramYN == 1) {
        if (m_list->rowCount() > 0 && !m_list->visible) {
            m_list->show();
            emit messageListShowRequested(true);
        }
        WriteLog(QStringLiteral("Message 07"));
    }
}

void MessageCenter::presentFromPoll(const TMSG_LIST &msg, bool bFirst, bool hadMark)
{
    if (G_USER_SET.MsgAlramYN != 1)
        return;
    if (!bFirst) {
        proc_Process_Message(msg, true, false, hadMark ? 1 : 0);
        return;
    }
    const bool unconfirmed = msg.CONF_YN == QLatin1String("N");
    const bool confirmed = msg.CONF_YN == QLatin1String("Y");
    if ((G_REINIT_DONE && unconfirmed) || (G_REINIT_DONE && confirmed && hadMark) || MessageTexts::isPendingNotice(msg)
        || msg.CHNL_TYPE == QLatin1String("3"))
        proc_Process_Message(msg, true, false, 1);
}

void MessageCenter::proc_Process_Message(TMSG_LIST msg, bool bChkTer, bool bViewFlag, int iType)
{
    const QString type = msg.MSG_TYPE_CD;
    if ((type == QLatin1String("7001") || type == QLatin1String("7002")) && bChkTer && G_MSG_LOADED) {
        if (hooks.closeProgram)
            hooks.closeProgram(msg.MSG_CONTENT + QStringLiteral("\r\n프로그램을 종료합니다."));
        return;
    }
    if (type == QLatin1String("7011")) {
        const QByteArray bytes = msg.MSG_CONTENT.toUtf8();
        if (bChkTer && bytes.size() > 16)
            proc_ExcuteLogUpload(QString::fromUtf8(bytes.mid(0, 8)), QString::fromUtf8(bytes.mid(9, 8)), msg.MSG_NO);
        return;
    }
    if (type == QLatin1String("7005")) {
        if (hooks.reloadCash)
            hooks.reloadCash();
        return;
    }
    if (type == QLatin1String("7006")) {
        for (int i = 0; i < G_DVRY_GRP_INFO.size(); ++i) {
            if (G_DVRY_GRP_INFO.at(i).DVRY_TYPE_CD == msg.ADD_VALUE_1) {
                if (hooks.reloadDeliveryGroup)
                    hooks.reloadDeliveryGroup(msg.ADD_VALUE_1, i);
                break;
            }
        }
        return;
    }
    if (msg.CHNL_TYPE == QLatin1String("1") && iType == 1) {
        emit alertRequested(MessageTexts::alertCaption(msg), msg.MSG_CONTENT, msg.MSG_NO);
        return;
    }
    m_list->proc_Add_Msg(msg, bViewFlag);
    if (hooks.showMainWindow)
        hooks.showMainWindow();
}

QString MessageCenter::logUploadProgram() const
{
    if (!m_uploadProgram.isEmpty())
        return m_uploadProgram;
    return QDir(G_EXE_DIR.isEmpty() ? QStringLiteral(".") : G_EXE_DIR).filePath(QString::fromLatin1(kLogUploadProgram));
}

bool MessageCenter::proc_ExcuteLogUpload(const QString &from, const QString &to, const QString &msgNo)
{
    const QString url = hooks.logUploadUrl ? hooks.logUploadUrl().trimmed() : QString();
    if (url.isEmpty())
        return false;
    // The values come from the server: only well-formed ones are handed on, each as one argument
    // of the one program this command may start.
    static const QRegularExpression safeUrl(QStringLiteral("^https?://[^\\s\"'`$;|&<>]+$"));
    static const QRegularExpression safeNo(QStringLiteral("^[0-9A-Za-z_-]{1,20}$"));
    if (!isEightDigits(from) || !isEightDigits(to) || !safeNo.match(msgNo).hasMatch() || !safeUrl.match(url).hasMatch()) {
        WriteLog(QStringLiteral("Log upload refused: malformed command ") + msgNo.left(20));
        return false;
    }
    const QString program = logUploadProgram();
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable()) {
        WriteLog(QStringLiteral("Log upload program not found: ") + program);
        return false;
    }
    const QStringList args = {G_USER_INFO.USER_SEQ_NO, G_USER_INFO.DEV_SEQ_NO, G_USER_INFO.USER_CODE, url, from, to, msgNo};
    qint64 pid = 0;
    return ProcessControl().startDetached(info.absoluteFilePath(), args, QString(), &pid);
}

TMSG_LIST MessageCenter::ownMessage()
{
    TMSG_LIST m;
    m.CHNL_TYPE = QStringLiteral("1");
    m.VIEW_TYPE = QStringLiteral("3");
    m.MSG_TYPE_CD = QStringLiteral("4001");
    m.CON_TYPE = QStringLiteral("0");
    m.SND_GRP_TYPE = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    m.SND_GRP_CODE = G_USER_INFO.USER_CODE;
    m.SND_GRP_ID = G_USER_INFO.ID;
    m.SND_DEVICE_ID = G_USER_INFO.MC;
    m.SND_DEVICE_TYPE = QStringLiteral("C");
    return m;
}

namespace
{
QString sendPayload(const TMSG_LIST &m)
{
    return JoinRequestFields(
         {QString(m.CHNL_TYPE), QString(m.VIEW_TYPE), QString(m.MSG_TYPE_CD), m.MSG_TITLE, m.MSG_CONTENT,
          QString(m.CON_TYPE), QString(m.CON_SEQ_NO), m.ADD_VALUE_1, m.ADD_VALUE_2, m.ADD_VALUE_3,
          QString(m.SND_GRP_TYPE), QString(m.SND_GRP_CODE), QString(m.SND_GRP_ID), QString(m.SND_DEVICE_ID),
          QString(m.SND_DEVICE_TYPE), QString(m.RCV_GRP_TYPE), QString(m.RCV_GRP_CODE), QString(m.RCV_GRP_ID),
          QString(m.RCV_DEVICE_ID), QString(m.RCV_DEVICE_TYPE)});
}
} // namespace

int MessageCenter::sendQuietly(const TMSG_LIST &msg)
{
    QString text;
    RequestOne(G_TCP_CLIENT, kSendCode, QStringLiteral("MSG2"), sendPayload(msg), QString(), QString(), 30000, text);
    if (text.isEmpty()) {
        WriteLog(kSendCode + QStringLiteral(" ERR[NO RESULT]"));
        return -1;
    }
    QJsonObject page;
    if (!ParseReplyPage(text, &page)) {
        WriteLog(kSendCode + QStringLiteral(" Exception Err reply is not readable"));
        return -1;
    }
    return JsonStr(page, QStringLiteral("OUT_CODE")) == QLatin1String("1") ? 1 : 0;
}

bool MessageCenter::proc_Send_Message(TMSG_LIST msg)
{
    if (QString(msg.RCV_GRP_CODE).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("받는 대상이 정확하지 않습니다.\r\n다시 시도해주시기 바랍니다."), QStringLiteral("I"));
        return false;
    }
    QString text;
    RequestOne(G_TCP_CLIENT, kSendCode, QStringLiteral("MSG2"), sendPayload(msg), QString(), QString(), 30000, text);
    if (text.isEmpty()) {
        WriteLog(kSendCode + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    QJsonObject page;
    if (!ParseReplyPage(text, &page)) {
        WriteLog(kSendCode + QStringLiteral(" Exception Err reply is not readable"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    if (JsonStr(page, QStringLiteral("OUT_CODE")) == QLatin1String("1")) {
        MsgBox(G_MSG_OK, QStringLiteral("I"));
        return true;
    }
    MsgBox(G_MSG_RESULT[0] + QLatin1Char('\n') + JsonStr(page, QStringLiteral("OUT_MSG")), QStringLiteral("E"));
    return false;
}

bool MessageCenter::procWkMsgSend(int tag, const QString &text, const QString &wkCode)
{
    TMSG_LIST m = ownMessage();
    m.MSG_TITLE = text;
    m.MSG_CONTENT = text + QLatin1Char('\n') + QStringLiteral("관리자명 : [") + G_USER_INFO.GRP_NAME + QLatin1Char(']');
    if (tag == 3 || tag == 4) {
        m.RCV_GRP_TYPE = QStringLiteral("W");
        m.RCV_GRP_CODE = wkCode;
    }
    if (tag == 4) {
        m.MSG_TITLE = QStringLiteral("[제휴본사/총판으로 전화주세요.]");
        m.ADD_VALUE_1 = G_USER_INFO.AUTH_TEL;
    }
    return proc_Send_Message(m);
}

void MessageCenter::proc_Save_Message()
{
    const QString path = hooks.messageFilePath ? hooks.messageFilePath() : QString();
    if (path.isEmpty())
        return;
    QList<TMSG_LIST> all;
    all.reserve(G_MSG_LIST.count());
    for (int i = 0; i < G_MSG_LIST.count(); ++i)
        all << G_MSG_LIST.at(i);
    QString error;
    if (!MessageStore::save(path, all, &error))
        WriteLog(QStringLiteral("proc_Save_Message Err:") + error);
}

void MessageCenter::proc_Load_Message()
{
    G_MSG_LOADED = false;
    struct Loaded
    {
        ~Loaded() { G_MSG_LOADED = true; }
    } loadedAtEnd;
    const QString path = hooks.messageFilePath ? hooks.messageFilePath() : QString();
    m_grid->beginUpdate();
    G_MSG_LIST.clear();
    const MessageStore::LoadResult loaded = path.isEmpty() ? MessageStore::LoadResult{} : MessageStore::load(path);
    for (const TMSG_LIST &m : loaded.messages) {
        if (G_MSG_LIST.contains(m.MSG_NO))
            continue;
        G_MSG_LIST.append(m.MSG_NO, m);
    }
    m_grid->endUpdate();
    for (const TMSG_LIST &m : loaded.messages) {
        if (MessageTexts::isPendingNotice(m))
            proc_Process_Message(m, false, false, 0);
    }
    if (loaded.exists) {
        if (!loaded.complete) {
            // The messages read so far stay; without the mark the poll fetches the day again.
            WriteLog(QStringLiteral("proc_Load_Message Err:") + loaded.error);
            G_MSG_SYNC.clear();
            proc_CHECK_Message(true);
            return;
        }
        G_MSG_SYNC = G_INI ? G_INI->ReadString(QStringLiteral("Msg"), G_USER_INFO.ID, QString()) : QString();
        if (G_MSG_SYNC.size() > kMaxSyncMark)
            G_MSG_SYNC.clear();
    }
    proc_CHECK_Message(true);
    if (m_list->rowCount() > 0 && G_USER_SET.MsgAlramYN == 1) {
        m_list->show();
        emit messageListShowRequested(false);
    }
}

void MessageCenter::gridDoubleClicked(int row)
{
    const TMSG_LIST *m = G_MSG_LIST.value(row);
    if (!m)
        return;
    proc_Process_Message(*m, false, true, 0);
    if (m_list->rowCount() > 0) {
        m_list->show();
        emit messageListShowRequested(false);
    }
}
