#include "persistence/ListFile.h"

#include <gtest/gtest.h>

namespace {

TEST(ListFile, ReadingAcceptsEveryLineEnd) {
    const struct {
        QByteArray Bytes;
        QStringList Entries;
    } cases[] = {
        {"#FF0000\r\n#00FF00\r\n", {"#FF0000", "#00FF00"}},
        {"#FF0000\n#00FF00\n", {"#FF0000", "#00FF00"}},
        {"#FF0000\r#00FF00\r", {"#FF0000", "#00FF00"}},
        {"#FF0000\r\n#00FF00", {"#FF0000", "#00FF00"}}, // the last line needs no line end
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},             // an empty line is an empty entry
        {"a\n\nb", {"a", "", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {QByteArray("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"}}, // a NUL ends the content
        {QByteArray("\0a\r\n", 4), {}},
        {"  spaced  \r\n", {"  spaced  "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseListFile(c.Bytes), c.Entries) << c.Bytes.toStdString();
}

TEST(ListFile, WritingEndsEveryEntryWithCrLf) {
    EXPECT_EQ(FormatListFile({"#FF0000", "#00FF00"}), QByteArray("#FF0000\r\n#00FF00\r\n"));
    EXPECT_EQ(FormatListFile({"#FF0000", "#00FF00"}).size(), 18);
    EXPECT_EQ(FormatListFile({}), QByteArray());
    EXPECT_EQ(FormatListFile({""}), QByteArray("\r\n"));
}

TEST(ListFile, NonAsciiAndBrokenUtf8StillGiveRows) {
    const QStringList chinese{"颜色", "255,0,0"};
    EXPECT_EQ(ParseListFile(FormatListFile(chinese)), chinese);
    const QStringList broken = ParseListFile("\xff\xfe\x80\r\nok\r\n");
    ASSERT_EQ(broken.size(), 2);
    EXPECT_EQ(broken[1], "ok");
}

TEST(ListFile, AMillionLinesAndATenMegabyteLine) {
    QByteArray many;
    for (int i = 0; i < 1'000'000; ++i)
        many += QByteArray::number(i) + "\r\n";
    const QStringList entries = ParseListFile(many);
    ASSERT_EQ(entries.size(), 1'000'000);
    EXPECT_EQ(entries.last(), "999999");
    EXPECT_EQ(FormatListFile(entries), many);

    const QStringList longLine = ParseListFile(QByteArray(10'000'000, 'x') + "\nend");
    ASSERT_EQ(longLine.size(), 2);
    EXPECT_EQ(longLine[0].size(), 10'000'000);
}

} // namespace
