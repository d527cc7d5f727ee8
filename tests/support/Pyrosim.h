#pragma once
// A simulated instrument for tests: pyrosim on a fresh pseudo-terminal,
// served by a thread of its own, stopped by the destructor.
//
//   Pyrosim sim("Piro21");                // profile sim/profiles/Piro21.ini
//   TCommPortDriver port; port.SetPortName(sim.DevicePath()); port.Connect();
//   ... sim.Log() == QStringList{"73 01"} ...
//   pyrosim::Faults faults; faults.silent = true; sim.SetFaults(faults);
//   sim.ChangeState([](pyrosim::InstrumentState& s) { s.status = 0x05; });
//
// The three profiles match data/ini/Piro21.pir, Piro32.pir and Piro45.pir;
// docs/protocol.md lists the commands the instrument answers.
#include "sim/Instrument.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <thread>

class Pyrosim {
public:
    // `profile` is a profile name of sim/profiles ("Piro21", "Piro32",
    // "Piro45") or a path to an INI file. `rate` overrides the profile's
    // frames per second; 0 keeps it.
    explicit Pyrosim(const QString& profile = QStringLiteral("Piro21"), int rate = 0);
    ~Pyrosim();
    Pyrosim(const Pyrosim&) = delete;
    Pyrosim& operator=(const Pyrosim&) = delete;

    // The slave side of the pseudo-terminal, e.g. "/dev/pts/7".
    QString DevicePath() const;

    // Commands received so far, one line each: the code in decimal, then each
    // data byte as two upper-case hex digits: "73 01", "67 01 03 B6".
    QStringList Log() const;
    void ClearLog();
    // Runs the Qt event loop until `line` is logged or the time-out passes.
    bool WaitForLog(const QString& line, int timeoutMs = 2000) const;

    pyrosim::Faults Faults() const;
    void SetFaults(const pyrosim::Faults& faults);
    pyrosim::InstrumentState State() const;
    void ChangeState(const std::function<void(pyrosim::InstrumentState&)>& change);

    pyrosim::Instrument& Instrument() { return *instrument_; }

private:
    std::unique_ptr<pyrosim::Instrument> instrument_;
    std::thread thread_;
};
