#pragma once

#include "start/ui/sms_code_dialog.h"

class QLineEdit;
class QPushButton;

// "접속가능 PC등록": registers this PC as one allowed to log in, after a code sent to the
// account's SMS phone. Modal results: 1 after a registration, 2 when cancelled.
class TFRM_REG_DEVICE : public SmsCodeDialog
{
    Q_OBJECT
public:
    explicit TFRM_REG_DEVICE(QWidget *parent = nullptr);

    QLineEdit *edtRegDeviceAuthPhoneNum = nullptr;
    QPushButton *CBTN_REQ_AUTH_NUM = nullptr;
    QLineEdit *CTE_AUTH_NUM = nullptr;
    QLineEdit *CTE_ALIAS_NAME = nullptr;
    QPushButton *CBTN_REG = nullptr;
    QPushButton *CBTN_CANCEL = nullptr;

    QString GS_AUTH_NUM;  // sequence number of the code sent

    // The longest alias the server stores, in UTF-8 bytes.
    static constexpr int kMaxAliasBytes = 100;

    void FormShow();
    void CBTN_REQ_AUTH_NUMClick();
    void CBTN_REGClick();
    void CBTN_CANCELClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override { CBTN_CANCELClick(); }
};
