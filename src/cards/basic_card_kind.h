#pragma once

#include "cardfile/card_reader.h"
#include "fields/card_kind.h"

// The names and file dialog settings every card type states, and the behaviour of a
// card that has no fields of its own yet: no lines, nothing to read.
class BasicCardKind : public CardKind
{
public:
    struct Names
    {
        CardType type;
        QString id;
        QString windowCaption;
        QString promptCaption;
        QString cardName;
        QString openedCaptionPrefix; // followed by the path
        QString defaultFileName;
        bool openAllFiles;
        bool openDefaultTxt;
        bool saveFromHomeDir;
        // Files named "rk"/"RK"..., "ok"/"OK"... opened here are warned about.
        bool warnRk = false;
        bool warnOk = false;
    };

    explicit BasicCardKind(Names names) : m_names(std::move(names)) {}

    CardType type() const override { return m_names.type; }
    QString id() const override { return m_names.id; }
    QString windowCaption() const override { return m_names.windowCaption; }
    QString promptCaption() const override { return m_names.promptCaption; }
    QString cardName() const override { return m_names.cardName; }
    QString openedCaption(const QString &path) const override { return m_names.openedCaptionPrefix + path; }
    QString defaultFileName() const override { return m_names.defaultFileName; }
    bool openAllFiles() const override { return m_names.openAllFiles; }
    bool openDefaultTxt() const override { return m_names.openDefaultTxt; }
    bool saveFromHomeDir() const override { return m_names.saveFromHomeDir; }
    QStringList openWarnings(const QString &bareName) const override;

    const FieldTable &fields() const override;
    std::unique_ptr<CardModel> createModel() const override;
    void clearModel(CardModel &model) const override;
    QStringList fileLines(CardModel &model) const override;
    std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const override;
    void afterRead(CardModel &model) const override;

    // Warning texts for a file of another card type opened here.
    static QString rkWarning(const QString &bareName);
    static QString okWarning(const QString &bareName);

private:
    Names m_names;
};

// An interpreter that knows no codes.
class NullInterpreter : public CardInterpreter
{
public:
    bool isMultiLineCode(const QString &) const override { return false; }
    bool keepsEmptyValue(const QString &) const override { return false; }
    void dispatch(const ReadLine &) override {}
};
