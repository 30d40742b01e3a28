#pragma once

#include "platform/Clipboard.h"

class QtClipboard final : public Clipboard {
public:
    void SetText(const QString& text) override;
    void SetImage(const QImage& image) override;
};
