#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class HandlerRegistry;

// The update manifest the client reads at start: a root element with one child per file, each
// holding, in this order, the edition tag ("39" for the shipped build, "T" for the test build),
// the source path, the destination file (relative to the program folder) and its file time
// "yyyy-mm-dd hh:nn:ss" (local time).
struct ManifestItem
{
    QString edition;
    QString source;
    QString destination;
    QString fileTime;
};

// Where the sandbox serves it (the client's deployment config names the full URL).
inline constexpr char kUpdateManifestPath[] = "/update/manifest.xml";

QByteArray BuildUpdateManifest(const QList<ManifestItem> &items);

// A manifest that matches the files as they are in programDir (so no update is due), plus an
// entry of another edition that the client must ignore. A file that does not exist is listed
// with a fixed old time, and then is due. With updateDue set, one more entry names a file the
// program folder lacks, which makes the client start its updater.
QByteArray CurrentUpdateManifest(const QString &programDir, const QStringList &files, const QString &edition,
                                 bool updateDue = false);

// Registers kUpdateManifestPath: every request is answered with CurrentUpdateManifest of the
// folder at that moment.
void registerUpdateManifestRoute(HandlerRegistry &registry, const QString &programDir, const QStringList &files,
                                 const QString &edition = QStringLiteral("39"), bool updateDue = false);
