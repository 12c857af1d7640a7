#include "text/shared_text.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>

namespace
{
// One slot of the table: 24 bytes, so that a goods number, a barcode or a date (Latin-1, up to 16
// characters) or a short Hangul name (up to 8) needs no allocation of its own.
struct Entry
{
    std::atomic<quint32> refs{0};
    quint32 meta = 0;  // size, and the flags below; the next free slot while the slot is free
    union
    {
        char latin1[16];
        char16_t utf16[8];
        void *heap;
    } data{};
};
static_assert(sizeof(Entry) == 24);

constexpr quint32 kSizeMask = (1u << 29) - 1;
constexpr quint32 kAscii = 1u << 29;
constexpr quint32 kWide = 1u << 30;  // UTF-16; otherwise Latin-1
constexpr quint32 kHeap = 1u << 31;

// Slots sit in blocks that never move, so a handle reads its slot without a lock. The block table
// is zero-initialised static storage; only the pages of blocks in use are ever touched.
constexpr int kBlockBits = 12;
constexpr quint32 kBlockSize = 1u << kBlockBits;
constexpr quint32 kMaxBlocks = 1u << 16;
std::atomic<Entry *> g_blocks[kMaxBlocks];

std::atomic<qsizetype> g_live{0};

// Allocation state; never destroyed, so that records released at program exit still find it.
struct TableState
{
    std::mutex lock;
    quint32 next = 1;  // 0 is the empty text
    quint32 freeHead = 0;
};

TableState &state()
{
    static TableState *s = new TableState;
    return *s;
}

inline Entry &entryOf(quint32 id) noexcept
{
    return g_blocks[id >> kBlockBits].load(std::memory_order_acquire)[id & (kBlockSize - 1)];
}

quint32 allocateSlot()
{
    TableState &s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.freeHead != 0) {
        const quint32 id = s.freeHead;
        s.freeHead = entryOf(id).meta;
        return id;
    }
    const quint32 id = s.next;
    const quint32 block = id >> kBlockBits;
    if (block >= kMaxBlocks)
        throw std::bad_alloc();
    if (!g_blocks[block].load(std::memory_order_relaxed))
        g_blocks[block].store(new Entry[kBlockSize], std::memory_order_release);
    ++s.next;
    return id;
}

void freeSlot(quint32 id) noexcept
{
    Entry &e = entryOf(id);
    if (e.meta & kHeap)
        std::free(e.data.heap);
    g_live.fetch_sub(1, std::memory_order_relaxed);
    TableState &s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    e.meta = s.freeHead;
    s.freeHead = id;
}

inline const void *charsOf(const Entry &e) noexcept
{
    return (e.meta & kHeap) ? e.data.heap : static_cast<const void *>(e.data.latin1);
}
} // namespace

quint32 SharedText::create(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (text.size() > qsizetype(kSizeMask))
        throw std::length_error("text too long for a record field");
    bool latin1 = true;
    bool ascii = true;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0x80) {
            ascii = false;
            if (u >= 0x100) {
                latin1 = false;
                break;
            }
        }
    }
    const quint32 size = quint32(text.size());
    const size_t bytes = latin1 ? size : size * sizeof(char16_t);
    void *heap = nullptr;
    if (bytes > sizeof(Entry::data)) {
        heap = std::malloc(bytes);
        if (!heap)
            throw std::bad_alloc();
    }
    quint32 id = 0;
    try {
        id = allocateSlot();
    } catch (...) {
        std::free(heap);
        throw;
    }
    Entry &e = entryOf(id);
    e.meta = size | (ascii ? kAscii : 0) | (latin1 ? 0 : kWide) | (heap ? kHeap : 0);
    if (heap)
        e.data.heap = heap;
    void *chars = heap ? heap : static_cast<void *>(e.data.latin1);
    if (latin1) {
        char *out = static_cast<char *>(chars);
        for (quint32 i = 0; i < size; ++i)
            out[i] = char(text[i].unicode());
    } else {
        std::memcpy(chars, text.utf16(), bytes);
    }
    e.refs.store(1, std::memory_order_release);
    g_live.fetch_add(1, std::memory_order_relaxed);
    return id;
}

void SharedText::retain(quint32 id) noexcept
{
    if (id)
        entryOf(id).refs.fetch_add(1, std::memory_order_relaxed);
}

void SharedText::release(quint32 id) noexcept
{
    if (id && entryOf(id).refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        freeSlot(id);
}

qsizetype SharedText::size() const noexcept
{
    return m_id ? qsizetype(entryOf(m_id).meta & kSizeMask) : 0;
}

QString SharedText::str() const
{
    if (!m_id)
        return QString();
    const Entry &e = entryOf(m_id);
    const qsizetype size = e.meta & kSizeMask;
    if (e.meta & kWide)
        return QString(static_cast<const QChar *>(charsOf(e)), size);
    return QString::fromLatin1(static_cast<const char *>(charsOf(e)), size);
}

bool SharedText::equals(QStringView text) const noexcept
{
    if (!m_id)
        return text.isEmpty();
    const Entry &e = entryOf(m_id);
    const qsizetype size = e.meta & kSizeMask;
    if (size != text.size())
        return false;
    if (e.meta & kWide)
        return std::memcmp(charsOf(e), text.utf16(), size_t(size) * sizeof(char16_t)) == 0;
    return text.compare(QLatin1StringView(static_cast<const char *>(charsOf(e)), size)) == 0;
}

bool SharedText::equals(const SharedText &other) const noexcept
{
    if (m_id == other.m_id)
        return true;
    if (!m_id || !other.m_id)
        return false;
    const Entry &a = entryOf(m_id);
    const Entry &b = entryOf(other.m_id);
    // Same size and kind, or not equal: a UTF-16 slot always holds a character above Latin-1.
    if ((a.meta & (kSizeMask | kWide)) != (b.meta & (kSizeMask | kWide)))
        return false;
    const size_t bytes = size_t(a.meta & kSizeMask) * ((a.meta & kWide) ? sizeof(char16_t) : 1);
    return std::memcmp(charsOf(a), charsOf(b), bytes) == 0;
}

bool SharedText::fitsCodePageBytes(int maxBytes) const
{
    if (!m_id)
        return true;
    const quint32 meta = entryOf(m_id).meta;
    const qsizetype size = meta & kSizeMask;
    if (size * 2 <= maxBytes)
        return true;
    if (meta & kAscii)
        return size <= maxBytes;
    return CutToCodePageBytes(str(), maxBytes).size() == size;
}

qsizetype SharedText::liveCount()
{
    return g_live.load(std::memory_order_relaxed);
}
