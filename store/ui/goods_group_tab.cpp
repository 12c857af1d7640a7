#include "store/ui/goods_group_tab.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "grid/ui/combo_box_fill.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reference/goods_loaders.h"
#include "store/product_goods_ops.h"

#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
QListWidgetItem *groupGoodsItem(const QString &name, const QString &no)
{
    auto *item = new QListWidgetItem(name);
    item->setData(Qt::UserRole, no);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QJsonObject groupReplyObject(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}
} // namespace

GoodsGroupDialog::GoodsGroupDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog)
{
    setWindowTitle(QStringLiteral("상품그룹"));
    auto *form = new QFormLayout(this);
    m_name = new QLineEdit(this);
    m_name->setMaxLength(32);
    m_type = new QComboBox(this);
    form->addRow(QStringLiteral("그 룹 명"), m_name);
    form->addRow(QStringLiteral("그룹구분"), m_type);
    auto *buttons = new QHBoxLayout;
    m_apply = new QPushButton(QStringLiteral("적용"), this);
    auto *close = new QPushButton(QStringLiteral("닫기"), this);
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(close);
    form->addRow(buttons);
    connect(m_apply, &QPushButton::clicked, this, [this] { apply(); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

void GoodsGroupDialog::proc_SetBaseInfo(const QString &stCode, const QString &grpName, const QString &grpNo,
                                        const QString &grpType)
{
    m_type->clear();
    for (const auto &item : GoodsGroupUseTypeItems(FS_ST_SHOP_TYPE))
        m_type->addItem(item.second, item.first);
    m_stCode = stCode;
    m_no = grpNo;
    m_name->setText(grpName);
    m_type->setCurrentIndex(m_type->findData(grpType));
    if (grpNo.isEmpty()) {
        setWindowTitle(QStringLiteral("그룹추가"));
        m_apply->setText(QStringLiteral("추가"));
        m_status = QStringLiteral("1");
        if (m_type->currentIndex() < 0 && m_type->count() > 0)
            m_type->setCurrentIndex(0);
    } else {
        setWindowTitle(QStringLiteral("그룹수정"));
        m_apply->setText(QStringLiteral("수정"));
        m_status = QStringLiteral("2");
    }
    // A kind the list does not offer stays the value while no text is shown.
    setProperty("groupType", grpType);
}

bool GoodsGroupDialog::apply()
{
    const QString type = m_type->currentIndex() >= 0 ? m_type->currentData().toString() : property("groupType").toString();
    const QString refusal = GoodsGroupApplyRefusal(FS_ST_SHOP_TYPE, type, m_name->text());
    if (!refusal.isEmpty()) {
        MsgBox(refusal, QStringLiteral("I"));
        return false;
    }
    if (onApply)
        onApply(m_status, m_no, m_name->text().trimmed(), type);
    hide();
    return true;
}

GoodsGroupTab::GoodsGroupTab(QWidget *parent)
    : QWidget(parent)
{
    auto *v = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_branchBox = new QComboBox(this);
    m_storeBox = new QComboBox(this);
    m_storeBox->setMinimumContentsLength(14);
    m_kindBox = new QComboBox(this);
    m_kindBox->setMinimumContentsLength(8);
    auto *query = new QPushButton(QStringLiteral("조회"), this);
    auto *saveButton = new QPushButton(QStringLiteral("저장"), this);
    top->addWidget(new QLabel(QStringLiteral("총판"), this));
    top->addWidget(m_branchBox);
    top->addWidget(new QLabel(QStringLiteral("가맹점"), this));
    top->addWidget(m_storeBox);
    top->addWidget(query);
    top->addWidget(new QLabel(QStringLiteral("그룹구분"), this));
    top->addWidget(m_kindBox);
    top->addStretch();
    top->addWidget(saveButton);
    v->addLayout(top);

    auto *grid = new QGridLayout;
    m_groups = new QTableWidget(0, 2, this);
    m_groups->setHorizontalHeaderLabels({QStringLiteral("그룹명"), QStringLiteral("그룹구분")});
    m_groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groups->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_groups->setSelectionMode(QAbstractItemView::SingleSelection);
    m_groups->verticalHeader()->hide();
    m_groups->horizontalHeader()->setStretchLastSection(true);
    m_groupGoods = new QListWidget(this);
    m_allGoods = new QListWidget(this);
    m_selected = new QLabel(this);
    grid->addWidget(new QLabel(QStringLiteral("상품그룹"), this), 0, 0);
    grid->addWidget(m_selected, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("전체상품"), this), 0, 3);
    grid->addWidget(m_groups, 1, 0);
    grid->addWidget(m_groupGoods, 1, 1);
    grid->addWidget(m_allGoods, 1, 3);
    auto *middle = new QVBoxLayout;
    auto *addGoods = new QPushButton(QStringLiteral("<<추가"), this);
    middle->addStretch();
    middle->addWidget(addGoods);
    middle->addStretch();
    grid->addLayout(middle, 1, 2);

    auto *groupButtons = new QHBoxLayout;
    auto *grpAdd = new QPushButton(QStringLiteral("추가"), this);
    auto *grpEdit = new QPushButton(QStringLiteral("수정"), this);
    m_deleteButton = new QPushButton(QStringLiteral("삭제취소"), this);
    m_deleteButton->setText(QStringLiteral("삭제"));
    auto *grpUp = new QPushButton(QStringLiteral("위"), this);
    auto *grpDown = new QPushButton(QStringLiteral("아래"), this);
    for (QPushButton *b : {grpAdd, grpEdit, m_deleteButton, grpUp, grpDown})
        groupButtons->addWidget(b);
    grid->addLayout(groupButtons, 2, 0);
    auto *goodsButtons = new QHBoxLayout;
    auto *goodsRemove = new QPushButton(QStringLiteral("삭제"), this);
    goodsButtons->addStretch();
    goodsButtons->addWidget(goodsRemove);
    grid->addLayout(goodsButtons, 2, 1);
    auto *allButtons = new QHBoxLayout;
    auto *allUp = new QPushButton(QStringLiteral("위"), this);
    auto *allDown = new QPushButton(QStringLiteral("아래"), this);
    allButtons->addStretch();
    allButtons->addWidget(allUp);
    allButtons->addWidget(allDown);
    grid->addLayout(allButtons, 2, 3);
    v->addLayout(grid, 1);

    // The login's own store, when it has one, is chosen first.
    m_filling = true;
    FillHdBranchCombo(m_branchBox, QString(), true, QString());
    const QString own = QString(G_USER_INFO.ST).trimmed();
    const int ownIndex = own.isEmpty() ? -1 : G_SL_ST_CODE.indexOf(own);
    if (ownIndex >= 0)
        m_branchBox->setCurrentIndex(qMax(0, m_branchBox->findData(QString(G_ST_LIST.at(ownIndex).BR_CODE))));
    FillStoreCombo(m_storeBox, ComboValue(m_branchBox), QString());
    if (ownIndex >= 0 && m_storeBox->findData(own) >= 0)
        m_storeBox->setCurrentIndex(m_storeBox->findData(own));
    m_filling = false;
    connect(m_branchBox, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling || !guard())
            return;
        m_filling = true;
        FillStoreCombo(m_storeBox, ComboValue(m_branchBox), QString());
        m_filling = false;
    });
    connect(m_storeBox, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        if (!guard()) {
            m_filling = true;
            m_storeBox->setCurrentIndex(m_storeBox->findData(m_stCode));
            m_filling = false;
            return;
        }
        chooseStore(ComboValue(m_storeBox));
    });
    connect(query, &QPushButton::clicked, this, [this] {
        if (guard())
            chooseStore(ComboValue(m_storeBox));
    });
    connect(m_kindBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            showGroups();
    });
    connect(m_groups, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_filling)
            selectGroup(row);
    });
    connect(addGoods, &QPushButton::clicked, this, [this] { addCheckedGoods(); });
    connect(goodsRemove, &QPushButton::clicked, this, [this] { removeCheckedGoods(); });
    connect(grpAdd, &QPushButton::clicked, this, [this] {
        if (m_stCode.isEmpty()) {
            MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
            return;
        }
        dialog()->FS_ST_SHOP_TYPE = m_shopType;
        dialog()->proc_SetBaseInfo(GoodsGroupOwner(ComboValue(m_kindBox), m_stCode, m_masterStCode), QString(), QString(),
                                   QString());
        dialog()->show();
    });
    connect(grpEdit, &QPushButton::clicked, this, [this] {
        if (m_stCode.isEmpty()) {
            MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
            return;
        }
        if (m_edited < 0) {
            MsgBox(QStringLiteral("수정을 할 그룹이 선택되지 않았습니다."), QStringLiteral("I"));
            return;
        }
        const GoodsGroupRow &row = m_rows.at(m_edited);
        if (row.marker == QLatin1String("3")) {
            MsgBox(QStringLiteral("삭제된 그룹은 수정할 수 없습니다.\r\n삭제취소 후 수정하시기 바랍니다."), QStringLiteral("I"));
            return;
        }
        dialog()->FS_ST_SHOP_TYPE = m_shopType;
        dialog()->proc_SetBaseInfo(GoodsGroupOwner(row.type, m_stCode, m_masterStCode), row.name.trimmed(), row.no, row.type);
        dialog()->show();
    });
    connect(m_deleteButton, &QPushButton::clicked, this, [this] {
        if (m_stCode.isEmpty()) {
            MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
            return;
        }
        if (m_edited < 0) {
            MsgBox(QStringLiteral("삭제를 할 그룹이 선택되지 않았습니다."), QStringLiteral("I"));
            return;
        }
        const bool restore = m_rows.at(m_edited).marker == QLatin1String("3");
        proc_GoodsGrp_Change(restore ? QStringLiteral("4") : QStringLiteral("3"), m_rows.at(m_edited).no, QString(), QString());
    });
    connect(grpUp, &QPushButton::clicked, this, [this] { moveGroup(-1); });
    connect(grpDown, &QPushButton::clicked, this, [this] { moveGroup(1); });
    connect(allUp, &QPushButton::clicked, this, [this] {
        const int r = m_allGoods->currentRow();
        if (r > 0)
            moveAllGoods(r, r - 1);
    });
    connect(allDown, &QPushButton::clicked, this, [this] {
        const int r = m_allGoods->currentRow();
        if (r >= 0 && r + 1 < m_allGoods->count())
            moveAllGoods(r, r + 1);
    });
}

GoodsGroupDialog *GoodsGroupTab::dialog()
{
    if (!m_dialog) {
        m_dialog = new GoodsGroupDialog(this);
        m_dialog->onApply = [this](const QString &s, const QString &no, const QString &name, const QString &type) {
            proc_GoodsGrp_Change(s, no, name, type);
        };
    }
    return m_dialog;
}

bool GoodsGroupTab::changed() const
{
    if (m_groupsMoved || m_allMoved)
        return true;
    for (const GoodsGroupRow &r : m_rows)
        if (r.pending())
            return true;
    return false;
}

bool GoodsGroupTab::guard()
{
    if (changed())
        return MsgBox(QStringLiteral("변경된 정보가 있습니다.\r\n저장을 하지 않고 계속 진행하실 경우 변경된 내용이 삭제됩니다.\r\n"
                                     "계속 진행하시겠습니까?"),
                      QStringLiteral("Q"))
               == 1;
    if (m_dialog && m_dialog->isVisible()) {
        MsgBox(QStringLiteral("그룹 추가/변경 창이 열려있어 변경할 수 없습니다."), QStringLiteral("I"));
        return false;
    }
    return true;
}

void GoodsGroupTab::chooseStore(const QString &stCode)
{
    if (stCode.isEmpty()) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return;
    }
    m_groupsMoved = m_allMoved = false;
    m_stCode = stCode;
    m_masterStCode.clear();
    const int s = G_SL_ST_CODE.indexOf(stCode);
    if (s >= 0) {
        const QString master = QString(G_ST_LIST.at(s).MASTER_ST_CODE).trimmed();
        m_masterStCode = master.isEmpty() ? stCode : master;
        m_shopType = QString(G_ST_LIST.at(s).SHOP_TYPE);
        m_filling = true;
        m_kindBox->clear();
        for (const auto &item : GoodsGroupUseTypeItems(m_shopType))
            m_kindBox->addItem(item.second, item.first);
        m_kindBox->setCurrentIndex(0);
        m_filling = false;
    }
    proc_Goods2(stCode, false);
    fillGroups();
    fillAllGoods();
}

void GoodsGroupTab::fillGroups()
{
    m_rows.clear();
    m_edited = -1;
    auto addGroupsOf = [this](const QString &st, bool masterKinds, bool skipMasterKinds) {
        const int s = G_SL_ST_CODE.indexOf(st);
        if (s < 0)
            return;
        const TST_LIST &store = G_ST_LIST.at(s);
        for (int k = 0; k < store.GOODS_GRP_LST.count(); ++k) {
            const TST_GOODS_GROUP_LIST &g = store.GOODS_GRP_LST.at(k);
            const QString no = QString(g.GRP_NO).trimmed();
            const QString type = QString(g.GRP_USE_TYPE);
            const bool masterKind = type == QLatin1String("4") || type == QLatin1String("5");
            if (no.isEmpty() || no == QLatin1String("0") || QString(g.DATA_STATUS) == QLatin1String("0"))
                continue;
            if ((skipMasterKinds && masterKind) || (masterKinds && !masterKind))
                continue;
            GoodsGroupRow row;
            row.no = no;
            row.name = g.GRP_NAME;
            row.type = type;
            for (int i = 0; i < g.GOODS.count(); ++i)
                row.orig << QString(g.GOODS.at(i).ST_GOODS_NO);
            m_rows << row;
        }
    };
    const bool ownMaster = m_masterStCode.isEmpty() || m_masterStCode == m_stCode;
    addGroupsOf(m_stCode, false, !ownMaster);
    if (!ownMaster)
        addGroupsOf(m_masterStCode, true, false);
    showGroups();
}

void GoodsGroupTab::showGroups()
{
    commitGroup();
    const QString kind = ComboValue(m_kindBox);
    m_filling = true;
    m_shown.clear();
    m_groups->setRowCount(0);
    for (int i = 0; i < m_rows.size(); ++i) {
        const GoodsGroupRow &row = m_rows.at(i);
        if (!kind.isEmpty() && row.type != kind)
            continue;
        const int r = m_groups->rowCount();
        m_groups->insertRow(r);
        auto *name = new QTableWidgetItem(row.name);
        auto *type = new QTableWidgetItem(GoodsGroupTypeName(row.type));
        if (row.marker == QLatin1String("3")) {
            for (QTableWidgetItem *item : {name, type}) {
                QFont f = item->font();
                f.setStrikeOut(true);
                item->setFont(f);
                item->setForeground(Qt::red);
            }
        }
        m_groups->setItem(r, 0, name);
        m_groups->setItem(r, 1, type);
        m_shown << i;
    }
    m_filling = false;
    m_edited = -1;
    m_groupGoods->clear();
    m_selected->clear();
}

void GoodsGroupTab::fillAllGoods()
{
    m_allGoods->clear();
    const int s = G_SL_ST_CODE.indexOf(m_stCode);
    if (s < 0)
        return;
    const TST_LIST &store = G_ST_LIST.at(s);
    for (int k = 0; k < store.GOODS_LIST.count(); ++k) {
        const TGOODS_LIST &g = store.GOODS_LIST.at(k);
        if (!QString(g.ST_GOODS_NO).isEmpty() && QString(g.DATA_STATUS) == QLatin1String("1"))
            m_allGoods->addItem(groupGoodsItem(g.GOODS_NAME, g.ST_GOODS_NO));
    }
}

QString GoodsGroupTab::goodsName(const QString &goodsNo) const
{
    const int s = G_SL_ST_CODE.indexOf(m_stCode);
    if (s < 0)
        return QString();
    const int k = G_ST_LIST.at(s).SL_GOODS_NO().indexOf(goodsNo);
    if (k < 0 || QString(G_ST_LIST.at(s).GOODS_LIST.at(k).DATA_STATUS) == QLatin1String("0"))
        return QString();
    return G_ST_LIST.at(s).GOODS_LIST.at(k).GOODS_NAME;
}

void GoodsGroupTab::commitGroup()
{
    // The group's lists live in its row; nothing to copy back.
}

void GoodsGroupTab::selectGroup(int shownRow)
{
    m_groupGoods->clear();
    m_edited = shownRow >= 0 && shownRow < m_shown.size() ? m_shown.at(shownRow) : -1;
    m_selected->setText(m_edited >= 0 ? m_rows.at(m_edited).name : QString());
    if (m_edited < 0)
        return;
    m_deleteButton->setText(m_rows.at(m_edited).marker == QLatin1String("3") ? QStringLiteral("삭제취소")
                                                                              : QStringLiteral("삭제"));
    for (const QString &no : GoodsGroupShownGoods(m_rows.at(m_edited))) {
        const QString name = goodsName(no);
        if (!name.isEmpty())
            m_groupGoods->addItem(groupGoodsItem(name, no));
    }
}

void GoodsGroupTab::addCheckedGoods()
{
    if (m_edited < 0) {
        MsgBox(G_MSG_NO_GROUP, QStringLiteral("I"));
        return;
    }
    GoodsGroupRow &row = m_rows[m_edited];
    for (int i = 0; i < m_allGoods->count(); ++i) {
        QListWidgetItem *item = m_allGoods->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        const QString no = item->data(Qt::UserRole).toString();
        bool held = false;
        for (int j = 0; j < m_groupGoods->count() && !held; ++j)
            held = m_groupGoods->item(j)->data(Qt::UserRole).toString() == no;
        if (!held) {
            m_groupGoods->addItem(groupGoodsItem(item->text(), no));
            AddGoodsToGroup(row, no);
        }
        item->setCheckState(Qt::Unchecked);
    }
}

void GoodsGroupTab::removeCheckedGoods()
{
    if (m_edited < 0) {
        MsgBox(G_MSG_NO_GROUP, QStringLiteral("I"));
        return;
    }
    GoodsGroupRow &row = m_rows[m_edited];
    for (int i = m_groupGoods->count() - 1; i >= 0; --i) {
        QListWidgetItem *item = m_groupGoods->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        RemoveGoodsFromGroup(row, item->data(Qt::UserRole).toString());
        delete m_groupGoods->takeItem(i);
    }
}

void GoodsGroupTab::moveGroup(int delta)
{
    const int shown = m_groups->currentRow();
    const int target = shown + delta;
    if (shown < 0 || target < 0 || target >= m_shown.size())
        return;
    m_rows.swapItemsAt(m_shown.at(shown), m_shown.at(target));
    m_groupsMoved = true;
    showGroups();
    m_groups->setCurrentCell(target, 0);
}

void GoodsGroupTab::moveAllGoods(int from, int to)
{
    QListWidgetItem *item = m_allGoods->takeItem(from);
    m_allGoods->insertItem(to, item);
    m_allGoods->setCurrentRow(to);
    m_allMoved = true;
}

void GoodsGroupTab::proc_GoodsGrp_Change(const QString &status, const QString &no, const QString &name, const QString &type)
{
    const QString keepNo = m_edited >= 0 ? m_rows.at(m_edited).no : QString();
    ApplyGoodsGroupChange(m_rows, status, no, name, type);
    showGroups();
    for (int r = 0; r < m_shown.size(); ++r)
        if (m_rows.at(m_shown.at(r)).no == keepNo)
            m_groups->setCurrentCell(r, 0);
}

bool GoodsGroupTab::save()
{
    if (m_stCode.isEmpty())
        return false;
    const QString id = G_USER_INFO.ID;
    // The groups: every changed one, or all of them when their order moved.
    const QString groupCode = QString::fromLatin1(kGoodsGroupSaveCode);
    for (int r = 0; r < m_rows.size(); ++r) {
        GoodsGroupRow &row = m_rows[r];
        if (row.marker == QLatin1String("0") && !m_groupsMoved)
            continue;
        const QStringList pages =
            RequestList(G_TCP_CLIENT, groupCode, QStringLiteral("ADM1"),
                        GoodsGroupSavePayload(row, GoodsGroupOwner(row.type, m_stCode, m_masterStCode), id, r),
                        QStringLiteral("3000"), 30000);
        if (pages.isEmpty()) {
            WriteLog(groupCode + QStringLiteral(" ERR[NO RESULT]"));
            continue;
        }
        const QJsonObject o = groupReplyObject(pages.first());
        const QString code = o.value(QStringLiteral("OUT_CODE")).toString();
        if (code != QLatin1String("1")) {
            WriteLog(groupCode + QStringLiteral(" is Fail ") + code + QStringLiteral(":") + o.value(QStringLiteral("OUT_MSG")).toString());
            continue;
        }
        if (row.no.startsWith(QLatin1Char('N'))) {
            const QJsonValue first = o.value(QStringLiteral("OUT_ROW1")).toArray().first();
            row.no = first.toObject().value(QStringLiteral("C_0")).toString().trimmed();
        }
        row.marker = QStringLiteral("0");
    }
    // The contents of every group whose goods changed.
    const QString goodsCode = QString::fromLatin1(kGoodsGroupGoodsCode);
    for (GoodsGroupRow &row : m_rows) {
        if ((row.add.isEmpty() && row.del.isEmpty() && row.sort.isEmpty()) || row.marker == QLatin1String("3"))
            continue;
        if (row.no.isEmpty() || row.no.startsWith(QLatin1Char('N'))) {
            MsgBox(row.name + QStringLiteral("그룹이 입력에 실패하여 해당 그룹데이터는 입력되지 않습니다.\r\n다시 시도하여 주시기 바랍니다."),
                   QStringLiteral("I"));
            continue;
        }
        int n = 0;
        const QString batch = GoodsGroupGoodsPayload(row, GoodsGroupOwner(row.type, m_stCode, m_masterStCode), &n);
        QString reply;
        RequestOne(G_TCP_CLIENT, goodsCode, QStringLiteral("CMM1"), batch, QString::number(n), QStringLiteral("5"), 30000, reply);
        const QJsonObject o = groupReplyObject(reply);
        if (reply.isEmpty() || o.isEmpty()) {
            WriteLog(goodsCode + QStringLiteral(" ") + batch + QStringLiteral(" ERR[NO RESULT]"));
            MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        } else if (o.value(QStringLiteral("OUT_CODE")).toString() != QLatin1String("1")) {
            MsgBox(QStringLiteral("실패했습니다.\r\n") + o.value(QStringLiteral("OUT_CODE")).toString() + QStringLiteral(":")
                       + o.value(QStringLiteral("OUT_MSG")).toString(),
                   QStringLiteral("I"));
        } else {
            row.add.clear();
            row.del.clear();
            row.sort.clear();
        }
    }
    // The display order of all goods, when moved.
    if (m_allMoved) {
        QStringList order;
        for (int i = 0; i < m_allGoods->count(); ++i)
            order << m_allGoods->item(i)->data(Qt::UserRole).toString();
        const QString batch = GoodsOrderPayload(m_stCode, order, id);
        QString reply;
        RequestOne(G_TCP_CLIENT, QString::fromLatin1(kGoodsOrderCode), QStringLiteral("CMM1"), batch,
                   QString::number(order.size()), QStringLiteral("4"), 30000, reply);
        if (reply.isEmpty())
            WriteLog(QString::fromLatin1(kGoodsOrderCode) + QStringLiteral(" ") + batch + QStringLiteral(" ERR[NO RESULT]"));
    }
    m_groupsMoved = m_allMoved = false;
    // The caches follow: the store's groups and goods are loaded again and the tab rebuilt.
    const int s = G_SL_ST_CODE.indexOf(m_stCode);
    if (s >= 0) {
        TST_LIST &store = G_ST_LIST.at(s);
        for (int k = store.GOODS_GRP_LST.count() - 1; k >= 0; --k)
            if (QString(store.GOODS_GRP_LST.at(k).GRP_NO) != QLatin1String("0"))
                store.GOODS_GRP_LST.removeAt(k);
        proc_GetStGoods_group(m_stCode);
        proc_Goods2(m_stCode, true);
    }
    const QString kind = ComboValue(m_kindBox);
    chooseStore(m_stCode);
    m_kindBox->setCurrentIndex(qMax(0, m_kindBox->findData(kind)));
    return true;
}
