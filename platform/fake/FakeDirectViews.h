#pragma once

#include "platform/DirectViews.h"

#include <QImage>

#include <vector>

// No direct views unless a test offers them: the toolkit paints, as tests can see it. Offered, every
// picture put is kept, in the order of the puts.
class FakeDirectViews final : public DirectViews {
public:
    bool Offered = false;
    std::vector<QImage> Puts;

    std::unique_ptr<DirectView> Create(QWidget*) override {
        return Offered ? std::make_unique<KeptView>(Puts) : nullptr;
    }

private:
    class KeptView final : public DirectView {
    public:
        explicit KeptView(std::vector<QImage>& puts) : puts_(puts) {}
        bool Put(const QImage& picture) override {
            puts_.push_back(picture.copy());
            return true;
        }
        QImage Canvas(QSize) override { return {}; }

    private:
        std::vector<QImage>& puts_;
    };
};
