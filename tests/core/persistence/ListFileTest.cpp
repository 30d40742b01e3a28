#include "core/persistence/ListFile.h"

#include "../../ListTexts.h"

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
        EXPECT_EQ(Texts(ParseListFile(c.Bytes)), c.Entries) << c.Bytes.toStdString();
}

TEST(ListFile, WritingEndsEveryEntryWithCrLf) {
    EXPECT_EQ(FormatListFile(ListEntries::FromTexts({"#FF0000", "#00FF00"})),
              QByteArray("#FF0000\r\n#00FF00\r\n"));
    EXPECT_EQ(FormatListFile({}), QByteArray());
    EXPECT_EQ(FormatListFile(ListEntries::FromTexts({""})), QByteArray("\r\n"));
}

TEST(ListFile, EveryEntryKeepsItsBytesAndReadsInItsEncoding) {
    const struct {
        QByteArray Bytes;
        const char* Shown; // none where no encoding reads it
    } cases[] = {
        {"\xc4\xe3\xba\xc3\r\n", "你好"},         // the Chinese code page
        {"\xe4\xbd\xa0\xe5\xa5\xbd\r\n", "你好"}, // UTF-8
        {"\xef\xbb\xbf\xef\xbb\xbf"
         "a\r\n",
         nullptr}, // byte-order marks are bytes like any
        {"\xff\xff\r\n", nullptr},
    };
    for (const auto& c : cases) {
        const ListEntries entries = ParseListFile(c.Bytes);
        EXPECT_EQ(FormatListFile(entries), c.Bytes);
        if (c.Shown) {
            EXPECT_EQ(entries.Text(0), QString::fromUtf8(c.Shown));
        }
    }
}

TEST(ListFile, AddedAndRemovedEntriesLeaveTheOthersAsTheyWere) {
    ListEntries entries = ParseListFile("\xc4\xe3\r\nb\nc\rd");
    entries.PushFront("新");
    entries.PushFront("two\nlines");
    entries.Remove({0, 2, 2, -1, 99});
    EXPECT_EQ(FormatListFile(entries), "\xe6\x96\xb0\r\nb\r\nc\r\nd\r\n");
}

TEST(ListFile, AMillionLinesAndATenMegabyteLine) {
    QByteArray many;
    for (int i = 0; i < 1'000'000; ++i)
        many += QByteArray::number(i) + "\r\n";
    const ListEntries entries = ParseListFile(many);
    ASSERT_EQ(entries.size(), 1'000'000);
    EXPECT_EQ(entries.Bytes(999'999), "999999");
    EXPECT_EQ(entries.Bytes(64 * 1000 + 63), "64063");
    EXPECT_EQ(FormatListFile(entries), many);

    const ListEntries longLine = ParseListFile(QByteArray(10'000'000, 'x') + "\nend");
    ASSERT_EQ(longLine.size(), 2);
    EXPECT_EQ(longLine.Bytes(0).size(), 10'000'000u);
    EXPECT_LT(longLine.ShownText(0).size(), 10'000);
}

} // namespace
