#pragma once

#include "grid/grid_table_model.h"
#include "orders/order_seams.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The columns of the live board (CTV_MAIN) and the completed board (CTV_MAIN_COMP) in their
// designed order: id, caption, value type on the live and on the completed board, tag on each
// (1: an internal column that is never shown), whether the completed board has it, the code
// list behind it and its display format. The component name of a column is derived from its id
// (BoardColumnName); filters, layouts, drawing and exports meet on those names.
#define CD_BOARD_COLUMNS(X) \
    X(TODAY_ALL_NO, "당일접수번호", Integer, Integer, 0, 0, true, None, ",0") \
    X(CHK, "", Integer, Integer, 1, 1, true, None, "") \
    X(TODAY_NO, "매장별순번", Text, Text, 1, 1, true, None, "") \
    X(ST_DVRY_TYPE_CD, "소속배송그룹", Text, Text, 0, 0, true, DeliveryGroup, "") \
    X(ORD_BR_NAME, "발주총판명", Text, Text, 0, 0, true, None, "") \
    X(ORD_ST_NAME, "발주가맹점", Text, Text, 0, 0, true, None, "") \
    X(ORD_PATH_CD, "발주경로", Text, Text, 0, 0, true, OrderPath, "") \
    X(STATUS_CD, "상태", Text, Text, 0, 0, true, Status, "") \
    X(READY_TIME, "조리시간", Integer, Text, 0, 0, true, None, "0분;-0분") \
    X(ADD_TIME, "경과시간", Integer, Text, 0, 0, true, None, ",0분;-,0분") \
    X(ADD_TIME_ALL, "전체경과시간", Integer, Text, 0, 0, true, None, "") \
    X(ORD_DATE, "접수시간", Text, Text, 0, 0, true, None, "") \
    X(CTH_DATE, "배차시간", Text, Text, 0, 0, true, None, "") \
    X(CTH_WK_ARR_TIME, "배송원도착시간", Text, Text, 0, 0, true, None, "") \
    X(PICKUP_DATE, "출발시간", Text, Text, 0, 0, true, None, "") \
    X(END_DATE, "완료시간", Text, Text, 0, 0, true, None, "") \
    X(CU_TEL, "고객전화번호", Text, Text, 0, 0, true, None, "") \
    X(CU_050_NUM, "050 안심번호", Text, Text, 0, 0, true, None, "") \
    X(END_CNT, "완료횟수", Text, Text, 0, 0, true, None, "") \
    X(ADDR4, "도착지", Text, Text, 0, 0, true, None, "") \
    X(DISTANCE, "거리", Float, Float, 0, 0, true, None, "0.000Km") \
    X(DVRY_AMT, "배달료", Integer, Integer, 0, 0, true, None, ",0;-,0") \
    X(EX_CHARGE, "할증요금", Integer, Integer, 0, 0, true, None, ",0") \
    X(GOODS_NAME, "상품명", Text, Text, 0, 0, true, None, "") \
    X(ORD_AMT, "상품금액", Integer, Integer, 0, 0, true, None, ",0") \
    X(DISCOUNT_AMT, "할인료", Integer, Integer, 0, 0, true, None, ",0") \
    X(SRV_AMT, "봉사료", Integer, Integer, 0, 0, true, None, ",0") \
    X(PAY_MILEAGE, "룸보페이", Integer, Integer, 0, 0, true, None, ",0") \
    X(PAY_AMT, "결제총액", Integer, Integer, 0, 0, true, None, ",0") \
    X(PAY_TYPE_CD, "결제종류", Text, Text, 0, 0, true, None, "") \
    X(TRAN_TYPE, "카드승인", Text, Text, 0, 0, true, TranType, "") \
    X(MNG_FEE, "건당관리비", Integer, Integer, 0, 0, true, None, ",0") \
    X(CTH_DVRY_TYPE_CD, "수주배송그룹", Text, Text, 0, 0, true, DeliveryGroup, "") \
    X(CTH_ST_NAME, "배송원소속가맹점", Text, Text, 0, 0, true, None, "") \
    X(CTH_ST_TEL, "수주가맹점연락처", Text, Text, 0, 0, true, None, "") \
    X(WK_NAME, "배송원명", Text, Text, 0, 0, true, None, "") \
    X(WK_TEL, "배송원연락처", Text, Text, 0, 0, true, None, "") \
    X(ORD_MEMO, "특이사항", Text, Text, 0, 0, true, None, "") \
    X(CU_NAME, "고객명", Text, Text, 0, 0, true, None, "") \
    X(DRVY_CNT, "대행건수", Text, Text, 0, 0, true, DvryCount, "") \
    X(TAKEOUT_YN, "서비스", Text, Text, 1, 1, true, Service, "") \
    X(ORD_NO, "주문번호", Text, Text, 0, 0, true, None, "") \
    X(ORG_PAY_TYPE, "최초지불코드", Text, Text, 0, 0, true, None, "") \
    X(CASH_CNT, "송금횟수", Integer, Integer, 0, 0, true, None, "") \
    X(CASH_AMT, "송금합계", Integer, Integer, 0, 0, true, None, ",0") \
    X(PUT_ID, "입력자ID", Text, Text, 0, 0, true, None, "") \
    X(MULTI_END_CNT, "멀티완료횟수", Integer, Integer, 0, 0, true, None, "") \
    X(MNG_TYPE, "건당관리비구분", Text, Text, 0, 0, true, MngType, "") \
    X(VAN_TYPE_CD, "VAN구분", Text, Text, 0, 0, true, VanKind, "") \
    X(CARD_APPR_NUM, "카드승인번호", Text, Text, 0, 0, true, None, "") \
    X(POS_ORD_CODE, "POS주문코드", Text, Text, 0, 0, true, None, "") \
    X(TAKEOUT_DATE, "픽업예정시간", Text, Text, 0, 0, true, None, "") \
    X(WK_INOUT, "구분", Text, Text, 1, 1, true, None, "") \
    X(DRVY_TYPE_CD, "발주배송그룹", Text, Text, 0, 0, true, DeliveryGroup, "") \
    X(ORD_TODAY_ADD_NO, "당일부가번호", Text, Text, 1, 1, true, None, "") \
    X(ORD_DATE2, "접수시간2", Text, Text, 1, 1, true, None, "") \
    X(PICKUP_DATE2, "출발시간2", Text, Text, 1, 1, true, None, "") \
    X(TAKEOUT_DATE2, "픽업시간2", Text, Text, 1, 1, true, None, "") \
    X(END_DATE2, "완료시간2", Text, Text, 1, 1, true, None, "") \
    X(ORD_ST_CODE, "가맹점코드", Text, Text, 0, 0, true, None, "") \
    X(XY_ACC_TYPE, "좌표정확도구분", Text, Text, 1, 1, true, XyAccuracy, "") \
    X(EA_ADDR5, "도착입력주소", Text, Text, 1, 1, true, None, "") \
    X(TYPE_CD, "서비스종류", Text, Text, 0, 0, true, OrderKind, "") \
    X(ORD_NO2, "주문번호2", Text, Text, 1, 1, true, None, "") \
    X(READY_TIME2, "준비시간2", Text, Text, 1, 1, true, None, "") \
    X(CU_TEL2, "수령고객전화번호", Text, Text, 0, 0, true, None, "") \
    X(BR_CODE, "총판코드", Text, Text, 1, 1, true, None, "") \
    X(WK_TEL2, "배송원연락처2", Text, Text, 1, 1, true, None, "") \
    X(CTH_BR_CODE, "배차총판코드", Text, Text, 1, 1, true, None, "") \
    X(CTH_ST_CODE, "배차 가맹점 코드", Text, Text, 1, 1, true, None, "") \
    X(CTH_DATE2, "배차시간2", Text, Text, 1, 1, true, None, "") \
    X(CTH_WK_ARR_TIME2, "배송원 도착시간2", Text, Text, 1, 1, true, None, "") \
    X(MOD_DATE, "수정시간", Text, Text, 1, 1, true, None, "") \
    X(MOD_USER_ID, "최종수정자ID", Text, Text, 1, 1, true, None, "") \
    X(MASTER_ST_CODE, "마스터가맹점코드", Text, Text, 0, 0, true, None, "") \
    X(CTH_MNG_BR_CODE, "배차관리총판코드", Text, Text, 1, 1, true, None, "") \
    X(CTH_MNG_HD_CODE, "배차관리본사코드", Text, Text, 1, 1, true, None, "") \
    X(ORD_HD_CODE, "발주제휴본사코드", Text, Text, 1, 1, true, None, "") \
    X(EA_ADDR_MOD_CNT, "도착주소변경횟수", Text, Text, 1, 1, true, None, "") \
    X(CTH_WK_ARR_DATE, "배송원도착일시", Text, Text, 1, 1, true, None, "") \
    X(READY_CTH_YN, "준비시간배차후변경여부", Text, Text, 1, 1, true, None, "") \
    X(EA_ADDR_10, "도착주소10", Text, Text, 1, 1, true, None, "") \
    X(CTH_WK_CODE, "배송원코드", Text, Text, 1, 1, true, None, "") \
    X(ACQUIRER_NAME, "카드사명", Text, Text, 0, 0, true, None, "") \
    X(EA_LAT_Y, "도착지Y", Text, Text, 1, 1, true, None, "") \
    X(EA_LNG_X, "도착지X", Text, Text, 1, 1, true, None, "") \
    X(READY_CHANGE_DATE2, "준비로변경된시간2", Text, Text, 1, 1, true, None, "") \
    X(ORD_ST_LAT_Y, "주문가맹점Y좌표", Text, Text, 1, 1, true, None, "") \
    X(ORD_ST_LNG_X, "주문가맹점X좌표", Text, Text, 1, 1, true, None, "") \
    X(ORD_ST_DISTANCE, "직영가맹점과의거리", Float, Float, 1, 1, true, None, "0.000;-0.000") \
    X(SA_LAT_Y, "출발지좌표Y", Text, Text, 1, 1, true, None, "") \
    X(SA_LNG_X, "출발지좌표X", Text, Text, 1, 1, true, None, "") \
    X(SHARE_CALL, "공유", Text, Text, 0, 0, true, None, "") \
    X(SHARE_OVER, "공유로인해보이는시간", Text, Text, 1, 1, true, None, "") \
    X(DVRY_TAX_YN, "배달대행료과세여부", Text, Text, 1, 1, true, None, "") \
    X(DVRY_NLT_TYPE, "배송그룹무제한그룹", Text, Text, 1, 1, true, None, "") \
    X(ST_DVRY_HD_CODE, "가맹점배달대행제휴본사코드", Text, Text, 1, 1, true, None, "") \
    X(ST_DVRY_BR_CODE, "가맹점배달대행총판코드", Text, Text, 1, 1, true, None, "") \
    X(CHARGE_HISTORY, "결제변경이력", Text, Text, 0, 0, true, None, "") \
    X(DVRY_GRP_TYPE, "배달대행그룹구분", Text, Text, 1, 1, true, None, "") \
    X(READY_CHANGE_DATE, "요청변경시간", Text, Text, 0, 0, true, None, "") \
    X(ORD_ST_TEL, "발주가맹점연락처", Text, Text, 0, 0, true, None, "") \
    X(ROW_DEL, "삭제플래그", Text, Text, 1, 1, true, None, "") \
    X(ARR_TIME, "도착_예정시간", Text, Text, 1, 1, true, None, "") \
    X(SA_ADDR, "출발지", Text, Text, 0, 0, true, None, "") \
    X(COOK_AFT, "조리후배차", Text, Text, 0, 0, true, None, "") \
    X(SearchAddr4, "도착지초성검색용", Text, Text, 1, 1, true, None, "") \
    X(SearchWKNAME, "배송원명초성검색용", Text, Text, 1, 1, true, None, "") \
    X(SearchSTNAME, "가맹점초성검색용", Text, Text, 1, 1, true, None, "") \
    X(BR_ADD_PRICE, "총판지원금", Integer, Integer, 0, 0, true, None, ",0.;-,0.") \
    X(ST_ADD_PRICE, "가맹점지원금", Integer, Integer, 0, 0, true, None, ",0.;-,0.") \
    X(CASHCANCLE, "정산취소완료여부(안보여야함)", Text, Text, 1, 0, true, None, "") \
    X(CANCEL_AJ_ABLE, "", Text, Text, 1, 1, true, None, "") \
    X(ORG_ORD_NO, "", Text, Text, 1, 1, true, None, "") \
    X(PENALTY_AMT, "배차취소패널티", Integer, Integer, 0, 0, true, None, ",0") \
    X(CANCEL_DATE, "취소시간", Text, Text, 1, 1, true, None, "") \
    X(DVRY_RESV_DATE, "예약배송시간", Text, Text, 0, 0, true, None, "") \
    X(PICKUP_READY_TYPE, "포장완료", Text, Text, 0, 1, true, PickupReady, "") \
    X(DVRY_SERVICE_TYPE, "", Text, Text, 1, 1, true, None, "") \
    X(BM_ADDR, "", Text, Text, 1, 1, true, None, "") \
    X(SHARE_GROUP, "내그룹여부(0:내꺼, 1: 공유)", Text, Text, 1, 1, true, None, "") \
    X(ORD_GRP_NO, "묶음그룹번호", Text, Text, 0, 0, true, None, "") \
    X(ORD_GRP_CNT, "", Text, Text, 1, 1, true, None, "") \
    X(PRE_CTH_YN, "", Text, Text, 1, 1, false, None, "") \
    X(BTOB_YN, "", Text, Text, 1, 1, false, None, "") \
    X(AUTO_GRP_YN, "", Text, Text, 1, 1, false, None, "") \
    X(EXCEL_ADDR, "도착지", Text, Text, 1, 1, true, None, "") \
    X(EXCEL_CU_TEL, "고객전화번호", Text, Text, 1, 1, true, None, "") \
    X(EXCEL_CU_NAME, "고객이름", Text, Text, 1, 1, true, None, "") \
    X(EXT_ORD_NO, "외부주문번호", Text, Text, 0, 0, true, None, "") \
    X(MANUAL_GRP_YN, "", Text, Text, 1, 1, true, None, "") \
    X(CU_ST_CODE, "주문고객가맹점코드", Text, Text, 0, 0, true, None, "") \
    X(DVRY_LOCK_TIME, "", Integer, Integer, 1, 1, true, None, "") \
    X(POS_TYPE_CD, "포스경로", Text, Text, 0, 0, true, PosPath, "")

namespace BoardCol
{
enum Id : int
{
#define CD_BOARD_COL_ENUM(id, caption, liveType, compType, liveTag, compTag, inComp, lookup, format) id,
    CD_BOARD_COLUMNS(CD_BOARD_COL_ENUM)
#undef CD_BOARD_COL_ENUM
        kCount
};
} // namespace BoardCol

// Code lists of the pick-list columns. The cells keep the codes; the grid shows the names.
enum class BoardLookup
{
    None,
    Status,
    OrderKind,
    OrderPath,
    DeliveryGroup,
    PosPath,
    VanKind,
    DvryCount,
    TranType,
    Service,
    MngType,
    XyAccuracy,
    PickupReady,
};

// The code-to-name lists that come from the main window's code tables; fixed lists (card
// approval, service, management type, coordinate accuracy, packing) are built in.
struct BoardColumnLookups
{
    QHash<QString, QString> status;
    QHash<QString, QString> orderKind;
    QHash<QString, QString> orderPath;
    QHash<QString, QString> deliveryGroup;
    QHash<QString, QString> posPath;
    QHash<QString, QString> vanKind;
    QHash<QString, QString> dvryCount;  // the bundle-count names
};

// The edition's words for the money, fee and commission columns; empty keeps the designed caption.
struct BoardCaptionWords
{
    QString money;      // PAY_MILEAGE
    QString fee;        // DVRY_AMT
    QString commission; // MNG_FEE
};

struct BoardColumnInfo
{
    BoardCol::Id id;
    QString name;
    int tag = 0;          // 1: internal, always hidden
    QString format;       // display format of the number columns
    BoardLookup lookup = BoardLookup::None;
};

// The code-to-name list a lookup kind shows: one of lookups, or a built-in fixed list.
QHash<QString, QString> BoardLookupNames(BoardLookup kind, const BoardColumnLookups &lookups);
// Component name of a column on a board; empty when the board has no such column.
QString BoardColumnName(OrderBoard board, BoardCol::Id id);
// The board's columns as the grid model takes them, and what the screen needs beside them.
QList<GridColumn> BoardColumns(OrderBoard board, const BoardColumnLookups &lookups = {},
                               const BoardCaptionWords &words = {});
const QList<BoardColumnInfo> &BoardColumnInfos(OrderBoard board);
// Position of a column in the board's column list; -1 when the board has none.
int BoardColumnIndex(OrderBoard board, BoardCol::Id id);
// Tag of the column at a position (0 outside the list).
int BoardColumnTag(OrderBoard board, int column);
// Names of the internal columns (tag 1) of a board.
QStringList BoardInternalColumnNames(OrderBoard board);
