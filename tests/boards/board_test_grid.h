#pragma once

// A small order grid with the columns the board's drawing, events and export read.

#include "grid/grid_table_model.h"

#include <QMap>
#include <QStringList>
#include <QVariant>

namespace boardtest
{
// Columns of a live grid ("CTV_MAIN_") or a completed one ("CTV_MAIN_COMP_"), with the odd
// spelling of the live pay-type column.
inline QList<GridColumn> boardColumns(const QString &prefix)
{
    const bool live = prefix == QLatin1String("CTV_MAIN_");
    QList<GridColumn> cols;
    const auto add = [&](const QString &name, const QString &caption, GridValueType type = GridValueType::Text) {
        GridColumn c;
        c.name = name;
        c.caption = caption;
        c.type = type;
        cols.append(c);
    };
    add(prefix + "TODAY_ALL_NO", QStringLiteral("당일접수번호"), GridValueType::Integer);
    add(prefix + "CHK", QString());
    add(prefix + "STATUS_CD", QStringLiteral("상태"));
    add(prefix + "ORD_PATH_CD", QStringLiteral("발주경로"));
    add(prefix + "ADDR4", QStringLiteral("도착지"));
    add(prefix + "CU_TEL", QStringLiteral("고객전화번호"));
    add(prefix + "DVRY_AMT", QStringLiteral("배달료"), GridValueType::Integer);
    add(live ? QStringLiteral("CTV_MAINPAY_TYPE_CD") : prefix + "PAY_TYPE_CD", QStringLiteral("결제종류"));
    add(prefix + "TRAN_TYPE", QStringLiteral("카드승인"));
    add(prefix + "ORD_MEMO", QStringLiteral("특이사항"));
    add(prefix + "TAKEOUT_YN", QStringLiteral("서비스"));
    add(prefix + "ORD_NO", QStringLiteral("주문번호"));
    add(prefix + "ORD_DATE2", QStringLiteral("접수시간2"));
    add(prefix + "ORD_ST_CODE", QStringLiteral("가맹점코드"));
    add(prefix + "XY_ACC_TYPE", QStringLiteral("좌표정확도구분"));
    add(prefix + "TYPE_CD", QStringLiteral("서비스종류"));
    add(prefix + "ARR_TIME", QStringLiteral("도착_예정시간"));
    add(prefix + "SHARE_GROUP", QStringLiteral("내그룹여부(0:내꺼, 1: 공유)"));
    add(prefix + "ORD_GRP_NO", QStringLiteral("묶음그룹번호"));
    add(prefix + "EXCEL_ADDR", QStringLiteral("도착지"));
    add(prefix + "EXCEL_CU_TEL", QStringLiteral("고객전화번호"));
    add(prefix + "EXCEL_CU_NAME", QStringLiteral("고객이름"));
    return cols;
}

inline QList<GridColumn> storeColumns()
{
    QList<GridColumn> cols;
    for (const char *name : {"CTV_TAKEOUT_ORD_NO", "CTV_TAKEOUT_ORD_TODAY_ALL_NO", "CTV_TAKEOUT_ORD_STATUS_CD",
                             "CTV_TAKEOUT_ORD_ST_CODE", "CTV_TAKEOUT_CHARGE_HISTORY", "CTV_TAKEOUT_PAY_TYPE_CD"}) {
        GridColumn c;
        c.name = QString::fromLatin1(name);
        c.caption = c.name.mid(12);
        cols.append(c);
    }
    return cols;
}

// Appends a record whose named cells hold the given values (names without the grid's prefix
// are completed with it).
inline int addRow(GridTableModel &model, const QString &prefix, const QMap<QString, QVariant> &cells)
{
    QVariantList values;
    for (int c = 0; c < model.columnCount(); ++c)
        values.append(QVariant());
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        int c = model.columnIndex(it.key());
        if (c < 0)
            c = model.columnIndex(prefix + it.key());
        if (c >= 0)
            values[c] = it.value();
    }
    return model.appendRecord(values);
}
} // namespace boardtest
