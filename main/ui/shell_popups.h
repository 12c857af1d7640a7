#pragma once

#include "main/shell_pages.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWebEngineView;
class QWebEnginePage;

// An embedded browser that trusts what the program's web pages trust (system CAs and pinned
// deployment certificates), optionally with a page of the caller's.
QWebEngineView *MakeWebView(QWidget *parent, QWebEnginePage *page = nullptr);

// A screen that a later part of the program builds: its name and that it is not built yet.
QWidget *MakeScreenPlaceholder(const QString &userName, QWidget *parent);

// The home page board.
class TFRM_CHR_MAIN : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_CHR_MAIN(QWidget *parent = nullptr);
    QWebEngineView *CHR_MAIN = nullptr;
    QUrl lastRequested;
    // Loads url when it is a web address; false (nothing loaded) otherwise.
    bool loadHome(const QUrl &url);
};

// Courier-call popup.
class TFRM_WK_CALL_POP : public QDialog
{
    Q_OBJECT
public:
    explicit TFRM_WK_CALL_POP(QWidget *parent = nullptr);
    QLabel *CGB_GROUP_POPUP_TITLE = nullptr;
    QLineEdit *edtWkName = nullptr;
    QLineEdit *edtBrName = nullptr;
    QLineEdit *edtWkTel = nullptr;
    QLineEdit *edtWkStatusCnt = nullptr;
    QPushButton *btnClose = nullptr;
    void proc_ClearEdit();
    void fill(const CourierCallInfo &info);
};
extern TFRM_WK_CALL_POP *FRM_WK_CALL_POP;
// proc_GetWkCallInfo: asks for courier wkCode and fills the popup when it exists.
void proc_GetWkCallInfo(const QString &sWkCode);

// Card-slip window.
class TfrmCardApprList : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCardApprList(QWidget *parent = nullptr);
    QWidget *pnlMain = nullptr;
    QLineEdit *edtTranType = nullptr, *edtAcquireName = nullptr, *edtInstallMent = nullptr, *edtCardNum = nullptr,
              *edtApprovalDate = nullptr, *edtMoney = nullptr, *edtCupPrice = nullptr, *edtTax = nullptr,
              *edtTotalAmount = nullptr, *edtCardApprNum = nullptr, *edtShopBizNum = nullptr,
              *edtShopOwner = nullptr, *edtShopTel = nullptr, *edtShopName = nullptr;
    QPlainTextEdit *memShopAddress = nullptr;  // its tool tip holds the order number
    QPushButton *btnImgSave = nullptr;
    QPushButton *btnClose = nullptr;
    void showSlip(const CardSlip &slip);
    // Saves the slip picture into folder; the file's path, or empty when it could not be written.
    QString saveImage(const QString &folder);
    void btnImgSaveClick();
};
// procCardApprList: loads the order's payment slip and shows the window when it belongs to ordNo.
void procCardApprList(const QString &ordNo, const QString &gubun);
TfrmCardApprList *CardSlipWindow();

// Promotion popup.
class TfrmChrome : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmChrome(QWidget *parent = nullptr);
    QLabel *picture = nullptr;
    QLabel *cxImage3 = nullptr;
    QLabel *cxImage2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *AdvGlowButton1 = nullptr;
    void CheckBox1Click();

protected:
    void showEvent(QShowEvent *event) override;
};
