#include "devices/ui/caller_id_settings_frame.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "devices/caller_id_vendor.h"
#include "devices/ui/caller_id_ports.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "settings/settings_file.h"
#include "start/device_start.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
const QStringList &cidRates()
{
    static const QStringList rates = {QStringLiteral("4800"),  QStringLiteral("9600"),  QStringLiteral("19200"),
                                      QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")};
    return rates;
}

QStringList systemPortNames()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}
} // namespace

TFRM_CID_SET::TFRM_CID_SET(int slot, QWidget *parent)
    : QWidget(parent)
    , Tag(slot)
{
    setObjectName(QStringLiteral("TFRM_CID_SET%1").arg(slot + 1));
    auto *root = new QVBoxLayout(this);
    CGB_NAME = new QGroupBox(slot == 0 ? QStringLiteral("CID장비1") : QStringLiteral("CID장비2"), this);
    CGB_NAME->setObjectName(QStringLiteral("CGB_NAME"));
    root->addWidget(CGB_NAME);
    auto *box = new QVBoxLayout(CGB_NAME);

    auto *top = new QHBoxLayout;
    CCB_USE = new QCheckBox(QStringLiteral("사용"), CGB_NAME);
    CCB_USE->setObjectName(QStringLiteral("CCB_USE"));
    CBT_SAVE = new QPushButton(QStringLiteral("저장"), CGB_NAME);
    CBT_SAVE->setObjectName(QStringLiteral("CBT_SAVE"));
    top->addWidget(CCB_USE);
    top->addStretch();
    top->addWidget(CBT_SAVE);
    box->addLayout(top);

    auto *model = new QHBoxLayout;
    model->addWidget(new QLabel(QStringLiteral("모델명"), CGB_NAME));
    auto *group = new QButtonGroup(this);
    auto radio = [&](const char *name, const QString &text, int type) {
        auto *b = new QRadioButton(text, CGB_NAME);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("Tag", type);
        group->addButton(b, type);
        model->addWidget(b);
        connect(b, &QRadioButton::clicked, this, [this, type] { CRB_BURMIClick(type); });
        return b;
    };
    CRB_BURMI = radio("CRB_BURMI", QStringLiteral("부르미"), 0);
    CRB_CALLSTAR = radio("CRB_CALLSTAR", QStringLiteral("콜스타"), 1);
    CRB_SEEID = radio("CRB_SEEID", QStringLiteral("SEE-ID"), 2);
    CRB_SEEID4 = radio("CRB_SEEID4", QStringLiteral("SEE-ID4"), 3);
    CRB_SUNPO = radio("CRB_SUNPO", QStringLiteral("선포전자"), 4);
    CRB_SUNPO->setVisible(slot == 0);
    model->addStretch();
    box->addLayout(model);

    auto *ports = new QHBoxLayout;
    ports->addWidget(new QLabel(QStringLiteral("PORT"), CGB_NAME));
    CCB_COM_PORT = new QComboBox(CGB_NAME);
    CCB_COM_PORT->setObjectName(QStringLiteral("CCB_COM_PORT"));
    CCB_COM_PORT->setMinimumContentsLength(8);
    ports->addWidget(CCB_COM_PORT);
    ports->addWidget(new QLabel(QStringLiteral("속도"), CGB_NAME));
    CCB_COM_RATE = new QComboBox(CGB_NAME);
    CCB_COM_RATE->setObjectName(QStringLiteral("CCB_COM_RATE"));
    CCB_COM_RATE->addItems(cidRates());
    ports->addWidget(CCB_COM_RATE);
    ports->addStretch();
    box->addLayout(ports);

    box->addWidget(new QLabel(QStringLiteral("채널설정"), CGB_NAME));
    CTV_CID_SET = new QTableWidget(TCOM_CID_INFO::kChannels, 3, CGB_NAME);
    CTV_CID_SET->setObjectName(QStringLiteral("CTV_CID_SET"));
    CTV_CID_SET->setHorizontalHeaderLabels({QStringLiteral("채널번호"), QStringLiteral("가맹점명"), QStringLiteral("대표번호설명")});
    CTV_CID_SET->verticalHeader()->setVisible(false);
    CTV_CID_SET->horizontalHeader()->setStretchLastSection(true);
    CTV_CID_SET->setColumnWidth(1, 180);
    for (int r = 0; r < TCOM_CID_INFO::kChannels; ++r) {
        auto *name = new QTableWidgetItem(QStringLiteral("채널") + QString::number(r + 1));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        CTV_CID_SET->setItem(r, 0, name);
        auto *store = new QComboBox(CTV_CID_SET);
        store->setObjectName(QStringLiteral("cbStore%1").arg(r));
        CTV_CID_SET->setCellWidget(r, 1, store);
        CTV_CID_SET->setItem(r, 2, new QTableWidgetItem());
    }
    box->addWidget(CTV_CID_SET, 1);

    connect(CCB_USE, &QCheckBox::clicked, this, [this] { CCB_USEClick(); });
    connect(CCB_COM_PORT, &QComboBox::activated, this, [this] { CCB_COM_PORTClick(); });
    connect(CCB_COM_RATE, &QComboBox::activated, this, [this] { CCB_COM_RATEClick(); });
    connect(CBT_SAVE, &QPushButton::clicked, this, [this] { CBT_SAVEClick(); });

    setPortNames(systemPortNames());
    fillFromRecords();
}

QString TFRM_CID_SET::section() const
{
    return QStringLiteral("COMCID%1").arg(Tag + 1);
}

void TFRM_CID_SET::writeKey(const QString &key, const QString &value)
{
    if (G_INI)
        G_INI->WriteString(section(), key, value);
}

QRadioButton *TFRM_CID_SET::typeButton(int type) const
{
    switch (type) {
    case 0: return CRB_BURMI;
    case 1: return CRB_CALLSTAR;
    case 2: return CRB_SEEID;
    case 3: return CRB_SEEID4;
    case 4: return CRB_SUNPO;
    default: return nullptr;
    }
}

void TFRM_CID_SET::setPortNames(const QStringList &names)
{
    const QString current = CCB_COM_PORT->currentText();
    CCB_COM_PORT->clear();
    CCB_COM_PORT->addItems(names);
    const int at = CCB_COM_PORT->findText(current);
    if (at >= 0)
        CCB_COM_PORT->setCurrentIndex(at);
}

void TFRM_CID_SET::fillFromRecords()
{
    m_filling = true;
    const TCOM_CID_INFO &cid = G_COM_CID[size_t(Tag)];
    CCB_USE->setChecked(cid.Use_yn == QLatin1String("1"));
    if (QRadioButton *b = typeButton(cid.iType))
        b->setChecked(true);
    const QString port = cid.COMNAME.trimmed();
    CCB_COM_PORT->setCurrentIndex(port.isEmpty() ? (CCB_COM_PORT->count() > 0 ? 0 : -1) : CCB_COM_PORT->findText(port));
    const int rate = CCB_COM_RATE->findText(cid.Rate.trimmed());
    CCB_COM_RATE->setCurrentIndex(rate >= 0 ? rate : 0);
    for (int r = 0; r < TCOM_CID_INFO::kChannels; ++r) {
        auto *store = qobject_cast<QComboBox *>(CTV_CID_SET->cellWidget(r, 1));
        store->clear();
        store->addItem(QString(), QString());
        for (int i = 0; i < G_ST_LIST.count(); ++i)
            store->addItem(G_ST_LIST.at(i).ST_NAME, QString(G_ST_LIST.at(i).ST_CODE));
        setChannel(r, cid.CH[size_t(r)], cid.MSG[size_t(r)]);
    }
    m_filling = false;
}

QString TFRM_CID_SET::channelStore(int row) const
{
    auto *store = qobject_cast<QComboBox *>(CTV_CID_SET->cellWidget(row, 1));
    return store ? store->currentData().toString() : QString();
}

QString TFRM_CID_SET::channelText(int row) const
{
    const QTableWidgetItem *item = CTV_CID_SET->item(row, 2);
    return item ? item->text() : QString();
}

void TFRM_CID_SET::setChannel(int row, const QString &stCode, const QString &text)
{
    if (auto *store = qobject_cast<QComboBox *>(CTV_CID_SET->cellWidget(row, 1))) {
        const int at = store->findData(stCode.trimmed());
        store->setCurrentIndex(at >= 0 ? at : 0);
    }
    if (QTableWidgetItem *item = CTV_CID_SET->item(row, 2))
        item->setText(text);
}

void TFRM_CID_SET::CCB_USEClick()
{
    const QString use = CCB_USE->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    G_COM_CID[size_t(Tag)].Use_yn = use;
    writeKey(QStringLiteral("USE"), use);
}

void TFRM_CID_SET::CRB_BURMIClick(int type)
{
    G_COM_CID[size_t(Tag)].iType = type;
    writeKey(QStringLiteral("iType"), QString::number(type));
    const QString rate = type == 0 || type == 1 ? QStringLiteral("19200") : QStringLiteral("4800");
    CCB_COM_RATE->setCurrentIndex(CCB_COM_RATE->findText(rate));
}

void TFRM_CID_SET::CCB_COM_PORTClick()
{
    G_COM_CID[size_t(Tag)].COMNAME = CCB_COM_PORT->currentText().left(100);
    writeKey(QStringLiteral("COMNAME"), G_COM_CID[size_t(Tag)].COMNAME);
}

void TFRM_CID_SET::CCB_COM_RATEClick()
{
    G_COM_CID[size_t(Tag)].Rate = CCB_COM_RATE->currentText().left(10);
    writeKey(QStringLiteral("RATE"), G_COM_CID[size_t(Tag)].Rate);
}

void TFRM_CID_SET::CBT_SAVEClick()
{
    TCOM_CID_INFO &cid = G_COM_CID[size_t(Tag)];
    for (int r = 0; r < TCOM_CID_INFO::kChannels; ++r) {
        cid.CH[size_t(r)] = channelStore(r).left(10);
        cid.MSG[size_t(r)] = channelText(r).left(100);
        writeKey(QStringLiteral("CH%1").arg(r), cid.CH[size_t(r)]);
        writeKey(QStringLiteral("MSG%1").arg(r), cid.MSG[size_t(r)]);
    }
    CCB_COM_RATEClick();
    CCB_COM_PORTClick();

    const bool inUse = cid.Use_yn == QLatin1String("1");
    if ((cid.iType == 0 || cid.iType == 1) && inUse) {
        QString error;
        if (reopenPort)
            error = reopenPort(Tag + 1, cid.COMNAME, SelectedBaud(cid.Rate));
        else if (CallerIdStartDevices *devices = InstalledCallerIdDevices())
            error = devices->openCallerIdPort(Tag + 1, cid.COMNAME, SelectedBaud(cid.Rate));
        else
            error = QStringLiteral("no serial port");
        if (!error.isEmpty()) {
            const QString text = cid.COMNAME + QStringLiteral(" 연결오류 : ") + error;
            WriteLog(text);
            MsgBox(text, QStringLiteral("I"));
        }
    } else if (cid.iType == 2 || cid.iType == 3) {
        OpenCidLibraryForSlot(Tag);
    }
    const bool restart = cid.Use_yn == QLatin1String("1") && (cid.iType == 2 || cid.iType == 3);
    MsgBox(restart ? QStringLiteral("저장했습니다.\r\n프로그램을 재시작해야 CID연결이 됩니다") : QStringLiteral("저장했습니다."),
           QStringLiteral("I"));
}
