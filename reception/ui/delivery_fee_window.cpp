// The reception window's delivery fee: asked of the server whenever an input may have changed,
// shown on the fee line, its label and the distance.
#include "reception/ui/accept_window.h"

#include "common/program_globals.h"
#include "common/message_box.h"
#include "reference/edition_table.h"
#include "reference/page_addresses.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QTabWidget>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QUrl>

namespace
{
// Click and double-click handlers of labels, which have no signals of their own.
class FeeLabelClicks : public QObject
{
public:
    FeeLabelClicks(QObject *parent, std::function<void(QObject *, QEvent::Type)> onClick)
        : QObject(parent), m_onClick(std::move(onClick))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick)
            m_onClick(watched, event->type());
        return false;
    }

private:
    std::function<void(QObject *, QEvent::Type)> m_onClick;
};

// The breakdown box sits over the top right of the item list, in front, with room for its lines.
void placeFeeBreakdown(QWidget *box, QWidget *over)
{
    const QPoint at = over->mapTo(box->parentWidget(), QPoint(over->width(), 0));
    box->resize(280, 150);
    box->move(qMax(0, at.x() - box->width()), at.y());
    box->show();
    box->raise();
}

void setFeeLabelLook(QLabel *label, const char *background, int pointSize)
{
    label->setStyleSheet(QStringLiteral("background-color: %1; font-size: %2pt;").arg(QLatin1String(background)).arg(pointSize));
}
} // namespace

void TFRM_ACCEPT::bindDeliveryFee()
{
    CMM_DVRY_CHARGE->setReadOnly(true);
    CGB_DVRY_CHARGE->setAutoFillBackground(true);
    auto *close = new QPushButton(QStringLiteral("닫기"), CGB_DVRY_CHARGE);
    close->setObjectName(QStringLiteral("cxButton16"));
    CGB_DVRY_CHARGE->layout()->addWidget(close);
    connect(close, &QPushButton::clicked, CGB_DVRY_CHARGE, &QWidget::hide);
    CCE_BASE_FEE->setSpecialValueText(QString::fromUtf8(kFeeAfterDispatch));
    CCE_BASE_FEE->setMinimum(-1);
    connect(CM_ADDR_DETAIL, &QLineEdit::editingFinished, this, [this] { proc_Delivery_Charge(false); });
    connect(CCB_O8, &QComboBox::currentIndexChanged, this, [this] { proc_Delivery_Charge(false); });
    connect(CCB_DEL_CNT, &QComboBox::currentIndexChanged, this, [this] { proc_Delivery_Charge(false); });
    connect(CSE_DEL_FEE, &QSpinBox::editingFinished, this, &TFRM_ACCEPT::proc_Fee_Floor);
    connect(CBT_MAP, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Open_Map);
    auto *clicks = new FeeLabelClicks(this, [this](QObject *w, QEvent::Type type) {
        if (w == cxLabel4 && type == QEvent::MouseButtonRelease && !CMM_DVRY_CHARGE->toPlainText().trimmed().isEmpty()) {
            placeFeeBreakdown(CGB_DVRY_CHARGE, CTL_GOODS);
        } else if (w == cxLabel8 && type == QEvent::MouseButtonDblClick) {
            for (QLineEdit *e : {CTE_ADDR_NAME, CTE_ADDR_NAME_OLD, CTE_ADDR_NAME_NEW, CTE_CU_MAP_X, CTE_CU_MAP_Y, CM_ADDR_DETAIL})
                e->clear();
            CTE_ADDR1->setToolTip(QString());
            CTE_DIS->setText(QStringLiteral("0"));
            CLB_DIS->setText(QStringLiteral("0.000km"));
        }
    });
    cxLabel4->installEventFilter(clicks);
    cxLabel8->installEventFilter(clicks);
}

void TFRM_ACCEPT::proc_Delivery_Charge(bool recordOnly)
{
    if (!recordOnly) {
        if (!GB_CAL_CHARGE)
            return;
        CCE_BASE_FEE->setValue(CCE_BASE_FEE->minimum());  // "decided after dispatch"
    }
    DeliveryFeeInputs in;
    in.storeCode = CTE_ST_NO->text();
    const QVariant group = CCB_O8->currentData();
    in.groupCode = group.isValid() && !group.isNull() ? group.toString() : QString();
    if (group.isValid() && !group.isNull() && in.groupCode.isNull())
        in.groupCode = QLatin1String("");
    in.storeLat = CTE_ST_MAX_Y->text();
    in.storeLng = CTE_ST_MAX_X->text();
    in.customerLat = CTE_CU_MAP_Y->text();
    in.customerLng = CTE_CU_MAP_X->text();
    in.deliveryCountClass = CCB_DEL_CNT->currentData().isValid() ? CCB_DEL_CNT->currentData().toString()
                                                                  : QString::number(CCB_DEL_CNT->currentIndex() + 1);
    in.lotAddr = CTE_ADDR_NAME_OLD->text();
    in.detailAddr = CM_ADDR_DETAIL->text();
    in.roadAddr = CTE_ADDR_NAME_NEW->text();
    in.appAddr = CTE_AREA7->text();
    in.adminDong = CTE_CU_ADDR.value(0) ? CTE_CU_ADDR.value(0)->text() : QString();
    in.bundleCount = edtOrdCount->text();
    feeCache.last() = GS_DELIVERY_CHARGE;
    if (recordOnly) {
        feeCache.record(in);
        GS_DELIVERY_CHARGE = feeCache.last();
        return;
    }
    const std::optional<QString> reply = feeCache.ask(in);
    GS_DELIVERY_CHARGE = feeCache.last();
    if (!reply)
        return;
    const DeliveryFeeResult r = ReadDeliveryFeeReply(*reply, edSTAddPrice->text());
    if (!r.ok)
        return;
    CMM_DVRY_CHARGE->setPlainText(r.breakdown);
    static const QStringList dispatched = {QStringLiteral("3001"), QStringLiteral("4001"), QStringLiteral("3003"),
                                           QStringLiteral("4002")};
    if (dispatched.contains(GS_ST_CD) && !GS_WK_CODE.isEmpty())
        CCE_BASE_FEE->setValue(int(r.managementFee.toLongLong()));
    const bool delivery = CRB_ORD->isChecked();
    const QString feeWord = G_ED_FEE_WORD.at(G_EDITION_IDX);
    cxLabel4->setText(DeliveryFeeLabelText(delivery, r.surcharge, feeWord));
    if (delivery && r.surcharge > 0)
        setFeeLabelLook(cxLabel4, "#FF6A6A", 11);
    else
        setFeeLabelLook(cxLabel4, "#E9EEF5", 12);
    CSE_DEL_FEE->setMinimum(0);
    CSE_DEL_FEE->setValue(int(qBound(qint64(0), r.fee, qint64(CSE_DEL_FEE->maximum()))));
    CTE_DIS->setText(QString::number(r.distance, 'g', 15));
    CLB_DIS->setText(DeliveryDistanceText(r.distance));
    placeFeeBreakdown(CGB_DVRY_CHARGE, CTL_GOODS);
}

// A fee below the store's support amount is raised to it.
void TFRM_ACCEPT::proc_Fee_Floor()
{
    bool ok = false;
    const int support = edSTAddPrice->text().trimmed().toInt(&ok);
    if (ok && CSE_DEL_FEE->value() < support)
        CSE_DEL_FEE->setValue(support);
}

// The customer's position on the map page; only an http(s) address is opened.
void TFRM_ACCEPT::proc_Open_Map()
{
    if (CTE_CU_MAP_X->text().isEmpty() || CTE_CU_MAP_Y->text().isEmpty()) {
        MsgBox(QStringLiteral("고객 위치가 없습니다."), QStringLiteral("I"));
        return;
    }
    cxPageControl1->setProperty("Tag", 1);
    cxPageControl1->setCurrentIndex(3);
    cxPageControl1->setProperty("Tag", 0);
    cxPageControl2->setCurrentIndex(0);
    const QUrl url = CustomerMapUrl(G_URL_ADDR_MAP, CTE_CU_MAP_X->text(), CTE_CU_MAP_Y->text(), CTE_ST_MAX_X->text(),
                                    CTE_ST_MAX_Y->text());
    if (QWidget *map = cxPageControl2->findChild<QWidget *>(QStringLiteral("CRM_MAP")))
        map->setProperty("url", url);
    if (url.isValid() && !url.isEmpty() && !QGuiApplication::platformName().startsWith(QLatin1String("offscreen")))
        QDesktopServices::openUrl(url);
}
