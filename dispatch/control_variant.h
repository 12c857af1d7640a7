#pragma once

#include <QString>

class TIniFile;

// The three sister control screens. They share one method set and differ in layout and in the
// details tabulated by ControlPolicy.
enum class ControlVariant
{
    Map,          // "지도관제": waiting orders and couriers side by side, one map
    Courier,      // "배송원관제": courier table, waiting orders above or beside the maps
    OrderCentred, // "배송원관제(주문관제)": picked orders and courier cards
};

// The variant of the user's setting: "2" the courier screen, "3" the map screen, anything else
// (the settings screen writes "1") the order-centred screen.
ControlVariant ControlVariantFor(const QString &viewWorkControlType);

// Per-variant facts of the screens.
struct ControlPolicy
{
    ControlVariant variant = ControlVariant::Map;
    const char *className;    // the window's class name, also its object name
    QString caption;          // window caption
    bool staysOnTop = false;
    int minimumWidth = 0;     // 0: none
    int designWidth = 0;      // design client area
    int designHeight = 0;
    // Waiting-order board.
    bool waitingHeaders = true;
    bool shareFilter = false;        // "내그룹"/"공유그룹" combo (enabled for distributors only)
    bool waitingSwitch = false;      // "대기주문 표시"
    bool radiusFilters = false;      // order-view and courier radius boxes
    QString addrHint;                // destination search box hint
    QString storeHint;               // store-name search box hint
    // Courier board.
    QString nameHint;                // courier-name search box hint
    bool initialRest = false;        // "휴식" pressed at creation ("대기" and "운행" always are)
    bool rowColours = false;         // grey / green courier rows
    bool phoneInName = false;        // name cell holds the phone number on a second line
    bool cards = false;              // the dispatch board's courier cards
    // Courier's orders strip: height with `rows` rows (1 pixel without rows).
    int stripHeight(int rows) const;
};

const ControlPolicy &PolicyOf(ControlVariant variant);
// The zoom levels of the variant for the user's map kind (MAP_GUBUN "1" or other).
void ControlMapLevels(ControlVariant variant, const QString &mapGubun, QString *all, QString *one);

// The map screen's remembered geometry, section "WORK_CONTROL" of the settings file.
struct ControlGeometry
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int waitingWidth = 380;  // "Left1Width": the waiting-order panel
    int toolWidth = 900;     // "AdvToolWidth": the left tool panel
};
// Reads the geometry; a missing or non-numeric key keeps the value of `defaults`. A null file
// gives the defaults.
ControlGeometry ReadControlGeometry(const TIniFile *ini, const ControlGeometry &defaults);
// Writes it in the order the screen saves it.
void WriteControlGeometry(TIniFile *ini, const ControlGeometry &g);
