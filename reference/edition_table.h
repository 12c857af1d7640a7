#pragma once

#include <QString>

#include <array>

// One build of the program is one edition of the service; the edition table holds, per row, the
// values that differ between editions. Row 39 is this build, row 0 the test build; the other
// rows belong to editions this code base does not ship and stay empty ("none").
inline constexpr int kEditionCount = 40;
inline constexpr int kThisEdition = 39;
inline constexpr int kTestEdition = 0;

template <typename T>
using EditionColumn = std::array<T, kEditionCount>;

struct TEditionAmountLayout
{
    int labelLeft = 0;
    int labelWidth = 0;
    int boxLeft = 0;
    int boxWidth = 0;
};

extern const EditionColumn<QString> G_ED_PROGRAM_NAME;
extern const EditionColumn<QString> G_ED_TITLE;
extern const EditionColumn<QString> G_ED_UPDATER_NAME;
extern const EditionColumn<QString> G_ED_DEVICE;
extern const EditionColumn<QString> G_ED_CAPTION;
extern const EditionColumn<QString> G_ED_LOGO_NAME;
extern const EditionColumn<QString> G_ED_LOGO_TYPE;
extern const EditionColumn<QString> G_ED_LOGIN_IMG3;
extern const EditionColumn<QString> G_ED_LOGIN_IMG4;
extern const EditionColumn<QString> G_ED_MONEY_WORD;
extern const EditionColumn<QString> G_ED_FEE_WORD;
extern const EditionColumn<QString> G_ED_COMMISSION_WORD;
extern const EditionColumn<QString> G_ED_BALANCE_WORD;
extern const EditionColumn<bool> G_ED_RCV_SHOW1;
extern const EditionColumn<bool> G_ED_RCV_SHOW2;
extern const EditionColumn<TEditionAmountLayout> G_ED_RCV_AMT_LAYOUT;
extern const EditionColumn<QString> G_ED_ORD_PATH;
extern const EditionColumn<int> G_ED_RCV_COMBO_IDX;

// Resource types of the two login pictures of a row ("PNG" or "JPEG").
QString EditionLoginImageType(int row, int picture /* 3 or 4 */);

// The edition text that marks a row's entries in the update manifest: "T" for the test build,
// the decimal row number otherwise.
QString EditionManifestTag(int row);
