#pragma once

#include "store/money_transfer.h"

#include <QDialog>

#include <optional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The money transfer popup ("머니송금"): the sender's balance, the chosen target, the amount, PIN
// and memo, a confirmation naming the target, then the transfer. A transfer whose reply never
// came closes the popup: the money may have moved, so it is not offered again until the target
// list (with the balances) has been reloaded.
class TFRM_CALC_PAYSEND : public QDialog
{
    Q_OBJECT
public:
    explicit TFRM_CALC_PAYSEND(QWidget *parent = nullptr);

    QLabel *lbGrpNamePaySend = nullptr;
    QLineEdit *edtPaySendGrpName = nullptr, *edtPaySendCash = nullptr, *edtPaySendCashAble = nullptr,
              *edtCashDepositSp = nullptr;
    QLineEdit *edtPaySendTargetGrpName = nullptr, *edtPaySendTargetName = nullptr;
    QLineEdit *edtPaySendSendAmt = nullptr, *edtPaySendPinNo = nullptr, *edtPaySendMemo = nullptr;
    QGroupBox *cxGroupBox9 = nullptr;
    QPushButton *btnPaySend = nullptr, *btnPaySendCancel = nullptr;
    QFrame *pnlConfirm = nullptr;
    QLabel *lbRecvTarget = nullptr, *lbRecvCash = nullptr;
    QPushButton *btnConfirmYes = nullptr, *btnConfirmNo = nullptr;

    QString FSPSD_SEND_SOURCE_TYPE;
    QString FSPSD_SEND_TARGET_TYPE;
    QString FSPSD_SEND_TARGET_CODE;

    // The amount that may be sent, as shown.
    qint64 sendable() const { return m_sendable; }
    void setAmounts(qint64 balance, qint64 sendable, qint64 deposit);

    void btnConfirmNoClick();   // "송금" of the input and "취소" of the confirmation
    void btnConfirmYesClick();  // sends
    void resetConfirm();
    // What the last send ended in; nullopt before one.
    std::optional<TransferOutcome> lastOutcome() const { return m_outcome; }

signals:
    // The transfer went through, or its outcome is unknown: the targets' balances are stale.
    void targetsStale();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    qint64 m_sendable = 0;
    std::optional<TransferOutcome> m_outcome;
    QPoint m_dragFrom;
    bool m_dragging = false;
};
