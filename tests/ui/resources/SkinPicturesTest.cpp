#include "ui/resources/SkinPictures.h"
#include "ui/controls/ImageControl.h"
#include "ui/resources/JpegDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QResource>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct PictureCase {
    const char* Name;
    const char* Type;
    QSize Size;
};

// Every picture the windows load, at the size its control expects.
const PictureCase Pictures[] = {
    {"BtnCopyColor", "bmp", {103, 25}},        {"BtnAddColorFav", "bmp", {103, 25}},
    {"BtnOtherFun", "bmp", {103, 25}},         {"BtnSCHelpDoc", "bmp", {103, 25}},
    {"BtnSCExit", "bmp", {103, 25}},           {"cStartGetColor", "bmp", {103, 25}},
    {"ncStartGetColor", "bmp", {103, 25}},     {"cAlwaysOnTop", "bmp", {97, 19}},
    {"ncAlwaysOnTop", "bmp", {97, 19}},        {"ccolorpre", "bmp", {83, 19}},
    {"nccolorpre", "bmp", {83, 19}},           {"BtnClose", "bmp", {56, 25}},
    {"BtnChangeRandomColor", "bmp", {92, 25}}, {"banner", "jpg", {980, 65}},
    {"ImgTiaosheBoard", "jpg", {248, 142}},    {"ImgZoomBG", "jpg", {251, 143}},
    {"ImgColorFavList", "jpg", {300, 25}},     {"ImgCurColorVal", "jpg", {533, 40}},
    {"ImgColorList", "jpg", {300, 30}},        {"helpdoc", "jpg", {358, 218}},
};

TEST(SkinPictures, EveryPictureDecodesToItsSize) {
    for (const auto& c : Pictures) {
        SCOPED_TRACE(c.Name);
        if (QByteArray(c.Type) == "bmp") {
            QByteArray bitmap;
            ASSERT_TRUE(LoadPictureFile(bitmap, c.Name, c.Type));
            EXPECT_EQ(DecodePicture(bitmap).size(), c.Size);
        } else {
            ImageControl image;
            ASSERT_TRUE(image.LoadJpegResource(c.Name, c.Type));
            EXPECT_EQ(image.Picture().size(), c.Size);
        }
    }
}

#ifdef Q_OS_LINUX
// The pictures are read by the program's own readers: no image plugin is loaded, and kept, for them.
TEST(SkinPictures, NoImagePluginIsLoaded) {
    QByteArray bitmap;
    ASSERT_TRUE(LoadPictureFile(bitmap, "BtnCopyColor", "bmp"));
    ImageControl image;
    ASSERT_TRUE(image.LoadJpegResource("banner", "jpg"));
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("/imageformats/"));
}
#endif

TEST(SkinPictures, FilesAre24BitBmpsAndBaselineJpegs) {
    for (const auto& c : Pictures) {
        SCOPED_TRACE(c.Name);
        const QByteArray data = FindPictureResource(c.Name, c.Type);
        ASSERT_GT(data.size(), 54);
        if (QByteArray(c.Type) == "bmp") {
            EXPECT_TRUE(data.startsWith("BM"));
            EXPECT_EQ(qFromLittleEndian<quint16>(data.constData() + 28), 24); // bits per pixel
            EXPECT_GT(qFromLittleEndian<qint32>(data.constData() + 22), 0);   // bottom-up rows
        } else {
            EXPECT_TRUE(data.startsWith("\xFF\xD8"));
            EXPECT_TRUE(data.contains("JFIF"));
            EXPECT_TRUE(data.contains(QByteArray("\xFF\xC0", 2)));  // baseline frame
            EXPECT_FALSE(data.contains(QByteArray("\xFF\xC2", 2))); // no progressive frame
        }
    }
}

TEST(SkinPictures, LookupIgnoresLetterCaseOfNameAndType) {
    const QByteArray stored = FindPictureResource("BtnCopyColor", "bmp");
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(FindPictureResource("BTNCOPYCOLOR", "BMP"), stored);
    EXPECT_EQ(FindPictureResource("btncopycolor", "Bmp"), stored);
    EXPECT_FALSE(FindPictureResource("Banner", "JPG").isEmpty());
    EXPECT_TRUE(FindPictureResource("BtnCopyColor", "jpg").isEmpty()); // the type is part of the name
    EXPECT_TRUE(FindPictureResource("BtnCopyColo", "bmp").isEmpty());
}

TEST(SkinPictures, AMissingPictureLeavesTheControlAsItWas) {
    ImageControl empty;
    EXPECT_FALSE(empty.LoadJpegResource("banner", "bmp"));
    EXPECT_TRUE(empty.Picture().isNull());

    ImageControl image;
    ASSERT_TRUE(image.LoadJpegResource("ImgColorList", "jpg"));
    EXPECT_FALSE(image.LoadJpegResource("nosuchpicture", "jpg"));
    EXPECT_EQ(image.Picture().size(), QSize(300, 30));

    QByteArray glyph;
    ASSERT_TRUE(LoadPictureFile(glyph, "BtnClose", "bmp"));
    EXPECT_FALSE(LoadPictureFile(glyph, "banner", "bmp"));
    EXPECT_EQ(DecodePicture(glyph).size(), QSize(56, 25));
}

// A picture shown from its file, decoded only when painted, paints as the decoded picture does, in its
// corner or stretched as a frame's piece; a missing one leaves it as it was.
TEST(SkinPictures, APictureShownFromItsFilePaintsAsTheDecodedOne) {
    const struct {
        const char* Name;
        const char* Type;
        bool Stretched;
    } cases[] = {{"ImgColorList", "jpg", false}, {"FrameTop", "bmp", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ImageControl decoded, shown;
        decoded.SetPicture(DecodePicture(FindPictureResource(c.Name, c.Type)));
        ASSERT_FALSE(decoded.Picture().isNull());
        ASSERT_TRUE(shown.ShowPictureResource(c.Name, c.Type));
        EXPECT_TRUE(shown.Picture().isNull());
        for (ImageControl* image : {&decoded, &shown}) {
            image->SetStretched(c.Stretched);
            image->resize(320, 40);
        }
        const QImage painted = decoded.grab().toImage();
        EXPECT_EQ(shown.grab().toImage(), painted);
        EXPECT_FALSE(shown.ShowPictureResource("nosuchpicture", c.Type));
        EXPECT_EQ(shown.grab().toImage(), painted);
    }
}

// A part of a picture kept decoded, as the value row's under its field, paints there as the whole picture
// does: alone, and in a paint that reaches past it.
TEST(SkinPictures, APartKeptDecodedPaintsAsTheWholePicture) {
    ImageControl decoded, shown;
    decoded.SetPicture(DecodePicture(FindPictureResource("banner", "jpg")));
    ASSERT_TRUE(shown.ShowPictureResource("banner", "jpg"));
    shown.KeepDecoded(QRect(101, 4, 340, 23));
    for (ImageControl* image : {&decoded, &shown})
        image->resize(478, 60);
    EXPECT_EQ(shown.grab().toImage(), decoded.grab().toImage());
    for (const QRect& painted : {QRect(101, 4, 340, 23), QRect(150, 10, 20, 5), QRect(90, 0, 100, 34)}) {
        SCOPED_TRACE(painted.x());
        QImage expected(478, 60, QImage::Format_RGB32), drawn(478, 60, QImage::Format_RGB32);
        expected.fill(Qt::magenta);
        drawn.fill(Qt::magenta);
        decoded.render(&expected, QPoint(), painted);
        shown.render(&drawn, QPoint(), painted);
        EXPECT_EQ(drawn, expected);
    }
}

// The pictures' bytes are read where the program carries them, not copied into memory of its own.
TEST(SkinPictures, PicturesAreReadWhereTheProgramCarriesThem) {
    const QByteArray file = FindPictureResource("BtnClose", "bmp");
    EXPECT_EQ(static_cast<const void*>(file.constData()), QResource(":/pictures/BTNCLOSE.BMP").data());
}

TEST(JpegDecoder, BrokenDataDecodesToNothing) {
    const QByteArray good = FindPictureResource("ImgColorList", "jpg");
    ASSERT_EQ(DecodeJpeg(good).size(), QSize(300, 30));

    EXPECT_TRUE(DecodeJpeg({}).isNull());
    EXPECT_TRUE(DecodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(DecodeJpeg(good.left(good.size() / 2)).isNull()); // cut short
    QByteArray noFrame = good;
    noFrame.replace(QByteArray("\xFF\xC0", 2),
                    QByteArray("\xFF\xFE", 2)); // the frame header becomes a comment
    EXPECT_TRUE(DecodeJpeg(noFrame).isNull());
}

TEST(JpegDecoder, DecodesWhatAnEncoderWrote) {
    QImage source(40, 20, QImage::Format_RGB32);
    source.fill(QColor(200, 40, 90));
    QByteArray encoded;
    QBuffer buffer(&encoded);
    ASSERT_TRUE(source.save(&buffer, "JPG", 95));
    const QImage decoded = DecodeJpeg(encoded);
    ASSERT_EQ(decoded.size(), QSize(40, 20));
    const QColor centre = decoded.pixelColor(20, 10);
    EXPECT_NEAR(centre.red(), 200, 4);
    EXPECT_NEAR(centre.green(), 40, 4);
    EXPECT_NEAR(centre.blue(), 90, 4);
}

} // namespace
