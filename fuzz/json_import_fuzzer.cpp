// The JSON form: whatever the text, an accepted set holds only values the window's editors
// can write and reads back unchanged; a refused one leaves the record as it was.
#include <cstdlib>
#include <string>

#include "config/parameter_rules.h"
#include "config/parameter_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ConfigRecord record;
    record.Set(0, 0xEE);
    const ConfigRecord before = record;
    std::vector<std::string> errors;
    if (!RecordFromJson(text, record, errors)) {
        if (!(record == before) || errors.empty()) std::abort();
        return 0;
    }
    std::vector<std::string> why;
    if (!IsEditorRecord(record, why)) std::abort();
    ConfigRecord back;
    if (!RecordFromJson(RecordToJson(record), back, why) || !(back == record)) std::abort();
    return 0;
}
