#include "start/ui/password_change_dialog.h"
#include "common/program_globals.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "start/login.h"
#include "start/password_rules.h"
#include "start/ui/app_style.h"
#include "start/ui/login_flow.h"
#include "start/ui/window_drag.h"
#include "platform/clock.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPasswordChage *frmPasswordChage = nullptr;

namespace
{
const QString kReqSms = QStringLiteral("CS08_17_V01");
const QString kCheckSms = QStringLiteral("CS08_13_V01");
const QString kChange = QStringLiteral("CS08_18_V01");
const QString kCallType = QStringLiteral("ADM1");

QLineEdit *box(QWidget *parent, const QString &hint, bool masked)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(50);
    edit->setPlaceholderText(hint);
    if (masked)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

bool allDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}
} // namespace

TfrmPasswordChage::TfrmPasswordChage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPasswordChage"));
    setWindowTitle(QStringLiteral("비밀번호 변경"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildLayout();
}

void TfrmPasswordChage::buildLayout()
{
    auto *root = new QVBoxLayout(this);
    auto *title = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("비밀번호 변경"), this);
    MakeDragHandle(caption);
    title->addWidget(caption, 1);
    title->addStretch();
    cxImage1 = new QPushButton(QStringLiteral("✕"), this);
    cxImage1->setAutoDefault(false);
    connect(cxImage1, &QPushButton::clicked, this, &TfrmPasswordChage::btnCloseClick);
    title->addWidget(cxImage1);
    root->addLayout(title);

    lblType = new QLabel(this);
    lblType->setVisible(false);

    // The form proper. In mode "23" the deferral panel takes its place until the user chooses to
    // change now, so the two never lie over each other and the keyboard never reaches a hidden box.
    pnlForm = new QWidget(this);
    pnlForm->setObjectName(QStringLiteral("pnlForm"));
    auto *form = new QVBoxLayout(pnlForm);
    form->setContentsMargins(0, 0, 0, 0);
    imgMemo17 = new QLabel(QStringLiteral("비밀번호 오류 횟수를 넘어 로그인이 제한되었습니다.\n휴대폰 인증 후 비밀번호를 변경해 주세요."), pnlForm);
    imgMemo23 = new QLabel(QStringLiteral("비밀번호를 오랫동안 변경하지 않았습니다.\n안전을 위해 비밀번호를 변경해 주세요."), pnlForm);
    imgMemo24 = new QLabel(QStringLiteral("임시 비밀번호로 로그인하였습니다.\n새 비밀번호를 설정해 주세요."), pnlForm);
    for (QLabel *memo : {imgMemo17, imgMemo23, imgMemo24}) {
        memo->setVisible(false);
        form->addWidget(memo);
    }

    auto *grid = new QGridLayout;
    edtId = box(pnlForm, QStringLiteral("회원 아이디"), false);
    edtPhoneNumber = box(pnlForm, QStringLiteral("휴대폰 번호 입력"), false);
    edtPhoneNumber->installEventFilter(this);
    btnReqAuth = new QPushButton(QStringLiteral("인증번호 요청"), pnlForm);
    edtAuthNum = box(pnlForm, QString(), false);
    btnAuth = new QPushButton(QStringLiteral("인증확인"), pnlForm);
    edtOrgPassWord = box(pnlForm, QStringLiteral("영문,숫자,특수문자 포함 10~20자(한글,공백 불가)"), true);
    edtNewPassword = box(pnlForm, QStringLiteral("비밀번호 재입력"), true);
    btnChangePassword = new QPushButton(QStringLiteral("비밀번호 변경"), pnlForm);
    grid->addWidget(edtId, 0, 0, 1, 2);
    grid->addWidget(edtPhoneNumber, 1, 0);
    grid->addWidget(btnReqAuth, 1, 1);
    grid->addWidget(edtAuthNum, 2, 0);
    grid->addWidget(btnAuth, 2, 1);
    grid->addWidget(edtOrgPassWord, 3, 0, 1, 2);
    grid->addWidget(edtNewPassword, 4, 0, 1, 2);
    grid->addWidget(btnChangePassword, 5, 0, 1, 2);
    form->addLayout(grid);
    root->addWidget(pnlForm);
    for (QPushButton *b : {btnReqAuth, btnAuth, btnChangePassword}) {
        b->setEnabled(false);
        b->setAutoDefault(false);
    }
    connect(btnReqAuth, &QPushButton::clicked, this, &TfrmPasswordChage::btnReqAuthClick);
    connect(btnAuth, &QPushButton::clicked, this, &TfrmPasswordChage::btnAuthClick);
    connect(btnChangePassword, &QPushButton::clicked, this, &TfrmPasswordChage::btnChangePasswordClick);

    pnl180Change = new QFrame(this);
    pnl180Change->setObjectName(QStringLiteral("pnl180Change"));
    auto *defer = new QVBoxLayout(pnl180Change);
    defer->addWidget(new QLabel(QStringLiteral("비밀번호를 변경한 지 오래되었습니다.\n지금 변경하시거나 90일 후에 변경할 수 있습니다."),
                                pnl180Change));
    btn90Change = new QPushButton(QStringLiteral("90일 후 변경"), pnl180Change);
    btnNowChange = new QPushButton(QStringLiteral("지금 변경"), pnl180Change);
    for (QPushButton *b : {btn90Change, btnNowChange}) {
        b->setAutoDefault(false);
        defer->addWidget(b);
    }
    defer->addStretch();
    pnl180Change->setVisible(false);
    root->addWidget(pnl180Change);
    connect(btn90Change, &QPushButton::clicked, this, &TfrmPasswordChage::btn90ChangeClick);
    connect(btnNowChange, &QPushButton::clicked, this, &TfrmPasswordChage::btnNowChangeClick);
    for (QLineEdit *edit : {edtId, edtPhoneNumber, edtAuthNum, edtOrgPassWord, edtNewPassword})
        FitPlaceholder(edit);
    PlaceWhenShown(this, WindowPlacement::Screen);
}

void TfrmPasswordChage::setMode(const QString &outCode)
{
    lblType->setToolTip(outCode);
    // Shown parts are chosen before the dialog opens, so that it opens at its final size.
    showModeParts();
}

void TfrmPasswordChage::showModeParts()
{
    const QString code = mode();
    imgMemo17->setVisible(code == QLatin1String("17"));
    imgMemo23->setVisible(code == QLatin1String("23"));
    imgMemo24->setVisible(code == QLatin1String("24"));
    const bool deferral = code == QLatin1String("23");
    pnlForm->setVisible(!deferral);
    pnl180Change->setVisible(deferral);
}

QString TfrmPasswordChage::mode() const
{
    return lblType->toolTip();
}

void TfrmPasswordChage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmPasswordChage::FormShow()
{
    showModeParts();
}

void TfrmPasswordChage::reportFailure(const QString &code, const QString &outCode, const QString &outMsg)
{
    MsgBox(G_MSG_RESULT[0] + QStringLiteral("\r\n") + outMsg, QStringLiteral("I"));
    WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + outMsg);
}

void TfrmPasswordChage::btnReqAuthClick()
{
    if (edtId->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("아이디를 입력하세요"), QStringLiteral("I"));
        edtId->setFocus();
        return;
    }
    if (!IsPasswordChangePhone(edtPhoneNumber->text())) {
        MsgBox(QStringLiteral("연락처를 확인해주세요"), QStringLiteral("I"));
        edtPhoneNumber->setFocus();
        return;
    }
    OpenSharedConnection();
    func_ChangePwdAuthReq();
}

void TfrmPasswordChage::func_ChangePwdAuthReq()
{
    GLAUTH_SEQ.clear();
    const QString payload = JoinRequestFields({QStringLiteral("U"), edtId->text(), QStringLiteral("3"), edtPhoneNumber->text()});
    try {
        const QString text = SharedRequestOne(kReqSms, kCallType, payload);
        if (text.isEmpty()) {
            WriteLog(kReqSms + QStringLiteral(" ERR[NO RESULT]"));
            return;
        }
        const LoginReply reply = ParseLoginReply(text);
        if (reply.outCode != QLatin1String("1")) {
            reportFailure(kReqSms, reply.outCode, reply.outMsg);
            return;
        }
        MsgBox(QStringLiteral("인증번호가 발송되었습니다."), QStringLiteral("I"));
        btnAuth->setEnabled(true);
        if (reply.hasRow) {
            GLAUTH_SEQ = reply.row.text(0);
        } else {
            MsgBox(G_MSG_RESULT[0] + QLatin1Char('\n') + reply.outMsg, QStringLiteral("I"));
            WriteLog(kReqSms + QLatin1Char(' ') + payload + QLatin1Char(' ') + reply.outMsg);
        }
    } catch (const std::exception &e) {
        WriteLog(kReqSms + QStringLiteral(" Exception Err ") + QString::fromLocal8Bit(e.what()));
    }
}

void TfrmPasswordChage::btnAuthClick()
{
    const QString code = edtAuthNum->text().trimmed();
    if (code.isEmpty()) {
        MsgBox(QStringLiteral("인증번호를 입력하세요."), QStringLiteral("E"));
        edtAuthNum->setFocus();
        return;
    }
    const QString text = SharedRequestOne(kCheckSms, kCallType, JoinRequestFields({GLAUTH_SEQ, code}));
    if (text.isEmpty()) {
        WriteLog(kCheckSms + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    const LoginReply reply = ParseLoginReply(text);
    if (reply.outCode != QLatin1String("1")) {
        reportFailure(kCheckSms, reply.outCode, reply.outMsg);
        btnChangePassword->setEnabled(false);
        return;
    }
    MsgBox(QStringLiteral("인증되었습니다."), QStringLiteral("I"));
    btnReqAuth->setEnabled(false);
    btnAuth->setEnabled(false);
    btnChangePassword->setEnabled(true);
}

void TfrmPasswordChage::btnChangePasswordClick()
{
    QString password = edtOrgPassWord->text();
    if (const auto refusal = CheckNewPassword(password, edtNewPassword->text())) {
        WipeText(password);
        MsgBox(refusal->message, refusal->kind);
        edtOrgPassWord->setFocus();
        return;
    }
    if (MsgBox(QStringLiteral("정보를 수정하시겠습니까?"), QStringLiteral("Q")) != 1) {
        WipeText(password);
        return;
    }
    QString payload = JoinRequestFields({QStringLiteral("1"), GLAUTH_SEQ, edtAuthNum->text().trimmed(), QStringLiteral("U"),
                                  edtId->text(), password, QStringLiteral("N")});
    WipeText(password);
    try {
        const QString text = SharedRequestOne(kChange, kCallType, payload);
        WipeText(payload);
        if (text.isEmpty()) {
            WriteLog(kChange + QStringLiteral(" ERR[NO RESULT]"));
            return;
        }
        const LoginReply reply = ParseLoginReply(text);
        if (reply.outCode == QLatin1String("1")) {
            MsgBox(QStringLiteral("비밀번호가 정상적으로 변경되었습니다!"), QStringLiteral("I"));
            edtOrgPassWord->clear();
            edtNewPassword->clear();
            done(1);
        } else {
            reportFailure(kChange, reply.outCode, reply.outMsg);
        }
    } catch (const std::exception &e) {
        WipeText(payload);
        WriteLog(kChange + QStringLiteral(" Exception Err ") + QString::fromLocal8Bit(e.what()));
    }
}

void TfrmPasswordChage::btn90ChangeClick()
{
    OpenSharedConnection();
    const QString deadline = PasswordDeferralDeadline(AppClock::now().date());
    const QString payload = JoinRequestFields({QStringLiteral("0"), QString(), QString(), QStringLiteral("U"), G_USER_INFO.ID,
                                        QString(), QStringLiteral("Y")});
    const QString text = SharedRequestOne(kChange, kCallType, payload);
    if (text.isEmpty()) {
        WriteLog(kChange + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    const LoginReply reply = ParseLoginReply(text);
    if (reply.outCode == QLatin1String("1")) {
        MsgBox(QStringLiteral("비밀번호변경을\n") + deadline + QStringLiteral(" 까지 유예하였습니다"), QStringLiteral("I"));
        done(1);
    } else {
        reportFailure(kChange, reply.outCode, reply.outMsg);
    }
}

void TfrmPasswordChage::btnNowChangeClick()
{
    pnl180Change->setVisible(false);
    pnlForm->setVisible(true);
    edtId->setFocus();
}

void TfrmPasswordChage::btnCloseClick()
{
    if (MsgBox(QStringLiteral("비밀번호를 변경하지 않으면\n로그인이 취소됩니다\n취소하시겠습니까?"), QStringLiteral("Q")) == 1)
        done(2);
}

bool TfrmPasswordChage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtPhoneNumber && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        btnReqAuth->setEnabled(true);
        const QString text = key->text();
        const bool character = !text.isEmpty() && text.at(0).isPrint();
        if (character && !allDigits(text))
            return true;
    }
    if (watched == edtPhoneNumber && event->type() == QEvent::KeyRelease) {
        if (!allDigits(edtPhoneNumber->text()))
            edtPhoneNumber->clear();
        else
            edtPhoneNumber->end(false);
    }
    return QDialog::eventFilter(watched, event);
}
