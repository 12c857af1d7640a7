#pragma once

#include "start/ui/sms_code_dialog.h"

class QLineEdit;
class QPushButton;

// "인증용 휴대전화번호 등록": registers the mobile phone that receives this account's SMS codes.
// Modal results: 1 after a registration, 2 when cancelled.
class TFRM_AUTH_PHONE : public SmsCodeDialog
{
    Q_OBJECT
public:
    explicit TFRM_AUTH_PHONE(QWidget *parent = nullptr);

    QLineEdit *CTE_AUTH_PHONE = nullptr;
    QPushButton *CBTN_REQ_AUTH_NUM = nullptr;
    QLineEdit *CTE_AUTH_NUM = nullptr;
    QPushButton *CBTN_REG = nullptr;
    QPushButton *CBTN_CANCLE = nullptr;

    QString FS_AUTH_NUM;  // sequence number of the code sent
    QString FSAuthPhone;  // digits of the phone it was sent to

    void FormShow();
    void proc_Req_Auth_Phone();
    void proc_Reg_Auth_Phone();
    void CBTN_CANCLEClick();

protected:
    void showEvent(QShowEvent *event) override;
    void countdownExpired() override;
    void reject() override { CBTN_CANCLEClick(); }
};

extern TFRM_AUTH_PHONE *FRM_AUTH_PHONE;
