#pragma once

#include "core/collections/ListEntries.h"

#include <QStringList>

// Every entry of a small list as text, for comparing with what a test expects.
inline QStringList Texts(const ListEntries& entries) {
    QStringList texts;
    for (qsizetype i = 0; i < entries.size(); ++i)
        texts << entries.Text(i);
    return texts;
}
