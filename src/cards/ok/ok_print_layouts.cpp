#include "cards/ok/ok_print_layouts.h"

#include "print/layout_kit.h"
#include "print/report_layouts.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace okPrintLayouts {

namespace {

// The form is drawn in millimetres from the band's top left: top first, then left
// and width, as the form's tables give them.
constexpr double mm(double v)
{
    return fromMm(v);
}

PageElement caption(double top, double left, const QString &s, int size = 13)
{
    return layoutKit::text(mm(left), mm(top), s, size);
}

PageElement heading(double top, double left, const QString &s)
{
    return layoutKit::bold(mm(left), mm(top), s);
}

PageElement value(const QString &name, double top, double left, double width, int size = 13)
{
    return layoutKit::label(name, mm(left), mm(top), mm(width), size);
}

PageElement area(const QString &name, double top, double left, double width, int size = 13, bool underline = false)
{
    return layoutKit::memo(name, mm(left), mm(top), mm(width), 0, size, underline);
}

PageElement underlined(const QString &name, double top, double left, double width, int size = 13)
{
    return area(name, top, left, width, size, true);
}

const QString kPerson = u"(прізвище, ім'я, по батькові)"_s;

QList<PageElement> page1Elements()
{
    return {
        // Centred over the page: the form's box is narrower than the title in bold.
        {.type = PageElement::Type::Label, .left = 0, .top = mm(1), .width = mm(190), .pixelSize = 16,
         .bold = true, .align = PageElement::Align::Center, .text = u"ОБЛІКОВА КАРТКА НДР І ДКР (ОК)"_s},
        caption(7, 2, u"5437.Державний обліковий номер "_s),
        value(u"ed5437"_s, 6, 72, 37, 15),
        caption(12, 2, u"    5436. Державний реєстраційний номер"_s),
        value(u"ed5436"_s, 12, 72, 37, 15),
        caption(12, 112, u"5256. Особливі позначки"_s),
        value(u"cb5256"_s, 12, 153, 34),
        caption(18, 2, u"5418. №, дата супровідного листа"_s),
        value(u"ed5418"_s, 17, 57, 130, 15),
        heading(22, 2, u"9036. Порядковий №; початок етапу; закінчення етапу; вид етапу; назва етапу "_s),
        underlined(u"mm9036"_s, 27, 2, 186),
        value(u"markStage"_s, 41, 154, 34, 12),
        caption(45, 2, u"5526. Державні облікові номери виконаних"_s),
        caption(49, 11, u" етапів роботи"_s),
        // Ten numbers take two lines of five at 12 pixels from just after the caption to
        // the frame; two lines end above the executor block.
        underlined(u"ed5526"_s, 46, 72, 117, 12),

        heading(56, 2, u"ВІДОМОСТІ ПРО ВИКОНАВЦЯ"_s),
        caption(62, 2, u"2457. Код за ЄДРПОУ (ідентифікаційний номер)"_s),
        value(u"ed2457"_s, 62, 85, 104, 15),
        caption(67, 2, u"2151. Повне найменування юридичної особи (або П.І.Б.)"_s),
        underlined(u"mm2151"_s, 72, 2, 187, 12),
        caption(109, 2, u"2358. Скорочене найменування юридичної особи"_s),
        value(u"ed2358"_s, 109, 86, 102, 12),
        caption(114, 2, u"2655. Місцезнаходження"_s),
        value(u"mm2655"_s, 114, 58, 131, 12),
        caption(118, 2, u"2934. Телефон / Факс"_s),
        value(u"ed2934"_s, 118, 58, 131, 12),
        caption(124, 2, u"2394. E-mail /WWW"_s),
        value(u"ed2394"_s, 124, 58, 131, 12),
        caption(129, 2, u"1332. Відомча підпорядкованість"_s),
        value(u"ed1332"_s, 129, 58, 131, 12),
        caption(134, 2, u"1133. Сектор науки"_s),
        value(u"cb1133"_s, 134, 58, 131, 12),
        underlined(u"mm2142"_s, 140, 2, 186),

        heading(159, 2, u"ВІДОМОСТІ ПРО ВЛАСНИКА РЕЗУЛЬТАТІВ НДР (ДКР)"_s),
        value(u"markCoExecutors"_s, 159, 154, 34, 12),
        caption(165, 2, u"2459. Код за ЄДРПОУ (ідентифікаційний номер)"_s),
        value(u"ed2459"_s, 165, 85, 104, 15),
        area(u"mm2153"_s, 170, 2, 186, 12),
        caption(180, 2, u"2360. Скорочене найменування юридичної особи"_s),
        value(u"ed2360"_s, 180, 85, 104, 12),
        caption(186, 2, u"2657. Місцезнаходження"_s),
        value(u"mm2657"_s, 185, 58, 131, 12),
        caption(191, 2, u"2935. Телефон / Факс"_s),
        value(u"ed2935"_s, 191, 58, 131, 12),
        caption(196, 2, u"2395. E-mail / WWW"_s),
        value(u"ed2395"_s, 196, 58, 131, 12),
        caption(202, 2, u"1333. Відомча підпорядкованість"_s),
        value(u"ed1333"_s, 202, 58, 131, 12),
        caption(207, 2, u"5518. № юридичного документа, дата видачі"_s),
        value(u"ed5518"_s, 207, 78, 110, 12),
        value(u"markOwners"_s, 212, 154, 30, 12),

        heading(213, 4, u"ДЖЕРЕЛА, НАПРЯМИ ТА ОБСЯГИ ФІНАНСУВАННЯ НДР (ДКР)"_s),
        caption(220, 4, u"7700. КПКВК"_s),
        value(u"ed7700"_s, 220, 28, 86, 12),
        caption(226, 4, u"7201. Напрям фінансування"_s),
        area(u"cb7201"_s, 226, 53, 133, 12),
        caption(233, 4, u"7023. Назва ДЦП"_s),
        area(u"ed7023"_s, 231, 34, 153, 12),
        caption(241, 4, u"7022. Код ДЦП"_s),
        value(u"ed7022"_s, 241, 32, 82, 12),
        heading(248, 4, u"Фактичні обсяги фінансування, тис.грн."_s),
        caption(254, 4, u"Код джерела фінансування"_s),
        caption(254, 75, u"Обсяг фінансування за звітний етап"_s),
        value(u"fin"_s, 260, 15, 17, 12),
        value(u"sum"_s, 260, 53, 110, 12),
        value(u"fin1"_s, 266, 15, 17, 12),
        value(u"sum1"_s, 266, 53, 110, 12),
    };
}

QList<PageElement> page2Elements()
{
    const QString languages = u" (1 - українською мовою,   3 - англійською мовою)"_s;
    return {
        heading(0, 2, u"ОСНОВНІ ВІДОМОСТІ ПРО НДР (ДКР)"_s),
        caption(6, 1, u"9027. Назва роботи"_s),
        caption(6, 38, languages),
        underlined(u"mm9027"_s, 11, 1, 186),
        value(u"markTitle"_s, 47, 157, 31, 12),
        caption(47, 1, u"9117. Р е ф е р а т "_s),
        caption(47, 34, languages),
        area(u"mm9117"_s, 52, 1, 186),
        value(u"markAbstract"_s, 121, 157, 31, 12),
        caption(123, 1, u"5481. Бібліографічний опис (статей, монографій, нормативно-технічної документації тощо)"_s),
        underlined(u"mm5481"_s, 128, 1, 186),
        value(u"markBibliography"_s, 138, 157, 31, 12),
        caption(138, 1, u"5040.Вид звітного документа"_s),
        value(u"cb5040"_s, 138, 56, 32),
        caption(142, 1, u"5715. Мова документа"_s),
        value(u"cb5715"_s, 143, 56, 39),
        caption(142, 94, u"5742. Кількість сторінок"_s),
        value(u"ed5742"_s, 142, 168, 19),
        caption(148, 1, u"5743.Кількість електронних носіїв"_s),
        value(u"ed5743"_s, 148, 56, 39),
        caption(148, 94, u"5744.Загальна кількість файлів"_s),
        value(u"ed5744"_s, 148, 168, 19),
        caption(153, 1, u"5535. Умови поширення в Україні"_s),
        value(u"cb5535"_s, 153, 56, 39),
        caption(153, 94, u"5211. Умови передачі зарубіжним країнам"_s),
        value(u"cb5211"_s, 153, 168, 19),
        caption(158, 1, u"5634. Індекс УДК"_s),
        area(u"ed5634"_s, 158, 32, 155, 15),
        caption(164, 1, u"5616. Коди тематичних рубрик"_s),
        // Six codes need the width from just after the caption to the frame.
        area(u"ed5616"_s, 163, 50.5, 138, 15),
        heading(169, 1, u"6111. Керівник юридичної особи "_s),
        area(u"ed6111"_s, 169, 64, 123),
        caption(174, 109, kPerson),
        caption(179, 1, u"6210.Науковий ступінь, вчене звання керівника юридичної особи"_s),
        area(u"ed6210vc"_s, 179, 110, 78),
        caption(185, 46, u"Підпис                                                                          М.П."_s),

        caption(193, 1, u"6120. Керівник роботи"_s),
        caption(193, 39, u" (1 -  українською мовою,  3 - англійською мовою)"_s),
        caption(193, 140, u" "_s + kPerson + u" "_s),
        underlined(u"ed6120"_s, 198, 1, 188),
        caption(208, 1, u"6228.Науковий ступінь, вчене звання керівника роботи"_s),
        area(u"ed6228vc"_s, 208, 91, 97),
        caption(212.2, 57, u"Підпис"_s),

        caption(217, 1, u"6121. Список виконавців"_s),
        caption(223, 3, u"Прізвище, ім'я, по батькові"_s),
        caption(223, 91, u"Посада"_s),
        caption(223, 129, u"Науковий ступінь, вчене звання"_s),
        value(u"ed6121a1"_s, 230, 3, 72),
        value(u"ed6121ak1"_s, 230, 78, 17),
        value(u"ed6121az1"_s, 230, 121, 65),
        value(u"ed6121a2"_s, 235, 3, 72),
        value(u"ed6121ak2"_s, 235, 78, 17),
        value(u"ed6121az2"_s, 235, 121, 65),
        value(u"markExecutors"_s, 242, 157, 31, 12),

        // The signatures drawn closer together than on the form, whose last lines lie
        // beyond the printable band.
        heading(243, 1, u"6141. Відповідальний за підготовку облікових документів"_s),
        caption(247, 11, u"Телефон"_s),
        value(u"ed6141"_s, 247, 30, 157),
        caption(251, 109, kPerson),
        caption(251.8, 46, u"Підпис"_s),
        heading(255.8, 1, u"6140. Керівник відділу  Велтарис"_s),
        value(u"ed6140"_s, 255.8, 66, 120),
        caption(260.5, 109, kPerson),
        caption(262.1, 46, u"Підпис"_s),
        heading(264, 1, u"6142. Реєстратор"_s),
        caption(268, 109, kPerson),
        caption(272.5, 46, u"Підпис                                                            М.П."_s),
    };
}

const QHash<QString, int> &lineCounts(const QString &layoutName)
{
    static const QHash<QString, int> page1Counts = {
        {u"mm9036"_s, 3}, {u"ed5526"_s, 2}, {u"mm2151"_s, 8}, {u"mm2142"_s, 4},
        {u"mm2153"_s, 2}, {u"cb7201"_s, 1}, {u"ed7023"_s, 2},
    };
    static const QHash<QString, int> page2Counts = {
        {u"mm9027"_s, 8},   {u"mm9117"_s, 16},   {u"mm5481"_s, 2}, {u"ed5634"_s, 1}, {u"ed5616"_s, 1},
        {u"ed6111"_s, 1},   {u"ed6210vc"_s, 1},  {u"ed6120"_s, 2}, {u"ed6228vc"_s, 1},
    };
    static const QHash<QString, int> none;
    if (layoutName == page1())
        return page1Counts;
    if (layoutName == page2())
        return page2Counts;
    return none;
}

using layoutKit::hLine;
using layoutKit::vLine;

const double kRight = mm(190);

void page1Frames(PageLayout &layout)
{
    layout.boxes = {{.left = 0, .top = 0, .width = kRight, .height = layout.bandHeight, .penWidth = 1.5}};
    // Groups: registration data and stage, executor, owner, financing.
    layout.frames = {hLine(0, kRight, mm(55), 1.5), hLine(0, kRight, mm(158), 1.5), hLine(0, kRight, mm(211.5), 1.5)};
    // The sources, directions and amounts of financing.
    layout.boxes << FrameBox{.left = mm(2), .top = mm(218), .width = mm(186), .height = mm(29)};
    const double top = mm(253);
    const double bottom = mm(271);
    layout.frames << hLine(mm(2), mm(188), top) << hLine(mm(2), mm(188), mm(259)) << hLine(mm(2), mm(188), mm(265))
                  << hLine(mm(2), mm(188), bottom) << vLine(mm(2), top, bottom) << vLine(mm(50), top, bottom)
                  << vLine(mm(188), top, bottom);
}

void page2Frames(PageLayout &layout)
{
    layout.boxes = {{.left = 0, .top = 0, .width = kRight, .height = layout.bandHeight, .penWidth = 1.5}};
    layout.frames = {hLine(0, kRight, mm(157.3), 1.5), hLine(0, kRight, mm(191.5), 1.5), hLine(0, kRight, mm(216.5), 1.5)};
    // The executor list.
    const double top = mm(222);
    const double bottom = mm(240);
    layout.frames << hLine(mm(1), mm(188), top) << hLine(mm(1), mm(188), mm(228.5))
                  << hLine(mm(1), mm(188), mm(234.2)) << hLine(mm(1), mm(188), bottom) << vLine(mm(1), top, bottom)
                  << vLine(mm(76.5), top, bottom) << vLine(mm(119.5), top, bottom) << vLine(mm(188), top, bottom);
}

// A4 with margins of 10 mm on each side.
void setBand(PageLayout &layout)
{
    layout.bandLeft = mm(10);
    layout.bandTop = mm(10);
    layout.bandWidth = mm(190);
    layout.bandHeight = mm(277);
}

} // namespace

QString page1()
{
    return u"TQROk1"_s;
}

QString page2()
{
    return u"TQROk2"_s;
}

void buildPage1(PageLayout &layout)
{
    setBand(layout);
    layoutKit::build(layout, page1Elements(), lineCounts(layout.name()));
    page1Frames(layout);
}

void buildPage2(PageLayout &layout)
{
    setBand(layout);
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

QStringList executorRow(int row)
{
    const QString n = QString::number(row);
    return {u"ed6121a"_s + n, u"ed6121ak"_s + n, u"ed6121az"_s + n};
}

} // namespace okPrintLayouts

void registerOkLayouts()
{
    static const bool registered = [] {
        ReportLayouts::setBuilder(okPrintLayouts::page1(), okPrintLayouts::buildPage1);
        ReportLayouts::setBuilder(okPrintLayouts::page2(), okPrintLayouts::buildPage2);
        return true;
    }();
    Q_UNUSED(registered);
}
