#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// A per-user marker that says "an instance of the program runs". It exists as long as any
// instance that saw or made it is running, like a named system object held open by every
// instance: the instance that holds it listens on a local socket in the user's runtime folder,
// later instances stay connected to it, and when the holder ends one of them takes it over.
// A lock file makes the look-and-create step atomic between instances starting together.
// It never stops a second instance; it only tells whether this one came first.
class SingleInstanceMarker : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstanceMarker(QString name, QObject *parent = nullptr);
    ~SingleInstanceMarker() override;

    // Opens the marker, or creates it when none exists. True when this process created it.
    // Any failure counts as "no other instance" (the caller then is first); a marker that cannot
    // be created is ignored.
    bool acquire();
    // True while this process is the one keeping the marker alive.
    bool isHolder() const;
    // Folder of the lock file and the socket (the user's runtime folder).
    static QString runtimeDir();

private:
    bool lockAndRun(const std::function<void()> &step);
    bool connectToHolder();
    void becomeHolder();
    void takeOver();

    QString m_name;
    QString m_socketPath;
    QString m_lockPath;
    QLocalServer *m_server = nullptr;
    QLocalSocket *m_link = nullptr;
};
