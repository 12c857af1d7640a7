#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The argument of a receipt print: the order number, optionally followed by the delivery address,
// the customer's completed-order count and the ordering store's name, separated by U+0002.
struct PrintArgument
{
    QString ordNo;
    QString address;
    QString completedCount;
    QString storeName;
};
PrintArgument ParsePrintArgument(const QString &argument);

// One goods line of a receipt, or an additional item under it (one level only).
struct ReceiptGoods
{
    QString goodsNo;     // goods number
    QString name;        // display name; an additional item's starts with " +"
    qint64 price = 0;    // unit price
    qint64 quantity = 1;
    qint64 amount = 0;   // price times quantity
    QString seq;         // order-goods sequence number an additional item attaches to
    QList<ReceiptGoods> items;
};

// Everything a receipt prints of one order, as the server's print data gives it.
struct ReceiptOrder
{
    QString orderNo;
    QString daySerial;       // the order's serial number of the day
    QString modNo;           // modification number
    QString orderTime;
    QString pickupTime;
    QString kindWord;        // "테이크아웃" or "배달"
    QString kindText;        // kind word + " (" + path name + ")"
    QString customerTel;     // formatted, not masked
    QString address;         // delivery address of the print argument
    QString amount;
    QString discount;
    QString payGubun;        // "도착지결제" or "선결제"
    QString remain;          // amount to collect
    QString memo;
    QString payType;         // name of the payment kind
    QString bizName;
    QString ceoName;
    QString bizNo;
    QString storeTel;        // formatted, not masked
    QString storeAddr;
    QString origin;          // origin of ingredients
    QString status;
    QString cardNo;
    QString cardMonths;
    QString cardCompany;
    QString approvalNo;
    QString approvedAmount;
    QString serviceCharge;
    QString pathCode;
    QList<ReceiptGoods> goods;
};

// Names of the payment kinds and order paths, by code.
struct ReceiptCodeNames
{
    QString (*payKindName)(const QString &code) = nullptr;
    QString (*pathName)(const QString &code) = nullptr;
};
// The program's code tables (the common codes "O7" and "O3").
ReceiptCodeNames ProgramReceiptCodeNames();

// What became of the reply pages of one print request.
struct ReceiptStaging
{
    enum class Result { Ok, Empty, Failed, NoHeader };
    Result result = Result::Empty;
    QString failCode;  // OUT_CODE of a failed page
    QString failMsg;   // its OUT_MSG
};

// Reads the reply pages of the print-data request into `order`, which starts empty for every job
// so that nothing of an earlier order can be printed: a later page's header replaces an earlier
// one's, goods and additional items of every page are kept. A reply without any header row is
// NoHeader and must not be printed.
ReceiptStaging StageReceiptPages(const QStringList &pages, const PrintArgument &argument,
                                 const ReceiptCodeNames &names, ReceiptOrder &order);

