#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Checks on a new password and the other inputs of the password change.

struct InputRefusal
{
    QString message;
    QString kind;  // message-box kind
};

// The shortest and longest new password accepted.
inline constexpr int kMinPasswordLength = 10;
inline constexpr int kMaxPasswordLength = 20;

// The first rule the new password breaks, in the order the user is told about them; nothing when
// it passes. newPassword is the text as typed, confirmation the repeat.
std::optional<InputRefusal> CheckNewPassword(const QString &newPassword, const QString &confirmation);

// A mobile number for the SMS code of the password change: eleven characters starting "010".
bool IsPasswordChangePhone(const QString &phone);

// The last day of a 90-day deferral, "yyyy-mm-dd".
QString PasswordDeferralDeadline(const QDate &today);

// Remaining seconds of an SMS code as "mm:ss".
QString CountdownText(int seconds);
