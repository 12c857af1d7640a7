#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

// The demo's telephone side: a network caller-ID server that the client polls, and a serial
// caller-ID box (a 콜스타 box) on a pseudo-terminal. ring() makes one call ring on both.
class SandboxCidServer : public QObject
{
    Q_OBJECT
public:
    explicit SandboxCidServer(QObject *parent = nullptr);
    ~SandboxCidServer() override;

    // Listens on 127.0.0.1:port (0: any). False with the reason in errorString().
    bool listen(quint16 port);
    quint16 port() const;
    QString errorString() const { return m_error; }
    // Opens the box's pseudo-terminal and links its device name at linkPath (when not empty).
    // The slave's name, or empty when no pseudo-terminal could be made.
    QString openSerialBox(const QString &linkPath);
    QString serialBoxName() const { return m_slaveName; }

    // Rings: every connected client's next answer carries the call, and the box sends it on
    // channel `channel`. Thread-safe.
    void ring(const QString &number, const QString &line, int channel = 1);
    // Requests received so far, in order ("101..." / "102...").
    QStringList requests() const;

private:
    void accept();
    void read(QTcpSocket *s);
    void deliverRings();

    QTcpServer *m_server;
    QString m_error;
    int m_master = -1;
    QString m_slaveName;
    QString m_link;
    mutable QMutex m_mutex;
    QHash<QTcpSocket *, QStringList> m_pending;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QStringList m_rings;     // "line,number,channel" waiting for the server's thread
    QStringList m_requests;
};
