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

// One row of the form: a caption, printed whole, or a value element cut at its width.
enum RowKind { Caption, Heading, Value, Area, Underlined };
struct FormRow
{
    RowKind kind;
    double top;
    double left;
    QString text; // a caption's text, a value element's name
    double width = 0;
    int size = 13;
};

PageElement elementOf(const FormRow &row)
{
    switch (row.kind) {
    case Caption:
        return layoutKit::text(mm(row.left), mm(row.top), row.text, row.size);
    case Heading:
        return layoutKit::bold(mm(row.left), mm(row.top), row.text, row.size);
    case Value:
        return layoutKit::label(row.text, mm(row.left), mm(row.top), mm(row.width), row.size);
    case Area:
    case Underlined:
        break;
    }
    return layoutKit::memo(row.text, mm(row.left), mm(row.top), mm(row.width), 0, row.size, row.kind == Underlined);
}

QList<PageElement> elementsOf(const QList<FormRow> &rows)
{
    QList<PageElement> elements;
    for (const FormRow &row : rows)
        elements << elementOf(row);
    return elements;
}

const QString kPerson = u"(прізвище, ім'я, по батькові)"_s;

QList<PageElement> page1Elements()
{
    // Centred over the page: the form's box is narrower than the title in bold.
    const PageElement title = {.type = PageElement::Type::Label, .left = 0, .top = mm(1), .width = mm(190),
                               .pixelSize = 16, .bold = true, .align = PageElement::Align::Center,
                               .text = u"ОБЛІКОВА КАРТКА НДР І ДКР (ОК)"_s};
    return QList<PageElement>{title} + elementsOf({
        {Caption, 7, 2, u"5437.Державний обліковий номер "_s},
        {Value, 6, 72, u"ed5437"_s, 37, 15},
        {Caption, 12, 2, u"    5436. Державний реєстраційний номер"_s},
        {Value, 12, 72, u"ed5436"_s, 37, 15},
        {Caption, 12, 112, u"5256. Особливі позначки"_s},
        {Value, 12, 153, u"cb5256"_s, 34},
        {Caption, 18, 2, u"5418. №, дата супровідного листа"_s},
        {Value, 17, 57, u"ed5418"_s, 130, 15},
        {Heading, 22, 2, u"9036. Порядковий №; початок етапу; закінчення етапу; вид етапу; назва етапу "_s},
        {Underlined, 27, 2, u"mm9036"_s, 186},
        {Value, 41, 154, u"markStage"_s, 34, 12},
        {Caption, 45, 2, u"5526. Державні облікові номери виконаних"_s},
        {Caption, 49, 11, u" етапів роботи"_s},
        // Ten numbers take two lines of five at 12 pixels from just after the caption to
        // the frame; two lines end above the executor block.
        {Underlined, 46, 72, u"ed5526"_s, 117, 12},

        {Heading, 56, 2, u"ВІДОМОСТІ ПРО ВИКОНАВЦЯ"_s},
        {Caption, 62, 2, u"2457. Код за ЄДРПОУ (ідентифікаційний номер)"_s},
        {Value, 62, 85, u"ed2457"_s, 104, 15},
        {Caption, 67, 2, u"2151. Повне найменування юридичної особи (або П.І.Б.)"_s},
        {Underlined, 72, 2, u"mm2151"_s, 187, 12},
        {Caption, 109, 2, u"2358. Скорочене найменування юридичної особи"_s},
        {Value, 109, 86, u"ed2358"_s, 102, 12},
        {Caption, 114, 2, u"2655. Місцезнаходження"_s},
        {Value, 114, 58, u"mm2655"_s, 131, 12},
        {Caption, 118, 2, u"2934. Телефон / Факс"_s},
        {Value, 118, 58, u"ed2934"_s, 131, 12},
        {Caption, 124, 2, u"2394. E-mail /WWW"_s},
        {Value, 124, 58, u"ed2394"_s, 131, 12},
        {Caption, 129, 2, u"1332. Відомча підпорядкованість"_s},
        {Value, 129, 58, u"ed1332"_s, 131, 12},
        {Caption, 134, 2, u"1133. Сектор науки"_s},
        {Value, 134, 58, u"cb1133"_s, 131, 12},
        {Underlined, 140, 2, u"mm2142"_s, 186},

        {Heading, 159, 2, u"ВІДОМОСТІ ПРО ВЛАСНИКА РЕЗУЛЬТАТІВ НДР (ДКР)"_s},
        {Value, 159, 154, u"markCoExecutors"_s, 34, 12},
        {Caption, 165, 2, u"2459. Код за ЄДРПОУ (ідентифікаційний номер)"_s},
        {Value, 165, 85, u"ed2459"_s, 104, 15},
        {Area, 170, 2, u"mm2153"_s, 186, 12},
        {Caption, 180, 2, u"2360. Скорочене найменування юридичної особи"_s},
        {Value, 180, 85, u"ed2360"_s, 104, 12},
        {Caption, 186, 2, u"2657. Місцезнаходження"_s},
        {Value, 185, 58, u"mm2657"_s, 131, 12},
        {Caption, 191, 2, u"2935. Телефон / Факс"_s},
        {Value, 191, 58, u"ed2935"_s, 131, 12},
        {Caption, 196, 2, u"2395. E-mail / WWW"_s},
        {Value, 196, 58, u"ed2395"_s, 131, 12},
        {Caption, 202, 2, u"1333. Відомча підпорядкованість"_s},
        {Value, 202, 58, u"ed1333"_s, 131, 12},
        {Caption, 207, 2, u"5518. № юридичного документа, дата видачі"_s},
        {Value, 207, 78, u"ed5518"_s, 110, 12},
        {Value, 212, 154, u"markOwners"_s, 30, 12},

        {Heading, 213, 4, u"ДЖЕРЕЛА, НАПРЯМИ ТА ОБСЯГИ ФІНАНСУВАННЯ НДР (ДКР)"_s},
        {Caption, 220, 4, u"7700. КПКВК"_s},
        {Value, 220, 28, u"ed7700"_s, 86, 12},
        {Caption, 226, 4, u"7201. Напрям фінансування"_s},
        {Area, 226, 53, u"cb7201"_s, 133, 12},
        {Caption, 233, 4, u"7023. Назва ДЦП"_s},
        {Area, 231, 34, u"ed7023"_s, 153, 12},
        {Caption, 241, 4, u"7022. Код ДЦП"_s},
        {Value, 241, 32, u"ed7022"_s, 82, 12},
        {Heading, 248, 4, u"Фактичні обсяги фінансування, тис.грн."_s},
        {Caption, 254, 4, u"Код джерела фінансування"_s},
        {Caption, 254, 75, u"Обсяг фінансування за звітний етап"_s},
        {Value, 260, 15, u"fin"_s, 17, 12},
        {Value, 260, 53, u"sum"_s, 110, 12},
        {Value, 266, 15, u"fin1"_s, 17, 12},
        {Value, 266, 53, u"sum1"_s, 110, 12},
    });
}

QList<PageElement> page2Elements()
{
    const QString languages = u" (1 - українською мовою,   3 - англійською мовою)"_s;
    return elementsOf({
        {Heading, 0.8, 2, u"ОСНОВНІ ВІДОМОСТІ ПРО НДР (ДКР)"_s},
        {Caption, 6, 1, u"9027. Назва роботи"_s},
        {Caption, 6, 38, languages},
        {Underlined, 11, 1, u"mm9027"_s, 186},
        {Value, 47, 157, u"markTitle"_s, 31, 12},
        {Caption, 47, 1, u"9117. Р е ф е р а т "_s},
        {Caption, 47, 34, languages},
        {Area, 52, 1, u"mm9117"_s, 186},
        {Value, 121, 157, u"markAbstract"_s, 31, 12},
        {Caption, 123, 1, u"5481. Бібліографічний опис (статей, монографій, нормативно-технічної документації тощо)"_s},
        {Underlined, 128, 1, u"mm5481"_s, 186},
        {Value, 138, 157, u"markBibliography"_s, 31, 12},
        {Caption, 138, 1, u"5040.Вид звітного документа"_s},
        {Value, 138, 56, u"cb5040"_s, 32},
        {Caption, 142, 1, u"5715. Мова документа"_s},
        {Value, 143, 56, u"cb5715"_s, 39},
        {Caption, 142, 94, u"5742. Кількість сторінок"_s},
        {Value, 142, 168, u"ed5742"_s, 19},
        {Caption, 148, 1, u"5743.Кількість електронних носіїв"_s},
        {Value, 148, 56, u"ed5743"_s, 39},
        {Caption, 148, 94, u"5744.Загальна кількість файлів"_s},
        {Value, 148, 168, u"ed5744"_s, 19},
        {Caption, 153, 1, u"5535. Умови поширення в Україні"_s},
        {Value, 153, 56, u"cb5535"_s, 39},
        {Caption, 153, 94, u"5211. Умови передачі зарубіжним країнам"_s},
        {Value, 153, 168, u"cb5211"_s, 19},
        {Caption, 158, 1, u"5634. Індекс УДК"_s},
        {Area, 158, 32, u"ed5634"_s, 155, 15},
        {Caption, 164, 1, u"5616. Коди тематичних рубрик"_s},
        // Six codes need the width from just after the caption to the frame.
        {Area, 163, 50.5, u"ed5616"_s, 138, 15},
        {Heading, 169, 1, u"6111. Керівник юридичної особи "_s},
        {Area, 169, 64, u"ed6111"_s, 123},
        {Caption, 174, 109, kPerson},
        {Caption, 179, 1, u"6210.Науковий ступінь, вчене звання керівника юридичної особи"_s},
        {Area, 179, 110, u"ed6210vc"_s, 78},
        {Caption, 185, 46, u"Підпис                                                                          М.П."_s},

        {Caption, 193, 1, u"6120. Керівник роботи"_s},
        {Caption, 193, 39, u" (1 -  українською мовою,  3 - англійською мовою)"_s},
        {Caption, 193, 140, u" "_s + kPerson + u" "_s},
        {Underlined, 198, 1, u"ed6120"_s, 188},
        {Caption, 208, 1, u"6228.Науковий ступінь, вчене звання керівника роботи"_s},
        {Area, 208, 91, u"ed6228vc"_s, 97},
        {Caption, 212.2, 57, u"Підпис"_s},

        {Caption, 217, 1, u"6121. Список виконавців"_s},
        {Caption, 223, 3, u"Прізвище, ім'я, по батькові"_s},
        {Caption, 223, 91, u"Посада"_s},
        {Caption, 223, 129, u"Науковий ступінь, вчене звання"_s},
        {Value, 230, 3, u"ed6121a1"_s, 72},
        {Value, 230, 78, u"ed6121ak1"_s, 17},
        {Value, 230, 121, u"ed6121az1"_s, 65},
        {Value, 235, 3, u"ed6121a2"_s, 72},
        {Value, 235, 78, u"ed6121ak2"_s, 17},
        {Value, 235, 121, u"ed6121az2"_s, 65},
        {Value, 242, 157, u"markExecutors"_s, 31, 12},

        // The form's last rows lie below the printable band: fitToBand() moves up
        // those that do not fit.
        {Heading, 243, 1, u"6141. Відповідальний за підготовку облікових документів"_s},
        {Caption, 248, 11, u"Телефон"_s},
        {Value, 248, 30, u"ed6141"_s, 157},
        {Caption, 253, 109, kPerson},
        {Caption, 254, 46, u"Підпис"_s},
        {Heading, 259, 1, u"6140. Керівник відділу  Велтарис"_s},
        {Value, 259, 66, u"ed6140"_s, 120},
        {Caption, 265, 109, kPerson},
        {Caption, 267, 46, u"Підпис"_s},
        {Heading, 270, 1, u"6142. Реєстратор"_s},
        {Caption, 276, 109, kPerson},
        {Caption, 280, 46, u"Підпис                                                            М.П."_s},
    });
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
    if (layoutName == pageName(1))
        return page1Counts;
    if (layoutName == pageName(2))
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
    layoutKit::fitToBand(layout);
    page2Frames(layout);
}

} // namespace

QString pageName(int page)
{
    return page == 1 ? u"TQROk1"_s : u"TQROk2"_s;
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
        ReportLayouts::setBuilder(okPrintLayouts::pageName(1), okPrintLayouts::buildPage1);
        ReportLayouts::setBuilder(okPrintLayouts::pageName(2), okPrintLayouts::buildPage2);
        return true;
    }();
    Q_UNUSED(registered);
}
