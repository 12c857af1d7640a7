#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TfrmNewLogin;

// The login dialog: ID and password, whether to remember them, and (test edition only) the
// server choice. Hints are placeholders, so an empty box never passes its hint off as a value.
// Modal results: 1 after a login, 2 when closed.
class TfrmLogin : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogin(QWidget *parent = nullptr);

    QLineEdit *CTE_ID = nullptr;
    QLineEdit *CTE_PW = nullptr;
    QCheckBox *CCB_SAVE_ID = nullptr;
    QCheckBox *CCB_SAVE_PW = nullptr;
    QGroupBox *cxGroupBox1 = nullptr;
    QRadioButton *cxRadioButton1 = nullptr;  // "상용"
    QRadioButton *cxRadioButton2 = nullptr;  // "테스트"
    QPushButton *AdvGlassButton2 = nullptr;  // login
    QPushButton *AdvGlassButton1 = nullptr;  // close
    QLabel *cxLabel1 = nullptr;              // "아이디/비밀번호찾기"
    QPushButton *btnMainTopRemote = nullptr;
    QLabel *cxImage1 = nullptr;              // picture slider
    QLabel *lbBuildVer = nullptr;
    QLabel *cxLabel9 = nullptr;
    QLabel *cxLabel2 = nullptr;
    QLabel *cxLabel3 = nullptr;
    QTimer Timer1;  // slider step, 1500 ms, off at creation
    QWidget *pnlFace = nullptr;        // the dialog's own boxes and buttons
    TfrmNewLogin *newLogin = nullptr;  // the alternative face some editions dock over the dialog
    int Tag = 0;

    // The edition's login pictures for the slider.
    void setPictures(const QList<QPixmap> &pictures);
    int pictureCount() const { return m_pictures.size(); }

    // The login road run by the login button after its input checks.
    std::function<void()> onLogin;

    // Handlers.
    void FormShow();
    void cxButton26Click(QAbstractButton *sender);  // login
    void cxButton1Click();                          // close
    void cxLabel1Click();                           // ID/password search
    void btnMainTopRemoteClick();
    void Timer1Timer();

    // The longest ID the server takes, in UTF-8 bytes.
    static constexpr int kMaxIdBytes = 20;

    // Closing also closes the advertisement picture beside the dialog.
    void done(int result) override;
    // Escape closes the dialog the way the close button does.
    void reject() override { cxButton1Click(); }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();

    QList<QPixmap> m_pictures;
    bool m_loginRunning = false;
};
