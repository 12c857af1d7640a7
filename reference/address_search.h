#pragma once

#include "link/address_service.h"

#include <QList>
#include <QString>

// The reception windows' address search: an address search and then a keyword (place) search
// around the order's store, through the address-search service at G_URL_ADDR_SEARCH2.

struct TAddrSearchRow
{
    QString SCH_TYPE;  // "address" for an address hit; first 10 characters
    QString SIDO;
    QString SIGUNGU;
    QString DONG;
    QString JIBUN_ADDR;
    QString ROAD_ADDR;
    QString H_DONG;
    QString ROAD_NAME;
    QString BUILDING_NAME;
    QString MAIN_ADDERSS_NO;
    QString SUB_ADDERSS_NO;
    QString MAIN_BUILDING_NO;
    QString SUB_BUILDING_NO;
    QString LOCATION_X;  // longitude, first 20 characters
    QString LOCATION_Y;  // latitude, first 20 characters

    bool isAddress() const { return SCH_TYPE == QLatin1String("address"); }
    // Main lot number, with "-" and the sub number when there is one.
    QString lotNumber() const;
};

// Posts the fields to G_URL_ADDR_SEARCH2; the unwrapped reply or "" on any failure.
QString PostGisXY(const FormFields &fields);

// The form of a search: addrType "A" (address) or "K" (keyword), the text, the store's position,
// the radius in metres (the distance in kilometres times 1000; 5 km when it is not a number),
// the page and a page size of 15.
FormFields AddressSearchFields(const QString &addrType, const QString &text, const QString &storeLng,
                               const QString &storeLat, const QString &radiusKm, int page);
// The form that resolves a chosen keyword hit into its address.
FormFields KeywordResolveFields(const QString &text, int page);
// Radius in metres for the distance text of the window.
int SearchRadiusMetres(const QString &radiusKm);

// The rows of a reply text. An empty text or a "RETURN_CODE" other than "1" gives no rows; a
// failure code is logged with its message and value.
QList<TAddrSearchRow> ParseAddressReply(const QString &text);

// Address search then keyword search for one text around the store; address hits farther from
// the store than the radius are dropped.
QList<TAddrSearchRow> SearchAddresses(const QString &text, const QString &storeLng, const QString &storeLat,
                                      const QString &radiusKm, int page);
