#include "cardfile/card_writer.h"

#include "cardfile/atomic_write.h"
#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"

using namespace Qt::Literals::StringLiterals;

QByteArray cardFileBytes(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    text += QLatin1String("\r\n");
    return cp1251::encode(text);
}

QString unencodableReport(const QStringList &lines)
{
    QStringList problems;
    for (const QString &line : lines) {
        const QString bad = cp1251::unencodable(line);
        if (bad.isEmpty())
            continue;
        QStringList shown;
        for (qsizetype i = 0; i < bad.size(); ++i) {
            const qsizetype len = bad.at(i).isHighSurrogate() ? 2 : 1;
            const QString ch = bad.mid(i, len);
            i += len - 1;
            const QString hex = QString::number(ch.toUcs4().value(0), 16).toUpper();
            shown << u"«%1» (U+%2)"_s.arg(ch, hex.rightJustified(4, QLatin1Char('0')));
        }
        problems << u"поле з кодом %1: %2"_s
                        .arg(lineCode(line), shown.join(u", "_s));
    }
    if (problems.isEmpty())
        return {};
    return u"Картку не записано: ці символи не можна записати у файл картки.\n"_s
        + problems.join(QLatin1Char('\n'))
        + u"\nЗамініть їх і запишіть картку ще раз."_s;
}

WriteResult writeCardFile(const QString &path, const QStringList &lines)
{
    if (const QString report = unencodableReport(lines); !report.isEmpty())
        return {false, report};
    return writeFileAtomically(path, cardFileBytes(lines));
}
