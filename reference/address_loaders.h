#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The region address tree G_ADDR_1 and the province aliases of the address texts.

inline constexpr char kSysAddrCode[] = "CS00_12_V01";
inline constexpr char kNoRegionMsg[] = "설정->지역 에 사용하는 주소가 없습니다.";

// The folder the region files are read from: "DOC/" under G_EXE_DIR when it holds the region
// list, otherwise "DOC/" beside the program, where the installation puts them.
QString RegionFileDir();

// Builds G_ADDR_1 from the region list and the address files of the provinces switched on in
// G_ADDR_AREA (read them first). `progressStep` is called once for the region list and once per
// address file read, so a progress window can advance. Shows kNoRegionMsg when no province is
// switched on.
void proc_Load_Addr(const std::function<void()> &progressStep = {});

// Adds the addresses registered on the server since G_USER_SET.WORD_ADDR_NO.
void proc_Sys_Addr();
// The pure step of proc_Sys_Addr: merges the reply pages into G_ADDR_1.
void ParseSysAddr(const QStringList &pages);

// G_SL_PROVINCE := the province aliases; registered as a session container by
// RegisterAddressContainers (once), so the main window's creation fills it.
void FillProvinceAliases();
void RegisterAddressContainers();
