#include "store/ui/add_goods_dialog.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "grid/ui/grid_operations.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/reference_records.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

inline constexpr char kAddGoodsSaveCode[] = "CS05_07_V01";

AddGoodsDialog::AddGoodsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog)
{
    setWindowTitle(QStringLiteral("추가상품관리"));
    auto *v = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_all = new QCheckBox(QStringLiteral("전체"), this);
    m_search = new QLineEdit(this);
    auto *find = new QPushButton(QStringLiteral("찾기"), this);
    top->addWidget(m_all);
    top->addWidget(new QLabel(QStringLiteral("상품명"), this));
    top->addWidget(m_search, 1);
    top->addWidget(find);
    v->addLayout(top);
    m_grid = new QTableWidget(0, 3, this);
    m_grid->setHorizontalHeaderLabels({QString(), QStringLiteral("상품명"), QStringLiteral("추가상품NO")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(1, 220);
    v->addWidget(m_grid, 1);
    auto *bottom = new QHBoxLayout;
    auto *saveButton = new QPushButton(QStringLiteral("저장"), this);
    auto *close = new QPushButton(QStringLiteral("닫기"), this);
    bottom->addStretch();
    bottom->addWidget(saveButton);
    bottom->addWidget(close);
    v->addLayout(bottom);
    resize(480, 520);

    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (m_setting || item->column() != 0)
            return;
        const int r = item->row();
        if (r >= 0 && r < m_rows.size())
            setTicked(r, item->checkState() == Qt::Checked);
    });
    connect(m_all, &QCheckBox::clicked, this, [this](bool on) { setAllTicked(on); });
    connect(find, &QPushButton::clicked, this, [this] {
        if (!m_search->text().isEmpty())
            m_searchPos = GridFindNext(m_grid, m_search->text(), 1, m_searchPos);
    });
    connect(m_search, &QLineEdit::textEdited, this, [this] { m_searchPos = 0; });
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(close, &QPushButton::clicked, this, [this] {
        m_searchPos = 0;
        hide();
    });
}

bool AddGoodsDialog::proc_AddGoodsList(const QString &stCode, const QString &goodsNo)
{
    if (pendingCount() > 0
        && MsgBox(QStringLiteral("수정중인 정보가 있습니다.\r\n계속 진행하시겠습니까?"), QStringLiteral("Q")) != 1)
        return false;
    m_stCode = stCode;
    m_goodsNo = goodsNo;
    m_rows.clear();
    m_names.clear();
    const int s = G_SL_ST_CODE.indexOf(stCode);
    if (s >= 0) {
        const TST_LIST &store = G_ST_LIST.at(s);
        for (int k = 0; k < store.GOODS_LIST.count(); ++k) {
            const TGOODS_LIST &g = store.GOODS_LIST.at(k);
            const QString no = g.ST_GOODS_NO;
            if (QString(g.DATA_STATUS) == QLatin1String("0") || no == goodsNo || no.isEmpty())
                continue;
            m_rows.append({no, false, false});
            m_names << QString(g.GOODS_NAME);
        }
        const int own = store.SL_GOODS_NO().indexOf(goodsNo);
        if (own >= 0) {
            const TGOODS_LIST &g = store.GOODS_LIST.at(own);
            for (int a = 0; a < g.ADD.count(); ++a) {
                const TGOOD_OP &op = g.ADD.at(a);
                if (QString(op.DATA_STATUS) == QLatin1String("0"))
                    continue;
                for (AddGoodsChoice &c : m_rows)
                    if (c.goodsNo == QString(op.ST_GOODS_OP_NO))
                        c.ticked = c.loaded = true;
            }
        }
    }
    showRows();
    return true;
}

void AddGoodsDialog::showRows()
{
    m_setting = true;
    m_grid->setRowCount(int(m_rows.size()));
    bool all = !m_rows.isEmpty();
    for (int r = 0; r < m_rows.size(); ++r) {
        auto *check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        check->setCheckState(m_rows.at(r).ticked ? Qt::Checked : Qt::Unchecked);
        m_grid->setItem(r, 0, check);
        m_grid->setItem(r, 1, new QTableWidgetItem(m_names.at(r)));
        m_grid->setItem(r, 2, new QTableWidgetItem(m_rows.at(r).goodsNo));
        all = all && m_rows.at(r).ticked;
    }
    m_all->setChecked(all);
    m_setting = false;
}

void AddGoodsDialog::setTicked(int row, bool ticked)
{
    m_rows[row].ticked = ticked;
    m_setting = true;
    if (m_grid->item(row, 0))
        m_grid->item(row, 0)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    bool all = !m_rows.isEmpty();
    for (const AddGoodsChoice &c : m_rows)
        all = all && c.ticked;
    m_all->setChecked(all);
    m_setting = false;
}

void AddGoodsDialog::setAllTicked(bool ticked)
{
    for (AddGoodsChoice &c : m_rows)
        c.ticked = ticked;
    showRows();
}

bool AddGoodsDialog::save()
{
    int n = 0;
    const QString batch = AddGoodsSavePayload(m_stCode, m_goodsNo, m_rows, &n);
    if (n == 0)
        return false;
    const QString code = QString::fromLatin1(kAddGoodsSaveCode);
    QString reply;
    RequestOne(G_TCP_CLIENT, code, QStringLiteral("CMM1"), batch, QString::number(n), QStringLiteral("5"), 30000, reply);
    const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
    if (reply.isEmpty() || o.isEmpty()) {
        WriteLog(code + QStringLiteral(" ") + batch + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    const QString outCode = o.value(QStringLiteral("OUT_CODE")).toString();
    const QString outMsg = o.value(QStringLiteral("OUT_MSG")).toString();
    if (outCode != QLatin1String("1")) {
        MsgBox(QStringLiteral("실패했습니다.\r\n") + outCode + QStringLiteral(":") + outMsg, QStringLiteral("I"));
        return false;
    }
    MsgBox(QStringLiteral("저장했습니다.\r\n") + outMsg, QStringLiteral("I"));
    // The choice is now what the server holds.
    for (AddGoodsChoice &c : m_rows)
        c.loaded = c.ticked;
    if (onSaved)
        onSaved(m_stCode, m_goodsNo);
    m_searchPos = 0;
    hide();
    return true;
}
