#pragma once

class Platform;
class QString;

// Opens a web address in the user's browser, or an existing folder or file with its program; texts
// that are neither open nothing. Failures are dropped.
void OpenLink(Platform& platform, const QString& text);

// Opens an address in the user's browser, "http://" in front when it names no scheme.
void OpenUrl(Platform& platform, const QString& address);
