#pragma once

#include <QString>

#include <vector>

// One element of a reply page's row list: the row's text, or a mark that the element is no text.
struct PageRow
{
    QString text;
    bool isText = false;
};

// Reads the row list ("OUT_ROW1") of an order reply page: a JSON object whose row list is an array
// of row texts. A page without a row list has no rows. False when the page is not a JSON object;
// `error` then holds the JSON parser's message.
//
// A board rebuild reads ten thousand rows in twenty pages, and the general JSON parser would turn
// each page into UTF-8, parse it into a document and turn every row back into UTF-16. Pages of the
// usual shape (a flat object of texts, numbers and the row list of plain texts) are therefore read
// straight from their text; any other page, valid or not, goes through the general parser, so
// both ways give the same rows and the same messages.
bool ReadOrderRowPage(const QString &page, std::vector<PageRow> &rows, QString *error = nullptr);

// The same through the general parser only (the reference the direct reading must agree with).
bool ReadOrderRowPageByDocument(const QString &page, std::vector<PageRow> &rows, QString *error = nullptr);
