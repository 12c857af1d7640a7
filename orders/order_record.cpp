#include "orders/order_record.h"

#include "records/business_rules.h"

TOrderVisibility TA1ORDER::visibilityFields() const
{
    TOrderVisibility f;
    f.ORD_BR_CODE = ORD_BR_CODE;
    f.DVRY_TYPE_CD = DVRY_TYPE_CD;
    f.ST_DVRY_TYPE_CD = ST_DVRY_TYPE_CD;
    f.CTH_ST_CODE = CTH_ST_CODE;
    f.CTH_DVRY_TYPE_CD = CTH_DVRY_TYPE_CD;
    f.ORD_STATUS_CD = ORD_STATUS_CD;
    f.READY_CHANGE_DATE = READY_CHANGE_DATE;
    f.ST_DVRY_BR_CODE = ST_DVRY_BR_CODE;
    f.DVRY_LOCK_TIME = DVRY_LOCK_TIME;
    f.isDelivery = TAKEOUT_YN == QLatin1String("N");
    f.BTOB_DVRY_TYPE_CD = BTOB_DVRY_TYPE_CD;
    return f;
}

bool TA1ORDER::GetCheckOrderAdd() const
{
    return CheckOrderAdd(visibilityFields());
}
