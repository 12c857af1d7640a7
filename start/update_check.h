#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One file named by the update manifest.
struct TUpdateInfos
{
    double filesize = 0;   // not filled
    QString src_path;
    QString dest_path;     // relative to the program folder
    QString dest_attr;     // not filled
    QString full_path;     // program folder + dest_path
    QString file_time;     // "yyyy-mm-dd hh:nn:ss", local time
};

inline constexpr int kManifestMaxEntries = 70;
inline constexpr char kManifestFileName[] = "RUR_MAIN_INFO.xml";

// The entries of the manifest that belong to the edition row (positions 1..70 of the root's
// children; the first four child elements of each, by position: edition, source, destination,
// time). A manifest that is not well-formed XML gives no entries.
QList<TUpdateInfos> ManifestEntries(const QByteArray &xml, int editionRow, const QString &programDir);

// True when an entry's file is missing from the program folder or its modification time, as
// local "yyyy-mm-dd hh:nn:ss", differs in any way from the entry's time. An empty or malformed
// manifest gives false.
bool UpdateDue(const QByteArray &xml, int editionRow, const QString &programDir);

// The manifest's address: the deployment's "update.manifest_url", or, when only a base is known,
// that base followed by the manifest file name. Empty: this installation has no update host.
QString ManifestUrl();

// Fetches url (one retry); empty on failure. Waits at most timeoutMs per try while the event loop
// runs. TLS verifies certificates, trusting the deployment's CA file as well.
QByteArray FetchManifest(const QString &url, int timeoutMs = 10000);

// The whole check: fetch and compare. False when no update host is configured.
bool func_CheckUpdate(const QString &programDir, int editionRow);

// Starts the updater: the deployment's "update.command" when set (split into words at spaces,
// double quotes grouping words as QProcess::splitCommand does; "%1" replaced by the updater's
// path), otherwise the updater file in the program folder. False when nothing could be started.
bool StartUpdater(const QString &programDir, const QString &updaterName);
