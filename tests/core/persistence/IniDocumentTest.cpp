#include "core/persistence/IniDocument.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(IniDocument, IntegerValues) {
    const struct {
        const char* Line;
        int Expected; // with a default of -7
    } cases[] = {
        {"v=3", 3},     {"v=-12", -12}, {"v=+4", 4},         {"v= 5 ", 5},  {"v=0x3", 3},
        {"v=0X1f", 31}, {"v=$10", 16},  {"v=$FFFFFFFF", -1}, {"v=abc", -7}, {"v=", -7},
        {"v=0x", -7},   {"v=x3", -7},   {"v=12abc", -7},     {"v=3.5", -7}, {"v=99999999999", -7},
        {"v=\"8\"", 8}, {"V=9", 9}, // key names match ignoring case
    };
    for (const auto& c : cases) {
        const IniDocument ini("[default]\r\n" + std::string(c.Line) + "\r\n");
        EXPECT_EQ(ini.ReadInteger("default", "v", -7), c.Expected) << c.Line;
    }
    EXPECT_EQ(IniDocument("[DEFAULT]\nv=1\n").ReadInteger("default", "v", 0), 1);
    EXPECT_EQ(IniDocument("[other]\nv=1\n").ReadInteger("default", "v", 0), 0);
    EXPECT_EQ(IniDocument("v=1\n").ReadInteger("default", "v", 0), 0); // outside any section
}

TEST(IniDocument, BooleansAreIntegers) {
    EXPECT_FALSE(IniDocument("[default]\nb=0\n").ReadBool("default", "b", true));
    EXPECT_TRUE(IniDocument("[default]\nb=2\n").ReadBool("default", "b", false));
    EXPECT_TRUE(IniDocument("[default]\nb=yes\n").ReadBool("default", "b", true));
    EXPECT_FALSE(IniDocument("").ReadBool("default", "b", false));
}

TEST(IniDocument, TheFirstSectionAndKeyWin) {
    const IniDocument ini("[default]\r\nv=1\r\nv=2\r\n[default]\r\nv=3\r\n");
    EXPECT_EQ(ini.ReadInteger("default", "v", 0), 1);
}

TEST(IniDocument, ValuesAreCutTo2047Characters) {
    const IniDocument ini("[default]\nv=" + std::string(10'000'000, '7') + "\n");
    EXPECT_EQ(ini.ReadString("default", "v")->size(), IniDocument::MaxValueLength);
    EXPECT_EQ(ini.ReadInteger("default", "v", -1), -1);
}

TEST(IniDocument, ANewFileHoldsTheSectionAndTheKeysInOrder) {
    IniDocument ini;
    ini.WriteInteger("default", "PasteType", 0);
    ini.WriteInteger("default", "ColorValType", -1);
    ini.WriteInteger("default", "left", 20);
    ini.WriteInteger("default", "top", 10);
    ini.WriteInteger("default", "CbColorPre", 5);
    ini.WriteBool("default", "AlwaysOnTop", true);
    EXPECT_EQ(ini.Bytes(), "[default]\r\nPasteType=0\r\nColorValType=-1\r\nleft=20\r\ntop=10\r\n"
                           "CbColorPre=5\r\nAlwaysOnTop=1\r\n");
}

TEST(IniDocument, WritingKeepsEveryOtherLineAsItWas) {
    IniDocument ini("; my notes\n[other]\nleft=1\n\n[Default]\n  top = 3\nkeep=me\n\n[last]\nx=y");
    ini.WriteInteger("default", "top", 10);        // replaced where it stands
    ini.WriteInteger("default", "AlwaysOnTop", 0); // appended after the section's last key
    ini.WriteInteger("extra", "k", 1);             // a new section at the end
    EXPECT_EQ(ini.Bytes(), "; my notes\n[other]\nleft=1\n\n[Default]\ntop=10\nkeep=me\nAlwaysOnTop=0\r\n\n"
                           "[last]\nx=y\r\n[extra]\r\nk=1\r\n");
}

TEST(IniDocument, AKeyAddedToALastSectionWithoutALineEnd) {
    IniDocument ini("[default]\nPasteType=1");
    ini.WriteInteger("default", "ColorValType", 2);
    EXPECT_EQ(ini.Bytes(), "[default]\nPasteType=1\r\nColorValType=2\r\n");
}

TEST(IniDocument, GarbageGivesDefaultsAndSurvivesAWrite) {
    std::mt19937 random(7);
    std::string garbage(1 << 16, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random());
    IniDocument ini(garbage);
    EXPECT_EQ(ini.ReadInteger("default", "PasteType", 0), 0);
    ini.WriteInteger("default", "PasteType", 1);
    EXPECT_EQ(IniDocument(ini.Bytes()).ReadInteger("default", "PasteType", 0), 1);

    const IniDocument invalidUtf8("[default]\nColorValType=\xff\xfe\x80\n");
    EXPECT_EQ(invalidUtf8.ReadInteger("default", "ColorValType", 0), 0);
}

TEST(IniDocument, ThousandsOfSections) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "[s" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    text += "[default]\nColorValType=4\n";
    IniDocument ini(text);
    EXPECT_EQ(ini.ReadInteger("default", "ColorValType", 0), 4);
    EXPECT_EQ(ini.ReadInteger("s4999", "k", 0), 4999);
    ini.WriteInteger("default", "ColorValType", 1);
    EXPECT_EQ(IniDocument(ini.Bytes()).ReadInteger("default", "ColorValType", 0), 1);
}

} // namespace
