#include "start/ui/sms_code_dialog.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "start/login.h"
#include "start/password_rules.h"
#include "start/ui/app_style.h"
#include "start/ui/login_flow.h"

#include <QLabel>

SmsCodeDialog::SmsCodeDialog(QWidget *parent)
    : QDialog(parent)
{
    CLB_AUTH_TIME = new QLabel(QStringLiteral("00:00"), this);
    CLB_AUTH_TIME->setObjectName(QStringLiteral("CLB_AUTH_TIME"));
    TMR_AUTH_TIME_NUM.setInterval(1000);
    connect(&TMR_AUTH_TIME_NUM, &QTimer::timeout, this, &SmsCodeDialog::TMR_AUTH_TIME_NUMTimer);
    PlaceWhenShown(this, WindowPlacement::Screen);
}

bool SmsCodeDialog::codePending() const
{
    return CLB_AUTH_TIME->text() != QLatin1String("00:00");
}

void SmsCodeDialog::startCountdown()
{
    m_remaining = kCodeSeconds;
    TMR_AUTH_TIME_NUM.start();
    CLB_AUTH_TIME->setText(CountdownText(m_remaining));
}

void SmsCodeDialog::stopCountdown()
{
    TMR_AUTH_TIME_NUM.stop();
}

void SmsCodeDialog::TMR_AUTH_TIME_NUMTimer()
{
    m_remaining -= 1;
    CLB_AUTH_TIME->setText(CountdownText(m_remaining));
    if (m_remaining > 0)
        return;
    TMR_AUTH_TIME_NUM.stop();
    CLB_AUTH_TIME->setText(QStringLiteral("00:00"));
    MsgBox(QStringLiteral("인증번호 요청을 다시하세요"), QStringLiteral("I"));
    countdownExpired();
}

bool SmsCodeDialog::sendCodeRequest(const QString &code, const QStringList &fields, const QString &exceptionLabel,
                                    QString *seq, QString *msg)
{
    QString payload;
    for (const QString &f : fields)
        payload += f + G_FIELD_SEP;
    try {
        const QString text = SharedRequestOne(code, QStringLiteral("SLG1"), payload);
        if (text.isEmpty()) {
            WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
            MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
            return false;
        }
        const LoginReply reply = ParseLoginReply(text);
        if (reply.outCode != QLatin1String("1")) {
            MsgBox(G_MSG_RESULT[0] + QStringLiteral("\r\n") + reply.outMsg, QStringLiteral("I"));
            WriteLog(code + QStringLiteral(" is Fail ") + reply.outCode + QLatin1Char(':') + reply.outMsg);
            return false;
        }
        if (seq)
            *seq = reply.row.text(0);
        if (msg)
            *msg = reply.outMsg;
        return true;
    } catch (const std::exception &e) {
        WriteLog(exceptionLabel + QString::fromLocal8Bit(e.what()));
        return false;
    }
}
