#include "platform/FontPages.h"
#include "ui/controls/WindowFonts.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The kilobytes of font files mapped into this process that are in its memory.
int FontFilesResident() {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    int kilobytes = 0;
    bool font = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const QByteArray first = line.left(line.indexOf(' '));
        if (first.contains('-') && !first.endsWith(':'))
            font = line.endsWith(".ttf") || line.endsWith(".ttc") || line.endsWith(".otf");
        else if (font && first == "Rss:")
            kilobytes += line.simplified().split(' ').value(1).toInt();
    }
    return kilobytes;
}

QImage Drawn() {
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(SongTi(15));
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("开始取色 剪贴颜色数值 Tintra 1.6"));
    return image;
}

} // namespace

TEST(FontPages, TheFilesPagesAreLetGoAndTheTextsDrawAsBefore) {
    const QImage before = Drawn();
    ASSERT_GT(FontFilesResident(), 0);
    ReleaseFontPages();
    EXPECT_EQ(FontFilesResident(), 0);
    EXPECT_EQ(Drawn(), before);
}
