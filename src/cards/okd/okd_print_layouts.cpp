#include "cards/okd/okd_print_layouts.h"

#include "print/layout_kit.h"
#include "print/report_layouts.h"
#include "print/text_wrap.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace okdPrintLayouts {

namespace {

using layoutKit::bold;
using layoutKit::label;
using layoutKit::lines;
using layoutKit::memo;
using layoutKit::text;
using Type = PageElement::Type;

// A caption of a row's second column: it ends just before the value it names, so no
// font prints it into its value.
PageElement before(double valueLeft, double top, const QString &s, int size = 13)
{
    const double width = textWidth(s, layoutFont(u"Arial"_s, size));
    return text(valueLeft - width - 6, top, s, size);
}

// "(див. продовження)" beside a cut text.
PageElement mark(const QString &name, double top)
{
    return label(name, 576, top, 135, 12);
}

const QString kPerson = u"(прізвище, ім'я, по батькові)"_s;

QList<PageElement> page1Elements()
{
    return {
        {.type = Type::Label, .left = 152, .top = 4, .width = 430, .pixelSize = 16, .bold = true,
         .text = u"ОБЛІКОВА КАРТКА ДИСЕРТАЦІЇ (ОКД)"_s},

        text(8, 32, u"5438.Державний обліковий номер "_s),
        label(u"QRLabel14"_s, 256, 32, 167),
        before(580, 32, u"5013. Вид дисертації"_s),
        label(u"QRLabel57"_s, 580, 32, 131),
        text(8, 52, u"    5436. Державні реєстраційні номери"_s),
        label(u"QRLabel9"_s, 256, 52, 455),
        text(8, 72, u"5418. №, дата супровідного листа"_s),
        label(u"QRLabel3"_s, 216, 72, 206),
        before(580, 72, u"5256. Особливі позначки"_s),
        label(u"QRLabel2"_s, 580, 72, 131),

        bold(8, 102, u"ВІДОМОСТІ ПРО ЗДОБУВАЧА"_s),
        text(8, 126, u"6147. Прізвище, ім'я, по батькові здобувача (1 - українською мовою,  3 - англійською мовою)"_s),
        memo(u"QRMemo1"_s, 8, 141, 703, 39, 13, true),
        text(8, 186, u"6642. Аспірантура"_s),
        label(u"QRLabel67"_s, 221, 186, 138),
        before(596, 186, u"7425. На здобуття наукового ступеня"_s),
        label(u"QRLabel69"_s, 596, 186, 116),
        text(8, 206, u"6444. Шифр наукової спеціальності"_s, 12),
        label(u"QRLabel71"_s, 221, 206, 138),
        before(596, 206, u"6480. № спеціальності за освітою"_s),
        label(u"QRLabel73"_s, 596, 206, 116),
        text(8, 225, u"7434. Дата захисту"_s),
        label(u"QRLabel75"_s, 221, 225, 490),
        text(8, 244, u"7021. Шифр дисертації"_s),
        label(u"QRLabel80"_s, 163, 244, 548),

        bold(8, 272, u"ВІДОМОСТІ ПРО СПЕЦІАЛІЗОВАНУ ВЧЕНУ РАДУ"_s),
        text(8, 296, u"7452. Шифр вченої ради"_s),
        label(u"QRLabel39"_s, 178, 296, 181),
        before(486, 296, u"7461. Телефон"_s),
        label(u"QRLabel83"_s, 486, 296, 225),

        bold(8, 329, u"ВІДОМОСТІ ПРО УСТАНОВУ, ОРГАНІЗАЦІЮ, У ВЧЕНІЙ РАДІ ЯКОЇ  ВІДБУВСЯ ЗАХИСТ"_s, 12),
        text(8, 353, u"2430. Код за ЄДРПОУ"_s),
        label(u"QRLabel76"_s, 234, 353, 478),
        memo(u"QRMemo5"_s, 8, 373, 704, 32),
        text(8, 406, u"2637. Місцезнаходження"_s),
        label(u"QRLabel35"_s, 234, 406, 478),
        text(8, 424, u"2936. Телефон / Факс"_s),
        label(u"QRLabel30"_s, 234, 424, 478),
        text(8, 443, u"2395. E-mail /WWW"_s),
        label(u"QRLabel49"_s, 234, 443, 478),
        text(8, 462, u"1334. Відомча підпорядкованість"_s),
        label(u"QRLabel40"_s, 234, 462, 478),
        text(8, 483, u"1133. Сектор науки"_s),
        label(u"QRLabel29"_s, 234, 483, 478),

        bold(8, 511, u"ВІДОМОСТІ ПРО УСТАНОВУ, ОРГАНІЗАЦІЮ, В ЯКІЙ БУЛО ВИКОНАНО ДИСЕРТАЦІЮ"_s, 12),
        text(8, 538, u"3240. Код за ЄДРПОУ"_s),
        label(u"QRLabel32"_s, 160, 538, 552),
        memo(u"QRMemo4"_s, 8, 557, 703, 33),
        text(8, 598, u"3276. Місцезнаходження"_s),
        label(u"QRLabel77"_s, 230, 598, 482),
        text(8, 618, u"3294. Телефон / Факс"_s),
        label(u"QRLabel55"_s, 230, 618, 482),
        text(8, 639, u"3295. E-mail / WWW"_s),
        label(u"QRLabel56"_s, 230, 639, 482),
        text(8, 660, u"1335. Відомча підпорядкованість"_s),
        label(u"QRLabel34"_s, 230, 660, 482),

        bold(8, 686, u"ВІДОМОСТІ ПРО ПІДПРИЄМСТВО, УСТАНОВУ, ОРГАНІЗАЦІЮ, ДЕ ПРАЦЮЄ ЗДОБУВАЧ"_s, 12),
        text(8, 710, u"2484. Код за ЄДРПОУ (ідентифікаційний номер)"_s),
        label(u"QRLabel13"_s, 331, 710, 383),
        memo(u"QRMemo2"_s, 8, 730, 703, 33),
        text(8, 765, u"2781. Місцезнаходження"_s),
        label(u"QRLabel22"_s, 234, 765, 478),
        text(8, 783, u"2988. Телефон / Факс"_s),
        label(u"QRLabel25"_s, 234, 783, 478),
        text(8, 801, u"3296. E-mail / WWW"_s),
        label(u"QRLabel36"_s, 234, 801, 478),
        text(8, 822, u"1336. Відомча підпорядкованість"_s),
        label(u"QRLabel38"_s, 234, 822, 478),

        bold(8, 848, u"9045. Тема дисертації"_s),
        text(184, 848, u"(1 - українською мовою,  3 - англійською мовою)"_s),
        memo(u"QRMemo3"_s, 8, 872, 701, 150),
        mark(u"QRLabel26"_s, 1025),
    };
}

QList<PageElement> page2Elements()
{
    return {
        bold(4, 6, u"9118. Р е ф е р а т "_s),
        text(150, 6, u" (1 - українською мовою,    3 - англійською мовою)"_s),
        memo(u"QRMemo3"_s, 4, 28, 701, 302),
        mark(u"QRLabel94"_s, 333),
        text(4, 351, u"7443. Підсумки дослідження"_s),
        label(u"QRLabel64"_s, 208, 351, 504),

        bold(4, 370, u"Кількісні характеристики дисертації"_s),
        text(4, 388, u"5742. Кількість сторінок"_s),
        label(u"QRLabel67"_s, 300, 388, 136),
        before(638, 388, u"5751. Кількість додатків"_s),
        label(u"QRLabel10"_s, 638, 388, 70),
        text(4, 408, u"5760. Кількість ілюстрацій"_s),
        label(u"QRLabel3"_s, 300, 408, 136),
        before(638, 408, u"5778. Кількість таблиць"_s),
        label(u"QRLabel37"_s, 638, 408, 70),
        text(4, 427, u"5787. Кількість використаних першоджерел"_s),
        label(u"QRLabel5"_s, 300, 427, 136),
        before(638, 427, u"5481. Кількість публікацій"_s),
        label(u"QRLabel41"_s, 638, 427, 70),
        text(4, 447, u"5472. Кількість патентів"_s),
        label(u"QRLabel88"_s, 300, 447, 136),
        before(638, 447, u"5715. Мова документа"_s),
        label(u"QRLabel77"_s, 638, 447, 70),
        text(4, 465, u"5743. Кількість електронних носіїв"_s),
        label(u"QRLabel55"_s, 300, 465, 136),
        before(638, 465, u"5744. Загальна кількість файлів"_s),
        label(u"QRLabel93"_s, 638, 465, 70),
        text(4, 483, u"7344. Упровадження результатів дисертації"_s),
        label(u"QRLabel56"_s, 302, 483, 406),

        lines(4, 512, 706,
              {u"6156. П.І.Б. (1 -  українською мовою, 3 - англійською мовою); науковий ступінь; вчене звання; "
               u"шифр наукової"_s,
               u" спеціальності наукових керівників"_s},
              12),
        memo(u"QRMemo2"_s, 4, 544, 706, 98),
        text(4, 644, u"6165. П.І.Б.; науковий ступінь; вчене звання; шифр наукової спеціальності офіційних опонентів"_s,
             12),
        // Emptied by the print, without a blank first line.
        {.type = Type::Memo, .name = u"QRMemo1"_s, .left = 4, .top = 665, .width = 706, .height = 131},

        text(4, 800, u"5634. Індекс УДК"_s),
        memo(u"QRMemo28"_s, 112, 800, 598, 18),
        text(4, 820, u"5616. Коди тематичних рубрик"_s),
        memo(u"QRMemo12"_s, 200, 820, 510, 18),
        bold(4, 844, u"6174. Голова спеціалізованої вченої ради"_s),
        label(u"QRLabel87"_s, 296, 844, 415),
        text(420, 861, kPerson, 11),
        text(4, 878, u"6273.Науковий ступінь, вчене звання голови спеціалізованої вченої ради"_s, 12),
        memo(u"QRMemo7"_s, 464, 878, 248, 17),
        text(150, 898, u"Підпис                                               М.П. "_s),

        // The signatures drawn a little closer than on the form, whose last line lies
        // below the printable band.
        bold(4, 917, u"6141. Відповідальний за підготовку облікових документів"_s),
        text(40, 936, u"Телефон"_s),
        label(u"QRLabel19"_s, 112, 936, 599),
        text(150, 953, u"Підпис"_s, 12),
        text(420, 953, kPerson, 11),
        bold(4, 971, u"6140. Керівник відділу Велтарис"_s),
        label(u"QRLabel24"_s, 248, 971, 463),
        text(150, 988, u"Підпис"_s, 12),
        text(420, 988, kPerson, 11),
        bold(4, 1006, u"6142. Реєстратор"_s),
        label(u"QRLabel30"_s, 316, 1006, 395),
        text(420, 1021, kPerson, 11),
        text(150, 1029, u"Підпис"_s, 12),
        text(620, 1029, u"М.П."_s, 12),
    };
}

// Thin vertical rules on both sides of the registration block, the applicant block
// and each organisation block.
void page1Frames(PageLayout &layout)
{
    static const QList<std::pair<double, double>> blocks = {
        {28, 94}, {100, 266}, {270, 320}, {327, 504}, {509, 680}, {684, 842},
    };
    for (const auto &[top, bottom] : blocks)
        layout.frames << layoutKit::vLine(2, top, bottom, 0.75) << layoutKit::vLine(714, top, bottom, 0.75);
}

void buildPage(PageLayout &layout)
{
    const bool first = layout.name() == pageName(1);
    layoutKit::build(layout, first ? page1Elements() : page2Elements(), lineCounts(layout.name()));
    if (first)
        page1Frames(layout);
}

} // namespace

QString pageName(int page)
{
    return page == 1 ? u"TQROkd1"_s : u"TQROkd2"_s;
}

const QHash<QString, int> &lineCounts(const QString &layoutName)
{
    static const QHash<QString, int> page1Counts = {
        {u"QRMemo1"_s, 2}, {u"QRMemo2"_s, 2}, {u"QRMemo3"_s, 9}, {u"QRMemo4"_s, 2}, {u"QRMemo5"_s, 2},
    };
    // Each supervisor may take two lines.
    static const QHash<QString, int> page2Counts = {
        {u"QRMemo2"_s, 6}, {u"QRMemo3"_s, 18}, {u"QRMemo28"_s, 1}, {u"QRMemo12"_s, 1}, {u"QRMemo7"_s, 1},
    };
    static const QHash<QString, int> none;
    return layoutName == pageName(1) ? page1Counts : layoutName == pageName(2) ? page2Counts : none;
}

} // namespace okdPrintLayouts

void registerOkdLayouts()
{
    static const bool registered = [] {
        for (int page : {1, 2})
            ReportLayouts::setBuilder(okdPrintLayouts::pageName(page), okdPrintLayouts::buildPage);
        return true;
    }();
    Q_UNUSED(registered);
}
