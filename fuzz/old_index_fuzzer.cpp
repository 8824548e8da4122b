// The index older versions kept, of any content: lines torn, glued, overlong or no JSON at all.
// Reading it never crashes nor reads past what is there, gives at most the entries asked for,
// and every entry it gives has the fields an entry needs, and a copy's name the history could
// have given.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "config/old_history_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t limit = data[0] % 8;
    static const int fd = memfd_create("history.jsonl", 0);
    if (fd < 0) std::abort();
    if (ftruncate(fd, 0) != 0 ||
        pwrite(fd, data + 1, size - 1, 0) != static_cast<ssize_t>(size - 1))
        std::abort();
    lseek(fd, 0, SEEK_SET);
    const auto entries = ReadOldIndex(fd, limit);
    if (entries.size() > limit) std::abort();
    for (const HistoryEntry& e : entries) {
        if (e.event != "read" && e.event != "stored" && e.event != "reset") std::abort();
        if ((e.event == "reset") == e.set.has_value()) std::abort();
        if (!e.file.empty() && !IsEntryName(e.file)) std::abort();
    }
    return 0;
}
