#pragma once

#include "records/business_rules.h"

#include <QString>

// The live delivery order as the boards and the shared visibility rules read it. Texts stay
// texts as the server sends them; counters are integers.
struct TA1ORDER
{
    QString ORD_NO;
    QString ORD_BR_CODE;       // branch of the order
    QString DVRY_TYPE_CD;      // delivery group of the order
    QString ST_DVRY_TYPE_CD;   // delivery group of the ordering store
    QString CTH_ST_CODE;       // store code of the dispatching side
    QString CTH_DVRY_TYPE_CD;  // delivery group of the dispatching side
    QString ORD_STATUS_CD;     // status code such as "2001"
    QString READY_CHANGE_DATE; // request time "yyyy-mm-dd hh:nn:ss"
    QString ST_DVRY_BR_CODE;   // branch of the store's delivery group
    int DVRY_LOCK_TIME = 0;    // seconds; -1 = no lock limit
    QString TAKEOUT_YN;        // "N" for a delivery
    QString BTOB_DVRY_TYPE_CD; // business-to-business delivery group
    QString SA_LAT_Y;          // start coordinates
    QString SA_LNG_X;
    QString EA_LAT_Y;          // destination coordinates
    QString EA_LNG_X;

    // The fields the shared visibility rules read.
    TOrderVisibility visibilityFields() const;
    // Whether this order belongs on the board of the logged-in user.
    bool GetCheckOrderAdd() const;
};
