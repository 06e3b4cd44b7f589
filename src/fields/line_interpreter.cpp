#include "fields/line_interpreter.h"

#include "fields/field_table.h"

#include "cardfile/card_item.h"
#include "fields/card_model.h"
#include "fields/edit_mask.h"

using namespace Qt::Literals::StringLiterals;

LineInterpreter::LineInterpreter(QSet<QString> multiLineCodes, QSet<QString> keptEmptyCodes)
    : m_multiLine(std::move(multiLineCodes)), m_keptEmpty(std::move(keptEmptyCodes))
{
}

void LineInterpreter::dispatch(const ReadLine &line)
{
    if (!line.mlCode.isEmpty())
        applyMultiLine(line.mlCode, line.mlValue);
    // A line of a multi-line code that ended a value is gathered in the next round.
    if (!line.code.isEmpty() && !isMultiLineCode(line.code))
        applyLine(line.code, line.line);
}

void LineInterpreter::putItems(CardModel &model, const QString &line, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i)
        model.setFitted(fields.at(i), item(line, i + 2));
}

bool LineInterpreter::putIntoFirstBlank(CardModel &model, const QStringList &fields, const QString &value)
{
    for (const QString &field : fields) {
        if (model.text(field) == EditMask(model.mask(field)).emptyText()) {
            model.setFitted(field, value);
            return true;
        }
    }
    return false;
}

QString LineInterpreter::rubricsFull()
{
    return u"усі поля кодів рубрик уже заповнено: рядок не прочитано"_s;
}

void LineInterpreter::readRubricLine(CardModel &model, const QStringList &fields, const QString &line)
{
    if (!putIntoFirstBlank(model, fields, item(line, 2)) && holdsData(item(line, 2)))
        report().drop(rubricsFull());
    report().dropItemsAfter(line, 2);
}

void LineInterpreter::settleSkippedLines(const CardModel &model, const QHash<QString, QStringList> &codes)
{
    report().settleSkipped([&model, &codes](const QString &code) {
        QStringList texts;
        for (const QString &field : codes.value(code))
            texts << model.text(field);
        return texts;
    });
}

QHash<QString, QStringList> plainLineCodes(const FieldTable &table, const QStringList &fields,
                                           const QHash<QString, QStringList> &more)
{
    QHash<QString, QStringList> codes = more;
    for (const QString &name : fields) {
        const FieldInfo *info = table.find(name);
        Q_ASSERT_X(info, "plainLineCodes", qPrintable(name));
        if (info)
            codes.insert(info->code, {name});
    }
    return codes;
}
