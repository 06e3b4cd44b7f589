#include "cardfile/card_reader.h"

#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"
#include "cardfile/io_reason.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace {

QString shortened(const QString &text, int max)
{
    return text.size() <= max ? text : text.left(max) + u"…"_s;
}

// An optional sign and digits only.
bool isWholeNumber(const QString &text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

int codeUnit(QChar c)
{
    return c.unicode();
}

int codeUnit(char c)
{
    return static_cast<unsigned char>(c);
}

template<class Text>
QList<Text> splitLines(const Text &text)
{
    QList<Text> lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const int c = codeUnit(text.at(i));
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < n && codeUnit(text.at(i + 1)) == '\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

bool isCardLine(const QString &trimmed)
{
    return trimmed.indexOf(QLatin1Char('\\')) == 4;
}

// "1 рядок", "3 рядки", "5 рядків".
QString linesCount(qsizetype n)
{
    const qsizetype tens = n % 100;
    const qsizetype last = n % 10;
    const char16_t *word = u"рядків";
    if (tens < 11 || tens > 14) {
        if (last == 1)
            word = u"рядок";
        else if (last >= 2 && last <= 4)
            word = u"рядки";
    }
    return u"%1 %2"_s.arg(n).arg(QString::fromUtf16(word));
}

// A line the loop does not hand over: without a code, or with an empty item 2 (then
// what stands after it is lost with it).
void noteSkipped(ReadReport &report, const QString &line, int lineNumber)
{
    if (line.isEmpty())
        return;
    if (!line.contains(QLatin1Char('\\'))) {
        report.dropLine(lineNumber, {},
                        u"рядок без коду поля не прочитано: «%1»"_s.arg(shortened(line, 60)));
        return;
    }
    report.skipLine(lineNumber, line);
}

// Everything after item 2.
QString restAfterValue(const QString &line)
{
    const qsizetype first = line.indexOf(QLatin1Char('\\'));
    const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char('\\'), first + 1);
    return second < 0 ? QString() : line.mid(second + 1);
}

QStringList physicalLines(const QByteArray &bytes)
{
    QStringList lines = cardTextLines(cp1251::decode(bytes));
    // The empty line that ends every card file (and any blank lines after the last
    // card line) belongs to no value.
    while (!lines.isEmpty() && trimLine(lines.constLast()).isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QString CardNumberError::describe(int maxShown) const
{
    return outOfRange ? u"число «%1» виходить за допустимі межі"_s.arg(shortened(text, maxShown))
                      : u"значення «%1» не є числом"_s.arg(shortened(text, maxShown));
}

int cardNumber(const QString &text)
{
    const QString trimmed = trimLine(text);
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok)
        throw CardNumberError{text, isWholeNumber(trimmed)};
    return value;
}

QStringList cardTextLines(const QString &text)
{
    return splitLines(text);
}

QList<QByteArray> cardByteLines(const QByteArray &bytes)
{
    return splitLines(bytes);
}

ReadResult readCardBytes(const QByteArray &bytes, CardInterpreter &interpreter, const QString &name,
                         NumberErrors numberErrors)
{
    ReadResult result;
    QStringList warnings;
    if (looksLikeUtf8(bytes))
        warnings << utf8Warning(name);
    if (const QString reason = notACardReason(bytes); !reason.isEmpty()) {
        // Read, such bytes would leave a blank card, or one of stray values: nothing is read.
        result.notACard = reason;
        result.warning = notACardMessage(name, reason);
        return result;
    }

    ReadReport &report = interpreter.report();
    const QStringList lines = physicalLines(bytes);
    const qsizetype count = lines.size();
    qsizetype next = 0;

    QString curLine;
    QString curCode;
    int curLineNo = 0;
    // The current line was read ahead while a multi-line value was gathered and is
    // itself the start of a multi-line value: the next round gathers it without
    // reading, also when it was the file's last line.
    bool pendingMultiLine = false;

    // Hands one line over; false when a bad number ends the reading.
    const auto handOver = [&](const ReadLine &r, int lineNo, const QString &code, const QString &text) {
        report.setLine(lineNo, code);
        try {
            interpreter.dispatch(r);
            return true;
        } catch (const CardNumberError &e) {
            if (result.status == ReadResult::Status::Ok) {
                result.status = ReadResult::Status::ConversionError;
                result.lineNumber = lineNo;
                result.message = u"Читання файлу «%1» зупинено: у рядку %2 «%3» %4.\n"
                                                "Прочитані до цього рядка дані залишено в картці."_s
                                     .arg(name)
                                     .arg(lineNo)
                                     .arg(shortened(text, 120), e.describe(120));
            }
            if (numberErrors == NumberErrors::Stop)
                return false;
            report.drop((e.outOfRange ? e.describe(60)
                                      : u"значення «%1» має бути числом"_s.arg(shortened(e.text, 60)))
                        + u": рядок не прочитано"_s);
            return true;
        }
    };

    while (next < count || pendingMultiLine) {
        ReadLine value;
        if (!pendingMultiLine) {
            curLine = trimLine(lines.at(next));
            curLineNo = int(++next);
            curCode = lineCode(curLine);
        }
        pendingMultiLine = false;

        if (interpreter.isMultiLineCode(curCode)) {
            value.mlCode = curCode;
            value.mlValue = curLine;
            value.mlLineNumber = curLineNo;
            bool ended = false;
            while (next < count) {
                const QString line = trimLine(lines.at(next));
                ++next;
                if (isCardLine(line)) {
                    curLine = line;
                    curCode = item(line, 1);
                    curLineNo = int(next);
                    ended = true;
                    break;
                }
                value.mlValue += QLatin1Char(' ') + line;
            }
            if (!ended) {
                curLine.clear();
                curCode.clear();
                curLineNo = 0;
            }
        }

        if (item(curLine, 2).isEmpty() && !interpreter.keepsEmptyValue(curCode)) {
            noteSkipped(report, curLine, curLineNo);
            curCode.clear();
        }
        pendingMultiLine = !value.mlCode.isEmpty() && interpreter.isMultiLineCode(curCode);

        ReadLine current;
        current.code = curCode;
        current.line = curLine;
        current.lineNumber = curLineNo;
        // The value stands in the file before the line that ended it.
        if (!value.mlCode.isEmpty() && !handOver(value, value.mlLineNumber, value.mlCode, value.mlValue))
            break;
        if (!current.code.isEmpty() && !handOver(current, current.lineNumber, current.code, current.line))
            break;
    }

    report.setLine(0, {});
    interpreter.finish();
    report.noteSkippedLines();
    result.notes = report.notes();
    if (!result.notes.isEmpty()) {
        // One message for the clerk: with the stop when reading stopped, else with the warnings.
        if (result.status == ReadResult::Status::ConversionError && numberErrors == NumberErrors::Stop)
            result.message += QLatin1Char('\n') + notesWarning(name, result.notes);
        else
            warnings << notesWarning(name, result.notes);
    }
    result.warning = warnings.join(u"\n\n"_s);
    return result;
}

QString unreadableReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        // A link that leads nowhere, or back to itself.
        if (info.isSymLink())
            return u"це посилання, що не веде до жодного файлу (або веде саме на себе)"_s;
        return ioReason(ENOENT);
    }
    if (info.isDir())
        return ioReason(EISDIR);
    if (!info.isFile())
        return u"це не звичайний файл, а канал, пристрій або сокет"_s;
    return {};
}

QString readFailureMessage(const QString &path, const QString &reason)
{
    return u"Не вдалося прочитати файл «%1»: %2."_s.arg(path, reason);
}

bool readCardFileBytes(const QString &path, QByteArray *bytes, QString *message)
{
    if (const QString reason = unreadableReason(path); !reason.isEmpty()) {
        *message = readFailureMessage(path, reason);
        return false;
    }
    QFile file(path);
    clearSystemError();
    if (!file.open(QIODevice::ReadOnly)) {
        *message = readFailureMessage(path, ioReason(lastSystemError()));
        return false;
    }
    clearSystemError();
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *message = readFailureMessage(path, ioReason(lastSystemError()));
        return false;
    }
    return true;
}

bool looksLikeUtf8(const QByteArray &bytes)
{
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return codeUnit(c) < 0x80; });
    if (ascii)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString utf8Warning(const QString &path)
{
    return u"Файл «%1», мабуть, записано в кодуванні UTF-8, а не Windows-1251: українські літери "
                          "в картці буде показано неправильно. Запишіть файл у кодуванні Windows-1251 і "
                          "відкрийте його знову."_s
        .arg(path);
}

ReadResult readCardFile(const QString &path, CardInterpreter &interpreter)
{
    QByteArray bytes;
    ReadResult failure;
    if (!readCardFileBytes(path, &bytes, &failure.message)) {
        failure.status = ReadResult::Status::IoError;
        return failure;
    }
    return readCardBytes(bytes, interpreter, path);
}

bool holdsData(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

QString notACardReason(const QByteArray &bytes)
{
    const bool blank = std::all_of(bytes.cbegin(), bytes.cend(),
                                   [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    if (blank)
        return u"файл порожній"_s;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return u"це текст у кодуванні UTF-16, а картка - текст у кодуванні Windows-1251"_s;
    // Text never holds control bytes but the line ends and tabs; a stray one or two may
    // slip into a card, more make binary data or UTF-16 text.
    const auto controls = std::count_if(bytes.cbegin(), bytes.cend(), [](char c) {
        const int u = codeUnit(c);
        return (u < 0x20 && u != '\t' && u != '\r' && u != '\n') || u == 0x7F;
    });
    if (controls > 2 && controls * 100 > bytes.size())
        return u"у ньому двійкові дані (або текст у кодуванні UTF-16), а не текст"_s;
    const QList<QByteArray> lines = cardByteLines(bytes);
    const bool anyCardLine = std::any_of(lines.cbegin(), lines.cend(), [](const QByteArray &line) {
        return isCardLine(trimLine(QString::fromLatin1(line.left(8))));
    });
    if (!anyCardLine)
        return u"у ньому немає жодного рядка картки (код поля, «\\», значення)"_s;
    return {};
}

QString notACardMessage(const QString &name, const QString &reason)
{
    return u"«%1»: це не схоже на файл картки - %2."_s.arg(name, reason);
}

QString notesWarning(const QString &name, const QList<ReadNote> &notes)
{
    QList<int> numbers;
    for (const ReadNote &note : notes) {
        if (note.lineNumber > 0 && (numbers.isEmpty() || numbers.constLast() != note.lineNumber))
            numbers << note.lineNumber;
    }
    QStringList shown;
    for (qsizetype i = 0; i < numbers.size() && i < 10; ++i)
        shown << QString::number(numbers.at(i));
    if (numbers.size() > 10)
        shown << u"…"_s;
    // A note of line 0 sums up the notes past those kept.
    const bool more = std::any_of(notes.cbegin(), notes.cend(), [](const ReadNote &note) { return note.lineNumber == 0; });
    return u"У файлі «%1» не прочитано %2 (%3): цих даних немає в картці, і запис поверх файлу "
                          "їх знищить. Що саме і чому, покаже «zorvat-card check»."_s
        .arg(name, (more ? u"понад "_s : QString()) + linesCount(numbers.size()),
             shown.join(u", "_s));
}

void ReadReport::setLine(int lineNumber, const QString &code)
{
    m_line = lineNumber;
    m_code = code;
}

void ReadReport::drop(const QString &why)
{
    dropLine(m_line, m_code, why);
}

void ReadReport::dropLine(int lineNumber, const QString &code, const QString &why)
{
    // A file of nothing but foreign lines would otherwise keep a note for each of them.
    constexpr qsizetype kMostNotes = 10000;
    const QString key = QString::number(lineNumber) + QLatin1Char('\t') + why;
    if (m_noted.contains(key))
        return;
    if (m_notes.size() >= kMostNotes) {
        ++m_untold;
        return;
    }
    m_noted.insert(key);
    m_notes.append({lineNumber, code, why});
}

void ReadReport::unknownCode()
{
    drop(u"код «%1» не належить цій картці: рядок не прочитано"_s.arg(m_code));
}

void ReadReport::numberOutOfRange(const QString &number, int max)
{
    drop(u"номер запису «%1» у рядку %2 має бути від 1 до %3: рядок не прочитано"_s
             .arg(trimLine(number), m_code)
             .arg(max));
}

void ReadReport::dropItemsAfter(const QString &line, int last)
{
    qsizetype at = -1;
    for (int i = 0; i < last; ++i) {
        at = line.indexOf(QLatin1Char('\\'), at + 1);
        if (at < 0)
            return;
    }
    const QString rest = line.mid(at + 1);
    if (holdsData(rest))
        drop(u"зайве «%1» не прочитано (мабуть, «\\» стоїть усередині значення)"_s.arg(shortened(rest, 60)));
}

void ReadReport::bilingual(const QString &line)
{
    const int sub = cardNumber(item(line, 2));
    if (sub == 1 || sub == 2 || sub == 3)
        keep(lineCode(line) + (sub == 1 ? u":uk"_s : u":en"_s), item(line, 3));
    else
        drop(u"мовний код «%1» має бути 1 (українською) або 3 (англійською): рядок не прочитано"_s.arg(sub));
    dropItemsAfter(line, 3);
}

void ReadReport::keep(const QString &slot, const QString &value)
{
    const auto it = m_kept.constFind(slot);
    if (it != m_kept.cend() && it->line != m_line && holdsData(it->value) && trimLine(it->value) != trimLine(value)) {
        // One note per line replaced and line replacing it, however many values go.
        const QString mark = u"замінено рядком %1"_s.arg(m_line);
        const QString key = QString::number(it->line) + QLatin1Char('\t') + mark;
        if (!m_noted.contains(key)) {
            m_noted.insert(key);
            dropLine(it->line, it->code, u"значення «%1» "_s.arg(shortened(trimLine(it->value), 60)) + mark);
        }
    }
    m_kept.insert(slot, {m_line, m_code, value});
}

int ReadReport::keptLine(const QString &slot) const
{
    return m_kept.value(slot).line;
}

void ReadReport::skipLine(int lineNumber, const QString &line)
{
    if (holdsData(restAfterValue(line)))
        m_skipped.append({lineNumber, line});
}

void ReadReport::settleSkipped(const std::function<QStringList(const QString &code)> &fieldTexts)
{
    m_skipped.removeIf([&](const std::pair<int, QString> &skipped) {
        const QString &line = skipped.second;
        const QStringList texts = fieldTexts(lineCode(line));
        for (int i = 3; !item(line, i).isNull(); ++i) {
            const QString value = item(line, i);
            if (holdsData(value) && (i - 2 >= texts.size() || trimLine(texts.at(i - 2)) != trimLine(value)))
                return false;
        }
        return true;
    });
}

void ReadReport::noteSkippedLines()
{
    for (const auto &[lineNumber, line] : std::as_const(m_skipped))
        dropLine(lineNumber, lineCode(line),
                 u"перше значення порожнє, тому рядок не прочитано, а з ним і «%1»"_s
                     .arg(shortened(restAfterValue(line), 60)));
    m_skipped.clear();
}

QString ReadReport::recordSlot(const QString &code, int n)
{
    return code + QLatin1Char('#') + QString::number(n);
}

void ReadReport::dropRecordsAfter(const QString &code, int saved, int capacity)
{
    for (int n = saved + 2; n <= capacity; ++n) {
        const auto it = m_kept.constFind(recordSlot(code, n));
        if (it == m_kept.cend())
            continue;
        dropLine(it->line, it->code,
                 u"запис %1 не буде записано: список записується від запису 1 до першого "
                                "пропуску, а запису %2 немає"_s
                     .arg(n)
                     .arg(saved + 1));
    }
}

QList<ReadNote> ReadReport::notes() const
{
    QList<ReadNote> out = m_notes;
    std::stable_sort(out.begin(), out.end(),
                     [](const ReadNote &a, const ReadNote &b) { return a.lineNumber < b.lineNumber; });
    if (m_untold > 0)
        out.append({0, {}, u"і ще %1 зауважень про рядки не показано"_s.arg(m_untold)});
    return out;
}
