#include "start/ui/phone_verify_dialog.h"

#include "records/business_rules.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "start/login.h"
#include "start/ui/app_style.h"
#include "start/ui/window_drag.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFRM_AUTH_PHONE *FRM_AUTH_PHONE = nullptr;

TFRM_AUTH_PHONE::TFRM_AUTH_PHONE(QWidget *parent)
    : SmsCodeDialog(parent)
{
    setObjectName(QStringLiteral("FRM_AUTH_PHONE"));
    setWindowTitle(QStringLiteral("인증용 휴대전화번호 등록"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    auto *root = new QVBoxLayout(this);
    auto *caption = new QLabel(QStringLiteral("인증용 휴대전화번호 등록"), this);
    MakeDragHandle(caption);
    root->addWidget(caption);
    for (const char *line : {"1. 인증용으로 사용할 휴대전화번호를 입력합니다.",
                             "2.‘인증번호 요청’버튼을 누르면 인증번호가 전송됩니다.",
                             "3. 문자로 전송받은 인증번호를 인증번호 입력란에 입력합니다.",
                             "4.‘등록’버튼을 눌러 인증용 휴대전화번호를 등록합니다."})
        root->addWidget(new QLabel(QString::fromUtf8(line), this));
    auto *grid = new QGridLayout;
    CTE_AUTH_PHONE = new QLineEdit(this);
    CTE_AUTH_PHONE->setMaxLength(13);
    CTE_AUTH_PHONE->setPlaceholderText(QStringLiteral("휴대전화번호를 입력하세요"));
    CBTN_REQ_AUTH_NUM = new QPushButton(QStringLiteral("인증번호 요청"), this);
    CTE_AUTH_NUM = new QLineEdit(this);
    CTE_AUTH_NUM->setMaxLength(5);
    CTE_AUTH_NUM->setPlaceholderText(QStringLiteral("인증번호를 입력하세요"));
    grid->addWidget(CTE_AUTH_PHONE, 0, 0);
    grid->addWidget(CBTN_REQ_AUTH_NUM, 0, 1);
    grid->addWidget(CTE_AUTH_NUM, 1, 0);
    grid->addWidget(CLB_AUTH_TIME, 1, 1);
    root->addLayout(grid);
    FitPlaceholder(CTE_AUTH_PHONE);
    FitPlaceholder(CTE_AUTH_NUM);
    auto *buttons = new QHBoxLayout;
    CBTN_REG = new QPushButton(QStringLiteral("등록"), this);
    CBTN_CANCLE = new QPushButton(QStringLiteral("취소"), this);
    buttons->addWidget(CBTN_REG);
    buttons->addWidget(CBTN_CANCLE);
    root->addLayout(buttons);
    for (QPushButton *b : {CBTN_REQ_AUTH_NUM, CBTN_REG, CBTN_CANCLE})
        b->setAutoDefault(false);
    // Each button stays disabled while its routine runs, so a double click sends once.
    connect(CBTN_REQ_AUTH_NUM, &QPushButton::clicked, this, [this] {
        CBTN_REQ_AUTH_NUM->setEnabled(false);
        proc_Req_Auth_Phone();
        CBTN_REQ_AUTH_NUM->setEnabled(true);
    });
    connect(CBTN_REG, &QPushButton::clicked, this, [this] {
        CBTN_REG->setEnabled(false);
        proc_Reg_Auth_Phone();
        CBTN_REG->setEnabled(true);
    });
    connect(CBTN_CANCLE, &QPushButton::clicked, this, &TFRM_AUTH_PHONE::CBTN_CANCLEClick);
}

void TFRM_AUTH_PHONE::showEvent(QShowEvent *event)
{
    SmsCodeDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFRM_AUTH_PHONE::FormShow()
{
    CTE_AUTH_PHONE->clear();
    CTE_AUTH_NUM->clear();
    CLB_AUTH_TIME->setText(QStringLiteral("00:00"));
    CBTN_REQ_AUTH_NUM->setFocus();
    stopCountdown();
    FS_AUTH_NUM.clear();
    FSAuthPhone.clear();
}

void TFRM_AUTH_PHONE::proc_Req_Auth_Phone()
{
    if (codePending()) {
        MsgBox(QStringLiteral("인증번호요청 상태입니다."), QStringLiteral("I"));
        return;
    }
    FSAuthPhone = DigitsOnly(CTE_AUTH_PHONE->text());
    if (FSAuthPhone.size() < 10 || FSAuthPhone.size() > 11) {
        MsgBox(QStringLiteral("휴대전화번호를 정확히 입력하세요"), QStringLiteral("I"));
        CTE_AUTH_PHONE->setFocus();
        return;
    }
    QString seq;
    if (!sendCodeRequest(QStringLiteral("LN00_03_V01"),
                         {UserClass(), G_USER_INFO.USER_CODE, G_USER_INFO.ID, QStringLiteral("1"), FSAuthPhone},
                         QStringLiteral("proc_Req_Auth_Phone:"), &seq, nullptr))
        return;
    startCountdown();
    CTE_AUTH_NUM->setFocus();
    FS_AUTH_NUM = seq;
}

void TFRM_AUTH_PHONE::proc_Reg_Auth_Phone()
{
    if (FSAuthPhone.isEmpty()) {
        MsgBox(QStringLiteral("인증요청을 해야합니다."), QStringLiteral("I"));
        return;
    }
    if (!codePending()) {
        MsgBox(QStringLiteral("인증확인 시간이 초과하였습니다."), QStringLiteral("I"));
        return;
    }
    const QString code = DigitsOnly(CTE_AUTH_NUM->text());
    if (code.size() <= 3) {
        MsgBox(QStringLiteral("인증번호를 정확히 입력하세요"), QStringLiteral("I"));
        CTE_AUTH_NUM->setFocus();
        return;
    }
    if (!sendCodeRequest(QStringLiteral("LN00_04_V01"),
                         {FS_AUTH_NUM, code, UserClass(), G_USER_INFO.USER_CODE, G_USER_INFO.ID, FSAuthPhone},
                         QStringLiteral("proc_Req_Auth_Phone:"), nullptr, nullptr))
        return;
    stopCountdown();
    G_USER_INFO.AUTH_TEL = FSAuthPhone;
    done(1);
}

void TFRM_AUTH_PHONE::CBTN_CANCLEClick()
{
    stopCountdown();
    done(2);
}

void TFRM_AUTH_PHONE::countdownExpired()
{
    FSAuthPhone.clear();
}
