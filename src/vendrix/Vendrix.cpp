#include "vendrix/Vendrix.h"

#include "device/PiroSignature.h"
#include "platform/Messages.h"
#include "vendrix/CommandSizes.h"
#include "vendrix/WireFormat.h"

#include <QDeadlineTimer>
#include <QSet>
#include <cmath>
#include <cstring>

namespace {

using vendrix::wire::AnswerParser;

// Long enough for an instrument that answers at once, short enough that
// scanning four silent ports stays well under two seconds.
constexpr int kFirstByteTimeoutMs = 300;
// From the start of an answer to its end: 2 x 259 + 2 bytes take 270 ms at
// 19200 baud, with frames in between.
constexpr int kAnswerTimeoutMs = 700;
constexpr int kWriteTimeoutMs = 500;

QSet<TCommPortDriver*>& BusyPorts()
{
    static QSet<TCommPortDriver*> busy;
    return busy;
}

// Capacity is the highest usable index, so Capacity + 1 bytes fit.
bool FitsCapacity(std::size_t bytes, int capacity)
{
    return bytes == 0 || (capacity >= 0 && bytes <= std::size_t(capacity) + 1);
}

int RefusalCode(int instrumentResult)
{
    switch (instrumentResult) {
    case 1: return vendrix::ErrNotSupported;
    case 2: return vendrix::ErrBadData;
    case 3: return vendrix::ErrNotNow;
    case 4: return vendrix::ErrAccessDenied;
    default: return vendrix::ErrRefused;
    }
}

// One exchange: owns the port's receive handler from construction to
// destruction and gives it back, sending frame bytes on to it meanwhile.
class Exchange {
public:
    explicit Exchange(TCommPortDriver& port) : port_(port), previous_(port.OnReceiveData)
    {
        BusyPorts().insert(&port_);
        port_.OnReceiveData = Capture{this};
    }
    ~Exchange()
    {
        port_.OnReceiveData = previous_;
        BusyPorts().remove(&port_);
    }
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    int Run(int code, const QByteArray& request, int capacity, std::vector<std::uint8_t>& answer)
    {
        code_ = code;
        // Bytes received before the request: frames go on, stale answer
        // bytes are dropped.
        port_.DeliverPending();
        parser_.Reset();
        outcome_ = AnswerParser::Outcome::Pending;
        started_ = sawForeign_ = sawMalformed_ = false;

        if (!port_.WriteAll(request, kWriteTimeoutMs))
            return port_.Connected() ? vendrix::ErrWriteFailed : vendrix::ErrPortClosed;

        QDeadlineTimer deadline(kFirstByteTimeoutMs);
        bool extended = false;
        while (outcome_ == AnswerParser::Outcome::Pending) {
            if (started_ && !extended) {
                deadline.setRemainingTime(kAnswerTimeoutMs);
                extended = true;
            }
            if (deadline.hasExpired())
                break;
            if (!port_.WaitForData(int(deadline.remainingTime())) && !port_.Connected())
                return vendrix::ErrPortClosed;
        }
        switch (outcome_) {
        case AnswerParser::Outcome::Pending:
        case AnswerParser::Outcome::Malformed:
            return sawForeign_ || sawMalformed_ ? vendrix::ErrBadAnswer : vendrix::ErrNoAnswer;
        case AnswerParser::Outcome::BadChecksum:
            return vendrix::ErrChecksum;
        case AnswerParser::Outcome::Complete:
            break;
        }
        const auto& result = parser_.Result();
        if (result.result != 0)
            return RefusalCode(result.result);
        if (!FitsCapacity(result.data.size(), capacity))
            return vendrix::ErrAnswerTooLong;
        if (!vendrix::AnswerLengthValid(code_, int(result.data.size())))
            return vendrix::ErrBadAnswer;
        answer = result.data;
        return vendrix::Ok;
    }

private:
    struct Capture {
        Exchange* exchange;
        void operator()(TCommPortDriver&, const QByteArray& bytes) const { exchange->Received(bytes); }
    };

    void Received(const QByteArray& bytes)
    {
        QByteArray frames;
        for (char c : bytes) {
            const auto b = std::uint8_t(c);
            if (vendrix::wire::IsFrameByte(b)) {
                frames.append(c);
                continue;
            }
            if (outcome_ != AnswerParser::Outcome::Pending)
                continue;
            if (b == vendrix::wire::kAnswerStart)
                started_ = true;
            const auto outcome = parser_.Add(b);
            // An answer to some other command is a late one of an earlier
            // exchange: skip it and keep waiting for ours. Garbled framing is
            // line noise as long as our answer may still come.
            if (outcome == AnswerParser::Outcome::Complete && parser_.Result().code != code_) {
                sawForeign_ = true;
                continue;
            }
            if (outcome == AnswerParser::Outcome::Malformed) {
                sawMalformed_ = true;
                continue;
            }
            outcome_ = outcome;
        }
        if (frames.isEmpty())
            return;
        const TCommPortDriver::ReceiveHandler handler = previous_;
        if (handler)
            handler(port_, frames);
        // The owner may have set a new handler from inside its own: that is
        // the one to give back.
        if (!port_.OnReceiveData.target<Capture>()) {
            previous_ = port_.OnReceiveData;
            port_.OnReceiveData = Capture{this};
        }
    }

    TCommPortDriver& port_;
    TCommPortDriver::ReceiveHandler previous_;
    AnswerParser parser_;
    AnswerParser::Outcome outcome_ = AnswerParser::Outcome::Pending;
    int code_ = 0;
    bool started_ = false;
    bool sawForeign_ = false;
    bool sawMalformed_ = false;
};

}  // namespace

namespace vendrix {

QString ErrorText(int code)
{
    switch (code) {
    case ErrNoAnswer: return QStringLiteral("Прибор не отвечает.");
    case ErrChecksum: return QStringLiteral("Ошибка контрольной суммы в ответе прибора.");
    case ErrNotSupported: return QStringLiteral("Команда не поддерживается прибором.");
    case ErrPortClosed: return QStringLiteral("Порт не открыт.");
    case ErrAnswerTooLong: return QStringLiteral("Ответ прибора длиннее ожидаемого.");
    case ErrBadAnswer: return QStringLiteral("Неверный ответ прибора.");
    case ErrBadRequest: return QStringLiteral("Неверные параметры команды.");
    case ErrWriteFailed: return QStringLiteral("Ошибка передачи команды в порт.");
    case ErrBadData: return QStringLiteral("Прибор отклонил данные команды.");
    case ErrNotNow: return QStringLiteral("Прибор не может выполнить команду в текущем режиме.");
    case ErrAccessDenied: return QStringLiteral("Нет доступа к команде.");
    case ErrRefused: return QStringLiteral("Прибор отказался выполнить команду.");
    case ErrBusy: return QStringLiteral("Порт занят другой командой.");
    default: break;
    }
    if (code <= 0)
        return QString();
    return QStringLiteral("Неизвестная ошибка обмена с прибором (код %1).").arg(code);
}

}  // namespace vendrix

int Command(TCommPortDriver& port, int code, unsigned char* data, int capacity, int& dataLength)
{
    const int requestLength = vendrix::RequestLength(code, dataLength);
    dataLength = 0;
    if (code < 0 || code > 255 || requestLength < 0 || requestLength > vendrix::wire::kMaxData ||
        !FitsCapacity(std::size_t(requestLength), capacity) || (requestLength > 0 && data == nullptr))
        return vendrix::ErrBadRequest;
    if (!port.Connected())
        return vendrix::ErrPortClosed;
    if (BusyPorts().contains(&port))
        return vendrix::ErrBusy;

    const QByteArray request = vendrix::wire::EncodeRequest(code, data, requestLength);
    std::vector<std::uint8_t> answer;
    const int result = Exchange(port).Run(code, request, capacity, answer);
    if (result != vendrix::Ok)
        return result;
    if (!answer.empty())
        std::memcpy(data, answer.data(), answer.size());
    dataLength = int(answer.size());
    return vendrix::Ok;
}

void ShowError(int code)
{
    if (code <= 0)
        return;
    MessageDlg(vendrix::ErrorText(code), DlgType::Error, MsgButtons::OK);
}

void ReadSignature(TCommPortDriver& port, TPiroSignature& signature)
{
    static_assert(sizeof(TPiroSignature) == vendrix::kSignatureSize, "the signature is 20 bytes");
    unsigned char buffer[vendrix::kSignatureSize] = {};
    int length = 0;
    signature = TPiroSignature{};
    if (Command(port, vendrix::kSignatureCode, buffer, vendrix::kSignatureSize - 1, length) ==
            vendrix::Ok &&
        length == vendrix::kSignatureSize)
        std::memcpy(&signature, buffer, sizeof buffer);
}

int BytesToVal(unsigned char b1, unsigned char b2, int b3)
{
    const bool negative = (b1 & 0x80) != 0;
    int magnitude = 0;
    if (b3 < 0)
        magnitude = ((b1 & 0x7F) << 8) | b2;
    else
        magnitude = ((b1 & 0x7F) << 16) | (b2 << 8) | (b3 & 0xFF);
    return negative ? -magnitude : magnitude;
}

namespace {
long Whole(double value, long limit)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(limit))
        return limit;
    if (value <= -double(limit))
        return -limit;
    return std::lround(value);
}
}  // namespace

void ValTo2Bytes(unsigned char& b1, unsigned char& b2, double value)
{
    const long v = Whole(value, 0x7FFF);
    const unsigned long magnitude = static_cast<unsigned long>(v < 0 ? -v : v);
    b1 = static_cast<unsigned char>(((magnitude >> 8) & 0x7F) | (v < 0 ? 0x80 : 0));
    b2 = static_cast<unsigned char>(magnitude & 0xFF);
}

void ValTo3Bytes(unsigned char& b1, unsigned char& b2, unsigned char& b3, double value)
{
    const long v = Whole(value, 0x7FFFFF);
    const unsigned long magnitude = static_cast<unsigned long>(v < 0 ? -v : v);
    b1 = static_cast<unsigned char>(((magnitude >> 16) & 0x7F) | (v < 0 ? 0x80 : 0));
    b2 = static_cast<unsigned char>((magnitude >> 8) & 0xFF);
    b3 = static_cast<unsigned char>(magnitude & 0xFF);
}
