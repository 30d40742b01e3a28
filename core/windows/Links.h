#pragma once

#include <QString>

#include <functional>
#include <optional>

// What the link openers hand to the desktop. Pure rules; the desktop call is the platform's.

// The text with its ASCII letters lower-cased and every other character as it was.
QString AsciiLowerCase(QString text);

// The about window's opener: an address without "://" gets "http://" in front.
QString OpenUrlTarget(const QString& address);

// The banner's opener: the path of an existing folder or file, a web address (with "http:" or
// "https:"), or a text without a colon (opened as "http://" + text); anything else opens nothing.
// The checks see the text with its slashes turned into backslashes and its ASCII letters lower-cased.
std::optional<QString> OpenLinkTarget(const QString& text,
                                      const std::function<bool(const QString&)>& isFolder,
                                      const std::function<bool(const QString&)>& isFile);
