#pragma once
// A current model as a connection leaves it (LinkAlive set), and a
// disconnect hook that does to the port and the model what the main
// window's Disconnect does.
#include "device/Pirometr.h"
#include "platform/CommPortDriver.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>
#include <memory>

class CommandPolicy : public ::testing::Test {
protected:
    void SetUp() override
    {
        disconnects = 0;
        SetPirometr(std::make_unique<TPirometr>());
        Pirometr()->LinkAlive = true;
        SetDisconnectHandler([this] {
            ++disconnects;
            if (port.Connected())
                port.Disconnect();
            SetPirometr(nullptr);
        });
    }
    void TearDown() override
    {
        SetDisconnectHandler({});
        SetPirCommand({});
        SetPirometr(nullptr);
    }

    // Runs one command on the current model; false also when none is left.
    bool Run(int code, bool showErrors, bool save = false)
    {
        unsigned char data[4] = {0, 0, 0, 0};
        int length = 1;
        TPirometr* model = Pirometr();
        if (model == nullptr)
            return false;
        return save ? model->SaveToPir(port, code, data, 0, length, showErrors)
                    : model->ReadFromPir(port, code, data, 0, length, showErrors);
    }

    TCommPortDriver port;
    ScriptedResponder responder;
    int disconnects = 0;
};
