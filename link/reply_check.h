#pragma once

#include <QString>

#include <functional>

class TcpClient;

// One action request whose only interesting answer is whether it worked. res is "1" and the
// separator on success; otherwise the code, the separator and the server's message; "999", the
// separator, G_MSG_NET_FAIL and the separator when no usable reply came. flag has no effect.
//
// A courier assignment ("CS01_18_V03") answered "5" asks the user; a confirmation resends it as a
// forced assignment and res is that resend's real result, a refusal gives "5", the separator and
// the server's question (never a success).
void RequestCheck(TcpClient *client, const QString &code, const QString &callType, const QString &okMsg,
                  const QString &errMsg, const QString &val, int flag, QString &res);

// The forced assignment: val followed by "2" and the separator, sent as "CS01_46_V01" when kind is
// "1009" (same-day order) and as "CS01_18_V03" otherwise, with its own result box. Returns the
// result in the RequestCheck form. ForceBaecha is this without the result.
QString ForceBaechaResult(const QString &val, const QString &kind);

// The request the checks go through (RequestOne on the given client by default). Tests install a
// fake; an empty function restores the default. Returns the previous one.
using CheckRequestFunction = std::function<void(TcpClient *client, const QString &code, const QString &callType,
                                                const QString &val, QString &reply)>;
CheckRequestFunction SetCheckRequestFunction(CheckRequestFunction fn);

inline constexpr char kDispatchRequestCode[] = "CS01_18_V03";
inline constexpr char kSameDayDispatchRequestCode[] = "CS01_46_V01";
