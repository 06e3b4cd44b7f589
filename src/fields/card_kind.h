#pragma once

#include "fields/field_table.h"

#include <QString>
#include <QStringList>

#include <memory>

class CardInterpreter;
class CardModel;

enum class CardType { RK, OK, IK, OKD };

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
    virtual bool openAllFiles() const = 0;        // open dialog "Все файлы|*.*" instead of text files
    virtual bool openDefaultTxt() const = 0;      // open dialog adds "txt" too
    virtual bool saveFromHomeDir() const = 0;     // "c:\" made current before the save dialog
    // Messages shown after an open, by the bare name of the file opened.
    virtual QStringList openWarnings(const QString &bareName) const = 0;

    virtual const FieldTable &fields() const = 0;
    virtual std::unique_ptr<CardModel> createModel() const = 0;
    // Clears the card before a file is read into it.
    virtual void compNil(CardModel &model) const = 0;
    // The card lines in the card's order. May store the records shown into their lists first.
    virtual QStringList Mtext(CardModel &model) const = 0;
    virtual std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const = 0;
    // After a file is read: texts shown, first page current and the like.
    virtual void afterRead(CardModel &model) const = 0;
};

const CardKind &cardKind(CardType type);
// "rk", "ok", "okd", "ik" in any letter case; nullptr for another text.
const CardKind *cardKindById(const QString &id);
