#include "core/collections/ListEntries.h"

#include "core/collections/SystemCodePage.h"

#include <QStringDecoder>

#include <algorithm>
#include <numeric>

namespace {

// A row shows a few hundred characters at most; this many bytes hold them in any encoding.
constexpr qsizetype ShownBytes = 4096;

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

ListEntries::ListEntries(QByteArray terminated) : read_(std::move(terminated)) {
    const char* const begin = read_.constData();
    const char* const end = begin + read_.size();
    for (const char* at = begin; at < end; ++readCount_) {
        if (readCount_ % MarkEvery == 0)
            marks_.push_back(at - begin);
        at = static_cast<const char*>(std::memchr(at, '\n', end - at)) + 1;
    }
}

ListEntries ListEntries::FromTexts(const QStringList& texts) {
    ListEntries entries;
    for (auto text = texts.crbegin(); text != texts.crend(); ++text)
        entries.PushFront(*text);
    return entries;
}

std::string_view ListEntries::ReadEntry(qsizetype i) const {
    const char* at = read_.constData() + marks_[i / MarkEvery];
    const char* const end = read_.constData() + read_.size();
    for (qsizetype skip = i % MarkEvery; skip > 0; --skip)
        at = static_cast<const char*>(std::memchr(at, '\n', end - at)) + 1;
    const char* stop = static_cast<const char*>(std::memchr(at, '\n', end - at));
    return {at, static_cast<std::size_t>(stop - at)};
}

std::string_view ListEntries::Bytes(qsizetype i) const {
    const auto added = qsizetype(front_.size());
    if (i < added) {
        const QByteArray& entry = front_[added - 1 - i];
        return {entry.constData(), static_cast<std::size_t>(entry.size())};
    }
    return ReadEntry(i - added);
}

QString ListEntries::Decode(std::string_view bytes) {
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    if (IsAscii(bytes))
        return QString::fromLatin1(view);
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(view);
    if (!utf8.hasError())
        return text;
    return FromSystemCodePage(view);
}

QString ListEntries::Text(qsizetype i) const { return Decode(Bytes(i)); }

QString ListEntries::ShownText(qsizetype i) const {
    std::string_view bytes = Bytes(i);
    if (qsizetype(bytes.size()) <= ShownBytes)
        return Decode(bytes);
    // Cut where no character of either encoding can be split: after an ASCII byte.
    std::size_t cut = ShownBytes;
    while (cut > 0 && static_cast<unsigned char>(bytes[cut - 1]) >= 0x80)
        --cut;
    return Decode(bytes.substr(0, cut == 0 ? ShownBytes : cut));
}

void ListEntries::PushFront(const QString& text) {
    QByteArray entry = text.toUtf8();
    entry.replace('\r', ' ').replace('\n', ' ');
    front_.push_back(std::move(entry));
}

void ListEntries::Remove(QList<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    auto removed = std::lower_bound(indexes.cbegin(), indexes.cend(), 0);
    if (removed == indexes.cend() || *removed >= size())
        return;
    QByteArray kept;
    kept.reserve(read_.size() +
                 std::accumulate(front_.cbegin(), front_.cend(), qsizetype(0),
                                 [](qsizetype sum, const QByteArray& e) { return sum + e.size() + 1; }));
    qsizetype i = 0;
    ForEach([&](std::string_view entry) {
        if (removed != indexes.cend() && *removed == i)
            ++removed;
        else
            kept.append(entry.data(), qsizetype(entry.size())).append('\n');
        ++i;
    });
    *this = ListEntries(std::move(kept));
}

void ListEntries::clear() { *this = ListEntries(); }
