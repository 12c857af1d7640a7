// Feeds arbitrary bytes as lines of a packed region address file: each line is unpacked, decoded
// and stored; short or odd lines must be skipped, never read past their fields.
#include "common/program_globals.h"
#include "records/address_tree.h"
#include "records/message_records.h"
#include "text/cp949.h"
#include "text/text_helpers.h"

#include <QDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = [] {
        G_LOG_DIR = QDir::tempPath() + QStringLiteral("/region_line_fuzz/");
        return true;
    }();
    (void)once;
    G_ADDR_1.clear();
    TADDR_1 &province = G_ADDR_1.append(QStringLiteral("세종"));
    province.ADDR1 = QStringLiteral("세종");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &line : bytes.split('\n')) {
        const QString text = Cp949::decode(UnpackNibbles(line));
        AddAddressFields(province, text.split(QLatin1Char('|')), true, QStringLiteral("fuzz"));
        AddAddressFields(province, Cp949::decode(line).split(QLatin1Char('|')), false, QStringLiteral("fuzz"));
    }
    return 0;
}
