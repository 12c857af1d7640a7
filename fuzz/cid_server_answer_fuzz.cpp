// A caller-ID server's answer and a line of the day's call log, as hostile input.
#include "devices/call_history.h"
#include "devices/caller_id_records.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const CidServerAnswer answer = ReadCidServerAnswer(text, QStringLiteral("1001"));
    for (const HEADER &rec : answer.calls)
        (void)JoinCallRecord(rec);
    if (const auto row = ParseCallLogLine(text))
        (void)CallRecordOfHistoryRow(*row, QStringLiteral("1001"));
    (void)func_BuildCidRequest(text);
    return 0;
}
