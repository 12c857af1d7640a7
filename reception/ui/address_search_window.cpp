// The reception window's address page: the saved-name list with its dong list and filters, the
// search over saved names and the address service, and applying the chosen address.
#include "reception/ui/accept_window.h"

#include "common/message_box.h"
#include "grid/grid_table_model.h"
#include "records/address_texts.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/saved_name_filter.h"
#include "reception/ui/address_search_popup.h"
#include "reference/address_search.h"
#include "text/phone_helpers.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace
{
void setAddrGridColumns(GridTableModel *model, const QString &caption)
{
    model->setColumns({GridColumn{QStringLiteral("addr0"), caption, GridValueType::Text, {}}});
}

const TST_LIST *storeOfWindow(const QString &stCode, int indexTag)
{
    for (int i = 0; i < G_ST_LIST.count(); ++i)
        if (QString(G_ST_LIST.at(i).ST_CODE) == stCode)
            return &G_ST_LIST.at(i);
    return G_ST_LIST.value(indexTag);
}

QString focusedRowText(QTableView *view, GridTableModel *model)
{
    const QModelIndex i = view->currentIndex();
    if (!i.isValid() || i.row() < 1)
        return {};
    const int rec = model->recordOfRow(i.row());
    return rec < 0 ? QString() : model->recordValue(rec, 0).toString();
}
} // namespace

void TFRM_ACCEPT::bindAddressSearch()
{
    QWidget *namesPage = CTE_ADDR_WORD_S2->parentWidget();
    QBoxLayout *right = nullptr;
    for (QLayout *l : namesPage->findChildren<QLayout *>())
        if (auto *b = qobject_cast<QBoxLayout *>(l); b && b->indexOf(CTE_ADDR_WORD_S2) >= 0)
            right = b;
    CTE_ADDR_WORD_S2->setPlaceholderText(QStringLiteral("지역검색"));
    auto *row = new QHBoxLayout;
    CCB_DISTANCE = new QComboBox(namesPage);
    CCB_DISTANCE->setObjectName(QStringLiteral("CCB_DISTANCE"));
    CCB_DISTANCE->setEditable(true);
    CCB_DISTANCE->addItems({"1", "2", "3", "4", "5", "7", "10", "15", "20"});
    CCB_DISTANCE->setCurrentText(QStringLiteral("5"));
    btnGrpAllGoodsWordSearch = new QPushButton(QStringLiteral("주소 검색"), namesPage);
    btnGrpAllGoodsWordSearch->setObjectName(QStringLiteral("btnGrpAllGoodsWordSearch"));
    cxButton106 = new QPushButton(QStringLiteral("자주쓰는 명칭"), namesPage);
    cxButton106->setObjectName(QStringLiteral("cxButton106"));
    cxButton105 = new QPushButton(QStringLiteral("초기화"), namesPage);
    cxButton105->setObjectName(QStringLiteral("cxButton105"));
    for (QPushButton *b : {btnGrpAllGoodsWordSearch, cxButton106})
        b->setCheckable(true);
    auto *toggle = new QButtonGroup(namesPage);
    toggle->addButton(btnGrpAllGoodsWordSearch);
    toggle->addButton(cxButton106);
    CRB_DONG = new QRadioButton(QStringLiteral("법정동"), namesPage);
    CRB_DONG->setObjectName(QStringLiteral("CRB_DONG"));
    CRB_DONG8 = new QRadioButton(QStringLiteral("행정동"), namesPage);
    CRB_DONG8->setObjectName(QStringLiteral("CRB_DONG8"));
    CRB_DONG->setChecked(true);
    row->addWidget(CCB_DISTANCE);
    row->addWidget(btnGrpAllGoodsWordSearch);
    row->addWidget(cxButton106);
    row->addWidget(cxButton105);
    row->addWidget(CRB_DONG);
    row->addWidget(CRB_DONG8);
    if (right)
        right->insertLayout(right->indexOf(CTE_ADDR_WORD_S2) + 1, row);

    CTV_ADDR_DONG = new QTableView(namesPage);
    CTV_ADDR_DONG->setObjectName(QStringLiteral("CTV_ADDR_DONG"));
    dongs = new GridTableModel(CTV_ADDR_DONG);
    setAddrGridColumns(dongs, QStringLiteral("법정동"));
    CTV_ADDR_DONG->setModel(dongs);
    CTV_ADDR_DONG->setMaximumWidth(110);
    CTV_ADDR_DONG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CTV_ADDR_DONG->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (auto *h = qobject_cast<QBoxLayout *>(namesPage->layout()))
        h->insertWidget(0, CTV_ADDR_DONG);

    CTV_ADDR_WORD = cxPageControl4->findChild<QTableView *>(QStringLiteral("CTV_ADDR_WORD"));
    savedNames = CTV_ADDR_WORD ? qobject_cast<GridTableModel *>(CTV_ADDR_WORD->model()) : nullptr;
    if (savedNames)
        setAddrGridColumns(savedNames, QStringLiteral("자주쓰는 명칭검색결과"));
    setAddrGridColumns(addrResults, QStringLiteral("주소 검색결과"));
    for (QTableView *v : {CTV_ADDR_WORD, cxGridADDRGrpAll})
        if (v)
            v->setWordWrap(true);

    chosung->beginUpdate();
    chosung->clearRecords();
    for (const QString &c : SavedNameConsonantRows())
        chosung->appendRecord({c});
    chosung->endUpdate();

    auto search = [this] {
        btnGrpAllGoodsWordSearch->setEnabled(false);
        proc_Load_Addr_Daum(1);
        QTimer::singleShot(10, btnGrpAllGoodsWordSearch, [b = btnGrpAllGoodsWordSearch] { b->setEnabled(true); });
    };
    connect(btnGrpAllGoodsWordSearch, &QPushButton::clicked, this, search);
    connect(CTE_ADDR_WORD_S2, &QLineEdit::returnPressed, this, search);
    connect(cxButton106, &QPushButton::clicked, this, [this] {
        cxButton106->setChecked(true);
        cxPageControl4->setCurrentIndex(0);
    });
    connect(cxButton105, &QPushButton::clicked, this, [this] {
        CTE_ADDR_WORD_S2->clear();
        for (QTableView *v : {CTV_ADDR_DONG, CTV_CHOSUNG, CTV_ADDR_GRP})
            v->setCurrentIndex(v->model()->index(0, 0));
        proc_Load_Addr_Word();
    });
    for (QTableView *v : {CTV_CHOSUNG, CTV_ADDR_GRP})
        connect(v, &QTableView::clicked, this, [this] {
            wheelTag = 0;
            proc_Load_Addr_Word();
        });
    connect(CTV_ADDR_DONG, &QTableView::clicked, this, [this](const QModelIndex &index) {
        const int rec = dongs->recordOfRow(index.row());
        const QString dong = rec < 0 ? QString() : dongs->recordValue(rec, 0).toString();
        CTE_ADDR_WORD_S2->setText(dong == QStringLiteral("전체") ? QString() : dong);
        CTV_CHOSUNG->setCurrentIndex(chosung->index(0, 0));
        CTV_ADDR_GRP->setCurrentIndex(addrGroups->index(0, 0));
        proc_Load_Addr_Word();
        CTE_ADDR_WORD_S2->setText(CTE_ADDR_WORD_S2->text() + QLatin1Char(' '));
        CTE_ADDR_WORD_S2->end(false);
        if (isVisible())
            CTE_ADDR_WORD_S2->setFocus();
    });
    for (QRadioButton *b : {CRB_DONG, CRB_DONG8})
        connect(b, &QRadioButton::clicked, this, [this] {
            proc_Load_Dong();
            cxButton106->setChecked(true);
            cxPageControl4->setCurrentIndex(0);
        });
    if (CTV_ADDR_WORD)
        connect(CTV_ADDR_WORD, &QTableView::clicked, this, [this](const QModelIndex &index) {
            const int rec = savedNames->recordOfRow(index.row());
            if (rec >= 0 && rec < savedNameRecords.size())
                proc_Set_Addr_Data(savedNameRecords.at(rec));
        });
    connect(cxGridADDRGrpAll, &QTableView::clicked, this, [this](const QModelIndex &index) {
        proc_Select_Addr_Row(addrResults->recordOfRow(index.row()));
    });
    connect(CTV_BUNJI2, &QTableView::clicked, this, [this](const QModelIndex &index) {
        const int rec = bunji->recordOfRow(index.row());
        if (rec < 0)
            return;
        wheelTag = 0;
        CTE_ADDR_WORD_S2->setText(LotKeypadText(CTE_ADDR_WORD_S2->text(), bunji->recordValue(rec, 0).toString()));
        CTV_CHOSUNG->setCurrentIndex(chosung->index(0, 0));
        CTV_ADDR_GRP->setCurrentIndex(addrGroups->index(0, 0));
        proc_Load_Addr_Word();
    });
    // Choosing the address page opens the search; switches made by the window itself set the
    // page control's "Tag" to 1 first.
    connect(cxPageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (cxPageControl1->property("Tag").toInt() == 1)
            return;
        if (index == 3)
            proc_Show_Addr_Search();
        if ((index == 3 || index == 4) && pnl_Cu_Old_Addr->isVisible())
            pnl_Cu_Old_Addr->hide();
    });
    connect(CTE_CU_TEL, &QLineEdit::editingFinished, this, [this] {
        if (!CTE_CU_TEL->isReadOnly())
            CTE_CU_TEL->setText(FormatPhone(CTE_CU_TEL->text(), 0));
    });
    bindDetailKeypad();
    connect(CBT_ADDR, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Show_Addr_Search);
    connect(CTE_ADDR_NAME, &QLineEdit::returnPressed, this, &TFRM_ACCEPT::proc_Show_Addr_Search);
    connect(CTE_ADDR1, &QLineEdit::returnPressed, this, &TFRM_ACCEPT::proc_Show_Addr_Search);
}

// The detail-address keypad beside the lot-number keypad: words and digits typed into the detail
// address with one touch each.
void TFRM_ACCEPT::bindDetailKeypad()
{
    QWidget *page = CTV_BUNJI2->parentWidget();
    auto *pad = new QWidget(page);
    pad->setObjectName(QStringLiteral("pnlDetailKeypad"));
    auto *grid = new QGridLayout(pad);
    grid->setSpacing(2);
    const QStringList words = {"층", "동", "호", "단독", "지하", "우측", "좌측", "첫번째", "두번째", "가운데",
                               "끝집", "안쪽", "안채", "안집", "주택", "첫방", "첫집", "방", "집", "빌라",
                               "오피스텔", "원룸", "모텔", "A", "B", "C", "D", "E", "1", "2",
                               "3", "4", "5", "6", "7", "8", "9", "0", "-"};
    constexpr int kColumns = 6;
    for (int i = 0; i < words.size(); ++i) {
        auto *b = new QPushButton(words.at(i), pad);
        connect(b, &QPushButton::clicked, this, [this, t = words.at(i)] { CM_ADDR_DETAIL->setText(CM_ADDR_DETAIL->text() + t); });
        grid->addWidget(b, i / kColumns, i % kColumns);
    }
    const int row = int(words.size() + kColumns - 1) / kColumns;
    auto *space = new QPushButton(QStringLiteral("[SPACE]"), pad);
    space->setObjectName(QStringLiteral("cxButton62"));
    auto *back = new QPushButton(QStringLiteral("◀"), pad);
    back->setObjectName(QStringLiteral("cxButton74"));
    auto *clear = new QPushButton(QStringLiteral("전체삭제"), pad);
    clear->setObjectName(QStringLiteral("cxButton75"));
    auto *ok = new QPushButton(QStringLiteral("확인"), pad);
    ok->setObjectName(QStringLiteral("cxButton61"));
    connect(space, &QPushButton::clicked, this, [this] { CM_ADDR_DETAIL->setText(CM_ADDR_DETAIL->text() + QLatin1Char(' ')); });
    connect(back, &QPushButton::clicked, this, [this] { CM_ADDR_DETAIL->setText(CM_ADDR_DETAIL->text().chopped(qMin<qsizetype>(1, CM_ADDR_DETAIL->text().size()))); });
    connect(clear, &QPushButton::clicked, CM_ADDR_DETAIL, &QLineEdit::clear);
    connect(ok, &QPushButton::clicked, this, [this] { cxPageControl1->setCurrentIndex(GI_GUBUN == 1 ? 2 : 0); });
    grid->addWidget(space, row, 0, 1, 2);
    grid->addWidget(back, row, 2);
    grid->addWidget(clear, row, 3);
    grid->addWidget(ok, row, 4, 1, 2);
    // Keys fill the pad, large enough for a finger on a touch screen.
    for (QPushButton *b : pad->findChildren<QPushButton *>())
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    if (auto *box = qobject_cast<QBoxLayout *>(page->layout())) {
        box->setDirection(QBoxLayout::LeftToRight);
        box->addWidget(pad, 1);
    }
    CTV_BUNJI2->setMaximumWidth(90);
    connect(cxButton76, &QPushButton::clicked, this, [this] {
        cxPageControl1->setProperty("Tag", 1);
        cxPageControl1->setCurrentIndex(3);
        cxPageControl1->setProperty("Tag", 0);
        cxPageControl2->setCurrentIndex(1);
    });
}

TMSG_ADDR TFRM_ACCEPT::currentAddress() const
{
    TMSG_ADDR a;
    a.ADDR_1 = CTE_AREA1->text();
    a.ADDR_2 = CTE_AREA2->text();
    a.ADDR_3 = CTE_ADDR1->toolTip();
    a.ADDR_4 = CTE_ADDR_NAME_OLD->text();
    a.ADDR_6 = CTE_ADDR_NAME_NEW->text();
    QString *parts[] = {&a.ADDR_8, &a.ADDR_9, &a.ADDR_10, &a.ADDR_11, &a.ADDR_12};
    for (int i = 0; i < 5 && i < CTE_CU_ADDR.size(); ++i)
        *parts[i] = CTE_CU_ADDR.at(i)->text();
    a.ADDR_LAT_X = CTE_CU_MAP_X->text().left(20);
    a.ADDR_LAT_Y = CTE_CU_MAP_Y->text().left(20);
    return a;
}

void TFRM_ACCEPT::proc_Show_Addr_Search()
{
    if (CTE_CU_TEL->isReadOnly())
        return;
    cxPageControl1->setProperty("Tag", 1);
    cxPageControl1->setCurrentIndex(3);
    cxPageControl1->setProperty("Tag", 0);
    cxPageControl2->setCurrentIndex(2);
    cxPageControl4->setCurrentIndex(0);
    if (G_USER_SET.AddrPopup != QLatin1String("Y")) {
        if (GB_LOAD) {
            cxPageControl4->setCurrentIndex(addrGroups->recordCount() > 0 ? 0 : 1);
            cxPageControl1->setEnabled(true);
            if (isVisible())
                CTE_ADDR_WORD_S2->setFocus();
        } else if (isVisible()) {
            CTE_CU_TEL->setFocus();
        }
        return;
    }
    if (!GB_LOAD)
        return;
    const TST_LIST *store = storeOfWindow(CTE_ST_NO->text(), storeIndexTag);
    auto *popup = qobject_cast<AddressSearchPopup *>(addrPopup.data());
    if (!popup) {
        popup = new AddressSearchPopup(window());
        addrPopup = popup;
    }
    GB_LOAD = CTE_CU_MAP_X->text().isEmpty();
    popup->openFor(this, currentAddress(), store);
    GB_LOAD = true;
}

void TFRM_ACCEPT::proc_Load_Addr_Daum(int page)
{
    const TST_LIST *store = storeOfWindow(CTE_ST_NO->text(), storeIndexTag);
    AddressSearchStore where;
    if (store) {
        where.lng = store->ST_LNG_X;
        where.lat = store->ST_LAT_Y;
        where.names = store->ST_MSG_ADDR2;
    }
    addrSearch.setLastKey(GS_ADDR_SEARCH);  // the window's set-up empties it
    const AddressSearchOutcome out = addrSearch.run(CTE_ADDR_WORD_S2->text(), CCB_DISTANCE->currentText(), where, page);
    GS_ADDR_SEARCH = addrSearch.lastKey();
    switch (out.status) {
    case AddressSearchStatus::EmptyText:
        MsgBox(AddressSearchMessage(out.status), QStringLiteral("I"));
        cxButton106->setChecked(true);
        cxPageControl4->setCurrentIndex(0);
        if (isVisible())
            CTE_ADDR_WORD_S2->setFocus();
        btnGrpAllGoodsWordSearch->setChecked(true);
        return;
    case AddressSearchStatus::SameSearch:
        cxPageControl4->setCurrentIndex(1);
        MsgBox(AddressSearchMessage(out.status), QStringLiteral("I"));
        if (isVisible())
            CTE_ADDR_WORD_S2->setFocus();
        btnGrpAllGoodsWordSearch->setChecked(true);
        return;
    case AddressSearchStatus::TooManyWords:
        MsgBox(AddressSearchMessage(out.status), QStringLiteral("I"));
        if (isVisible())
            CTE_ADDR_WORD_S2->setFocus();
        return;
    case AddressSearchStatus::Searched:
        break;
    }
    btnGrpAllGoodsWordSearch->setChecked(true);
    cxPageControl4->setCurrentIndex(1);
    addrResults->beginUpdate();
    addrResults->clearRecords();
    addrResultRecords.clear();
    for (const AddressSearchRow &r : out.rows) {
        addrResults->appendRecord({r.display});
        addrResultRecords.append(r.addr);
    }
    addrResults->endUpdate();
    cxGridADDRGrpAll->resizeRowsToContents();
    // A keyword pass that failed or never ran applies nothing.
    if (out.keywordRefused)
        return;
    if (addrResultRecords.isEmpty()) {
        proc_Set_Addr_Data(TMSG_ADDR());
        return;
    }
    if (G_USER_SET.SearchAutoDaum == QLatin1String("Y"))
        cxGridADDRGrpAll->setCurrentIndex(addrResults->index(0, 0));
    proc_Select_Addr_Row(0);
}

// A keyword hit without its province is looked up by its address first.
void TFRM_ACCEPT::proc_Select_Addr_Row(int row)
{
    if (row < 0 || row >= addrResultRecords.size())
        return;
    TMSG_ADDR a = addrResultRecords.at(row);
    if (a.ADDR_1.isEmpty()) {
        const QString text = !a.ADDR_6.isEmpty() ? a.ADDR_6 : a.ADDR_4;
        const QList<TAddrSearchRow> found = text.isEmpty() ? QList<TAddrSearchRow>()
                                                           : ParseAddressReply(PostGisXY(KeywordResolveFields(text, 1)));
        if (!found.isEmpty()) {
            const TAddrSearchRow &f = found.first();
            a.ADDR_1 = f.SIDO;
            a.ADDR_2 = f.SIGUNGU;
            a.ADDR_3 = f.DONG;
            a.ADDR_8 = f.H_DONG;
            a.ADDR_9 = f.ROAD_NAME;
            a.ADDR_11 = f.lotNumber();
        }
    }
    proc_Set_Addr_Data(a);
}

void TFRM_ACCEPT::proc_Set_Addr_Data(const TMSG_ADDR &addr)
{
    CTE_ADDR_NAME->setText(addr.ADDR_10);
    CTE_ADDR1->setText(AddrRoadText(addr.ADDR_4, addr.ADDR_6));
    CTE_ADDR1->setToolTip(addr.ADDR_3);
    CTE_CU_MAP_X->setText(addr.ADDR_LAT_X);
    CTE_CU_MAP_Y->setText(addr.ADDR_LAT_Y);
    CTE_ADDR_NAME_NEW->setText(addr.ADDR_6);
    CTE_ADDR_NAME_OLD->setText(addr.ADDR_4);
    CTE_AREA1->setText(addr.ADDR_1);
    CTE_AREA2->setText(addr.ADDR_2);
    const QString parts[] = {addr.ADDR_8, addr.ADDR_9, addr.ADDR_10, addr.ADDR_11, addr.ADDR_12};
    for (int i = 0; i < 5 && i < CTE_CU_ADDR.size(); ++i)
        CTE_CU_ADDR.at(i)->setText(parts[i]);
    proc_Delivery_Charge(false);
    if (!addrPopup || G_USER_SET.AddrPopup == QLatin1String("N")) {
        if (isVisible()) {
            CM_ADDR_DETAIL->end(false);
            CM_ADDR_DETAIL->setFocus();
        }
    }
}

QString TFRM_ACCEPT::func_CheckChangeDetailAddr(const QString &strOldAddr, const QString &strNewAddr)
{
    if (strOldAddr.isEmpty() || strOldAddr.trimmed() != strNewAddr.trimmed())
        return strNewAddr;
    return QString();
}

void TFRM_ACCEPT::proc_Load_Dong()
{
    const TST_LIST *store = storeOfWindow(CTE_ST_NO->text(), storeIndexTag);
    const bool legal = CRB_DONG->isChecked();
    setAddrGridColumns(dongs, legal ? QStringLiteral("법정동") : QStringLiteral("행정동"));
    dongs->beginUpdate();
    dongs->clearRecords();
    if (store)
        for (const QString &d : DongListRows(legal ? store->SL_MSG_DONG : store->SL_MSG_DONG8))
            dongs->appendRecord({d});
    dongs->endUpdate();
    if (dongs->recordCount() > 1)
        CTV_ADDR_DONG->setCurrentIndex(dongs->index(0, 0));
}

void TFRM_ACCEPT::proc_Load_Addr_Word()
{
    cxPageControl4->setCurrentIndex(0);
    cxButton106->setChecked(true);
    if (!savedNames)
        return;
    SavedNameFilter f;
    f.byLegalDong = CRB_DONG->isChecked();
    SetSavedNameTextFilter(f, CTE_ADDR_WORD_S2->text());
    SetSavedNameConsonants(f, focusedRowText(CTV_CHOSUNG, chosung));
    f.group = focusedRowText(CTV_ADDR_GRP, addrGroups);
    const TST_LIST *store = storeOfWindow(CTE_ST_NO->text(), storeIndexTag);
    savedNameRecords = store ? FilterSavedNames(store->ST_MSG_ADDR2, f) : QList<TMSG_ADDR>();
    const bool detail = G_USER_SET.ViewAddrDetail == QLatin1String("Y");
    savedNames->beginUpdate();
    savedNames->clearRecords();
    for (const TMSG_ADDR &a : savedNameRecords)
        savedNames->appendRecord({SavedNameListText(a, detail)});
    savedNames->endUpdate();
    if (!savedNameRecords.isEmpty() && GB_LOAD && G_USER_SET.SearchAutoAddr == QLatin1String("Y")) {
        CTV_ADDR_WORD->setCurrentIndex(savedNames->index(0, 0));
        proc_Set_Addr_Data(savedNameRecords.first());
    } else {
        proc_Set_Addr_Data(TMSG_ADDR());
    }
}
