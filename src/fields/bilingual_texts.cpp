#include "fields/bilingual_texts.h"

#include "cardfile/card_item.h"
#include "cardfile/card_reader.h"
#include "fields/card_model.h"

using namespace Qt::Literals::StringLiterals;

BilingualTexts::BilingualTexts(QList<BilingualSlot> shapes) : m_slots(std::move(shapes))
{
    m_texts.resize(m_slots.size() * 2);
}

QString BilingualTexts::text(int which, TextLanguage language) const
{
    return m_texts.at(which * 2 + int(language));
}

void BilingualTexts::setText(int which, TextLanguage language, const QString &text)
{
    m_texts[which * 2 + int(language)] = text;
}

void BilingualTexts::clear()
{
    for (QString &t : m_texts)
        t.clear();
}

TextLanguage BilingualTexts::selected(const CardModel &model, int which) const
{
    return model.text(slot(which).languageField) == QLatin1String("1") ? TextLanguage::English
                                                                      : TextLanguage::Ukrainian;
}

void BilingualTexts::showSelected(CardModel &model, int which) const
{
    model.setText(slot(which).field, text(which, selected(model, which)));
}

void BilingualTexts::keepShown(const CardModel &model, int which)
{
    setText(which, selected(model, which), model.text(slot(which).field));
}

void BilingualTexts::showUkrainian(CardModel &model, int which) const
{
    model.setText(slot(which).languageField, u"0"_s);
    model.setText(slot(which).field, text(which, TextLanguage::Ukrainian));
}

void BilingualTexts::readLine(int which, const QString &line)
{
    const int sub = cardNumber(item(line, 2));
    if (sub == 1)
        setText(which, TextLanguage::Ukrainian, item(line, 3));
    else if (sub == 2 || sub == 3)
        setText(which, TextLanguage::English, item(line, 3));
}

QStringList BilingualTexts::lines(int which) const
{
    const QString code = slot(which).code;
    return {code + u"\\1\\"_s + text(which, TextLanguage::Ukrainian),
            code + u"\\3\\"_s + text(which, TextLanguage::English)};
}

QList<BilingualText> BilingualTexts::byCode() const
{
    QList<BilingualText> out;
    for (int i = 0; i < size(); ++i)
        out.append({slot(i).code, text(i, TextLanguage::Ukrainian), text(i, TextLanguage::English)});
    return out;
}
