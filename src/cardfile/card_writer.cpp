#include "cardfile/card_writer.h"

#include "cardfile/atomic_write.h"
#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"

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
            shown << QStringLiteral("«%1» (U+%2)").arg(ch, hex.rightJustified(4, QLatin1Char('0')));
        }
        problems << QStringLiteral("поле з кодом %1: %2")
                        .arg(lineCode(line), shown.join(QStringLiteral(", ")));
    }
    if (problems.isEmpty())
        return {};
    return QStringLiteral("Картку не записано: ці символи не можна записати у файл картки.\n")
        + problems.join(QLatin1Char('\n'))
        + QStringLiteral("\nЗамініть їх і запишіть картку ще раз.");
}

WriteResult writeCardFile(const QString &path, const QStringList &lines)
{
    if (const QString report = unencodableReport(lines); !report.isEmpty())
        return {false, report};
    return writeFileAtomically(path, cardFileBytes(lines));
}
