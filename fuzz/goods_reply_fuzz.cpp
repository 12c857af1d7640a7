// Feeds arbitrary bytes as a goods reply page to both goods parsers: whatever the page holds, they
// must not crash, read outside a row or leave a key list out of step with its records.
#include "common/program_globals.h"
#include "records/goods_parse.h"
#include "records/reference_records.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = [] {
        G_FIELD_SEP = QString(QChar(0x2502));
        G_LOG_DIR = QDir::tempPath() + QStringLiteral("/goods_reply_fuzz/");
        return true;
    }();
    (void)once;
    ResetReferenceRecords();
    for (const char *code : {"S000101", "S000102"}) {
        TST_LIST &st = G_ST_LIST.append(QString::fromLatin1(code));
        st.GOODS_GRP_LST.append(QStringLiteral("0"));
        st.GOODS_GRP_LST.append(QStringLiteral("G1"));
    }
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    ParseGoodsSync({page, page}, 0);
    ParseGoodsDetail({page});
    for (const TST_LIST &st : G_ST_LIST) {
        if (st.GOODS_LIST.codes().size() != st.GOODS_LIST.count())
            std::abort();
    }
    return 0;
}
