#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings file in INI layout, kept line by line so that writing one key leaves every other line as
// it was. Section and key names match ignoring letter case; lines hold bytes, whatever their encoding.
class IniDocument {
public:
    // A value is read as text of at most this many characters.
    static constexpr std::size_t MaxValueLength = 2047;

    IniDocument() = default;
    explicit IniDocument(std::string_view bytes);

    // The value of the first such key in the first such section, trimmed (and unquoted), or nothing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    // A whole integer: decimal with an optional sign, or hexadecimal after "0x"/"0X" (with digits
    // after it) or "$". Anything else, or nothing, gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Replaces the key's value where it stands, or appends the key at the end of its section, or
    // appends the section with the key at the end of the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's bytes: the lines read keep their own line ends, new lines end in CR LF.
    std::string Bytes() const;

private:
    struct Line {
        std::string Text;
        std::string End; // "\r\n", "\n", "\r" or "" for a last line without one
    };
    // The index of the section's header line, or nothing.
    std::optional<std::size_t> FindSection(std::string_view section) const;
    // The index of the key's line within the section starting after the header at sectionLine.
    std::optional<std::size_t> FindKey(std::size_t sectionLine, std::string_view key) const;
    std::size_t SectionEnd(std::size_t sectionLine) const;

    std::vector<Line> lines_;
};

// The whole-integer rule of settings values, on its own.
std::optional<int> ParseIniInteger(std::string_view text);
