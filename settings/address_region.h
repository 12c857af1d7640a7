#pragma once

#include <QString>

#include <array>

// The provinces that address search and the region address tree use, switched on per PC and per
// server mode in "addr_info.ini", section "AREA", keys "ADDR1".."ADDR17" (production) and
// "TADDR1".."TADDR17" (test), values "Y" / "N".
inline constexpr int kAddrAreaCount = 17;

// Index 1..17 ("Y" or "N"); index 0 is unused. Empty texts until LoadAddrArea.
extern std::array<QString, kAddrAreaCount + 1> G_ADDR_AREA;
// The province of each index as the settings screen captions it ("서울" .. "제주").
extern const std::array<QString, kAddrAreaCount + 1> G_ADDR_AREA_NAMES;

// G_EXE_DIR (or the program's data folder) + "addr_info.ini".
QString AddrInfoPath();
// The key of an index in the given server mode: "T" prefix only for mode "T".
QString AddrAreaKey(const QString &mode, int index);

// Writes the 17 values in index order; true when every one was written. Keys of the other mode
// are left as they are.
bool SaveAddrArea(const QString &mode);
bool SaveAddrArea(const QString &mode, const QString &path);
// Reads the 17 values; a missing key gives "N". Never reports an error.
void LoadAddrArea(const QString &mode);
void LoadAddrArea(const QString &mode, const QString &path);

// The messages of the settings screen's save button.
inline constexpr char kAddrAreaSavedMsg[] =
    "주소검색에 사용되는 지역 정보가 변경되었습니다.\r\n프로그램을 다시 시작해야 적용됩니다.";
inline constexpr char kAddrAreaSaveFailedMsg[] = "저장에 실패하였습니다.";
// Saves and shows the matching message (kind "I"); returns what SaveAddrArea returned.
bool SaveAddrAreaAndTell(const QString &mode);
