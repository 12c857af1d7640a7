#include "store/ui/app_goods_match_tab.h"

#include "common/message_box.h"
#include "grid/ui/combo_box_fill.h"
#include "grid/xlsx_reader.h"
#include "link/link_state.h"
#include "link/reply_check.h"
#include "link/request_link.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reference/goods_loaders.h"
#include "text/date_helpers.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
constexpr int kMatchFixedColumns = 4;
}

AppGoodsMatchTab::AppGoodsMatchTab(QWidget *parent)
    : QWidget(parent)
{
    auto *v = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_branchBox = new QComboBox(this);
    m_storeBox = new QComboBox(this);
    m_storeBox->setMinimumContentsLength(14);
    m_appBox = new QComboBox(this);
    for (int a = 0; a < kAppGoodsApps; ++a)
        m_appBox->addItem(AppGoodsAppName(a), a);
    m_appBox->setMinimumContentsLength(8);
    auto *query = new QPushButton(QStringLiteral("조회"), this);
    auto *saveButton = new QPushButton(QStringLiteral("저장"), this);
    auto *exportButton = new QPushButton(QStringLiteral("엑셀다운"), this);
    auto *uploadButton = new QPushButton(QStringLiteral("엑셀업로드"), this);
    top->addWidget(new QLabel(QStringLiteral("총판"), this));
    top->addWidget(m_branchBox);
    top->addWidget(new QLabel(QStringLiteral("가맹점"), this));
    top->addWidget(m_storeBox);
    top->addWidget(query);
    top->addWidget(new QLabel(QStringLiteral("주문어플"), this));
    top->addWidget(m_appBox);
    top->addStretch();
    for (QPushButton *b : {saveButton, exportButton, uploadButton})
        top->addWidget(b);
    v->addLayout(top);
    m_grid = new QTableWidget(0, kMatchFixedColumns + kAppGoodsSlots, this);
    m_grid->verticalHeader()->hide();
    v->addWidget(m_grid, 1);

    const QString own = QString(G_USER_INFO.ST).trimmed();
    const int ownIndex = own.isEmpty() ? -1 : G_SL_ST_CODE.indexOf(own);
    m_filling = true;
    FillHdBranchCombo(m_branchBox, QString(), true, QString());
    if (ownIndex >= 0)
        m_branchBox->setCurrentIndex(qMax(0, m_branchBox->findData(QString(G_ST_LIST.at(ownIndex).BR_CODE))));
    FillStoreCombo(m_storeBox, ComboValue(m_branchBox), QString());
    if (ownIndex >= 0 && m_storeBox->findData(own) >= 0)
        m_storeBox->setCurrentIndex(m_storeBox->findData(own));
    m_filling = false;
    showRows();

    connect(m_branchBox, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        m_filling = true;
        FillStoreCombo(m_storeBox, ComboValue(m_branchBox), QString());
        m_filling = false;
    });
    connect(m_storeBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            chooseStore(ComboValue(m_storeBox));
    });
    connect(query, &QPushButton::clicked, this, [this] { chooseStore(ComboValue(m_storeBox)); });
    connect(m_appBox, &QComboBox::currentIndexChanged, this, [this](int i) { showApp(i); });
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        if (m_stCode.isEmpty()) {
            MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
            return;
        }
        const int s = G_SL_ST_CODE.indexOf(m_stCode);
        const QString name = s >= 0 ? G_ST_LIST.at(s).ST_NAME : m_storeBox->currentText();
        const QString path = chooseSaveFile ? chooseSaveFile(name + QStringLiteral("_주문어플상품매칭_")
                                                             + NowStr(QStringLiteral("yyyymmdd")) + QStringLiteral(".xlsx"))
                                            : QString();
        if (!path.isEmpty())
            exportLinks(path);
    });
    connect(uploadButton, &QPushButton::clicked, this, [this] {
        const QString path = chooseOpenFile ? chooseOpenFile() : QString();
        if (!path.isEmpty())
            upload(path);
    });
}

void AppGoodsMatchTab::chooseStore(const QString &stCode)
{
    if (stCode.isEmpty()) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return;
    }
    m_stCode = stCode;
    proc_Goods2(stCode, false);
    m_rows = AppGoodsMatchRows(stCode);
    loadLinks();
}

void AppGoodsMatchTab::loadLinks()
{
    if (!m_rows.isEmpty()) {
        const int s = G_SL_ST_CODE.indexOf(m_stCode);
        const QString br = s >= 0 ? QString(G_ST_LIST.at(s).BR_CODE) : ComboValue(m_branchBox);
        ApplyAppGoodsLinks(m_rows, RequestList(G_TCP_CLIENT, QString::fromLatin1(kAppGoodsLoadCode), QStringLiteral("ADM1"),
                                               AppGoodsLoadPayload(br, m_stCode), QStringLiteral("3000"), 30000));
    }
    showRows();
}

void AppGoodsMatchTab::showRows()
{
    m_filling = true;
    QStringList captions = {QStringLiteral("상품코드"), QStringLiteral("상품명"), QStringLiteral("가격"), QStringLiteral("상태")};
    for (int s = 0; s < kAppGoodsSlots; ++s)
        captions << QStringLiteral("상품명%1").arg(s + 1);
    m_grid->setHorizontalHeaderLabels(captions);
    m_grid->setRowCount(int(m_rows.size()));
    const QLocale english(QLocale::English);
    for (int r = 0; r < m_rows.size(); ++r) {
        const AppGoodsMatchRow &row = m_rows.at(r);
        const QString status = row.status == QLatin1String("1") ? QStringLiteral("정상")
                               : row.status == QLatin1String("2") ? QStringLiteral("정지") : QString();
        const QStringList fixed = {row.goodsNo, row.name, english.toString(qint64(row.price.trimmed().toDouble())), status};
        for (int c = 0; c < kMatchFixedColumns; ++c) {
            auto *item = new QTableWidgetItem(fixed.at(c));
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_grid->setItem(r, c, item);
        }
        for (int s = 0; s < kAppGoodsSlots; ++s)
            m_grid->setItem(r, kMatchFixedColumns + s, new QTableWidgetItem(row.appName[m_app][s]));
    }
    m_filling = false;
}

void AppGoodsMatchTab::takeEdits()
{
    for (int r = 0; r < m_rows.size() && r < m_grid->rowCount(); ++r)
        for (int s = 0; s < kAppGoodsSlots; ++s)
            if (QTableWidgetItem *item = m_grid->item(r, kMatchFixedColumns + s))
                m_rows[r].appName[m_app][s] = item->text();
}

void AppGoodsMatchTab::showApp(int app)
{
    if (app < 0 || app >= kAppGoodsApps || app == m_app)
        return;
    takeEdits();
    m_app = app;
    if (m_appBox->currentIndex() != app)
        m_appBox->setCurrentIndex(app);
    showRows();
}

int AppGoodsMatchTab::saveSlots(bool afterUpload)
{
    int saved = 0;
    QStringList errors;
    const QString code = QString::fromLatin1(kAppGoodsSaveCode);
    for (const AppGoodsSlotSave &slot : AppGoodsSaves(m_rows, G_USER_INFO.ID, m_stCode)) {
        QString res;
        RequestCheck(G_TCP_CLIENT, code, QStringLiteral("ADM1"), QString(), QString(), slot.payload, 0, res);
        if (res == QStringLiteral("1") + G_FIELD_SEP)
            ++saved;
        else
            errors << m_rows.at(slot.row).name + QStringLiteral("(") + m_rows.at(slot.row).goodsNo + QStringLiteral("):") + res;
    }
    if (!errors.isEmpty())
        MsgBox(errors.join(QStringLiteral("\r\n")), QStringLiteral("I"));
    else if (afterUpload)
        MsgBox(QStringLiteral("저장했습니다."), QStringLiteral("I"));
    return saved;
}

int AppGoodsMatchTab::save()
{
    if (m_stCode.isEmpty()) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return 0;
    }
    takeEdits();
    const int saved = saveSlots(false);
    if (saved > 0) {
        ClearAppGoodsLinks(m_rows, true);
        loadLinks();
    }
    return saved;
}

void AppGoodsMatchTab::exportLinks(const QString &path)
{
    if (!QFileInfo(path).dir().exists()) {
        MsgBox(QStringLiteral("저장경로가 잘못되었습니다."), QStringLiteral("I"));
        return;
    }
    takeEdits();
    const XlsxExportResult result = ExportTableToXlsx(AppGoodsMatchExport(m_rows), path);
    if (!result.ok)
        MsgBox(result.error, QStringLiteral("I"));
}

int AppGoodsMatchTab::upload(const QString &path)
{
    if (m_stCode.isEmpty()) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return 0;
    }
    // The whole sheet is read before any slot is sent, so a file that cannot be read changes
    // nothing.
    XlsxReader reader;
    XlsxSheet sheet;
    if (!reader.open(path) || reader.sheetNames().isEmpty() || !reader.readSheet(0, &sheet)) {
        MsgBox(QStringLiteral("엑셀 파일을 읽을 수 없습니다.\r\n") + reader.errorString(), QStringLiteral("I"));
        return 0;
    }
    QList<AppGoodsMatchRow> rows = m_rows;
    QString error;
    if (!ReadAppGoodsSheet(rows, sheet, &error)) {
        MsgBox(error, QStringLiteral("I"));
        return 0;
    }
    m_rows = rows;
    const int saved = saveSlots(true);
    ClearAppGoodsLinks(m_rows, true);
    loadLinks();
    return saved;
}
