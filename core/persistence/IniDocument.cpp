#include "core/persistence/IniDocument.h"

#include "core/color/ColorFormats.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Lower(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The name of a section header line "[name]", or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// The key of a line "key=value", or nothing for a line without "=".
std::optional<std::string_view> KeyName(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, equals));
}

// Where the line holding `at` ends: at its first CR or LF, or at the end of the text.
std::size_t LineEnd(std::string_view text, std::size_t at) {
    while (at < text.size() && !IsLineEnd(text[at]))
        ++at;
    return at;
}

// Where the line after a line ending at `end` starts, CR LF counting as one line end.
std::size_t NextLine(std::string_view text, std::size_t end) {
    if (end >= text.size())
        return text.size();
    return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// Calls visit(line, start) for each line from `at` (a line's start) on that holds one of the bytes (one
// or two), in order, until it returns true. The lines between are passed over by memchr, so that a file
// of a million blank lines costs little more than its bytes do; no byte is looked at more than a few
// times.
template <class Visit>
void ForLinesHolding(std::string_view text, std::size_t at, std::string_view bytes, Visit&& visit) {
    std::size_t next[2] = {npos, npos};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        next[i] = text.find(bytes[i], at);
    while (true) {
        const std::size_t hit = std::min(next[0], next[1]);
        if (hit == npos)
            return;
        std::size_t start = hit;
        while (start > at && !IsLineEnd(text[start - 1]))
            --start;
        const std::size_t end = LineEnd(text, hit);
        if (visit(text.substr(start, end - start), start))
            return;
        at = NextLine(text, end);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (next[i] < at)
                next[i] = text.find(bytes[i], at);
    }
}

} // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    // A bare "x" is no hexadecimal prefix here, unlike in colour value texts.
    if (!digits.empty() && (digits.front() == 'x' || digits.front() == 'X'))
        return std::nullopt;
    return ParseColorValueText(text);
}

IniDocument::IniDocument(std::string_view bytes) : text_(bytes) {}

const IniDocument::SectionPlace& IniDocument::FindSection(std::string_view section) const {
    if (place_ && SameName(place_->Name, section))
        return *place_;
    const std::string_view text = text_;
    SectionPlace place;
    place.Name = Lower(section);
    ForLinesHolding(text, 0, "[", [&](std::string_view line, std::size_t start) {
        const auto name = SectionName(line);
        if (!name || !SameName(*name, section))
            return false;
        place.Header = start;
        place.Body = NextLine(text, start + line.size());
        return true;
    });
    if (place.Header != npos) {
        // The whole section is read at once, as its keys are what will be asked next; once it has more
        // keys than are kept, only its end is looked for.
        place.End = text.size();
        std::size_t full = npos;
        ForLinesHolding(text, place.Body, "[=", [&](std::string_view line, std::size_t start) {
            if (SectionName(line)) {
                place.End = start;
                return true;
            }
            const auto key = KeyName(line);
            if (!key || key->size() > MaxKeptName ||
                std::any_of(place.Keys.cbegin(), place.Keys.cend(),
                            [&](const auto& known) { return SameName(known.first, *key); }))
                return false;
            if (place.Keys.size() == MaxKeptKeys) {
                place.Complete = false;
                full = start;
                return true;
            }
            place.Keys.emplace_back(Lower(*key), start);
            return false;
        });
        if (full != npos)
            ForLinesHolding(text, full, "[", [&](std::string_view line, std::size_t start) {
                if (SectionName(line))
                    place.End = start;
                return place.End != text.size();
            });
    }
    place_ = std::move(place);
    return *place_;
}

std::size_t IniDocument::FindKey(std::string_view key) const {
    if (key.size() <= MaxKeptName) {
        for (const auto& [name, line] : place_->Keys)
            if (SameName(name, key))
                return line;
        if (place_->Complete)
            return npos;
    }
    std::size_t found = npos;
    ForLinesHolding(text_, place_->Body, "[=", [&](std::string_view line, std::size_t start) {
        if (SectionName(line))
            return true;
        if (const auto name = KeyName(line); name && SameName(*name, key))
            found = start;
        return found != npos;
    });
    Remember(key, found);
    return found;
}

void IniDocument::Remember(std::string_view key, std::size_t line) const {
    if (key.size() > MaxKeptName)
        return;
    for (auto& [name, known] : place_->Keys)
        if (SameName(name, key)) {
            known = line;
            return;
        }
    place_->Keys.emplace_back(Lower(key), line);
}

std::optional<std::string> IniDocument::ReadString(std::string_view section, std::string_view key) const {
    if (FindSection(section).Header == npos)
        return std::nullopt;
    const std::size_t keyLine = FindKey(key);
    if (keyLine == npos)
        return std::nullopt;
    const std::string_view text = text_;
    const std::string_view line = text.substr(keyLine, LineEnd(text, keyLine) - keyLine);
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, MaxValueLength));
}

int IniDocument::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto text = ReadString(section, key);
    return text ? ParseIniInteger(*text).value_or(defaultValue) : defaultValue;
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    // Only a line that reads back as this one key of this section keeps the place found true; after
    // any other the next question searches again.
    const bool readsBack = key.find_first_of("=\r\n") == npos && Trim(key) == key &&
                           value.find_first_of("\r\n") == npos && !SectionName(line) &&
                           section.find_first_of("]\r\n") == npos && Trim(section) == section;
    if (FindSection(section).Header == npos) {
        if (!text_.empty() && !IsLineEnd(text_.back()))
            text_ += "\r\n";
        SectionPlace place;
        place.Name = Lower(section);
        place.Header = text_.size();
        text_ += '[';
        text_ += section;
        text_ += "]\r\n";
        place.Body = text_.size();
        text_ += line + "\r\n";
        place.End = text_.size();
        place_ = std::move(place);
        Remember(key, place_->Body);
    } else if (const std::size_t keyLine = FindKey(key); keyLine != npos) {
        const std::size_t oldLength = LineEnd(text_, keyLine) - keyLine;
        text_.replace(keyLine, oldLength, line);
        place_->End = place_->End - oldLength + line.size();
        for (auto& [name, start] : place_->Keys)
            if (start != npos && start > keyLine)
                start = start - oldLength + line.size();
    } else {
        // After the section's last key, before any blank lines that part it from the next section.
        SectionPlace& place = *place_;
        std::size_t filled = place.End;
        while (filled > place.Body && (IsBlank(text_[filled - 1]) || IsLineEnd(text_[filled - 1])))
            --filled;
        std::size_t at = filled > place.Body ? NextLine(text_, LineEnd(text_, filled - 1)) : place.Body;
        if (at == text_.size() && !text_.empty() && !IsLineEnd(text_.back())) {
            text_ += "\r\n";
            if (place.Body == at)
                place.Body += 2; // the header was the last line
            place.End += 2;
            at += 2;
        }
        text_.insert(at, line + "\r\n");
        place.End += line.size() + 2;
        Remember(key, at);
    }
    if (!readsBack)
        place_.reset();
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}
