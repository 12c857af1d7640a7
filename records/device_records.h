#pragma once

#include "text/fixed_text.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QFile;
class QPrinter;
class QSerialPort;
class QTcpSocket;

// Receipt printer slot. The open device objects are handles that the printing code creates and
// owns; the record only points at them so a device is opened once and reused.
struct TPRINT_SET
{
    bool Use_yn = false;
    int IGubun = 0;  // command variant 0 or 1
    int iType = 0;   // 0 serial, 1 network, 2 USB printer, 3 parallel port
    QString PRTNAME;
    FixedText<10> Rate;  // baud rate (serial) or port (network)
    FixedText<1> PRT_TYPE;
    FixedText<1> PRT_ST_1001;
    FixedText<1> PRT_ST_2001;
    FixedText<1> PRT_ST_1002;
    FixedText<1> PRT_ST_4001;
    FixedText<1> PRT_ST_1002_1;
    FixedText<5> PRT_STAT;
    FixedText<1> TPRT_ST_1001;
    FixedText<1> TPRT_ST_2001;
    FixedText<1> TPRT_ST_1002;
    FixedText<1> TPRT_ST_4001;
    FixedText<1> TPRT_ST_1002_1;
    FixedText<5> TPRT_STAT;
    FixedText<4> PRT_OUT;
    FixedText<1> PRT_OUT_ST_ADDR;
    FixedText<1> BM_NO_PRT;
    QSerialPort *PRT_COM = nullptr;  // serial port (serial kind)
    QTcpSocket *PRT_CLT = nullptr;   // TCP client (network kind)
    QPrinter *PRT_USB = nullptr;     // printer (USB kind)
    QPrinter *PRT_LPT = nullptr;     // printer (parallel kind)
    QFile *prtF = nullptr;           // file written to the parallel port
    FixedText<15> PRT_GRP;
    FixedText<1> GOODS_BIG;
    FixedText<1> MEMO_BIG;
    FixedText<1> BIZNAME;
    FixedText<1> CEONAME;
    FixedText<1> BIZNO;
};

// Printer group: the goods that print on the printer whose PRT_GRP equals sName.
struct TGrpPrint
{
    FixedText<15> sCode;
    FixedText<100> sName;
    QStringList slGoods;
};

// Network caller-ID server.
struct TCID_INFO
{
    FixedText<1> Use_yn;
    int IGubun = 0;
    FixedText<15> SERVER_IP;
    int PORT = 20005;
    FixedText<30> NaeSun;  // extension number(s)
    QString SVR_NAME;
    FixedText<1> Auto_Search;
};

// Telephone-service login.
struct TCID_KT_INFO
{
    FixedText<1> Use_yn;
    QString ID;
    QString PW;
    FixedText<1> LOGIN;
};

// Serial device slot (caller-ID box or delivery-app port). The receive fields belong to the
// port's receive handler.
struct TCOM_CID_INFO
{
    static constexpr int kChannels = 8;
    FixedText<1> Use_yn;
    int iType = 0;
    FixedText<100> COMNAME;
    FixedText<10> Rate;
    int GiCount = 0;
    QByteArray GSRead;
    QByteArray GSRecv;
    int iIdx = 0;
    QString ComTxt;
    QStringList slList;
    std::array<FixedText<10>, kChannels> CH;    // the store of each line
    std::array<FixedText<100>, kChannels> MSG;  // description of each line
};

// Delivery-app link. Store name i of BST_NAME_LIST belongs to store code i of ST_NO_LIST.
struct TDELIVERY_SET
{
    bool Use_yn = false;
    int iType = 1;  // 0 printer port, 1 automatic
    FixedText<7> DEF_STNO;
    QStringList BST_NAME_LIST;
    QStringList ST_NO_LIST;
    int ILEN = 0;

    // Adds a name with its store code to both lists at once.
    void addStore(const QString &name, const QString &stCode);
    void clearStores();
};

// Partner point-of-sale link: a sale line, a goods item and the link itself.
struct TSOLBI_SALE
{
    FixedText<10> sType;
    FixedText<4> CODE;
    int Price = 0;
    int Count = 0;
    int Amt = 0;
};

struct TSOLBI_GOODS
{
    FixedText<10> CategoryCode;
    FixedText<4> CODE;
    QString Name;
    int Price = 0;
    FixedText<1> Kind;
    FixedText<10> GoodsCode;
};

struct TSOLBI_INFO
{
    FixedText<1> Use_yn;
    FixedText<10> StoreId;
    FixedText<5> PosNum;
    int SaleAmt = 0;
    int CardAmt = 0;
    int CashAmt = 0;
    QStringList slGoods;
    QList<TSOLBI_SALE> SALE_LIST;
    QList<TSOLBI_GOODS> GOODS;
};

constexpr int kPrinterSlots = 4;

// Printer slots 1 to 4 (settings sections "Print1" .. "Print4"); slot n is at index n - 1.
extern std::array<TPRINT_SET, kPrinterSlots> G_PRINT_SET;
// Goods lines to print, one list per printer slot, same indexing.
extern std::array<QStringList, kPrinterSlots> G_PRINT_GOODS;
extern QList<TGrpPrint> G_GRP_PRINT;
extern TCID_INFO G_CID_INFO;
extern TCID_KT_INFO G_CID_KT_INFO;
// Serial caller-ID boxes 1 and 2 at indexes 0 and 1.
extern std::array<TCOM_CID_INFO, 2> G_COM_CID;
// Serial ports of the delivery-app link, three slots.
extern std::array<TCOM_CID_INFO, 3> G_DVRY_COM;
extern TDELIVERY_SET G_DELIVERY_SET;
extern TSOLBI_INFO G_SOLBI_INFO;

// The printer slot with number 1..4, or nullptr for any other number.
TPRINT_SET *PrinterSlot(int slotNo);

// Puts every device record back to its start value. Device handles are only forgotten: they
// belong to the code that opened them.
void ResetDeviceRecords();
