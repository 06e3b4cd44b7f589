#include "cli/card_check.h"

#include "cardfile/card_item.h"
#include "cardfile/card_reader.h"
#include "cardfile/cp1251.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "fields/card_problems.h"
#include "fields/field_captions.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr CardType kAllTypes[] = {CardType::RK, CardType::OK, CardType::IK, CardType::OKD};

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

// The field code of a raw line, when it has one.
QString codeOf(const QByteArray &raw)
{
    const QString line = trimLine(cp1251::decode(raw));
    return hasCode(line) ? lineCode(line) : QString();
}

class Checker
{
public:
    explicit Checker(const CardKind &kind)
        : m_model(kind.createModel()), m_interpreter((kind.clearModel(*m_model), kind.interpreter(*m_model)))
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
            add(int(first + 1), u"файл, мабуть, записано в кодуванні UTF-8, а не Windows-1251: "
                                               "українські літери будуть прочитані неправильно"_s,
                codeOf(raw.at(first)));
        }
        for (qsizetype i = 0; i < raw.size(); ++i) {
            int offset = 0;
            if (!cp1251::isValidText(raw.at(i), &offset)) {
                const auto byte = static_cast<unsigned char>(raw.at(i).at(offset));
                add(int(i + 1),
                    u"байт 0x%1 у позиції %2 не є символом тексту в кодуванні CP1251"_s
                        .arg(byte, 2, 16, QLatin1Char('0'))
                        .arg(offset + 1),
                    codeOf(raw.at(i)));
            }
        }
    }

    // The service takes lines ended by CR LF; the reader takes a bare LF or CR too, so
    // such a file reads, and a resave writes it right. Named once per kind of end.
    void checkLineEnds(const QByteArray &bytes)
    {
        struct Seen
        {
            int first = 0;
            int count = 0;
        } lf, cr;
        int line = 1;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes.at(i) == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
                ++i;
            } else if (bytes.at(i) == '\r' || bytes.at(i) == '\n') {
                Seen &seen = bytes.at(i) == '\r' ? cr : lf;
                if (seen.count++ == 0)
                    seen.first = line;
            } else {
                continue;
            }
            ++line;
        }
        const QList<QByteArray> raw = cardByteLines(bytes);
        for (const auto &[seen, end] : {std::pair{lf, "LF"}, std::pair{cr, "CR"}}) {
            if (seen.count == 0)
                continue;
            QString text = u"рядок закінчується на %1, а служба чекає CR LF"_s.arg(QLatin1String(end));
            if (seen.count > 1)
                text += u" (так само ще %1)"_s.arg(seen.count - 1);
            add(seen.first, text + u": «zorvat-card resave» запише файл з CR LF"_s,
                codeOf(raw.at(seen.first - 1)), CheckProblem::Severity::Warning);
        }
        if (!bytes.endsWith('\r') && !bytes.endsWith('\n'))
            add(line, u"останній рядок не закінчується на CR LF: «zorvat-card resave» запише файл з CR LF"_s,
                codeOf(raw.constLast()), CheckProblem::Severity::Warning);
    }

    // Every line the card's reader leaves out, as it reports them; a value that must be
    // a number does not end the check there.
    void checkLines(const QByteArray &bytes)
    {
        const ReadResult r = readCardBytes(bytes, *m_interpreter, QString(), NumberErrors::Note);
        for (const ReadNote &note : r.notes)
            add(note.lineNumber, note.text, note.code);
    }

    // The editor's rules on the values read, each on the line that holds its value.
    void checkRules(const CardKind &kind, const QByteArray &bytes)
    {
        kind.afterRead(*m_model); // the fields show what an open shows
        const QList<CardProblem> found = cardProblems::check(kind, *m_model);
        if (found.isEmpty())
            return;
        const QStringList lines = cardTextLines(cp1251::decode(bytes));
        for (const CardProblem &p : found) {
            const int line = cardProblems::lineOf(p, lines);
            FieldInfo shown;
            if (const FieldInfo *info = kind.fields().find(p.field))
                shown = *info;
            else
                shown.name = p.field;
            shown.code = p.code;
            QString where = fieldCaptions::title(shown);
            if (!p.entryTitle.isEmpty())
                where += u", "_s + p.entryTitle;
            const QString code = line > 0 ? lineCode(trimLine(lines.at(line - 1))) : shown.code;
            problems.append({line, u"%1: %2"_s.arg(where, p.message), code,
                             p.blocking ? CheckProblem::Severity::Error : CheckProblem::Severity::Warning,
                             p.entryTitle, where, true});
        }
    }

    void add(int line, const QString &text, const QString &code = {},
             CheckProblem::Severity severity = CheckProblem::Severity::Error)
    {
        problems.append({line, text, code, severity});
    }

private:
    std::unique_ptr<CardModel> m_model;
    std::unique_ptr<CardInterpreter> m_interpreter;
};

} // namespace

QList<CheckProblem> checkCardBytes(const QByteArray &bytes, const CardKind &kind)
{
    Checker checker(kind);
    if (const QString reason = notACardReason(bytes); !reason.isEmpty()) {
        // Line by line, such bytes would give a problem on every line and say nothing.
        checker.add(0, u"це не схоже на файл картки - %1"_s.arg(reason));
        return checker.problems;
    }
    checker.checkBytes(bytes);
    checker.checkLineEnds(bytes);
    checker.checkLines(bytes);
    checker.checkRules(kind, bytes);
    std::stable_sort(checker.problems.begin(), checker.problems.end(),
                     [](const CheckProblem &a, const CheckProblem &b) { return a.line < b.line; });
    return checker.problems;
}

QString checkFieldName(const CardKind &kind, const QString &code)
{
    if (code.isEmpty())
        return {};
    // A label that starts with the code names the line best ("2458 Код організації" rather
    // than the list's "Порядковий №"); it names the field without the code.
    QString other;
    for (const FieldInfo &info : kind.fields().fields()) {
        if (info.code != code || info.label.isEmpty())
            continue;
        const bool coded = info.label.simplified().startsWith(code);
        const QString label = fieldCaptions::withoutCode(info.label, code);
        if (coded && !label.isEmpty())
            return label;
        if (other.isEmpty())
            other = label;
    }
    return other;
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
