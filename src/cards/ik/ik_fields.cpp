#include "cards/ik/ik_fields.h"

#include "fields/common_texts.h"
#include "fields/field_rules.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

using Page = QList<FieldRow>;
using F = FieldRow;
using K = FieldKind;

// The state registration and accounting numbers: a letter "U" first or fifth, and
// the mark "с" at the end.
F stateNumber(const QString &name, const QString &code, const QString &label)
{
    return F(K::Masked, name, code).mask(u"AA99A999999l;1;_"_s, 12).label(label);
}

// A field "Інше" beside a code box, for the text of its "other" code `otherCode`.
F otherText(const QString &name, const QString &code, const QString &otherCode)
{
    return F(K::Edit, name, code).label(u"Інше"_s).hint(u"Вказується при віборі коду "_s + otherCode + u" (інше)"_s);
}

// A hint of codes: the heading line, then "code - meaning" per line.
QString codeHint(const QString &heading, const QStringList &codes, const QStringList &meanings)
{
    QStringList lines;
    if (!heading.isEmpty())
        lines << heading;
    for (qsizetype i = 0; i < codes.size(); ++i)
        lines << codes.at(i) + u" - "_s + meanings.at(i);
    return lines.join(QLatin1Char('\n'));
}

// A code box that starts empty and a cleared card empties, its hint the meanings of its codes.
F codeBox(const QString &name, const QString &code, const QStringList &codes, const QString &label,
          const QString &heading, const QStringList &meanings)
{
    return F(K::Combo, name, code).items(codes).cleared({}).label(label)
        .hint(codeHint(heading, codes, meanings));
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << prefix + QString::number(i);
    return out;
}

const QStringList kPages = {u"Реєстраційні дані"_s, u"Опис. Переваги "_s, u"Завершеність. Упровадження"_s,
                            u"Власник"_s, u"Інвестор. Виконавець"_s};

QString productKindHint()
{
    return u"01 - випуск нового виду продукції\n"
           u"001 - техніки\n"
           u"002 - технології\n"
           u"003 - матеріалів\n"
           u"004 - сортів рослин\n"
           u"005 - порід тварин\n"
           u"006 - методів, теорій\n"
           u"007 - інше (методична документація, нормативно-технічна документація, правові документи, "
           u"програмно-технологічна документація тощо -вказати)\n"
           u"02 - поліпшення якості продукції, що випускається\n"
           u"03 - інше (збільшення обсягів виробництва, поліпшення умов праці, поліпшення стану навколишнього "
           u"середовища, економія енергоресурсів, економія матеріалів, зменшення зносу обладнання, збільшення "
           u"продуктивності праці, поліпшення ефективності діагностики та лікування хворих тощо - вказати)"_s;
}

Page registrationPage()
{
    auto rubric = [](const QString &name) {
        return F(K::Masked, name, u"5616"_s).rubricMask().hint(commonTexts::veltarisHint());
    };
    return Page{
        F(K::Masked, u"ed5439"_s, u"5439"_s).mask(u"9999U999999;1;_"_s, 11)
            .label(u"5439. Інвентарний номер IK НТП"_s).hint(u"Надається в Велтарис"_s),
        F(K::Masked, u"ed5419"_s, u"5419"_s).dateMask().label(u"5419. Дата реєстрації"_s)
            .hint(commonTexts::dateHint()),
        // The only field whose key marks the card modified.
        stateNumber(u"ed5436"_s, u"5436"_s, u"5436. Державний реєстраційний №"_s).marks().hint(commonTexts::stateNumberHint()),
        stateNumber(u"ed5437"_s, u"5437"_s, u"5437. Державний обліковий номер"_s)
            .hint(u"Вказується державний обліковий номер НДР (ДКР), зафіксований в ОК (п'ята літера \"U\")"_s),
        languageGroup(u"Indjzr"_s, u"українська"_s, u"Мова назви науково-технічної продукції:"_s),
        F(K::Memo, u"mm9027"_s, u"9027"_s).noEnter().label(u"9027. Назва науково-технічної продукції "_s),
        F(K::Combo, u"cb9153"_s, u"9153"_s).items(commonTexts::resultKinds()).cleared({})
            .label(u"9153. Вид продукції"_s).hint(productKindHint()),
        // Its entries follow the choice in cb9153; any text may be typed.
        F(K::Combo, u"cb9153a"_s, u"9153"_s).cleared({}).label(u"9153. Інше"_s)
            .hint(u"інше - словники надаються після вибору в реквізиті 9153 кодів 007 або 03, або дописати нове"_s),
        F(K::Memo, u"mm9155"_s, u"9155"_s).label(u"9155. Галузь застосування"_s)
            .hint(u"Вказується можлива галузь застосування відповідно до\n"
                  u"Класифікатора видів економічної діяльності (КВЕД)"_s),
        rubric(u"ed5616b"_s),
        rubric(u"ed5616c"_s),
        rubric(u"ed5616d"_s),
        rubric(u"ed5616e"_s),
        rubric(u"ed5616f"_s),
        // First on the screen, entered last.
        rubric(u"ed5616a"_s).label(u"5616. Коди тематичних рубрик"_s)
            .hint(u"Коди рубрик за ДР НТІ проставляються в Велтарис"_s),
    };
}

Page descriptionPage()
{
    return Page{
        F(K::Memo, u"mm9118"_s, u"9118"_s).noEnter().label(u"9118. Опис науково-технічної продукціїї"_s)
            .hint(u"Надається короткий опис розробки (максимум 500 знаків)"_s),
        F(K::Memo, u"mm5635"_s, u"5635"_s)
            .label(u"5635.Технічні переваги. Науково-технічний рівень щодо кращих вітчизняних та зарубіжних "
                   u"аналогів (прототипів)"_s),
        F(K::Memo, u"mm5636"_s, u"5636"_s).label(u"5636. Економічні переваги"_s)
            .hint(u"Вказуються економічна привабливість продукції для просування на ринок, впровадження та \n"
                  u"реалізації, показники, вартість"_s),
        F(K::Memo, u"mm1001"_s, u"1001"_s).label(u"1001. Вплив на зовнішнє середовище. Екологічність"_s),
    };
}

Page completionPage()
{
    const QStringList stages = numbered(u"3."_s, 9);
    const QStringList rights = numbered(u"5."_s, 6);
    const QStringList transfers = numbered(u"4."_s, 9);
    return Page{
        otherText(u"ed7326"_s, u"7326"_s, u"3.9"_s),
        // Its list ends with an empty entry: the stage may stay unnamed.
        codeBox(u"cb7326"_s, u"7326"_s, stages, u"7326. Стадія завершеності науково-технічної продукції"_s,
                u"Вказуються відповідні коди: "_s,
                {u"Ідея, концепція"_s, u"Звіт по НДДКР"_s, u"Експериментальний (макетний) зразок"_s,
                 u"Дослідний зразок"_s, u"Конструкторська та технологічна документація"_s, u"Промисловий зразок"_s,
                 u"Дрібносерійне виробництво"_s, u"Серійне виробництво"_s, u"Інше (вкажіть свій варіант)"_s})
            .items(stages + QStringList{QString()}),
        codeBox(u"cb7344"_s, u"7344"_s, {u"35"_s, u"53"_s}, u"7344. Упровадження науково-технічної продукції"_s,
                u"Проставляється відповідний код: "_s, {u"Упроваджено"_s, u"Не впроваджено"_s}),
        F(K::Edit, u"ed5638a"_s, u"5638"_s).label(u"- строки впровадження"_s),
        F(K::Edit, u"ed5638b"_s, u"5638"_s).label(u"- виробники продукції"_s),
        F(K::Edit, u"ed5638c"_s, u"5638"_s).label(u"- споживачі продукції"_s),
        F(K::Edit, u"ed5638d"_s, u"5638"_s).label(u"- перспективні ринки"_s),
        codeBox(u"cb1005"_s, u"1005"_s, rights, u"1005. Права інтелектуальної власності"_s, u"Вказується необхідний код: "_s,
                {u"Є ліцензійна угода"_s,
                 u"Отримано патент (вид патенту, номер патенту або заявки, власник патенту, об'єкт патентування, "
                 u"країни, на які поширюється патент, вказуються в полі \"Інше\")"_s,
                 u"Ноу-хау"_s, u"За договорами"_s, u"Подано заявку на патент"_s, u"Інше (вказати)."_s}),
        otherText(u"ed1005"_s, u"1005"_s, u"5.6"_s),
        codeBox(u"cb1004"_s, u"1004"_s, transfers, u"1004. Форми та умови передачі продукції"_s,
                u"Вказується необхідний код: "_s,
                {u"Продаж ліцензії"_s, u"Продаж \"ноу-хау\""_s, u"Продаж патенту"_s, u"Продаж продукції"_s,
                 u"Навчання персоналу"_s, u"Інвестиції"_s, u"Спільні НДДКР"_s, u"Спільне  виробництво"_s,
                 u"Інше (вказати)."_s}),
        otherText(u"ed1004"_s, u"1004"_s, u"4.9"_s),
        // Used by printing only; never saved.
        F(K::Combo, u"cbdsk"_s).items({QString(), u"1"_s}).label(u"Позначка ДСК"_s)
            .hint(u"Для ДСК у бланку знищується запис про обмеження публікації.\n1 - ДСК"_s),
    };
}

Page ownerPage()
{
    const QStringList kinds = commonTexts::personKinds();
    return Page{
        F(K::Edit, u"Edit1"_s, u"2459"_s).byDefault(u"1"_s).cleared(u"1"_s).label(u"Порядковий №"_s),
        F(K::Combo, u"lizz"_s, u"2459"_s).items(kinds).byDefault(kinds.at(0)),
        F(K::Masked, u"ed2459"_s, u"2459"_s).mask(fieldRules::legalCodeMask(), 8)
            .label(u"2459. Код організації за ЄДРПОУ"_s),
        F(K::Edit, u"gorz"_s, u"2459"_s).label(u"Місто"_s),
        F(K::Memo, u"mm2153"_s, u"2459"_s).noEnter().label(u"2153. Повне найменування (або П.І.Б)"_s),
        F(K::Edit, u"ed2360"_s, u"2459"_s).label(u"2360. Скорочене найменування"_s),
        F(K::Memo, u"mm2657"_s, u"2459"_s).label(u"2657. Місцезнаходження"_s),
        F(K::Masked, u"ed2935"_s, u"2459"_s).label(u"2935. Телефон / Факс"_s),
        F(K::Masked, u"ed2395"_s, u"2459"_s).label(u"2395. E-mail / WWW"_s).hint(commonTexts::mailHint()),
        F(K::Edit, u"ed1333"_s, u"2459"_s).maxLength(80).label(u"1333. Відомча підпорядкованість"_s)
            .hint(commonTexts::subordinationHint(u"Власник"_s)),
        F(K::Edit, u"ed6120"_s, u"2459"_s).label(u"6120. П.І.Б. власника(ків) продукції "_s),
        F(K::Masked, u"ed5518N"_s, u"2459"_s).maxLength(30).label(u"5518. № юридичного документа"_s)
            .hint(commonTexts::documentHint()),
        F(K::Masked, u"ed5518D"_s, u"2459"_s).dateMask().label(u"дата видачі"_s).hint(commonTexts::dateHint()),
    };
}

QStringList degrees()
{
    const QStringList sciences = {u"арх."_s,    u"б.н."_s,     u"вет.н."_s,  u"військ.н."_s, u"геогр.н."_s,
                                  u"геол.н."_s, u"держ.упр."_s, u"е.н."_s,    u"і.н."_s,      u"мед.н."_s,
                                  u"мист."_s,   u"пед.н."_s,   u"політ.н."_s, u"соц.н."_s,     u"т.н."_s,
                                  u"ф.-м.н."_s, u"фарм.н."_s,  u"фіз.вих."_s, u"філол.н."_s,   u"філос.н."_s,
                                  u"х.н."_s,    u"ю.н."_s,     u"психол.н."_s, u"с.-г.н."_s};
    QStringList out{QString()};
    for (const QString &level : {u"д."_s, u"к."_s}) {
        for (const QString &science : sciences)
            out << level + science;
    }
    return out;
}

Page investorPage()
{
    const QStringList statuses = {u"9.1"_s, u"9.2"_s, u"9.3"_s};
    const QStringList sizes = {u"9.4.1"_s, u"9.4.2"_s, u"9.4.3"_s, u"9.4.4"_s};
    return Page{
        F(K::Edit, u"ed10061"_s, u"1006"_s).label(u"6.1. Потрібний обсяг інвестицій, тис.грн."_s),
        F(K::Edit, u"ed10062"_s, u"1006"_s).label(u"6.2. Права, що надаються інвестору після завершення роботи"_s),
        F(K::Edit, u"ed10063"_s, u"1006"_s).label(u"6.3. Наявність бізнес-плану (так, ні)"_s),
        F(K::Edit, u"ed10064"_s, u"1006"_s).label(u"6.4. Техніко-економічне обгрунтування (так, ні)"_s),
        F(K::Edit, u"ed10065"_s, u"1006"_s).label(u"6.5. Потенціальний обсяг продажу, тис.грн."_s),
        F(K::Edit, u"ed10066"_s, u"1006"_s).label(u"6.6. Термін окупності (років)"_s),
        F(K::Edit, u"ed10067"_s, u"1006"_s).label(u"6.7. Додаткова інформація (за бажанням власника розробки)"_s),
        codeBox(u"cb1009"_s, u"1009"_s, statuses, u"1009. Статус організації (підприємства) - виконавця"_s,
                u"Проставляються коди статуту організації (підприємства):"_s,
                {u"Державна"_s, u"Змішана"_s, u"Приватна"_s}),
        // Empty at creation; a cleared card shows its first entry.
        F(K::Combo, u"cb1009a"_s, u"1009"_s).items(sizes + QStringList{QString()}).label(u"розмір організації"_s)
            .hint(u"Проставляються коди розміру організації (підприємства):\n"_s
                  + codeHint(u"9.4 - Розмір організації (підприємства) :"_s, sizes,
                             {u"до 50 співробітників"_s, u"50-250 співробітників"_s, u"250-500 співробітників"_s,
                              u"більше 500 співробітників"_s})),
        F(K::Edit, u"ed6111"_s, u"6111"_s).label(u"6111. Керівник  юридичної особи"_s),
        F(K::Combo, u"cb6210"_s, u"6210"_s).items(degrees()).label(u"Науковий ступінь керівника"_s),
        F(K::Edit, u"ed6141"_s, u"6141"_s)
            .label(u"6141. Відповідальний за підготовку документів\n (телефон, П.І.Б.)"_s),
        F(K::Edit, u"ed6140"_s, u"6140"_s).label(u"6140. Керівник відділу держреєстрації Велтарис"_s)
            .hint(commonTexts::veltarisHint()),
    };
}

} // namespace

const FieldTable &ikFieldTable()
{
    static const FieldTable table = fieldTableOfPages(
        kPages, {registrationPage(), descriptionPage(), completionPage(), ownerPage(), investorPage()});
    return table;
}

QString ikHeadingAbove(const QString &field)
{
    static const QHash<QString, QString> headings = {
        {u"ed5638a"_s, u"5638. Практична реалізація продукції :"_s},
        {u"Edit1"_s, u"Відомості про власника продукції"_s},
        {u"ed10061"_s, u"1006. Бажаний характер співробітництва з інвестором"_s},
    };
    // The rubric codes stand under the caption of the first of them.
    if (field == u"ed5616a"_s)
        return ikFieldTable().find(field)->label;
    return headings.value(field);
}

QString ikPageHint(int page)
{
    return page == 3 ? commonTexts::deletionHint(u"власника"_s) : QString();
}

QString ikLabelName(const QString &field)
{
    static const QHash<QString, QString> names = {
        {u"ed2459"_s, u"Label27"_s}, {u"cb9153a"_s, u"lab9153"_s}, {u"ed7326"_s, u"lab7326"_s},
        {u"ed1005"_s, u"Lab1005"_s}, {u"ed1004"_s, u"Lab1004"_s},
    };
    return names.value(field);
}

const QStringList &ikClickMarkFields()
{
    static const QStringList fields = {u"lizz"_s};
    return fields;
}

const QStringList &ikRubricFields()
{
    static const QStringList fields = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s,
                                       u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
    return fields;
}

const QStringList &ikOwnerFields()
{
    static const QStringList fields = {u"ed2459"_s, u"gorz"_s,   u"mm2153"_s, u"mm2657"_s,  u"ed2935"_s, u"ed2395"_s,
                                       u"ed2360"_s, u"ed1333"_s, u"ed5518N"_s, u"ed5518D"_s, u"ed6120"_s};
    return fields;
}
