#include "sandbox/update_manifest.h"

#include "sandbox/handler_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamWriter>

QByteArray BuildUpdateManifest(const QList<ManifestItem> &items)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("UPDATE_INFO"));
    for (const ManifestItem &item : items) {
        xml.writeStartElement(QStringLiteral("FILE"));
        xml.writeTextElement(QStringLiteral("EDITION"), item.edition);
        xml.writeTextElement(QStringLiteral("SRC_PATH"), item.source);
        xml.writeTextElement(QStringLiteral("DEST_PATH"), item.destination);
        xml.writeTextElement(QStringLiteral("FILE_TIME"), item.fileTime);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QByteArray CurrentUpdateManifest(const QString &programDir, const QStringList &files, const QString &edition,
                                 bool updateDue)
{
    QList<ManifestItem> items;
    for (const QString &name : files) {
        const QFileInfo info(QDir(programDir).filePath(name));
        const QString time = info.exists()
                                 ? info.lastModified().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                 : QStringLiteral("2020-01-01 00:00:00");
        items.append({edition, QStringLiteral("/files/") + name, name, time});
    }
    // Another edition's file that this client does not have: it must be ignored.
    items.append({edition == QLatin1String("12") ? QStringLiteral("13") : QStringLiteral("12"),
                  QStringLiteral("/files/other-edition.bin"), QStringLiteral("other-edition.bin"),
                  QStringLiteral("2020-01-01 00:00:00")});
    if (updateDue)
        items.append({edition, QStringLiteral("/files/new-module.bin"), QStringLiteral("new-module.bin"),
                      QStringLiteral("2026-01-01 00:00:00")});
    return BuildUpdateManifest(items);
}

void registerUpdateManifestRoute(HandlerRegistry &registry, const QString &programDir, const QStringList &files,
                                 const QString &edition, bool updateDue)
{
    registry.addRoute(QString::fromLatin1(kUpdateManifestPath), [=](const WebRequest &) {
        return WebReply::text(CurrentUpdateManifest(programDir, files, edition, updateDue),
                              "application/xml; charset=utf-8");
    });
}
