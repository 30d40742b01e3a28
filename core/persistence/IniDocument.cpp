#include "core/persistence/IniDocument.h"

#include "core/colour/ColorFormats.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
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

IniDocument::IniDocument(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            lines_.push_back({std::string(bytes.substr(at)), ""});
            break;
        }
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        lines_.push_back(
            {std::string(bytes.substr(at, end - at)), std::string(bytes.substr(end, crlf ? 2 : 1))});
        at = end + (crlf ? 2 : 1);
    }
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (const auto name = SectionName(lines_[i].Text); name && SameName(*name, section))
            return i;
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t sectionLine) const {
    std::size_t i = sectionLine + 1;
    while (i < lines_.size() && !SectionName(lines_[i].Text))
        ++i;
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t sectionLine, std::string_view key) const {
    const std::size_t end = SectionEnd(sectionLine);
    for (std::size_t i = sectionLine + 1; i < end; ++i) {
        const std::string_view line = lines_[i].Text;
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && SameName(Trim(line.substr(0, equals)), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::ReadString(std::string_view section, std::string_view key) const {
    const auto sectionLine = FindSection(section);
    if (!sectionLine)
        return std::nullopt;
    const auto keyLine = FindKey(*sectionLine, key);
    if (!keyLine)
        return std::nullopt;
    const std::string_view line = lines_[*keyLine].Text;
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
    const auto sectionLine = FindSection(section);
    if (!sectionLine) {
        if (!lines_.empty() && lines_.back().End.empty())
            lines_.back().End = "\r\n";
        std::string header(1, '[');
        header += section;
        header += ']';
        lines_.push_back({std::move(header), "\r\n"});
        lines_.push_back({std::move(line), "\r\n"});
        return;
    }
    if (const auto keyLine = FindKey(*sectionLine, key)) {
        lines_[*keyLine].Text = std::move(line);
        return;
    }
    // After the section's last key, before any blank lines that part it from the next section.
    std::size_t at = SectionEnd(*sectionLine);
    while (at > *sectionLine + 1 && Trim(lines_[at - 1].Text).empty())
        --at;
    if (at == lines_.size() && !lines_.empty() && lines_.back().End.empty())
        lines_.back().End = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(line), "\r\n"});
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniDocument::Bytes() const {
    std::string bytes;
    for (const Line& line : lines_)
        bytes += line.Text + line.End;
    return bytes;
}
