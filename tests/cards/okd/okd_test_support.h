#pragma once

#include "cards/okd/okd_model.h"
#include "support/card_steps.h"

#include <QStringList>

// Shared steps of the OKD tests: a card as "Новий" and "Відкрити..." leave it.
namespace okdTest {

inline const cardSteps::Steps<OkdModel> card{CardType::OKD};

// A card with every line: four organisations (the applicant's workplace a natural
// person), both titles and abstracts, three supervisors, four opponents, the council
// and its chairman, two speciality codes and subject codes; in the card's own order.
inline QStringList fullCard()
{
    return QString::fromUtf8(
               "5013\\05\n"
               "5256\\1\n"
               "5418\\12/34\\01.02.24\n"
               "5438\\0124U000123\n"
               "5436\\0104U000123; 0105U000456\n"
               "6147\\1\\Петренко Петро Петрович\n"
               "6147\\3\\Petrenko Petro\n"
               "6642\\1\n"
               "7425\\к.т.н.\n"
               "6444\\05.13.06\n"
               "6444\\01.05.02\n"
               "6480\\123\n"
               "7434\\15.06.24\n"
               "5743\\2\n"
               "5744\\15\n"
               "5715\\720\n"
               "7021\\Д-17\n"
               "7443\\40\n"
               "7344\\35\n"
               "9045\\1\\Методи керування\n"
               "9045\\3\\Control methods\n"
               "9118\\1\\Реферат дисертації\n"
               "9118\\3\\Abstract of the thesis\n"
               "7452\\Д 26.001.01\n"
               "1334\\МОН України\n"
               "1335\\НАН України\n"
               "1336\\Мінекономіки\n"
               "1133\\ВУЗ\n"
               "7461\\044-111-11-11\n"
               "2430\\12345678\n"
               "2304\\Київський університет\n"
               "2637\\КИЇВ\\вул. Володимирська, 60\n"
               "2936\\044-222\n"
               "2395\\univ@knu.ua\n"
               "3240\\23456789\n"
               "3330\\Інститут кібернетики\n"
               "3276\\КИЇВ\\пр. Глушкова, 40\n"
               "3294\\044-333\n"
               "3295\\ic@nas.ua\n"
               "2484\\2\\1234567890\n"
               "2187\\Петренко Петро Петрович, ФОП\n"
               "2781\\ЛЬВІВ\\вул. Зелена, 1\n"
               "2988\\032-444\n"
               "3296\\p@ukr.net\n"
               "5742\\120 \n"
               "5751\\3   \n"
               "5760\\45  \n"
               "5778\\12  \n"
               "5787\\210 \n"
               "5481\\18  \n"
               "5472\\2   \n"
               "6156\\1\\1\\Коваленко Іван\\д.т.н.\\професор\\05.13.06\\01.05.02\n"
               "6156\\1\\3\\Kovalenko Ivan\n"
               "6156\\2\\1\\Сидоренко Олег\\к.т.н.\\доцент\\05.13.06\\  .  .  \n"
               "6156\\2\\3\\Sydorenko Oleh\n"
               "6156\\3\\1\\Мельник Анна\\д соц.комунік.\\\\  .  .  \\  .  .  \n"
               "6156\\3\\3\\Melnyk Anna\n"
               "6165\\1\\Шевченко Тарас\\д.т.н.\\професор\\05.13.06\\  .  .  \n"
               "6165\\2\\Бойко Ольга\\к.т.н.\\доцент\\05.13.06\\01.05.02\n"
               "6165\\3\\Ткаченко Юрій\\к культурол.н.\\\\  .  .  \\  .  .  \n"
               "6165\\4\\Гнатюк Віра\\\\\\  .  .  \\  .  .  \n"
               "5634\\004.8\n"
               "5616\\27.41.15.00\n"
               "5616\\28.23.15.00\n"
               "6174\\Іваненко Іван Іванович\n"
               "6141\\044-555, Ковальчук\n"
               "6273\\д.т.н.\\професор\n"
               "6140\\Петров П.П.")
        .split(QLatin1Char('\n'));
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
        return m.bilingual(OkdText::ApplicantName, language);
    if (head == QLatin1String("title"))
        return m.bilingual(OkdText::ThesisTitle, language);
    if (head == QLatin1String("abstract"))
        return m.bilingual(OkdText::ThesisAbstract, language);
    if (head.startsWith(QLatin1String("supervisor")))
        return m.supervisorName(head.mid(10).toInt(), language);
    const OkdOrganisation &org = m.organisation(head.mid(3).toInt());
    const QList<std::pair<QString, QString>> parts = {{QStringLiteral("code"), org.code},
                                                      {QStringLiteral("name"), org.name},
                                                      {QStringLiteral("city"), org.city},
                                                      {QStringLiteral("location"), org.location},
                                                      {QStringLiteral("subordination"), org.subordination},
                                                      {QStringLiteral("phone"), org.phone},
                                                      {QStringLiteral("email"), org.email}};
    for (const auto &[key, value] : parts) {
        if (key == tail)
            return value;
    }
    return QStringLiteral("<unknown %1>").arg(name);
}

using cardSteps::linesOf;

} // namespace okdTest
