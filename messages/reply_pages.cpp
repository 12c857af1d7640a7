#include "messages/reply_pages.h"

#include <QJsonDocument>

bool ParseReplyPage(const QString &page, QJsonObject *out)
{
    if (page.size() > 64 * 1024 * 1024)
        return false;
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(page.toUtf8(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    *out = doc.object();
    return true;
}
