#include "start/ui/login_dialog.h"

#include "common/message_box.h"
#include "records/session_records.h"
#include "reference/edition_table.h"
#include "start/login.h"
#include "start/start_globals.h"
#include "start/ui/ad_panel.h"
#include "start/ui/app_style.h"
#include "start/ui/login_flow.h"
#include "start/ui/new_login_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <QWindow>

namespace
{
const QString kGreyHint = QStringLiteral("color: #959595;");
// Typed password characters show as "*" whatever the style's own mask character is.
const QString kPasswordMask = QStringLiteral("lineedit-password-character: 42;");
} // namespace

TfrmLogin::TfrmLogin(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("로그인"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    Timer1.setInterval(1500);
    connect(&Timer1, &QTimer::timeout, this, &TfrmLogin::Timer1Timer);
    buildLayout();
}

void TfrmLogin::buildLayout()
{
    // The dialog's own face, hidden while an edition docks its alternative panel in its place.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    pnlFace = new QWidget(this);
    pnlFace->setObjectName(QStringLiteral("pnlFace"));
    outer->addWidget(pnlFace);
    QWidget *face = pnlFace;
    auto *root = new QVBoxLayout(face);
    cxImage1 = new QLabel(face);
    cxImage1->setObjectName(QStringLiteral("cxImage1"));
    cxImage1->setMinimumSize(320, 120);
    cxImage1->setAlignment(Qt::AlignCenter);
    cxImage1->installEventFilter(this);
    root->addWidget(cxImage1);

    CTE_ID = new QLineEdit(face);
    CTE_ID->setObjectName(QStringLiteral("CTE_ID"));
    CTE_ID->setPlaceholderText(QStringLiteral("아이디"));
    CTE_ID->installEventFilter(this);
    CTE_PW = new QLineEdit(face);
    CTE_PW->setObjectName(QStringLiteral("CTE_PW"));
    CTE_PW->setPlaceholderText(QStringLiteral("비밀번호"));
    CTE_PW->setEchoMode(QLineEdit::Password);
    CTE_PW->setStyleSheet(kPasswordMask);
    CTE_PW->installEventFilter(this);
    root->addWidget(CTE_ID);
    root->addWidget(CTE_PW);
    FitPlaceholder(CTE_ID);
    FitPlaceholder(CTE_PW);

    auto *saves = new QHBoxLayout;
    CCB_SAVE_ID = new QCheckBox(QStringLiteral("아이디 저장"), face);
    CCB_SAVE_PW = new QCheckBox(QStringLiteral("비밀번호 저장"), face);
    saves->addWidget(CCB_SAVE_ID);
    saves->addWidget(CCB_SAVE_PW);
    root->addLayout(saves);

    cxGroupBox1 = new QGroupBox(face);
    auto *servers = new QHBoxLayout(cxGroupBox1);
    cxRadioButton1 = new QRadioButton(QStringLiteral("상용"), cxGroupBox1);
    cxRadioButton2 = new QRadioButton(QStringLiteral("테스트"), cxGroupBox1);
    cxRadioButton1->setChecked(true);
    servers->addWidget(cxRadioButton1);
    servers->addWidget(cxRadioButton2);
    cxGroupBox1->setVisible(false);
    root->addWidget(cxGroupBox1);

    auto *buttons = new QHBoxLayout;
    AdvGlassButton2 = new QPushButton(QStringLiteral("로그인"), face);
    AdvGlassButton2->setObjectName(QStringLiteral("AdvGlassButton2"));
    AdvGlassButton2->setDefault(false);
    AdvGlassButton2->setAutoDefault(false);
    AdvGlassButton1 = new QPushButton(QStringLiteral("닫기"), face);
    AdvGlassButton1->setAutoDefault(false);
    buttons->addWidget(AdvGlassButton2);
    buttons->addWidget(AdvGlassButton1);
    root->addLayout(buttons);
    connect(AdvGlassButton2, &QPushButton::clicked, this, [this] { cxButton26Click(AdvGlassButton2); });
    connect(AdvGlassButton1, &QPushButton::clicked, this, &TfrmLogin::cxButton1Click);

    auto *links = new QHBoxLayout;
    cxLabel1 = new QLabel(QStringLiteral("<a href=\"#\">아이디/비밀번호찾기</a>"), face);
    cxLabel1->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(cxLabel1, &QLabel::linkActivated, this, [this] { cxLabel1Click(); });
    btnMainTopRemote = new QPushButton(QStringLiteral("원격"), face);
    btnMainTopRemote->setAutoDefault(false);
    connect(btnMainTopRemote, &QPushButton::clicked, this, &TfrmLogin::btnMainTopRemoteClick);
    links->addWidget(cxLabel1);
    links->addStretch();
    links->addWidget(btnMainTopRemote);
    root->addLayout(links);

    lbBuildVer = new QLabel(face);
    cxLabel9 = new QLabel(face);
    cxLabel2 = new QLabel(face);
    cxLabel3 = new QLabel(face);
    for (QLabel *label : {lbBuildVer, cxLabel9, cxLabel2, cxLabel3}) {
        label->setStyleSheet(kGreyHint);
        root->addWidget(label);
    }
    PlaceWhenShown(this, WindowPlacement::Screen);
}

void TfrmLogin::setPictures(const QList<QPixmap> &pictures)
{
    m_pictures = pictures;
    if (!m_pictures.isEmpty())
        cxImage1->setPixmap(m_pictures.first());
    else
        cxImage1->setText(G_PROGRAM_TITLE);
}

void TfrmLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLogin::FormShow()
{
    cxGroupBox1->setVisible(IsTestEditionProgram());
    lbBuildVer->setText(QStringLiteral("Build Ver : ") + G_EXE_DATE);
    cxLabel9->setText(G_PROGRAM_TITLE);
    // Two login pictures of the same name make a still slider.
    const int row = G_EDITION_IDX >= 0 && G_EDITION_IDX < kEditionCount ? G_EDITION_IDX : kThisEdition;
    const QString &second = G_ED_LOGIN_IMG3.at(row);
    const QString &third = G_ED_LOGIN_IMG4.at(row);
    if (!second.isEmpty() && second == third)
        Timer1.stop();
    else
        Timer1.start();
    if (TfrmNewLogin::DockedInEdition(G_EDITION_IDX) && !newLogin) {
        newLogin = new TfrmNewLogin(this);
        pnlFace->hide();
        layout()->addWidget(newLogin);
        resize(667, 614);
        newLogin->show();
        CenterOnScreen(this);
    }
    if (auto *ad = qobject_cast<TfrmAd *>(frmAd); ad && TfrmAd::ShownInEdition(G_EDITION_IDX)) {
        ad->follow(this);
        ad->show();
    }
}

void TfrmLogin::done(int result)
{
    if (auto *ad = qobject_cast<TfrmAd *>(frmAd))
        ad->close();
    QDialog::done(result);
}

void TfrmLogin::Timer1Timer()
{
    if (m_pictures.isEmpty())
        return;
    const int index = int(QRandomGenerator::global()->bounded(100)) % m_pictures.size();
    cxImage1->setPixmap(m_pictures.at(index));
}

void TfrmLogin::cxButton26Click(QAbstractButton *sender)
{
    // The exchange runs the event loop while it connects, so an Enter key typed meanwhile would
    // start a second login inside the first; it is ignored until the first has ended.
    if (m_loginRunning)
        return;
    if (sender)
        sender->setEnabled(false);
    const auto enableSender = [sender] {
        if (sender)
            sender->setEnabled(true);
    };
    if (CTE_PW->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("비밀번호를 입력하세요."), QStringLiteral("I"));
        enableSender();
        return;
    }
    const QString id = CTE_ID->text().trimmed();
    if (id.isEmpty() || id.toUtf8().size() > kMaxIdBytes) {
        MsgBox(QStringLiteral("아이디를 확인해주세요"), QStringLiteral("E"));
        CTE_ID->setFocus();
        enableSender();
        return;
    }
    Timer1.stop();
    m_loginRunning = true;
    {
        const auto running = qScopeGuard([this] { m_loginRunning = false; });
        if (onLogin)
            onLogin();
    }
    enableSender();
}

void TfrmLogin::cxButton1Click()
{
    Timer1.stop();
    G_USER_INFO.ID.clear();
    Tag = 99;
    SetLoginMarker(99);
    done(2);
}

void TfrmLogin::cxLabel1Click()
{
    ShowIdSearchPage(this, cxRadioButton1->isChecked());
}

void TfrmLogin::btnMainTopRemoteClick()
{
    StartRemoteSupport();
}

bool TfrmLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && watched == CTE_ID) {
            if (!CTE_PW->text().trimmed().isEmpty())
                cxButton26Click(AdvGlassButton2);
            else
                CTE_PW->setFocus();
            return true;
        }
        if (enter && watched == CTE_PW) {
            cxButton26Click(AdvGlassButton2);
            return true;
        }
    }
    if (watched == cxImage1 && event->type() == QEvent::MouseButtonPress) {
        // Borderless: the picture works as the title bar.
        if (windowHandle())
            windowHandle()->startSystemMove();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
