#pragma once

#include "cardfile/card_item.h"
#include "cardfile/card_reader.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"

using namespace Qt::Literals::StringLiterals;

// A card with two fields, for testing the shared machinery without a real card:
// "5256\<ed5256>" and "9027\1\<mm9027>" (multi-line), "5616\<number>" must be a number.
class TestKind : public CardKind
{
public:
    explicit TestKind(CardType type = CardType::RK) : m_real(cardKind(type)) {}

    // The names and dialogs of the real card of the type.
    CardType type() const override { return m_real.type(); }
    QString id() const override { return m_real.id(); }
    QString windowCaption() const override { return m_real.windowCaption(); }
    QString promptCaption() const override { return m_real.promptCaption(); }
    QString cardName() const override { return m_real.cardName(); }
    QString openedCaption(const QString &path) const override { return m_real.openedCaption(path); }
    QString defaultFileName() const override { return m_real.defaultFileName(); }
    bool openAllFiles() const override { return m_real.openAllFiles(); }
    bool openDefaultTxt() const override { return m_real.openDefaultTxt(); }
    bool saveFromHomeDir() const override { return m_real.saveFromHomeDir(); }

    const FieldTable &fields() const override
    {
        static const FieldTable table({u"Page"_s},
                                      {FieldInfo{u"ed5256"_s, FieldKind::Edit, u"5256"_s, {}, 0,
                                                 {}, u"5"_s},
                                       FieldInfo{u"mm9027"_s, FieldKind::Memo, u"9027"_s}});
        return table;
    }
    QStringList openWarnings(const QString &bareName) const override { return m_real.openWarnings(bareName); }
    std::unique_ptr<CardModel> createModel() const override { return std::make_unique<CardModel>(fields()); }
    void afterRead(CardModel &) const override {}
    void clearModel(CardModel &model) const override
    {
        model.setText(u"ed5256"_s, QString());
        model.setText(u"mm9027"_s, QString());
    }
    QStringList fileLines(CardModel &model) const override
    {
        return {u"5256\\"_s + model.text(u"ed5256"_s),
                u"9027\\1\\"_s + model.text(u"mm9027"_s)};
    }
    std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const override
    {
        return std::make_unique<Interpreter>(model);
    }

private:
    const CardKind &m_real;

    class Interpreter : public CardInterpreter
    {
    public:
        explicit Interpreter(CardModel &model) : m_model(model) {}
        bool isMultiLineCode(const QString &code) const override { return code == QLatin1String("9027"); }
        bool keepsEmptyValue(const QString &) const override { return false; }
        void dispatch(const ReadLine &r) override
        {
            if (r.mlCode == QLatin1String("9027") && cardNumber(item(r.mlValue, 2)) == 1)
                m_model.setText(u"mm9027"_s, item(r.mlValue, 3));
            if (r.code == QLatin1String("5256"))
                m_model.setText(u"ed5256"_s, item(r.line, 2));
            if (r.code == QLatin1String("5616"))
                cardNumber(item(r.line, 2));
        }

    private:
        CardModel &m_model;
    };
};
