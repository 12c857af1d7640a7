#include "boards/order_bundle.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "boards/order_actions.h"
#include "records/order_time_texts.h"
#include "records/session_records.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"

#include <QJsonArray>

#include <cmath>

namespace
{
const QString kBundleCode = QStringLiteral("CS01_64_V01");
const QString kFailed = QStringLiteral("실패하였습니다 다시 시도해주세요");
const QString kChooseAgain = QStringLiteral("주문을 다시 선택해주세요");

bool requested(const TA1ORDER &o)
{
    return o.ORD_STATUS_CD() == u"2001";
}

const TA1ORDER *findOrder(const TA1Orders &list, const QString &no)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.at(i) && list.at(i)->ORD_NO() == no)
            return list.GetRecord(i);
    return nullptr;
}
} // namespace

QStringList BundleRowTexts(const TA1ORDER &o, const QDateTime &now)
{
    QString cooking = OrderElapsedText(o.ORD_STATUS_CD().toString(), o.ORD_DATE().toString(),
                                       o.READY_TIME().toString(), QString(), 1);
    cooking.remove(QStringLiteral("분"));
    bool ok = false;
    const int cookMinutes = cooking.trimmed().toInt(&ok);
    QString elapsed = QStringLiteral("0");
    if (!o.ORD_DATE().isEmpty()) {
        bool parsed = false;
        QDateTime since = ParseFmtDateTime(o.READY_CHANGE_DATE().toString(), &parsed);
        if (!parsed)
            since = now;
        elapsed = QString::number(since.secsTo(now) / 60);
    }
    QString distance;
    if (o.DVRY_DISTANCE > 0 && std::isfinite(o.DVRY_DISTANCE))
        distance = QString::number(std::trunc(std::min(o.DVRY_DISTANCE, 1e9)) / 1000.0);
    return {o.ORD_ST_NAME().toString(),
            o.PICKUP_READY_TYPE().toString(),
            ok && !cooking.trimmed().isEmpty() ? QString::number(cookMinutes) : QString(),
            elapsed,
            o.GetAddr(),
            distance,
            o.TAKEOUT_YN() == u"N" ? QString::number(o.DVRY_AMT) : QString()};
}

OrderBundle::OrderBundle(OrderBundleHooks hooks) : m_hooks(std::move(hooks))
{
}

int OrderBundle::box(const QString &text, const QString &kind) const
{
    return m_hooks.msgBox ? m_hooks.msgBox(text, kind) : MsgBox(text, kind);
}

void OrderBundle::log(const QString &line) const
{
    if (m_hooks.log)
        m_hooks.log(line);
    else
        WriteLog(line);
}

void OrderBundle::reload() const
{
    if (m_hooks.reloadLiveOrders)
        m_hooks.reloadLiveOrders();
}

void OrderBundle::changed()
{
    if (m_open && m_hooks.changed)
        m_hooks.changed();
}

void OrderBundle::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_members.clear();
    m_candidates.clear();
    if (m_hooks.closed)
        m_hooks.closed();
}

QStringList OrderBundle::FGrpOrdNo() const
{
    QStringList out;
    for (const BundleRow &r : m_members)
        out.append(r.ordNo);
    return out;
}

QStringList OrderBundle::FOrdBundleOrdNo() const
{
    QStringList out;
    for (const BundleRow &r : m_candidates)
        out.append(r.ordNo);
    return out;
}

bool OrderBundle::candidateShown(const BundleRow &row)
{
    const QString view = row.order.MANUAL_GRP_YN() == u"Y" ? QStringLiteral("1") : QStringLiteral("0");
    return view == QLatin1String("1") && requested(row.order) && row.order.ORD_GRP_NO().isEmpty();
}

QList<int> OrderBundle::shownCandidates() const
{
    QList<int> out;
    for (int i = 0; i < m_candidates.size(); ++i)
        if (candidateShown(m_candidates.at(i)))
            out.append(i);
    return out;
}

void OrderBundle::setAllChecked(bool on)
{
    m_allChecked = on;
    for (BundleRow &r : m_members)
        r.checked = on;
    changed();
}

void OrderBundle::toggleMember(int row)
{
    if (row < 0 || row >= m_members.size())
        return;
    m_members[row].checked = !m_members[row].checked;
    if (m_allChecked && !m_members[row].checked)
        m_allChecked = false;
    changed();
}

void OrderBundle::toggleCandidate(int row)
{
    if (row < 0 || row >= m_candidates.size())
        return;
    m_candidates[row].checked = !m_candidates[row].checked;
    changed();
}

int OrderBundle::indexOf(Grid grid, const QString &no) const
{
    const QList<BundleRow> &rows = grid == Grid::Members ? m_members : m_candidates;
    for (int i = 0; i < rows.size(); ++i)
        if (rows.at(i).ordNo == no)
            return i;
    return -1;
}

void OrderBundle::removeFrom(Grid grid, const QString &no)
{
    QList<BundleRow> &rows = grid == Grid::Members ? m_members : m_candidates;
    const int i = indexOf(grid, no);
    if (i >= 0)
        rows.removeAt(i);
}

bool OrderBundle::fill(Grid grid, const TA1ORDER &order)
{
    if (!m_open)
        return false;
    if (grid == Grid::Members) {
        bool warned = false;
        if (order.ORD_NO() == edtOrdNo && (!requested(order) || order.ORD_GRP_NO() != edtGrpNo)) {
            box(QStringLiteral("기준이된 주문의 상태가 변경되었습니다."), QStringLiteral("I"));
            close();
            warned = true;
        }
        if (!requested(order)) {
            box(QStringLiteral("묶음 주문의 상태가 변경되었습니다."), QStringLiteral("I"));
            close();
            warned = true;
        }
        if (warned)
            return false;
    }
    QList<BundleRow> &rows = grid == Grid::Members ? m_members : m_candidates;
    const QString no = order.ORD_NO().toString();
    int i = indexOf(grid, no);
    if (i < 0) {
        rows.append(BundleRow{no, false, TA1ORDER()});
        i = int(rows.size()) - 1;
    }
    rows[i].order = order;
    // Every refill resets the tick: members follow the "all" box, candidates start unticked.
    rows[i].checked = grid == Grid::Members && m_allChecked;
    return true;
}

void OrderBundle::makeBase(const BundleRow &row)
{
    edtOrdNo = row.ordNo;
    edtDvryTypeCd = row.order.ST_DVRY_TYPE_CD().toString();
    edtStLatY = row.order.SA_LAT_Y().toString();
    edtStLngX = row.order.SA_LNG_X().toString();
}

bool OrderBundle::open(const OrderPopupFields &popup, const TA1Orders &live, const TA1Orders &mapOrders)
{
    if (mapOrders.isEmpty())
        return false;
    close();
    m_members.clear();
    m_candidates.clear();
    edtGrpNo.clear();
    const TA1ORDER *base = findOrder(live, popup.FPOP_ORDER_NO);
    if (!base) {
        log(QStringLiteral("proc_SetA1Order ERR"));
        return false;
    }
    if (!base->ORD_GRP_NO().isEmpty())
        edtGrpNo = base->ORD_GRP_NO().toString();
    edtOrdNo = base->ORD_NO().toString();
    edtDvryTypeCd = base->DVRY_TYPE_CD().toString();
    edtStLatY = base->SA_LAT_Y().toString();
    edtStLngX = base->SA_LNG_X().toString();
    m_allChecked = false;
    // The rows are filled as on an open form, so a row whose order moved on closes it at once.
    m_open = true;
    if (!fill(Grid::Members, *base))
        return false;
    if (!popup.FPOP_ORD_GRP_NO.isEmpty()) {
        for (int i = 0; i < live.Count(); ++i) {
            const TA1ORDER *o = live.GetRecord(i);
            if (o && !o->ORD_GRP_NO().isEmpty() && o->ORD_GRP_NO() == edtGrpNo && !fill(Grid::Members, *o))
                return false;
        }
    }
    for (int i = 0; i < live.Count(); ++i) {
        const TA1ORDER *o = live.GetRecord(i);
        if (o && o->ORD_GRP_NO().isEmpty() && requested(*o) && o->ORD_NO() != popup.FPOP_ORDER_NO
            && !fill(Grid::Candidates, *o))
            return false;
    }
    m_allChecked = false;
    changed();
    return true;
}

bool OrderBundle::funcOrdBundle(int kind, const QString &ordNo)
{
    if (kind == 1 && edtGrpNo.isEmpty()) {
        // Adding to no bundle cannot work; the form closes and nothing goes out.
        box(QStringLiteral("그룹번호가 없습니다 다시 선택해주세요"), QStringLiteral("I"));
        close();
        return false;
    }
    const QString cls = G_USER_INFO.USER_TYPE_CD.left(1);
    QStringList fields = {QString::number(kind), G_USER_INFO.ID, cls};
    if (kind == 0) {
        QString list;
        for (const BundleRow &r : m_members)
            list += r.ordNo + QLatin1Char(',');
        list += ordNo + QLatin1Char(',');
        fields << QString() << list;
    } else if (kind == 3) {
        fields << edtGrpNo << QString();
    } else {
        fields << edtGrpNo << ordNo;
    }
    QString reply;
    if (m_hooks.request)
        reply = m_hooks.request(kBundleCode, QStringLiteral("ADM3"), JoinRequestFields(fields));
    else
        RequestOne(G_TCP_CLIENT, kBundleCode, QStringLiteral("ADM3"), JoinRequestFields(fields), QString(), QString(), 30000,
                   reply);
    const ActionReply r = ReadActionReply(reply);
    if (!r.readable) {
        log(kBundleCode + QStringLiteral(" Exception Err ")
            + (reply.isEmpty() ? QStringLiteral("no reply") : QStringLiteral("reply is not a JSON object")));
        return false;
    }
    if (r.code != QLatin1String("1")) {
        log(kBundleCode + QStringLiteral(" is Fail ") + r.code + QLatin1Char(':') + r.message);
        return false;
    }
    bool result = true;
    for (const QJsonValue &row : r.object.value(QStringLiteral("OUT_ROW1")).toArray()) {
        const QString text = row.isObject() ? row.toObject().value(QStringLiteral("C_0")).toVariant().toString()
                                            : row.toVariant().toString();
        const QString group = SplitUnescaped(G_FIELD_SEP, text).value(0);
        if (group.isEmpty() || group == QLatin1String("0"))
            result = false;
        else if (m_open)
            edtGrpNo = group.left(20);
    }
    return result;
}

void OrderBundle::add(const TA1Orders &mapOrders)
{
    if (!m_open)
        return;
    // Without a member there is nothing to join: nothing is sent and no row moves.
    if (m_members.isEmpty())
        return;
    for (int i = int(m_candidates.size()) - 1; i >= 0 && m_open; --i) {
        if (i >= m_candidates.size() || !m_candidates.at(i).checked)
            continue;
        const QString no = m_candidates.at(i).ordNo;
        const TA1ORDER *record = findOrder(mapOrders, no);
        if (!record)
            continue;
        const TA1ORDER order = *record;
        if (!funcOrdBundle(m_members.size() == 1 ? 0 : 1, no)) {
            box(kFailed, QStringLiteral("I"));
            changed();
            reload();
            return;
        }
        if (!m_open)
            break;
        if (indexOf(Grid::Members, no) < 0 && !fill(Grid::Members, order))
            break;
        removeFrom(Grid::Candidates, no);
    }
    changed();
    reload();
}

void OrderBundle::remove(const TA1Orders &mapOrders)
{
    if (!m_open)
        return;
    if (edtGrpNo.isEmpty()) {
        reload();
        return;
    }
    if (m_members.size() == 1) {
        box(kChooseAgain, QStringLiteral("I"));
        close();
        reload();
        return;
    }
    for (int i = int(m_members.size()) - 1; i >= 0 && m_open; --i) {
        if (i >= m_members.size() || !m_members.at(i).checked)
            continue;
        const QString no = m_members.at(i).ordNo;
        const TA1ORDER *record = findOrder(mapOrders, no);
        if (!record)
            continue;
        const TA1ORDER order = *record;
        if (!funcOrdBundle(2, no)) {
            box(kFailed, QStringLiteral("I"));
            break;
        }
        if (!m_open)
            break;
        if (indexOf(Grid::Candidates, no) < 0)
            fill(Grid::Candidates, order);
        removeFrom(Grid::Members, no);
        if (no == edtOrdNo && m_members.size() > 1)
            makeBase(m_members.first());
    }
    if (m_open && m_members.size() < 2)
        close();
    changed();
    reload();
}

void OrderBundle::dissolve()
{
    if (!m_open)
        return;
    if (edtGrpNo.isEmpty()) {
        reload();
        return;
    }
    if (m_members.size() == 1) {
        // A lone member is no bundle to dissolve: the form closes and nothing goes out.
        box(kChooseAgain, QStringLiteral("I"));
        close();
        reload();
        return;
    }
    if (funcOrdBundle(3, QString()))
        close();
    else
        box(kFailed, QStringLiteral("I"));
    reload();
}

void OrderBundle::orderChanged(const TA1ORDER &order)
{
    if (!m_open)
        return;
    const QString no = order.ORD_NO().toString();
    const QString group = order.ORD_GRP_NO().toString();
    if (no == edtOrdNo) {
        if (indexOf(Grid::Members, no) >= 0)
            fill(Grid::Members, order);
    } else if (!group.isEmpty()) {
        if (group != edtGrpNo) {
            if (indexOf(Grid::Members, no) >= 0)
                removeFrom(Grid::Members, no);
            else
                removeFrom(Grid::Candidates, no);
        } else if (fill(Grid::Members, order)) {
            removeFrom(Grid::Candidates, no);
        }
    } else {
        if (indexOf(Grid::Members, no) >= 0)
            removeFrom(Grid::Members, no);
        fill(Grid::Candidates, order);
    }
    changed();
}

void OrderBundle::orderFinished(const QString &ordNo)
{
    if (!m_open)
        return;
    if (ordNo == edtOrdNo) {
        close();
        return;
    }
    if (indexOf(Grid::Members, ordNo) >= 0)
        removeFrom(Grid::Members, ordNo);
    else
        removeFrom(Grid::Candidates, ordNo);
    changed();
}

void OrderBundle::orderDeleted(const QString &ordNo)
{
    orderFinished(ordNo);
}

void OrderBundle::boardReset()
{
    if (!m_open)
        return;
    m_members.clear();
    m_candidates.clear();
    changed();
}
