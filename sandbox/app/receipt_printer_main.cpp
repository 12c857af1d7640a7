// courier-receipt-printer: a receipt printer on this machine for the demo. It listens on a TCP
// port (a network printer) and on a pseudo-terminal (a printer on a serial port) and writes each
// receipt it receives into a folder as text and as a picture of the paper.
#include "sandbox/receipt_printer_standin.h"

#include <QCommandLineParser>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <csignal>
#include <cstdio>

namespace
{
// The paper of an 80 mm printer: 48 columns of 12 pixels with a margin.
constexpr int kColumn = 12;
constexpr int kRow = 26;
constexpr int kMargin = 16;
constexpr int kColumns = 48;

bool writePicture(const PaperReceipt &r, const QString &path)
{
    int height = 2 * kMargin;
    for (const PaperLine &l : r.lines) {
        int h = 1;
        for (const PaperSegment &s : l.segments)
            h = qMax(h, s.heightTimes);
        height += kRow * h;
    }
    QImage img(kColumns * kColumn + 2 * kMargin, qMax(height, 4 * kRow), QImage::Format_RGB32);
    img.fill(QColor(250, 250, 246));
    QPainter p(&img);
    p.setPen(QColor(20, 20, 20));
    int y = kMargin;
    for (const PaperLine &l : r.lines) {
        int h = 1;
        for (const PaperSegment &s : l.segments)
            h = qMax(h, s.heightTimes);
        const int cols = l.columns();
        int x = kMargin;
        if (l.align == 1)
            x += qMax(0, (kColumns - cols) / 2) * kColumn;
        else if (l.align == 2)
            x += qMax(0, kColumns - cols) * kColumn;
        for (const PaperSegment &s : l.segments) {
            QFont f(QStringLiteral("NanumGothicCoding"));
            f.setPixelSize(20);
            f.setStyleHint(QFont::Monospace);
            if (s.heightTimes > 1 || s.widthTimes > 1)
                f.setBold(true);
            p.save();
            p.translate(x, y + kRow * h - 6);
            p.scale(s.widthTimes, s.heightTimes);
            p.setFont(f);
            // Each character in its own cells, so Hangul and Latin keep the printer's grid.
            int cx = 0;
            for (const QChar c : s.text) {
                const int cells = c.unicode() < 0x80 ? 1 : 2;
                p.drawText(QPointF(cx, 0), QString(c));
                cx += cells * kColumn;
            }
            p.restore();
            int segCols = 0;
            for (const QChar c : s.text)
                segCols += c.unicode() < 0x80 ? 1 : 2;
            x += segCols * kColumn * s.widthTimes;
        }
        y += kRow * h;
    }
    p.end();
    return img.save(path, "PNG");
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A receipt printer for the demo: TCP and a pseudo-terminal."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("folder"), QStringLiteral("Where the receipts go."), QStringLiteral("dir"),
                      QStringLiteral("receipts")});
    parser.addOption({QStringLiteral("port"), QStringLiteral("TCP port (0: any free one)."), QStringLiteral("port"),
                      QStringLiteral("0")});
    parser.addOption({QStringLiteral("serial-link"), QStringLiteral("Symbolic link to the pseudo-terminal."),
                      QStringLiteral("path")});
    parser.process(app);

    ReceiptPrinterStandIn printer(parser.value(QStringLiteral("folder")));
    printer.setPictureWriter(&writePicture);
    if (!printer.listenTcp(quint16(parser.value(QStringLiteral("port")).toUInt()))) {
        std::fprintf(stderr, "cannot listen on the TCP port\n");
        return 1;
    }
    if (!printer.openSerial(parser.value(QStringLiteral("serial-link"))))
        std::fprintf(stderr, "no pseudo-terminal: the serial printer is not there\n");
    QObject::connect(&printer, &ReceiptPrinterStandIn::receiptPrinted, [](const QString &path) {
        std::printf("RECEIPT %s\n", qPrintable(path));
        std::fflush(stdout);
    });
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    std::printf("PRINTER READY tcp=%u serial=%s\n", printer.tcpPort(), qPrintable(printer.serialPath()));
    std::fflush(stdout);
    return app.exec();
}
