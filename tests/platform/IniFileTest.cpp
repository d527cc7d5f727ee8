#include "platform/Cp1251.h"
#include "platform/IniFile.h"

#include "support/TempExeDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TempExeDir dir;
    QString path = dir.File("ini/ProgSet.ini");
    TIniFile ini{path};

    void Write(const QByteArray& bytes) { dir.WriteFile("ini/ProgSet.ini", bytes); }
    QByteArray Bytes() const { return dir.ReadFile("ini/ProgSet.ini"); }
};

}  // namespace

TEST_F(IniFileTest, MissingFileReadsAsEmpty)
{
    EXPECT_EQ(ini.ReadString("Main", "ShowHints", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("Graph", "MaxPoint", 32000), 32000);
    EXPECT_TRUE(ini.ReadBool("Main", "ShowHints", true));
    EXPECT_FALSE(ini.ReadBool("Main", "AutoSave", false));
    EXPECT_FALSE(ini.SectionExists("Main"));
    EXPECT_FALSE(ini.ValueExists("Main", "ShowHints"));
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_TRUE(ini.ReadSection("Main").isEmpty());
    // Removing from a missing file succeeds and creates nothing.
    EXPECT_TRUE(ini.DeleteKey("Main", "ShowHints"));
    EXPECT_TRUE(ini.EraseSection("Main"));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(IniFileTest, WritingCreatesTheFileWithCrLf)
{
    EXPECT_TRUE(ini.WriteBool("Main", "AutoSave", true));
    EXPECT_TRUE(ini.WriteInteger("Graph", "MaxPoint", -5));
    EXPECT_EQ(Bytes(), QByteArray("[Main]\r\nAutoSave=1\r\n[Graph]\r\nMaxPoint=-5\r\n"));
    EXPECT_TRUE(ini.ReadBool("Main", "AutoSave", false));
    EXPECT_EQ(ini.ReadInteger("Graph", "MaxPoint", 0), -5);
    EXPECT_TRUE(ini.WriteBool("Main", "AutoSave", false));
    EXPECT_EQ(ini.ReadString("Main", "AutoSave", ""), "0");
}

TEST_F(IniFileTest, WritingIntoAMissingFolderFailsAndCreatesNoFolder)
{
    TIniFile elsewhere(dir.File("nofolder/ProgSet.ini"));
    EXPECT_FALSE(elsewhere.WriteString("Main", "ShowHints", "1"));
    EXPECT_FALSE(QFileInfo::exists(dir.File("nofolder")));
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToLetterCase)
{
    Write(StringToCp1251(QStringLiteral("[MAIN]\r\nshowhints=0\r\n[Секция]\r\nКлюч=значение\r\n")));
    EXPECT_EQ(ini.ReadInteger("Main", "ShowHints", 1), 0);
    EXPECT_TRUE(ini.SectionExists("main"));
    EXPECT_TRUE(ini.ValueExists("mAiN", "SHOWHINTS"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("СЕКЦИЯ"), QStringLiteral("ключ"), ""), QStringLiteral("значение"));

    // A write through another spelling changes the existing line.
    EXPECT_TRUE(ini.WriteInteger("main", "ShowHints", 1));
    EXPECT_EQ(Cp1251ToString(Bytes()), QStringLiteral("[MAIN]\r\nShowHints=1\r\n[Секция]\r\nКлюч=значение\r\n"));
}

TEST_F(IniFileTest, FirstMatchWins)
{
    Write("[Graph]\r\nMaxPoint=100\r\nmaxpoint=200\r\n[graph]\r\nMaxPoint=300\r\nGridColor=7\r\n");
    EXPECT_EQ(ini.ReadInteger("Graph", "MaxPoint", 0), 100);
    // The first section of the name is the one that counts.
    EXPECT_FALSE(ini.ValueExists("Graph", "GridColor"));
    EXPECT_EQ(ini.ReadSections(), QStringList{"Graph"});
    EXPECT_EQ(ini.ReadSection("Graph"), QStringList{"MaxPoint"});

    EXPECT_TRUE(ini.WriteInteger("Graph", "MaxPoint", 5));
    EXPECT_EQ(Bytes(), QByteArray("[Graph]\r\nMaxPoint=5\r\nmaxpoint=200\r\n[graph]\r\nMaxPoint=300\r\nGridColor=7\r\n"));
}

TEST_F(IniFileTest, ValuesAreTrimmedAndTakenAfterTheFirstEquals)
{
    Write("[Net]\r\n  ServerPort =  1118 \t\r\nFormula=a=b\r\nEmpty=\r\n;ClientPort=1\r\nNoEquals\r\n");
    EXPECT_EQ(ini.ReadString("Net", "ServerPort", ""), "1118");
    EXPECT_EQ(ini.ReadString("Net", "Formula", ""), "a=b");
    EXPECT_EQ(ini.ReadString("Net", "Empty", "def"), "");
    EXPECT_TRUE(ini.ValueExists("Net", "Empty"));
    EXPECT_FALSE(ini.ValueExists("Net", "ClientPort"));
    EXPECT_FALSE(ini.ValueExists("Net", "NoEquals"));
    EXPECT_EQ(ini.ReadSection("Net"), (QStringList{"ServerPort", "Formula", "Empty"}));
}

TEST_F(IniFileTest, IntegersThatAreNotWholeNumbersGiveTheDefault)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"42", 42},       {"-7", -7},        {"+3", 3},        {"0x1F", 31},
        {"0xFFFFFFFF", -1}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"", -99},        {"abc", -99},      {"12x", -99},     {"1.5", -99},
        {"1 2", -99},     {"2147483648", -99}, {"99999999999", -99}, {"0x", -99},
        {"-", -99},       {"0x1FFFFFFFF", -99},
    };
    for (const auto& c : cases) {
        Write(QByteArray("[Precision]\r\nNums=") + c.text + "\r\n");
        EXPECT_EQ(ini.ReadInteger("Precision", "Nums", -99), c.expected) << c.text;
    }
}

TEST_F(IniFileTest, BooleansAreIntegersAndNonZeroIsTrue)
{
    const struct {
        const char* text;
        bool def;
        bool expected;
    } cases[] = {
        {"0", true, false}, {"1", false, true}, {"2", false, true}, {"-1", false, true},
        {"yes", false, false}, {"yes", true, true}, {"", true, true},
    };
    for (const auto& c : cases) {
        Write(QByteArray("[Main]\r\nShowHints=") + c.text + "\r\n");
        EXPECT_EQ(ini.ReadBool("Main", "ShowHints", c.def), c.expected) << c.text;
    }
}

TEST_F(IniFileTest, AWriteKeepsEveryOtherLineCommentAndLineEnd)
{
    const QByteArray before =
        "; settings of the program\r\n"
        "\r\n"
        "[Main]\r\n"
        "ShowHints=1\n"
        "  ; hints on\r\n"
        "NotConfirmClose = 0\r\n"
        "AutoSave=0\r\n"
        "\r\n"
        "[Precision]\r\n"
        "Nums=2";
    Write(before);
    EXPECT_TRUE(ini.WriteBool("Main", "NotConfirmClose", true));
    QByteArray expected = before;
    expected.replace("NotConfirmClose = 0", "NotConfirmClose=1");
    EXPECT_EQ(Bytes(), expected);

    // The last line keeps its missing line end too.
    EXPECT_TRUE(ini.WriteInteger("Precision", "Nums", 3));
    expected.replace("Nums=2", "Nums=3");
    EXPECT_EQ(Bytes(), expected);
}

TEST_F(IniFileTest, AddingAKeyToAnExistingSection)
{
    Write("[Main]\r\nShowHints=1\r\n\r\n; graph\r\n[Graph]\r\nMaxPoint=10\r\n");
    EXPECT_TRUE(ini.WriteBool("Main", "AutoSave", true));
    EXPECT_EQ(Bytes(), QByteArray("[Main]\r\nShowHints=1\r\nAutoSave=1\r\n\r\n; graph\r\n[Graph]\r\nMaxPoint=10\r\n"));

    // At the end of the last section, after a last line without a line end.
    Write("[Main]\nShowHints=1");
    EXPECT_TRUE(ini.WriteBool("Main", "AutoSave", false));
    EXPECT_EQ(Bytes(), QByteArray("[Main]\nShowHints=1\nAutoSave=0\n"));

    // An empty section takes the key right after its header.
    Write("[Main]\r\n[Graph]\r\n");
    EXPECT_TRUE(ini.WriteString("Main", "ShowHints", "1"));
    EXPECT_EQ(Bytes(), QByteArray("[Main]\r\nShowHints=1\r\n[Graph]\r\n"));
}

TEST_F(IniFileTest, AddingANewSectionAtTheEnd)
{
    Write("; comment\r\n[Main]\r\nShowHints=1");
    EXPECT_TRUE(ini.WriteString("Net", "ServerPort", "1118"));
    EXPECT_EQ(Bytes(), QByteArray("; comment\r\n[Main]\r\nShowHints=1\r\n[Net]\r\nServerPort=1118\r\n"));
    EXPECT_EQ(ini.ReadSections(), (QStringList{"Main", "Net"}));
}

TEST_F(IniFileTest, TextIsWindows1251OnDisk)
{
    const QString folder = QStringLiteral("/home/оператор/Архив");
    EXPECT_TRUE(ini.WriteString("Folders", "ArhivFolder", folder));
    EXPECT_EQ(Bytes(), QByteArray("[Folders]\r\nArhivFolder=") + StringToCp1251(folder) + "\r\n");
    EXPECT_EQ(ini.ReadString("Folders", "ArhivFolder", ""), folder);
}

TEST_F(IniFileTest, AValueWithLineBreaksStaysOneEntry)
{
    EXPECT_TRUE(ini.WriteString("Main", "Text", "one\r\n[Evil]\nx=1"));
    EXPECT_FALSE(ini.SectionExists("Evil"));
    EXPECT_EQ(ini.ReadSection("Main"), QStringList{"Text"});
    EXPECT_EQ(ini.ReadString("Main", "Text", ""), "one [Evil] x=1");
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey)
{
    Write("[A]\r\nk=1\r\nK=2\r\nj=3\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\n");
    EXPECT_TRUE(ini.DeleteKey("a", "K"));
    EXPECT_FALSE(ini.ValueExists("A", "k"));
    EXPECT_EQ(Bytes(), QByteArray("[A]\r\nj=3\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\n"));

    EXPECT_TRUE(ini.EraseSection("A"));
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_EQ(Bytes(), QByteArray("[B]\r\nk=4\r\n"));
}
