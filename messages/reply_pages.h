#pragma once

#include <QJsonObject>
#include <QString>

// One reply page of a list request: the parsed object, or nothing for a text that is not a JSON
// object. Larger pages than the link can carry are refused.
bool ParseReplyPage(const QString &page, QJsonObject *out);
