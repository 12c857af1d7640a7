// Arbitrary bytes as the print data of a receipt and of a same-day label: read, then every copy of
// the receipt built in both widths. Nothing may crash, and a copy's text must convert to the code
// page and back whole.
#include "devices/escpos_copies.h"
#include "devices/label_print.h"
#include "records/device_records.h"
#include "text/cp949.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const PrintArgument arg = ParsePrintArgument(text.left(200));
    ReceiptOrder order;
    if (StageReceiptPages({text, text}, arg, {}, order).result == ReceiptStaging::Result::Ok) {
        std::array<TPRINT_SET, 4> slotSet{};
        for (TPRINT_SET &s : slotSet) {
            s.Use_yn = true;
            s.PRT_OUT = QStringLiteral("1111");
            s.PRT_GRP = QStringLiteral("0");
            s.GOODS_BIG = QStringLiteral("1");
        }
        const QList<TGrpPrint> groups;
        const auto blocks = BuildReceiptBlocks(order, slotSet, groups, -1);
        EscPosStreams streams;
        BuildEscPosStreams({&order, &arg, &slotSet[0], &blocks[0], &groups, QStringLiteral("M")}, streams, nullptr);
        if (streams.wide.size() > 0 && EscPosStreamBytes(streams.wide).isEmpty())
            std::abort();
    }
    SameDayLabel label;
    ReadSameDayLabel({text}, arg.ordNo, label);
    QrModules(arg.ordNo);
    return 0;
}
