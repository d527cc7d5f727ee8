// pyrosim: a simulated pyrometer on a pseudo-terminal or a serial device.
#include "sim/Instrument.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

pyrosim::Instrument* running = nullptr;

void OnSignal(int)
{
    if (running)
        running->Stop();
}

int Usage()
{
    std::cerr << "usage: pyrosim (--pty | --device PATH) [--profile FILE] [--rate N] [--log FILE]\n"
                 "               [--fault-silent] [--fault-checksum] [--fault-refuse CODE[,CODE]]\n"
                 "               [--fault-noise]\n";
    return 2;
}

bool ParseInt(const std::string& text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 0 || v > 1000000)
        return false;
    value = int(v);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    bool pty = false;
    std::string device, profile, logFile;
    int rate = -1;
    pyrosim::Faults faults;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= argc)
                return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--pty") {
            pty = true;
        } else if (arg == "--device") {
            if (!value(device))
                return Usage();
        } else if (arg == "--profile") {
            if (!value(profile))
                return Usage();
        } else if (arg == "--log") {
            if (!value(logFile))
                return Usage();
        } else if (arg == "--rate") {
            if (!value(v) || !ParseInt(v, rate))
                return Usage();
        } else if (arg == "--fault-silent") {
            faults.silent = true;
        } else if (arg == "--fault-checksum") {
            faults.badChecksum = true;
        } else if (arg == "--fault-noise") {
            faults.noise = true;
        } else if (arg == "--fault-refuse") {
            if (!value(v))
                return Usage();
            std::stringstream codes(v);
            std::string item;
            while (std::getline(codes, item, ',')) {
                int code = 0;
                if (!ParseInt(item, code) || code > 255)
                    return Usage();
                faults.refused.insert(code);
            }
        } else {
            return Usage();
        }
    }
    if (pty == !device.empty())
        return Usage();

    try {
        pyrosim::InstrumentState state = profile.empty() ? pyrosim::InstrumentState{}
                                                         : pyrosim::LoadProfile(profile);
        if (rate >= 0) {
            state.rate = rate;
            state.rateFollowsSpeed = false;
        }
        pyrosim::Instrument instrument(state);
        instrument.SetFaults(faults);
        if (!logFile.empty())
            instrument.SetLogFile(logFile);
        if (pty) {
            std::cout << instrument.OpenPty() << std::endl;
        } else {
            instrument.OpenDevice(device);
        }
        running = &instrument;
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
        std::signal(SIGPIPE, SIG_IGN);
        instrument.Run();
        running = nullptr;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
