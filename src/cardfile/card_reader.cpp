#include "cardfile/card_reader.h"

#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"
#include "cardfile/io_reason.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>

int cardNumber(const QString &text)
{
    bool ok = false;
    const int value = trimLine(text).toInt(&ok);
    if (!ok)
        throw CardNumberError{text};
    return value;
}

namespace {

QStringList physicalLines(const QByteArray &bytes)
{
    QStringList lines = cp1251::decode(bytes).split(QLatin1Char('\n'));
    // The empty line that ends every card file (and any blank lines after the last
    // card line) belongs to no value.
    while (!lines.isEmpty() && trimLine(lines.constLast()).isEmpty())
        lines.removeLast();
    return lines;
}

QString shortened(const QString &line)
{
    constexpr int kMax = 120;
    return line.size() <= kMax ? line : line.left(kMax) + QStringLiteral("…");
}

} // namespace

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
        ReadLine round;
        if (!pendingMultiLine) {
            curLine = trimLine(lines.at(next));
            curLineNo = int(++next);
            curCode = lineCode(curLine);
        }
        pendingMultiLine = false;

        if (interpreter.isMultiLineCode(curCode)) {
            round.mlCode = curCode;
            round.mlValue = curLine;
            round.mlLineNumber = curLineNo;
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
                round.mlValue += QLatin1Char(' ') + line;
            }
            if (!ended) {
                curLine.clear();
                curCode.clear();
                curLineNo = 0;
            }
        }

        if (item(curLine, 2).isEmpty() && !interpreter.keepsEmptyValue(curCode))
            curCode.clear();
        pendingMultiLine = !round.mlCode.isEmpty() && interpreter.isMultiLineCode(curCode);

        round.code = curCode;
        round.line = curLine;
        round.lineNumber = curLineNo;
        try {
            interpreter.dispatch(round);
        } catch (const CardNumberError &e) {
            // Name the line that holds the bad value.
            const bool inLine = !round.code.isEmpty() && round.line.contains(e.text);
            const int lineNo = inLine || round.mlCode.isEmpty() ? round.lineNumber : round.mlLineNumber;
            const QString text = inLine || round.mlCode.isEmpty() ? round.line : round.mlValue;
            ReadResult r;
            r.status = ReadResult::Status::ConversionError;
            r.lineNumber = lineNo;
            r.message = QStringLiteral("Читання файлу «%1» зупинено: у рядку %2 «%3» значення «%4» не є числом.\n"
                                       "Прочитані до цього рядка дані залишено в картці.")
                            .arg(name)
                            .arg(lineNo)
                            .arg(shortened(text), shortened(e.text));
            return r;
        }
    }
    return {};
}

ReadResult readCardFile(const QString &path, CardInterpreter &interpreter)
{
    QFile file(path);
    ReadResult failure;
    failure.status = ReadResult::Status::IoError;
    if (QFileInfo(path).isDir()) {
        failure.message = QStringLiteral("Не вдалося прочитати файл «%1»: %2.").arg(path, ioReason(EISDIR));
        return failure;
    }
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        failure.message = QStringLiteral("Не вдалося прочитати файл «%1»: %2.").arg(path, ioReason(errno ? errno : EIO));
        return failure;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        failure.message = QStringLiteral("Не вдалося прочитати файл «%1»: %2.").arg(path, ioReason(errno ? errno : EIO));
        return failure;
    }
    file.close();
    return readCardBytes(bytes, interpreter, path);
}
