#include "vendrix/VendrixTestSupport.h"

#include "link/ComBuf.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <map>

namespace {

// The measurement stream keeps running while commands are exchanged: every
// frame must reach the stream's handler whole, and no answer byte may.
class StreamDuringCommand : public PortOnPyrosim {
protected:
    void SetUp() override
    {
        Open(QStringLiteral("Piro32"), 400);
        // Start from a quiet line so the first byte received starts a frame.
        unsigned char run = 0;
        int length = 1;
        ASSERT_EQ(Command(*port, 73, &run, 0, length), vendrix::Ok);
        Settle();
        port->PurgeRX();
        port->OnReceiveData = [this](TCommPortDriver&, const QByteArray& bytes) {
            received += bytes.size();
            for (char c : bytes)
                decoder.AddByte(std::uint8_t(c));
        };
        decoder.OnValue = [this](TComBuf*, std::uint8_t channel, double) { ++perChannel[channel]; };
    }

    void Settle(int ms = 50)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }

    void RunState(unsigned char state)
    {
        int length = 1;
        ASSERT_EQ(Command(*port, 73, &state, 0, length), vendrix::Ok);
    }

    // Many commands of different answer sizes while the stream runs.
    void ExchangeWhileStreaming(int rounds)
    {
        RunState(1);
        for (int i = 0; i < rounds; ++i) {
            unsigned char data[120] = {};
            int length = 0;
            const int code = i % 3 == 0 ? 13 : i % 3 == 1 ? 4 : 1;
            ASSERT_EQ(Command(*port, code, data, 119, length), vendrix::Ok) << "round " << i;
            Settle(2);
        }
        RunState(0);
        Settle(100);
    }

    TComBuf decoder{7};
    qint64 received = 0;
    std::map<int, int> perChannel;
};

TEST_F(StreamDuringCommand, NoFrameLostAndNoAnswerBytePassedOn)
{
    ExchangeWhileStreaming(30);
    EXPECT_GT(decoder.GoodCount(), 30);
    EXPECT_EQ(decoder.BadCount(), 0);
    // Only whole frames arrived: nothing lost, nothing foreign mixed in.
    EXPECT_EQ(received, 7 * qint64(decoder.GoodCount()));
}

TEST_F(StreamDuringCommand, EveryChannelOfTheActiveModeStreams)
{
    unsigned char mode = 2;
    int length = 0;
    ASSERT_EQ(Command(*port, 71, &mode, 0, length), vendrix::Ok);
    ExchangeWhileStreaming(10);
    ASSERT_EQ(perChannel.size(), 3u);
    // A measurement is one frame per channel, channel 1 first.
    EXPECT_EQ(perChannel[1], perChannel[3]);
    EXPECT_EQ(decoder.BadCount(), 0);
}

TEST_F(StreamDuringCommand, HandlerReplacedDuringTheExchangeStaysReplaced)
{
    int firstCalls = 0;
    qint64 second = 0;
    port->OnReceiveData = [&](TCommPortDriver& p, const QByteArray&) {
        ++firstCalls;
        p.OnReceiveData = [&](TCommPortDriver&, const QByteArray& more) { second += more.size(); };
    };
    RunState(1);
    unsigned char data[120] = {};
    for (int i = 0; i < 20 && firstCalls == 0; ++i) {
        int length = 0;
        ASSERT_EQ(Command(*port, 4, data, 119, length), vendrix::Ok);
    }
    ASSERT_EQ(firstCalls, 1);
    // The stream goes on to the handler set last, not to the one the
    // exchange started with.
    Settle(100);
    RunState(0);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_GT(second, 0);
}

TEST_F(StreamDuringCommand, LineNoiseSpoilsFramesButNotAnswers)
{
    sim->SetFaults({false, false, {}, true, 0, 0});
    ExchangeWhileStreaming(30);
    EXPECT_GT(decoder.GoodCount(), 0);
    EXPECT_GT(decoder.BadCount(), 0);
}

}  // namespace
