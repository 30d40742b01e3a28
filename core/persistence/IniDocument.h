#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A settings file in INI layout, kept as its bytes so that writing one key leaves every other line as
// it was. Section and key names match ignoring letter case; lines hold bytes, whatever their encoding.
// The bytes are the only copy of the file held: a file of millions of lines costs its size, and is
// searched with memchr over the lines that cannot matter.
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
    const std::string& Bytes() const { return text_; }

private:
    static constexpr std::size_t npos = std::string::npos;

    // Where the last section asked for lies, so that the next question about it is not a search of the
    // whole file again; each write moves it along. A program asks about one section, a few keys.
    struct SectionPlace {
        std::string Name;          // in lower case
        std::size_t Header = npos; // where its header line starts; npos when there is no such section
        std::size_t Body = npos;   // where the line after the header starts
        std::size_t End = npos;    // where the next section's header starts, or the end of the file
        // The first line of keys in the section by lower-case name, npos for a key asked for and not
        // there. Complete: every key of the section with a name of up to MaxKeptName bytes is here.
        std::vector<std::pair<std::string, std::size_t>> Keys;
        bool Complete = true;
    };
    static constexpr std::size_t MaxKeptName = 64, MaxKeptKeys = 32;

    const SectionPlace& FindSection(std::string_view section) const;
    // Where the key's line starts in the section, or npos.
    std::size_t FindKey(std::string_view key) const;
    void Remember(std::string_view key, std::size_t line) const;

    std::string text_;
    mutable std::optional<SectionPlace> place_;
};

// The whole-integer rule of settings values, on its own.
std::optional<int> ParseIniInteger(std::string_view text);
