#pragma once

#include <QString>

struct TST_LIST;

// Switching a goods item of a store between on sale and sold out on the server, and recording the
// new status in the session's goods cache so the next addition sees it at once.

inline constexpr char kGoodsSaleStatusCode[] = "CS05_15_V01";

struct GoodsSaleSwitchResult
{
    bool ok = false;
    QString message;  // what the dispatcher is told
};

// The status a tile's switch asks for: a sold-out goods goes back on sale ("1"), any other is
// taken off sale ("2"); word is "판매" or "품절".
QString GoodsSaleNextStatus(bool onSale, QString *word = nullptr);
// The question asked before switching.
QString GoodsSaleQuestion(const QString &word);

// Sends the switch for goodsNo of store and, when the server agrees, writes the status into the
// store's goods and every group's copy.
GoodsSaleSwitchResult ChangeGoodsSaleStatus(TST_LIST &store, const QString &goodsNo, const QString &status);
