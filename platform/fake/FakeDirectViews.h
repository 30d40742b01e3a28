#pragma once

#include "platform/DirectViews.h"

#include <QImage>

#include <vector>

// No direct views unless a test offers them: the toolkit paints, as tests can see it. Offered, every
// picture put is kept, in the order of the puts, and the part of it said to have changed; the screen
// shows what a window that takes only the changed parts would.
class FakeDirectViews final : public DirectViews {
public:
    bool Offered = false;
    std::vector<QImage> Puts;
    std::vector<QRegion> Changed;
    QImage Screen;

    std::unique_ptr<DirectView> Create(QWidget*) override {
        return Offered ? std::make_unique<KeptView>(*this) : nullptr;
    }

private:
    class KeptView final : public DirectView {
    public:
        explicit KeptView(FakeDirectViews& views) : views_(views) {}
        bool Put(const QImage& picture, const QRegion& changed) override {
            views_.Puts.push_back(picture.copy());
            views_.Changed.push_back(changed);
            if (views_.Screen.size() != picture.size()) {
                views_.Screen = QImage(picture.size(), QImage::Format_RGB32);
                views_.Screen.fill(Qt::black);
            }
            for (const QRect& part : changed)
                for (int y = part.top(); y <= part.bottom(); ++y)
                    for (int x = part.left(); x <= part.right(); ++x)
                        views_.Screen.setPixel(x, y, picture.pixel(x, y));
            return true;
        }
        QImage Canvas(QSize) override { return {}; }

    private:
        FakeDirectViews& views_;
    };
};
