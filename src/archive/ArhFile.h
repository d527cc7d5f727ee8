#pragma once
// The archive file object: records a measurement into a .prv file, saves
// the graph's points into one and reads one back. One file handle serves
// all three uses, so reading and saving first end a recording in progress.
//
// Every input or output failure raises EInOutError with the platform's
// message; a token that is not a number raises EConvertError
// "Invalid numeric input".
#include "archive/ArhTypes.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

class TArhTextReader;

class TArhFile {
public:
    TArhFile();
    ~TArhFile();
    TArhFile(const TArhFile&) = delete;
    TArhFile& operator=(const TArhFile&) = delete;

    // A recording file is open for writing.
    bool Opened() const { return opened_; }

    // Starts a recording: creates the file's folder when it is missing (one
    // level only) and creates or truncates the file. False when the folder
    // could not be created; a file that cannot be created raises. A
    // recording still open is closed first.
    bool Open(const QString& fileName);
    // Writes the header to the recording.
    void WriteHead(const TGraphMode& mode);
    // Appends one record. Records collect in memory and reach the disk
    // about once a second (checked against the clock of platform/DateTime.h),
    // so a crash or a power cut loses at most the last second. A write
    // failure (a full disk) raises here.
    void AddLine(const TArhLine& point);
    // Ends the recording, writing out what is still buffered. Does nothing
    // when no recording is open.
    void Close();

    // Reads the header of the file that ReadFile has open for reading.
    void ReadHead(TGraphMode& mode);
    // Reads a whole file. `arh` is replaced only when the whole file was read.
    void ReadFile(const QString& fileName, TArh& arh);
    // Writes a whole file, asking first when it would overwrite one; the
    // answer No leaves the existing file as it was.
    void SaveFile(const QString& fileName, const TArh& arh);

private:
    void OpenForWriting(const QString& fileName);
    void WriteOut(bool toDisk);
    void CloseHandle();

    QFile file_;
    QByteArray buffer_;
    TDateTime lastFlush_ = 0;
    bool opened_ = false;
    std::unique_ptr<TArhTextReader> reader_;
};
