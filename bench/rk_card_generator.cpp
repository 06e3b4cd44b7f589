#include "rk_card_generator.h"

#include "cardfile/card_writer.h"
#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "fields/card_kind.h"

#include <algorithm>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

namespace {

const QStringList kWords = {
    u"розроблення"_s, u"методів"_s,   u"контролю"_s,     u"зварних"_s,       u"з'єднань"_s,
    u"трубопроводів"_s, u"високого"_s, u"тиску"_s,       u"із"_s,            u"застосуванням"_s,
    u"ультразвукових"_s, u"решіток"_s, u"і"_s,           u"цифрової"_s,      u"обробки"_s,
    u"сигналів"_s,    u"та"_s,        u"автоматизованої"_s, u"класифікації"_s, u"дефектів"_s,
    u"для"_s,         u"підприємств"_s, u"паливно-енергетичного"_s, u"комплексу"_s, u"України;"_s,
    u"впровадження"_s, u"результатів"_s, u"у"_s,          u"практику"_s,      u"(ДСТУ"_s,
    u"3008-95),"_s,   u"на"_s,        u"2005-2007"_s,    u"роки."_s,         u"НДР"_s,
};

// Longer than a printed line of any memo: it is broken where the width ends.
const QString kLongToken = u"http://www.nauka.kiev.ua/zvity/2005/rozroblennya-metodiv-kontrolyu-zvarnykh-zyednan/"
                           u"dodatok-1-tablytsi-vymiryuvan-ultrazvukovykh-sygnaliv.pdf"_s;

void setEntry(RkModel &m, RkList list, int n, const QStringList &values)
{
    const EntryListSettings settings = RkModel::entryListSettings(list);
    m.setText(settings.numberField, QString::number(n));
    for (qsizetype i = 0; i < values.size(); ++i)
        m.setFitted(settings.itemFields.at(i), values.at(i));
    m.storeFields(list, n);
}

QString digits(int n, int width)
{
    return QString::number(n).rightJustified(width, u'0').right(width);
}

void fillPlainFields(RkModel &m)
{
    const QList<std::pair<QString, QString>> values = {
        {u"ed5436"_s, u"0105U000123 "_s}, {u"ed5256"_s, u"1"_s}, {u"ed7209"_s, u"17"_s},
        {u"ed5418N"_s, u"123/45-67"_s}, {u"ed5418D"_s, u"01.02.05"_s}, {u"ed7146"_s, u"34"_s},
        {u"ed2457"_s, u"02070987"_s}, {u"ed2358"_s, u"ІПМ НАН України"_s},
        {u"mm2655"_s, u"03680, м. Київ, вул. Наумова, 15"_s}, {u"ed2934"_s, u"(044) 526-32-51"_s},
        {u"ed2394"_s, u"ipm@ipm.kiev.ua"_s}, {u"ed1332"_s, u"Національна академія наук України"_s},
        {u"cb1133"_s, u"АКД"_s}, {u"ed7700"_s, u"6541030"_s}, {u"fin"_s, u"7713"_s}, {u"ed"_s, u"тис.грн."_s},
        {u"sum"_s, u"1500.5"_s}, {u"ed7353"_s, u"01.05"_s}, {u"ed7362"_s, u"12.07"_s}, {u"cb7199"_s, u"06"_s},
        {u"ed7191"_s, u"48"_s}, {u"cb9153"_s, u"007"_s}, {u"ed5634"_s, u"539.3:620.17"_s},
        {u"ed56161"_s, u"29.19.21.00"_s}, {u"ed6111"_s, u"Шевченко Тарас Григорович"_s},
        {u"ed6210"_s, u"академік НАН України"_s}, {u"ed6228"_s, u"доктор технічних наук, професор"_s},
        {u"ed6140"_s, u"(044) 526-00-00"_s}, {u"ed6141"_s, u"head@ipm.kiev.ua"_s},
    };
    for (const auto &[field, value] : values)
        m.setFitted(field, value);
}

} // namespace

QString generatedText(qsizetype chars, unsigned seed)
{
    std::mt19937 random(seed);
    QString text;
    text.reserve(chars + kLongToken.size() + 32);
    while (text.size() < chars) {
        if (!text.isEmpty())
            text += u' ';
        const unsigned pick = random() % 400;
        if (pick == 0)
            text += kLongToken;
        else if (pick < 20)
            text += QString::number(random() % 100000);
        else
            text += kWords.at(qsizetype(random() % kWords.size()));
    }
    text.truncate(chars);
    // A memo ends with a word, not with a blank the reader would trim.
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString generatedWord(qsizetype chars, unsigned seed)
{
    QString word;
    word.reserve(chars + 64);
    while (word.size() < chars)
        word += generatedText(chars - word.size() + 64, seed++).remove(u' ');
    word.truncate(chars);
    return word;
}

RkCardShape rkShapeForSize(qsizetype bytes)
{
    // A small card has a few entries in each list, a larger one full lists.
    RkCardShape shape;
    const bool small = bytes < 50'000;
    shape.customers = small ? 20 : 200;
    shape.coExecutors = small ? 10 : 50;
    shape.stages = small ? 10 : 15;
    // The long texts take 1.3 bytes per character of the purpose; the rest is found by
    // measuring a card with a short purpose.
    shape.memoChars = 1000;
    const qsizetype rest = cardFileBytes(generateRkCard(shape)).size() - 1300;
    shape.memoChars = std::max<qsizetype>(1000, (bytes - rest) * 10 / 13);
    return shape;
}

QStringList generateRkCard(const RkCardShape &shape)
{
    const CardKind &kind = cardKind(CardType::RK);
    const std::unique_ptr<CardModel> model = kind.createModel();
    auto &m = static_cast<RkModel &>(*model);
    fillPlainFields(m);

    // A card made for its one long word has short texts besides it.
    const qsizetype shortText = shape.blanks ? std::max<qsizetype>(40, shape.memoChars / 10) : 40;
    m.setBilingual(RkText::ExecutorName, RkLanguage::Ukrainian, u"Інститут проблем матеріалознавства НАН України"_s);
    m.setBilingual(RkText::ExecutorName, RkLanguage::English, u"Institute for Problems of Materials Science"_s);
    m.setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian, generatedText(shortText, 1));
    m.setBilingual(RkText::WorkTitle, RkLanguage::English, u"Development of inspection methods"_s);
    m.setBilingual(RkText::WorkHead, RkLanguage::Ukrainian, u"Шевченко Т. Г."_s);
    m.setBilingual(RkText::WorkHead, RkLanguage::English, u"Shevchenko T. H."_s);
    m.showUkrainian(RkText::WorkTitle);
    m.setText(u"mm9126"_s, shape.blanks ? generatedText(shape.memoChars, 2) : generatedWord(shape.memoChars, 2));
    m.setText(u"mm9155"_s, generatedText(shortText, 3));
    m.setText(u"mm9156"_s, generatedText(shortText, 4));

    const QString legal = rkPersonKinds().at(0);
    for (int n = 1; n <= std::clamp(shape.customers, 1, 200); ++n) {
        setEntry(m, RkList::Customers, n,
                 {legal, digits(10'000'000 + n, 8), u"Київ"_s,
                  u"Державне підприємство «Науково-виробничий центр» № %1"_s.arg(n),
                  u"03680, м. Київ, вул. Хрещатик, %1"_s.arg(n), u"(044) 000-%1"_s.arg(digits(n, 4)),
                  u"zam%1@example.kiev.ua"_s.arg(n)});
    }
    for (int n = 1; n <= std::clamp(shape.coExecutors, 0, 50); ++n) {
        setEntry(m, RkList::CoExecutors, n,
                 {legal, digits(20'000'000 + n, 8), u"Харків"_s,
                  u"Співвиконавець номер %1, науково-дослідний інститут"_s.arg(n),
                  u"61000, м. Харків, пр. Науки, %1"_s.arg(n)});
    }
    for (int n = 1; n <= std::clamp(shape.stages, 0, 15); ++n) {
        setEntry(m, RkList::Stages, n,
                 {u"%1.05"_s.arg(digits(std::min(n, 12), 2)), u"12.07"_s, u"28"_s,
                  u"Етап %1: "_s.arg(n) + generatedText(120, 100 + unsigned(n))});
    }
    return kind.fileLines(m);
}

QStringList generateRkCard(qsizetype bytes)
{
    return generateRkCard(rkShapeForSize(bytes));
}
