#include "app/ProgSettings.h"

#include "support/TempExeDir.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgSettingsTest, NoSettingsFileGivesAllDefaults)
{
    TempExeDir dir;
    EXPECT_EQ(ProgSetFileName(dir.Path()), dir.Path() + "/ini/ProgSet.ini");

    const TMainSettings main = ReadMainSettings(dir.Path());
    EXPECT_TRUE(main.ShowHints);
    EXPECT_FALSE(main.NotConfirmClose);
    EXPECT_EQ(main.Precision, 2);
    EXPECT_EQ(main.ArhivFolder, dir.Path() + "/Arhiv");
    EXPECT_EQ(DefaultArhivFolder(dir.Path()), dir.Path() + "/Arhiv");

    const TProgSetDialogSettings dialog = ReadProgSetDialogSettings(dir.Path());
    EXPECT_TRUE(dialog.ShowHints);
    EXPECT_FALSE(dialog.NotConfirmClose);
    EXPECT_FALSE(dialog.AutoSave);
    EXPECT_EQ(dialog.Nums, 2);
    EXPECT_EQ(dialog.ServerPort, "1118");
    EXPECT_EQ(dialog.ClientPort, "1119");

    const TGraphSettings graph = ReadGraphSettings(dir.Path());
    EXPECT_EQ(graph.MaxPoint, 32000);
    EXPECT_EQ(graph.FieldColor, 0);
    EXPECT_EQ(graph.GridColor, 8421504);
    EXPECT_EQ(graph.LineColor[0], 255);
    EXPECT_EQ(graph.LineColor[1], 65280);
    EXPECT_EQ(graph.LineColor[2], 65535);
    EXPECT_EQ(graph.LineColor[3], 16711680);

    EXPECT_FALSE(QFile::exists(ProgSetFileName(dir.Path())));
}

TEST(ProgSettingsTest, ReadsTheValuesOfTheFile)
{
    TempExeDir dir;
    dir.WriteFile("ini/ProgSet.ini",
                  "[main]\r\n"
                  "showhints=0\r\n"
                  "NotConfirmClose = 5\r\n"
                  "AutoSave=1\r\n"
                  "[Precision]\r\n"
                  "Nums=3\r\n"
                  "[Folders]\r\n"
                  "ArhivFolder=/data/\xc0\xf0\xf5\xe8\xe2\r\n"
                  "[Graph]\r\n"
                  "MaxPoint=1000\r\n"
                  "LineColor3=128\r\n"
                  "[Net]\r\n"
                  "ServerPort=2000\r\n");

    const TMainSettings main = ReadMainSettings(dir.Path());
    EXPECT_FALSE(main.ShowHints);
    EXPECT_TRUE(main.NotConfirmClose);
    EXPECT_EQ(main.Precision, 3);
    EXPECT_EQ(main.ArhivFolder, QString::fromUtf8("/data/Архив"));

    const TProgSetDialogSettings dialog = ReadProgSetDialogSettings(dir.Path());
    EXPECT_TRUE(dialog.AutoSave);
    EXPECT_EQ(dialog.Nums, 3);
    EXPECT_EQ(dialog.ServerPort, "2000");
    EXPECT_EQ(dialog.ClientPort, "1119");

    const TGraphSettings graph = ReadGraphSettings(dir.Path());
    EXPECT_EQ(graph.MaxPoint, 1000);
    EXPECT_EQ(graph.LineColor[2], 128);
    EXPECT_EQ(graph.LineColor[3], 16711680);
    EXPECT_EQ(graph.GridColor, 8421504);
}

} // namespace
