#pragma once

#include "fields/card_rules.h"
#include "fields/field_table.h"

#include <QString>
#include <QStringList>

#include <memory>

class CardInterpreter;
class CardModel;
class PrintJob;

enum class CardType { RK, OK, IK, OKD };

// A field kept in two languages, by its field code.
struct BilingualText
{
    QString code;
    QString uk;
    QString en;
};

// A record list as the card lines carry it: its name, and its records in file form
// (the line after the code) from slot 1 up to the first empty slot.
struct RecordList
{
    QString name;
    QStringList records;
};

// A card line that numbers a record of a list: item `item` of lines of `code` must be
// a number from 1 to `max`.
struct NumberedLine
{
    QString code;
    int item;
    int max;
};

// What one card type brings to the shared machinery: its names, its file dialogs,
// its field table and its card lines. Implemented once per card in cards/<t>/.
class CardKind
{
public:
    virtual ~CardKind() = default;

    virtual CardType type() const = 0;
    virtual QString id() const = 0;               // "rk", "ok", "ik", "okd"
    virtual QString windowCaption() const = 0;    // caption at creation
    virtual QString promptCaption() const = 0;    // caption of the save prompt
    virtual QString cardName() const = 0;         // caption of the question before an open
    virtual QString openedCaption(const QString &path) const = 0; // window caption after an open
    virtual QString defaultFileName() const = 0;  // "RK"
    virtual bool openAllFiles() const = 0;        // open dialog "Усі файли|*.*" instead of text files
    virtual bool openDefaultTxt() const = 0;      // open dialog adds "txt" too
    virtual bool saveFromHomeDir() const = 0;     // "c:\" made current before the save dialog
    // Messages shown after an open, by the bare name of the file opened.
    virtual QStringList openWarnings(const QString &bareName) const = 0;

    virtual const FieldTable &fields() const = 0;
    virtual std::unique_ptr<CardModel> createModel() const = 0;
    // Clears the card before a file is read into it.
    virtual void clearModel(CardModel &model) const = 0;
    // The card lines in the card's order. May store the records shown into their lists first.
    virtual QStringList fileLines(CardModel &model) const = 0;
    // The card lines a save would write now, built on a copy so that the card itself
    // stays as it is (a save may close up a list the clerk is still filling in).
    // Empty when the card cannot be copied.
    virtual QStringList snapshotLines(const CardModel &model) const;
    virtual std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const = 0;
    // After a file is read: texts shown, first page current and the like.
    virtual void afterRead(CardModel &model) const = 0;
    // The card's entry rules over `model` (which must be of this card's type), as an
    // editor runs them; nullptr for a card without rules.
    virtual std::unique_ptr<CardRules> createRules(CardModel &) const { return nullptr; }

    // For batch work and checks: the card's two-language texts and record lists, the
    // codes its reader takes and its numbered list lines.
    virtual QList<BilingualText> bilingualTexts(const CardModel &) const { return {}; }
    virtual QList<RecordList> recordLists(const CardModel &) const { return {}; }
    virtual bool knowsCode(const QString &code) const;
    virtual QList<NumberedLine> numberedLines() const { return {}; }

    // "Друк": fills the card's page layouts from the model, places the overflow on the
    // continuation sheets and finishes `job` with the card's pages. Printing changes
    // nothing in the model. False for a card that has no printed form yet.
    virtual bool print(CardModel &, PrintJob &) const { return false; }
};

const CardKind &cardKind(CardType type);
// "rk", "ok", "okd", "ik" in any letter case; nullptr for another text.
const CardKind *cardKindById(const QString &id);
// The card type a file's bare name starts with: RK, OK, OKD or IK in any letter case,
// OKD before OK; nullptr for any other name. The program and zorvat-card decide alike.
const CardKind *cardKindOfFileName(const QString &path);
