#include "reception/ui/address_search_popup.h"

#include "common/message_box.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/saved_name_filter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
class DialogKeyboard : public TextKeyboard
{
public:
    std::optional<QString> askText(QWidget *parent, const QString &start) override
    {
        QDialog dlg(parent);
        dlg.setObjectName(QStringLiteral("FRM_KEYBOARD"));
        dlg.setWindowTitle(QStringLiteral("자판입력"));
        auto *v = new QVBoxLayout(&dlg);
        auto *edit = new QLineEdit(start, &dlg);
        v->addWidget(edit);
        auto *keys = new QGridLayout;
        const QString letters = QStringLiteral("ㄱㄴㄷㄹㅁㅂㅅㅇㅈㅊㅋㅌㅍㅎㅏㅑㅓㅕㅗㅛㅜㅠㅡㅣ1234567890-");
        for (int i = 0; i < letters.size(); ++i) {
            auto *b = new QPushButton(letters.mid(i, 1), &dlg);
            QObject::connect(b, &QPushButton::clicked, edit, [edit, t = letters.mid(i, 1)] { edit->insert(t); });
            keys->addWidget(b, i / 10, i % 10);
        }
        v->addLayout(keys);
        auto *row = new QHBoxLayout;
        auto *space = new QPushButton(QStringLiteral("[SPACE]"), &dlg);
        auto *back = new QPushButton(QStringLiteral("◀"), &dlg);
        auto *ok = new QPushButton(QStringLiteral("확인"), &dlg);
        auto *cancel = new QPushButton(QStringLiteral("취소"), &dlg);
        QObject::connect(space, &QPushButton::clicked, edit, [edit] { edit->insert(QStringLiteral(" ")); });
        QObject::connect(back, &QPushButton::clicked, edit, [edit] { edit->backspace(); });
        QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &dlg, &QDialog::reject);
        for (QPushButton *b : {space, back, ok, cancel})
            row->addWidget(b);
        v->addLayout(row);
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return edit->text();
    }
};
} // namespace

std::unique_ptr<TextKeyboard> MakeDialogKeyboard()
{
    return std::make_unique<DialogKeyboard>();
}

AddressSearchPopup::AddressSearchPopup(QWidget *parent) : QDialog(parent), m_keyboard(MakeDialogKeyboard())
{
    setObjectName(QStringLiteral("TFRM_ACP_ADDR_POP"));
    setWindowTitle(QStringLiteral("주소검색"));
    auto *v = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    searchText = new QLineEdit(this);
    searchText->setObjectName(QStringLiteral("CTE_ADDR_WORD_S2"));
    searchText->setPlaceholderText(QStringLiteral("지역검색"));
    radius = new QComboBox(this);
    radius->setObjectName(QStringLiteral("CCB_DISTANCE"));
    radius->addItems({"1", "2", "3", "4", "5", "7", "10", "15", "20"});
    radius->setCurrentText(QStringLiteral("5"));
    searchButton = new QPushButton(QStringLiteral("주소 검색"), this);
    keyboardButton = new QPushButton(QStringLiteral("자판입력"), this);
    row->addWidget(searchText, 1);
    row->addWidget(radius);
    row->addWidget(searchButton);
    row->addWidget(keyboardButton);
    v->addLayout(row);
    auto *chosen = new QHBoxLayout;
    chosen->addWidget(new QLabel(QStringLiteral("선택주소"), this));
    chosenLot = new QLineEdit(this);
    chosenLot->setObjectName(QStringLiteral("CTE_ADDR1"));
    chosenRoad = new QLineEdit(this);
    chosenRoad->setObjectName(QStringLiteral("CTE_ADDR_NAME"));
    chosenBuilding = new QLineEdit(this);
    chosenBuilding->setObjectName(QStringLiteral("CM_ADDR_DETAIL"));
    for (QLineEdit *e : {chosenLot, chosenRoad, chosenBuilding}) {
        e->setReadOnly(true);
        chosen->addWidget(e, 1);
    }
    chosenDistance = new QLabel(QStringLiteral("0km"), this);
    chosenDistance->setObjectName(QStringLiteral("CLB_DIS"));
    chosenDistance->setMinimumWidth(60);
    chosen->addWidget(chosenDistance);
    v->addLayout(chosen);
    resultList = new QListWidget(this);
    resultList->setObjectName(QStringLiteral("cxGridADDRGrpAll"));
    v->addWidget(resultList, 1);
    auto *bottom = new QHBoxLayout;
    doneButton = new QPushButton(QStringLiteral("선택완료"), this);
    closeButton = new QPushButton(QStringLiteral("닫기"), this);
    bottom->addStretch(1);
    bottom->addWidget(doneButton);
    bottom->addWidget(closeButton);
    v->addLayout(bottom);
    resize(720, 520);

    auto run = [this] {
        searchButton->setEnabled(false);
        const QString msg = search();
        searchButton->setEnabled(true);
        if (!msg.isEmpty())
            MsgBox(msg, QStringLiteral("I"));
    };
    connect(searchButton, &QPushButton::clicked, this, run);
    connect(searchText, &QLineEdit::returnPressed, this, run);
    connect(resultList, &QListWidget::currentRowChanged, this, [this](int i) { choose(i); });
    connect(keyboardButton, &QPushButton::clicked, this, [this] {
        if (!m_keyboard)
            return;
        if (const std::optional<QString> text = m_keyboard->askText(this, searchText->text())) {
            searchText->setText(*text);
            showSavedNames();
        }
    });
    connect(searchText, &QLineEdit::textEdited, this, [this] { showSavedNames(); });
    connect(doneButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, [this] {
        m_handOver.deliver(m_oldAddr);
        reject();
    });
}

void AddressSearchPopup::openFor(QObject *receiver, const TMSG_ADDR &oldAddr, const TST_LIST *store)
{
    m_handOver.setReceiver(receiver);
    m_oldAddr = oldAddr;
    m_store = AddressSearchStore();
    if (store) {
        m_store.lng = store->ST_LNG_X;
        m_store.lat = store->ST_LAT_Y;
        m_store.names = store->ST_MSG_ADDR2;
        if (!store->LAST_DISTANCE.isEmpty())
            radius->setCurrentText(store->LAST_DISTANCE);
    }
    searchText->clear();
    m_search.clear();
    keyboardButton->setVisible(G_USER_SET.VKeyboard == QLatin1String("Y"));
    showSavedNames();
    show();
    raise();
    searchText->setFocus();
}

void AddressSearchPopup::showSavedNames()
{
    SavedNameFilter f;
    SetSavedNameTextFilter(f, searchText->text());
    m_rows.clear();
    for (const TMSG_ADDR &a : FilterSavedNames(m_store.names, f))
        m_rows.append({SavedNameDisplay(a), a});
    const QSignalBlocker block(resultList);
    resultList->clear();
    for (const AddressSearchRow &r : m_rows)
        resultList->addItem(r.display);
}

QString AddressSearchPopup::search()
{
    const AddressSearchOutcome out = m_search.run(searchText->text(), radius->currentText(), m_store);
    if (out.status != AddressSearchStatus::Searched)
        return AddressSearchMessage(out.status);
    m_rows = out.rows;
    const QSignalBlocker block(resultList);
    resultList->clear();
    for (const AddressSearchRow &r : m_rows)
        resultList->addItem(r.display);
    if (!m_rows.isEmpty() && !out.keywordRefused && G_USER_SET.SearchAutoDaum == QLatin1String("Y")) {
        resultList->setCurrentRow(0);
        choose(0);
    }
    return {};
}

bool AddressSearchPopup::choose(int i)
{
    if (i < 0 || i >= m_rows.size())
        return false;
    const TMSG_ADDR &a = m_rows.at(i).addr;
    chosenLot->setText(a.ADDR_4);
    chosenLot->setToolTip(a.ADDR_3);
    chosenRoad->setText(a.ADDR_6);
    chosenBuilding->setText(a.ADDR_10);
    chosenDistance->setText(AddressDistanceText(m_store, a));
    return m_handOver.deliver(a);
}
