#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>
#include <string_view>
#include <vector>

// The entries of a list, kept as the bytes they were read as, so that a row the program did not
// change is written back exactly, whatever its encoding. Entries read from a file share one block of
// memory, each ended by "\n", with the place of every 64th noted; entries added later sit in front of
// them one by one. A list of millions of entries costs little more than its file.
class ListEntries {
public:
    ListEntries() = default;
    // Entries each ended by "\n" (the last one too) and holding no other line break.
    explicit ListEntries(QByteArray terminated);
    static ListEntries FromTexts(const QStringList& texts);

    qsizetype size() const { return qsizetype(front_.size()) + readCount_; }
    bool empty() const { return size() == 0; }

    // The entry's bytes, valid until the list changes.
    std::string_view Bytes(qsizetype i) const;
    // The entry as text: UTF-8 when it is valid UTF-8, otherwise the Chinese code page (GBK); on
    // Windows the system's code page (GBK on a Chinese system).
    QString Text(qsizetype i) const;
    // The same, cut to what a row can show, so that a line of megabytes costs no more to draw.
    QString ShownText(qsizetype i) const;

    // An entry made by the program goes in as UTF-8; line breaks, which no entry can hold, become blanks.
    void PushFront(const QString& text);
    // Removes the entries at these indexes (in any order; repeats and indexes past the end count once
    // or not at all).
    void Remove(QList<int> indexes);
    void clear();

    // Every entry's bytes, first to last.
    template <class Visit>
    void ForEach(Visit&& visit) const {
        for (auto entry = front_.rbegin(); entry != front_.rend(); ++entry)
            visit(std::string_view(entry->constData(), entry->size()));
        const char* at = read_.constData();
        const char* const end = at + read_.size();
        while (at < end) {
            const char* stop = static_cast<const char*>(std::memchr(at, '\n', end - at));
            visit(std::string_view(at, stop - at));
            at = stop + 1;
        }
    }

    static QString Decode(std::string_view bytes);

private:
    std::string_view ReadEntry(qsizetype i) const;

    static constexpr qsizetype MarkEvery = 64;
    std::vector<QByteArray> front_; // added entries, newest last
    QByteArray read_;
    qsizetype readCount_ = 0;
    std::vector<qsizetype> marks_; // the offset of entries 0, 64, 128 … of read_
};
