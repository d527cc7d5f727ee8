#include "sim/Instrument.h"

#include "sim/InstrumentWire.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace pyrosim {

namespace {

using Clock = std::chrono::steady_clock;

enum Result : std::uint8_t { Done = 0, Unknown = 1, BadData = 2, NotNow = 3 };

void MakeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
}

void Put3(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const std::uint32_t magnitude = std::uint32_t(value < 0 ? -std::int64_t(value) : value) & 0x7FFFFF;
    out.push_back(std::uint8_t(((magnitude >> 16) & 0x7F) | (value < 0 ? 0x80 : 0)));
    out.push_back(std::uint8_t((magnitude >> 8) & 0xFF));
    out.push_back(std::uint8_t(magnitude & 0xFF));
}

std::int32_t Get3(const std::uint8_t* p)
{
    const std::int32_t magnitude = ((p[0] & 0x7F) << 16) | (p[1] << 8) | p[2];
    return (p[0] & 0x80) ? -magnitude : magnitude;
}

void Put2(std::vector<std::uint8_t>& out, int value)
{
    const unsigned magnitude = unsigned(value < 0 ? -value : value) & 0x7FFF;
    out.push_back(std::uint8_t(((magnitude >> 8) & 0x7F) | (value < 0 ? 0x80 : 0)));
    out.push_back(std::uint8_t(magnitude & 0xFF));
}

int Get2(const std::uint8_t* p)
{
    const int magnitude = ((p[0] & 0x7F) << 8) | p[1];
    return (p[0] & 0x80) ? -magnitude : magnitude;
}

void PutU16BE(std::vector<std::uint8_t>& out, double value)
{
    const long v = std::lround(value);
    const unsigned u = v < 0 ? 0u : v > 0xFFFF ? 0xFFFFu : unsigned(v);
    out.push_back(std::uint8_t(u >> 8));
    out.push_back(std::uint8_t(u & 0xFF));
}

int RateOfSpeedCode(int code)
{
    switch (code) {
    case 3: return 25;
    case 4: return 10;
    case 5: return 5;
    case 6: return 1;
    default: return 0;
    }
}

std::string Hex(int code, const std::vector<std::uint8_t>& data)
{
    // The code as commands are named, in decimal; the data bytes in hex.
    char buf[8];
    std::snprintf(buf, sizeof buf, "%d", code & 0xFF);
    std::string line = buf;
    for (std::uint8_t b : data) {
        std::snprintf(buf, sizeof buf, " %02X", b);
        line += buf;
    }
    return line;
}

}  // namespace

struct Instrument::Impl {
    mutable std::mutex mutex;
    InstrumentState state;
    Faults faults;
    std::vector<std::string> log;
    std::ofstream logFile;

    int fd = -1;        // the line: pty master or the given device
    int slaveFd = -1;   // held open so the pty keeps its settings and never hangs up
    int wake[2] = {-1, -1};
    std::atomic<bool> stop{false};

    RequestParser parser;
    // Answers held back by the delay fault, in the order they are due.
    std::vector<std::pair<Clock::time_point, std::vector<std::uint8_t>>> delayed;
    std::mt19937 random{12345};
    double phase = 0.0;

    // Answers one decoded request; called with the mutex held.
    // The first byte of the result is the instrument's result code, the
    // answer data follow.
    std::vector<std::uint8_t> Answer(int code, const std::vector<std::uint8_t>& data);
    void WriteAll(const std::vector<std::uint8_t>& bytes);
};

Instrument::Instrument(InstrumentState state) : impl_(std::make_unique<Impl>())
{
    impl_->state = std::move(state);
    if (pipe(impl_->wake) != 0)
        throw std::runtime_error("pyrosim: cannot create a pipe");
    fcntl(impl_->wake[0], F_SETFL, O_NONBLOCK);
    fcntl(impl_->wake[1], F_SETFL, O_NONBLOCK);
}

Instrument::~Instrument()
{
    for (int fd : {impl_->fd, impl_->slaveFd, impl_->wake[0], impl_->wake[1]})
        if (fd >= 0)
            close(fd);
}

std::string Instrument::OpenPty()
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        if (master >= 0)
            close(master);
        throw std::runtime_error(std::string("pyrosim: no pseudo-terminal: ") + std::strerror(errno));
    }
    char name[256] = {};
    if (ptsname_r(master, name, sizeof name) != 0) {
        close(master);
        throw std::runtime_error("pyrosim: no pseudo-terminal name");
    }
    const int slave = open(name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        close(master);
        throw std::runtime_error(std::string("pyrosim: cannot open ") + name);
    }
    // Raw both ways: with echo on, the instrument would read its own frames.
    MakeRaw(slave);
    fcntl(master, F_SETFL, O_NONBLOCK);
    impl_->fd = master;
    impl_->slaveFd = slave;
    devicePath_ = name;
    return devicePath_;
}

void Instrument::OpenDevice(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw std::runtime_error("pyrosim: cannot open " + path + ": " + std::strerror(errno));
    MakeRaw(fd);
    impl_->fd = fd;
    devicePath_ = path;
}

void Instrument::Stop()
{
    // Safe from a signal handler: an atomic store and a write.
    impl_->stop.store(true);
    const char c = 's';
    [[maybe_unused]] const auto ignored = write(impl_->wake[1], &c, 1);
}

void Instrument::Impl::WriteAll(const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    auto deadline = Clock::now() + std::chrono::milliseconds(200);
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += std::size_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        // Nobody reads the line and its buffer is full: what does not fit
        // within a moment is lost, as on a real line.
        if (Clock::now() > deadline)
            return;
        pollfd p{fd, POLLOUT, 0};
        poll(&p, 1, 10);
    }
}

void Instrument::Run()
{
    Impl& d = *impl_;
    if (d.fd < 0)
        throw std::runtime_error("pyrosim: no line open");
    auto nextCycle = Clock::now();
    std::uint8_t buffer[512];
    while (!d.stop.load()) {
        int rate = 0;
        {
            std::lock_guard<std::mutex> lock(d.mutex);
            if (d.state.streaming && !d.state.poweredOff)
                rate = d.state.rate;
        }
        int timeoutMs = 100;
        const auto now = Clock::now();
        if (!d.delayed.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(d.delayed.front().first - now);
            timeoutMs = int(std::max<long long>(0, std::min<long long>(wait.count(), timeoutMs)));
        }
        if (rate > 0) {
            if (nextCycle < now - std::chrono::milliseconds(200))
                nextCycle = now;   // fell far behind (or just started): no burst
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextCycle - now);
            timeoutMs = int(std::max<long long>(0, std::min<long long>(wait.count(), timeoutMs)));
        }
        pollfd fds[2] = {{d.fd, POLLIN, 0}, {d.wake[0], POLLIN, 0}};
        const int ready = poll(fds, 2, timeoutMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (fds[1].revents & POLLIN) {
            char drain[16];
            while (read(d.wake[0], drain, sizeof drain) > 0) {
            }
        }
        ssize_t n = 0;
        if (fds[0].revents & POLLIN)
            n = read(d.fd, buffer, sizeof buffer);
        for (ssize_t i = 0; i < n; ++i) {
            if (!d.parser.Add(buffer[i]))
                continue;
            auto answer = HandleRequest(d.parser.Request());
            const int delayMs = CurrentFaults().answerDelayMs;
            if (answer.empty())
                continue;
            if (delayMs > 0)
            {
                const auto due = Clock::now() + std::chrono::milliseconds(delayMs);
                const auto later = std::find_if(d.delayed.begin(), d.delayed.end(),
                                                [&](const auto& held) { return held.first > due; });
                d.delayed.emplace(later, due, std::move(answer));
            }
            else
                d.WriteAll(answer);
        }
        while (!d.delayed.empty() && d.delayed.front().first <= Clock::now()) {
            d.WriteAll(d.delayed.front().second);
            d.delayed.erase(d.delayed.begin());
        }
        if (n <= 0 && (fds[0].revents & (POLLHUP | POLLERR)))
            poll(nullptr, 0, 10);   // the device went away: wait, do not spin
        if (rate > 0) {
            const auto period = std::chrono::nanoseconds(1'000'000'000LL / rate);
            // Catch up when the loop was late, a bounded number of cycles at once.
            for (int cycles = 0; Clock::now() >= nextCycle && cycles < 50; ++cycles) {
                d.WriteAll(NextFrames());
                nextCycle += period;
            }
        }
    }
}

std::vector<std::uint8_t> Instrument::HandleRequest(const std::vector<std::uint8_t>& request)
{
    Impl& d = *impl_;
    int code = 0;
    std::vector<std::uint8_t> data;
    if (!DecodeRequest(request, code, data))
        return {};   // a garbled request is ignored: the host times out
    std::lock_guard<std::mutex> lock(d.mutex);
    if (d.state.poweredOff)
        return {};
    const std::string line = Hex(code, data);
    d.log.push_back(line);
    if (d.logFile.is_open())
        d.logFile << line << std::endl;
    if (d.faults.silent)
        return {};
    std::vector<std::uint8_t> answerData{Unknown};
    if (!d.faults.refused.count(code))
        answerData = d.Answer(code, data);
    const std::uint8_t result = answerData.front();
    answerData.erase(answerData.begin());
    if (result != Done)
        answerData.clear();
    else if (d.faults.extraAnswerBytes > 0)
        answerData.resize(std::min<std::size_t>(255, answerData.size() + std::size_t(d.faults.extraAnswerBytes)), 0x55);
    return EncodeAnswer(code, result, answerData, d.faults.badChecksum);
}

std::vector<std::uint8_t> Instrument::Impl::Answer(int code, const std::vector<std::uint8_t>& data)
{
    InstrumentState& s = state;
    std::vector<std::uint8_t> out{Done};
    const auto refuse = [](std::uint8_t why) { return std::vector<std::uint8_t>{why}; };
    const auto needs = [&](std::size_t n) { return data.size() == n; };
    switch (code) {
    case 1: {   // signature, the record's little-endian image
        const auto put16 = [&](unsigned v) { out.push_back(std::uint8_t(v)); out.push_back(std::uint8_t(v >> 8)); };
        const auto put32 = [&](std::int32_t v) { put16(std::uint32_t(v) & 0xFFFF); put16(std::uint32_t(v) >> 16); };
        out.push_back(s.typeNum);
        out.push_back(s.variant);
        put16(s.plantNumber);
        put16(s.waveLength1);
        put16(s.waveLength2);
        put32(s.tempMin);
        put32(s.tempMax);
        put16(s.aligningIndex);
        out.push_back(s.programVersion);
        out.push_back(s.regulationType);
        return out;
    }
    case 3:
        out.push_back(0);
        Put2(out, s.blackOrder);
        return out;
    case 67: {
        if (!needs(3) || data[0] > 1)
            return refuse(BadData);
        const int value = Get2(&data[1]);
        // The coefficient's range is 0.100 to 2.500.
        if (value < 100 || value > 2500)
            return refuse(BadData);
        s.blackOrder = value;
        if (data[0] == 1)
            s.blackOrderFlash = value;
        return out;
    }
    case 4:
    case 5:
    case 21: {
        if (code == 21 && s.aprocCodeNum != 2)
            return refuse(Unknown);
        const auto& column = code == 4 ? s.aprocCode : code == 5 ? s.aprocTemp : s.aprocCode2;
        for (std::int32_t v : column)
            Put3(out, v);
        return out;
    }
    case 68:
    case 69:
    case 89: {
        if (code == 89 && s.aprocCodeNum != 2)
            return refuse(Unknown);
        if (data.size() % 3 != 0 || data.size() > 120)
            return refuse(BadData);
        auto& column = code == 68 ? s.aprocCode : code == 69 ? s.aprocTemp : s.aprocCode2;
        column.clear();
        for (std::size_t i = 0; i < data.size(); i += 3)
            column.push_back(Get3(&data[i]));
        return out;
    }
    case 10:
        out.push_back(std::uint8_t(s.activeGraphMode + 1));
        return out;
    case 71:
        if (!needs(1) || data[0] < 1 || data[0] > s.graphModes.size())
            return refuse(BadData);
        s.activeGraphMode = data[0] - 1;
        return out;
    case 13:
        out.insert(out.end(), s.workMode.begin(), s.workMode.end());
        return out;
    case 81:
        if (!needs(9) || RateOfSpeedCode(data[0]) == 0 || data[7] > 3)
            return refuse(BadData);
        std::copy(data.begin(), data.end(), s.workMode.begin());
        if (s.rateFollowsSpeed)
            s.rate = RateOfSpeedCode(data[0]);
        return out;
    case 15:
        PutU16BE(out, (s.bodyTemp + 273.0) * 100.0);
        PutU16BE(out, (s.thermostatTemp + 273.0) * 100.0);
        return out;
    case 70:
        if (!needs(7) || data[0] > 59 || data[1] > 59 || data[2] > 23 || data[3] < 1 || data[3] > 7 ||
            data[4] < 1 || data[4] > 31 || data[5] < 1 || data[5] > 12 || data[6] > 99)
            return refuse(BadData);
        std::copy(data.begin(), data.end(), s.clock.begin());
        return out;
    case 73:
        if (!needs(1))
            return refuse(BadData);
        switch (data[0]) {
        case 0: s.streaming = false; return out;
        case 1: s.streaming = true; return out;
        case 3:
            // The answer still leaves before the instrument goes dark.
            s.streaming = false;
            s.poweredOff = true;
            return out;
        default: return refuse(BadData);
        }
    default:
        return refuse(Unknown);
    }
}

std::vector<std::uint8_t> Instrument::NextFrames()
{
    Impl& d = *impl_;
    std::lock_guard<std::mutex> lock(d.mutex);
    const InstrumentState& s = d.state;
    std::vector<std::uint8_t> out;
    if (s.graphModes.empty())
        return out;
    const int mode = std::clamp(s.activeGraphMode, 0, int(s.graphModes.size()) - 1);
    const int channels = std::clamp(s.graphModes[std::size_t(mode)].channels, 1, 4);
    std::normal_distribution<double> jitter(0.0, 0.3);
    d.phase += 0.05;
    const auto& levels = s.graphModes[std::size_t(mode)].levels;
    for (int c = 1; c <= channels; ++c) {
        const std::size_t level = std::size_t(c - 2);
        const double base = c == 1 ? s.temperature : level < levels.size() ? levels[level] : 100.0 * c;
        const double value = base + 2.0 * std::sin(d.phase / c) + jitter(d.random);
        auto frame = EncodeFrame(s.status, c, value);
        if (d.faults.noise) {
            std::uniform_int_distribution<int> dice(0, 9);
            if (dice(d.random) == 0)
                frame[6] ^= 0x01;   // a bad checksum
            if (dice(d.random) == 0) {
                std::uniform_int_distribution<int> byte(0, 255);
                for (int n = 1 + dice(d.random) % 4; n > 0; --n)
                    out.push_back(std::uint8_t(byte(d.random)));
            }
        }
        out.insert(out.end(), frame.begin(), frame.end());
    }
    return out;
}

InstrumentState Instrument::State() const
{
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->state;
}

void Instrument::ChangeState(const std::function<void(InstrumentState&)>& change)
{
    {
        std::lock_guard<std::mutex> lock(impl_->mutex);
        change(impl_->state);
    }
    const char c = 'c';
    [[maybe_unused]] const auto ignored = write(impl_->wake[1], &c, 1);
}

Faults Instrument::CurrentFaults() const
{
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->faults;
}

void Instrument::SetFaults(const Faults& faults)
{
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->faults = faults;
}

std::vector<std::string> Instrument::Log() const
{
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->log;
}

void Instrument::ClearLog()
{
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->log.clear();
}

void Instrument::SetLogFile(const std::string& path)
{
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->logFile.open(path, std::ios::out | std::ios::trunc);
    if (!impl_->logFile.is_open())
        throw std::runtime_error("pyrosim: cannot write " + path);
}

}  // namespace pyrosim
