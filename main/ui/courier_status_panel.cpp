#include "main/ui/courier_status_panel.h"

#include "grid/ui/check_combo_box.h"
#include "start/login.h"
#include "start/ui/app_style.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
// The connection column shows a mark instead of "Y" / "N": green when connected, grey when not.
class ConnectMarkDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() != grdColWorkerConnectYN) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        QStyledItemDelegate::paint(painter, opt, QModelIndex());
        const QString yn = index.data().toString().trimmed();
        if (yn.isEmpty())
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const int d = std::min(opt.rect.height(), opt.rect.width()) / 2;
        const QRect dot(opt.rect.center().x() - d / 2, opt.rect.center().y() - d / 2, d, d);
        painter->setBrush(yn == QLatin1String("Y") ? QColor(0x2E, 0xA0, 0x4A) : QColor(0xA0, 0xA0, 0xA0));
        painter->setPen(Qt::NoPen);
        painter->drawEllipse(dot);
        painter->restore();
    }
};

const char *const kButtonCaptions[kCourierStateButtonCount] = {"전체", "배차", "출발", "완료", "운행", "대기", "휴식", "퇴근"};
const char *const kButtonNames[kCourierStateButtonCount] = {"btnWorkerAll", "btnWorker3001", "btnWorker3003", "btnWorker4001",
                                                            "btnWorkerWork", "btnWorkerWait", "btnWorkerRest", "btnWorkerOut"};
const char *const kCountNames[kCourierStateButtonCount] = {"edtWkCnt", "edtWork3001", "edtWork3003", "edtWork4001",
                                                           "edtWkWorkCnt", "edtWkWaitCnt", "edtWkRestCnt", "edtWkWorkOutCnt"};
} // namespace

CourierStatusPanel::CourierStatusPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CourierStatusPanel"));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(Scaled(4), Scaled(4), Scaled(4), Scaled(4));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("총판"), this));
    cccbBrName = new CheckComboBox(this);
    cccbBrName->setObjectName(QStringLiteral("cccbBrName"));
    cccbBrName->setMinimumWidth(Scaled(140));
    top->addWidget(cccbBrName);
    top->addStretch(1);
    root->addLayout(top);

    auto *states = new QGridLayout;
    for (int b = 0; b < kCourierStateButtonCount; ++b) {
        auto *button = new QToolButton(this);
        button->setText(QString::fromUtf8(kButtonCaptions[b]));
        button->setObjectName(QString::fromLatin1(kButtonNames[b]));
        button->setCheckable(true);
        button->setChecked(m_model.buttons.down[b]);
        button->setMinimumWidth(Scaled(44));
        auto *count = new QLabel(QStringLiteral("00"), this);
        count->setObjectName(QString::fromLatin1(kCountNames[b]));
        count->setAlignment(Qt::AlignCenter);
        states->addWidget(button, 0, b);
        states->addWidget(count, 1, b);
        stateButtons[b] = button;
        countLabels[b] = count;
        connect(button, &QToolButton::clicked, this, [this, b] { stateClicked(b); });
    }
    root->addLayout(states);

    auto *boxes = new QHBoxLayout;
    auto makeBox = [&](const char *name, const char *hint) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setPlaceholderText(QString::fromUtf8(hint));
        e->setMaxLength(30);
        e->installEventFilter(this);
        connect(e, &QLineEdit::returnPressed, this, [this] { runFilter(); });
        boxes->addWidget(e);
        return e;
    };
    CTE_DVRY_NAME = makeBox("CTE_DVRY_NAME", "기사명");
    CTE_DVRY_TEL = makeBox("CTE_DVRY_TEL", "연락처");
    CTE_DVRY_Car = makeBox("CTE_DVRY_Car", "차량번호");
    btnWorkerSearch = new QPushButton(QStringLiteral("검색"), this);
    btnWorkerSearch->setObjectName(QStringLiteral("btnWorkerSearch"));
    boxes->addWidget(btnWorkerSearch);
    root->addLayout(boxes);

    grdDataWorker = new QTableView(this);
    grdDataWorker->setObjectName(QStringLiteral("grdDataWorker"));
    grdDataWorker->setModel(&m_model.grid());
    grdDataWorker->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDataWorker->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDataWorker->verticalHeader()->setVisible(false);
    grdDataWorker->verticalHeader()->setDefaultSectionSize(Scaled(30));
    grdDataWorker->setItemDelegate(new ConnectMarkDelegate(grdDataWorker));
    grdDataWorker->viewport()->installEventFilter(this);
    for (int c : {grdColWorkerBrName, grdColWorkerCode, grdColWorkerPosX, grdColWorkerPosY, grdColWorkerAttendCode,
                  grdColWorkerBrCode, grdColWorkerOrgTel, grdColWorkerDataStatus, grdColWorkeStcode})
        grdDataWorker->setColumnHidden(c, true);
    root->addWidget(grdDataWorker, 1);
    footer = new QLabel(this);
    footer->setObjectName(QStringLiteral("courierStatusFooter"));
    root->addWidget(footer);

    connect(btnWorkerSearch, &QPushButton::clicked, this, [this] {
        if (m_model.bWorkerFlag)
            return;
        btnWorkerSearch->setEnabled(false);
        runFilter();
        btnWorkerSearch->setEnabled(true);
    });
    connect(cccbBrName, &CheckComboBox::popupShown, this, [this] { m_model.bWorkerFlag = true; });
    connect(cccbBrName, &CheckComboBox::popupClosed, this, [this] { branchListClosed(); });
    connect(cccbBrName, &CheckComboBox::itemToggled, this, [this](int index, bool) { branchToggled(index); });
}

// The children outlive the model while QWidget tears them down (hiding the branch list, taking
// the focus from a box): nothing of theirs may reach the panel any more.
CourierStatusPanel::~CourierStatusPanel()
{
    cccbBrName->disconnect(this);
    for (QLineEdit *box : {CTE_DVRY_NAME, CTE_DVRY_TEL, CTE_DVRY_Car})
        box->removeEventFilter(this);
    grdDataWorker->viewport()->removeEventFilter(this);
}

void CourierStatusPanel::fillBranches(const QStringList &names, const QStringList &codes)
{
    m_model.branches.fill(names, codes);
    grdDataWorker->setColumnHidden(grdColWorkerBrName, UserClass() != QLatin1String("7"));
    m_branchGuard = true;
    cccbBrName->clearItems();
    for (int i = 0; i < m_model.branches.names.size(); ++i)
        cccbBrName->addCheckItem(m_model.branches.names[i], {}, i, true);
    m_branchGuard = false;
    m_model.procDvryBRSelectAddList();
    m_model.procDvryBRSelectWkCount();
    showCounts();
}

void CourierStatusPanel::fillBranchesFromLists()
{
    // The branches of the login: a branch user its own, a head office its branches, others all.
    const QString cls = UserClass();
    QStringList names, codes;
    for (const THD_LIST &hd : G_HD_LIST) {
        if ((cls == QLatin1String("7") || cls == QLatin1String("5")) && hd.HD_CODE != G_USER_INFO.HD)
            continue;
        for (const TBR_LIST &br : hd.BR_LIST) {
            if (cls == QLatin1String("5") && br.BR_CODE != G_USER_INFO.BR)
                continue;
            names.append(br.BR_Name);
            codes.append(br.BR_CODE);
        }
    }
    fillBranches(names, codes);
}

void CourierStatusPanel::procUpdateWorkerGrid(bool bClearFlag)
{
    if (!m_model.bWorkerFlag)
        readBoxes();
    m_model.procUpdateWorkerGrid(bClearFlag);
    showCounts();
}

void CourierStatusPanel::readBoxes()
{
    m_model.nameText = CTE_DVRY_NAME->text();
    m_model.telText = CTE_DVRY_TEL->text();
    m_model.carText = CTE_DVRY_Car->text();
}

void CourierStatusPanel::runFilter()
{
    readBoxes();
    m_model.applyFilter();
    showCounts();
}

void CourierStatusPanel::showCounts()
{
    for (int b = 0; b < kCourierStateButtonCount; ++b)
        countLabels[b]->setText(m_model.countTexts[b].isEmpty() ? QStringLiteral("00") : m_model.countTexts[b]);
    qint64 sums[4] = {};
    const GridTableModel &g = m_model.grid();
    for (int r = 0; r < g.rowCount(); ++r) {
        const int rec = g.recordOfRow(r);
        sums[0] += g.recordValue(rec, grdColWorker3001).toLongLong();
        sums[1] += g.recordValue(rec, grdColWorker3003).toLongLong();
        sums[2] += g.recordValue(rec, grdColWorker4001).toLongLong();
        sums[3] += g.recordValue(rec, grdColWorkerOSTD).toString().toLongLong();
    }
    const QLocale locale;
    footer->setText(QStringLiteral("배차 %1   출발 %2   완료 %3   미차감머니 %4")
                        .arg(locale.toString(sums[0]), locale.toString(sums[1]), locale.toString(sums[2]),
                             locale.toString(sums[3])));
}

void CourierStatusPanel::stateClicked(int b)
{
    m_model.buttons.down[b] = stateButtons[b]->isChecked();
    m_model.buttons.toggled(b);
    for (int i = 0; i < kCourierStateButtonCount; ++i)
        stateButtons[i]->setChecked(m_model.buttons.down[i]);
    runFilter();
}

void CourierStatusPanel::branchToggled(int index)
{
    if (m_branchGuard || index < 0 || index >= m_model.branches.checked.size())
        return;
    m_branchGuard = true;
    for (int i = 0; i < m_model.branches.checked.size(); ++i)
        m_model.branches.checked[i] = cccbBrName->isChecked(i);
    m_model.branches.clicked(index);
    for (int i = 0; i < m_model.branches.checked.size(); ++i)
        cccbBrName->setChecked(i, m_model.branches.checked[i]);
    m_branchGuard = false;
}

void CourierStatusPanel::branchListClosed()
{
    m_model.bWorkerFlag = false;
    m_model.procDvryBRSelectAddList();
    m_model.procDvryBRSelectWkCount();
    m_model.procDvryWkCountDisplay();
    runFilter();
}

bool CourierStatusPanel::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box && event->type() == QEvent::FocusIn) {
        m_model.bWorkerFlag = true;
        box->clear();
    } else if (box && event->type() == QEvent::FocusOut) {
        if (box->text().trimmed().isEmpty())
            box->clear();  // the hint shows again
        m_model.bWorkerFlag = false;
        runFilter();
    } else if (watched == grdDataWorker->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto *me = static_cast<QMouseEvent *>(event);
        rowClicked(me->position().toPoint(), me->button() == Qt::RightButton);
    }
    return QWidget::eventFilter(watched, event);
}

void CourierStatusPanel::rowClicked(const QPoint &pos, bool right)
{
    const QModelIndex index = grdDataWorker->indexAt(pos);
    if (!index.isValid())
        return;
    m_model.FSELECT_WK_CODE = m_model.courierOfRow(index.row());
    if (!right || m_model.FSELECT_WK_CODE.isEmpty())
        return;
    if (!PPM_LIST && makeCourierMenu)
        PPM_LIST = makeCourierMenu(this, [this] { return m_model.FSELECT_WK_CODE; });
    if (PPM_LIST)
        PPM_LIST->popup(grdDataWorker->viewport()->mapToGlobal(pos));
}
