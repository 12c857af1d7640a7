#include "sandbox/receipt_printer_standin.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace
{
QString paperDecodeText(const QByteArray &bytes)
{
    QStringDecoder d("windows-949");
    if (!d.isValid())
        d = QStringDecoder("CP949");
    return d.decode(bytes);
}

int paperColumns(const QString &text)
{
    int n = 0;
    for (const QChar c : text)
        n += c.unicode() < 0x80 ? 1 : 2;
    return n;
}
} // namespace

QString PaperLine::text() const
{
    QString t;
    for (const PaperSegment &s : segments)
        t += s.text;
    return t;
}

int PaperLine::columns() const
{
    int n = 0;
    for (const PaperSegment &s : segments)
        n += paperColumns(s.text) * s.widthTimes;
    return n;
}

QString PaperReceipt::toText(int width) const
{
    QString out;
    for (const PaperLine &l : lines) {
        const int free = width - l.columns();
        if (l.align == 1 && free > 1)
            out += QString(free / 2, QLatin1Char(' '));
        else if (l.align == 2 && free > 0)
            out += QString(free, QLatin1Char(' '));
        out += l.text() + QLatin1Char('\n');
    }
    return out;
}

void PaperDecoder::flushSegment()
{
    if (m_text.isEmpty())
        return;
    if (!m_lineStarted) {
        m_line.align = m_align;
        m_lineStarted = true;
    }
    m_line.segments.append({paperDecodeText(m_text), m_width, m_height});
    m_text.clear();
}

void PaperDecoder::endLine()
{
    flushSegment();
    if (!m_lineStarted)
        m_line.align = m_align;
    m_receipt.lines.append(m_line);
    m_line = PaperLine();
    m_lineStarted = false;
}

QList<PaperReceipt> PaperDecoder::feed(const QByteArray &bytes)
{
    QList<PaperReceipt> done;
    QByteArray data = m_pending + bytes;
    m_pending.clear();
    qsizetype i = 0;
    auto need = [&](qsizetype n) {
        if (i + n <= data.size())
            return true;
        m_pending = data.mid(i);
        return false;
    };
    while (i < data.size()) {
        const uchar c = uchar(data.at(i));
        if (c == 0x1b) {
            if (!need(2))
                break;
            const char cmd = data.at(i + 1);
            if (cmd == '@') {
                flushSegment();
                m_align = 0;
                m_width = m_height = 1;
                i += 2;
                continue;
            }
            if (!need(3))
                break;
            const uchar n = uchar(data.at(i + 2));
            if (cmd == 'a') {
                flushSegment();
                m_align = n > 2 ? n - '0' : n;
                if (!m_lineStarted)
                    m_line.align = m_align;
            } else if (cmd == 'd') {
                endLine();
                for (int k = 1; k < n; ++k)
                    m_receipt.lines.append(PaperLine());
            } else if (cmd == 'i' || cmd == 'm') {
                if (m_lineStarted || !m_text.isEmpty())
                    endLine();
                done.append(m_receipt);
                m_receipt = PaperReceipt();
            } else {
                m_receipt.unknownCommands << QString::fromLatin1(data.mid(i, 3).toHex(' '));
            }
            i += 3;
        } else if (c == 0x1d) {
            if (!need(3))
                break;
            const char cmd = data.at(i + 1);
            const uchar n = uchar(data.at(i + 2));
            if (cmd == '!') {
                flushSegment();
                m_width = (n >> 4) + 1;
                m_height = (n & 0x0f) + 1;
            } else if (cmd == 'V') {
                if (m_lineStarted || !m_text.isEmpty())
                    endLine();
                done.append(m_receipt);
                m_receipt = PaperReceipt();
            } else {
                m_receipt.unknownCommands << QString::fromLatin1(data.mid(i, 3).toHex(' '));
            }
            i += 3;
        } else if (c == '\n') {
            endLine();
            ++i;
        } else if (c == '\r') {
            ++i;
        } else if (c >= 0x80) {
            // A two-byte character of the code page never splits across two reads.
            if (!need(2))
                break;
            m_text += data.mid(i, 2);
            i += 2;
        } else {
            m_text += char(c);
            ++i;
        }
    }
    return done;
}

PaperReceipt PaperDecoder::takeOpen()
{
    if (m_lineStarted || !m_text.isEmpty())
        endLine();
    PaperReceipt r = m_receipt;
    m_receipt = PaperReceipt();
    return r;
}

ReceiptPrinterStandIn::ReceiptPrinterStandIn(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{
    QDir().mkpath(folder);
}

ReceiptPrinterStandIn::~ReceiptPrinterStandIn()
{
    delete m_notifier;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    if (!m_link.isEmpty())
        QFile::remove(m_link);
}

bool ReceiptPrinterStandIn::listenTcp(quint16 port)
{
    m_server = new QTcpServer(this);
    if (!m_server->listen(QHostAddress::LocalHost, port))
        return false;
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server->nextPendingConnection()) {
            ++m_connections;
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                const QByteArray bytes = s->readAll();
                m_tcpBytes += bytes;
                take(m_tcpDecoder, bytes);
            });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

quint16 ReceiptPrinterStandIn::tcpPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

bool ReceiptPrinterStandIn::openSerial(const QString &linkPath)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return false;
    const char *name = ::ptsname(m_master);
    if (!name)
        return false;
    m_ptyPath = QString::fromLocal8Bit(name);
    // Raw: the bytes arrive as sent, without line-ending translation or echo.
    termios t{};
    if (::tcgetattr(m_master, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(m_master, TCSANOW, &t);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    // Holding the other end open keeps the terminal alive between the client's opens (else every
    // close of the port would leave it hung up).
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (QFile::link(m_ptyPath, linkPath))
            m_link = linkPath;
    }
    m_notifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0) {
                const QByteArray bytes(buf, qsizetype(n));
                m_serialBytes += bytes;
                take(m_serialDecoder, bytes);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                m_notifier->setEnabled(false);
            break;
        }
    });
    return true;
}

void ReceiptPrinterStandIn::take(PaperDecoder &decoder, const QByteArray &bytes)
{
    for (const PaperReceipt &r : decoder.feed(bytes))
        store(r);
}

void ReceiptPrinterStandIn::store(const PaperReceipt &r)
{
    m_receipts.append(r);
    const QString base = QDir(m_folder).filePath(QStringLiteral("receipt-%1").arg(m_receipts.size(), 4, 10, QLatin1Char('0')));
    QFile f(base + QStringLiteral(".txt"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(r.toText().toUtf8());
    f.close();
    if (m_picture)
        m_picture(r, base + QStringLiteral(".png"));
    emit receiptPrinted(f.fileName());
}
