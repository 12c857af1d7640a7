#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

// The advertisement picture some editions show beside the login dialog; it follows the dialog
// when that is dragged.
class TfrmAd : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAd(QWidget *parent = nullptr);

    QLabel *cxImage1 = nullptr;
    QTimer Timer1;  // 500 ms, off at creation

    // The dialog to stay beside (top aligned, at its right edge).
    void follow(QWidget *dialog);
    void Timer1Timer();

    // Editions that show the picture.
    static bool ShownInEdition(int edition);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> m_dialog;
};

// The advertisement panel that the program start makes among its forms (null before); the login
// dialog docks it.
extern QWidget *frmAd;
