#pragma once

#include <QString>

// One caller-ID message as the devices deliver it: ten short texts in wire order.
struct HEADER
{
    QString sType;     // at most 3 characters
    QString sLine;     // 4
    QString sMainLn;   // 14
    QString sStation;  // 4
    QString sResult;   // 2
    QString sTelNum;   // 14
    QString sSndTime;  // 8
    QString sCityStr;  // 4
    QString sWardStr;  // 20
    QString sPostStr;  // 20
};
