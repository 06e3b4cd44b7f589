#pragma once

#include "cardfile/card_reader.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class CardModel;
class FieldTable;

// A card's line interpreter by its code sets: the multi-line codes and the
// codes whose lines count with an empty value. Each round applies the multi-line
// value first (it stands in the file before the line that ended it), then the line.
class LineInterpreter : public CardInterpreter
{
public:
    LineInterpreter(QSet<QString> multiLineCodes, QSet<QString> keptEmptyCodes);

    bool isMultiLineCode(const QString &code) const override { return m_multiLine.contains(code); }
    bool keepsEmptyValue(const QString &code) const override { return m_keptEmpty.contains(code); }
    void dispatch(const ReadLine &line) override;

    // Why a subject code line was not read: every code box was filled already.
    static QString rubricsFull();

protected:
    // A line of a code that is not multi-line; a multi-line value with its lines joined.
    virtual void applyLine(const QString &code, const QString &line) = 0;
    virtual void applyMultiLine(const QString &code, const QString &value) = 0;

    // Items 2, 3, ... of `line` into `fields`, a masked field's value fitted to its mask.
    static void putItems(CardModel &model, const QString &line, const QStringList &fields);
    // `value` into the first of `fields` that still holds its empty mask (the subject
    // code boxes fill in turn); nowhere, and false, when all are filled.
    static bool putIntoFirstBlank(CardModel &model, const QStringList &fields, const QString &value);
    // A subject code line into the first blank of the code boxes `fields`; the report
    // names the line when every box was filled already.
    void readRubricLine(CardModel &model, const QStringList &fields, const QString &line);
    // After the whole file: a line of `codes` (code -> its fields) skipped for its empty
    // first value loses nothing that its fields hold anyway.
    void settleSkippedLines(const CardModel &model, const QHash<QString, QStringList> &codes);

private:
    QSet<QString> m_multiLine;
    QSet<QString> m_keptEmpty;
};

// The lines whose items 2, 3, ... go into fields, by code: each of `fields` under the
// code its row in `table` gives, and the lines of several items (or of other codes)
// as `more` lists them.
QHash<QString, QStringList> plainLineCodes(const FieldTable &table, const QStringList &fields,
                                           const QHash<QString, QStringList> &more = {});
