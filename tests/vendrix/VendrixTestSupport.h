#pragma once
// A port connected to a simulated instrument, for the command tests.
#include "platform/CommPortDriver.h"
#include "support/Pyrosim.h"
#include "vendrix/Vendrix.h"

#include <gtest/gtest.h>
#include <array>
#include <memory>

class PortOnPyrosim : public ::testing::Test {
protected:
    void Open(const QString& profile = QStringLiteral("Piro21"), int rate = 0)
    {
        sim = std::make_unique<Pyrosim>(profile, rate);
        port = std::make_unique<TCommPortDriver>();
        port->SetPortName(sim->DevicePath());
        ASSERT_TRUE(port->Connect()) << port->LastError().toStdString();
    }
    void SetUp() override { Open(); }

    std::unique_ptr<Pyrosim> sim;
    std::unique_ptr<TCommPortDriver> port;
};
