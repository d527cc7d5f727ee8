// The command wrapper's error policy: the link-alive flag, the error display
// and the end of the connection on the second failure in a row.
#include "CurrentModelFixture.h"
#include "platform/Messages.h"
#include "vendrix/Vendrix.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct PolicyCase {
    const char* name;
    bool linkAliveBefore;
    std::vector<int> codes;
    bool showErrors;
    std::vector<bool> results;
    int messages;
    bool disconnected;
};

TEST_F(CommandPolicy, SequencesOfResultCodes)
{
    const PolicyCase cases[] = {
        {"two failures in a row", true, {5, 5}, true, {false, false}, 2, true},
        {"two failures in a row, silent", true, {5, 5}, false, {false, false}, 0, true},
        {"fail, succeed, fail", true, {5, 0, 5}, true, {false, true, false}, 2, false},
        {"success", true, {0, 0}, true, {true, true}, 0, false},
        {"success revives a dead link", false, {0}, true, {true}, 0, false},
        {"failure on a link that is already dead", false, {3}, true, {false}, 1, true},
        {"negative codes never show or disconnect", true, {-1, -7, -1}, true, {false, false, false}, 0, false},
        {"negative after a failure", true, {5, -1}, true, {false, false}, 1, false},
        // The negative code cleared the flag, so the next positive one is the
        // second failure in a row.
        {"failure after a negative code", true, {-1, 5}, true, {false, false}, 1, true},
    };
    for (const PolicyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Pirometr()->LinkAlive = c.linkAliveBefore;
        responder.shown.clear();
        std::size_t next = 0;
        SetPirCommand([&](TCommPortDriver&, int, unsigned char*, int, int&) { return c.codes.at(next++); });

        std::vector<bool> results;
        for (std::size_t i = 0; i < c.codes.size(); ++i)
            results.push_back(Run(10, c.showErrors, i % 2 == 1));

        EXPECT_EQ(results, c.results);
        EXPECT_EQ(static_cast<int>(responder.shown.size()), c.messages);
        EXPECT_EQ(disconnects, c.disconnected ? 1 : 0);
        EXPECT_EQ(Pirometr() == nullptr, c.disconnected);
        if (Pirometr() != nullptr) {
            EXPECT_EQ(Pirometr()->LinkAlive, c.results.back());
        }
    }
}

TEST_F(CommandPolicy, TheErrorShownIsTheLibrarysTextForTheCode)
{
    const std::vector<int> codes{vendrix::ErrChecksum, vendrix::ErrNotSupported};
    std::size_t next = 0;
    SetPirCommand([&](TCommPortDriver&, int, unsigned char*, int, int&) { return codes.at(next++); });
    Run(10, true);
    Run(10, true);
    EXPECT_EQ(responder.Texts(), QStringList({vendrix::ErrorText(vendrix::ErrChecksum),
                                              vendrix::ErrorText(vendrix::ErrNotSupported)}));
    EXPECT_FALSE(vendrix::ErrorText(vendrix::ErrChecksum).isEmpty());
    EXPECT_EQ(Pirometr(), nullptr);
}

TEST_F(CommandPolicy, ArgumentsReachTheCommandAndTheAnswerLengthComesBack)
{
    unsigned char data[13] = {};
    data[0] = 0x2A;
    int length = 9;
    SetPirCommand([&](TCommPortDriver& p, int code, unsigned char* d, int capacity, int& dataLength) {
        EXPECT_EQ(&p, &port);
        EXPECT_EQ(code, 81);
        EXPECT_EQ(d, data);
        EXPECT_EQ(capacity, 12);
        EXPECT_EQ(dataLength, 9);
        d[0] = 0x55;
        dataLength = 3;
        return 0;
    });
    EXPECT_TRUE(Pirometr()->SaveToPir(port, 81, data, 12, length, true));
    EXPECT_EQ(length, 3);
    EXPECT_EQ(data[0], 0x55);
}

// Answers the first message by ending the connection, as a timer firing
// inside the error box's modal loop can.
class DisconnectingResponder : public ScriptedResponder {
public:
    MsgResult Answer(const ShownMessage& message) override
    {
        SetPirometr(nullptr);
        return ScriptedResponder::Answer(message);
    }
};

TEST_F(CommandPolicy, ModelFreedWhileTheErrorIsShownIsNotTouchedAgain)
{
    DisconnectingResponder freeing;
    SetPirCommand([](TCommPortDriver&, int, unsigned char*, int, int&) { return vendrix::ErrNoAnswer; });
    EXPECT_FALSE(Run(10, true));
    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_EQ(freeing.shown.size(), 1u);
}

}  // namespace
