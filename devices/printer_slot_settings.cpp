#include "devices/printer_slot_settings.h"

#include "records/device_records.h"
#include "settings/settings_file.h"

namespace
{
void setPrinterField(TPRINT_SET &p, const QString &key, const QString &value)
{
    static const QHash<QString, FixedText<1> TPRINT_SET::*> flags = {
        {QStringLiteral("PRT_TYPE"), &TPRINT_SET::PRT_TYPE},
        {QStringLiteral("PRT_ST_1001"), &TPRINT_SET::PRT_ST_1001},
        {QStringLiteral("PRT_ST_2001"), &TPRINT_SET::PRT_ST_2001},
        {QStringLiteral("PRT_ST_1002"), &TPRINT_SET::PRT_ST_1002},
        {QStringLiteral("PRT_ST_4001"), &TPRINT_SET::PRT_ST_4001},
        {QStringLiteral("PRT_ST_1002_1"), &TPRINT_SET::PRT_ST_1002_1},
        {QStringLiteral("TPRT_ST_1001"), &TPRINT_SET::TPRT_ST_1001},
        {QStringLiteral("TPRT_ST_2001"), &TPRINT_SET::TPRT_ST_2001},
        {QStringLiteral("TPRT_ST_1002"), &TPRINT_SET::TPRT_ST_1002},
        {QStringLiteral("TPRT_ST_4001"), &TPRINT_SET::TPRT_ST_4001},
        {QStringLiteral("TPRT_ST_1002_1"), &TPRINT_SET::TPRT_ST_1002_1},
        {QStringLiteral("PRT_OUT_ST_ADDR"), &TPRINT_SET::PRT_OUT_ST_ADDR},
        {QStringLiteral("BM_NO_PRT"), &TPRINT_SET::BM_NO_PRT},
        {QStringLiteral("GOODS_BIG"), &TPRINT_SET::GOODS_BIG},
        {QStringLiteral("MEMO_BIG"), &TPRINT_SET::MEMO_BIG},
        {QStringLiteral("BIZNAME"), &TPRINT_SET::BIZNAME},
        {QStringLiteral("CEONAME"), &TPRINT_SET::CEONAME},
        {QStringLiteral("BIZNO"), &TPRINT_SET::BIZNO},
    };
    if (auto it = flags.constFind(key); it != flags.constEnd()) {
        p.*(*it) = value;
        return;
    }
    if (key == QLatin1String("USE"))
        p.Use_yn = value == QLatin1String("1");
    else if (key == QLatin1String("GUBUN"))
        p.IGubun = value.toInt();
    else if (key == QLatin1String("TYPE"))
        p.iType = value.toInt();
    else if (key == QLatin1String("NAME"))
        p.PRTNAME = value;
    else if (key == QLatin1String("RAGE"))
        p.Rate = value;
    else if (key == QLatin1String("PRT_OUT"))
        p.PRT_OUT = value;
    else if (key == QLatin1String("PRT_GRP"))
        p.PRT_GRP = value;
}
} // namespace

QString PrinterSection(int slotIndex)
{
    return QStringLiteral("Print%1").arg(slotIndex + 1);
}

void WritePrinterKey(TIniFile *ini, int slotIndex, const QString &key, const QString &value)
{
    if (slotIndex >= 0 && slotIndex < kPrinterSlots)
        setPrinterField(G_PRINT_SET[size_t(slotIndex)], key, value);
    if (ini)
        ini->WriteString(PrinterSection(slotIndex), key, value);
}

QString PrinterCopiesText(bool customer, bool store, bool kitchen, bool perGoods)
{
    auto b = [](bool on) { return on ? QLatin1Char('1') : QLatin1Char('0'); };
    return QString(b(customer)) + b(store) + b(kitchen) + b(perGoods);
}

bool PrinterCopyOn(const QString &prtOut, int i)
{
    const QString t = prtOut.isEmpty() ? QStringLiteral("0110") : prtOut;
    return t.size() > i && t.at(i) == QLatin1Char('1');
}
