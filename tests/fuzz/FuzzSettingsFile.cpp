// Any settings file: read as it stands, it is written back byte for byte; the program's keys written
// into it read back as written, and every other line stays. Whatever is then written with a key, a
// section and a value taken from the input, the document answers as a fresh reading of its bytes does.
#include "core/persistence/IniDocument.h"

#include <algorithm>
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

    // Once as it is, once after a section with more keys than a document keeps track of.
    std::string crowded = "[default]\n";
    for (int i = 0; i < 40; ++i)
        crowded += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    const auto piece = [&](std::size_t from, std::size_t length) {
        return bytes.substr(std::min(from, size), length);
    };
    const std::string key = piece(1, 4), section = piece(5, 4), value = piece(9, 6);
    for (const bool crowd : {false, true}) {
        IniDocument written(crowd ? crowded + bytes : bytes);
        written.ReadString("default", key);
        written.WriteString("default", key, value);
        written.WriteInteger("default", "left", number);
        written.WriteInteger("default", "k39", number);
        written.WriteString(section, key, value);
        written.WriteString(section, "top", value);
        const IniDocument fresh(written.Bytes());
        // The last of the crowd's keys, written in place: its first line, found past the keys kept.
        if (crowd && fresh.ReadString("default", "k39") != std::to_string(number))
            std::abort();
        for (const std::string& where : {std::string("default"), section})
            for (const std::string& name : {std::string("k3"), std::string("k39"), std::string("left"),
                                            std::string("top"), std::string("PasteType"), key})
                if (written.ReadString(where, name) != fresh.ReadString(where, name))
                    std::abort();
    }
    return 0;
}
