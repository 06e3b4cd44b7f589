#include "cards/rk/rk_print_layouts.h"

#include "print/layout_kit.h"
#include "print/report_layouts.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace rkPrintLayouts {

namespace {

using layoutKit::bold;
using layoutKit::hLine;
using layoutKit::label;
using layoutKit::lines;
using layoutKit::memo;
using layoutKit::text;
using layoutKit::vLine;
using Type = PageElement::Type;

// Page 1: registration data, the executor, the first customer, financing, terms, stages.
QList<PageElement> page1Elements()
{
    return {
        {.type = Type::Label, .left = 160, .top = 3, .width = 398, .pixelSize = 16, .bold = true,
         .align = PageElement::Align::Center, .text = u"РЕЄСТРАЦІЙНА  КАРТКА  НДР І ДКР  (РК)"_s},

        text(8, 29, u"    5436. Державний реєстраційний номер"_s),
        label(u"QRLabel9"_s, 272, 28, 141, 15),
        text(424, 28, u"5256. Особливі позначки"_s),
        label(u"QRLabel2"_s, 580, 26, 129, 15),
        text(8, 50, u"5517. Реєстраційний номер, що змінюється"_s),
        label(u"QRLabel14"_s, 272, 48, 141, 15),
        text(424, 48, u"7209. Статус виконавця"_s),
        label(u"QRLabel37"_s, 572, 45, 137, 15),
        text(8, 68, u"5418. №, дата супровідного листа"_s),
        label(u"QRLabel3"_s, 216, 66, 493, 15),
        text(8, 87, u"7146.Підстави для проведення роботи НДР (ДКР)"_s),
        // Moved right to clear their captions, which the fonts print a little wider
        // than the form allows; each keeps its right edge.
        label(u"QRLabel28"_s, 312, 84, 104, 15),
        text(424, 87, u"7021. Шифр роботи"_s),
        label(u"QRLabel27"_s, 545, 85, 164, 15),
        text(8, 104, u"7210. Державний реєстраційний номер НДР (ДКР) головного виконавця"_s),
        label(u"QRLabel5"_s, 448, 104, 261, 15),

        bold(16, 127, u"ВІДОМОСТІ ПРО ВИКОНАВЦЯ"_s),
        text(8, 148, u"2457. Код за ЄДРПОУ (ідентифікаційний номер)"_s),
        label(u"QRLabel76"_s, 320, 148, 141, 15),
        text(8, 166, u"2151. Повне найменування юридичної особи (або П.І.Б.)"_s),
        memo(u"QRMemo18"_s, 8, 184, 703, 137, 12, true),
        text(8, 322, u"2358. Скорочене найменування юридичної особи"_s),
        label(u"QRLabel39"_s, 328, 322, 384),
        text(8, 342, u"2655. Місцезнаходження"_s),
        label(u"QRLabel35"_s, 216, 341, 496),
        text(8, 360, u"2934. Телефон / Факс"_s),
        label(u"QRLabel30"_s, 216, 360, 496, 12),
        text(8, 379, u"2394. E-mail /WWW"_s),
        label(u"QRLabel49"_s, 216, 379, 496),
        text(8, 398, u"1332. Відомча підпорядкованість"_s),
        label(u"QRLabel40"_s, 224, 398, 488),
        text(8, 419, u"1133. Сектор науки"_s),
        label(u"QRLabel29"_s, 161, 418, 551),
        memo(u"QRMemo2"_s, 8, 436, 701, 64, 13, true),
        label(u"QRLabel78"_s, 582, 506, 115, 12),

        bold(16, 510, u"ВІДОМОСТІ ПРО ЗАМОВНИКА"_s),
        text(8, 535, u"2458. Код за ЄДРПОУ (Ідентифікаційний номер)"_s),
        label(u"QRLabel32"_s, 304, 534, 408, 15),
        memo(u"QRMemo1"_s, 8, 554, 703, 33),
        text(8, 589, u"2656. Місцезнаходження"_s),
        label(u"QRLabel77"_s, 194, 590, 516),
        text(8, 607, u"2935. Телефон / Факс"_s),
        label(u"QRLabel55"_s, 194, 608, 516, 12),
        text(8, 625, u"2395. E-mail / WWW"_s),
        label(u"QRLabel56"_s, 194, 625, 516, 12),
        label(u"QRLabel47"_s, 582, 646, 115, 12),

        bold(16, 650, u"ДЖЕРЕЛА, НАПРЯМИ ТА ОБСЯГИ ФІНАНСУВАННЯ НДР (ДКР)"_s),
        text(8, 671, u"7700. КПКВК"_s),
        label(u"QRLabel18"_s, 104, 670, 318),
        text(8, 690, u"7201. Напрям фінансування"_s),
        memo(u"QRMemo5"_s, 190, 690, 522, 16),
        text(8, 712, u"7023. Назва ДЦП"_s),
        memo(u"QRMemo3"_s, 120, 710, 593, 30),
        text(8, 738, u"7022. Код ДЦП"_s),
        label(u"QRLabel54"_s, 120, 742, 310),

        // The financing table: heads, the six years, two rows of sources.
        lines(3, 764, 86, {u"Код джерела"_s, u"фінансування"_s}),
        lines(92, 764, 106, {u"Загальний обсяг"_s, u"фінансування,"_s, u"тис.грн."_s}),
        text(375, 766, u"у тому числі за роками"_s, 11),
        label(u"QRLabel58"_s, 223, 786, 64),
        label(u"QRLabel59"_s, 312, 786, 63),
        label(u"QRLabel60"_s, 393, 786, 70),
        label(u"QRLabel61"_s, 479, 786, 70),
        label(u"QRLabel62"_s, 567, 786, 72),
        label(u"QRLabel22"_s, 654, 786, 62),
        label(u"QRLabel31"_s, 12, 816, 78),
        label(u"QRLabel64"_s, 100, 816, 98),
        label(u"QRLabel66"_s, 203, 816, 84),
        label(u"QRLabel67"_s, 292, 816, 83),
        label(u"QRLabel68"_s, 380, 816, 83),
        label(u"QRLabel69"_s, 468, 816, 81),
        label(u"QRLabel70"_s, 554, 816, 85),
        label(u"QRLabel23"_s, 644, 816, 72),
        label(u"QRLabel63"_s, 12, 839, 78),
        label(u"QRLabel65"_s, 100, 839, 98),
        label(u"QRLabel71"_s, 203, 839, 84),
        label(u"QRLabel72"_s, 292, 839, 83),
        label(u"QRLabel73"_s, 380, 839, 83),
        label(u"QRLabel74"_s, 468, 839, 81),
        label(u"QRLabel75"_s, 554, 839, 85),
        label(u"QRLabel82"_s, 644, 839, 72),

        bold(8, 862, u"ТЕРМІНИ ВИКОНАННЯ РОБОТИ"_s),
        text(8, 884, u"7353. Початок"_s),
        label(u"QRLabel20"_s, 168, 885, 100),
        text(8, 906, u"7362. Закінчення"_s),
        label(u"QRLabel41"_s, 168, 906, 100),
        text(8, 928, u"9036. Порядковий №;  початок та закінчення етапу; вид звітного документа з НДР (ДКР); назва етапу "_s),
        memo(u"QRMemo4"_s, 8, 945, 701, 80),
        label(u"QRLabel79"_s, 598, 1026, 115, 12),
    };
}

// Page 2: title, purpose, results, subject codes and the signatures.
QList<PageElement> page2Elements()
{
    const QString person = u"(прізвище, ім'я, по батькові)"_s;
    return {
        bold(16, 1, u"ОСНОВНІ ВІДОМОСТІ ПРО НДР (ДКР)"_s, 16),
        text(4, 24, u"9027. Назва НДР (ДКР)"_s, 15),
        text(194, 25, u" (1 - українською мовою,  3 - англійською мовою)"_s),
        memo(u"QRMemo1"_s, 4, 48, 701, 144),
        label(u"QRLabel31"_s, 544, 193, 160, 12),
        text(4, 196, u"9126. Мета НДР (ДКР)"_s),
        memo(u"QRMemo3"_s, 4, 214, 701, 67),
        label(u"QRLabel37"_s, 544, 282, 160, 12),
        text(4, 300, u"7199. Пріоритетний напрям"_s),
        memo(u"QRMemo2"_s, 184, 300, 521, 35, 12),
        text(4, 336, u"7191.Вид НДР (ДКР)"_s),
        memo(u"QRMemo5"_s, 150, 336, 555, 0),
        text(4, 356, u"9153. Очікувані результати"_s),
        memo(u"QRMemo9"_s, 177, 356, 40, 0),
        memo(u"QRMemo10"_s, 218, 354, 487, 0),
        text(4, 376, u"9155. Галузь застосування"_s),
        memo(u"QRMemo16"_s, 4, 394, 701, 66),
        label(u"QRLabel36"_s, 544, 464, 160),
        text(4, 468, u"9156. Експертний висновок"_s),
        memo(u"QRMemo11"_s, 4, 488, 701, 33),
        label(u"QRLabel35"_s, 544, 524, 160),

        bold(28, 526, u"ЗАКЛЮЧНІ ВІДОМОСТІ"_s),
        text(12, 546, u"5634. Індекс УДК"_s),
        memo(u"QRMemo28"_s, 216, 538, 488, 0, 15),
        text(12, 566, u"5616. Коди тематичних рубрик"_s),
        memo(u"QRMemo12"_s, 216, 562, 488, 0, 15),
        memo(u"QRMemo14"_s, 217, 584, 488, 0, 15),
        bold(12, 606, u"6111. Керівник юридичної особи"_s),
        text(404, 624, person, 11),
        memo(u"QRMemo13"_s, 256, 604, 447, 0, 15),
        text(12, 646, u"6210.Науковий ступінь, вчене звання керівника  юридичної особи "_s),
        memo(u"QRMemo8"_s, 428, 643, 276, 0, 15),
        text(164, 672, u"Підпис                                                                          М.П."_s, 12),

        bold(3, 704, u"6120. Керівник роботи"_s),
        text(164, 706, u" (1 -  українською мовою,  3 - англійською мовою)"_s, 11),
        text(177, 721, u"                "_s + person + u"                "_s, 11),
        memo(u"QRMemo6"_s, 3, 740, 701, 54, 15),
        text(4, 804, u"6228.Науковий ступінь, вчене звання керівника роботи"_s),
        memo(u"QRMemo7"_s, 345, 804, 358, 0, 15),
        text(164, 831, u"Підпис"_s, 12),

        bold(4, 858, u"6141. Відповідальний за підготовку реєстраційних документів"_s),
        text(43, 875, u"Телефон"_s),
        label(u"QRLabel25"_s, 113, 874, 590, 15),
        text(164, 900, u"Підпис"_s),
        text(420, 894, person),
        bold(4, 928, u"6140. Керівник відділу Велтарис"_s),
        label(u"QRLabel24"_s, 242, 928, 460, 15),
        text(164, 964, u"Підпис"_s),
        text(420, 952, person),
        bold(4, 986, u"6142. Реєстратор"_s),
        label(u"QRLabel30"_s, 339, 982, 364, 15),
        text(164, 1021, u"Підпис                                                                    М.П."_s),
        text(420, 1006, person),
    };
}

// Value lines each memo must show below its blank first line.
const QHash<QString, int> &lineCounts(const QString &layoutName)
{
    static const QHash<QString, int> page1Counts = {
        // A customer's name and a programme's name often need a second line.
        {u"QRMemo18"_s, 4}, {u"QRMemo2"_s, 4}, {u"QRMemo1"_s, 2},
        {u"QRMemo5"_s, 1},  {u"QRMemo3"_s, 2}, {u"QRMemo4"_s, 5},
    };
    static const QHash<QString, int> page2Counts = {
        {u"QRMemo1"_s, 9},  {u"QRMemo3"_s, 4},  {u"QRMemo2"_s, 1},  {u"QRMemo5"_s, 1},  {u"QRMemo9"_s, 1},
        {u"QRMemo10"_s, 1}, {u"QRMemo16"_s, 4}, {u"QRMemo11"_s, 2}, {u"QRMemo28"_s, 1}, {u"QRMemo12"_s, 1},
        {u"QRMemo14"_s, 1}, {u"QRMemo13"_s, 1}, {u"QRMemo8"_s, 1},  {u"QRMemo6"_s, 2},  {u"QRMemo7"_s, 1},
    };
    static const QHash<QString, int> none;
    if (layoutName == page1())
        return page1Counts;
    if (layoutName == page2())
        return page2Counts;
    return none;
}

constexpr double kRight = 718;

void page1Frames(PageLayout &layout)
{
    layout.boxes = {{.left = 0, .top = 0, .width = kRight, .height = 1044, .penWidth = 1.5}};
    // Groups: registration data, executor, customer, financing, terms and stages.
    layout.frames = {hLine(0, kRight, 23, 1.5), hLine(0, kRight, 123, 1.5), hLine(0, kRight, 505, 1.5),
                     hLine(0, kRight, 645, 1.5), hLine(0, kRight, 859, 1.5)};
    // The financing table.
    const double top = 760;
    const double heads = 811;
    const double bottom = 857;
    layout.frames << hLine(0, kRight, top) << hLine(200, kRight, 783) << hLine(0, kRight, heads)
                  << hLine(0, kRight, 835) << vLine(91, top, bottom) << vLine(200, top, bottom);
    for (double x : {288.0, 376.0, 464.0, 550.0, 640.0})
        layout.frames << vLine(x, 783, bottom);
}

void page2Frames(PageLayout &layout)
{
    layout.boxes = {{.left = 0, .top = 0, .width = kRight, .height = 1044, .penWidth = 1.5}};
    // Groups: the work, closing data, the head of the work, the signatures below.
    layout.frames = {hLine(0, kRight, 21, 1.5), hLine(0, kRight, 521, 1.5), hLine(0, kRight, 698, 1.5),
                     hLine(0, kRight, 852, 1.5), hLine(0, kRight, 922), hLine(0, kRight, 980)};
    // The lines the names and signatures are written on.
    layout.frames << hLine(256, 704, 622) << hLine(210, 500, 687) << hLine(210, 500, 843)
                  << hLine(113, 704, 892) << hLine(210, 400, 912) << hLine(242, 704, 946)
                  << hLine(210, 400, 976) << hLine(339, 704, 1001) << hLine(210, 400, 1037);
}

} // namespace

QString page1()
{
    return u"TQRRk1"_s;
}

QString page2()
{
    return u"TQRRk2"_s;
}

void buildPage1(PageLayout &layout)
{
    layoutKit::build(layout, page1Elements(), lineCounts(layout.name()));
    page1Frames(layout);
}

void buildPage2(PageLayout &layout)
{
    layoutKit::build(layout, page2Elements(), lineCounts(layout.name()));
    page2Frames(layout);
}

QStringList valueMemos(const PageLayout &layout)
{
    return layoutKit::valueMemos(layout, lineCounts(layout.name()));
}

int valueLines(const QString &layoutName, const QString &memo)
{
    return lineCounts(layoutName).value(memo);
}

} // namespace rkPrintLayouts

void registerRkLayouts()
{
    static const bool registered = [] {
        ReportLayouts::setBuilder(rkPrintLayouts::page1(), rkPrintLayouts::buildPage1);
        ReportLayouts::setBuilder(rkPrintLayouts::page2(), rkPrintLayouts::buildPage2);
        return true;
    }();
    Q_UNUSED(registered);
}
