#include "start/ui/new_login_panel.h"

#include "start/ui/app_style.h"
#include "start/ui/login_dialog.h"
#include "start/ui/window_drag.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmNewLogin::TfrmNewLogin(TfrmLogin *dialog)
    : QWidget(dialog)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("frmNewLogin"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLineEdit, QCheckBox, QRadioButton { color: #808080; }"));
    auto *root = new QVBoxLayout(this);
    imgLogo = new QLabel(this);
    imgLogo->setMinimumHeight(160);
    MakeDragHandle(imgLogo);
    MakeDragHandle(this);
    root->addWidget(imgLogo);
    edtId = new QLineEdit(this);
    edtId->setPlaceholderText(QStringLiteral("아이디"));
    edtPw = new QLineEdit(this);
    edtPw->setPlaceholderText(QStringLiteral("비밀번호"));
    edtPw->setEchoMode(QLineEdit::Password);
    edtPw->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*" for each character
    edtPw->installEventFilter(this);
    root->addWidget(edtId);
    root->addWidget(edtPw);
    FitPlaceholder(edtId);
    FitPlaceholder(edtPw);
    auto *saves = new QHBoxLayout;
    ChkSaveId = new QCheckBox(QStringLiteral("아이디저장"), this);
    chkSavePw = new QCheckBox(QStringLiteral("비밀번호저장"), this);
    saves->addWidget(ChkSaveId);
    saves->addWidget(chkSavePw);
    root->addLayout(saves);
    cxGroupBox1 = new QGroupBox(this);
    auto *servers = new QHBoxLayout(cxGroupBox1);
    btnReal = new QRadioButton(QStringLiteral("상용"), cxGroupBox1);
    btnDev = new QRadioButton(QStringLiteral("테스트"), cxGroupBox1);
    servers->addWidget(btnReal);
    servers->addWidget(btnDev);
    root->addWidget(cxGroupBox1);
    auto *buttons = new QHBoxLayout;
    btnLogin = new QPushButton(QStringLiteral("로그인"), this);
    btnClose = new QPushButton(QStringLiteral("닫기"), this);
    btnRemote = new QPushButton(QStringLiteral("원격"), this);
    btnFindIdPw = new QPushButton(QStringLiteral("아이디/비밀번호찾기"), this);
    for (QPushButton *b : {btnLogin, btnClose, btnRemote, btnFindIdPw}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    root->addLayout(buttons);
    root->addStretch();
    connect(btnLogin, &QPushButton::clicked, this, &TfrmNewLogin::btnLoginClick);
    connect(btnClose, &QPushButton::clicked, m_dialog, &TfrmLogin::cxButton1Click);
    connect(btnRemote, &QPushButton::clicked, m_dialog, &TfrmLogin::btnMainTopRemoteClick);
    connect(btnFindIdPw, &QPushButton::clicked, m_dialog, &TfrmLogin::cxLabel1Click);
}

bool TfrmNewLogin::DockedInEdition(int edition)
{
    return edition == 0 || edition == 1 || edition == 14 || edition == 15;
}

void TfrmNewLogin::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmNewLogin::FormShow()
{
    edtId->setText(m_dialog->CTE_ID->text());
    edtPw->setText(m_dialog->CTE_PW->text());
    cxGroupBox1->setVisible(!m_dialog->cxGroupBox1->isHidden());
    btnReal->setChecked(m_dialog->cxRadioButton1->isChecked());
    btnDev->setChecked(m_dialog->cxRadioButton2->isChecked());
    ChkSaveId->setChecked(m_dialog->CCB_SAVE_ID->isChecked());
    chkSavePw->setChecked(m_dialog->CCB_SAVE_PW->isChecked());
}

void TfrmNewLogin::btnLoginClick()
{
    m_dialog->CTE_ID->setText(edtId->text());
    m_dialog->CTE_PW->setText(edtPw->text());
    m_dialog->cxRadioButton1->setChecked(btnReal->isChecked());
    m_dialog->cxRadioButton2->setChecked(btnDev->isChecked());
    m_dialog->CCB_SAVE_ID->setChecked(ChkSaveId->isChecked());
    m_dialog->CCB_SAVE_PW->setChecked(chkSavePw->isChecked());
    m_dialog->cxButton26Click(btnLogin);
}

bool TfrmNewLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtPw && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!edtPw->text().trimmed().isEmpty())
                btnLoginClick();
            else
                edtPw->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
