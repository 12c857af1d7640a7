#include "records/courier_records.h"

#include <gtest/gtest.h>

TEST(CourierList, CodesStayParallelToTheCouriers)
{
    ResetCourierRecords();
    for (const char *code : {"W00001", "W00002", "W00003"}) {
        TMyWorker &w = G_MY_WORKER.MyWorkerArray.append(QString::fromLatin1(code));
        w.WkCode = QString::fromLatin1(code);
        w.WKChangeYN = 2;
    }
    G_MY_WORKER.MyWorkerArray.removeAt(0);
    const int i = G_MY_WORKER.MyWorkerWkArray().indexOf(QStringLiteral("W00003"));
    ASSERT_EQ(i, 1);
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.at(i).WkCode, QStringLiteral("W00003"));
    EXPECT_EQ(G_MY_WORKER.MyWorkerWkArray().indexOf(QStringLiteral("W00001")), -1);

    ResetCourierRecords();
    EXPECT_TRUE(G_MY_WORKER.MyWorkerWkArray().isEmpty());
}
