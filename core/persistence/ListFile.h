#pragma once

#include "core/collections/ListEntries.h"

#include <QByteArray>

// The list file format: one entry a line. Written with CR LF after every entry, the last included;
// read with CR LF, a lone CR or a lone LF ending an entry, a last entry without a line end counting,
// and a NUL byte ending the content. Entries keep their bytes both ways.

// Takes the file's bytes and makes them the entries' storage, so reading costs no second copy.
ListEntries ParseListFile(QByteArray bytes);

// Hands the file's bytes to the sink in pieces, so that a large list is never copied whole.
template <class Sink>
void WriteListFile(const ListEntries& entries, Sink&& sink) {
    QByteArray piece;
    entries.ForEach([&](std::string_view entry) {
        piece.append(entry.data(), qsizetype(entry.size())).append("\r\n", 2);
        if (piece.size() >= (1 << 20)) {
            sink(piece);
            piece.clear();
        }
    });
    if (!piece.isEmpty())
        sink(piece);
}

QByteArray FormatListFile(const ListEntries& entries);
