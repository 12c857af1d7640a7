#pragma once

#include <QJsonObject>
#include <QString>

class SandboxDatabase;

// Notices and messages of the demo world, posted by tests, by the scenario and by the web route
// "/sandbox/post-message": a POST of a JSON object with "what" = "notice" (members of postNotice)
// or "message" (members of postMessage), answered with {"seq_no": ...} or {"msg_no": ...}
// (scripts/post_message.sh wraps it).
namespace SandboxMessages
{
// Posts a message. Members (all optional): "to_id" (receiver login ID), "to_code" (receiver group
// code), "to_type", "type" (message type code, "4001"), "chnl" ("1"), "view" ("2"), "title",
// "content", "btn1_type".."btn3_type", "btn1_text".."btn3_text", "con_type", "con_seq_no", "add1".."add3",
// "from_type" ("9"), "from_code", "from_id", "conf" ("N"). Returns the message number.
QString postMessage(const SandboxDatabase &db, const QJsonObject &message);
// Posts a notice. Members: "kind" (kind word, "플랫폼공지"), "title", "body", "grp_type", "grp_code",
// "grp_name", "ticker" ("Y"), "selector" ("1"), "target_hd", "target_br", "target_st" (empty: all).
// Returns the notice number.
QString postNotice(const SandboxDatabase &db, const QJsonObject &notice);
// Marks a message confirmed (as if answered elsewhere).
void confirmMessage(const SandboxDatabase &db, const QString &msgNo);
} // namespace SandboxMessages
