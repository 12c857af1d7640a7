#include "start/password_rules.h"

#include "records/business_rules.h"

#include <QRegularExpression>

std::optional<InputRefusal> CheckNewPassword(const QString &newPassword, const QString &confirmation)
{
    const QString e = QStringLiteral("E");
    const QString i = QStringLiteral("I");
    if (newPassword.isEmpty())
        return InputRefusal{QStringLiteral("비밀번호를 입력해주세요."), e};
    static const QRegularExpression hangul(QStringLiteral(".*[ㄱ-ㅎㅏ-ㅣ가-힣]+.*"));
    if (hangul.match(newPassword).hasMatch())
        return InputRefusal{QStringLiteral("비밀번호에 한글이 들어가면 안됩니다."), e};
    if (newPassword.contains(QLatin1Char(' ')))
        return InputRefusal{QStringLiteral("비밀번호 중간에 공백이 들어가면 안됩니다."), e};
    const QString trimmed = newPassword.trimmed();
    if (trimmed.size() > kMaxPasswordLength)
        return InputRefusal{QStringLiteral("비밀번호 글자수를 줄여주세요."), i};
    // The box promises 10 to 20 characters; a shorter password is too easy to guess.
    if (trimmed.size() < kMinPasswordLength)
        return InputRefusal{QStringLiteral("비밀번호는 10자 이상 입력해주세요."), i};
    if (newPassword != confirmation)
        return InputRefusal{QStringLiteral("비밀번호가 일치하지 않습니다."), i};
    if (!IsStrongPassword(newPassword))
        return InputRefusal{QStringLiteral("비밀번호는 영문 대문자,소문자\n숫자,특수문자 중 3가지이상\n포함하여야합니다"), i};
    return std::nullopt;
}

bool IsPasswordChangePhone(const QString &phone)
{
    const QString p = phone.trimmed();
    return p.size() == 11 && p.startsWith(QStringLiteral("010"));
}

QString PasswordDeferralDeadline(const QDate &today)
{
    return today.addDays(90).toString(QStringLiteral("yyyy-MM-dd"));
}

QString CountdownText(int seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
