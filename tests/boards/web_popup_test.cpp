#include "boards/ui/web_popup.h"

#include <QWebEngineView>

#include <gtest/gtest.h>

TEST(WebPopup, OpensOnlyWebAddresses)
{
    struct Case
    {
        const char *url;
        bool open;
    };
    for (const Case &k : {Case{"https://pay.example.test/send?x=1", true}, Case{"http://10.0.0.5:8080/parcel", true},
                          Case{"HTTPS://Example.test/", true}, Case{"about:blank", true},
                          Case{"file:///etc/passwd", false}, Case{"javascript:alert(1)", false},
                          Case{"data:text/html,<script>1</script>", false}, Case{"ftp://example.test/", false},
                          Case{"https://", false}, Case{"", false}, Case{"/relative/page", false}}) {
        SCOPED_TRACE(k.url);
        EXPECT_EQ(WebPopupMayOpen(QUrl(QString::fromUtf8(k.url))), k.open);
    }
}

TEST(WebPopup, PageAlertsThatBelongToThePopup)
{
    EXPECT_EQ(WebPopupAlertAction("정상처리되었습니다."), WebPopupAlert::Swallow);
    EXPECT_EQ(WebPopupAlertAction("종료 처리"), WebPopupAlert::Close);
    EXPECT_EQ(WebPopupAlertAction("종료처리"), WebPopupAlert::Show);
    EXPECT_EQ(WebPopupAlertAction("잔액이 부족합니다."), WebPopupAlert::Show);
}

TEST(WebPopup, RefusedAddressShowsNothing)
{
    int shown = 0;
    QString caption;
    QSize size;
    const WebPopupRunner previous = SetWebPopupRunner([&](TfrmReqPay *popup) {
        ++shown;
        caption = popup->windowTitle();
        size = popup->size();
        EXPECT_EQ(frmReqPay, popup);
        EXPECT_FALSE(popup->openPage(QUrl("file:///etc/passwd")));
        EXPECT_FALSE(popup->postPage(QUrl("file:///etc/passwd"), "a=1"));
        EXPECT_TRUE(popup->pageAlert("정상처리되었습니다."));
        EXPECT_FALSE(popup->pageAlert("다른 알림"));
    });
    EXPECT_FALSE(ShowWebPopup("택배배송현황", 500, 500, QUrl("file:///home/user/.ssh/id_rsa")));
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(ShowWebPopup("택배배송현황", 500, 500, QUrl("https://parcel.example.test/track?no=1")));
    SetWebPopupRunner(previous);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(caption, "택배배송현황");
    EXPECT_EQ(size, QSize(500, 500));
    EXPECT_EQ(frmReqPay, nullptr);
}
