#include "dispatch/control_screen_core.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "orders/courier_refresh.h"
#include "orders/order_globals.h"
#include "orders/order_record.h"
#include "records/courier_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

namespace
{
const QString kNotAtWork = QStringLiteral("출근된 기사가 아닙니다.");

QString searchOf(const QString &text, const QString &hint)
{
    const QString t = text.trimmed();
    return t == hint.trimmed() ? QString() : t;
}
} // namespace

ControlScreenCore::ControlScreenCore(ControlVariant variant, QObject *parent)
    : QObject(parent),
      m_variant(variant),
      m_waiting(variant),
      m_couriers(variant),
      m_strip(variant)
{
    courierInputs.buttons = CourierStatusButtons::Initial(variant);
    courierInputs.nameHint = policy().nameHint;
    waitingInputs.addrHint = policy().addrHint;
    waitingInputs.storeHint = policy().storeHint;
}

ControlScreenCore::~ControlScreenCore() = default;

void ControlScreenCore::create()
{
    // Attendance names of the code group "WA".
    QHash<QString, QString> names;
    try {
        for (const TCOM_CODE_LIST &row : G_COM_CODE_LIST)
            if (row.SY_CODE == QLatin1String("WA"))
                names.insert(row.DT_CODE, row.DT_NAME);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_GetWorkAttendCode Error : ") + QString::fromLocal8Bit(e.what()));
    }
    m_couriers.setAttendNames(names);
    if (m_variant != ControlVariant::OrderCentred) {
        m_mapCenterCount = 999;
        if (refreshCourierList)
            refreshCourierList();
        proc_WorkReadInfo();
    }
    if (m_variant == ControlVariant::Map)
        proc_WorkChangeCount();
    m_created = true;
    proc_wk_filter();
    proc_Readycall_filter();
}

void ControlScreenCore::takeBranchInputs()
{
    waitingInputs.userClass = UserClass();
    waitingInputs.branchCodes = G_SL_ORD_FILTER[1];
    waitingInputs.deliveryGroups = G_SL_ORD_FILTER[2];
    waitingInputs.btob = QString(G_USER_INFO.BTOB_YN) == QLatin1String("Y");
    courierInputs.branchCodes = G_SL_ORD_FILTER[1];
}

void ControlScreenCore::setCounters()
{
    const CourierCounters next = CountersFromSlots(G_WK_CNT);
    if (m_variant == ControlVariant::Map && orderCounterTexts) {
        const auto texts = orderCounterTexts();
        m_lbl1001 = texts.first;
        m_lbl2001 = texts.second;
    }
    m_counters = next;
    emit countersChanged();
}

void ControlScreenCore::proc_AllWorkFirstRead()
{
    try {
        const QStringList changed = m_couriers.firstFill();
        for (const QString &code : changed)
            G_SL_WK_CHG[3].append(code);
        if (m_variant == ControlVariant::OrderCentred)
            G_SL_WK_CHG[2].clear();
        m_couriers.markSelected(m_lastWkCode);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_AllWorkFirstRead Error : ") + QString::fromLocal8Bit(e.what()));
    }
    setCounters();
}

void ControlScreenCore::proc_WorkReadInfo()
{
    try {
        const QStringList changed = m_couriers.readInfo(G_SL_WK_CHG[2].items());
        for (const QString &code : changed)
            G_SL_WK_CHG[3].append(code);
        // The courier screen's marker update drains the queue there; until the map draws
        // markers, the queue is emptied here on every screen.
        G_SL_WK_CHG[2].clear();
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_WorkReadInfo Error : ") + QString::fromLocal8Bit(e.what()));
    }
    setCounters();
}

void ControlScreenCore::proc_WorkChangeCount()
{
    try {
        const QStringList queue = G_SL_WK_CHG[1].items();
        if (queue.contains(m_lastWkCode))
            reloadStrip();
        const QStringList changed = m_couriers.changeCount(queue, cardSlots);
        if (m_variant != ControlVariant::Courier)
            for (const QString &code : changed)
                G_SL_WK_CHG[3].append(code);
        if (m_variant == ControlVariant::Map && changed.contains(m_lastWkCode))
            emit selectionChanged();
        G_SL_WK_CHG[1].clear();
        if (m_variant == ControlVariant::Map)
            proc_wk_filter();
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_WorkChangeCount Error : ") + QString::fromLocal8Bit(e.what()));
    }
    setCounters();
}

void ControlScreenCore::proc_WorkChangeInfo()
{
    try {
        switch (m_variant) {
        case ControlVariant::Map:
            proc_WorkChangeCount();
            reloadStrip();
            proc_ChangeAddTime();
            break;
        case ControlVariant::Courier:
            // The courier map is recentred once, on the second pass after a selection.
            ++m_mapCenterCount;
            proc_WorkChangeCount();
            reloadStrip();
            proc_ChangeAddTime();
            break;
        case ControlVariant::OrderCentred:
            ++m_mapCenterCount;
            if (!G_SL_WK_CHG[1].isEmpty()) {
                proc_WorkChangeCount();
                G_SL_WK_CHG[1].clear();
            }
            reloadStrip();
            setCounters();
            break;
        }
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_WorkChangeInfo Error : ") + QString::fromLocal8Bit(e.what()));
    }
}

void ControlScreenCore::proc_WorkEAddrChange()
{
    try {
        m_couriers.fillCards(cardSlots);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_WorkEAddrChange Error : ") + QString::fromLocal8Bit(e.what()));
    }
}

void ControlScreenCore::proc_wk_filter()
{
    if (m_variant == ControlVariant::Map && !m_created)
        return;
    takeBranchInputs();
    try {
        m_couriers.applyFilter(courierInputs);
    } catch (const std::exception &e) {
        if (m_variant == ControlVariant::Courier)
            WriteLog(QStringLiteral("proc_wk_filter Error : ") + QString::fromLocal8Bit(e.what()));
    }
    if (m_variant == ControlVariant::Map)
        updateMapMarks();
}

void ControlScreenCore::updateMapMarks()
{
    auto &couriers = G_MY_WORKER.MyWorkerArray;
    for (int i = 0; i < couriers.count(); ++i) {
        TMyWorker &w = couriers[i];
        const bool visible = CourierOnMap(w, m_couriers.attendText(w), courierInputs);
        const QString mark = visible ? QStringLiteral("S") : QStringLiteral("H");
        if (QString(w.WkMapMark2) != mark) {
            w.WkMapMark2 = mark;
            G_SL_WK_CHG[3].append(w.WkCode);
        }
    }
    if (!m_lastWkCode.isEmpty()) {
        const TMyWorker *w = couriers.find(m_lastWkCode);
        if (!w || !CourierOnMap(*w, m_couriers.attendText(*w), courierInputs))
            deselect();
    }
}

void ControlScreenCore::reloadStrip()
{
    m_strip.load(m_lastWkCode);
    emit stripChanged();
}

void ControlScreenCore::SetReadyCallUpdate(const TA1ORDER &order)
{
    try {
        m_waiting.fillRow(order, CurrentOrderLogin(), G_USER_SET.COOK_VIEW_TYPE);
    } catch (const std::exception &e) {
        if (m_variant == ControlVariant::Courier)
            WriteLog(QStringLiteral("proc_GetWorkAttendCode Error : ") + QString::fromLocal8Bit(e.what()));
    }
}

void ControlScreenCore::proc_Readycall_filter()
{
    takeBranchInputs();
    try {
        m_waiting.applyFilter(waitingInputs);
    } catch (const std::exception &e) {
        if (m_variant == ControlVariant::Courier)
            WriteLog(QStringLiteral("proc_Readycall_filter Error : ") + QString::fromLocal8Bit(e.what()));
    }
}

void ControlScreenCore::proc_ChangeAddTime()
{
    try {
        m_waiting.refreshTimes(G_MAP_ORDERS, G_USER_SET.COOK_VIEW_TYPE);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_ChangeAddTime : ") + QString::fromLocal8Bit(e.what()));
    }
}

void ControlScreenCore::proc_OrderChangeMultiInfo()
{
    if (m_variant != ControlVariant::OrderCentred)
        return;
    try {
        m_waiting.beginUpdate();
        for (const QString &no : G_SL_WK_CHG[7].items()) {
            const auto order = G_MAP_ORDERS.Find(no);
            if (order && m_waiting.hasRow(no))
                SetReadyCallUpdate(*order);
        }
        m_waiting.endUpdate();
        G_SL_WK_CHG[7].clear();
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_GetWorkOrder Error : ") + QString::fromLocal8Bit(e.what()));
    }
}

void ControlScreenCore::setShowWaiting(bool on)
{
    waitingInputs.showWaiting = on;
    proc_Readycall_filter();
    if (on)
        return;
    GridTableModel &m = m_waiting.model();
    m.beginUpdate();
    for (int rec = 0; rec < m.recordCount(); ++rec) {
        m.setRecordValue(rec, Dmo::ORD_CHK_VIEW, QStringLiteral("N"));
        m.setRecordValue(rec, Dmo::ORD_CHK, QStringLiteral("N"));
    }
    m.endUpdate();
}

void ControlScreenCore::resetWaiting()
{
    waitingInputs.addrText = waitingInputs.addrHint;
    waitingInputs.storeText = waitingInputs.storeHint;
    if (m_variant == ControlVariant::Map) {
        GridTableModel &m = m_waiting.model();
        m.beginUpdate();
        for (int rec = 0; rec < m.recordCount(); ++rec)
            if (m.recordCell(rec, Dmo::ORD_CHK).toString() == QLatin1String("Y"))
                m.setRecordValue(rec, Dmo::ORD_CHK, QStringLiteral("N"));
        m.endUpdate();
    }
    proc_Readycall_filter();
}

void ControlScreenCore::setOrderRadius(int km, double centreLng, double centreLat)
{
    try {
        m_waiting.setOrderRadius(km, centreLng, centreLat);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_Ord_Distance_err : ") + QString::fromLocal8Bit(e.what()));
    }
    proc_Readycall_filter();
}

QString ControlScreenCore::CourierLabel(const QString &code)
{
    const TMyWorker *w = G_MY_WORKER.MyWorkerArray.find(code);
    return w ? w->Wkname + QLatin1Char(' ') + QString(w->WkCntMsg) : QString();
}

void ControlScreenCore::select(const QString &code)
{
    m_lastWkCode = code;
    m_mapCenterCount = 0;
    if (!code.isEmpty())
        G_SL_WK_CHG[3].append(code);
    if (m_variant == ControlVariant::Map)
        m_couriers.markSelected(code);
    reloadStrip();
    emit selectionChanged();
}

void ControlScreenCore::deselect()
{
    m_lastWkCode.clear();
    if (m_variant == ControlVariant::Map)
        m_couriers.markSelected(QString());
    reloadStrip();
    emit selectionChanged();
}

ControlScreenCore::Click ControlScreenCore::courierClicked(const QString &code, bool right)
{
    if (code.isEmpty())
        return Click::None;
    const int rec = m_couriers.recordOf(code);
    if (rec < 0)
        return Click::None;
    const bool atWork = m_couriers.model().recordCell(rec, Dvry::ATTEND).toString() == QLatin1String("0001");
    if (m_variant == ControlVariant::Map) {
        Click result = Click::Selected;
        if (code != m_lastWkCode) {
            if (!atWork) {
                MsgBox(kNotAtWork, QStringLiteral("I"));
                emit refused(kNotAtWork);
                return Click::Refused;
            }
            select(code);
        } else {
            deselect();
            result = Click::Deselected;
        }
        if (right)
            m_selectWkCode = code;
        return result;
    }
    if (right) {
        m_selectWkCode = code;
        return Click::MenuOnly;
    }
    if (!atWork) {
        MsgBox(kNotAtWork, QStringLiteral("I"));
        emit refused(kNotAtWork);
        return Click::Refused;
    }
    select(code);
    return Click::Selected;
}

void ControlScreenCore::searchCourier()
{
    proc_wk_filter();
    if (m_variant != ControlVariant::Map)
        return;
    if (searchOf(courierInputs.nameText, courierInputs.nameHint).isEmpty()) {
        courierInputs.nameText = courierInputs.nameHint;
        if (!m_lastWkCode.isEmpty())
            deselect();
        return;
    }
    const GridTableModel &m = m_couriers.model();
    if (m.rowCount() == 0)
        return;
    const int rec = m.recordOfRow(0);
    courierClicked(m.recordCell(rec, Dvry::WK_CODE).toString(), false);
}

void ControlScreenCore::resetCouriers()
{
    courierInputs.nameText = courierInputs.nameHint;
    proc_wk_filter();
    if (m_variant == ControlVariant::Map && !m_lastWkCode.isEmpty())
        deselect();
}
