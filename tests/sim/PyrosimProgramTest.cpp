#include "device/PiroSignature.h"
#include "link/ComBuf.h"
#include "platform/CommPortDriver.h"
#include "support/TempExeDir.h"
#include "vendrix/Vendrix.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// bin/pyrosim as a user runs it: a process that prints its pseudo-terminal.
class PyrosimProgram : public ::testing::Test {
protected:
    void Start(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("--pty"));
        process.start(BuildBinDir() + "/pyrosim", arguments);
        ASSERT_TRUE(process.waitForStarted(5000));
        ASSERT_TRUE(process.waitForReadyRead(5000)) << process.readAllStandardError().toStdString();
        devicePath = QString::fromLocal8Bit(process.readLine()).trimmed();
        ASSERT_TRUE(devicePath.startsWith(QStringLiteral("/dev/"))) << devicePath.toStdString();
        port.SetPortName(devicePath);
        ASSERT_TRUE(port.Connect()) << port.LastError().toStdString();
    }

    void TearDown() override
    {
        port.Disconnect();
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            process.waitForFinished(5000);
        }
    }

    void Pump(int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }

    QString Profile(const char* name) const { return SourceDir() + "/sim/profiles/" + name + ".ini"; }

    QProcess process;
    QString devicePath;
    TCommPortDriver port;
    TempExeDir dir;
};

TEST_F(PyrosimProgram, StreamsValidFramesOfItsProfile)
{
    Start({"--profile", Profile("Piro21"), "--rate", "200"});
    TComBuf decoder(7);
    int values = 0;
    decoder.OnValue = [&](TComBuf*, std::uint8_t channel, double value) {
        ++values;
        EXPECT_EQ(channel, 1);
        EXPECT_NEAR(value, 1050.0, 10.0);
    };
    port.OnReceiveData = [&](TCommPortDriver&, const QByteArray& bytes) {
        for (char c : bytes)
            decoder.AddByte(std::uint8_t(c));
    };
    QDeadlineTimer deadline(3000);
    while (values < 20 && !deadline.hasExpired())
        Pump(10);
    EXPECT_GE(values, 20);
    EXPECT_EQ(decoder.BadCount(), 0);
    EXPECT_EQ(decoder.LastStatus(), 1);
}

TEST_F(PyrosimProgram, LogsEveryCommandAndEndsCleanlyOnTerminate)
{
    const QString log = dir.File("commands.log");
    Start({"--profile", Profile("Piro45"), "--log", log});
    TPiroSignature signature;
    ReadSignature(port, signature);
    EXPECT_EQ(signature.TypeNum, 45);
    EXPECT_EQ(signature.RegulationType, 2);
    unsigned char run = 0;
    int length = 1;
    EXPECT_EQ(Command(port, 73, &run, 0, length), vendrix::Ok);

    // Flushed per line: readable while the simulator still runs.
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1\n73 00\n"));

    process.terminate();
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

TEST_F(PyrosimProgram, FaultSwitchesOfTheCommandLine)
{
    Start({"--profile", Profile("Piro32"), "--fault-refuse", "3,15"});
    unsigned char data[4] = {};
    int length = 0;
    EXPECT_EQ(Command(port, 3, data, 3, length), vendrix::ErrNotSupported);
    EXPECT_EQ(Command(port, 15, data, 3, length), vendrix::ErrNotSupported);
    EXPECT_EQ(Command(port, 10, data, 3, length), vendrix::Ok);
}

TEST_F(PyrosimProgram, ChecksumFaultSpoilsEveryAnswer)
{
    Start({"--fault-checksum"});
    unsigned char data[4] = {};
    int length = 0;
    EXPECT_EQ(Command(port, 10, data, 3, length), vendrix::ErrChecksum);
}

TEST_F(PyrosimProgram, SilentFaultGivesNoAnswer)
{
    Start({"--fault-silent"});
    TPiroSignature signature;
    ReadSignature(port, signature);
    EXPECT_EQ(signature.TypeNum, 0);
}

TEST(PyrosimArguments, WrongArgumentsAreRefused)
{
    const QStringList cases[] = {
        {},
        {"--pty", "--device", "/dev/null"},
        {"--pty", "--rate", "fast"},
        {"--pty", "--fault-refuse", "3,x"},
        {"--pty", "--bogus"},
    };
    for (const QStringList& arguments : cases) {
        QProcess process;
        process.start(BuildBinDir() + "/pyrosim", arguments);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2) << arguments.join(' ').toStdString();
    }
    QProcess missing;
    missing.start(BuildBinDir() + "/pyrosim", {"--pty", "--profile", "/nonexistent/profile.ini"});
    ASSERT_TRUE(missing.waitForFinished(5000));
    EXPECT_EQ(missing.exitCode(), 1);
}

}  // namespace
