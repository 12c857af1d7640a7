#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The password change a refused login leads to ("17", "23", "24"): an SMS code proves the
// account, then a new password is sent; in mode "23" the change may be put off by 90 days.
// Modal results: 1 after a change or deferral, 2 when closed.
class TfrmPasswordChage : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPasswordChage(QWidget *parent = nullptr);

    // The login code that opened the dialog; it chooses the explanation shown.
    void setMode(const QString &outCode);
    QString mode() const;

    QLabel *lblType = nullptr;  // hidden; its tool tip holds the code
    QLabel *imgMemo17 = nullptr;
    QLabel *imgMemo23 = nullptr;
    QLabel *imgMemo24 = nullptr;
    QLineEdit *edtId = nullptr;
    QLineEdit *edtPhoneNumber = nullptr;
    QPushButton *btnReqAuth = nullptr;
    QLineEdit *edtAuthNum = nullptr;
    QPushButton *btnAuth = nullptr;
    QLineEdit *edtOrgPassWord = nullptr;
    QLineEdit *edtNewPassword = nullptr;
    QPushButton *btnChangePassword = nullptr;
    QWidget *pnlForm = nullptr;  // the boxes and buttons under the deferral panel
    QFrame *pnl180Change = nullptr;
    QPushButton *btn90Change = nullptr;
    QPushButton *btnNowChange = nullptr;
    QPushButton *cxImage1 = nullptr;  // close

    QString GLAUTH_SEQ;

    void FormShow();
    void btnReqAuthClick();
    void btnAuthClick();
    void btnChangePasswordClick();
    void btn90ChangeClick();
    void btnNowChangeClick();
    void btnCloseClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override { btnCloseClick(); }

private:
    void buildLayout();
    void showModeParts();
    void func_ChangePwdAuthReq();
    // Shows and logs a refusal of code.
    void reportFailure(const QString &code, const QString &outCode, const QString &outMsg);
};

// The dialog opened by the current login, if any.
extern TfrmPasswordChage *frmPasswordChage;
