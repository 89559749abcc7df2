// Feeds arbitrary bytes, 264 at a time, to the record check; AddressSanitizer reports any
// read outside a record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "index/RecordCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (size_t start = 0; start < size; start += sizeof(FolderRecord)) {
        // Each record gets a heap block of exactly its size, so one byte beyond it is a
        // reported overflow; a short last record is padded with zeros as a zeroed array would.
        auto record = std::make_unique<FolderRecord>();
        const size_t length = size - start < sizeof(FolderRecord) ? size - start : sizeof(FolderRecord);
        std::memcpy(record.get(), data + start, length);
        if (IsSoundRecord(*record)) {
            // What the program then does with a sound record: read its own name and full path.
            const char* ownName = record->OwnName();
            const size_t nameLength = std::strlen(ownName);
            if (nameLength == 0 || std::memchr(ownName, '\\', nameLength) ||
                std::strlen(record->path) >= sizeof record->path) {
                std::abort();
            }
        }
    }
    return 0;
}
