#pragma once
// The text of archive files: a header (title, line count, then name and
// unit of each line, one per text line) followed by one record per point.
// Windows-1251, CR LF line ends, "." as decimal separator.
//
// Records come in two forms that the reader accepts alike:
// - recording form: channel, time and value right-aligned in fields of 5,
//   16 (12 decimals) and 10 (5 decimals) characters; a number that fills
//   or overflows its field gets one blank in front of it, so the numbers
//   stay apart;
// - save form: channel, three blanks, time, three blanks, value, both in
//   23-character scientific notation.
#include "archive/ArhTypes.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <vector>

// A blank or "-", one digit, ".", 14 digits, "E", the exponent's sign and
// four exponent digits: 1234.5 gives " 1.23450000000000E+0003".
QString ScientificText(double value);

// Each appends one text line with its CR LF.
void AppendHead(QByteArray& out, const TGraphMode& mode);
void AppendRecordLine(QByteArray& out, const TArhLine& point);
void AppendSavedLine(QByteArray& out, const TArhLine& point);

// Reads archive text from a device open for reading, in chunks.
// Numbers are tokens ended by a blank, a tab, a line break or the end of
// the file; a number asked for at the very end of the file reads as 0.
// A read failure raises EInOutError with the device's message; a token
// that is not a number as a whole raises EConvertError.
class TArhTextReader {
public:
    explicit TArhTextReader(QIODevice& device);

    bool Eof();
    // The rest of the current text line, without its line end.
    QString ReadLine();
    void SkipLine();
    int ReadInteger();
    double ReadReal();

    void ReadHead(TGraphMode& mode);
    // Reads records until the end of the file; each record is an integer
    // channel (only its low 8 bits kept) and two reals, and the rest of its
    // text line is skipped.
    void ReadPoints(std::vector<TArhLine>& points);

private:
    int Peek();   // -1 at the end of the file
    bool Fill();
    void SkipBlanks();
    // Empty at the end of the file.
    QString ReadToken(int maxLength);

    QIODevice& device_;
    QByteArray chunk_;
    qsizetype pos_ = 0;
    bool atEnd_ = false;
};
