#pragma once

#include <QString>

#include <functional>

// The terms-consent request: the user's ID, store code, "Y" and the owner's birth date, each
// followed by the field separator. True when the server accepted it; a refusal or a failed
// exchange is logged and shown to the user.
bool func_Term();

inline constexpr char kTermsRequestCode[] = "GR01_04_V01";

// The exchange func_Term goes through (RequestOne on the shared client by default). Tests install
// a fake; an empty function restores the default. Returns the previous one.
using TermsRequestFunction =
    std::function<void(const QString &code, const QString &callType, const QString &val, int timeoutMs, QString &reply)>;
TermsRequestFunction SetTermsRequestFunction(TermsRequestFunction fn);
