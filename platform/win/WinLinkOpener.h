#pragma once

#include "platform/LinkOpener.h"

// Hands the text to the shell unchanged, as the user's double click would: an address to the
// browser, a folder or file to the program that opens it.
class WinLinkOpener final : public LinkOpener {
public:
    void Open(const QString& target) override;
};
