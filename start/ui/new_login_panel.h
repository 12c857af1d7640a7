#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TfrmLogin;

// The alternative face of the login dialog that some editions dock over it. It keeps no state
// of its own: it copies the dialog's inputs when shown and writes its own back before a login.
class TfrmNewLogin : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmNewLogin(TfrmLogin *dialog);

    QLineEdit *edtId = nullptr;
    QLineEdit *edtPw = nullptr;
    QCheckBox *ChkSaveId = nullptr;
    QCheckBox *chkSavePw = nullptr;
    QGroupBox *cxGroupBox1 = nullptr;
    QRadioButton *btnReal = nullptr;  // "상용"
    QRadioButton *btnDev = nullptr;   // "테스트"
    QPushButton *btnLogin = nullptr;
    QPushButton *btnClose = nullptr;
    QPushButton *btnRemote = nullptr;
    QPushButton *btnFindIdPw = nullptr;
    QLabel *imgLogo = nullptr;

    // Editions that dock the panel over the dialog.
    static bool DockedInEdition(int edition);

    void FormShow();
    void btnLoginClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TfrmLogin *m_dialog;
};
