#include "ui/resources/ResourceLanguage.h"

#include <QFile>

namespace {

QString& Language() {
    static QString language;
    return language;
}

} // namespace

void SetResourceLanguage(const QString& language) { Language() = language; }

const QString& ResourceLanguage() { return Language(); }

QString LocalisedResource(const QString& folder, const QString& name) {
    if (!Language().isEmpty()) {
        const QString localised = folder + u'/' + Language() + u'/' + name;
        if (QFile::exists(localised))
            return localised;
    }
    return folder + u'/' + name;
}
