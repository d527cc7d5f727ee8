#include "archive/ArhFile.h"

#include "archive/ArhFormat.h"
#include "platform/Exceptions.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// A recording reaches the disk at least this often (one second in days):
// a crash or a power cut then costs at most the last second of it.
constexpr TDateTime kFlushInterval = 1.0 / 86400.0;
// Between flushes the buffer is handed to the system whenever it grows
// past this size, so neither memory nor the write sizes grow with the rate.
constexpr qsizetype kBufferLimit = 64 * 1024;

QString SystemMessage(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

TArhFile::TArhFile() = default;

TArhFile::~TArhFile()
{
    // A destructor cannot report a failure; the owner closes the recording
    // itself where a failure matters.
    try {
        Close();
    } catch (const Exception&) {
    }
}

bool TArhFile::Open(const QString& fileName)
{
    Close();
    const QString folder = QFileInfo(fileName).path();
    if (!QDir(folder).exists() && !QDir().mkdir(folder))
        return false;
    OpenForWriting(fileName);
    opened_ = true;
    lastFlush_ = Now();
    return true;
}

void TArhFile::WriteHead(const TGraphMode& mode)
{
    if (!opened_)
        throw EInOutError(SystemMessage(EBADF));
    AppendHead(buffer_, mode);
}

void TArhFile::AddLine(const TArhLine& point)
{
    if (!opened_)
        throw EInOutError(SystemMessage(EBADF));
    AppendRecordLine(buffer_, point);
    const TDateTime now = Now();
    // A clock set back must not hold the buffer until it catches up again.
    if (now - lastFlush_ >= kFlushInterval || now < lastFlush_)
        WriteOut(true);
    else if (buffer_.size() >= kBufferLimit)
        WriteOut(false);
}

void TArhFile::Close()
{
    if (!opened_)
        return;
    opened_ = false;
    try {
        WriteOut(true);
    } catch (const Exception&) {
        file_.close();
        throw;
    }
    CloseHandle();
}

void TArhFile::ReadHead(TGraphMode& mode)
{
    if (!reader_)
        throw EInOutError(SystemMessage(EBADF));
    reader_->ReadHead(mode);
}

void TArhFile::ReadFile(const QString& fileName, TArh& arh)
{
    Close();
    file_.setFileName(fileName);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw EInOutError(file_.errorString());
    reader_ = std::make_unique<TArhTextReader>(file_);
    TArh read;
    try {
        ReadHead(read.GMode);
        reader_->ReadPoints(read.Points);
    } catch (const Exception&) {
        reader_.reset();
        file_.close();
        throw;
    }
    reader_.reset();
    file_.close();
    arh = std::move(read);
}

void TArhFile::SaveFile(const QString& fileName, const TArh& arh)
{
    Close();
    if (QFileInfo::exists(fileName)
        && MessageDlg(QStringLiteral("Такой файл уже существует!\n\rПерезаписать?"), DlgType::Confirmation,
                      MsgButtons::YesNo) != MsgResult::Yes)
        return;
    OpenForWriting(fileName);
    try {
        AppendHead(buffer_, arh.GMode);
        for (const TArhLine& point : arh.Points) {
            AppendSavedLine(buffer_, point);
            if (buffer_.size() >= kBufferLimit)
                WriteOut(false);
        }
        WriteOut(true);
    } catch (const Exception&) {
        buffer_.clear();
        file_.close();
        throw;
    }
    CloseHandle();
}

void TArhFile::OpenForWriting(const QString& fileName)
{
    buffer_.clear();
    file_.setFileName(fileName);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw EInOutError(file_.errorString());
}

void TArhFile::WriteOut(bool toDisk)
{
    if (!buffer_.isEmpty()) {
        const bool written = file_.write(buffer_) == buffer_.size();
        // What could not be written is lost either way; keeping it would
        // only let the buffer grow while the disk stays full.
        buffer_.clear();
        if (!written)
            throw EInOutError(file_.errorString());
    }
    if (toDisk) {
        lastFlush_ = Now();
        // Files that cannot be synchronised (devices, some file systems)
        // have nothing more to write out.
        if (::fdatasync(file_.handle()) != 0) {
            const int error = errno;
            if (error != EINVAL && error != EROFS)
                throw EInOutError(SystemMessage(error));
        }
    }
}

void TArhFile::CloseHandle()
{
    file_.close();
    if (file_.error() != QFileDevice::NoError)
        throw EInOutError(file_.errorString());
}
