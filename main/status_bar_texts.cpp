#include "main/status_bar_texts.h"

#include "common/interface_texts.h"
#include "records/business_rules.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "text/phone_helpers.h"

#include <QLocale>

const QStringList &StatusBarDesignTexts()
{
    static const QStringList texts = {QStringLiteral("가맹점명"), QString(), QString(), QStringLiteral("페이"),
                                      QStringLiteral("충전"), QString(), QString(), QStringLiteral("Ver")};
    return texts;
}

const QList<int> &StatusBarPanelWidths()
{
    static const QList<int> widths = {400, 150, 20, 200, 150, 100, 200, 100};
    return widths;
}

QString GroupedAmount(const QString &number)
{
    bool ok = false;
    const qlonglong n = number.trimmed().toLongLong(&ok);
    if (!ok)
        return QStringLiteral("0");
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::DefaultNumberOptions);
    return c.toString(n);
}

QString MoneyPanelText(const TUSER_INFO &user, const QString &moneyWord)
{
    QString text = moneyWord + QLatin1Char(':');
    if (2 >= user.UserAuthGrade)
        text += GroupedAmount(user.GRP_CASH);
    else
        text += QStringLiteral("????");
    bool ok = false;
    const qlonglong outstanding = user.CASH_OSTD.trimmed().toLongLong(&ok);
    if (ok && outstanding > 0)
        text += QLatin1Char('(') + GroupedAmount(user.CASH_OSTD) + QLatin1Char(')');
    return text;
}

StatusBarTexts StatusBarTextsFor(const TUSER_INFO &user, bool testBuild, const QString &moneyWord,
                                 const QString &version)
{
    StatusBarTexts t;
    const QChar cls = user.USER_TYPE_CD.isEmpty() ? QChar() : user.USER_TYPE_CD.at(0);
    auto put = [&t](int panel, const QString &text) {
        t.panel[panel] = text;
        t.set[panel] = true;
    };
    if (cls == QLatin1Char('7')) {
        put(0, G_TXT_HD_NAME + QLatin1Char(':') + user.GRP_NAME);
        put(1, G_TXT_HD_CODE + QLatin1Char(':') + user.HD);
    } else if (cls == QLatin1Char('5') || cls == QLatin1Char('1')) {
        put(0, G_TXT_BR_NAME + QLatin1Char(':') + user.GRP_NAME);
        put(1, G_TXT_BR_CODE + QLatin1Char(':') + user.BR);
    }
    put(3, MoneyPanelText(user, moneyWord));
    put(4, QStringLiteral("충전:") + user.VBank_Name + QLatin1Char(' ') + FormatNumberGroups(user.VBank, 0));
    t.testBuild = testBuild;
    put(6, testBuild ? QStringLiteral("테스트") : user.USER_TYPE_NAME);
    put(7, QStringLiteral("Ver") + version);
    return t;
}

QList<StatusColour> ReadStatusColours(const TIniFile *ini)
{
    static const QList<StatusColour> defaults = {
        {QStringLiteral("CB_1001"), clWhite},    {QStringLiteral("CB_2001"), 0x00C0C0C0},
        {QStringLiteral("CB_3001"), 0x00808040}, {QStringLiteral("CB_3003"), 0x00F462B3},
        {QStringLiteral("CB_4001"), 0x00FFFF80}, {QStringLiteral("CB_1002"), clWhite},
        {QStringLiteral("CB_4002"), clWhite},    {QStringLiteral("CB_4003"), clWhite},
        {QStringLiteral("CB_6000"), clWhite},    {QStringLiteral("CB_7000"), clWhite},
        {QStringLiteral("CB_8000"), clWhite},
    };
    QList<StatusColour> out;
    for (const StatusColour &d : defaults)
        out.append({d.key, ini ? ReadIniColor(*ini, QStringLiteral("Status"), d.key, d.colour) : d.colour});
    return out;
}

QList<StatusColour> ApplyStatusColours(const TIniFile *ini)
{
    const QList<StatusColour> colours = ReadStatusColours(ini);
    for (const StatusColour &c : colours) {
        if (c.key == QLatin1String("CB_1002"))
            G_STATUS_COLOR_1002 = ColorToHtml(c.colour);
        else if (c.key == QLatin1String("CB_2001"))
            G_STATUS_COLOR_2001 = ColorToHtml(c.colour);
        else if (c.key == QLatin1String("CB_3001"))
            G_STATUS_COLOR_3001 = ColorToHtml(c.colour);
        else if (c.key == QLatin1String("CB_3003"))
            G_STATUS_COLOR_3003 = ColorToHtml(c.colour);
    }
    return colours;
}

bool SoundMayPlay(const TUSER_SET &set)
{
    return set.MuteSound == QLatin1String("0");
}

QString SoundFileOfSlot(int slot)
{
    switch (slot) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 7:
        return QStringLiteral(":/sounds/wave%1.wav").arg(slot);
    default:
        return {};
    }
}
