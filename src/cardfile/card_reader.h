#pragma once

#include <QByteArray>
#include <QString>

// One round of the read loop, handed to a card's line interpreter: the current line
// under the current code, and the multi-line value (its physical lines joined by
// single blanks) under the multi-line code. Either code may be empty.
struct ReadLine
{
    QString code;
    QString line;
    int lineNumber = 0;
    QString mlCode;
    QString mlValue;
    int mlLineNumber = 0;
};

// Thrown by cardNumber() when a value that must be a number is not one; the reader
// turns it into a message naming the line.
struct CardNumberError
{
    QString text;
};

// The whole number in `text` (blanks around it allowed); throws CardNumberError.
int cardNumber(const QString &text);

class CardInterpreter
{
public:
    virtual ~CardInterpreter() = default;
    virtual bool isMultiLineCode(const QString &code) const = 0;
    // Codes whose lines count even with an empty item 2 (they empty their field).
    virtual bool keepsEmptyValue(const QString &code) const = 0;
    // Called once per round, in file order; unknown codes are ignored.
    virtual void dispatch(const ReadLine &line) = 0;
};

struct ReadResult
{
    enum class Status { Ok, IoError, ConversionError };
    Status status = Status::Ok;
    QString message; // Ukrainian; empty when Ok
    int lineNumber = 0;
    bool ok() const { return status == Status::Ok; }
};

// Runs the read loop over the bytes of a card file. `name` is used in messages.
ReadResult readCardBytes(const QByteArray &bytes, CardInterpreter &interpreter, const QString &name);

// Reads the file at `path`; a file that cannot be read gives Status::IoError.
ReadResult readCardFile(const QString &path, CardInterpreter &interpreter);
