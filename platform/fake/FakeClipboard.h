#pragma once

#include "platform/Clipboard.h"

#include <QImage>
#include <QString>

#include <stdexcept>
#include <variant>
#include <vector>

// A clipboard that keeps every write in order, or refuses them all when a test says so.
class FakeClipboard final : public Clipboard {
public:
    std::vector<std::variant<QString, QImage>> Writes;
    bool Refuse = false;

    void SetText(const QString& text) override {
        if (Refuse)
            throw std::runtime_error("clipboard refused");
        Writes.emplace_back(text);
    }
    void SetImage(const QImage& image) override {
        if (Refuse || image.isNull())
            throw std::runtime_error("clipboard refused");
        Writes.emplace_back(image);
    }

    QString LastText() const { return std::get<QString>(Writes.back()); }
    QImage LastImage() const { return std::get<QImage>(Writes.back()); }
};
