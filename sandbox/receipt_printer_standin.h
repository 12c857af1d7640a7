#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;
class QSocketNotifier;

// A receipt as a printer would put it on paper.
struct PaperSegment
{
    QString text;
    int widthTimes = 1;   // character width multiplier
    int heightTimes = 1;  // character height multiplier
};

struct PaperLine
{
    int align = 0;  // 0 left, 1 centre, 2 right
    QList<PaperSegment> segments;
    QString text() const;
    // Width in single-width columns (a Hangul syllable takes two).
    int columns() const;
};

struct PaperReceipt
{
    QList<PaperLine> lines;
    QStringList unknownCommands;  // commands the stand-in does not know, as hex
    // The receipt as text, centred lines centred on `width` columns.
    QString toText(int width = 48) const;
};

// Turns the bytes a receipt printer receives (text in the Korean code page, the printer's
// commands) into receipts: a cut command ends one.
class PaperDecoder
{
public:
    // Feeds bytes; returns the receipts completed by them.
    QList<PaperReceipt> feed(const QByteArray &bytes);
    // The receipt still open (bytes after the last cut), emptied.
    PaperReceipt takeOpen();

private:
    void endLine();
    QByteArray m_pending;    // bytes of an unfinished command
    QByteArray m_text;       // text bytes of the current segment
    PaperLine m_line;
    PaperReceipt m_receipt;
    int m_align = 0;
    int m_width = 1;
    int m_height = 1;
    bool m_lineStarted = false;
    void flushSegment();
};

// A receipt printer on this machine: listens on a TCP port (a network printer) and on a
// pseudo-terminal (a printer on a serial port), and writes every receipt it is sent into a folder
// as text (receipt-<n>.txt) and, when a picture writer is given, as a picture (receipt-<n>.png).
class ReceiptPrinterStandIn : public QObject
{
    Q_OBJECT
public:
    using PictureWriter = std::function<bool(const PaperReceipt &receipt, const QString &path)>;

    explicit ReceiptPrinterStandIn(const QString &folder, QObject *parent = nullptr);
    ~ReceiptPrinterStandIn() override;

    void setPictureWriter(PictureWriter writer) { m_picture = std::move(writer); }
    // Listens on 127.0.0.1:port (0: any free port). False when it cannot.
    bool listenTcp(quint16 port);
    quint16 tcpPort() const;
    // Opens a pseudo-terminal; its device path is what a client opens as its serial port. With a
    // link path, a symbolic link of that name points at it.
    bool openSerial(const QString &linkPath = QString());
    QString serialPath() const { return m_ptyPath; }

    const QList<PaperReceipt> &receipts() const { return m_receipts; }
    // Raw bytes received so far, per channel.
    QByteArray tcpBytes() const { return m_tcpBytes; }
    QByteArray serialBytes() const { return m_serialBytes; }
    int connectionsAccepted() const { return m_connections; }

signals:
    void receiptPrinted(const QString &textPath);

private:
    void take(PaperDecoder &decoder, const QByteArray &bytes);
    void store(const PaperReceipt &r);

    QString m_folder;
    PictureWriter m_picture;
    QTcpServer *m_server = nullptr;
    PaperDecoder m_tcpDecoder;
    PaperDecoder m_serialDecoder;
    QByteArray m_tcpBytes;
    QByteArray m_serialBytes;
    int m_master = -1;
    int m_slave = -1;
    QString m_ptyPath;
    QString m_link;
    QSocketNotifier *m_notifier = nullptr;
    QList<PaperReceipt> m_receipts;
    int m_connections = 0;
};
