#include "devices/ui/printer_settings_frame.h"

#include "devices/escpos_copies.h"
#include "devices/escpos_sender.h"
#include "devices/printer_slot_settings.h"
#include "records/device_records.h"
#include "records/reference_lookups.h"
#include "start/device_start.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
QString flagOf(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QGroupBox *frameGroup(const QString &caption, QLayout *layout)
{
    auto *g = new QGroupBox(caption);
    g->setLayout(layout);
    return g;
}

QCheckBox *frameCheck(const QString &text, const char *name)
{
    auto *c = new QCheckBox(text);
    c->setObjectName(QLatin1String(name));
    return c;
}

QRadioButton *frameRadio(const QString &text, const char *name)
{
    auto *r = new QRadioButton(text);
    r->setObjectName(QLatin1String(name));
    return r;
}

void frameSelectText(QComboBox *box, const QString &value)
{
    if (value.isEmpty())
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    else
        box->setCurrentIndex(box->findText(value));
}
} // namespace

TFRM_PRINT_SET::TFRM_PRINT_SET(int slotIndex, Hooks hooks, QWidget *parent)
    : QGroupBox(QStringLiteral("프린터기%1").arg(slotIndex + 1), parent), m_slot(slotIndex), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("CGB_NAME"));
    auto *top = new QVBoxLayout(this);

    CCB_USE = frameCheck(QStringLiteral("사용"), "CCB_USE");
    CBT_CU_TEL = new QPushButton(QStringLiteral("테스트"));
    CBT_CU_TEL->setObjectName(QStringLiteral("CBT_CU_TEL"));
    auto *useRow = new QHBoxLayout;
    useRow->addWidget(CCB_USE);
    useRow->addStretch();
    useRow->addWidget(CBT_CU_TEL);
    top->addLayout(useRow);

    // Connection kind and its details.
    CRB_SERIAL = frameRadio(QStringLiteral("Serial"), "CRB_SERIAL");
    CRB_ETHERNET = frameRadio(QStringLiteral("Ethernet"), "CRB_ETHERNET");
    CRB_USB = frameRadio(QStringLiteral("USB"), "CRB_USB");
    CRB_LPT = frameRadio(QStringLiteral("LPT"), "CRB_LPT");
    auto *kindRow = new QHBoxLayout;
    for (QRadioButton *r : {CRB_SERIAL, CRB_ETHERNET, CRB_USB, CRB_LPT})
        kindRow->addWidget(r);
    auto *kindGroup = frameGroup(QStringLiteral("연결방식"), kindRow);
    CRB_SERIAL->setChecked(true);

    CCB_COM_PORT = new QComboBox;
    CCB_COM_PORT->setObjectName(QStringLiteral("CCB_COM_PORT"));
    CCB_COM_RATE = new QComboBox;
    CCB_COM_RATE->setObjectName(QStringLiteral("CCB_COM_RATE"));
    CCB_COM_RATE->addItems({QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200"),
                            QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")});
    CCB_COM_RATE->setCurrentText(QStringLiteral("9600"));
    auto *comRow = new QHBoxLayout;
    comRow->addWidget(new QLabel(QStringLiteral("PORT")));
    comRow->addWidget(CCB_COM_PORT, 1);
    comRow->addWidget(new QLabel(QStringLiteral("속도")));
    comRow->addWidget(CCB_COM_RATE, 1);
    CGB_COM = frameGroup(QString(), comRow);

    CTE_IP = new QLineEdit;
    CTE_IP->setObjectName(QStringLiteral("CTE_IP"));
    CCE_PORT = new QSpinBox;
    CCE_PORT->setObjectName(QStringLiteral("CCE_PORT"));
    CCE_PORT->setRange(0, 65535);
    CCE_PORT->setValue(9100);
    auto *ipRow = new QHBoxLayout;
    ipRow->addWidget(new QLabel(QStringLiteral("IP")));
    ipRow->addWidget(CTE_IP, 2);
    ipRow->addWidget(new QLabel(QStringLiteral("Port")));
    ipRow->addWidget(CCE_PORT, 1);
    CGB_ETHERNET = frameGroup(QString(), ipRow);

    CCB_USB = new QComboBox;
    CCB_USB->setObjectName(QStringLiteral("CCB_USB"));
    auto *usbRow = new QHBoxLayout;
    usbRow->addWidget(new QLabel(QStringLiteral("USB")));
    usbRow->addWidget(CCB_USB, 1);
    CGB_USB = frameGroup(QString(), usbRow);
    CCB_LPT = new QComboBox;
    CCB_LPT->setObjectName(QStringLiteral("CCB_LPT"));
    auto *lptRow = new QHBoxLayout;
    lptRow->addWidget(new QLabel(QStringLiteral("LPT")));
    lptRow->addWidget(CCB_LPT, 1);
    CGB_LPT = frameGroup(QString(), lptRow);

    CRB_Epson = frameRadio(QStringLiteral("Epson"), "CRB_Epson");
    CRB_SynCrown = frameRadio(QStringLiteral("SynCrown"), "CRB_SynCrown");
    CRB_Epson->setChecked(true);
    auto *variantRow = new QHBoxLayout;
    variantRow->addWidget(CRB_Epson);
    variantRow->addWidget(CRB_SynCrown);
    auto *variantGroup = frameGroup(QStringLiteral("구분"), variantRow);

    cbGoodsGroup = new QComboBox;
    cbGoodsGroup->setObjectName(QStringLiteral("cbGoodsGroup"));
    cbGoodsGroup->addItem(QStringLiteral("전체상품"), QStringLiteral("0"));
    auto *groupRow = new QHBoxLayout;
    groupRow->addWidget(cbGoodsGroup);
    auto *goodsGroup = frameGroup(QStringLiteral("그룹상품"), groupRow);

    auto *connRow = new QHBoxLayout;
    connRow->addWidget(kindGroup);
    connRow->addWidget(variantGroup);
    top->addLayout(connRow);
    auto *detailRow = new QHBoxLayout;
    for (QWidget *w : {CGB_COM, CGB_ETHERNET, CGB_USB, CGB_LPT})
        detailRow->addWidget(w, 1);
    detailRow->addWidget(goodsGroup);
    top->addLayout(detailRow);

    // Options: when to print, what to print.
    CRB_AUTO = frameRadio(QStringLiteral("자동"), "CRB_AUTO");
    CRB_MANUAL = frameRadio(QStringLiteral("수동"), "CRB_MANUAL");
    CCB_BM_NO_PRINT = frameCheck(QStringLiteral("배민앱출력안함"), "CCB_BM_NO_PRINT");
    CRB_AUTO->setChecked(true);
    auto *autoRow = new QHBoxLayout;
    autoRow->addWidget(CRB_AUTO);
    autoRow->addWidget(CRB_MANUAL);
    autoRow->addWidget(CCB_BM_NO_PRINT);

    auto statusBox = [](QCheckBox *&c1001, QCheckBox *&c1005, QCheckBox *&c2001, QCheckBox *&c4001,
                        QRadioButton *&all, QRadioButton *&goods, const char *prefix, const char *modPrefix) {
        const QString p = QLatin1String(prefix);
        c1001 = frameCheck(QStringLiteral("접수"), (p + QStringLiteral("1001")).toLatin1().constData());
        c1005 = frameCheck(QStringLiteral("수정"), (p + QStringLiteral("1005")).toLatin1().constData());
        c2001 = frameCheck(QStringLiteral("요청"), (p + QStringLiteral("2001")).toLatin1().constData());
        c4001 = frameCheck(QStringLiteral("완료"), (p + QStringLiteral("4001")).toLatin1().constData());
        all = frameRadio(QStringLiteral("전체"), (QLatin1String(modPrefix) + QStringLiteral("ALL")).toLatin1().constData());
        goods = frameRadio(QStringLiteral("상품수정"),
                           (QLatin1String(modPrefix) + QStringLiteral("GOODS")).toLatin1().constData());
        auto *radios = new QButtonGroup(all);
        radios->addButton(all);
        radios->addButton(goods);
        all->setVisible(false);
        goods->setVisible(false);
        auto *grid = new QGridLayout;
        grid->addWidget(c1001, 0, 0);
        grid->addWidget(c2001, 0, 1);
        grid->addWidget(c4001, 0, 2);
        grid->addWidget(c1005, 1, 0);
        grid->addWidget(all, 1, 1);
        grid->addWidget(goods, 1, 2);
        return grid;
    };
    auto *dvry = frameGroup(QStringLiteral("배달출력"), statusBox(CCB_ST1001, CCB_ST1005, CCB_ST2001, CCB_ST4001,
                                                             CRB_MOD_ALL, CRB_MOD_GOODS, "CCB_ST", "CRB_MOD_"));
    auto *take = frameGroup(QStringLiteral("TakeOut출력"), statusBox(CCB_TST1001, CCB_TST1005, CCB_TST2001, CCB_TST4001,
                                                                   CRB_TMOD_ALL, CRB_TMOD_GOODS, "CCB_TST", "CRB_TMOD_"));

    CCB_CUST = frameCheck(QStringLiteral("고객용"), "CCB_CUST");
    CCB_STORE = frameCheck(QStringLiteral("매장용"), "CCB_STORE");
    CCB_KITCHEN = frameCheck(QStringLiteral("주방상품전체"), "CCB_KITCHEN");
    CCB_KITCHEN_GOOD = frameCheck(QStringLiteral("주방상품별"), "CCB_KITCHEN_GOOD");
    auto *copyGrid = new QGridLayout;
    copyGrid->addWidget(CCB_CUST, 0, 0);
    copyGrid->addWidget(CCB_STORE, 0, 1);
    copyGrid->addWidget(CCB_KITCHEN, 1, 0);
    copyGrid->addWidget(CCB_KITCHEN_GOOD, 1, 1);

    CCB_ST_ADDR = frameCheck(QStringLiteral("사업자주소"), "CCB_ST_ADDR");
    CCB_GOOD_BIG = frameCheck(QStringLiteral("상품폰트크게"), "CCB_GOOD_BIG");
    CCB_MEMO_BIG = frameCheck(QStringLiteral("메모폰트크게"), "CCB_MEMO_BIG");
    CCB_ST_BIZNO = frameCheck(QStringLiteral("사업자번호"), "CCB_ST_BIZNO");
    CCB_ST_CEONAME = frameCheck(QStringLiteral("대표자명"), "CCB_ST_CEONAME");
    CCB_ST_BIZNAME = frameCheck(QStringLiteral("사업자명"), "CCB_ST_BIZNAME");
    auto *itemGrid = new QGridLayout;
    itemGrid->addWidget(CCB_ST_ADDR, 0, 0);
    itemGrid->addWidget(CCB_GOOD_BIG, 0, 1);
    itemGrid->addWidget(CCB_MEMO_BIG, 0, 2);
    itemGrid->addWidget(CCB_ST_BIZNO, 1, 0);
    itemGrid->addWidget(CCB_ST_CEONAME, 1, 1);
    itemGrid->addWidget(CCB_ST_BIZNAME, 1, 2);

    auto *optionsLayout = new QGridLayout;
    optionsLayout->addWidget(frameGroup(QStringLiteral("영수증출력"), autoRow), 0, 0, 1, 2);
    optionsLayout->addWidget(dvry, 1, 0);
    optionsLayout->addWidget(take, 1, 1);
    optionsLayout->addWidget(frameGroup(QStringLiteral("영수증선택"), copyGrid), 2, 0);
    optionsLayout->addWidget(frameGroup(QStringLiteral("출력항목"), itemGrid), 2, 1);
    auto *options = new QWidget;
    options->setObjectName(QStringLiteral("cxGroupBox1"));
    options->setLayout(optionsLayout);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    top->addWidget(options);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setSingleShot(true);

    m_useGroups = {CBT_CU_TEL, kindGroup, CGB_COM, CGB_ETHERNET, CGB_USB, CGB_LPT, variantGroup, options};
    setGroupsEnabled(false);
    showKind(0);

    connect(CCB_USE, &QCheckBox::clicked, this, &TFRM_PRINT_SET::useClicked);
    const QList<QRadioButton *> kinds = {CRB_SERIAL, CRB_ETHERNET, CRB_USB, CRB_LPT};
    for (int k = 0; k < kinds.size(); ++k) {
        connect(kinds[k], &QRadioButton::clicked, this, [this, k] {
            showKind(k);
            write(QStringLiteral("TYPE"), QString::number(k));
            if (k == 1) {
                CTE_IP->clear();
                CCE_PORT->setValue(9100);
            }
        });
    }
    connect(CCB_COM_PORT, &QComboBox::activated, this, [this] { write(QStringLiteral("NAME"), CCB_COM_PORT->currentText()); });
    connect(CCB_COM_RATE, &QComboBox::activated, this, [this] { write(QStringLiteral("RAGE"), CCB_COM_RATE->currentText()); });
    connect(CTE_IP, &QLineEdit::editingFinished, this, [this] { write(QStringLiteral("NAME"), CTE_IP->text()); });
    connect(CCE_PORT, &QSpinBox::editingFinished, this,
            [this] { write(QStringLiteral("RAGE"), QString::number(CCE_PORT->value())); });
    connect(CCB_USB, &QComboBox::activated, this, [this] { write(QStringLiteral("NAME"), CCB_USB->currentText()); });
    connect(CCB_LPT, &QComboBox::activated, this, [this] { write(QStringLiteral("NAME"), CCB_LPT->currentText()); });
    connect(CRB_Epson, &QRadioButton::clicked, this, [this] { write(QStringLiteral("GUBUN"), QStringLiteral("0")); });
    connect(CRB_SynCrown, &QRadioButton::clicked, this, [this] { write(QStringLiteral("GUBUN"), QStringLiteral("1")); });
    connect(CRB_AUTO, &QRadioButton::clicked, this, [this] {
        write(QStringLiteral("PRT_TYPE"), QStringLiteral("0"));
        CCB_BM_NO_PRINT->setVisible(true);
    });
    connect(CRB_MANUAL, &QRadioButton::clicked, this, [this] {
        write(QStringLiteral("PRT_TYPE"), QStringLiteral("1"));
        CCB_BM_NO_PRINT->setChecked(false);
        CCB_BM_NO_PRINT->setVisible(false);
        write(QStringLiteral("BM_NO_PRT"), QStringLiteral("0"));
    });
    const QList<QPair<QCheckBox *, const char *>> flagBoxes = {
        {CCB_BM_NO_PRINT, "BM_NO_PRT"},     {CCB_ST1001, "PRT_ST_1001"},    {CCB_ST2001, "PRT_ST_2001"},
        {CCB_ST4001, "PRT_ST_4001"},        {CCB_TST1001, "TPRT_ST_1001"},  {CCB_TST2001, "TPRT_ST_2001"},
        {CCB_TST4001, "TPRT_ST_4001"},      {CCB_ST_ADDR, "PRT_OUT_ST_ADDR"}, {CCB_GOOD_BIG, "GOODS_BIG"},
        {CCB_MEMO_BIG, "MEMO_BIG"},         {CCB_ST_BIZNAME, "BIZNAME"},    {CCB_ST_BIZNO, "BIZNO"},
        {CCB_ST_CEONAME, "CEONAME"},
    };
    for (const auto &[box, key] : flagBoxes) {
        const QString k = QLatin1String(key);
        connect(box, &QCheckBox::toggled, this, [this, k](bool on) { write(k, flagOf(on)); });
    }
    connect(CCB_ST1005, &QCheckBox::toggled, this, [this] { modClicked(false); });
    connect(CCB_TST1005, &QCheckBox::toggled, this, [this] { modClicked(true); });
    connect(CRB_MOD_ALL, &QRadioButton::clicked, this, [this] { write(QStringLiteral("PRT_ST_1002_1"), QStringLiteral("1")); });
    connect(CRB_MOD_GOODS, &QRadioButton::clicked, this, [this] { write(QStringLiteral("PRT_ST_1002_1"), QStringLiteral("2")); });
    connect(CRB_TMOD_ALL, &QRadioButton::clicked, this, [this] { write(QStringLiteral("TPRT_ST_1002_1"), QStringLiteral("1")); });
    connect(CRB_TMOD_GOODS, &QRadioButton::clicked, this, [this] { write(QStringLiteral("TPRT_ST_1002_1"), QStringLiteral("2")); });
    for (QCheckBox *c : {CCB_CUST, CCB_STORE, CCB_KITCHEN, CCB_KITCHEN_GOOD})
        connect(c, &QCheckBox::toggled, this, [this] { writeCopies(); });
    connect(cbGoodsGroup, &QComboBox::activated, this,
            [this] { write(QStringLiteral("PRT_GRP"), cbGoodsGroup->currentData().toString().left(15)); });
    connect(CBT_CU_TEL, &QPushButton::clicked, this, &TFRM_PRINT_SET::testClick);
    connect(Timer1, &QTimer::timeout, this, &TFRM_PRINT_SET::printTestPage);
}

void TFRM_PRINT_SET::setPorts(const QStringList &ports)
{
    CCB_COM_PORT->clear();
    CCB_COM_PORT->addItems(ports);
}

void TFRM_PRINT_SET::setPrinters(const QStringList &printers)
{
    CCB_USB->clear();
    CCB_USB->addItems(printers);
    CCB_LPT->clear();
    CCB_LPT->addItems(printers);
}

void TFRM_PRINT_SET::setGoodsGroups(const QList<QPair<QString, QString>> &groups)
{
    cbGoodsGroup->clear();
    cbGoodsGroup->addItem(QStringLiteral("전체상품"), QStringLiteral("0"));
    for (const auto &[code, name] : groups)
        cbGoodsGroup->addItem(name, code);
}

void TFRM_PRINT_SET::write(const QString &key, const QString &value)
{
    if (m_loading)
        return;
    WritePrinterKey(m_hooks.ini, m_slot, key, value);
}

void TFRM_PRINT_SET::setGroupsEnabled(bool on)
{
    for (QWidget *w : m_useGroups)
        w->setEnabled(on);
}

void TFRM_PRINT_SET::showKind(int kind)
{
    CGB_COM->setVisible(kind == 0);
    CGB_ETHERNET->setVisible(kind == 1);
    CGB_USB->setVisible(kind == 2);
    CGB_LPT->setVisible(kind == 3);
}

void TFRM_PRINT_SET::useClicked(bool checked)
{
    setGroupsEnabled(checked);
    write(QStringLiteral("USE"), flagOf(checked));
    if (checked && !m_loading) {
        // A newly used slot prints delivery orders on receipt and take-out orders on request.
        CCB_ST1001->setChecked(true);
        CCB_ST2001->setChecked(false);
        CCB_ST1005->setChecked(false);
        CCB_ST4001->setChecked(false);
        CCB_TST1001->setChecked(false);
        CCB_TST2001->setChecked(true);
        CCB_TST1005->setChecked(false);
        CCB_TST4001->setChecked(false);
        // Each box writes its key even when it already showed the default.
        for (const auto &[box, key] : QList<QPair<QCheckBox *, const char *>>{
                 {CCB_ST1001, "PRT_ST_1001"}, {CCB_ST2001, "PRT_ST_2001"}, {CCB_ST1005, "PRT_ST_1002"},
                 {CCB_ST4001, "PRT_ST_4001"}, {CCB_TST1001, "TPRT_ST_1001"}, {CCB_TST2001, "TPRT_ST_2001"},
                 {CCB_TST1005, "TPRT_ST_1002"}, {CCB_TST4001, "TPRT_ST_4001"}})
            write(QLatin1String(key), flagOf(box->isChecked()));
    }
    if (!m_loading && m_hooks.setPrintButtonEnabled)
        m_hooks.setPrintButtonEnabled(AnyPrinterUsed());
}

void TFRM_PRINT_SET::modClicked(bool takeout)
{
    QCheckBox *box = takeout ? CCB_TST1005 : CCB_ST1005;
    QRadioButton *all = takeout ? CRB_TMOD_ALL : CRB_MOD_ALL;
    QRadioButton *goods = takeout ? CRB_TMOD_GOODS : CRB_MOD_GOODS;
    const TPRINT_SET &p = G_PRINT_SET[size_t(m_slot)];
    const QString mode = takeout ? QString(p.TPRT_ST_1002_1) : QString(p.PRT_ST_1002_1);
    if (box->isChecked()) {
        auto *group = all->group();
        if (group)
            group->setExclusive(false);
        all->setChecked(mode == QLatin1String("1"));
        goods->setChecked(mode == QLatin1String("2"));
        if (group)
            group->setExclusive(true);
    }
    all->setVisible(box->isChecked());
    goods->setVisible(box->isChecked());
    write(takeout ? QStringLiteral("TPRT_ST_1002") : QStringLiteral("PRT_ST_1002"), flagOf(box->isChecked()));
}

void TFRM_PRINT_SET::writeCopies()
{
    write(QStringLiteral("PRT_OUT"), PrinterCopiesText(CCB_CUST->isChecked(), CCB_STORE->isChecked(),
                                                       CCB_KITCHEN->isChecked(), CCB_KITCHEN_GOOD->isChecked()));
}

void TFRM_PRINT_SET::load()
{
    const TPRINT_SET &p = G_PRINT_SET[size_t(m_slot)];
    m_loading = true;
    CCB_USE->setChecked(p.Use_yn);
    setGroupsEnabled(p.Use_yn);
    (p.IGubun == 1 ? CRB_SynCrown : CRB_Epson)->setChecked(true);
    const QList<QRadioButton *> kinds = {CRB_SERIAL, CRB_ETHERNET, CRB_USB, CRB_LPT};
    const int kind = p.iType >= 0 && p.iType < 4 ? p.iType : 0;
    kinds[kind]->setChecked(true);
    showKind(kind);
    if (kind == 1) {
        CTE_IP->setText(p.PRTNAME);
        bool ok = false;
        const int port = QString(p.Rate).toInt(&ok);
        CCE_PORT->setValue(ok && port > 0 && port < 65536 ? port : 9100);
    } else if (kind == 2) {
        frameSelectText(CCB_USB, p.PRTNAME);
    } else if (kind == 3) {
        frameSelectText(CCB_LPT, p.PRTNAME);
    } else {
        frameSelectText(CCB_COM_PORT, p.PRTNAME);
        frameSelectText(CCB_COM_RATE, p.Rate);
    }
    const bool manual = QString(p.PRT_TYPE) == QLatin1String("1");
    (manual ? CRB_MANUAL : CRB_AUTO)->setChecked(true);
    CCB_BM_NO_PRINT->setVisible(!manual);
    auto on = [](const QString &flag) { return flag == QLatin1String("1"); };
    CCB_BM_NO_PRINT->setChecked(on(p.BM_NO_PRT));
    CCB_ST1001->setChecked(on(p.PRT_ST_1001));
    CCB_ST2001->setChecked(on(p.PRT_ST_2001));
    CCB_ST4001->setChecked(on(p.PRT_ST_4001));
    CCB_ST1005->setChecked(on(p.PRT_ST_1002));
    CCB_TST1001->setChecked(on(p.TPRT_ST_1001));
    CCB_TST2001->setChecked(on(p.TPRT_ST_2001));
    CCB_TST4001->setChecked(on(p.TPRT_ST_4001));
    CCB_TST1005->setChecked(on(p.TPRT_ST_1002));
    // The radios of the modification print follow their boxes (nothing is written while loading).
    modClicked(false);
    modClicked(true);
    CCB_ST_ADDR->setChecked(on(p.PRT_OUT_ST_ADDR));
    CCB_GOOD_BIG->setChecked(on(p.GOODS_BIG));
    CCB_MEMO_BIG->setChecked(on(p.MEMO_BIG));
    CCB_ST_BIZNAME->setChecked(on(p.BIZNAME));
    CCB_ST_BIZNO->setChecked(on(p.BIZNO));
    CCB_ST_CEONAME->setChecked(on(p.CEONAME));
    const QString out = p.PRT_OUT;
    CCB_CUST->setChecked(PrinterCopyOn(out, 0));
    CCB_STORE->setChecked(PrinterCopyOn(out, 1));
    CCB_KITCHEN->setChecked(PrinterCopyOn(out, 2));
    CCB_KITCHEN_GOOD->setChecked(PrinterCopyOn(out, 3));
    cbGoodsGroup->setCurrentIndex(qMax(0, cbGoodsGroup->findData(QString(p.PRT_GRP))));
    m_loading = false;
}

void TFRM_PRINT_SET::testClick()
{
    TPRINT_SET &p = G_PRINT_SET[size_t(m_slot)];
    QString name = p.PRTNAME;
    QString rate = p.Rate;
    switch (p.iType) {
    case 0:
        name = CCB_COM_PORT->currentText();
        rate = CCB_COM_RATE->currentText();
        break;
    case 1:
        name = CTE_IP->text();
        rate = QString::number(CCE_PORT->value());
        break;
    case 2:
        name = CCB_USB->currentText();
        break;
    case 3:
        name = CCB_LPT->currentText();
        break;
    default:
        break;
    }
    // The next receipt connects afresh with what is stored now.
    if (m_hooks.sender)
        m_hooks.sender->closeSlot(m_slot);
    write(QStringLiteral("RAGE"), rate);
    write(QStringLiteral("NAME"), name);
    write(QStringLiteral("PRT_TYPE"), CRB_AUTO->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    write(QStringLiteral("GUBUN"), QString::number(p.IGubun));
    write(QStringLiteral("PRT_ST_1001"), flagOf(CCB_ST1001->isChecked()));
    write(QStringLiteral("PRT_ST_1002"), flagOf(CCB_ST1005->isChecked()));
    writeCopies();
    Timer1->start();
}

void TFRM_PRINT_SET::printTestPage()
{
    Timer1->stop();
    TPRINT_SET &p = G_PRINT_SET[size_t(m_slot)];
    const QDateTime now = QDateTime::currentDateTime();
    if (p.iType == 0 || p.iType == 1) {
        if (!m_hooks.sender)
            return;
        EscPosTarget target;
        target.kind = p.iType;
        target.name = p.PRTNAME;
        if (p.iType == 0) {
            target.rateOrPort = SelectedBaud(p.Rate);
        } else {
            bool ok = false;
            const int port = QString(p.Rate).toInt(&ok);
            target.rateOrPort = ok && port > 0 && port < 65536 ? port : 9100;
        }
        // The same page on both kinds: the network page too has its line ends.
        m_hooks.sender->send({m_slot, target, EscPosTestPage(now, true), QStringLiteral("TEST"), QString()});
    } else if ((p.iType == 2 || p.iType == 3) && m_hooks.systemTestPage) {
        m_hooks.systemTestPage(m_slot, {QStringLiteral("TEST"), QStringLiteral("인쇄일시 : ")
                                                                 + now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))});
    } else {
        return;
    }
    p.Use_yn = true;
}
