#pragma once

#include <QByteArray>
#include <QStringList>

// The list file format: one entry a line. Written with CR LF after every entry, the last included;
// read with CR LF, a lone CR or a lone LF ending an entry, a last entry without a line end counting,
// and a NUL byte ending the content. Entries are UTF-8 (the program's own are plain ASCII).
QStringList ParseListFile(const QByteArray& bytes);
QByteArray FormatListFile(const QStringList& entries);
