#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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

// A line the reader left out, or took only in part: what it held is not in the card
// and a save over the file would lose it.
struct ReadNote
{
    int lineNumber = 0;
    QString code; // the line's field code; empty for a line without one
    QString text; // Ukrainian: what was left out and why
};

// Text holding a letter or a digit: an empty mask ("  .  .  ") or blanks hold nothing.
bool holdsData(const QString &text);

// What a read leaves out, line by line. The read loop names the line it hands over;
// the card's interpreter notes what it does not take, and what it puts where, so that
// a value a later line replaces is noted on the line that brought it.
class ReadReport
{
public:
    void setLine(int lineNumber, const QString &code);
    int lineNumber() const { return m_line; }

    // The current line is not read, or only in part, because of `why`.
    void drop(const QString &why);
    void dropLine(int lineNumber, const QString &code, const QString &why);
    // A line whose code the card does not read.
    void unknownCode();
    // A record number outside 1..max: "номер запису «n» у рядку code має бути від 1 до max".
    void numberOutOfRange(const QString &number, int max);
    // Items after item `last` that hold data: a "\" inside a value cut it there.
    void dropItemsAfter(const QString &line, int last);
    // A line code\sub\text of a two-language text: sub 1 keeps the Ukrainian text, 2 or
    // 3 the English one; another sub is noted as not read. Throws CardNumberError for a
    // sub that is no number.
    void bilingual(const QString &line);

    // `value` from the current line now stands in `slot` (a field, a text, a record).
    // What an earlier line put there, when it differs, is noted on that line.
    void keep(const QString &slot, const QString &value);
    // The line whose value stands in `slot`; 0 when none did.
    int keptLine(const QString &slot) const;
    // A line the loop skips for its empty item 2 while later items hold data: noted
    // after the interpreter's finish() unless it settles it.
    void skipLine(int lineNumber, const QString &line);
    // Skipped lines whose later items the card holds all the same (in the fields
    // `fieldTexts` gives for the line's code, item 2 first) lose nothing.
    void settleSkipped(const std::function<QStringList(const QString &code)> &fieldTexts);
    void noteSkippedLines();

    // Records of `code` kept in slots after `saved` up to `capacity`: a save writes a
    // list from slot 1 up to its first empty slot, so these would be lost.
    void dropRecordsAfter(const QString &code, int saved, int capacity);
    static QString recordSlot(const QString &code, int n);

    // In line order; past the first many, a file is summed up in a last note of line 0.
    QList<ReadNote> notes() const;

private:
    struct Kept
    {
        int line = 0;
        QString code;
        QString value;
    };
    int m_line = 0;
    QString m_code;
    QList<ReadNote> m_notes;
    QSet<QString> m_noted; // line and text of each note, so that none comes twice
    qsizetype m_untold = 0; // notes beyond those kept
    QHash<QString, Kept> m_kept;
    QList<std::pair<int, QString>> m_skipped;
};

class CardInterpreter
{
public:
    virtual ~CardInterpreter() = default;
    virtual bool isMultiLineCode(const QString &code) const = 0;
    // Codes whose lines count even with an empty item 2 (they empty their field).
    virtual bool keepsEmptyValue(const QString &code) const = 0;
    // Called in file order; unknown codes are ignored (and noted). A round with both a
    // multi-line value and a current line is handed over in two calls, the value
    // first, so that a bad number is charged to the line that holds it.
    virtual void dispatch(const ReadLine &line) = 0;
    // After the last line read: what only the whole file shows (a list with a gap).
    virtual void finish() {}

    ReadReport &report() { return m_report; }

private:
    ReadReport m_report;
};

struct ReadResult
{
    enum class Status { Ok, IoError, ConversionError };
    Status status = Status::Ok;
    QString message; // Ukrainian; empty when Ok
    int lineNumber = 0;
    QString warning; // Ukrainian; the file was read but is probably not what it should be
    // Why the bytes are no card file at all (nothing was read); empty for a card file.
    QString notACard;
    QList<ReadNote> notes; // lines left out, in line order
    bool ok() const { return status == Status::Ok; }
};

// The physical lines of a card file's text: CR LF, a bare LF and a bare CR each end a
// line. The empty line that ends a card file is the last line kept only when
// something follows it.
QStringList cardTextLines(const QString &text);
QList<QByteArray> cardByteLines(const QByteArray &bytes);

// Why `bytes` cannot be a card file: empty, NUL bytes (binary data or UTF-16 text), or
// not one card line; empty when they may be one.
QString notACardReason(const QByteArray &bytes);
// "Це не схоже на файл картки: «name» ...", naming the file and `reason`.
QString notACardMessage(const QString &name, const QString &reason);
// The warning an open shows for lines left out: how many, which, and where to see why.
QString notesWarning(const QString &name, const QList<ReadNote> &notes);

// What a read does at a value that must be a number and is not: stop there, as an open
// does, or note it and go on, as a check does to find every problem in one go.
enum class NumberErrors { Stop, Note };

// Runs the read loop over the bytes of a card file. `name` is used in messages. Bytes
// that are no card file are not read (ReadResult::notACard).
ReadResult readCardBytes(const QByteArray &bytes, CardInterpreter &interpreter, const QString &name,
                         NumberErrors numberErrors = NumberErrors::Stop);

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
