#include "platform/CommPortDriver.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSerialPort>

namespace {
TCommPortDriver::PortResolver& Resolver()
{
    static TCommPortDriver::PortResolver resolver;
    return resolver;
}
}  // namespace

TCommPortDriver::TCommPortDriver(QObject* parent) : QObject(parent) {}

TCommPortDriver::~TCommPortDriver()
{
    // The owner's handler may refer to objects that die with the owner;
    // closing must not call it any more.
    OnReceiveData = nullptr;
    Disconnect();
}

void TCommPortDriver::SetPortResolver(PortResolver resolver)
{
    Resolver() = std::move(resolver);
}

QString TCommPortDriver::ResolvePortName(const QString& portName)
{
    static const QRegularExpression windowsName(QStringLiteral("^\\\\\\\\\\.\\\\com[1-9][0-9]*$"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (Resolver() && windowsName.match(portName).hasMatch()) {
        const QString path = Resolver()(portName);
        if (!path.isEmpty())
            return path;
    }
    return portName;
}

void TCommPortDriver::SetBaudRate(qint32 baudRate)
{
    baudRate_ = baudRate;
    if (port_)
        port_->setBaudRate(baudRate);
}

bool TCommPortDriver::Connect()
{
    Disconnect();
    devicePath_ = ResolvePortName(portName_);
    lastError_.clear();
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(devicePath_);
    port->setReadBufferSize(inBufferSize_);
    if (!port->open(QIODevice::ReadWrite)) {
        lastError_ = port->errorString();
        return false;
    }
    // A line that takes none of the settings is no serial line at all.
    const bool configured = port->setBaudRate(baudRate_) && port->setDataBits(QSerialPort::Data8) &&
                            port->setParity(QSerialPort::NoParity) &&
                            port->setStopBits(QSerialPort::OneStop) &&
                            port->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        lastError_ = port->errorString();
        port->close();
        return false;
    }
    port->clearError();
    connect(port.get(), &QSerialPort::readyRead, this, &TCommPortDriver::ReadyRead);
    connect(port.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // The device went away (an adapter pulled, the far side of a
        // pseudo-terminal closed): reads fail at once and the notifier would
        // fire for ever, so the port closes.
        if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && port_) {
            lastError_ = port_->errorString();
            port_->close();
        }
    });
    port_ = std::move(port);
    return true;
}

void TCommPortDriver::Disconnect()
{
    if (!port_)
        return;
    // Deleted later: Disconnect may run inside the port's own signal.
    QSerialPort* port = port_.release();
    port->disconnect(this);
    port->close();
    port->deleteLater();
}

bool TCommPortDriver::Connected() const
{
    return port_ && port_->isOpen();
}

void TCommPortDriver::PurgeRX()
{
    if (Connected())
        port_->clear(QSerialPort::Input);
}

void TCommPortDriver::PurgeTX()
{
    if (Connected())
        port_->clear(QSerialPort::Output);
}

bool TCommPortDriver::SetRTS(bool on)
{
    if (!Connected())
        return false;
    const bool ok = port_->setRequestToSend(on);
    port_->clearError();
    return ok;
}

bool TCommPortDriver::SetDTR(bool on)
{
    if (!Connected())
        return false;
    const bool ok = port_->setDataTerminalReady(on);
    port_->clearError();
    return ok;
}

void TCommPortDriver::SetInBufferSize(qint64 size)
{
    inBufferSize_ = size < 0 ? 0 : size;
    if (port_)
        port_->setReadBufferSize(inBufferSize_);
}

bool TCommPortDriver::WriteAll(const QByteArray& bytes, int timeoutMs)
{
    if (!Connected())
        return false;
    if (port_->write(bytes) != bytes.size())
        return false;
    QDeadlineTimer deadline(timeoutMs);
    while (port_ && port_->bytesToWrite() > 0) {
        if (deadline.hasExpired() || !port_->waitForBytesWritten(int(deadline.remainingTime())))
            return port_ && port_->bytesToWrite() == 0;
    }
    return port_ != nullptr;
}

qint64 TCommPortDriver::DeliverPending()
{
    if (!Connected())
        return 0;
    const qint64 before = delivered_;
    // Bytes still in the system's buffer count as received too: Qt takes
    // them in only when asked or from the event loop. Its readyRead lands in
    // ReadyRead and is delivered there.
    if (!pulling_) {
        pulling_ = true;
        port_->waitForReadyRead(0);
        pulling_ = false;
    }
    DeliverBuffered();
    return delivered_ - before;
}

void TCommPortDriver::DeliverBuffered()
{
    if (!Connected() || port_->bytesAvailable() == 0)
        return;
    const QByteArray bytes = port_->readAll();
    delivered_ += bytes.size();
    // A copy: the handler may replace or clear itself while it runs.
    const ReceiveHandler handler = OnReceiveData;
    if (handler && !bytes.isEmpty())
        handler(*this, bytes);
}

bool TCommPortDriver::WaitForData(int timeoutMs)
{
    if (!Connected())
        return false;
    if (DeliverPending() > 0)
        return true;
    if (!port_->waitForReadyRead(timeoutMs < 0 ? 0 : timeoutMs))
        return false;
    // Inside an outer readyRead Qt emits no second one: deliver here as well.
    DeliverBuffered();
    return true;
}

void TCommPortDriver::ReadyRead()
{
    DeliverBuffered();
}
