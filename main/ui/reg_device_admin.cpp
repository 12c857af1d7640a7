#include "main/ui/reg_device_admin.h"

#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/ui/form_lookup.h"
#include "main/shell_requests.h"
#include "start/ui/app_style.h"
#include "start/ui/pc_register_dialog.h"
#include "start/ui/window_drag.h"
#include "records/session_records.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace
{
std::function<void(QWidget *)> &registration()
{
    static std::function<void(QWidget *)> run;
    return run;
}
} // namespace

void TfrmRegDeviceAdmin::SetRegistrationDialog(std::function<void(QWidget *)> run)
{
    registration() = std::move(run);
}

TfrmRegDeviceAdmin::TfrmRegDeviceAdmin(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmRegDeviceAdmin"));
    setWindowTitle(QStringLiteral("인증단말기 관리"));
    resize(Scaled(620), Scaled(420));
    auto *root = new QVBoxLayout(this);
    auto *title = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("인증단말기 관리"), this);
    caption->setStyleSheet(QStringLiteral("font-weight:bold;font-size:12pt;"));
    MakeDragHandle(caption);
    title->addWidget(caption, 1);
    btnRegDeviceSearch = new QPushButton(QStringLiteral("조회"), this);
    btnRegDeviceReg = new QPushButton(QStringLiteral("등록"), this);
    cxButton1 = new QPushButton(QStringLiteral("X"), this);
    for (QPushButton *b : {btnRegDeviceSearch, btnRegDeviceReg, cxButton1}) {
        b->setAutoDefault(false);
        title->addWidget(b);
    }
    root->addLayout(title);
    grdRegDevice = new QTableWidget(0, 7, this);
    grdRegDevice->setObjectName(QStringLiteral("grdRegDevice"));
    grdRegDevice->setHorizontalHeaderLabels({QStringLiteral("사용자ID"), QStringLiteral("디바이스ID"),
                                             QStringLiteral("디바이스구분"), QStringLiteral("상태"),
                                             QStringLiteral("별칭"), QStringLiteral("등록일"),
                                             QStringLiteral("수정일시")});
    grdRegDevice->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRegDevice->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRegDevice->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRegDevice->setSortingEnabled(false);
    grdRegDevice->horizontalHeader()->setSectionsMovable(false);
    grdRegDevice->horizontalHeader()->setStretchLastSection(true);
    grdRegDevice->verticalHeader()->setVisible(false);
    for (int c : {0, 1, 6})
        grdRegDevice->setColumnHidden(c, true);
    root->addWidget(grdRegDevice, 1);

    pnlRegDeviceAuth = new QFrame(this);
    pnlRegDeviceAuth->setObjectName(QStringLiteral("pnlRegDeviceAuth"));
    pnlRegDeviceAuth->setFrameShape(QFrame::StyledPanel);
    pnlRegDeviceAuth->setAutoFillBackground(true);
    auto *pl = new QVBoxLayout(pnlRegDeviceAuth);
    pl->addWidget(new QLabel(QStringLiteral("접속가능 PC수정"), pnlRegDeviceAuth));
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("별칭"), pnlRegDeviceAuth));
    edtRegDeviceAuthDeviceName = new QLineEdit(pnlRegDeviceAuth);
    edtRegDeviceAuthDeviceName->setMaxLength(20);
    nameRow->addWidget(edtRegDeviceAuthDeviceName, 1);
    pl->addLayout(nameRow);
    auto *stateRow = new QHBoxLayout;
    rdoRegDeviceNomal = new QRadioButton(QStringLiteral("정상"), pnlRegDeviceAuth);
    rdoRegDeviceStop = new QRadioButton(QStringLiteral("정지"), pnlRegDeviceAuth);
    rdoRegDeviceDelete = new QRadioButton(QStringLiteral("삭제"), pnlRegDeviceAuth);
    rdoRegDeviceNomal->setChecked(true);
    stateRow->addWidget(rdoRegDeviceNomal);
    stateRow->addWidget(rdoRegDeviceStop);
    stateRow->addWidget(rdoRegDeviceDelete);
    pl->addLayout(stateRow);
    auto *btnRow = new QHBoxLayout;
    btnRegDeviceChange = new QPushButton(QStringLiteral("수정"), pnlRegDeviceAuth);
    btnRegDeviceCancel = new QPushButton(QStringLiteral("취소"), pnlRegDeviceAuth);
    btnRow->addStretch();
    btnRow->addWidget(btnRegDeviceChange);
    btnRow->addWidget(btnRegDeviceCancel);
    pl->addLayout(btnRow);
    pnlRegDeviceAuth->adjustSize();
    pnlRegDeviceAuth->hide();

    connect(btnRegDeviceSearch, &QPushButton::clicked, this, &TfrmRegDeviceAdmin::btnRegDeviceSearchClick);
    connect(btnRegDeviceReg, &QPushButton::clicked, this, &TfrmRegDeviceAdmin::btnRegDeviceRegClick);
    connect(cxButton1, &QPushButton::clicked, this, &QDialog::close);
    connect(grdRegDevice, &QTableWidget::cellDoubleClicked, this, [this] { grdRegDeviceCellDblClick(); });
    connect(btnRegDeviceChange, &QPushButton::clicked, this, &TfrmRegDeviceAdmin::btnRegDeviceChangeClick);
    connect(btnRegDeviceCancel, &QPushButton::clicked, pnlRegDeviceAuth, &QWidget::hide);
    PlaceWhenShown(this, WindowPlacement::Parent);
}

void TfrmRegDeviceAdmin::btnRegDeviceSearchClick()
{
    QList<RegDevice> rows;
    if (!LoadRegDevices(rows))
        return;
    m_rows = rows;
    grdRegDevice->setRowCount(0);
    grdRegDevice->setUpdatesEnabled(false);
    for (const RegDevice &d : rows) {
        const int r = grdRegDevice->rowCount();
        grdRegDevice->insertRow(r);
        const QStringList cells = {d.userId, d.deviceId, DeviceTypeText(d.deviceType), DeviceStatusText(d.authStatus),
                                   DeviceNickShown(d, G_USER_INFO.MC), DeviceDateShown(d.putDate), QString()};
        for (int c = 0; c < cells.size(); ++c)
            grdRegDevice->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    grdRegDevice->setUpdatesEnabled(true);
}

void TfrmRegDeviceAdmin::btnRegDeviceRegClick()
{
    if (registration()) {
        registration()(this);
    } else {
        TFRM_REG_DEVICE dialog(this);
        dialog.exec();
    }
    btnRegDeviceSearchClick();
}

void TfrmRegDeviceAdmin::grdRegDeviceCellDblClick()
{
    const int r = grdRegDevice->currentRow();
    if (r < 0 || r >= m_rows.size())
        return;
    const RegDevice &d = m_rows.at(r);
    edtRegDeviceId = d.deviceId;
    edtRegDeviceType = d.deviceType;
    edtRegDeviceUserId = d.userId;
    edtRegDeviceAuthDeviceName->setText(DeviceNickForEdit(grdRegDevice->item(r, 4)->text()));
    if (d.authStatus == QLatin1String("0"))
        rdoRegDeviceDelete->setChecked(true);
    else if (d.authStatus == QLatin1String("1"))
        rdoRegDeviceNomal->setChecked(true);
    else if (d.authStatus == QLatin1String("2"))
        rdoRegDeviceStop->setChecked(true);
    pnlRegDeviceAuth->adjustSize();
    pnlRegDeviceAuth->move((width() - pnlRegDeviceAuth->width()) / 2, (height() - pnlRegDeviceAuth->height()) / 2);
    pnlRegDeviceAuth->raise();
    pnlRegDeviceAuth->show();
}

void TfrmRegDeviceAdmin::btnRegDeviceChangeClick()
{
    const QString alias = edtRegDeviceAuthDeviceName->text();
    if (!DeviceNickFits(alias)) {
        MsgBox(QStringLiteral("별칭 최대 입력 글자를 초과하였습니다"), QStringLiteral("I"));
        edtRegDeviceAuthDeviceName->setFocus();
        return;
    }
    if (MsgBox(QStringLiteral("수정 하시겠습니까?"), QStringLiteral("Q")) != 1)
        return;
    const QString state = rdoRegDeviceDelete->isChecked() ? QStringLiteral("0")
                          : rdoRegDeviceNomal->isChecked() ? QStringLiteral("1")
                                                           : QStringLiteral("2");
    const DeviceChangeResult r = ChangeRegDevice(edtRegDeviceUserId, edtRegDeviceId, alias, state);
    if (r.noReply)
        return;
    if (!r.ok) {
        MsgBox(G_MSG_RESULT[0] + QStringLiteral("\r\n") + r.outMsg, QStringLiteral("I"));
        return;
    }
    MsgBox(QStringLiteral("처리되었습니다!"), QStringLiteral("I"));
    pnlRegDeviceAuth->hide();
    btnRegDeviceSearchClick();
}

namespace
{
RegDeviceAdminRunner &adminRunner()
{
    static RegDeviceAdminRunner runner;
    return runner;
}
} // namespace

RegDeviceAdminRunner SetRegDeviceAdminRunner(RegDeviceAdminRunner runner)
{
    return std::exchange(adminRunner(), std::move(runner));
}

void ShowRegDeviceAdmin(QWidget *owner)
{
    // One window at a time: an open one is shown again rather than a second made.
    QPointer<TfrmRegDeviceAdmin> window = qobject_cast<TfrmRegDeviceAdmin *>(FindFormByClass(QStringLiteral("TfrmRegDeviceAdmin")));
    if (!window)
        window = new TfrmRegDeviceAdmin(owner);
    if (adminRunner())
        adminRunner()(window);
    else
        window->exec();
    delete window.data();
}
