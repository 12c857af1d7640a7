#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class XlsxSheet;

// Adding goods from a workbook: one product per sheet row from row 2, in the layout of the goods
// list's own export. The whole file is read and checked before the first request, and a file
// with any bad row is refused with a report that names each bad row, so an upload is never half
// done because of a typing error in row 500.

inline constexpr char kGoodsBaseSaveCode[] = "CS05_02_V01";
// The most products one file may add.
constexpr int kGoodsUploadMaxRows = 20000;

struct GoodsUploadRow
{
    int sheetRow = 0; // 1-based, as the spreadsheet shows it
    QString name;
    QString price;      // as written in the cell
    QString discount;   // number text
    QString period;     // "yyyymmddyyyymmdd" or empty
    QString timeWindow; // "hhnnhhnn" or empty
    QString limitDay;
    QString limitOnce;
};

struct GoodsUploadCheck
{
    QList<GoodsUploadRow> rows;  // every valid row, in sheet order
    QStringList priceErrors;     // "<row>행 <name>"
    QStringList dateErrors;
    QString fileError;           // the file as a whole is unusable
    bool ok() const { return fileError.isEmpty() && priceErrors.isEmpty() && dateErrors.isEmpty(); }
    // The message for the user when !ok() (empty otherwise).
    QString report() const;
};

// Which sheet column (0-based) holds each field. Columns are found by their captions in row 1,
// so the export's layout (with its hidden columns and the administrators' goods-number column)
// reads back; a caption that is missing falls back to the plain layout B..H.
struct GoodsUploadColumns
{
    int name = 1, price = 2, discount = 3, period = 4, time = 5, limitDay = 6, limitOnce = 7;
};
GoodsUploadColumns FindGoodsUploadColumns(const XlsxSheet &sheet);

GoodsUploadCheck CheckGoodsUpload(const XlsxSheet &sheet);
// Reads the first sheet of the file and checks it.
GoodsUploadCheck CheckGoodsUploadFile(const QString &path);

// The rows that would add nothing new: a goods item of the store (not deleted) already has the
// same name, price, discount, period, time window and limits. Uploading the store's own export
// unchanged therefore adds nothing. Returns the other rows; *unchanged counts those left out.
QList<GoodsUploadRow> GoodsUploadNewRows(const QString &stCode, const QList<GoodsUploadRow> &rows, int *unchanged);

// The base-data payload of a product (13 fields): store, goods number (empty for a new one),
// user id, name, status, delivery-order status, price, discount, period, time window, the two
// limits, details.
struct GoodsBaseData
{
    QString stCode, goodsNo, userId, name, status = QStringLiteral("1"), ordStatus = QStringLiteral("1"), price,
        discount, period, timeWindow, limitDay, limitOnce, memo;
};
QString GoodsBasePayload(const GoodsBaseData &data);

// One request: the reply text (empty when none came).
using GoodsRequestFn = std::function<QString(const QString &code, const QString &callType, const QString &payload)>;
// RequestOne on the shared connection.
GoodsRequestFn DefaultGoodsRequest();

struct GoodsUploadResult
{
    int added = 0;
    QStringList failures; // "<row>행 <name>-<code>:<msg>"
    QString report() const;
};
// Sends one request per checked row. Only call with a check that is ok().
GoodsUploadResult RunGoodsUpload(const QString &stCode, const QString &userId, const QList<GoodsUploadRow> &rows,
                                 const GoodsRequestFn &request);

// "yyyy-mm-dd~yyyy-mm-dd" -> "yyyymmddyyyymmdd" (the digits taken by position); "" stays "".
// False when the text is not such a period.
bool ParseGoodsPeriod(const QString &text, QString *period);
// "hh:nn~hh:nn" -> "hhnnhhnn"; false when the text is not such a window.
bool ParseGoodsTimeWindow(const QString &text, QString *window);

// Numbers as the program reads them: "." decimal mark, no thousands separators, finite.
bool GoodsUploadNumber(const QString &text, double *value);
// A number written back as text ("1500", "0.5").
QString GoodsUploadNumberText(double value);
