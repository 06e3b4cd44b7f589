#include "cards/ik/ik_print_layouts.h"

#include "print/layout_kit.h"
#include "print/report_layouts.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace ikPrintLayouts {

namespace {

using layoutKit::bold;
using layoutKit::hLine;
using layoutKit::label;
using layoutKit::memo;
using layoutKit::text;
using layoutKit::vLine;

const QString kPerson = u"(прізвище, ім'я, по батькові)"_s;

// Page 1: registration numbers, the product and what it offers, completion and transfer.
QList<PageElement> page1Elements()
{
    return {
        bold(88, 1, u"ІНФОРМАЦІЙНА КАРТКА НАУКОВО-ТЕХНІЧНОЇ ПРОДУКЦІЇ (ІК НТП)"_s, 16),

        bold(8, 29, u"5439. Інвентарний номер ІК НТП"_s, 12),
        label(u"QRLabel10"_s, 218, 28, 213, 15),
        bold(8, 50, u"5419. Дата реєстрації"_s, 12),
        label(u"QRLabel3"_s, 162, 48, 209, 15),
        bold(8, 69, u"5436. Державний реєстраційний номер НДР (ДКР)"_s, 12),
        label(u"QRLabel9"_s, 320, 68, 133, 15),
        bold(8, 90, u"5437.Державний обліковий номер  НДР (ДКР)"_s, 12),
        label(u"QRLabel14"_s, 296, 88, 133, 15),

        bold(8, 120, u"9027. Назва науково-технічної продукції роботи"_s),
        // Moved right to clear the caption, which the fonts print wider than the form allows.
        text(318, 121, u" (1 - українською мовою,  3 - англійською мовою)"_s),
        memo(u"QRMemo1"_s, 8, 140, 701, 144, 13, true),
        label(u"QRLabel36"_s, 583, 286, 126, 11),
        bold(8, 305, u"9153. Вид продукції"_s),
        label(u"QRLabel67"_s, 154, 304, 550),
        bold(8, 323, u"9155. Галузь застосування"_s),
        memo(u"QRMemo6"_s, 8, 341, 701, 33),
        bold(8, 381, u"5616. Коди тематичних рубрик за ДР НТІ"_s),
        memo(u"QRMemo12"_s, 280, 380, 417, 0, kRubricCodesSize),

        bold(8, 400, u"9118. Опис науково-технічної продукції"_s),
        memo(u"QRMemo2"_s, 8, 418, 701, 112),
        label(u"QRLabel29"_s, 583, 536, 126, 11),
        bold(8, 534, u"5635. Технічні переваги. Науково-технічний рівень щодо кращих вітчизняних "_s),
        bold(8, 552, u"та зарубіжних аналогів (прототипів)"_s),
        memo(u"QRMemo3"_s, 8, 570, 701, 64),
        label(u"QRLabel30"_s, 583, 640, 126, 11),
        bold(8, 638, u"5636. Економічні переваги"_s),
        memo(u"QRMemo4"_s, 8, 656, 701, 48),
        label(u"QRLabel31"_s, 583, 712, 126, 11),
        bold(8, 714, u"1001. Вплив на зовнішнє середовище. Екологічність"_s),
        memo(u"QRMemo5"_s, 8, 735, 701, 48),
        label(u"QRLabel32"_s, 583, 790, 126, 11),

        bold(8, 792, u"7326. Стадія завершеності науково-технічної продукції"_s, 12),
        label(u"QRLabel23"_s, 8, 812, 701, 12),
        bold(8, 834, u"7344. Упровадження науково-технічної продукції"_s, 12),
        label(u"QRLabel19"_s, 304, 834, 406, 12),
        bold(8, 856, u"5638. Практична реалізація продукції:"_s, 12),
        bold(8, 874, u"- строки впровадження"_s),
        label(u"QRLabel21"_s, 174, 874, 534, 12),
        bold(8, 892, u"- виробники продукції"_s),
        label(u"QRLabel24"_s, 174, 892, 534, 12),
        bold(8, 912, u"- споживачі продукції"_s),
        label(u"QRLabel39"_s, 174, 911, 534, 12),
        bold(8, 930, u"- перспективні ринки"_s),
        label(u"QRLabel35"_s, 174, 930, 534, 12),
        bold(8, 952, u"1005. Права інтелектуальної власності"_s, 12),
        label(u"QRLabel33"_s, 8, 972, 697, 12),
        bold(8, 992, u"1004. Форми та умови передачі продукції"_s, 12),
        label(u"QRLabel34"_s, 8, 1012, 697, 12),
    };
}

// The investor rows of page 2: number and caption, value element, one row each 20 units.
const QList<std::pair<QString, QString>> &investorRows()
{
    static const QList<std::pair<QString, QString>> rows = {
        {u"6.1            Потрібний обсяг інвестицій, тис.грн."_s, u"QRLabel18"_s},
        {u"6.2            Права, що надаються інвестору після завершення роботи"_s, u"QRLabel32"_s},
        {u"6.3            Наявність бізнес-плану (так, ні)"_s, u"QRLabel34"_s},
        {u"6.4            Техніко-економічне обгрунтування (так, ні)"_s, u"QRLabel45"_s},
        {u"6.5            Потенціальний обсяг продажу, тис.грн."_s, u"QRLabel46"_s},
        {u"6.6            Очікуваний термін окупності (років)"_s, u"QRLabel47"_s},
        {u"6.7            Додаткова інформація "_s, u"QRLabel48"_s},
    };
    return rows;
}

// Page 2: the investor, the first owner, the head of the organisation, the signatures.
QList<PageElement> page2Elements()
{
    QList<PageElement> elements = {bold(56, 6, u"1006. Бажаний характер співробітництва з інвестором :"_s)};
    double top = 40;
    for (const auto &[caption, name] : investorRows()) {
        // The last value runs a little further right than the others.
        elements << text(8, top, caption) << label(name, 453, top, name == u"QRLabel48"_s ? 224 : 220);
        top += 20;
    }
    return elements + QList<PageElement>{
        bold(40, 202, u"ВІДОМОСТІ ПРО ВЛАСНИКА ПРОДУКЦІЇ"_s),
        text(8, 239, u"2459. Код за ЄДРПОУ (ідентифікаційний номер)"_s),
        {.type = PageElement::Type::Label, .name = u"QRLabel59"_s, .left = 323, .top = 239, .width = 352,
         .bold = true, .text = u" "_s},
        memo(u"QRMemo4"_s, 8, 258, 668, 33, 12),
        text(8, 296, u"2360. Скорочене найменування юридичної особи"_s),
        label(u"QRLabel22"_s, 321, 296, 353),
        text(8, 317, u"2656. Місцезнаходження"_s),
        label(u"QRLabel77"_s, 176, 316, 500, 12),
        text(8, 337, u"2935. Телефон / Факс"_s),
        label(u"QRLabel55"_s, 176, 337, 500, 12),
        text(8, 358, u"2395. E-mail / WWW"_s),
        label(u"QRLabel56"_s, 176, 358, 500, 12),
        text(8, 378, u"1333. Відомча підпорядкованість"_s),
        label(u"QRLabel54"_s, 230, 378, 446),
        text(8, 399, u"6120. П.І.Б. власника(ків) продукції"_s),
        label(u"QRLabel74"_s, 230, 399, 446),
        text(8, 420, u"5518. № юридичного документа, дата видачі"_s),
        label(u"QRLabel58"_s, 288, 420, 388),
        label(u"QRLabel5"_s, 543, 440, 133, 11),
        text(8, 458, u"1009. Статус виконавця"_s),
        {.type = PageElement::Type::Label, .name = u"QRLabel61"_s, .left = 173, .top = 458, .width = 503,
         .bold = true, .text = u" "_s},

        bold(72, 500, u"Керівник юридичної особи"_s),
        text(16, 530, u"6111.    П.І.Б."_s),
        label(u"QRLabel65"_s, 199, 530, 468),
        text(16, 554, u"6210.   Науковий ступінь   "_s),
        label(u"QRLabel66"_s, 199, 554, 468),
        label(u"QRLabel72"_s, 40, 598, 636),
        bold(12, 634, u"Керівник юридичної особи"_s),
        text(240, 650, u"(підпис)"_s, 11),
        text(460, 690, u"М.П.          "_s, 12),
        text(124, 754, u"Дата заповнення"_s),
        label(u"QRLabel69"_s, 251, 754, 281),
        text(539, 754, u"20         р."_s),

        bold(4, 798, u"6141. Відповідальний за підготовку інформаційних документів"_s),
        text(64, 820, u"Телефон"_s),
        label(u"QRLabel25"_s, 136, 818, 534),
        text(204, 852, u"Підпис"_s, 12),
        text(348, 838, kPerson, 11),
        bold(4, 886, u"6140. Керівник відділу Велтарис"_s),
        label(u"QRLabel24"_s, 256, 880, 422, 15),
        text(204, 924, u"Підпис"_s),
        text(412, 904, kPerson),
        bold(4, 962, u"6142. Реєстратор"_s),
        label(u"QRLabel30"_s, 339, 956, 339, 15),
        text(200, 978, u"(підпис)"_s),
        text(412, 978, kPerson),
        text(436, 1013, u"                М.П."_s),
    };
}

constexpr double kRight1 = 718;
constexpr double kRight2 = 681;

void page1Frames(PageLayout &layout)
{
    layout.boxes = {{.left = 0, .top = 0, .width = kRight1, .height = layout.bandHeight, .penWidth = 1.5}};
    // Groups: registration numbers, the product, what it offers, completion and transfer.
    layout.frames = {hLine(0, kRight1, 23, 1.5), hLine(0, kRight1, 114, 1.5), hLine(0, kRight1, 787, 1.5)};
}

void page2Frames(PageLayout &layout)
{
    layout.boxes = {{.left = 0, .top = 0, .width = kRight2, .height = layout.bandHeight, .penWidth = 1.5}};
    // Groups: investor, owner, head of the organisation, the signatures.
    layout.frames = {hLine(0, kRight2, 182, 1.5), hLine(0, kRight2, 492, 1.5), hLine(0, kRight2, 790, 1.5)};
    // The investor table.
    layout.frames << hLine(0, kRight2, 34) << vLine(448, 34, 182);
    for (double y : {56.0, 76.0, 96.0, 116.0, 136.0, 156.0})
        layout.frames << hLine(0, kRight2, y);
    // The lines the date, names and signatures are written on.
    layout.frames << hLine(251, 532, 771) << hLine(136, 670, 835) << hLine(256, 678, 899) << hLine(339, 678, 975)
                  << hLine(200, 330, 648) << hLine(248, 400, 865) << hLine(250, 400, 937) << hLine(180, 310, 976);
}

// A page of the form: where its band lies, what it holds, and the value lines each of
// its value memos must show below its blank first line.
struct PageForm
{
    QString name;
    double bandLeft;
    double bandTop;
    double bandWidth;
    QList<PageElement> (*elements)();
    void (*frames)(PageLayout &);
    QHash<QString, int> valueLines;
};

const QList<PageForm> &forms()
{
    static const QList<PageForm> pages = {
        // The field of application is not continued: it shows the two lines the room
        // above the subject codes holds.
        {u"TQRIK"_s, 38, 38, kRight1, page1Elements, page1Frames,
         {{u"QRMemo1"_s, 9}, {u"QRMemo6"_s, 2}, {u"QRMemo12"_s, 1}, {u"QRMemo2"_s, 7}, {u"QRMemo3"_s, 4},
          {u"QRMemo4"_s, 3}, {u"QRMemo5"_s, 3}}},
        // An owner's full name often needs a second line.
        {u"TQRIK1"_s, 76, 34, kRight2, page2Elements, page2Frames, {{u"QRMemo4"_s, 2}}},
    };
    return pages;
}

const PageForm *formOf(const QString &layoutName)
{
    for (const PageForm &f : forms()) {
        if (f.name == layoutName)
            return &f;
    }
    return nullptr;
}

void build(PageLayout &layout)
{
    const PageForm *form = formOf(layout.name());
    if (!form)
        return;
    layout.bandLeft = form->bandLeft;
    layout.bandTop = form->bandTop;
    layout.bandWidth = form->bandWidth;
    layoutKit::build(layout, form->elements(), form->valueLines);
    form->frames(layout);
}

} // namespace

QString pageName(int page)
{
    return forms().at(page == 1 ? 0 : 1).name;
}

QStringList valueMemos(const PageLayout &layout)
{
    return layoutKit::valueMemos(layout, lineCounts(layout.name()));
}

const QHash<QString, int> &lineCounts(const QString &layoutName)
{
    static const QHash<QString, int> none;
    const PageForm *form = formOf(layoutName);
    return form ? form->valueLines : none;
}

} // namespace ikPrintLayouts

void registerIkLayouts()
{
    static const bool registered = [] {
        for (const auto &form : ikPrintLayouts::forms())
            ReportLayouts::setBuilder(form.name, ikPrintLayouts::build);
        return true;
    }();
    Q_UNUSED(registered);
}
