// Feeds arbitrary bytes, 264 at a time, to the record check under the rules of UTF-8, of a
// single-byte and of two double-byte code pages; AddressSanitizer reports any read outside a
// record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "index/RecordCheck.h"

namespace {

// The first byte of the input picks the rules: UTF-8, a single-byte code page, or the lead
// bytes of 932 or of 936.
CodePageRules RulesOf(uint8_t choice)
{
    static const CodePageRules rules[] = {
        {true, {}}, {false, {}}, {false, {0x81, 0x9F, 0xE0, 0xFC}}, {false, {0x81, 0xFE}}};
    return rules[choice % 4];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const CodePageRules rules = RulesOf(data[0]);
    ++data;
    --size;
    for (size_t start = 0; start < size; start += sizeof(FolderRecord)) {
        // Each record gets a heap block of exactly its size, so one byte beyond it is a
        // reported overflow; a short last record is padded with zeros as a zeroed array would.
        auto record = std::make_unique<FolderRecord>();
        const size_t length = size - start < sizeof(FolderRecord) ? size - start : sizeof(FolderRecord);
        std::memcpy(record.get(), data + start, length);
        IsLegacyRecord(*record, rules);
        if (IsSoundRecord(*record, rules)) {
            // What the program then does with a sound record: read its own name and full path.
            const char* ownName = record->OwnName();
            const int nameLength = static_cast<int>(std::strlen(ownName));
            const int pathLength = static_cast<int>(std::strlen(record->path));
            if (nameLength == 0 || pathLength >= static_cast<int>(sizeof record->path) ||
                LastSeparator(record->path, pathLength, rules) != static_cast<int>(record->nameOffset) - 1 ||
                LastSeparator(ownName, nameLength, rules) != -1 ||
                LastCharacterStart(record->path, pathLength, rules) >= pathLength) {
                std::abort();
            }
        }
    }
    return 0;
}
