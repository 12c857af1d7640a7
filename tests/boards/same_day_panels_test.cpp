// The same-day tabs as the screen hosts them: grids fed by the engine, count labels, the filter
// bar's buttons and boxes, the completed load on the first visit of its tab, the pop-up menu, the
// label print, and a clean layout.

#include "../layout_check.h"
#include "../orders/same_day_test_support.h"

#include "link/link_state.h"
#include "boards/ui/same_day_panels.h"
#include "boards/ui/web_popup.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ordertest;

namespace
{
const QString kPanelStamp = QStringLiteral("20261211090000000");

class SameDayPanelsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_FIELD_SEP = sep();
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.ID = QStringLiteral("desk01");
        G_USER_INFO.USER_TYPE_CD = "7001";
        G_USER_INFO.HD = "HD1";
        G_CONNECTED = true;
        SameDayPanels::Hooks hooks;
        hooks.statusColour = [](const QString &key) {
            return key == QLatin1String("CB_1001") ? QColor(Qt::yellow) : QColor();
        };
        hooks.setPollTimer = [this](bool on) { timer.append(on); };
        hooks.log = [this](const QString &l) { log.append(l); };
        hooks.hasAuthGrade = [](int) { return true; };
        hooks.printer = &printer;
        hooks.actions.confirm = [](const QString &) { return true; };
        hooks.actions.inform = [](const QString &) {};
        hooks.actions.request = [this](const QString &code, const QString &, const QString &val, int) {
            sent.append(code + QLatin1Char('|') + val);
            return QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"\"}");
        };
        hooks.messageCommand = [this](const OrderMenuCommand &c, const SameDayPopupOrder &o) {
            messages.append(QString::number(c.tag) + QLatin1Char('|') + c.caption + QLatin1Char('|') + o.FPOP_ORDER_NO);
        };
        hooks.cancelReasons = [] { return QList<QPair<QString, QString>>{{QStringLiteral("고객요청"), QStringLiteral("R01")}}; };
        panels = std::make_unique<SameDayPanels>(hooks);
        panels->loader().setRequest([this](const QString &, const QString &, const QString &val, const QString &, int) {
            requests.append(val);
            return replies.isEmpty() ? QStringList() : replies.takeFirst();
        });
        auto *v = new QVBoxLayout(&form);
        v->addWidget(panels->filterBar(&form));
        v->addWidget(panels->a3Page(&form), 1);
        v->addWidget(panels->endPage(&form), 1);
        form.resize(1400, 700);
        form.show();
    }
    static QString okPage(const QStringList &rows, const QString &mark)
    {
        return page(rows, mark);
    }
    QLabel *label(const char *name) { return form.findChild<QLabel *>(QString::fromLatin1(name)); }
    int shownRows() { return panels->grid(SameDayTab::Today)->model()->rowCount(); }

    struct Printer : ISameDayLabelPrinter
    {
        QStringList printed;
        void procSameDayPrint(const QString &no, const QString &) override { printed.append(no); }
    } printer;
    QWidget form;
    std::unique_ptr<SameDayPanels> panels;
    QList<QStringList> replies;
    QStringList requests, sent, log, messages;
    QList<bool> timer;
};

TEST_F(SameDayPanelsTest, PollFillsTheGridCountsAndFilters)
{
    replies = {{okPage({sameDayRow("A1", "1001", kPanelStamp), sameDayRow("A2", "6101", kPanelStamp),
                        sameDayRow("A3", "3001", kPanelStamp)},
                       "M1")}};
    ASSERT_TRUE(panels->pollSameDay());
    panels->engine().dispatchPending();
    EXPECT_EQ(shownRows(), 3);
    EXPECT_EQ(label("edSameDayTotal")->text(), QStringLiteral("3"));
    EXPECT_EQ(label("edSameDayReg")->text(), QStringLiteral("1"));
    EXPECT_EQ(label("edSameDay6000")->text(), QStringLiteral("1"));
    EXPECT_EQ(label("edSameDayComplete")->text(), QStringLiteral("-"));
    EXPECT_TRUE(requests.at(0).split(sep()).at(4) == QLatin1String("1")) << "a partner head office asks for kind 1";

    // Status buttons through the bar's own widgets.
    SameDayFilterBarWidget *bar = panels->filterBar();
    bar->totalButton()->click();  // up: every button up, no status condition
    EXPECT_EQ(shownRows(), 3);
    bar->button(1)->click();
    EXPECT_EQ(shownRows(), 1);
    bar->button(1)->click();
    EXPECT_EQ(shownRows(), 3);
    bar->orderBox()->setText(QStringLiteral("A2"));
    emit bar->orderBox()->returnPressed();
    EXPECT_EQ(shownRows(), 1) << panels->filterBar()->state().order.toStdString() << panels->filterBar()->state().total;

    // The completed tab asks for the completed orders once they are wanted, and again only
    // after a failure.
    replies = {{}, {okPage({sameDayRow("A9", "4001", kPanelStamp)}, "X")}};
    panels->setActiveTab(SameDayTab::Completed);
    EXPECT_EQ(requests.size(), 1) << "the tab change alone asks for nothing: the screen's tab change does";
    EXPECT_FALSE(panels->loadCompleted());
    EXPECT_FALSE(panels->loader().bA3FinOrd);
    G_CONNECTED = true;
    EXPECT_TRUE(panels->loadCompleted());
    panels->engine().dispatchPending();
    EXPECT_TRUE(panels->loader().bA3FinOrd);
    EXPECT_EQ(label("edSameDayComplete")->text(), QStringLiteral("1"));
    EXPECT_EQ(panels->models().grdEndView().recordCount(), 1);
    EXPECT_TRUE(panels->loadCompleted());
    EXPECT_EQ(requests.size(), 3) << "loaded once";

    panels->setActiveTab(SameDayTab::Today);
    EXPECT_TRUE(LayoutCheck::Problems(&form).isEmpty()) << LayoutCheck::Problems(&form).join('\n').toStdString();
}

TEST_F(SameDayPanelsTest, MenuActionsAndLabelPrint)
{
    replies = {{okPage({sameDayRow("30", "6203", kPanelStamp), sameDayRow("4", "1001", kPanelStamp),
                        sameDayRow("200", "1001", kPanelStamp)},
                       "M1")}};
    panels->pollSameDay();
    panels->engine().dispatchPending();
    SameDayGridView *grid = panels->grid(SameDayTab::Today);
    grid->setCurrentIndex(grid->model()->index(0, 0));
    std::unique_ptr<QMenu> menu(panels->mnSameDay(&form));
    QStringList names;
    for (QAction *a : menu->actions())
        names.append(a->menu() ? a->menu()->objectName() : a->objectName());
    EXPECT_TRUE(names.contains(QStringLiteral("mnDayChgStatus"))) << names.join(',').toStdString() << " "
                                                                  << log.join(',').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("mnDayChg4002")));
    QMenu *status = menu->findChild<QMenu *>(QStringLiteral("mnDayChgStatus"));
    ASSERT_TRUE(status);
    QAction *unload = status->findChild<QAction *>(QStringLiteral("mnDayChgSta6301"));
    ASSERT_TRUE(unload);
    unload->trigger();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_TRUE(sent.at(0).startsWith(QStringLiteral("CS01_34_V01|30") + sep() + QStringLiteral("desk01") + sep()
                                      + QStringLiteral("7") + sep() + QStringLiteral("6203") + sep()
                                      + QStringLiteral("6301")));
    QMenu *cancel = menu->findChild<QMenu *>(QStringLiteral("mnDayChg4002"));
    ASSERT_TRUE(cancel);
    cancel->actions().at(0)->trigger();
    EXPECT_EQ(sent.at(1).split(sep()).at(5), QStringLiteral("R01"));

    grid->selectAll();
    EXPECT_EQ(panels->printSelected(), 3);
    EXPECT_EQ(printer.printed, (QStringList{"200", "30", "4"}));
}

TEST_F(SameDayPanelsTest, MessageSubmenusHoldTheLiveItemsAndTheTrackingPageOpens)
{
    // Ordering store S1 also holds the assignment; its telephone is long enough for the
    // "call the store" text.
    G_USER_INFO.BR = "BR9";
    replies = {{okPage({sameDayRow("77", "2001", kPanelStamp,
                                   {{26, QStringLiteral("0212345678")}, {27, QStringLiteral("S1")},
                                    {41, QStringLiteral("S1")}, {92, QStringLiteral("https://track.example/77")}})},
                       "M1")}};
    panels->pollSameDay();
    panels->engine().dispatchPending();
    SameDayGridView *grid = panels->grid(SameDayTab::Today);
    grid->setCurrentIndex(grid->model()->index(0, 0));
    std::unique_ptr<QMenu> menu(panels->mnSameDay(&form));
    QMenu *store = menu->findChild<QMenu *>(QStringLiteral("mnDayMSGStore"));
    ASSERT_TRUE(store);
    QStringList texts;
    for (QAction *a : store->actions())
        if (!a->isSeparator())
            texts << a->text();
    EXPECT_EQ(texts.size(), 8) << texts.join(',').toStdString();
    EXPECT_EQ(texts.last(), QStringLiteral("직접입력"));
    store->actions().at(0)->trigger();
    store->actions().last()->trigger();
    EXPECT_EQ(messages, (QStringList{QStringLiteral("1|") + texts.first() + QStringLiteral("|77"),
                                     QStringLiteral("1|직접입력|77")}));
    QMenu *courier = menu->findChild<QMenu *>(QStringLiteral("mnDayMSGWorker"));
    ASSERT_TRUE(courier);
    EXPECT_TRUE(courier->findChild<QAction *>(QStringLiteral("NEtcSubOrdStTelMsg")));
    EXPECT_FALSE(courier->findChild<QAction *>(QStringLiteral("NEtcSubSenderTelMsg"))) << "no AUTH_TEL";

    // The parcel-tracking page: its own caption and size, a new popup each time.
    QStringList shown;
    const WebPopupRunner before = SetWebPopupRunner([&](TfrmReqPay *popup) {
        shown << popup->windowTitle() + QLatin1Char(' ') + QString::number(popup->width()) + QLatin1Char('x')
                     + QString::number(popup->height());
    });
    QAction *tracking = menu->findChild<QAction *>(QStringLiteral("mnA3TBNowLIst"));
    ASSERT_TRUE(tracking);
    tracking->trigger();
    SetWebPopupRunner(before);
    EXPECT_EQ(shown, QStringList{QStringLiteral("택배배송현황 500x500")});
    EXPECT_EQ(frmReqPay, nullptr);
}

TEST_F(SameDayPanelsTest, SearchBoxFocusStopsThePollTimer)
{
    QLineEdit *box = panels->filterBar()->orderBox();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(box, &in);
    EXPECT_EQ(timer, QList<bool>{false});
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(box, &out);
    EXPECT_EQ(timer, (QList<bool>{false, true}));
    EXPECT_EQ(log.filter(QStringLiteral("SAMEDAYFILTER")).size(), 2);
}
} // namespace
