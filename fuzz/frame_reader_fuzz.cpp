// Feeds arbitrary bytes to the frame reader as a stream arriving in chunks: it must never read
// outside the buffer, and a frame it calls complete must fit in what it was given.
#include "link/frame_codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    qsizetype offset = 0;
    const qsizetype total = qsizetype(size);
    while (offset < total) {
        const Frame::ReadResult r = Frame::readFrame(bytes + offset, total - offset);
        if (r.status != Frame::ReadStatus::Complete)
            break;
        if (r.frameSize < Frame::kHeaderSize || r.frameSize > total - offset)
            std::abort();
        offset += r.frameSize;
    }
    return 0;
}
