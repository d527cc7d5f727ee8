#pragma once
// The serial port object that the program, Vendrix and the plug-ins share.
// The port keeps its Windows name ("\\.\Com1" to "\\.\Com4"); the name turns
// into a device path only when the port opens, through the resolver the
// application installs (section Ports of ProgSet.ini, --port).
//
// Threading: everything runs on the window thread. Received bytes reach
// OnReceiveData from Qt's readyRead, never by polling; the blocking helpers
// below deliver bytes through the same handler while they wait, so a
// blocking exchange sees exactly the bytes the handler would have seen.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QSerialPort;

class TCommPortDriver : public QObject {
    Q_OBJECT
public:
    using ReceiveHandler = std::function<void(TCommPortDriver& sender, const QByteArray& data)>;
    using PortResolver = std::function<QString(const QString& portName)>;

    explicit TCommPortDriver(QObject* parent = nullptr);
    ~TCommPortDriver() override;

    // Installs the mapping from port names to device paths; an empty
    // function removes it. Without a resolver, and for names that are not
    // "\\.\ComN", the name is the device path itself.
    static void SetPortResolver(PortResolver resolver);
    static QString ResolvePortName(const QString& portName);

    QString PortName() const { return portName_; }
    // Takes effect at the next Connect.
    void SetPortName(const QString& portName) { portName_ = portName; }
    qint32 BaudRate() const { return baudRate_; }
    void SetBaudRate(qint32 baudRate);

    // Opens the resolved device with exclusive access, 8N1, no flow control.
    // False when the device is missing, busy or not a serial line; the port
    // stays closed then. RTS/DTR that the device refuses do not fail it.
    bool Connect();
    void Disconnect();
    bool Connected() const;
    // The device path of the open port (or of the last attempt).
    QString DevicePath() const { return devicePath_; }
    // Why the last Connect failed, in the platform's words.
    QString LastError() const { return lastError_; }

    void PurgeRX();
    void PurgeTX();
    // False when the line refuses the switch (a pseudo-terminal does).
    bool SetRTS(bool on);
    bool SetDTR(bool on);
    // The receive buffer size; 0 means unlimited.
    void SetInBufferSize(qint64 size);
    qint64 InBufferSize() const { return inBufferSize_; }

    // Called with every chunk of received bytes, on the window thread. The
    // owner sets and clears it at any time, also from inside the handler.
    ReceiveHandler OnReceiveData;

    // Blocking helpers for command exchanges. WriteAll returns false when the
    // port is closed or the bytes did not leave within the time-out.
    bool WriteAll(const QByteArray& bytes, int timeoutMs);
    // Hands every byte already received (also those still in the system's
    // buffer) to OnReceiveData; returns how many.
    qint64 DeliverPending();
    // Waits up to timeoutMs for new bytes and hands them to OnReceiveData;
    // false when nothing arrived in that time or the port is closed.
    bool WaitForData(int timeoutMs);

private:
    void ReadyRead();
    void DeliverBuffered();

    std::unique_ptr<QSerialPort> port_;
    QString portName_ = QStringLiteral("\\\\.\\Com1");
    QString devicePath_;
    QString lastError_;
    qint32 baudRate_ = 19200;
    qint64 inBufferSize_ = 0;
    qint64 delivered_ = 0;   // bytes handed to OnReceiveData so far
    bool pulling_ = false;
};
