#pragma once

#include <QString>
#include <QStringList>

struct TADDR_1;
struct TADDR_2;

// The region address tree G_ADDR_1: provinces, their districts and the registered addresses of
// each district, built from the region files that ship with the program and from the rows the
// server adds. Provinces and districts are found by name, so an entry can never land under a
// neighbour's name whatever order the files list them in.

// Number of a province in the province table ("서울" 1 .. "제주" 17); 0 when it is not there.
int ProvinceNumber(const QString &province);
// "ADDR_01.dat" .. "ADDR_17.dat"; with the test server mode "T" the name gets the prefix "T".
QString ProvinceFileName(int number, const QString &serverMode);

// The district `name` of `province`, created (at its sorted place) when missing.
TADDR_2 &FindOrAddDistrict(TADDR_1 &province, const QString &name);

// Reads the region list ("addr1.dat": seq|province|district|dong|administrative dong) into G_ADDR_1.
// A line with fewer than five fields is skipped and logged. False when the file cannot be read.
bool LoadRegionList(const QString &path);

// Stores one address line (fields already split on "|") under `province`. Lines with fewer than
// 15 fields, and lines without a district (except for "세종", whose district is the province
// field), are not stored; a short line is logged with `origin`. Field 16 is read only for
// `fromServer` rows. Raises G_USER_SET.WORD_ADDR_NO to the entry's number. True when stored.
bool AddAddressFields(TADDR_1 &province, const QStringList &fields, bool fromServer, const QString &origin);

// Reads one packed province file into `province`; returns the number of entries stored, -1 when
// the file cannot be read.
int LoadAddressFile(TADDR_1 &province, const QString &path);
