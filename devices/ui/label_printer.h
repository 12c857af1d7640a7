#pragma once

#include "boards/same_day_actions.h"
#include "devices/label_print.h"

#include <QImage>

#include <functional>

class QPainter;
class QPrinter;

// Draws the label on a page of 152 x 104 mm (landscape, 2 mm margins): the order box with the QR
// code of the order number at the top, the first trunk and branch boxes in the middle, the second
// trunk and destination boxes at the bottom. `dotsPerMm` is the painter's resolution.
void DrawSameDayLabel(QPainter &painter, const SameDayLabel &label, double dotsPerMm);

// The QR code at one pixel per module, dark modules black, light ones white.
QImage QrImage(const QList<QList<bool>> &modules);

// Same-day labels on the label printer: asks the server for the order's label data and prints it
// without a dialog. Without the label printer it says so and asks nothing.
class SameDayLabelPrinter : public ISameDayLabelPrinter
{
public:
    struct Hooks
    {
        std::function<QStringList()> installedPrinters;
        std::function<QStringList(const QString &payload)> fetch;
        std::function<void(const QString &text)> inform;
        std::function<void(const QString &line)> log;
        // Prints the label on the named printer; false (with the reason) when it could not.
        std::function<bool(const SameDayLabel &label, QString *error)> print;
    };
    explicit SameDayLabelPrinter(Hooks hooks) : m_hooks(std::move(hooks)) {}

    void procSameDayPrint(const QString &orderNo, const QString &copies) override;

    // The program's hooks: the system's printers (a PDF folder stands in for the label printer
    // when COURIER_DESK_LABEL_PDF_DIR names one), the shared server link, message box, daily log.
    static Hooks ProgramHooks();

private:
    Hooks m_hooks;
};
