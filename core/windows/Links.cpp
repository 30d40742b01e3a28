#include "core/windows/Links.h"

QString OpenUrlTarget(const QString& address) {
    return address.contains(QLatin1String("://")) ? address : QStringLiteral("http://") + address;
}

QString AsciiLowerCase(QString text) {
    for (QChar& c : text)
        if (c >= 'A' && c <= 'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

std::optional<QString> OpenLinkTarget(const QString& text,
                                      const std::function<bool(const QString&)>& isFolder,
                                      const std::function<bool(const QString&)>& isFile) {
    QString slashed = text;
    slashed.replace(QLatin1String("///"), QLatin1String("\\"));
    slashed.replace(QLatin1String("//"), QLatin1String("\\"));
    slashed.replace(QLatin1Char('/'), QLatin1Char('\\'));
    slashed = AsciiLowerCase(slashed);

    // A path of this desktop has no drive letter to tell it from a host name: an existing folder or
    // file is opened as itself before the rule for texts without a colon applies.
    if (isFolder(text) || isFile(text))
        return text;
    const bool opens = slashed.contains(QLatin1String("http:")) ||
                       slashed.contains(QLatin1String("https:")) || !slashed.contains(QLatin1Char(':'));
    if (!opens)
        return std::nullopt;
    return text.contains(QLatin1Char(':')) ? text : QStringLiteral("http://") + text;
}
