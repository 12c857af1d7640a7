#include "devices/ui/label_printer.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/session_records.h"

#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{
struct LabelBox
{
    double left, top, width, height;
    const char *font;
};

// Positions in mm from the top left of the printable area.
constexpr LabelBox kOrdInfo{2.0, 1.2, 108, 32, "돋움"};
constexpr LabelBox kOrdNo{110.8, 0, 35, 35, ""};
constexpr LabelBox kSolHub{1.0, 35.4, 69, 5, "HY그래픽M"};
constexpr LabelBox kSolHubInfo{1.0, 41.9, 69, 23, "돋움"};
constexpr LabelBox kLocHub{76.0, 35.4, 69, 5, "HY그래픽M"};
constexpr LabelBox kLocHubInfo{76.0, 41.9, 68, 24, "HY그래픽M"};
constexpr LabelBox kLogiCenter{1.0, 67.1, 68, 5, "HY중고딕"};
constexpr LabelBox kLogiCenterInfo{1.0, 73.6, 68, 24, "HY그래픽M"};
constexpr LabelBox kDest{76.0, 67.1, 69, 5, "HY그래픽M"};
constexpr LabelBox kDestInfo{76.0, 73.6, 69, 24, "HY그래픽M"};

void drawLabelBox(QPainter &p, const LabelBox &box, const QString &text, double dotsPerMm, int points)
{
    QFont f(QString::fromUtf8(box.font));
    // Korean fonts of this desktop stand in for the label's own when those are missing.
    f.setFamilies({QString::fromUtf8(box.font), QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR")});
    // Points to device pixels: 1 pt = 25.4 / 72 mm.
    f.setPixelSize(qMax(1, qRound(points * 25.4 / 72.0 * dotsPerMm)));
    p.setFont(f);
    const QRectF r(box.left * dotsPerMm, box.top * dotsPerMm, box.width * dotsPerMm, box.height * dotsPerMm);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

bool printLabelTo(QPrinter &printer, const SameDayLabel &label, QString *error)
{
    printer.setPageSize(QPageSize(QSizeF(104, 152), QPageSize::Millimeter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&printer)) {
        if (error)
            *error = QStringLiteral("the label printer did not start the page");
        return false;
    }
    DrawSameDayLabel(p, label, printer.resolution() / 25.4);
    p.end();
    return true;
}
} // namespace

QImage QrImage(const QList<QList<bool>> &modules)
{
    const int n = int(modules.size());
    QImage img(n, n, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n && x < modules[y].size(); ++x)
            if (modules[y][x])
                img.setPixel(x, y, qRgb(0, 0, 0));
    return img;
}

void DrawSameDayLabel(QPainter &p, const SameDayLabel &label, double dotsPerMm)
{
    p.save();
    p.setPen(Qt::black);
    drawLabelBox(p, kOrdInfo, label.ordInfo, dotsPerMm, 12);
    const QImage qr = QrImage(QrModules(label.orderNo));
    if (!qr.isNull()) {
        const QRectF target(kOrdNo.left * dotsPerMm, kOrdNo.top * dotsPerMm, kOrdNo.width * dotsPerMm,
                            kOrdNo.height * dotsPerMm);
        // Sharp modules: no smoothing while the bitmap is scaled up.
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(target, qr);
    }
    drawLabelBox(p, kSolHub, label.solHub, dotsPerMm, 12);
    drawLabelBox(p, kSolHubInfo, label.solHubInfo, dotsPerMm, label.smallFont[0] ? 11 : 12);
    drawLabelBox(p, kLogiCenter, label.logiCenter, dotsPerMm, 12);
    drawLabelBox(p, kLogiCenterInfo, label.logiCenterInfo, dotsPerMm, label.smallFont[1] ? 11 : 12);
    drawLabelBox(p, kLocHub, label.locHub, dotsPerMm, 12);
    drawLabelBox(p, kLocHubInfo, label.locHubInfo, dotsPerMm, label.smallFont[2] ? 11 : 12);
    drawLabelBox(p, kDest, label.dest, dotsPerMm, 12);
    drawLabelBox(p, kDestInfo, label.destInfo, dotsPerMm, label.smallFont[3] ? 11 : 12);
    p.restore();
}

void SameDayLabelPrinter::procSameDayPrint(const QString &orderNo, const QString &copies)
{
    const QString printerName = QString::fromLatin1(kLabelPrinterName);
    const QStringList installed = m_hooks.installedPrinters ? m_hooks.installedPrinters() : QStringList();
    if (!installed.contains(printerName)) {
        if (m_hooks.inform)
            m_hooks.inform(QStringLiteral("라벨 프린터기가 없습니다."));
        return;
    }
    const QString code = QString::fromLatin1(kLabelRequestCode);
    auto log = [this](const QString &line) {
        if (m_hooks.log)
            m_hooks.log(line);
    };
    const QStringList pages =
        m_hooks.fetch ? m_hooks.fetch(JoinRequestFields({orderNo, G_USER_INFO.ID, copies})) : QStringList();
    if (pages.isEmpty()) {
        log(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    SameDayLabel label;
    const SameDayLabelReading reading = ReadSameDayLabel(pages, orderNo, label);
    if (!reading.ok) {
        if (m_hooks.inform)
            m_hooks.inform(QStringLiteral("실패했습니다.\r\n") + reading.failMsg);
        log(code + QStringLiteral(" is Fail ") + reading.failCode + QLatin1Char(':') + reading.failMsg);
        // A label with the data of a refused request would mislead: none is printed.
        return;
    }
    QString error;
    if (!m_hooks.print || !m_hooks.print(label, &error))
        log(code + QStringLiteral(" Label Err ") + error);
}

SameDayLabelPrinter::Hooks SameDayLabelPrinter::ProgramHooks()
{
    Hooks h;
    const QString pdfDir = qEnvironmentVariable("COURIER_DESK_LABEL_PDF_DIR");
    h.installedPrinters = [pdfDir] {
        QStringList names = QPrinterInfo::availablePrinterNames();
        if (!pdfDir.isEmpty())
            names << QString::fromLatin1(kLabelPrinterName);
        return names;
    };
    h.fetch = [](const QString &payload) {
        return RequestList(G_TCP_CLIENT, QString::fromLatin1(kLabelRequestCode), QStringLiteral("ADM3"), payload,
                           QStringLiteral("10000"), 90000);
    };
    h.inform = [](const QString &text) { MsgBox(text, QStringLiteral("I")); };
    h.log = [](const QString &line) { WriteLog(line); };
    h.print = [pdfDir](const SameDayLabel &label, QString *error) {
        const QString name = QString::fromLatin1(kLabelPrinterName);
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        if (!info.isNull()) {
            QPrinter printer(info, QPrinter::HighResolution);
            return printLabelTo(printer, label, error);
        }
        QDir().mkpath(pdfDir);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(pdfDir).filePath(QStringLiteral("label-") + label.orderNo + QStringLiteral(".pdf")));
        return printLabelTo(printer, label, error);
    };
    return h;
}
