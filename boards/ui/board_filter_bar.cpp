#include "boards/ui/board_filter_bar.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "grid/grid_table_model.h"
#include "grid/ui/check_combo_box.h"
#include "boards/board_globals.h"
#include "orders/order_globals.h"
#include "settings/settings_file.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QString unlimitedWord()
{
    return G_TXT_UNLIMITED.isEmpty() ? QStringLiteral("무제한") : G_TXT_UNLIMITED;
}

QToolButton *toggleButton(QWidget *parent, const char *name, const QString &text, bool down)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setCheckable(true);
    b->setChecked(down);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

bool ownEnabled(const QWidget *w)
{
    return !w->testAttribute(Qt::WA_ForceDisabled);
}
} // namespace

// ---- search box -------------------------------------------------------------------------

BoardSearchBox::BoardSearchBox(const QString &name, const QString &hint, QWidget *parent)
    : QLineEdit(parent)
    , m_hint(hint)
{
    setObjectName(name);
    setPlaceholderText(hint);
    // Longer than any order number, name or address anyone types into a search.
    setMaxLength(100);
}

void BoardSearchBox::setSearchText(const QString &text)
{
    setText(SearchTerm(text, m_hint).isEmpty() ? QString() : text);
}

void BoardSearchBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit entered();
}

void BoardSearchBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit left();
}

void BoardSearchBox::keyPressEvent(QKeyEvent *event)
{
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit enterPressed();
}

// ---- the bar ------------------------------------------------------------------------------

BoardFilterBar::BoardFilterBar(QWidget *owner)
    : QObject(owner)
    , m_normalFilter(new QWidget(owner))
    , m_selectionPanel(new QWidget(owner))
    , m_shareFilter(new QWidget(owner))
{
    m_normalFilter->setObjectName(QStringLiteral("boardNormalFilter"));
    m_selectionPanel->setObjectName(QStringLiteral("boardSelections"));
    m_shareFilter->setObjectName(QStringLiteral("boardShareFilter"));

    // Status buttons with their count labels under them, then the four searches.
    auto *normal = new QGridLayout(m_normalFilter);
    normal->setContentsMargins(2, 2, 2, 2);
    normal->setSpacing(2);
    CBT_ST_ALL = toggleButton(m_normalFilter, "CBT_ST_ALL", QStringLiteral("전체"), true);
    normal->addWidget(CBT_ST_ALL, 0, 0);
    static const char *const names[kStatusButtonCount] = {"CBT_ST_ACC",  "CBT_ST_READY", "CBT_ST_BAECHA",
                                                          "CBT_ST_PICKUP", "CBT_ST_END", "CBT_ST_CANCEL",
                                                          "CBT_ST_WAIT", "CBT_ST_QUE"};
    static const char *const labels[kStatusButtonCount + 1] = {
        "CLB_TOTAL_CNT", "CLB_ORD_CNT",    "CLB_READY_CNT", "CLB_PICKUP_CNT", "CLB_START_CNT",
        "CLB_FINISH_CNT", "CLB_CANCEL_CNT", "CLB_WAIT_CNT",  "CLB_ETC_CNT"};
    const QStringList captions = {QStringLiteral("접수"), QStringLiteral("요청"), QStringLiteral("배차"),
                                  QStringLiteral("출발"), QStringLiteral("완료"), QStringLiteral("취소"),
                                  QStringLiteral("대기"), QStringLiteral("문의")};
    for (int b = 0; b < kStatusButtonCount; ++b) {
        statusButtons[size_t(b)] = toggleButton(m_normalFilter, names[b], captions.at(b), true);
        statusButtons[size_t(b)]->setProperty("statusTag", StatusButtonTag(b));
        normal->addWidget(statusButtons[size_t(b)], 0, b + 1);
        connect(statusButtons[size_t(b)], &QToolButton::clicked, this, &BoardFilterBar::statusClicked);
    }
    for (int i = 0; i <= kStatusButtonCount; ++i) {
        auto *label = new QLabel(QStringLiteral("0"), m_normalFilter);
        label->setObjectName(QString::fromLatin1(labels[i]));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setProperty("statusTag", i == 0 ? 0 : StatusButtonTag(i - 1));
        m_countLabels[size_t(i)] = label;
        normal->addWidget(label, 1, i);
    }
    CTE_CU_ADDR = new BoardSearchBox(QStringLiteral("CTE_CU_ADDR"), QStringLiteral("도   착   지"), m_normalFilter);
    CTE_WK_NAME = new BoardSearchBox(QStringLiteral("CTE_WK_NAME"), QStringLiteral("배송원연락처/명"), m_normalFilter);
    CTE_CU_NAME = new BoardSearchBox(QStringLiteral("CTE_CU_NAME"), QStringLiteral("가 맹 점  명"), m_normalFilter);
    CTE_ORD_NO = new BoardSearchBox(QStringLiteral("CTE_ORD_NO"), QStringLiteral("접 수  번 호"), m_normalFilter);
    normal->addWidget(CTE_CU_ADDR, 0, kStatusButtonCount + 1);
    normal->addWidget(CTE_WK_NAME, 0, kStatusButtonCount + 2);
    normal->addWidget(CTE_CU_NAME, 1, kStatusButtonCount + 1);
    normal->addWidget(CTE_ORD_NO, 1, kStatusButtonCount + 2);
    for (BoardSearchBox *box : {CTE_CU_ADDR, CTE_WK_NAME, CTE_CU_NAME, CTE_ORD_NO}) {
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(box->hint()) + 32);
        connect(box, &BoardSearchBox::entered, this, [this, box] { searchEntered(box); });
        connect(box, &BoardSearchBox::left, this, [this, box] { searchLeft(box); });
        connect(box, &BoardSearchBox::enterPressed, this, [this] {
            proc_Filter();
            if (m_hooks.resumePolling)
                m_hooks.resumePolling();
        });
    }
    connect(CBT_ST_ALL, &QToolButton::clicked, this, [this] {
        for (QToolButton *b : statusButtons)
            b->setChecked(CBT_ST_ALL->isChecked());
        proc_Filter();
    });

    // Branch, order-path and POS-type lists.
    auto *selection = new QHBoxLayout(m_selectionPanel);
    selection->setContentsMargins(2, 2, 2, 2);
    cccbBrName = new CheckComboBox(m_selectionPanel);
    cccbBrName->setObjectName(QStringLiteral("cccbBrName"));
    cccbPathCd = new CheckComboBox(m_selectionPanel);
    cccbPathCd->setObjectName(QStringLiteral("cccbPathCd"));
    cccbPosTypeCd = new CheckComboBox(m_selectionPanel);
    cccbPosTypeCd->setObjectName(QStringLiteral("cccbPosTypeCd"));
    for (CheckComboBox *box : {cccbBrName, cccbPathCd, cccbPosTypeCd}) {
        box->setMinimumWidth(160);
        selection->addWidget(box);
    }
    bindCombo(cccbBrName, 1);
    bindCombo(cccbPathCd, 5);
    bindCombo(cccbPosTypeCd, 6);
    cccbPathCd->hide();
    cccbPosTypeCd->hide();

    // Payment, group and distance filters.
    auto *share = new QGridLayout(m_shareFilter);
    share->setContentsMargins(2, 2, 2, 2);
    share->setSpacing(2);
    CBT_PAY_ALL = toggleButton(m_shareFilter, "CBT_PAY_ALL", QStringLiteral("결       제"), true);
    CBT_PAY_CASH = toggleButton(m_shareFilter, "CBT_PAY_CASH", QStringLiteral("현금"), true);
    CBT_PAY_CARD = toggleButton(m_shareFilter, "CBT_PAY_CARD", QStringLiteral("카드"), true);
    CBT_PAY_PRE = toggleButton(m_shareFilter, "CBT_PAY_PRE", QStringLiteral("선결제"), true);
    share->addWidget(CBT_PAY_ALL, 0, 0);
    share->addWidget(CBT_PAY_CASH, 0, 1);
    share->addWidget(CBT_PAY_CARD, 0, 2);
    share->addWidget(CBT_PAY_PRE, 0, 3);
    connect(CBT_PAY_ALL, &QToolButton::clicked, this, [this] {
        for (QToolButton *b : {CBT_PAY_CASH, CBT_PAY_CARD, CBT_PAY_PRE})
            b->setChecked(CBT_PAY_ALL->isChecked());
        proc_Filter();
    });
    for (QToolButton *b : {CBT_PAY_CASH, CBT_PAY_CARD, CBT_PAY_PRE})
        connect(b, &QToolButton::clicked, this, &BoardFilterBar::payClicked);

    btnSelectGrp = toggleButton(m_shareFilter, "btnSelectGrp", QStringLiteral("그룹"), true);
    btnSelectBaeCha = toggleButton(m_shareFilter, "btnSelectBaeCha", QStringLiteral("배차"), false);
    CBT_ORD_IN = toggleButton(m_shareFilter, "CBT_ORD_IN", QStringLiteral("내  그  룹"), true);
    CBT_WK_IN = toggleButton(m_shareFilter, "CBT_WK_IN", QStringLiteral("공 유 그 룹"), true);
    btnMyReadyCall = toggleButton(m_shareFilter, "btnMyReadyCall", QStringLiteral("지 정 배 차"), false);
    btnMyReadyCall->hide();
    btnMyReadyCall->setEnabled(false);
    share->addWidget(btnSelectGrp, 1, 0);
    share->addWidget(btnSelectBaeCha, 1, 1);
    share->addWidget(CBT_ORD_IN, 1, 2);
    share->addWidget(CBT_WK_IN, 1, 3);
    share->addWidget(btnMyReadyCall, 1, 4);
    connect(btnSelectGrp, &QToolButton::clicked, this, &BoardFilterBar::groupModeClicked);
    connect(btnSelectBaeCha, &QToolButton::clicked, this, &BoardFilterBar::dispatchModeClicked);
    connect(btnMyReadyCall, &QToolButton::clicked, this, &BoardFilterBar::designatedClicked);
    connect(CBT_ORD_IN, &QToolButton::clicked, this, &BoardFilterBar::ownGroupClicked);
    connect(CBT_WK_IN, &QToolButton::clicked, this, &BoardFilterBar::proc_Filter);

    CBT_DVRY_DIST = toggleButton(m_shareFilter, "CBT_DVRY_DIST", QStringLiteral("관 제 거 리"), true);
    connect(CBT_DVRY_DIST, &QToolButton::clicked, this, [this] { CBT_DVRY_DIST->setChecked(true); });
    TrackBar1 = new QSlider(Qt::Horizontal, m_shareFilter);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 10);
    TrackBar1->setPageStep(1);
    TrackBar1->setValue(10);
    lbDvryDistance = new QLabel(unlimitedWord(), m_shareFilter);
    lbDvryDistance->setObjectName(QStringLiteral("lbDvryDistance"));
    lbDvryDistance->setMinimumWidth(lbDvryDistance->fontMetrics().horizontalAdvance(QStringLiteral("10km 무제한")));
    share->addWidget(CBT_DVRY_DIST, 2, 0);
    share->addWidget(TrackBar1, 2, 1, 1, 3);
    share->addWidget(lbDvryDistance, 2, 4);
    connect(TrackBar1, &QSlider::valueChanged, this, &BoardFilterBar::distanceChanged);

    CBT_SEARCH = new QPushButton(QStringLiteral("검색"), owner);
    CBT_SEARCH->setObjectName(QStringLiteral("CBT_SEARCH"));
    connect(CBT_SEARCH, &QPushButton::clicked, this, &BoardFilterBar::searchClicked);
    btnDvryGrpSet = new QPushButton(QStringLiteral("배송그룹설정"), owner);
    btnDvryGrpSet->setObjectName(QStringLiteral("btnDvryGrpSet"));
    connect(btnDvryGrpSet, &QPushButton::clicked, this, [this] {
        if (m_hooks.openGroupSettings)
            m_hooks.openGroupSettings(m_selections.tickedBranches());
    });

    setHooks({});
}

BoardFilterBar::~BoardFilterBar() = default;

void BoardFilterBar::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
    BoardSelections::Hooks s;
    s.clearCompletedLoaded = m_hooks.clearCompletedLoaded;
    s.refilter = [this] { proc_Filter(); };
    s.recountCallSums = m_hooks.recountCallSums;
    s.recountCouriers = m_hooks.recountCouriers;
    s.checkStoreOrders = m_hooks.checkStoreOrders;
    s.setGroupButtonsEnabled = [this](bool on) {
        CBT_ORD_IN->setEnabled(on);
        CBT_WK_IN->setEnabled(on);
    };
    s.refreshControlScreen = m_hooks.refreshControlScreen;
    m_selections.setHooks(std::move(s));
}

void BoardFilterBar::setSettings(TIniFile *ini)
{
    m_ini = ini;
    m_selections.setSettings(ini);
}

TIniFile *BoardFilterBar::settings() const
{
    return m_ini ? m_ini : G_INI;
}

void BoardFilterBar::setModels(GridTableModel *live, GridTableModel *completed, GridTableModel *storeOrders)
{
    m_engine.setModel(FilterBoard::Live, live);
    m_engine.setModel(FilterBoard::Completed, completed);
    m_engine.setModel(FilterBoard::StoreOrders, storeOrders);
}

void BoardFilterBar::setUserClass(const QString &userClass)
{
    const bool store = userClass == u"1";
    cccbBrName->setVisible(!store);
    cccbPathCd->setVisible(store);
    cccbPosTypeCd->setVisible(store);
}

void BoardFilterBar::loadBranches(const QList<BranchChoice> &items, int firstBranch, const QStringList &savedCodes)
{
    m_selections.loadBranches(items, firstBranch, savedCodes);
    m_syncing = true;
    cccbBrName->clearItems();
    for (const BranchChoice &b : m_selections.branches())
        cccbBrName->addCheckItem(b.name, b.name, 0, b.ticked);
    m_syncing = false;
}

void BoardFilterBar::loadPaths(const QList<CheckItem> &items)
{
    m_selections.loadPaths(items);
    m_syncing = true;
    cccbPathCd->clearItems();
    for (const CheckItem &i : items)
        cccbPathCd->addCheckItem(i.text, i.shortText, i.tag, i.checked);
    m_syncing = false;
}

void BoardFilterBar::loadPosTypes(const QList<CheckItem> &items)
{
    m_selections.loadPosTypes(items);
    m_syncing = true;
    cccbPosTypeCd->clearItems();
    for (const CheckItem &i : items)
        cccbPosTypeCd->addCheckItem(i.text, i.shortText, i.tag, i.checked);
    m_syncing = false;
}

void BoardFilterBar::bindCombo(CheckComboBox *box, int list)
{
    connect(box, &CheckComboBox::popupShown, this, [this] { m_selections.popupOpened(); });
    connect(box, &CheckComboBox::itemToggled, this, [this, list](int index, bool checked) {
        if (m_syncing)
            return;
        if (list == 1)
            m_selections.branchToggled(index, checked);
        else if (list == 5)
            m_selections.pathToggled(index, checked);
        else
            m_selections.posTypeToggled(index, checked);
        showTicks();
    });
    connect(box, &CheckComboBox::popupClosed, this, [this, list] {
        if (list == 1)
            closeBranches();
        else if (list == 5)
            closePaths();
        else
            closePosTypes();
    });
}

void BoardFilterBar::showTicks()
{
    m_syncing = true;
    const QList<BranchChoice> &branches = m_selections.branches();
    for (int i = 0; i < branches.size() && i < cccbBrName->itemCount(); ++i)
        cccbBrName->setChecked(i, branches.at(i).ticked);
    const QList<CheckItem> &paths = m_selections.paths();
    for (int i = 0; i < paths.size() && i < cccbPathCd->itemCount(); ++i)
        cccbPathCd->setChecked(i, paths.at(i).checked);
    const QList<CheckItem> &pos = m_selections.posTypes();
    for (int i = 0; i < pos.size() && i < cccbPosTypeCd->itemCount(); ++i)
        cccbPosTypeCd->setChecked(i, pos.at(i).checked);
    m_syncing = false;
}

void BoardFilterBar::closeBranches()
{
    m_selections.closeBranches();
}

void BoardFilterBar::closePaths()
{
    m_selections.closePaths();
}

void BoardFilterBar::closePosTypes()
{
    m_selections.closePosTypes();
}

void BoardFilterBar::takeBranchTicks(const QList<bool> &ticks)
{
    m_selections.takeBranchTicks(ticks);
    showTicks();
}

BoardFilterInputs BoardFilterBar::inputs() const
{
    BoardFilterInputs in;
    FillSharedFilterInputs(in);
    in.statusAll = CBT_ST_ALL->isChecked();
    for (int b = 0; b < kStatusButtonCount; ++b)
        in.status[size_t(b)] = statusButtons[size_t(b)]->isChecked();
    in.payAll = CBT_PAY_ALL->isChecked();
    in.payCash = CBT_PAY_CASH->isChecked();
    in.payCard = CBT_PAY_CARD->isChecked();
    in.payPrepaid = CBT_PAY_PRE->isChecked();
    in.groupModeDown = btnSelectGrp->isChecked();
    in.groupModeEnabled = ownEnabled(btnSelectGrp);
    in.dispatchModeDown = btnSelectBaeCha->isChecked();
    in.dispatchModeEnabled = ownEnabled(btnSelectBaeCha);
    in.ownGroupDown = CBT_ORD_IN->isChecked();
    in.ownGroupEnabled = ownEnabled(CBT_ORD_IN);
    in.sharedGroupDown = CBT_WK_IN->isChecked();
    in.designatedDown = btnMyReadyCall->isChecked();
    in.searchOrderNo = CTE_ORD_NO->searchTerm();
    in.searchDestination = CTE_CU_ADDR->searchTerm();
    in.searchStore = CTE_CU_NAME->searchTerm();
    in.searchCourier = CTE_WK_NAME->searchTerm();
    in.branchAllTicked = m_selections.publishedAllTicked;
    return in;
}

void BoardFilterBar::proc_Filter()
{
    m_engine.run(inputs());
    if (m_hooks.recount)
        m_hooks.recount();
}

void BoardFilterBar::resetButtons()
{
    CBT_ST_ALL->setChecked(true);
    for (QToolButton *b : statusButtons)
        b->setChecked(true);
    for (QToolButton *b : {CBT_PAY_ALL, CBT_PAY_CASH, CBT_PAY_CARD, CBT_PAY_PRE})
        b->setChecked(true);
}

void BoardFilterBar::statusClicked()
{
    bool all = true;
    for (QToolButton *b : statusButtons)
        all &= b->isChecked();
    CBT_ST_ALL->setChecked(all);
    proc_Filter();
}

void BoardFilterBar::payClicked()
{
    CBT_PAY_ALL->setChecked(CBT_PAY_CASH->isChecked() && CBT_PAY_CARD->isChecked() && CBT_PAY_PRE->isChecked());
    proc_Filter();
}

void BoardFilterBar::groupModeClicked()
{
    btnSelectGrp->setChecked(true);
    btnSelectBaeCha->setChecked(false);
    for (QToolButton *b : {CBT_ORD_IN, CBT_WK_IN}) {
        b->setVisible(true);
        b->setEnabled(G_BR_CHECKED == 1);
        b->setChecked(true);
    }
    btnMyReadyCall->setEnabled(false);
    btnMyReadyCall->setVisible(false);
    btnMyReadyCall->setChecked(false);
    proc_Filter();
}

void BoardFilterBar::dispatchModeClicked()
{
    btnSelectBaeCha->setChecked(true);
    btnSelectGrp->setChecked(false);
    for (QToolButton *b : {CBT_ORD_IN, CBT_WK_IN}) {
        b->setEnabled(false);
        b->setVisible(false);
        b->setChecked(false);
    }
    btnMyReadyCall->setEnabled(true);
    btnMyReadyCall->setVisible(true);
    btnMyReadyCall->setChecked(true);
    proc_Filter();
}

void BoardFilterBar::designatedClicked()
{
    if (btnMyReadyCall->isChecked()) {
        CBT_ORD_IN->setChecked(false);
        CBT_WK_IN->setChecked(false);
    }
    proc_Filter();
}

void BoardFilterBar::ownGroupClicked()
{
    if (CBT_ORD_IN->isChecked() || CBT_WK_IN->isChecked())
        btnMyReadyCall->setChecked(false);
    proc_Filter();
}

void BoardFilterBar::searchEntered(BoardSearchBox *box)
{
    if (m_hooks.pausePolling)
        m_hooks.pausePolling();
    WriteLog(QStringLiteral("CTE_CU_NAMEEnter :") + box->objectName());
    if (box->text() == box->hint())
        box->clear();
}

void BoardFilterBar::searchLeft(BoardSearchBox *box)
{
    WriteLog(QStringLiteral("CTE_CU_NAMEExit :") + box->objectName() + QStringLiteral(" |") + box->text()
             + QStringLiteral("|"));
    if (box->text().trimmed().isEmpty())
        box->clear();
    proc_Filter();
    if (m_hooks.resumePolling)
        m_hooks.resumePolling();
}

void BoardFilterBar::searchClicked()
{
    CBT_SEARCH->setEnabled(false);
    if (m_hooks.runTabSearch && m_hooks.runTabSearch()) {
        CBT_SEARCH->setEnabled(true);
        return;
    }
    if (m_hooks.setReloadAllEnabled)
        m_hooks.setReloadAllEnabled(false);
    proc_Filter();
    if (m_hooks.setReloadAllEnabled)
        m_hooks.setReloadAllEnabled(true);
    CBT_SEARCH->setEnabled(true);
}

void BoardFilterBar::setDistancePosition(int position)
{
    position = qBound(0, position, 10);
    if (TrackBar1->value() == position)
        distanceChanged(position);
    else
        TrackBar1->setValue(position);
}

void BoardFilterBar::distanceChanged(int position)
{
    G_DVRY_DIST_KM = DistanceKmOfPosition(position);
    lbDvryDistance->setText(DistanceLabelOfPosition(position, unlimitedWord()));
    if (TIniFile *ini = settings())
        ini->WriteString(QStringLiteral("ORD"), QStringLiteral("DISPOS"), QString::number(position));
    proc_Filter();
}

QLabel *BoardFilterBar::countLabel(int tag) const
{
    if (tag == 0)
        return m_countLabels[0];
    for (int b = 0; b < kStatusButtonCount; ++b)
        if (StatusButtonTag(b) == tag)
            return m_countLabels[size_t(b + 1)];
    return nullptr;
}

void BoardFilterBar::setCount(int tag, int count)
{
    if (QLabel *label = countLabel(tag))
        label->setText(QString::number(count));
}

void BoardFilterBar::setCountText(int tag, const QString &text)
{
    if (QLabel *label = countLabel(tag))
        label->setText(text);
}

void BoardFilterBar::setStatusColour(const QString &key, TColor colour)
{
    if (!key.startsWith(QLatin1String("CB_")))
        return;
    bool ok = false;
    const int tag = key.mid(3).toInt(&ok);
    QLabel *label = ok && tag != 0 ? countLabel(tag) : nullptr;
    if (!label)
        return;
    QPalette p = label->palette();
    if (IsSystemColor(colour))
        p.setColor(QPalette::Window, m_normalFilter->palette().color(QPalette::Window));
    else
        p.setColor(QPalette::Window, QColor(ColorRed(colour), ColorGreen(colour), ColorBlue(colour)));
    label->setPalette(p);
}
