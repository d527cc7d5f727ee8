#include "support/Pyrosim.h"

#include "support/TempExeDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <stdexcept>

namespace {
QString ProfilePath(const QString& profile)
{
    if (profile.contains('/') || profile.endsWith(QStringLiteral(".ini")))
        return profile;
    return SourceDir() + "/sim/profiles/" + profile + ".ini";
}
}  // namespace

Pyrosim::Pyrosim(const QString& profile, int rate)
{
    pyrosim::InstrumentState state = pyrosim::LoadProfile(ProfilePath(profile).toStdString());
    if (rate > 0) {
        state.rate = rate;
        state.rateFollowsSpeed = false;
    }
    instrument_ = std::make_unique<pyrosim::Instrument>(std::move(state));
    instrument_->OpenPty();
    thread_ = std::thread([this] { instrument_->Run(); });
}

Pyrosim::~Pyrosim()
{
    instrument_->Stop();
    if (thread_.joinable())
        thread_.join();
}

QString Pyrosim::DevicePath() const
{
    return QString::fromStdString(instrument_->DevicePath());
}

QStringList Pyrosim::Log() const
{
    QStringList lines;
    for (const auto& line : instrument_->Log())
        lines << QString::fromStdString(line);
    return lines;
}

void Pyrosim::ClearLog()
{
    instrument_->ClearLog();
}

bool Pyrosim::WaitForLog(const QString& line, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!Log().contains(line)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

pyrosim::Faults Pyrosim::Faults() const
{
    return instrument_->CurrentFaults();
}

void Pyrosim::SetFaults(const pyrosim::Faults& faults)
{
    instrument_->SetFaults(faults);
}

pyrosim::InstrumentState Pyrosim::State() const
{
    return instrument_->State();
}

void Pyrosim::ChangeState(const std::function<void(pyrosim::InstrumentState&)>& change)
{
    instrument_->ChangeState(change);
}
