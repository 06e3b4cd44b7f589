#include "cli/card_check.h"

#include "cardfile/card_item.h"
#include "cardfile/card_reader.h"
#include "cardfile/cp1251.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr CardType kAllTypes[] = {CardType::RK, CardType::OK, CardType::IK, CardType::OKD};

bool anyKindKnows(const QString &code)
{
    for (CardType t : kAllTypes) {
        if (cardKind(t).knowsCode(code))
            return true;
    }
    return false;
}

QStringList logicalText(const QByteArray &bytes)
{
    QStringList lines = cardTextLines(cp1251::decode(bytes));
    while (!lines.isEmpty() && trimLine(lines.constLast()).isEmpty())
        lines.removeLast();
    return lines;
}

bool hasCode(const QString &line)
{
    return line.indexOf(QLatin1Char('\\')) == 4;
}

class Checker
{
public:
    explicit Checker(const CardKind &kind)
        : m_kind(kind), m_model(kind.createModel()), m_interpreter((kind.compNil(*m_model), kind.interpreter(*m_model)))
    {
    }

    QList<CheckProblem> problems;

    void checkBytes(const QByteArray &bytes)
    {
        const QList<QByteArray> raw = cardByteLines(bytes);
        if (looksLikeUtf8(bytes)) {
            qsizetype first = 0;
            while (first < raw.size() - 1 && std::all_of(raw.at(first).cbegin(), raw.at(first).cend(),
                                                         [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
                ++first;
            add(int(first + 1), QStringLiteral("файл, мабуть, записано в кодуванні UTF-8, а не Windows-1251: "
                                               "українські літери будуть прочитані неправильно"));
        }
        for (qsizetype i = 0; i < raw.size(); ++i) {
            int offset = 0;
            if (!cp1251::isValidText(raw.at(i), &offset)) {
                const auto byte = static_cast<unsigned char>(raw.at(i).at(offset));
                add(int(i + 1), QStringLiteral("байт 0x%1 у позиції %2 не є символом тексту в кодуванні CP1251")
                                    .arg(byte, 2, 16, QLatin1Char('0'))
                                    .arg(offset + 1));
            }
        }
    }

    void checkLines(const QStringList &lines)
    {
        const qsizetype n = lines.size();
        qsizetype i = 0;
        while (i < n) {
            const QString line = trimLine(lines.at(i));
            const int lineNo = int(++i);
            if (line.isEmpty())
                continue;
            const QString code = lineCode(line);
            if (!hasCode(line)) {
                const bool bareKeptCode = !line.contains(QLatin1Char('\\')) && m_interpreter->keepsEmptyValue(code);
                if (!bareKeptCode)
                    add(lineNo, QStringLiteral("рядок без коду поля: «%1»").arg(shortened(line)));
                continue;
            }
            if (!anyKindKnows(code))
                add(lineNo, QStringLiteral("код «%1» не належить жодній картці").arg(code));

            ReadLine round;
            if (m_interpreter->isMultiLineCode(code)) {
                round.mlCode = code;
                round.mlValue = line;
                round.mlLineNumber = lineNo;
                while (i < n && !hasCode(trimLine(lines.at(i))) && !trimLine(lines.at(i)).isEmpty())
                    round.mlValue += QLatin1Char(' ') + trimLine(lines.at(i++));
                checkNumbered(code, round.mlValue, lineNo);
            } else {
                if (item(line, 2).isEmpty() && !m_interpreter->keepsEmptyValue(code))
                    continue; // the reader skips it
                round.code = code;
                round.line = line;
                round.lineNumber = lineNo;
                checkNumbered(code, line, lineNo);
            }
            try {
                m_interpreter->dispatch(round);
            } catch (const CardNumberError &e) {
                add(lineNo, e.outOfRange ? e.describe(60)
                                         : QStringLiteral("значення «%1» має бути числом").arg(shortened(e.text)));
            }
        }
    }

private:
    void add(int line, const QString &text) { problems.append({line, text}); }

    static QString shortened(const QString &s)
    {
        return s.size() <= 60 ? s : s.left(60) + QStringLiteral("…");
    }

    void checkNumbered(const QString &code, const QString &line, int lineNo)
    {
        for (const NumberedLine &rule : m_kind.numberedLines()) {
            if (rule.code != code)
                continue;
            const QString text = trimLine(item(line, rule.item));
            bool ok = false;
            const int n = text.toInt(&ok);
            if (!ok || n < 1 || n > rule.max)
                add(lineNo, QStringLiteral("номер запису «%1» у рядку %2 має бути від 1 до %3").arg(text, code).arg(rule.max));
        }
    }

    const CardKind &m_kind;
    std::unique_ptr<CardModel> m_model;
    std::unique_ptr<CardInterpreter> m_interpreter;
};

} // namespace

QList<CheckProblem> checkCardBytes(const QByteArray &bytes, const CardKind &kind)
{
    Checker checker(kind);
    checker.checkBytes(bytes);
    checker.checkLines(logicalText(bytes));
    std::stable_sort(checker.problems.begin(), checker.problems.end(),
                     [](const CheckProblem &a, const CheckProblem &b) { return a.line < b.line; });
    return checker.problems;
}

const CardKind &likelyKind(const QByteArray &bytes)
{
    const QStringList lines = logicalText(bytes);
    const CardKind *best = &cardKind(CardType::RK);
    int bestCount = -1;
    for (CardType t : kAllTypes) {
        int count = 0;
        for (const QString &line : lines) {
            if (hasCode(trimLine(line)) && cardKind(t).knowsCode(lineCode(line)))
                ++count;
        }
        if (count > bestCount) {
            best = &cardKind(t);
            bestCount = count;
        }
    }
    return *best;
}
