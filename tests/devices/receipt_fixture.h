#pragma once

#include "devices/receipt_order.h"
#include "records/device_records.h"

#include <QString>

// A small delivery order used by the receipt tests: two goods, one with an additional item.
inline ReceiptOrder ReceiptTestOrder()
{
    ReceiptOrder o;
    o.orderNo = QStringLiteral("2026121100001");
    o.daySerial = QStringLiteral("17");
    o.modNo = QStringLiteral("1");
    o.orderTime = QStringLiteral("2026-12-11 12:34:56");
    o.pickupTime = QString();
    o.kindWord = QStringLiteral("배달");
    o.kindText = QStringLiteral("배달 (전화)");
    o.customerTel = QStringLiteral("010-1234-5678");
    o.address = QStringLiteral("서울 강남구 역삼동 1-2");
    o.amount = QStringLiteral("36000");
    o.discount = QStringLiteral("1000");
    o.payGubun = QStringLiteral("선결제");
    o.remain = QStringLiteral("0");
    o.memo = QStringLiteral(" 문 앞에 두세요 ");
    o.payType = QStringLiteral("카드");
    o.bizName = QStringLiteral("한빛치킨");
    o.ceoName = QStringLiteral("김하나");
    o.bizNo = QStringLiteral("123-45-67890");
    o.storeTel = QStringLiteral("02-555-1234");
    o.storeAddr = QStringLiteral("서울 강남구 테헤란로 1");
    o.serviceCharge = QStringLiteral("0");
    o.status = QStringLiteral("1001");
    ReceiptGoods a;
    a.goodsNo = QStringLiteral("15");
    a.name = QStringLiteral("후라이드치킨");
    a.price = 18000;
    a.quantity = 2;
    a.amount = 36000;
    a.seq = QStringLiteral("1");
    ReceiptGoods item;
    item.goodsNo = QStringLiteral("90");
    item.name = QStringLiteral(" +콜라");
    item.price = 2000;
    item.quantity = 1;
    item.amount = 2000;
    item.seq = QStringLiteral("1");
    a.items.append(item);
    ReceiptGoods b;
    b.goodsNo = QStringLiteral("16");
    b.name = QStringLiteral("Cheese Ball");
    b.price = -500;
    b.quantity = 1;
    b.amount = -500;
    b.seq = QStringLiteral("2");
    o.goods = {a, b};
    return o;
}

inline TPRINT_SET ReceiptTestSlot(const QString &prtOut = QStringLiteral("1111"))
{
    TPRINT_SET s;
    s.Use_yn = true;
    s.IGubun = 1;
    s.iType = 1;
    s.PRTNAME = QStringLiteral("127.0.0.1");
    s.Rate = QStringLiteral("9100");
    s.PRT_TYPE = QStringLiteral("0");
    s.PRT_OUT = prtOut;
    s.PRT_OUT_ST_ADDR = QStringLiteral("1");
    s.GOODS_BIG = QStringLiteral("0");
    s.MEMO_BIG = QStringLiteral("0");
    s.BIZNAME = QStringLiteral("1");
    s.CEONAME = QStringLiteral("1");
    s.BIZNO = QStringLiteral("1");
    s.BM_NO_PRT = QStringLiteral("0");
    s.PRT_GRP = QStringLiteral("0");
    return s;
}
