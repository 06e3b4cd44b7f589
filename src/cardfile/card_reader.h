#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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
    bool outOfRange = false; // digits, but too many for a number

    // "значення «x» не є числом" or "число «x» виходить за допустимі межі", with the
    // value cut to `maxShown` characters.
    QString describe(int maxShown) const;
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
    // Called in file order; unknown codes are ignored. A round with both a
    // multi-line value and a current line is handed over in two calls, the value
    // first, so that a bad number is charged to the line that holds it.
    virtual void dispatch(const ReadLine &line) = 0;
};

struct ReadResult
{
    enum class Status { Ok, IoError, ConversionError };
    Status status = Status::Ok;
    QString message; // Ukrainian; empty when Ok
    int lineNumber = 0;
    QString warning; // Ukrainian; the file was read but is probably not what it should be
    bool ok() const { return status == Status::Ok; }
};

// The physical lines of a card file's text: CR LF, a bare LF and a bare CR each end a
// line. The empty line that ends a card file is the last line kept only when
// something follows it.
QStringList cardTextLines(const QString &text);
QList<QByteArray> cardByteLines(const QByteArray &bytes);

// Runs the read loop over the bytes of a card file. `name` is used in messages.
ReadResult readCardBytes(const QByteArray &bytes, CardInterpreter &interpreter, const QString &name);

// Why `path` cannot be read as a card file, before anything is opened: missing, a
// folder, or a pipe or device (which could block the reading forever); empty for an
// ordinary file.
QString unreadableReason(const QString &path);
// "Не вдалося прочитати файл «path»: reason."
QString readFailureMessage(const QString &path, const QString &reason);
// The whole file; false with `message` (Ukrainian, naming the file and the reason)
// when it cannot be read.
bool readCardFileBytes(const QString &path, QByteArray *bytes, QString *message);

// Text that decodes as UTF-8 with non-ASCII characters: a card saved in the wrong
// encoding, whose Cyrillic reads garbled.
bool looksLikeUtf8(const QByteArray &bytes);
// The warning an editor shows once when it opens such a file.
QString utf8Warning(const QString &path);

// Reads the file at `path`; a file that cannot be read gives Status::IoError.
ReadResult readCardFile(const QString &path, CardInterpreter &interpreter);
