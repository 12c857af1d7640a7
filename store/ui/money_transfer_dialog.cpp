#include "store/ui/money_transfer_dialog.h"

#include "common/message_box.h"
#include "records/session_records.h"
#include "store/money_amount.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
QLineEdit *payShownOnly(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setReadOnly(true);
    return e;
}
} // namespace

TFRM_CALC_PAYSEND::TFRM_CALC_PAYSEND(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FRM_CALC_PAYSEND"));
    setWindowTitle(QStringLiteral("머니송금"));
    setModal(true);
    resize(445, 436);
    auto *v = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("머니송금"), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    v->addWidget(title);

    auto *source = new QGroupBox(QStringLiteral("출금대상"), this);
    auto *sg = new QGridLayout(source);
    lbGrpNamePaySend = new QLabel(QStringLiteral("제휴본사명"), source);
    edtPaySendGrpName = payShownOnly(source);
    edtPaySendCash = payShownOnly(source);
    edtPaySendCashAble = payShownOnly(source);
    edtCashDepositSp = payShownOnly(source);
    sg->addWidget(lbGrpNamePaySend, 0, 0);
    sg->addWidget(edtPaySendGrpName, 0, 1);
    sg->addWidget(new QLabel(QStringLiteral("머니잔액"), source), 1, 0);
    sg->addWidget(edtPaySendCash, 1, 1);
    sg->addWidget(new QLabel(QStringLiteral("송금가능금액"), source), 2, 0);
    sg->addWidget(edtPaySendCashAble, 2, 1);
    sg->addWidget(new QLabel(QStringLiteral("보호예치금"), source), 3, 0);
    sg->addWidget(edtCashDepositSp, 3, 1);
    v->addWidget(source);

    auto *target = new QGroupBox(QStringLiteral("송금대상"), this);
    auto *tg = new QGridLayout(target);
    edtPaySendTargetGrpName = payShownOnly(target);
    edtPaySendTargetName = payShownOnly(target);
    tg->addWidget(new QLabel(QStringLiteral("소속명"), target), 0, 0);
    tg->addWidget(edtPaySendTargetGrpName, 0, 1);
    tg->addWidget(new QLabel(QStringLiteral("대상명"), target), 1, 0);
    tg->addWidget(edtPaySendTargetName, 1, 1);
    v->addWidget(target);

    cxGroupBox9 = new QGroupBox(QStringLiteral("입력정보"), this);
    auto *ig = new QGridLayout(cxGroupBox9);
    edtPaySendSendAmt = new QLineEdit(cxGroupBox9);
    edtPaySendSendAmt->setAlignment(Qt::AlignRight);
    edtPaySendPinNo = new QLineEdit(cxGroupBox9);
    edtPaySendPinNo->setMaxLength(15);
    edtPaySendPinNo->setEchoMode(QLineEdit::Password);
    edtPaySendMemo = new QLineEdit(cxGroupBox9);
    edtPaySendMemo->setMaxLength(200);
    ig->addWidget(new QLabel(QStringLiteral("송금금액"), cxGroupBox9), 0, 0);
    ig->addWidget(edtPaySendSendAmt, 0, 1);
    ig->addWidget(new QLabel(QStringLiteral("PIN번호"), cxGroupBox9), 1, 0);
    ig->addWidget(edtPaySendPinNo, 1, 1);
    ig->addWidget(new QLabel(QStringLiteral("송금메모"), cxGroupBox9), 2, 0);
    ig->addWidget(edtPaySendMemo, 2, 1);
    v->addWidget(cxGroupBox9);
    edtPaySendSendAmt->installEventFilter(this);
    edtPaySendPinNo->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    btnPaySend = new QPushButton(QStringLiteral("송금"), this);
    btnPaySendCancel = new QPushButton(QStringLiteral("취소"), this);
    buttons->addStretch();
    buttons->addWidget(btnPaySend);
    buttons->addWidget(btnPaySendCancel);
    v->addLayout(buttons);

    pnlConfirm = new QFrame(this);
    pnlConfirm->setFrameShape(QFrame::Box);
    pnlConfirm->setAutoFillBackground(true);
    auto *cg = new QGridLayout(pnlConfirm);
    cg->addWidget(new QLabel(QStringLiteral("송금대상:"), pnlConfirm), 0, 0);
    lbRecvTarget = new QLabel(pnlConfirm);
    lbRecvTarget->setWordWrap(true);
    cg->addWidget(lbRecvTarget, 0, 1);
    cg->addWidget(new QLabel(QStringLiteral("송금금액:"), pnlConfirm), 1, 0);
    lbRecvCash = new QLabel(pnlConfirm);
    cg->addWidget(lbRecvCash, 1, 1);
    cg->addWidget(new QLabel(QStringLiteral("해당 내용을 송금하시겠습니까?"), pnlConfirm), 2, 0, 1, 2);
    auto *cb = new QHBoxLayout;
    btnConfirmYes = new QPushButton(QStringLiteral("송금"), pnlConfirm);
    btnConfirmNo = new QPushButton(QStringLiteral("취소"), pnlConfirm);
    cb->addStretch();
    cb->addWidget(btnConfirmYes);
    cb->addWidget(btnConfirmNo);
    cg->addLayout(cb, 3, 0, 1, 2);
    cg->setColumnStretch(1, 1);
    pnlConfirm->hide();

    connect(btnPaySend, &QPushButton::clicked, this, [this] { btnConfirmNoClick(); });
    connect(btnConfirmNo, &QPushButton::clicked, this, [this] { btnConfirmNoClick(); });
    connect(btnConfirmYes, &QPushButton::clicked, this, [this] { btnConfirmYesClick(); });
    connect(btnPaySendCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFRM_CALC_PAYSEND::setAmounts(qint64 balance, qint64 sendable, qint64 deposit)
{
    m_sendable = sendable;
    edtPaySendCash->setText(GroupedWon(balance));
    edtPaySendCashAble->setText(GroupedWon(sendable));
    edtCashDepositSp->setText(GroupedWon(deposit));
    edtPaySendSendAmt->setText(QStringLiteral("0"));
    edtPaySendPinNo->clear();
}

void TFRM_CALC_PAYSEND::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    resetConfirm();
}

void TFRM_CALC_PAYSEND::resetConfirm()
{
    cxGroupBox9->setEnabled(true);
    btnPaySend->setEnabled(true);
    pnlConfirm->hide();
}

void TFRM_CALC_PAYSEND::btnConfirmNoClick()
{
    if (pnlConfirm->isVisible()) {
        resetConfirm();
        return;
    }
    const QString message = TransferCheck({edtPaySendSendAmt->text(), m_sendable, edtPaySendPinNo->text()});
    if (!message.isEmpty()) {
        MsgBox(message, QStringLiteral("I"));
        return;
    }
    // The target by its affiliation and its own name, so the user sees who gets the money.
    lbRecvTarget->setText(TransferTargetText(edtPaySendTargetGrpName->text(), edtPaySendTargetName->text()));
    lbRecvCash->setText(GroupedWon(ParseTypedAmount(edtPaySendSendAmt->text().trimmed()).value_or(0)));
    cxGroupBox9->setEnabled(false);
    btnPaySend->setEnabled(false);
    pnlConfirm->setGeometry(2, 37, width() - 4, std::min(height() - 39, 200));
    pnlConfirm->show();
    pnlConfirm->raise();
}

void TFRM_CALC_PAYSEND::btnConfirmYesClick()
{
    const QString message = TransferCheck({edtPaySendSendAmt->text(), m_sendable, edtPaySendPinNo->text()});
    if (!message.isEmpty()) {
        MsgBox(message, QStringLiteral("I"));
        return;
    }
    TransferRequest r;
    r.pin = edtPaySendPinNo->text();
    r.sourceKind = FSPSD_SEND_SOURCE_TYPE;
    r.userCode = G_USER_INFO.USER_CODE;
    r.targetKind = FSPSD_SEND_TARGET_TYPE;
    r.targetCode = FSPSD_SEND_TARGET_CODE;
    r.amount = edtPaySendSendAmt->text();
    r.memo = edtPaySendMemo->text();
    r.id = G_USER_INFO.ID;
    // Both buttons stay off while the request is out, so one press sends once.
    btnConfirmYes->setEnabled(false);
    btnConfirmNo->setEnabled(false);
    m_outcome = SendTransfer(r);
    btnConfirmYes->setEnabled(true);
    btnConfirmNo->setEnabled(true);
    switch (*m_outcome) {
    case TransferOutcome::Refused:
        resetConfirm();
        break;
    case TransferOutcome::Sent:
    case TransferOutcome::Unknown:
        // After an unknown outcome the popup closes too: the transfer may have gone through, and
        // the balances are reloaded before anything is sent again.
        emit targetsStale();
        accept();
        break;
    }
}

bool TFRM_CALC_PAYSEND::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, e);
    auto *k = static_cast<QKeyEvent *>(e);
    const QString text = k->text();
    const bool digit = text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128;
    const bool backspace = k->key() == Qt::Key_Backspace;
    const bool editKey = k->key() == Qt::Key_Left || k->key() == Qt::Key_Right || k->key() == Qt::Key_Home
                         || k->key() == Qt::Key_End || k->key() == Qt::Key_Delete;
    if (watched == edtPaySendSendAmt) {
        if (digit || backspace || editKey)
            return false;
        if (text.isEmpty() && k->key() != Qt::Key_Tab)
            return false;  // modifiers and other non-character keys
        MsgBox(QStringLiteral("숫자만 입력 가능합니다."), QStringLiteral("I"));
        edtPaySendSendAmt->clear();
        return true;
    }
    if (watched == edtPaySendPinNo) {
        if (digit || backspace || editKey || k->key() == Qt::Key_Tab || text.isEmpty())
            return false;
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TFRM_CALC_PAYSEND::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && e->position().y() < 30) {
        m_dragging = true;
        m_dragFrom = e->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(e);
}

void TFRM_CALC_PAYSEND::mouseMoveEvent(QMouseEvent *e)
{
    if (m_dragging && (e->buttons() & Qt::LeftButton))
        move(e->globalPosition().toPoint() - m_dragFrom);
    else
        m_dragging = false;
    QDialog::mouseMoveEvent(e);
}
