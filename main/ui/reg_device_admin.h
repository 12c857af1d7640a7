#pragma once

#include "main/shell_pages.h"

#include <QDialog>
#include <QList>

#include <functional>

class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The registered-devices window: lists the user's devices, renames one or changes its state, and
// registers this PC.
class TfrmRegDeviceAdmin : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRegDeviceAdmin(QWidget *parent = nullptr);

    QTableWidget *grdRegDevice = nullptr;
    QPushButton *btnRegDeviceSearch = nullptr, *btnRegDeviceReg = nullptr, *cxButton1 = nullptr;
    QFrame *pnlRegDeviceAuth = nullptr;
    QLineEdit *edtRegDeviceAuthDeviceName = nullptr;
    QRadioButton *rdoRegDeviceNomal = nullptr, *rdoRegDeviceStop = nullptr, *rdoRegDeviceDelete = nullptr;
    QPushButton *btnRegDeviceChange = nullptr, *btnRegDeviceCancel = nullptr;
    QString edtRegDeviceId, edtRegDeviceType, edtRegDeviceUserId;

    void btnRegDeviceSearchClick();
    void btnRegDeviceRegClick();
    void grdRegDeviceCellDblClick();
    void btnRegDeviceChangeClick();

    // The registration dialog (the PC registration of the login); tests replace it.
    static void SetRegistrationDialog(std::function<void(QWidget *parent)> run);

private:
    QList<RegDevice> m_rows;
};

// "인증단말기" of the today's-orders screen: the window, made when none is open (owned by owner),
// shown modally and freed when it closes.
void ShowRegDeviceAdmin(QWidget *owner);
// How the window is shown (modally by default); tests put their own here. Returns the previous.
using RegDeviceAdminRunner = std::function<void(TfrmRegDeviceAdmin *window)>;
RegDeviceAdminRunner SetRegDeviceAdminRunner(RegDeviceAdminRunner runner);
