#include "reference/edition_table.h"

namespace
{
template <typename T>
EditionColumn<T> column(const T &testBuild, const T &thisBuild, const T &others = T())
{
    EditionColumn<T> c;
    c.fill(others);
    c[kTestEdition] = testBuild;
    c[kThisEdition] = thisBuild;
    return c;
}

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

const EditionColumn<QString> G_ED_PROGRAM_NAME = column(s("CourierDeskTest"), s("CourierDesk"));
const EditionColumn<QString> G_ED_TITLE = column(s("Courier Desk (test)"), s("Courier Desk"));
const EditionColumn<QString> G_ED_UPDATER_NAME = column(s("courier-desk-updater"), s("courier-desk-updater"));
const EditionColumn<QString> G_ED_DEVICE = column(s("CDT"), s("CDK"));
const EditionColumn<QString> G_ED_CAPTION = column(s("Courier Desk (test)"), s("Courier Desk"));
const EditionColumn<QString> G_ED_LOGO_NAME = column(s("LOGO_MAIN"), s("LOGO_MAIN"));
const EditionColumn<QString> G_ED_LOGO_TYPE = column(s("PNG"), s("PNG"));
const EditionColumn<QString> G_ED_LOGIN_IMG3 = column(QString(), QString());
const EditionColumn<QString> G_ED_LOGIN_IMG4 = column(QString(), QString());
const EditionColumn<QString> G_ED_MONEY_WORD = column(s("머니"), s("머니"));
const EditionColumn<QString> G_ED_FEE_WORD = column(s("배달료"), s("배달료"));
const EditionColumn<QString> G_ED_COMMISSION_WORD = column(s("배달수수료"), s("배달수수료"));
const EditionColumn<QString> G_ED_BALANCE_WORD = column(s("머니잔액"), s("머니잔액"));
const EditionColumn<bool> G_ED_RCV_SHOW1 = column(true, true);
const EditionColumn<bool> G_ED_RCV_SHOW2 = column(true, true);
const EditionColumn<TEditionAmountLayout> G_ED_RCV_AMT_LAYOUT =
    column(TEditionAmountLayout{200, 70, 271, 227}, TEditionAmountLayout{200, 70, 271, 227});
const EditionColumn<QString> G_ED_ORD_PATH = column(s("3"), s("3"));
const EditionColumn<int> G_ED_RCV_COMBO_IDX = column(0, 0);

QString EditionLoginImageType(int row, int picture)
{
    if (row == 15 || row == 17 || row == 18 || row == 24)
        return QStringLiteral("JPEG");
    if (row == 16)
        return picture == 3 ? QStringLiteral("JPEG") : QStringLiteral("PNG");
    return QStringLiteral("PNG");
}

QString EditionManifestTag(int row)
{
    return row == kTestEdition ? QStringLiteral("T") : QString::number(row);
}
