#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

class QLabel;

// What the phone verification and the PC registration share: a code the server sends by SMS is
// valid for three minutes, shown counting down as "mm:ss" ("00:00" = no code pending).
class SmsCodeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SmsCodeDialog(QWidget *parent = nullptr);

    static constexpr int kCodeSeconds = 180;

    QLabel *CLB_AUTH_TIME = nullptr;
    QTimer TMR_AUTH_TIME_NUM;  // 1 s, off at creation
    int remainingSeconds() const { return m_remaining; }

    bool codePending() const;
    // One countdown step (the timer's tick).
    void TMR_AUTH_TIME_NUMTimer();

protected:
    void startCountdown();
    void stopCountdown();
    // Called when the countdown reaches zero, after the "request again" message.
    virtual void countdownExpired() {}
    // Sends code with the fields on the shared connection. Returns the reply's first row C_0 in
    // *seq and its message in *msg when the server accepted it; otherwise shows and logs why.
    bool sendCodeRequest(const QString &code, const QStringList &fields, const QString &exceptionLabel,
                         QString *seq, QString *msg);

private:
    int m_remaining = 0;
};
