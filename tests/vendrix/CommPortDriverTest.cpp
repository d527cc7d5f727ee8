#include "vendrix/VendrixTestSupport.h"

#include "device/PiroSignature.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace {

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 2000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

TEST(CommPortDriver, MissingDeviceFailsCleanly)
{
    TCommPortDriver port;
    port.SetPortName(QStringLiteral("/dev/caloriva-no-such-port"));
    EXPECT_FALSE(port.Connect());
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(port.LastError().isEmpty());
    EXPECT_FALSE(port.SetRTS(true));
    EXPECT_FALSE(port.WaitForData(0));
    EXPECT_FALSE(port.WriteAll("x", 10));
}

TEST(CommPortDriver, NotASerialLineFailsToOpen)
{
    TCommPortDriver port;
    port.SetPortName(QStringLiteral("/dev/null"));
    EXPECT_FALSE(port.Connect());
    EXPECT_FALSE(port.Connected());
}

TEST(CommPortDriver, DefaultsToComOneAt19200)
{
    TCommPortDriver port;
    EXPECT_EQ(port.PortName(), QStringLiteral("\\\\.\\Com1"));
    EXPECT_EQ(port.BaudRate(), 19200);
}

using CommPortDriverOnPyrosim = PortOnPyrosim;

TEST_F(CommPortDriverOnPyrosim, BusyDeviceFailsToOpen)
{
    TCommPortDriver second;
    second.SetPortName(sim->DevicePath());
    EXPECT_FALSE(second.Connect());
    EXPECT_TRUE(port->Connected());
}

TEST_F(CommPortDriverOnPyrosim, ReopensAfterDisconnect)
{
    port->Disconnect();
    EXPECT_FALSE(port->Connected());
    ASSERT_TRUE(port->Connect());
    unsigned char data[3] = {};
    int length = 0;
    EXPECT_EQ(Command(*port, 3, data, 2, length), vendrix::Ok);
}

TEST_F(CommPortDriverOnPyrosim, LineSwitchesRefusedByAPseudoTerminalKeepThePortUsable)
{
    port->SetRTS(true);
    port->SetDTR(false);
    port->PurgeTX();
    port->SetInBufferSize(4096);
    EXPECT_TRUE(port->Connected());
    unsigned char data[3] = {};
    int length = 0;
    EXPECT_EQ(Command(*port, 3, data, 2, length), vendrix::Ok);
}

TEST_F(CommPortDriverOnPyrosim, ReceivedBytesReachTheHandlerFromTheEventLoop)
{
    qint64 bytes = 0;
    port->OnReceiveData = [&](TCommPortDriver& sender, const QByteArray& data) {
        EXPECT_EQ(&sender, port.get());
        bytes += data.size();
    };
    EXPECT_TRUE(WaitFor([&] { return bytes >= 14; }));

    // A cleared handler hears nothing more.
    port->OnReceiveData = nullptr;
    const qint64 before = bytes;
    QDeadlineTimer pause(100);
    while (!pause.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(bytes, before);
}

TEST_F(CommPortDriverOnPyrosim, HandlerMayClearItselfWhileRunning)
{
    int calls = 0;
    port->OnReceiveData = [&](TCommPortDriver& sender, const QByteArray&) {
        ++calls;
        sender.OnReceiveData = nullptr;
    };
    EXPECT_TRUE(WaitFor([&] { return calls > 0; }));
    EXPECT_EQ(calls, 1);
}

TEST_F(CommPortDriverOnPyrosim, InstrumentGoneClosesThePort)
{
    port->OnReceiveData = [](TCommPortDriver&, const QByteArray&) {};
    sim.reset();
    EXPECT_TRUE(WaitFor([&] { return !port->Connected(); }));
    unsigned char data[3] = {};
    int length = 0;
    EXPECT_EQ(Command(*port, 3, data, 2, length), vendrix::ErrPortClosed);
}

class PortResolver : public PortOnPyrosim {
protected:
    void TearDown() override { TCommPortDriver::SetPortResolver(nullptr); }
};

TEST_F(PortResolver, WindowsNamesMapToDevicesWhenThePortOpens)
{
    const QString device = sim->DevicePath();
    TCommPortDriver::SetPortResolver([device](const QString& name) {
        return name.compare(QStringLiteral("\\\\.\\Com2"), Qt::CaseInsensitive) == 0 ? device : QString();
    });
    port->Disconnect();
    port->SetPortName(QStringLiteral("\\\\.\\Com2"));
    ASSERT_TRUE(port->Connect());
    EXPECT_EQ(port->PortName(), QStringLiteral("\\\\.\\Com2"));
    EXPECT_EQ(port->DevicePath(), device);
    TPiroSignature signature;
    ReadSignature(*port, signature);
    EXPECT_EQ(signature.TypeNum, 21);
}

TEST_F(PortResolver, OtherNamesAreDevicePaths)
{
    TCommPortDriver::SetPortResolver([](const QString&) { return QStringLiteral("/dev/caloriva-mapped"); });
    EXPECT_EQ(TCommPortDriver::ResolvePortName(QStringLiteral("\\\\.\\Com3")), QStringLiteral("/dev/caloriva-mapped"));
    EXPECT_EQ(TCommPortDriver::ResolvePortName(QStringLiteral("\\\\.\\COM4")), QStringLiteral("/dev/caloriva-mapped"));
    EXPECT_EQ(TCommPortDriver::ResolvePortName(sim->DevicePath()), sim->DevicePath());
    EXPECT_EQ(TCommPortDriver::ResolvePortName(QStringLiteral("\\\\.\\Com2x")), QStringLiteral("\\\\.\\Com2x"));
    TCommPortDriver::SetPortResolver(nullptr);
    EXPECT_EQ(TCommPortDriver::ResolvePortName(QStringLiteral("\\\\.\\Com1")), QStringLiteral("\\\\.\\Com1"));
}

}  // namespace
