// Any settings file: read as it stands, it is written back byte for byte; the program's keys written
// into it read back as written, and every other line stays.
#include "core/persistence/IniDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument document(bytes);
    if (document.Bytes() != bytes)
        std::abort();

    const int number = size > 0 ? static_cast<int>(data[0]) - 100 : 0;
    document.WriteInteger("default", "PasteType", number);
    document.WriteBool("default", "AlwaysOnTop", number % 2 == 0);
    document.WriteInteger("default", "CbColorPre", -number);
    const IniDocument again(document.Bytes());
    if (again.ReadInteger("default", "PasteType", 12345) != number ||
        again.ReadBool("default", "AlwaysOnTop", number % 2 != 0) != (number % 2 == 0) ||
        again.ReadInteger("default", "CbColorPre", 12345) != -number)
        std::abort();
    return 0;
}
