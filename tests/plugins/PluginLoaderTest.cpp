// The loader on its own, with small plug-ins built for these tests.
#include "LoadedLibraries.h"
#include "QtPrinters.h"
#include "support/TempExeDir.h"

#include "device/Pirometr.h"
#include "device/PluginLoader.h"
#include "platform/CommPortDriver.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct CandidateCase {
    const char* path;
    QStringList expected;  // relative to the program folder
};

class PluginLibraryCandidatesTest : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(PluginLibraryCandidatesTest, MapsTheDescriptionNameToPlatformFiles)
{
    const CandidateCase& c = GetParam();
    QStringList expected;
    for (const QString& file : c.expected)
        expected << QStringLiteral("/opt/caloriva/") + file;
    EXPECT_EQ(PluginLibraryCandidates(QStringLiteral("/opt/caloriva"), QString::fromUtf8(c.path)),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PluginLibraryCandidatesTest,
    ::testing::Values(
        CandidateCase{"dlls/Mirandel.dll", {"dlls/libMirandel.so", "dlls/Mirandel.so"}},
        CandidateCase{"dlls/Mirandel.DLL", {"dlls/libMirandel.so", "dlls/Mirandel.so"}},
        CandidateCase{"dlls/libKeys.so", {"dlls/libKeys.so"}},
        CandidateCase{"dlls/Note", {"dlls/Note"}},
        CandidateCase{"dlls/", {}}));

// A connected-looking model and an owner window; no instrument is needed
// because the test plug-ins send nothing.
class PluginLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetPirometr(std::make_unique<TPirometr>());
        model = Pirometr();
        model->Signature.TypeNum = 21;
        model->Signature.TempMax = 2500;
        model->LinkAlive = false;
    }
    void TearDown() override { SetPirometr(nullptr); }

    void Install(const char* builtFile, const QString& nameInDlls)
    {
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(builtFile), exe.File("dlls/" + nameInDlls)));
    }
    void Show(const QString& path) { ShowPluginForm(exe.Path(), path, &owner, port, *model); }

    TempExeDir exe;
    ScriptedResponder messages;
    QWidget owner;
    TCommPortDriver port;
    TPirometr* model = nullptr;
};

TEST_F(PluginLoaderTest, MappingsShowALibraryExactlyWhileItIsLoaded)
{
    Install(RECORDING_PLUGIN_FILE, QStringLiteral("libRecorder.so"));
    QLibrary library(exe.File("dlls/libRecorder.so"));
    ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    EXPECT_TRUE(IsMapped(exe.File("dlls/libRecorder.so")));
    ASSERT_TRUE(library.unload());
    EXPECT_FALSE(IsMapped(exe.File("dlls/libRecorder.so")));
}

TEST_F(PluginLoaderTest, HandsOwnerApplicationPortAndSignatureThenUnloads)
{
    Install(RECORDING_PLUGIN_FILE, QStringLiteral("libRecorder.so"));
    Show(QStringLiteral("dlls/Recorder.dll"));

    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join('|').toStdString();
    EXPECT_EQ(owner.property("calls").toInt(), 1);
    EXPECT_EQ(owner.property("app").value<quintptr>(), reinterpret_cast<quintptr>(qApp));
    EXPECT_TRUE(owner.property("appIsInstance").toBool());
    EXPECT_EQ(owner.property("port").value<quintptr>(), reinterpret_cast<quintptr>(&port));
    EXPECT_EQ(owner.property("signature").value<quintptr>(),
              reinterpret_cast<quintptr>(&model->Signature));
    EXPECT_EQ(owner.property("typeNum").toInt(), 21);
    EXPECT_EQ(owner.property("tempMax").toInt(), 2500);
    EXPECT_TRUE(model->LinkAlive);
    EXPECT_FALSE(IsMapped(exe.File("dlls/libRecorder.so")));
}

TEST_F(PluginLoaderTest, ModelFreedWhileTheFormIsOpenIsLeftAlone)
{
    Install(RECORDING_PLUGIN_FILE, QStringLiteral("libRecorder.so"));
    void (*disconnect)() = [] { SetPirometr(nullptr); };
    owner.setProperty("whileOpen", QVariant::fromValue(reinterpret_cast<quintptr>(disconnect)));
    Show(QStringLiteral("dlls/Recorder.dll"));
    EXPECT_EQ(owner.property("calls").toInt(), 1);
    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_FALSE(IsMapped(exe.File("dlls/libRecorder.so")));
}

TEST_F(PluginLoaderTest, LoadsAFreshCopyForEveryUse)
{
    Install(RECORDING_PLUGIN_FILE, QStringLiteral("libRecorder.so"));
    for (int use = 1; use <= 3; ++use) {
        Show(QStringLiteral("dlls/Recorder.dll"));
        EXPECT_EQ(owner.property("calls").toInt(), use);
        EXPECT_FALSE(IsMapped(exe.File("dlls/libRecorder.so")));
    }
}

TEST_F(PluginLoaderTest, FindsTheLibraryWithoutPrefix)
{
    Install(RECORDING_PLUGIN_FILE, QStringLiteral("Recorder.so"));
    Show(QStringLiteral("dlls/Recorder.dll"));
    EXPECT_EQ(owner.property("calls").toInt(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PluginLoaderTest, LibraryThatCannotBeLoadedGivesTheNotFoundMessage)
{
    exe.WriteFile(QStringLiteral("dlls/libBroken.so"), QByteArray("not a shared object"));
    struct Case {
        QString path;
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("dlls/X.dll"), QStringLiteral("Библиотека dlls/X.dll не найдена.")},
        {QStringLiteral("dlls/"), QStringLiteral("Библиотека dlls/ не найдена.")},
        {QStringLiteral("dlls/Broken.dll"), QStringLiteral("Библиотека dlls/Broken.dll не найдена.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        messages.shown.clear();
        Show(c.path);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].kind, ShownMessage::Kind::Dialog);
        EXPECT_EQ(messages.shown[0].type, DlgType::Error);
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OK);
        EXPECT_EQ(messages.shown[0].text, c.message);
        // The connection stays as it was.
        EXPECT_FALSE(model->LinkAlive);
        EXPECT_EQ(Pirometr(), model);
    }
}

TEST_F(PluginLoaderTest, LibraryWithoutShowFormGivesTheAccessMessageAndIsUnloaded)
{
    Install(NO_SHOWFORM_PLUGIN_FILE, QStringLiteral("libEmpty.so"));
    Show(QStringLiteral("dlls/Empty.dll"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].type, DlgType::Error);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OK);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Ошибка доступа к библиотеке dlls/Empty.dll"));
    EXPECT_FALSE(model->LinkAlive);
    EXPECT_FALSE(IsMapped(exe.File("dlls/libEmpty.so")));
}

}  // namespace
