#include "devices/caller_id_server_link.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "records/device_records.h"

CidServerLink::CidServerLink(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
{
    m_tmr.setSingleShot(true);
    m_tmr.setInterval(1000);
    connect(&m_tmr, &QTimer::timeout, this, &CidServerLink::tmrIDTCIDTimer);
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Connecting)
            exchangeFailed(QStringLiteral("connect time-out"));
        else if (m_phase == Phase::FirstExchange || m_phase == Phase::Polling)
            exchangeFailed(QStringLiteral("Read timed out"));
    });
    connect(m_socket, &QTcpSocket::connected, this, &CidServerLink::idtCIDConnected);
    connect(m_socket, &QTcpSocket::disconnected, this, &CidServerLink::idtCIDDisconnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &CidServerLink::readyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (m_phase != Phase::Idle)
            exchangeFailed(m_socket->errorString());
    });
}

bool CidServerLink::fnc_cid_conf()
{
    const QString ip = G_CID_INFO.SERVER_IP.trimmed();
    if (ip.size() < 6) {
        MsgBox(QStringLiteral("발신번호(CID) 서버IP 가 부정확 합니다. CID서버 IP를 확인해주세요!"), QStringLiteral("I"));
        if (openSettings)
            openSettings();
        return false;
    }
    m_extension = G_CID_INFO.NaeSun;
    m_wait.stop();
    m_buffer.clear();
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        m_phase = Phase::Idle;
        m_socket->abort();
    }
    m_phase = Phase::Connecting;
    m_wait.start(1000);
    m_socket->connectToHost(ip, quint16(G_CID_INFO.PORT));
    return true;
}

void CidServerLink::stop()
{
    m_tmr.stop();
    m_wait.stop();
    m_phase = Phase::Idle;
    m_socket->abort();
}

void CidServerLink::idtCIDConnected()
{
    m_wait.stop();
    m_stopFlag = false;
    if (showState)
        showState(State::Polling);
    m_phase = Phase::FirstExchange;
    // The server takes a moment after the accept before it reads.
    QTimer::singleShot(100, this, [this] {
        if (m_phase != Phase::FirstExchange || !connected())
            return;
        const QString request = func_BuildCidRequest(m_extension);
        WriteLog(QStringLiteral("CID_SEND : ") + request);
        send(request, 1000);
    });
}

void CidServerLink::idtCIDDisconnected()
{
    m_tmr.stop();
    if (showState)
        showState(State::Down);
}

void CidServerLink::send(const QString &request, int timeoutMs)
{
    m_buffer.clear();
    m_socket->write(request.toLatin1() + kEtx);
    m_wait.start(timeoutMs);
}

void CidServerLink::readyRead()
{
    if (m_phase != Phase::FirstExchange && m_phase != Phase::Polling) {
        m_socket->readAll();  // nothing was asked: not an answer
        return;
    }
    m_buffer += m_socket->readAll();
    const qsizetype etx = m_buffer.indexOf(kEtx);
    if (etx < 0) {
        if (m_buffer.size() > kMaxAnswer)
            exchangeFailed(QStringLiteral("answer too long"));
        return;
    }
    const QString answer = QString::fromLatin1(m_buffer.left(etx));
    m_buffer.clear();
    m_wait.stop();
    answered(answer);
}

void CidServerLink::answered(const QString &answer)
{
    const Phase phase = m_phase;
    const CidServerAnswer a = ReadCidServerAnswer(answer, m_extension);
    proc_IdtCidRead(a, answer);
    if (!a.bad.isEmpty()) {
        exchangeFailed(QStringLiteral("malformed call record : ") + a.bad.join(QLatin1Char('|')));
        return;
    }
    if (phase == Phase::FirstExchange) {
        // The link is up: the poll timer runs (its interval as it stands).
        m_phase = Phase::Polling;
        m_rearm = false;
        if (!m_stopFlag)
            m_tmr.start();
    } else {
        if (a.stop) {
            WriteLog(QStringLiteral("READ:") + answer);
            m_stopFlag = true;
            if (showState)
                showState(State::Stopped);
        }
        if (!m_stopFlag)
            m_tmr.start();
    }
    emit exchangeDone();
}

void CidServerLink::proc_IdtCidRead(const CidServerAnswer &a, const QString &raw)
{
    if (a.ignored)
        return;
    if (a.logRead)
        WriteLog(QStringLiteral("CID READ : ") + raw);
    for (const HEADER &rec : a.calls)
        if (route)
            route(rec);
}

void CidServerLink::exchangeFailed(const QString &message)
{
    const Phase phase = m_phase;
    m_wait.stop();
    m_phase = Phase::Idle;
    if (phase == Phase::Polling) {
        WriteLogTo(QStringLiteral("INDY_CID_ERR : ") + message, G_LOG_FILE);
        m_tmr.stop();
        // A reconnect that fails here still leaves the timer on, so the ticks retry (and give up).
        m_rearm = !m_stopFlag;
        fnc_cid_conf();
    } else {
        // Connect or first exchange: the link stays down until it is asked for again.
        WriteLog(QStringLiteral("CID_CONN_ERR : ") + message);
        m_tmr.stop();
        m_socket->abort();
        if (showState)
            showState(State::Down);
        if (m_rearm) {
            m_rearm = false;
            m_tmr.start();
        }
    }
    emit exchangeDone();
}

void CidServerLink::tmrIDTCIDTimer()
{
    m_tmr.stop();
    if (!firstInstance)
        return;
    if (connected() && m_phase == Phase::Polling) {
        m_tmr.setInterval(700);
        m_failures = 0;
        send(func_BuildCidRequest2(m_extension), 2000);
        return;
    }
    ++m_failures;
    m_tmr.setInterval(m_tmr.interval() + 1000);
    if (m_failures > 3)
        return;
    fnc_cid_conf();
}
