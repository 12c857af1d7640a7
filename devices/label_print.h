#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The parcel label of a same-day order: its boxes' texts and the QR code of its order number.
struct SameDayLabel
{
    QString orderNo;
    QString ordInfo;            // order lines
    QString solHub, solHubInfo;                  // first trunk caption and box
    QString locHub, locHubInfo;                  // branch
    QString logiCenter, logiCenterInfo;          // second trunk
    QString dest, destInfo;                      // customer
    // Information boxes printed at 11 points because their address is long (in the order
    // solHubInfo, logiCenterInfo, locHubInfo, destInfo).
    std::array<bool, 4> smallFont{};
};

// What became of the label's reply pages.
struct SameDayLabelReading
{
    bool ok = false;
    QString failCode, failMsg;  // of a failed page
};

// Reads the reply pages of the label request into the label of order ordNo. A failed page stops
// the reading (and the label must not be printed).
SameDayLabelReading ReadSameDayLabel(const QStringList &pages, const QString &ordNo, SameDayLabel &label);

// The QR code of text (automatic encoding mode) as rows of modules, true for dark, with a quiet
// zone of 4 modules on every side. Empty when the text cannot be encoded.
QList<QList<bool>> QrModules(const QString &text);

// The name of the label printer, which must be installed by exactly this name.
inline constexpr char kLabelPrinterName[] = "Xprinter XP-DT108B LABEL";
// The request code of the label data.
inline constexpr char kLabelRequestCode[] = "CS01_37_V01";
