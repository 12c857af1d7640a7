// Arbitrary bytes as the day's message file (damaged, cut short, or from an older installation in
// the Korean code page): reading never fails hard, and whatever was read is written back and read
// again to the same messages.
#include "messages/message_store.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const MessageStore::LoadResult first = MessageStore::parse(bytes);
    const MessageStore::LoadResult again = MessageStore::parse(MessageStore::serialize(first.messages));
    if (!again.complete || again.messages.size() != first.messages.size())
        std::abort();
    for (qsizetype i = 0; i < first.messages.size(); ++i) {
        if (MessageStore::serialize({first.messages.at(i)}) != MessageStore::serialize({again.messages.at(i)}))
            std::abort();
    }
    return 0;
}
