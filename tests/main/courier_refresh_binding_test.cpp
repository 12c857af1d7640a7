// The courier refresh bound to the side panels: the courier panel's grid takes every refreshed
// courier, and the counters of the panel's branch selection move with the refresh.
#include "common/program_globals.h"
#include "common/qstring_print.h"
#include "main/courier_panel.h"
#include "main/courier_refresh_binding.h"
#include "main/side_panels.h"
#include "orders/order_globals.h"
#include "records/courier_records.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
class PanelsOverModel : public ISidePanels
{
public:
    void procUpdateWorkerGrid(bool bClearFlag) override { model.procUpdateWorkerGrid(bClearFlag); }
    void storeStatesChanged() override {}
    QStringList courierBranches() const override { return model.slDvryBrSelectList; }
    CourierPanelModel model;
};

// Couriers as "code,branch,attendance,assigned" in one reply page.
QString page(const QStringList &couriers)
{
    const QString sep = G_FIELD_SEP;
    QJsonArray rows;
    for (const QString &c : couriers) {
        const QStringList p = c.split(QLatin1Char(','));
        QStringList f(30);
        f[0] = p.at(0);
        f[1] = QStringLiteral("H1");
        f[2] = p.at(1);
        f[4] = p.at(2);
        f[5] = QStringLiteral("1");
        f[9] = QStringLiteral("37.5");
        f[10] = QStringLiteral("127.0");
        f[11] = p.at(0);
        f[25] = p.at(3);
        rows.append(f.join(sep) + sep);
    }
    const QJsonObject o{{QStringLiteral("OUT_CODE"), QStringLiteral("1")},
                        {QStringLiteral("OUT_VAL"), QStringLiteral("1")},
                        {QStringLiteral("OUT_ROW1"), rows}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QStringList gridCodes(const CourierPanelModel &m)
{
    QStringList out;
    for (int r = 0; r < m.grid().recordCount(); ++r)
        out.append(m.grid().recordValue(r, grdColWorkerCode).toString());
    return out;
}

class CourierRefreshBindingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCourierRecords();
        ResetOrderGlobals();
        ResetCourierRefreshGlobals();
        std::fill(std::begin(G_WK_CNT_BR), std::end(G_WK_CNT_BR), 0);
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.USER_TYPE_CD = "7001";
        G_USER_INFO.HD = "H1";
        panels.model.slDvryBrSelectList = QStringList{QStringLiteral("B1")};
        SetSidePanels(&panels);
        BindCourierRefreshToSidePanels(hooks);
        hooks.request = [this](const QString &, const QString &, const QString &, const QString &, int) {
            return QStringList{reply};
        };
        hooks.log = [](const QString &) {};
    }
    void TearDown() override { SetSidePanels(nullptr); }

    std::vector<int> mainCounters() const { return std::vector<int>(std::begin(G_WK_CNT_BR), std::end(G_WK_CNT_BR)); }

    PanelsOverModel panels;
    CourierListRefresh::Hooks hooks;
    QString reply;
};

TEST_F(CourierRefreshBindingTest, ThePanelTakesEveryRefreshedCourier)
{
    CourierListRefresh refresh(hooks);
    reply = page({"W1,B1,0001,0", "W2,B2,0003,0"});
    ASSERT_TRUE(refresh.proc_Dvry_List());
    EXPECT_EQ(gridCodes(panels.model), (QStringList{"W1", "W2"}));
    EXPECT_EQ(mainCounters(), (std::vector<int>{0, 0, 0, 1, 0, 0, 0}));

    // A courier reported twice before the grid saw it, and a known one changing branch: the grid
    // stays in step and the counters follow the panel's selection.
    reply = page({"W3,B1,0001,0", "W3,B1,0001,2", "W2,B1,0003,0", "W1,B2,0001,0"});
    ASSERT_TRUE(refresh.proc_Dvry_List());
    EXPECT_EQ(gridCodes(panels.model), (QStringList{"W1", "W2", "W3"}));
    EXPECT_EQ(panels.model.grid().recordValue(2, grdColWorker3001).toInt(), 2);
    EXPECT_EQ(panels.model.grid().recordValue(0, grdColWorkerBrCode).toString(), "B2");
    EXPECT_EQ(mainCounters(), (std::vector<int>{0, 1, 1, 0, 2, 0, 0}));
    for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray)
        EXPECT_EQ(w.WKChangeYN, 0) << w.WkCode.toStdString() << " left for the grid";
}

TEST_F(CourierRefreshBindingTest, WithoutPanelsTheMainCountersStayAlone)
{
    SetSidePanels(nullptr);
    CourierListRefresh refresh(hooks);
    reply = page({"W1,B1,0001,1"});
    ASSERT_TRUE(refresh.proc_Dvry_List());
    EXPECT_EQ(mainCounters(), std::vector<int>(7, 0));
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.count(), 1);
}
} // namespace
