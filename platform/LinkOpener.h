#pragma once

#include <QString>

#include <functional>

// Hands a web address to the user's browser, or a folder or file to the program that opens it.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void Open(const QString& target) = 0;

    // Runs, perhaps a moment later, with the target that the desktop had no program to open.
    std::function<void(const QString& target)> Failed;
};
