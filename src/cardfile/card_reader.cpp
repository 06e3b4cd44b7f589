#include "cardfile/card_reader.h"

#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"
#include "cardfile/io_reason.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

namespace {

QString shortened(const QString &text, int max)
{
    return text.size() <= max ? text : text.left(max) + QStringLiteral("…");
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
    return outOfRange ? QStringLiteral("число «%1» виходить за допустимі межі").arg(shortened(text, maxShown))
                      : QStringLiteral("значення «%1» не є числом").arg(shortened(text, maxShown));
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

ReadResult readCardBytes(const QByteArray &bytes, CardInterpreter &interpreter, const QString &name)
{
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
                if (line.indexOf(QLatin1Char('\\')) == 4) {
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

        if (item(curLine, 2).isEmpty() && !interpreter.keepsEmptyValue(curCode))
            curCode.clear();
        pendingMultiLine = !value.mlCode.isEmpty() && interpreter.isMultiLineCode(curCode);

        ReadLine current;
        current.code = curCode;
        current.line = curLine;
        current.lineNumber = curLineNo;
        // The value stands in the file before the line that ended it.
        const ReadLine *handed = &value;
        try {
            if (!value.mlCode.isEmpty())
                interpreter.dispatch(value);
            handed = &current;
            if (!current.code.isEmpty())
                interpreter.dispatch(current);
        } catch (const CardNumberError &e) {
            const bool inValue = handed == &value;
            const int lineNo = inValue ? value.mlLineNumber : current.lineNumber;
            const QString &text = inValue ? value.mlValue : current.line;
            ReadResult r;
            r.status = ReadResult::Status::ConversionError;
            r.lineNumber = lineNo;
            r.message = QStringLiteral("Читання файлу «%1» зупинено: у рядку %2 «%3» %4.\n"
                                       "Прочитані до цього рядка дані залишено в картці.")
                            .arg(name)
                            .arg(lineNo)
                            .arg(shortened(text, 120), e.describe(120));
            return r;
        }
    }
    return {};
}

QString unreadableReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ioReason(ENOENT);
    if (info.isDir())
        return ioReason(EISDIR);
    if (!info.isFile())
        return QStringLiteral("це не звичайний файл, а канал, пристрій або сокет");
    return {};
}

QString readFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Не вдалося прочитати файл «%1»: %2.").arg(path, reason);
}

bool readCardFileBytes(const QString &path, QByteArray *bytes, QString *message)
{
    if (const QString reason = unreadableReason(path); !reason.isEmpty()) {
        *message = readFailureMessage(path, reason);
        return false;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        *message = readFailureMessage(path, ioReason(errno ? errno : EIO));
        return false;
    }
    errno = 0;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *message = readFailureMessage(path, ioReason(errno ? errno : EIO));
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
    return QStringLiteral("Файл «%1», мабуть, записано в кодуванні UTF-8, а не Windows-1251: українські літери "
                          "в картці буде показано неправильно. Запишіть файл у кодуванні Windows-1251 і "
                          "відкрийте його знову.")
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
    ReadResult result = readCardBytes(bytes, interpreter, path);
    if (looksLikeUtf8(bytes))
        result.warning = utf8Warning(path);
    return result;
}
