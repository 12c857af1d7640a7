// Linked into the test programs of the sanitizer build only (CD_SANITIZE): what the sanitizers
// make of Qt WebEngine's own code.
//
// - WebEngine frees some of its objects through sized operator delete with a size other than the
//   one they were allocated with; AddressSanitizer reports that as new-delete-type-mismatch when a
//   web view is destroyed. The runtimes we build with (GCC 12, clang 14) cannot suppress that
//   report through a suppressions file, so this sized delete does it by library: a call made from
//   inside libQt6WebEngineCore frees through the unsized delete (no size check); every other call
//   goes on to the sanitizer's own sized delete and is checked as before.
// - The browser inside WebEngine leaves its singletons (and fontconfig's caches) allocated when
//   the program ends. Those are kept out of the leak check by tests/lsan.supp (scripts/test.sh
//   names it in LSAN_OPTIONS), which matches their allocations by library; every test program is
//   checked for leaks of its own code.
#include <dlfcn.h>
#include <link.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>


namespace
{
struct Range
{
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
};

int findWebEngineCore(dl_phdr_info *info, size_t, void *data)
{
    if (!info->dlpi_name || !std::strstr(info->dlpi_name, "libQt6WebEngineCore.so"))
        return 0;
    auto *range = static_cast<Range *>(data);
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr) &ph = info->dlpi_phdr[i];
        if (ph.p_type != PT_LOAD || !(ph.p_flags & PF_X))
            continue;
        const std::uintptr_t begin = info->dlpi_addr + ph.p_vaddr;
        const std::uintptr_t end = begin + ph.p_memsz;
        if (range->begin == 0 || begin < range->begin)
            range->begin = begin;
        if (end > range->end)
            range->end = end;
    }
    return 1;
}

// The library is linked into the programs that use it, so it is loaded before the first delete;
// dl_iterate_phdr allocates nothing, so this cannot recurse into operator delete.
const Range &webEngineCode()
{
    static const Range range = [] {
        Range r;
        dl_iterate_phdr(&findWebEngineCore, &r);
        return r;
    }();
    return range;
}

using SizedDelete = void (*)(void *, std::size_t) noexcept;

SizedDelete sanitizerSizedDelete()
{
    static const SizedDelete next = reinterpret_cast<SizedDelete>(dlsym(RTLD_NEXT, "_ZdlPvm"));
    return next;
}
} // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wsized-deallocation"  // the unsized delete stays the sanitizer's own
void operator delete(void *p, std::size_t size) noexcept
{
    const auto caller = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    const Range &web = webEngineCode();
    const SizedDelete next = sanitizerSizedDelete();
    if (p && caller >= web.begin && caller < web.end) {
        ::operator delete(p);
    } else if (next) {
        next(p, size);
    } else {
        ::operator delete(p);
    }
}
#pragma GCC diagnostic pop
