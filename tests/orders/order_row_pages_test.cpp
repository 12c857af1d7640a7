// Reading the row list of an order reply page: the direct reading of the usual pages must give
// what the general JSON parser gives, for well-formed pages of every shape and for broken ones.
#include "orders/order_row_pages.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace
{
QString describe(bool ok, const std::vector<PageRow> &rows, const QString &error)
{
    QStringList parts{ok ? QStringLiteral("read") : QStringLiteral("refused: ") + error};
    for (const PageRow &r : rows)
        parts.append(r.isText ? QLatin1Char('"') + r.text + QLatin1Char('"') : QStringLiteral("<not text>"));
    return parts.join(QLatin1Char('|'));
}
} // namespace

TEST(OrderRowPages, DirectReadingAgreesWithTheGeneralParser)
{
    const QChar sep(0x2502);
    const QString row = QStringLiteral("A1") + sep + QStringLiteral("역삼동 1-1") + sep + QStringLiteral("1001") + sep;
    const QString pages[] = {
        // The usual shape, with and without spaces, empty lists and texts.
        QStringLiteral(R"({"OUT_CODE":"1","OUT_VAL":"20261211100000","OUT_ROW1":[")") + row + QStringLiteral(R"(","b"]})"),
        QStringLiteral(" {\r\n\t\"OUT_ROW1\" : [ \"x\" , \"\" ] , \"OUT_CODE\" : 1 } \n"),
        QStringLiteral(R"({"OUT_ROW1":[]})"),
        QStringLiteral(R"({})"),
        QStringLiteral(R"({"OUT_CODE":"1"})"),
        // Scalars of every kind beside the list.
        QStringLiteral(R"({"a":true,"b":false,"c":null,"d":-0.5,"e":0,"f":123456789012345,"OUT_ROW1":["r"]})"),
        QStringLiteral(R"({"d":1e3,"OUT_ROW1":["r"]})"),
        QStringLiteral(R"({"d":1234567890123456789,"OUT_ROW1":["r"]})"),
        QStringLiteral(R"({"d":01,"OUT_ROW1":["r"]})"),
        QStringLiteral(R"({"d":-,"OUT_ROW1":["r"]})"),
        QStringLiteral(R"({"d":1.,"OUT_ROW1":["r"]})"),
        // Escapes, unicode, surrogate pairs and lone surrogates, control characters.
        QStringLiteral(R"({"OUT_ROW1":["a\"b\\c\/d\be\ff\ng\rh\ti"]})"),
        QStringLiteral(R"({"OUT_ROW1":["\u0041\uac00"]})"),
        QStringLiteral(R"({"OUT\u005fROW1":["r"]})"),
        QStringLiteral(R"({"OUT_ROW1":["\x"]})"),
        QStringLiteral("{\"OUT_ROW1\":[\"") + QChar(0xD83D) + QChar(0xDE00) + QStringLiteral("\"]}"),
        QStringLiteral("{\"OUT_ROW1\":[\"") + QChar(0xD83D) + QStringLiteral("\"]}"),
        QStringLiteral("{\"OUT_ROW1\":[\"") + QChar(0xDE00) + QStringLiteral("x\"]}"),
        QStringLiteral("{\"OUT_ROW1\":[\"a\tb\"]}"),
        QStringLiteral("{\"OUT_ROW1\":[\"a") + QChar(0) + QStringLiteral("b\"]}"),
        QStringLiteral("{\"OUT_ROW1\":[\"") + QChar(0xFFFF) + QChar(0xFDD0) + QStringLiteral("\"]}"),
        QString(QChar(0xFEFF)) + QStringLiteral(R"({"OUT_ROW1":["r"]})"),
        QStringLiteral("{\"OUT_ROW1\":[\"a") + QChar(0xFEFF) + QStringLiteral("b\"]}"),
        // Rows that are no texts, a list that is none, nested values, a repeated list.
        QStringLiteral(R"({"OUT_ROW1":["a",1,null,{"x":"y"},["z"]]})"),
        QStringLiteral(R"({"OUT_ROW1":"a"})"),
        QStringLiteral(R"({"OUT_ROW1":{"a":"b"}})"),
        QStringLiteral(R"({"x":{"OUT_ROW1":["inner"]},"OUT_ROW1":["outer"]})"),
        QStringLiteral(R"({"OUT_ROW1":["first"],"OUT_ROW1":["second"]})"),
        // Broken pages.
        QString(),
        QStringLiteral("   "),
        QStringLiteral(R"(["a"])"),
        QStringLiteral(R"("OUT_ROW1")"),
        QStringLiteral(R"({"OUT_ROW1":["a"])"),
        QStringLiteral(R"({"OUT_ROW1":["a",]})"),
        QStringLiteral(R"({"OUT_ROW1":["a"]} x)"),
        QStringLiteral(R"({"OUT_ROW1":["a"]}{})"),
        QStringLiteral(R"({"OUT_ROW1" ["a"]})"),
        QStringLiteral(R"({"OUT_ROW1":["a],"b":1})"),
        QStringLiteral(R"({,"OUT_ROW1":["a"]})"),
        QStringLiteral(R"({"OUT_ROW1":["a"],})"),
        QStringLiteral(R"({"a":tru,"OUT_ROW1":["a"]})"),
        QStringLiteral(R"({'OUT_ROW1':['a']})"),
    };
    for (const QString &page : pages) {
        std::vector<PageRow> direct, general;
        QString directError, generalError;
        const bool directOk = ReadOrderRowPage(page, direct, &directError);
        const bool generalOk = ReadOrderRowPageByDocument(page, general, &generalError);
        EXPECT_EQ(describe(directOk, direct, directError), describe(generalOk, general, generalError))
            << page.toStdString();
    }
}

TEST(OrderRowPages, RowsOfABoardSizedPage)
{
    QStringList rows;
    for (int i = 0; i < 500; ++i)
        rows.append(QStringLiteral("%1%2서울특별시 강남구 \"%3\"").arg(i).arg(QChar(0x2502)).arg(i * 7));
    QString page = QStringLiteral(R"({"OUT_CODE":"1","OUT_ROW1":[)");
    for (int i = 0; i < rows.size(); ++i) {
        QString escaped = rows.at(i);
        escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
        page += (i ? QStringLiteral(",\"") : QStringLiteral("\"")) + escaped + QLatin1Char('"');
    }
    page += QStringLiteral("]}");
    std::vector<PageRow> read;
    ASSERT_TRUE(ReadOrderRowPage(page, read));
    ASSERT_EQ(int(read.size()), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(read[size_t(i)].isText);
        EXPECT_EQ(read[size_t(i)].text, rows.at(i));
    }
}
