#pragma once

#include <QHash>
#include <QString>

// Misbehaviour of the link server, switched on by tests. The switches apply to replies of request
// frames (not to the key exchange unless named so) and stay on until changed, unless `once` is set.
// The two handshake switches ignore onlyForCode; with `once` they are used up by one key-exchange
// frame (a refused GetRsa or a rejected SendAes).
struct LinkFaults
{
    bool closeMidFrame = false;       // write the header and half the body of the first reply frame, then close
    int stallMs = 0;                  // wait this long before answering (other connections go on)
    bool garbageFrame = false;        // a complete frame whose body is neither base64 nor cipher text
    bool lengthBelow12 = false;       // a header whose L is below 12 (then nothing more)
    bool hugeLength = false;          // a header whose L is above 64 MiB (then nothing more)
    bool badPadding = false;          // valid base64 and AES, but impossible PKCS#7 padding
    QString status3Message;           // non-empty: answer with one "3" frame {"OUT_CODE":"3","OUT_MSG":msg}
    bool status3KeepPages = false;    // with status3Message: the normal pages are sent too, the "3" frame
    int status3Position = 0;          //   inserted before page number status3Position (clamped)
    QHash<QString, QString> outCode;  // request code -> forced "OUT_CODE" of every page
    bool dropAfterReply = false;      // close the connection after the reply
    bool refuseHandshake = false;     // answer GetRsa with an empty body
    bool rejectSessionKey = false;    // answer SendAes with "NO" instead of "OK"

    QString onlyForCode;              // non-empty: the switches apply to this request code only
    bool once = false;                // all switches are cleared after the first request they touched

    bool any() const
    {
        return closeMidFrame || stallMs > 0 || garbageFrame || lengthBelow12 || hugeLength || badPadding
            || !status3Message.isEmpty() || !outCode.isEmpty() || dropAfterReply || refuseHandshake
            || rejectSessionKey;
    }
};
