#include "main/ui/shell_popups.h"

#include "common/daily_log.h"
#include "reference/page_addresses.h"
#include "main/shell_requests.h"
#include "main/top_menu.h"
#include "start/ui/app_style.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"
#include "start/web_trust.h"
#include "start/ui/window_drag.h"
#include "platform/clock.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>
#include <QWebEngineView>

TFRM_WK_CALL_POP *FRM_WK_CALL_POP = nullptr;

QWebEngineView *MakeWebView(QWidget *parent, QWebEnginePage *page)
{
    auto *view = new QWebEngineView(parent);
    if (page) {
        page->setParent(view);
        view->setPage(page);
    }
    QObject::connect(view->page(), &QWebEnginePage::certificateError, view,
                     [](const QWebEngineCertificateError &error) {
                         QWebEngineCertificateError e = error;
                         if (IsPinnedServerChain(e.certificateChain(), e.url().host()))
                             e.acceptCertificate();
                         else
                             e.rejectCertificate();
                     });
    return view;
}

QWidget *MakeScreenPlaceholder(const QString &userName, QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *layout = new QVBoxLayout(w);
    auto *label = new QLabel(userName + QStringLiteral("\n\n이 화면은 아직 만들어지지 않았습니다."), w);
    label->setObjectName(QStringLiteral("placeholderText"));
    label->setProperty("placeholderScreen", true);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    return w;
}

TFRM_CHR_MAIN::TFRM_CHR_MAIN(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TFRM_CHR_MAIN"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    CHR_MAIN = MakeWebView(this);
    CHR_MAIN->setObjectName(QStringLiteral("CHR_MAIN"));
    CHR_MAIN->setUrl(QUrl(QStringLiteral("about:blank")));
    layout->addWidget(CHR_MAIN);
}

bool TFRM_CHR_MAIN::loadHome(const QUrl &url)
{
    if (!url.isValid() || !IsWebAddress(url.toString())) {
        WriteLog(QStringLiteral("Home page address refused"));
        return false;
    }
    lastRequested = url;
    CHR_MAIN->load(url);
    return true;
}

// ---- courier-call popup

TFRM_WK_CALL_POP::TFRM_WK_CALL_POP(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("TFRM_WK_CALL_POP"));
    setFixedSize(Scaled(465), Scaled(259));
    PlaceWhenShown(this, WindowPlacement::Parent);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, Scaled(8));
    CGB_GROUP_POPUP_TITLE = new QLabel(QStringLiteral("배  송  원"), this);
    CGB_GROUP_POPUP_TITLE->setObjectName(QStringLiteral("CGB_GROUP_POPUP_TITLE"));
    CGB_GROUP_POPUP_TITLE->setAlignment(Qt::AlignCenter);
    CGB_GROUP_POPUP_TITLE->setStyleSheet(QStringLiteral("background:#1F5FAF;color:white;padding:6px;font-weight:bold;"));
    MakeDragHandle(CGB_GROUP_POPUP_TITLE);
    root->addWidget(CGB_GROUP_POPUP_TITLE);
    auto *form = new QFormLayout;
    form->setContentsMargins(Scaled(16), Scaled(8), Scaled(16), 0);
    auto box = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        return e;
    };
    edtWkName = box("edtWkName");
    edtBrName = box("edtBrName");
    edtWkTel = box("edtWkTel");
    edtWkStatusCnt = box("edtWkStatusCnt");
    form->addRow(QStringLiteral("배송원명"), edtWkName);
    form->addRow(QStringLiteral("총 판 명"), edtBrName);
    form->addRow(QStringLiteral("연 락 처"), edtWkTel);
    form->addRow(QStringLiteral("운행실적"), edtWkStatusCnt);
    root->addLayout(form);
    root->addStretch();
    btnClose = new QPushButton(QStringLiteral("닫기"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnClose);
    row->addStretch();
    root->addLayout(row);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    FRM_WK_CALL_POP = this;
    connect(this, &QObject::destroyed, [this] {
        if (FRM_WK_CALL_POP == this)
            FRM_WK_CALL_POP = nullptr;
    });
}

void TFRM_WK_CALL_POP::proc_ClearEdit()
{
    edtWkName->clear();
    edtBrName->clear();
    edtWkTel->clear();
    edtWkStatusCnt->clear();
}

void TFRM_WK_CALL_POP::fill(const CourierCallInfo &info)
{
    if (info.hasPerson) {
        edtWkName->setText(info.name);
        edtBrName->setText(info.branch);
        edtWkTel->setText(info.tel);
    }
    if (info.hasCounts)
        edtWkStatusCnt->setText(info.counts);
}

void proc_GetWkCallInfo(const QString &sWkCode)
{
    const CourierCallInfo info = LoadCourierCallInfo(sWkCode);
    if (FRM_WK_CALL_POP)
        FRM_WK_CALL_POP->fill(info);
}

// ---- card slip

namespace
{
QPointer<TfrmCardApprList> g_cardSlip;
}

TfrmCardApprList::TfrmCardApprList(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("TfrmCardApprList"));
    setWindowTitle(QStringLiteral("카드전표"));
    setFixedSize(Scaled(307), Scaled(536));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, Scaled(6));
    pnlMain = new QWidget(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->setAutoFillBackground(true);
    auto *grid = new QFormLayout(pnlMain);
    grid->setContentsMargins(Scaled(10), Scaled(10), Scaled(10), Scaled(10));
    grid->setVerticalSpacing(Scaled(3));
    auto box = [this](const char *name) {
        auto *e = new QLineEdit(pnlMain);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        e->setFrame(false);
        return e;
    };
    edtTranType = box("edtTranType");
    edtTranType->setAlignment(Qt::AlignCenter);
    grid->addRow(edtTranType);
    edtAcquireName = box("edtAcquireName");
    grid->addRow(QStringLiteral("카드종류"), edtAcquireName);
    edtInstallMent = box("edtInstallMent");
    grid->addRow(QStringLiteral("할부"), edtInstallMent);
    edtCardNum = box("edtCardNum");
    grid->addRow(QStringLiteral("카드번호"), edtCardNum);
    edtApprovalDate = box("edtApprovalDate");
    grid->addRow(QStringLiteral("거래일시"), edtApprovalDate);
    edtMoney = box("edtMoney");
    grid->addRow(QStringLiteral("금액"), edtMoney);
    edtCupPrice = box("edtCupPrice");
    grid->addRow(QStringLiteral("컵보증금"), edtCupPrice);
    edtTax = box("edtTax");
    grid->addRow(QStringLiteral("부가세"), edtTax);
    edtTotalAmount = box("edtTotalAmount");
    grid->addRow(QStringLiteral("합계"), edtTotalAmount);
    edtCardApprNum = box("edtCardApprNum");
    grid->addRow(QStringLiteral("승인번호"), edtCardApprNum);
    edtShopBizNum = box("edtShopBizNum");
    grid->addRow(QStringLiteral("사업자번호"), edtShopBizNum);
    edtShopOwner = box("edtShopOwner");
    grid->addRow(QStringLiteral("대표자명"), edtShopOwner);
    edtShopTel = box("edtShopTel");
    grid->addRow(QStringLiteral("전화번호"), edtShopTel);
    edtShopName = box("edtShopName");
    grid->addRow(QStringLiteral("가맹점명"), edtShopName);
    memShopAddress = new QPlainTextEdit(pnlMain);
    memShopAddress->setObjectName(QStringLiteral("memShopAddress"));
    memShopAddress->setReadOnly(true);
    memShopAddress->setFixedHeight(Scaled(48));
    grid->addRow(QStringLiteral("주소"), memShopAddress);
    root->addWidget(pnlMain, 1);
    btnImgSave = new QPushButton(QStringLiteral("이미지저장"), this);
    btnImgSave->setObjectName(QStringLiteral("btnImgSave"));
    btnClose = new QPushButton(QStringLiteral("닫기"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnImgSave);
    row->addWidget(btnClose);
    row->addStretch();
    root->addLayout(row);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::hide);
    connect(btnImgSave, &QPushButton::clicked, this, &TfrmCardApprList::btnImgSaveClick);
}

void TfrmCardApprList::showSlip(const CardSlip &s)
{
    edtTranType->setText(s.tranType);
    edtAcquireName->setText(s.acquirer);
    edtInstallMent->setText(s.instalment);
    edtCardNum->setText(s.cardNum);
    edtApprovalDate->setText(s.approvalDate);
    edtMoney->setText(s.money);
    edtCupPrice->setText(s.cupPrice);
    edtTax->setText(s.tax);
    edtTotalAmount->setText(s.total);
    edtCardApprNum->setText(s.approvalNo);
    edtShopBizNum->setText(s.bizNo);
    edtShopOwner->setText(s.owner);
    edtShopTel->setText(s.tel);
    edtShopName->setText(s.shopName);
    memShopAddress->setPlainText(s.address);
    memShopAddress->setToolTip(s.orderNo);
    CenterOverParent(this, parentWidget());
    show();
}

QString TfrmCardApprList::saveImage(const QString &folder)
{
    const QString path = QDir(folder).filePath(CardSlipFileName(memShopAddress->toolTip()));
    const QImage image = pnlMain->grab().toImage();
    if (!image.save(path, "BMP"))
        return {};
    return path;
}

void TfrmCardApprList::btnImgSaveClick()
{
    const QString path = saveImage(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (path.isEmpty()) {
        // The window stays open so the user can try again.
        WriteLog(QStringLiteral("Card slip picture not saved"));
        return;
    }
    hide();
}

TfrmCardApprList *CardSlipWindow()
{
    return g_cardSlip;
}

void procCardApprList(const QString &ordNo, const QString &gubun)
{
    CardSlip slip;
    if (!LoadCardSlip(ordNo, gubun, slip))
        return;
    if (!g_cardSlip)
        g_cardSlip = qobject_cast<TfrmCardApprList *>(frmCardApprList);
    if (!g_cardSlip)
        g_cardSlip = new TfrmCardApprList(FRM_MAIN);
    g_cardSlip->showSlip(slip);
}

// ---- promotion popup

TfrmChrome::TfrmChrome(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfrmChrome"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Scaled(394), Scaled(520));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    picture = new QLabel(QStringLiteral("행사 안내"), this);
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background:#E4ECF7;font-size:16pt;"));
    root->addWidget(picture, 1);
    auto *links = new QHBoxLayout;
    cxImage3 = new QLabel(QStringLiteral("<a href=\"card\">카드 혜택 보기</a>"), this);
    cxImage2 = new QLabel(QStringLiteral("<a href=\"post\">이용 후기 보기</a>"), this);
    links->addWidget(cxImage3);
    links->addStretch();
    links->addWidget(cxImage2);
    root->addLayout(links);
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(Scaled(8), Scaled(4), Scaled(8), Scaled(8));
    CheckBox1 = new QCheckBox(QStringLiteral("3일간 다시보지 않기"), this);
    AdvGlowButton1 = new QPushButton(QStringLiteral("닫기"), this);
    bar->addWidget(CheckBox1);
    bar->addStretch();
    bar->addWidget(AdvGlowButton1);
    root->addLayout(bar);
    const auto open = [](const QString &path) {
        const QString url = PageUrl(PageHost(PageHostKey::kMain), path);
        if (IsWebAddress(url))
            QDesktopServices::openUrl(QUrl(url));
    };
    connect(cxImage3, &QLabel::linkActivated, this, [open] { open(QStringLiteral("/promo/card.html")); });
    connect(cxImage2, &QLabel::linkActivated, this, [open] { open(QStringLiteral("/promo/post.html")); });
    connect(CheckBox1, &QCheckBox::clicked, this, &TfrmChrome::CheckBox1Click);
    connect(AdvGlowButton1, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmChrome::CheckBox1Click()
{
    if (G_INI)
        G_INI->WriteString(QStringLiteral("User"), QStringLiteral("dtAdPopUp"),
                           PromotionHideUntil(CheckBox1->isChecked(), AppClock::now().date()));
}

void TfrmChrome::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (PromotionStaysHidden(G_USER_SET.dtAdPopUp, AppClock::now()))
        QMetaObject::invokeMethod(this, &QDialog::close, Qt::QueuedConnection);
}
