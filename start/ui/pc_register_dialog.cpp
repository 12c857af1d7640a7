#include "start/ui/pc_register_dialog.h"

#include "records/business_rules.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "start/login.h"
#include "start/ui/app_style.h"
#include "start/ui/window_drag.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFRM_REG_DEVICE::TFRM_REG_DEVICE(QWidget *parent)
    : SmsCodeDialog(parent)
{
    setObjectName(QStringLiteral("FRM_REG_DEVICE"));
    setWindowTitle(QStringLiteral("접속가능 PC등록"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    auto *root = new QVBoxLayout(this);
    auto *caption = new QLabel(QStringLiteral("접속가능 PC등록"), this);
    MakeDragHandle(caption);
    root->addWidget(caption);
    for (const char *line : {"1.‘인증번호 요청’버튼을 누르면 인증용 휴대전화번호로     인증번호가 전송됩니다.",
                             "2. 문자로 전송받은 인증번호를 인증번호 입력란에 입력합니다.",
                             "3. 나중에 구별할 수 있도록 별명을 입력합니다(선택사항).",
                             "4.‘등록’버튼을 눌러 접속가능한 PC로 등록합니다."})
        root->addWidget(new QLabel(QString::fromUtf8(line), this));
    auto *grid = new QGridLayout;
    edtRegDeviceAuthPhoneNum = new QLineEdit(this);
    edtRegDeviceAuthPhoneNum->setMaxLength(20);
    edtRegDeviceAuthPhoneNum->installEventFilter(this);
    CBTN_REQ_AUTH_NUM = new QPushButton(QStringLiteral("인증번호 요청"), this);
    CTE_AUTH_NUM = new QLineEdit(this);
    CTE_AUTH_NUM->setMaxLength(13);
    CTE_AUTH_NUM->setPlaceholderText(QStringLiteral("인증번호를 입력하세요"));
    CTE_ALIAS_NAME = new QLineEdit(this);
    CTE_ALIAS_NAME->setMaxLength(33);
    CTE_ALIAS_NAME->setPlaceholderText(QStringLiteral("(선택사항)별명을 입력하세요"));
    grid->addWidget(new QLabel(QStringLiteral("인증단말기번호"), this), 0, 0);
    grid->addWidget(edtRegDeviceAuthPhoneNum, 0, 1);
    grid->addWidget(CBTN_REQ_AUTH_NUM, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("인증번호"), this), 1, 0);
    grid->addWidget(CTE_AUTH_NUM, 1, 1);
    grid->addWidget(CLB_AUTH_TIME, 1, 2);
    grid->addWidget(CTE_ALIAS_NAME, 2, 1, 1, 2);
    root->addLayout(grid);
    FitPlaceholder(CTE_AUTH_NUM);
    FitPlaceholder(CTE_ALIAS_NAME);
    auto *buttons = new QHBoxLayout;
    CBTN_REG = new QPushButton(QStringLiteral("등록"), this);
    CBTN_CANCEL = new QPushButton(QStringLiteral("취소"), this);
    buttons->addWidget(CBTN_REG);
    buttons->addWidget(CBTN_CANCEL);
    root->addLayout(buttons);
    for (QPushButton *b : {CBTN_REQ_AUTH_NUM, CBTN_REG, CBTN_CANCEL})
        b->setAutoDefault(false);
    connect(CBTN_REQ_AUTH_NUM, &QPushButton::clicked, this, [this] {
        CBTN_REQ_AUTH_NUM->setEnabled(false);
        CBTN_REQ_AUTH_NUMClick();
        CBTN_REQ_AUTH_NUM->setEnabled(true);
    });
    connect(CBTN_REG, &QPushButton::clicked, this, [this] {
        CBTN_REG->setEnabled(false);
        CBTN_REGClick();
        CBTN_REG->setEnabled(true);
    });
    connect(CBTN_CANCEL, &QPushButton::clicked, this, &TFRM_REG_DEVICE::CBTN_CANCELClick);
}

void TFRM_REG_DEVICE::showEvent(QShowEvent *event)
{
    SmsCodeDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFRM_REG_DEVICE::FormShow()
{
    CTE_AUTH_NUM->clear();
    CLB_AUTH_TIME->setText(QStringLiteral("00:00"));
    CBTN_REQ_AUTH_NUM->setFocus();
    stopCountdown();
}

void TFRM_REG_DEVICE::CBTN_REQ_AUTH_NUMClick()
{
    if (codePending()) {
        MsgBox(QStringLiteral("인증번호요청 상태입니다."), QStringLiteral("I"));
        return;
    }
    const QString code = QStringLiteral("LN00_03_V01");
    QString seq;
    QString msg;
    if (!sendCodeRequest(code,
                         {QStringLiteral("L5"), G_USER_INFO.USER_CODE, G_USER_INFO.ID, QStringLiteral("2"),
                          edtRegDeviceAuthPhoneNum->text().trimmed()},
                         code + QStringLiteral(" : proc_Req_Auth_Phone:"), &seq, &msg))
        return;
    startCountdown();
    GS_AUTH_NUM = seq;
    MsgBox(msg, QStringLiteral("I"));
    CTE_AUTH_NUM->setFocus();
}

void TFRM_REG_DEVICE::CBTN_REGClick()
{
    const QString code = DigitsOnly(CTE_AUTH_NUM->text());
    if (code.size() <= 3) {
        MsgBox(QStringLiteral("인증번호를 정확히 입력하세요"), QStringLiteral("I"));
        CTE_AUTH_NUM->setFocus();
        return;
    }
    const QString alias = CTE_ALIAS_NAME->text().trimmed();
    if (alias.toUtf8().size() > kMaxAliasBytes) {
        MsgBox(QStringLiteral("별칭 최대 입력 글자를 초과하였습니다"), QStringLiteral("I"));
        CTE_ALIAS_NAME->setFocus();
        return;
    }
    if (!sendCodeRequest(QStringLiteral("LN00_05_V01"),
                         {GS_AUTH_NUM, code, UserClass(), G_USER_INFO.USER_CODE, G_USER_INFO.ID, G_USER_INFO.MC,
                          QStringLiteral("P"), alias},
                         QStringLiteral("proc_Req_Auth_Phone:"), nullptr, nullptr))
        return;
    stopCountdown();
    MsgBox(QStringLiteral("등록되었습니다"), QStringLiteral("I"));
    done(1);
}

void TFRM_REG_DEVICE::CBTN_CANCELClick()
{
    stopCountdown();
    done(2);
}

bool TFRM_REG_DEVICE::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtRegDeviceAuthPhoneNum && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        // Only the ASCII digits: other scripts' digits (full-width ones of an input method) are
        // digits to Qt but not to the server.
        const bool digit = !text.isEmpty() && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
        if (!text.isEmpty() && text.at(0).isPrint() && !digit) {
            MsgBox(QStringLiteral("숫자만 입력 가능합니다."), QStringLiteral("I"));
            return true;
        }
    }
    return SmsCodeDialog::eventFilter(watched, event);
}
