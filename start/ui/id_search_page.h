#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QWebEngineView;

// "아이디/비밀번호찾기": the service's ID and password search page in an embedded browser. The
// page closes itself with an alert whose text is "close".
class TFRM_IDSEARCH : public QDialog
{
    Q_OBJECT
public:
    explicit TFRM_IDSEARCH(QWidget *parent = nullptr);

    QWebEngineView *Chromium1 = nullptr;
    QPushButton *btnClose = nullptr;

    void loadPage(const QString &url);
    // A JavaScript alert of the page; true when it was the page's request to close.
    bool Chromium1Jsdialog(const QString &message);
    void btnCloseClick();
};

extern TFRM_IDSEARCH *FRM_IDSEARCH;
