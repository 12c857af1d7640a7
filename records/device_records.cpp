#include "records/device_records.h"

std::array<TPRINT_SET, kPrinterSlots> G_PRINT_SET;
std::array<QStringList, kPrinterSlots> G_PRINT_GOODS;
QList<TGrpPrint> G_GRP_PRINT;
TCID_INFO G_CID_INFO;
TCID_KT_INFO G_CID_KT_INFO;
std::array<TCOM_CID_INFO, 2> G_COM_CID;
std::array<TCOM_CID_INFO, 3> G_DVRY_COM;
TDELIVERY_SET G_DELIVERY_SET;
TSOLBI_INFO G_SOLBI_INFO;

void TDELIVERY_SET::addStore(const QString &name, const QString &stCode)
{
    BST_NAME_LIST.append(name);
    ST_NO_LIST.append(stCode);
}

void TDELIVERY_SET::clearStores()
{
    BST_NAME_LIST.clear();
    ST_NO_LIST.clear();
}

TPRINT_SET *PrinterSlot(int slotNo)
{
    if (slotNo < 1 || slotNo > kPrinterSlots)
        return nullptr;
    return &G_PRINT_SET[size_t(slotNo - 1)];
}

void ResetDeviceRecords()
{
    G_PRINT_SET.fill(TPRINT_SET());
    for (QStringList &lines : G_PRINT_GOODS)
        lines.clear();
    G_GRP_PRINT.clear();
    G_CID_INFO = TCID_INFO();
    G_CID_KT_INFO = TCID_KT_INFO();
    G_COM_CID.fill(TCOM_CID_INFO());
    G_DVRY_COM.fill(TCOM_CID_INFO());
    G_DELIVERY_SET = TDELIVERY_SET();
    G_SOLBI_INFO = TSOLBI_INFO();
}
