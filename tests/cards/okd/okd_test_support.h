#pragma once

#include "cards/okd/okd_model.h"
#include "support/card_steps.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace okdTest {

// Card lines written one a line ("" for none).
inline QStringList cardText(const char *utf8)
{
    const QString text = QString::fromUtf8(utf8);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// A value of the card by name: a field's text, or one of the private texts
// "applicant.uk", "title.en", "abstract.uk", "supervisor2.en", "cipher",
// "org3.code" (name, city, location, subordination, phone, email).
inline QString valueOf(const OkdModel &m, const QString &name)
{
    const QString head = name.section(QLatin1Char('.'), 0, 0);
    const QString tail = name.section(QLatin1Char('.'), 1);
    if (tail.isEmpty())
        return name == QLatin1String("cipher") ? m.councilCipher() : m.text(name);
    const TextLanguage language = tail == QLatin1String("en") ? TextLanguage::English : TextLanguage::Ukrainian;
    if (head == QLatin1String("applicant"))
        return m.texts().text(OkdText::ApplicantName, language);
    if (head == QLatin1String("title"))
        return m.texts().text(OkdText::ThesisTitle, language);
    if (head == QLatin1String("abstract"))
        return m.texts().text(OkdText::ThesisAbstract, language);
    if (head.startsWith(QLatin1String("supervisor")))
        return m.supervisorName(head.mid(10).toInt(), language);
    const OkdOrganisation &org = m.organisation(head.mid(3).toInt());
    const QList<std::pair<QString, QString>> parts = {{u"code"_s, org.code},
                                                      {u"name"_s, org.name},
                                                      {u"city"_s, org.city},
                                                      {u"location"_s, org.location},
                                                      {u"subordination"_s, org.subordination},
                                                      {u"phone"_s, org.phone},
                                                      {u"email"_s, org.email}};
    for (const auto &[key, value] : parts) {
        if (key == tail)
            return value;
    }
    return u"<unknown %1>"_s.arg(name);
}

// A card with every line: four organisations (the applicant's workplace a natural
// person), both titles and abstracts, three supervisors, four opponents, the council
// and its chairman, two speciality codes and subject codes; in the card's own order.
inline QStringList fullCard()
{
    return cardText(R"(5013\05
5256\1
5418\12/34\01.02.24
5438\0124U000123
5436\0104U000123; 0105U000456
6147\1\Петренко Петро Петрович
6147\3\Petrenko Petro
6642\1
7425\к.т.н.
6444\05.13.06
6444\01.05.02
6480\123
7434\15.06.24
5743\2
5744\15
5715\720
7021\Д-17
7443\40
7344\35
9045\1\Методи керування
9045\3\Control methods
9118\1\Реферат дисертації
9118\3\Abstract of the thesis
7452\Д 26.001.01
1334\МОН України
1335\НАН України
1336\Мінекономіки
1133\ВУЗ
7461\044-111-11-11
2430\12345678
2304\Київський університет
2637\КИЇВ\вул. Володимирська, 60
2936\044-222
2395\univ@knu.ua
3240\23456789
3330\Інститут кібернетики
3276\КИЇВ\пр. Глушкова, 40
3294\044-333
3295\ic@nas.ua
2484\2\1234567890
2187\Петренко Петро Петрович, ФОП
2781\ЛЬВІВ\вул. Зелена, 1
2988\032-444
3296\p@ukr.net
5742\ 120
5751\   3
5760\  45
5778\  12
5787\ 210
5481\  18
5472\   2
6156\1\1\Коваленко Іван\д.т.н.\професор\05.13.06\01.05.02
6156\1\3\Kovalenko Ivan
6156\2\1\Сидоренко Олег\к.т.н.\доцент\05.13.06\  .  .  
6156\2\3\Sydorenko Oleh
6156\3\1\Мельник Анна\д соц.комунік.\\  .  .  \  .  .  
6156\3\3\Melnyk Anna
6165\1\Шевченко Тарас\д.т.н.\професор\05.13.06\  .  .  
6165\2\Бойко Ольга\к.т.н.\доцент\05.13.06\01.05.02
6165\3\Ткаченко Юрій\к культурол.н.\\  .  .  \  .  .  
6165\4\Гнатюк Віра\\\  .  .  \  .  .  
5634\004.8
5616\27.41.15.00
5616\28.23.15.00
6174\Іваненко Іван Іванович
6141\044-555, Ковальчук
6273\д.т.н.\професор
6140\Петров П.П.)");
}

inline const cardSteps::Steps<OkdModel> card{CardType::OKD};

using cardSteps::linesOf;

} // namespace okdTest
