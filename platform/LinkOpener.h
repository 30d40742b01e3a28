#pragma once

class QString;

// Hands a web address to the user's browser, or a folder or file to the program that opens it.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void Open(const QString& target) = 0;
};
