#pragma once

#include "reception/address_search_passes.h"
#include "reception/address_search_receiver.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct TST_LIST;

// Asks the user for a text on an on-screen keyboard; nothing when cancelled.
class TextKeyboard
{
public:
    virtual ~TextKeyboard() = default;
    virtual std::optional<QString> askText(QWidget *parent, const QString &start) = 0;
};
// The program's keyboard: a small dialog of Hangul consonants, vowels and digits.
std::unique_ptr<TextKeyboard> MakeDialogKeyboard();

// The address search as a window of its own, for windows that want the whole screen for the
// search. Every address the user picks is handed at once to the window that opened it; "닫기"
// gives that window back the address it had.
class AddressSearchPopup : public QDialog
{
    Q_OBJECT
public:
    explicit AddressSearchPopup(QWidget *parent = nullptr);

    // receiver must implement AddressSearchReceiver; oldAddr is restored by "닫기".
    void openFor(QObject *receiver, const TMSG_ADDR &oldAddr, const TST_LIST *store);

    void setAddressService(AddressServicePost post) { m_search = AddressSearch(std::move(post)); }
    void setKeyboard(std::unique_ptr<TextKeyboard> keyboard) { m_keyboard = std::move(keyboard); }

    // Runs the search for the text in the search box; the user's message when it was refused.
    QString search();
    // Hands result row i over.
    bool choose(int i);
    const QList<AddressSearchRow> &results() const { return m_rows; }
    const AddressSearchHandOver &handOver() const { return m_handOver; }

    QLineEdit *searchText = nullptr;
    QComboBox *radius = nullptr;
    QListWidget *resultList = nullptr;
    QLineEdit *chosenLot = nullptr, *chosenRoad = nullptr, *chosenBuilding = nullptr;
    QLabel *chosenDistance = nullptr;
    QPushButton *searchButton = nullptr, *keyboardButton = nullptr, *doneButton = nullptr, *closeButton = nullptr;

private:
    void showSavedNames();

    AddressSearch m_search;
    AddressSearchHandOver m_handOver;
    TMSG_ADDR m_oldAddr;
    AddressSearchStore m_store;
    QList<AddressSearchRow> m_rows;
    std::unique_ptr<TextKeyboard> m_keyboard;
};
