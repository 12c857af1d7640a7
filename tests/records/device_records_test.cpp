#include "records/device_records.h"

#include <gtest/gtest.h>

namespace
{
TEST(DeviceRecords, PrinterSlotsAreNumberedOneToFour)
{
    ResetDeviceRecords();
    EXPECT_EQ(PrinterSlot(0), nullptr);
    EXPECT_EQ(PrinterSlot(5), nullptr);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(PrinterSlot(n), &G_PRINT_SET[size_t(n - 1)]);
}

TEST(DeviceRecords, StartValuesAndWidths)
{
    ResetDeviceRecords();
    EXPECT_EQ(G_CID_INFO.PORT, 20005);
    EXPECT_EQ(G_DELIVERY_SET.iType, 1);
    EXPECT_EQ(G_PRINT_SET[0].PRT_COM, nullptr);

    G_COM_CID[1].CH[7] = QStringLiteral("S0000012345");
    G_PRINT_SET[3].PRT_GRP = QStringLiteral("주방프린터그룹이름");  // 18 bytes into 15
    EXPECT_EQ(G_COM_CID[1].CH[7], QStringLiteral("S000001234"));
    EXPECT_EQ(G_PRINT_SET[3].PRT_GRP, QStringLiteral("주방프린터그룹"));

    G_DELIVERY_SET.addStore(QStringLiteral("가게"), QStringLiteral("S000001"));
    EXPECT_EQ(G_DELIVERY_SET.ST_NO_LIST.at(G_DELIVERY_SET.BST_NAME_LIST.indexOf(QStringLiteral("가게"))),
              QStringLiteral("S000001"));

    G_PRINT_SET[2].Use_yn = true;
    G_PRINT_GOODS[2].append(QStringLiteral("line"));
    G_GRP_PRINT.append(TGrpPrint());
    ResetDeviceRecords();
    EXPECT_FALSE(G_PRINT_SET[2].Use_yn);
    EXPECT_TRUE(G_PRINT_GOODS[2].isEmpty());
    EXPECT_TRUE(G_GRP_PRINT.isEmpty());
    EXPECT_TRUE(G_DELIVERY_SET.BST_NAME_LIST.isEmpty());
    EXPECT_EQ(G_COM_CID[1].CH[7], QString());
}
} // namespace
