// The INI reader's parsing choices and its typed reads.
#include <gtest/gtest.h>

#include "core/inifile.h"

namespace kgr {
namespace {

using Strings = std::vector<std::string>;

TEST(IniFileParsing, NamesMatchWithoutLetterCaseAndBlanksAreTrimmed) {
    const TIniFile ini("  [ Generic ]  \n\t Number \t=  42  \n");
    EXPECT_EQ(ini.ReadString("generic", "number", "?"), "42");
    EXPECT_EQ(ini.ReadString("GENERIC", "NUMBER", "?"), "42");
    EXPECT_TRUE(ini.SectionExists("gEnErIc"));
    EXPECT_EQ(ini.SectionNames(), Strings{"Generic"});
    EXPECT_EQ(ini.ReadSection("generic"), Strings{"Number"});
}

TEST(IniFileParsing, CommentsAndLinesWithoutKeysAreSkipped) {
    const TIniFile ini(
        "orphan=before any section\n[s]\n; a=commented\n   ;b=indented comment\nno equals sign\n=no key\n"
        "c=value ; not a comment\nd=x=y\n");
    EXPECT_EQ(ini.ReadSection("s"), (Strings{"c", "d"}));
    EXPECT_EQ(ini.ReadString("s", "c", ""), "value ; not a comment");
    EXPECT_EQ(ini.ReadString("s", "d", ""), "x=y");
    EXPECT_EQ(ini.SectionNames(), Strings{"s"});
}

TEST(IniFileParsing, MatchingQuotesAreRemovedOnce) {
    const TIniFile ini(
        "[q]\na=\"quoted text\"\nb='single'\nc=\"mixed'\nd=\"\"\ne=\"\nf=\"'both'\"\ng= \" padded \" \n");
    EXPECT_EQ(ini.ReadString("q", "a", ""), "quoted text");
    EXPECT_EQ(ini.ReadString("q", "b", ""), "single");
    EXPECT_EQ(ini.ReadString("q", "c", ""), "\"mixed'");
    EXPECT_EQ(ini.ReadString("q", "d", "?"), "");
    EXPECT_EQ(ini.ReadString("q", "e", ""), "\"");
    EXPECT_EQ(ini.ReadString("q", "f", ""), "'both'");
    EXPECT_EQ(ini.ReadString("q", "g", ""), " padded ");
}

TEST(IniFileParsing, FirstOfDuplicateSectionsAndKeysWins) {
    const TIniFile ini("[a]\nk=1\nk=2\nK=3\n[b]\nx=1\n[A]\nk=4\nm=5\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "1");
    EXPECT_FALSE(ini.ValueExists("a", "m"));
    EXPECT_EQ(ini.SectionNames(), (Strings{"a", "b"}));
    EXPECT_EQ(ini.ReadSection("a"), Strings{"k"});
}

TEST(IniFileParsing, LineEndsByteOrderMarkAndUnclosedSection) {
    const TIniFile crlf("\xEF\xBB\xBF[s]\r\na=1\r\nb=2");
    EXPECT_EQ(crlf.ReadString("s", "a", ""), "1");
    EXPECT_EQ(crlf.ReadString("s", "b", ""), "2");
    const TIniFile unclosed("[open\nk=v\n");
    EXPECT_EQ(unclosed.ReadString("open", "k", ""), "v");
    const TIniFile late_bom("[s]\n\xEF\xBB\xBFkey=v\n");
    EXPECT_FALSE(late_bom.ValueExists("s", "key"));
}

TEST(IniFileParsing, ValuesStopAtZeroBytesAndAtTheLengthLimit) {
    const std::string longValue(5000, 'v');
    const TIniFile ini(std::string("[s]\nz=ab\0cd\nlong=", 17) + longValue + "\n");
    EXPECT_EQ(ini.ReadString("s", "z", ""), "ab");
    EXPECT_EQ(ini.ReadString("s", "long", ""), longValue.substr(0, 2047));
}

TEST(IniFileParsing, OneValueReadStraightFromTheTextFollowsTheSameRules) {
    const std::string text =
        "\xEF\xBB\xBForphan=1\n[A]\nk=1\nK=2\n q = ' x ' \n[b]\nk=b\n[a]\nk=3\nm=4\n[c]\nv=" +
        std::string(3000, 'v') + "\n";
    const TIniFile ini(text);
    const std::pair<const char*, const char*> reads[] = {
        {"a", "k"}, {" A ", "K"}, {"a", "q"}, {"a", "m"}, {"b", "k"}, {"c", "v"}, {"", "orphan"}, {"d", "k"}};
    for (const auto& [section, key] : reads) {
        EXPECT_EQ(TIniFile::ReadFromText(text, section, key, "dflt"), ini.ReadString(section, key, "dflt"))
            << section << "/" << key;
    }
    EXPECT_EQ(TIniFile::ReadFromText(text, "a", "k", ""), "1");
    EXPECT_EQ(TIniFile::ReadFromText(text, "a", "m", "dflt"),
              "dflt");  // a repeated section's keys are unseen
}

TEST(IniFileParsing, ValuesOfAKeyInEverySectionInFileOrder) {
    const TIniFile ini("[s2]\nd=two\nD=again\n[none]\nx=1\n[S1]\n d = 'one' \n[s2]\nd=late\n[e]\nd=\n");
    using Pairs = std::vector<std::pair<std::string_view, std::string_view>>;
    EXPECT_EQ(ini.ValuesOfKey("D"), (Pairs{{"s2", "two"}, {"S1", "one"}, {"e", ""}}));
}

TEST(IniFileParsing, AbsentSectionOrKeyGivesTheDefault) {
    const TIniFile ini("[s]\nempty=\n");
    EXPECT_EQ(ini.ReadString("t", "empty", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("s", "other", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("s", "empty", "dflt"), "");
    EXPECT_TRUE(ini.ValueExists("s", "empty"));
    EXPECT_FALSE(ini.ValueExists("s", "other"));
    EXPECT_TRUE(ini.ReadSection("t").empty());
}

TEST(IniFileParsing, ReadIntegerSyntax) {
    const TIniFile ini(
        "[n]\ndec=42\nneg=-7\nhex=0x1F\nHEX=0XfF\ndollar=$10\nbare0x=0x\nbad=12abc\nfloat=1.5\n"
        "max=2147483647\nover=2147483648\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("n", "dec", -1), 42);
    EXPECT_EQ(ini.ReadInteger("n", "neg", -1), -7);
    EXPECT_EQ(ini.ReadInteger("n", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("n", "dollar", -1), 16);
    EXPECT_EQ(ini.ReadInteger("n", "max", -1), 2147483647);
    for (const char* bad : {"bare0x", "bad", "float", "over", "empty", "absent"}) {
        EXPECT_EQ(ini.ReadInteger("n", bad, -1), -1) << bad;
    }
}

TEST(IniFileParsing, ReadFloatUsesTheGivenSeparator) {
    const TIniFile ini("[f]\ndot=1.596\ncomma=1,596\nexp=2.5E2\nempty=\nbad=abc\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "dot", -1, '.'), 1.596);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "comma", -1, ','), 1.596);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "comma", -1, '.'), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "exp", -1, '.'), 250);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "empty", -1, '.'), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "bad", -1, '.'), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("f", "absent", -1, '.'), -1);
}

TEST(IniFileParsing, MissingFileGivesAnEmptyReader) {
    EXPECT_TRUE(TIniFile::FromFile("/nonexistent/kestrigo/x.ini").SectionNames().empty());
    EXPECT_FALSE(RegularFileExists("/nonexistent/kestrigo/x.ini"));
    EXPECT_FALSE(RegularFileExists("/"));
}

}  // namespace
}  // namespace kgr
