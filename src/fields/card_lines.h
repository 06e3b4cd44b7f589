#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class BilingualTexts;
class CardModel;
class RecordLists;

// Gathers a card's lines in its order (fileLines); every helper writes "code\" and its value.
class CardLines
{
public:
    enum class When { Always, Filled }; // Filled: only if the field is not empty

    explicit CardLines(const CardModel &model) : m_model(model) {}

    void raw(const QString &line) { m_lines << line; }
    void raw(const QStringList &lines) { m_lines << lines; }
    void add(const QString &code, const QString &value) { raw(code + QLatin1Char('\\') + value); }
    // The field's line under the code its row in the card's table gives.
    void field(const QString &field, When when = When::Always);
    void fields(const QStringList &fields, When when = When::Always);
    // One line of `code` per record.
    void records(const QString &code, const QStringList &records);
    // The records of list `list` from 1 up to the first empty slot.
    void list(const QString &code, const RecordLists &lists, int list);
    // One line of `code` per field that holds more than its empty mask, in the order given.
    void filledMasks(const QString &code, const QStringList &fields);
    // The two lines of a two-language text.
    void bilingual(const BilingualTexts &texts, int which);
    // The field's text without trailing blanks.
    void trimmed(const QString &code, const QString &field);
    // The texts of the fields, "\"-joined.
    QString joined(const QStringList &fields) const;

    // Without trailing blanks.
    static QString chopBlanks(QString s);

    const QStringList &lines() const { return m_lines; }

private:
    const CardModel &m_model;
    QStringList m_lines;
};
