#include "cards/ik/ik_print.h"
#include "cards/ik/ik_print_layouts.h"
#include "fields/card_document.h"
#include "ik_test_support.h"
#include "print/card_printout.h"
#include "print/dop_sheets.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "print/text_wrap.h"
#include "support/fake_platform.h"
#include "support/print_checks.h"
#include "support/test_registry.h"

#include <QFontMetricsF>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kContinued = u"(див. продовження)"_s;
const QString kOwnerHeading = u"   ВІДОМОСТІ ПРО ВЛАСНИКА ПРОДУКЦІЇ"_s;

IkModel &ikOf(CardDocument &doc)
{
    return static_cast<IkModel &>(doc.model());
}

// A card as "Відкрити..." leaves it after reading `lines`, then `fields` ("name=value")
// typed.
void openCard(CardDocument &doc, const QStringList &lines, const QStringList &fields = {})
{
    ikTest::card.open(ikOf(doc), cardFileBytes(lines));
    for (const QString &f : fields)
        ikOf(doc).setFitted(f.section(u'=', 0, 0), f.section(u'=', 1));
}

PageLayout &layout(const QString &name)
{
    return printChecks::layouts().layout(name);
}

PageLayout &page(int n)
{
    return layout(ikPrintLayouts::pageName(n));
}

QStringList printed(int pageNumber, const QString &element)
{
    return printChecks::printed(page(pageNumber).at(element));
}

using printChecks::sheetLines;

QString ownerLine(int n)
{
    return u"2459\\%1\\1\\1111111%1\\Місто\\Власник %1\\вул. %1\\032-%1\\o%1@b.ua\\В%1\\Мінпром\\Свідоцтво %1\\01.03.24\\Особа %1"_s
        .arg(n);
}

// The nine lines of owner n on the continuation sheet.
QStringList ownerBlock(int n)
{
    return {u"2459. Код за ЄДРПОУ (ідентифікаційний номер) 1111111%1"_s.arg(n),
            u"2153. Найменування юридичної особи  Власник %1"_s.arg(n),
            u"2360. Скорочене найменування  В%1"_s.arg(n),
            u"2657. Місцезнаходження  вул. %1"_s.arg(n),
            u"2935. Телефон / Факс   032-%1,   2395. E-mail / WWW   o%1@b.ua"_s.arg(n),
            u"1333. Відомча підпорядкованість   Мінпром"_s,
            u"6120. П.І.Б. власника(ків) наукової продукції  Особа %1"_s.arg(n),
            u"5518. № юридичного документа   Свідоцтво %1,  дата видачі   01.03.24"_s.arg(n),
            QString(69, u'-')};
}

// `count` short paragraphs, one printed line each.
QString paragraphs(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"рядок %1"_s.arg(i);
    return lines.join(u'\n');
}

using printChecks::longText;

// The full card with long texts in every memo.
void openFullCard(CardDocument &doc)
{
    openCard(doc, ikTest::fullCard(),
             {u"mm9118=%1"_s.arg(longText(u"опис"_s, 150)), u"mm5635=%1"_s.arg(longText(u"перевага"_s, 50)),
              u"mm5636=%1"_s.arg(longText(u"економія"_s, 40)), u"mm1001=%1"_s.arg(longText(u"екологія"_s, 40)),
              u"mm9155=%1"_s.arg(longText(u"галузь"_s, 40))});
    ikOf(doc).setTitle(TextLanguage::Ukrainian, longText(u"назва"_s, 90));
}

using printChecks::printCard;

} // namespace

class IkPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ikTest::card.kind(); // registers the IK pages
    }

    void valuesPrinted_data()
    {
        // Card lines opened, then fields typed ("name=value"); the page and element
        // looked at and what it prints.
        struct Row
        {
            const char *name;
            QStringList lines;
            QStringList fields;
            int page;
            QString element;
            QStringList expected;
        };
        const QString sentence = ikPublicationSentence();
        const QString application = longText(u"галузь"_s, 60);
        const QStringList applicationLines = QStringList{u" "_s} + CardPrintout::cutLines(application).mid(0, 2);
        const Row rows[] = {
            {"not restricted", {}, {}, 2, u"QRLabel72"_s, {sentence}},
            {"restricted", {}, {u"cbdsk=1"_s}, 2, u"QRLabel72"_s, {u" "_s}},
            {"restricted with blanks", {}, {u"cbdsk= 1 "_s}, 2, u"QRLabel72"_s, {u" "_s}},
            {"status and size", {u"1009\\9.2\\9.4.1"_s}, {}, 2, u"QRLabel61"_s, {u"9.2;  9.4.1"_s}},
            {"status without size", {u"1009\\9.2\\"_s}, {}, 2, u"QRLabel61"_s, {u" "_s}},
            {"no registration date", {}, {}, 1, u"QRLabel3"_s, {QString()}},
            {"registration date", {u"5419\\15.03.24"_s}, {}, 1, u"QRLabel3"_s, {u"15.03.24"_s}},
            {"inventory number untouched", {}, {}, 1, u"QRLabel10"_s, {u" "_s}},
            {"inventory number", {u"5439\\0724U000015"_s}, {}, 1, u"QRLabel10"_s, {u"0724U000015"_s}},
            {"product kind", {u"9153\\007\\методика"_s}, {}, 1, u"QRLabel67"_s, {u"007   методика"_s}},
            {"stage with its own text", {u"7326\\3.9\\Свій"_s}, {}, 1, u"QRLabel23"_s, {u"3.9  Свій"_s}},
            {"names empty", {}, {}, 1, u"QRMemo1"_s, {u" "_s, u"1. "_s, {}, {}, u"3."_s, {}}},
            {"English name only", {u"9027\\3\\Control system"_s}, {}, 1, u"QRMemo1"_s,
             {u" "_s, u"1. "_s, u"3. Control system"_s}},
            {"field of application cut, never continued", {}, {u"mm9155="_s + application}, 1, u"QRMemo6"_s,
             applicationLines},
            {"subject codes with a gap", {}, {u"ed5616a=11.22.33.44"_s, u"ed5616c=55.66.77.88"_s}, 1,
             u"QRMemo12"_s, {u" "_s, u"11.22.33.44    55.66.77.88      "_s}},
            {"owner document", {ownerLine(1)}, {}, 2, u"QRLabel58"_s, {u"Свідоцтво 1, 01.03.24"_s}},
            {"owner without document", {u"2459\\1\\1\\11111111\\Львів\\Завод\\вул\\\\\\\\\\\\  .  .  \\"_s}, {},
             2, u"QRLabel58"_s, {u" "_s}},
            {"owner name", {ownerLine(1)}, {}, 2, u"QRMemo4"_s,
             {u" "_s, u"2153. Найменування юридичної особи  Власник 1"_s}},
            {"owner names", {ownerLine(1)}, {}, 2, u"QRLabel74"_s, {u"Особа 1"_s}},
            {"one owner, no marker", {ownerLine(1)}, {}, 2, u"QRLabel5"_s, {QString()}},
        };
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QStringList>("expected");
        printChecks::addValueColumns();
        for (const Row &r : rows)
            QTest::newRow(r.name) << r.lines << r.fields << r.page << r.element << r.expected;
    }
    void valuesPrinted() { printChecks::checkValuePrinted(ikTest::card.kind(), [] { return QList<const PageLayout *>{&::page(1), &::page(2)}; }); }

    // Each long text keeps its lines on page 1; the rest follows its heading on the sheet.
    void longTexts_data()
    {
        QTest::addColumn<QString>("field"); // "title" for the Ukrainian product name
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cardLines");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("heading");

        const QString description = u"9118. Опис науково-технічної продукціїї "_s;
        QTest::newRow("description of seven lines")
            << u"mm9118"_s << paragraphs(7) << 7 << u"QRMemo2"_s << u"QRLabel29"_s << description;
        QTest::newRow("description of eight lines")
            << u"mm9118"_s << paragraphs(8) << 7 << u"QRMemo2"_s << u"QRLabel29"_s << description;
        QTest::newRow("description ends at an empty line")
            << u"mm9118"_s << paragraphs(3) + u"\n\n"_s + paragraphs(9) << 7 << u"QRMemo2"_s << u"QRLabel29"_s
            << description;
        QTest::newRow("technical advantages")
            << u"mm5635"_s << paragraphs(5) << 4 << u"QRMemo3"_s << u"QRLabel30"_s
            << u"5635.Технічні переваги. Науково-технічний рівень по відношенню до кращих вітчизняних та "
               u"зарубіжних аналогів (прототипів) "_s;
        QTest::newRow("economic advantages") << u"mm5636"_s << paragraphs(4) << 3 << u"QRMemo4"_s << u"QRLabel31"_s
                                             << u"5636. Економічні переваги "_s;
        QTest::newRow("environment fits") << u"mm1001"_s << paragraphs(3) << 3 << u"QRMemo5"_s << u"QRLabel32"_s
                                          << u"1001. Вплив на зовнішнє середовище. Екологічність"_s;
        QTest::newRow("environment") << u"mm1001"_s << longText(u"вплив"_s, 80) << 3 << u"QRMemo5"_s
                                     << u"QRLabel32"_s << u"1001. Вплив на зовнішнє середовище. Екологічність"_s;
        QTest::newRow("product name") << u"title"_s << longText(u"назва"_s, 120) << 9 << u"QRMemo1"_s
                                      << u"QRLabel36"_s << u"9027. Назва науково-технічної продукції "_s;
    }
    void longTexts()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, cardLines);
        QFETCH(QString, memo);
        QFETCH(QString, marker);
        QFETCH(QString, heading);
        ScopedFakePlatform platform;
        CardDocument doc(ikTest::card.kind());
        if (field == u"title"_s)
            ikOf(doc).setTitle(TextLanguage::Ukrainian, text);
        else
            ikOf(doc).setText(field, text);
        QVERIFY(printCard(doc, platform));

        const QStringList lines = CardPrintout::cutLines(field == u"title"_s ? u"1. "_s + text + u"\n3. "_s : text);
        QCOMPARE(printed(1, memo), QStringList{u" "_s} + lines.mid(0, cardLines));
        const bool overflow = lines.size() > cardLines;
        QCOMPARE(printed(1, marker), QStringList{overflow ? kContinued : u" "_s});
        QStringList sheet;
        if (overflow)
            sheet << QString() << CardPrintout::cutLines(heading) << lines.mid(cardLines) << QString();
        QCOMPARE(sheetLines(1), sheet);
        QCOMPARE(printChecks::lastPrint().state().sheetCount, overflow ? 1 : 0);
        const QStringList messages =
            overflow ? QStringList{u"Формується лист доповнення!"_s} : QStringList();
        QCOMPARE(platform.messages(), messages);
    }

    // Owner 1 on page 2; the others, nine lines each, on the continuation sheet.
    void owners_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QList<int>>("onSheet");
        QTest::newRow("one owner") << QStringList{ownerLine(1)} << QStringList{} << QList<int>{};
        QTest::newRow("three owners") << QStringList{ownerLine(1), ownerLine(2), ownerLine(3)} << QStringList{}
                                      << QList<int>{2, 3};
        QString noCode = ownerLine(2);
        noCode.replace(u"\\11111112\\"_s, u"\\\\"_s);
        QTest::newRow("second owner without code") << QStringList{ownerLine(1), noCode, ownerLine(3)}
                                                   << QStringList{} << QList<int>{3};
        // The owner typed on the owner page is stored before the print.
        QTest::newRow("owner shown, not yet stored")
            << QStringList{ownerLine(1)}
            << QStringList{u"Edit1=2"_s,         u"ed2459=11111112"_s, u"mm2153=Власник 2"_s, u"mm2657=вул. 2"_s,
                           u"ed2935=032-2"_s,    u"ed2395=o2@b.ua"_s,  u"ed2360=В2"_s,       u"ed1333=Мінпром"_s,
                           u"ed5518N=Свідоцтво 2"_s, u"ed5518D=01.03.24"_s, u"ed6120=Особа 2"_s}
            << QList<int>{2};
        QList<int> five;
        QStringList all;
        for (int n = 1; n <= 6; ++n) {
            all << ownerLine(n);
            if (n > 1)
                five << n;
        }
        QTest::newRow("six owners") << all << QStringList{} << five;
    }
    void owners()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, fields);
        QFETCH(QList<int>, onSheet);
        ScopedFakePlatform platform;
        CardDocument doc(ikTest::card.kind());
        openCard(doc, lines, fields);
        QVERIFY(printCard(doc, platform));

        QCOMPARE(printed(2, u"QRLabel59"_s), QStringList{u"11111111"_s});
        QCOMPARE(printed(2, u"QRLabel22"_s), QStringList{u"В1"_s});
        QCOMPARE(printed(2, u"QRLabel77"_s), QStringList{u"вул. 1"_s});
        QCOMPARE(printed(2, u"QRLabel55"_s), QStringList{u"032-1"_s});
        QCOMPARE(printed(2, u"QRLabel56"_s), QStringList{u"o1@b.ua"_s});
        QCOMPARE(printed(2, u"QRLabel54"_s), QStringList{u"Мінпром"_s});
        const bool more = lines.size() > 1 || !fields.isEmpty();
        QCOMPARE(printed(2, u"QRLabel5"_s), QStringList{more ? u"(див.продовження)"_s : QString()});
        QStringList expected;
        if (more)
            expected << QString() << kOwnerHeading;
        for (int n : std::as_const(onSheet))
            expected << ownerBlock(n);
        if (more)
            expected << QString();
        QCOMPARE(sheetLines(1), expected);
    }

    // The sheet's caption beside the title names the product during the IK print only;
    // the next print of another card has its own again, even when a print before it
    // never came to its end.
    void sheetCaptionsPerPrint_data()
    {
        QTest::addColumn<bool>("unfinished");
        QTest::newRow("after an IK print") << false;
        QTest::newRow("after an unfinished print") << true;
    }
    void sheetCaptionsPerPrint()
    {
        QFETCH(bool, unfinished);
        ScopedFakePlatform platform;
        CardDocument ik(ikTest::card.kind());
        openCard(ik, {u"9027\\1\\Система"_s}, {u"mm9118="_s + paragraphs(9)});
        QVERIFY(printCard(ik, platform));
        const auto captions = [](const PageLayout &sheet) {
            return QStringList{sheet.at(dopSheets::titleCaption()).text, sheet.at(dopSheets::titleCaption2()).text};
        };
        const PageLayout &ikSheet = platform.shownPages().constFirst().constLast();
        QCOMPARE(ikSheet.name(), dopSheets::layoutName(1));
        QCOMPARE(captions(ikSheet), (QStringList{u"Назва"_s, u"продукції"_s}));
        QCOMPARE(ikSheet.at(dopSheets::titleMemo()).lines.join(u' '), u"Система"_s);
        PageLayout &sheet1 = layout(dopSheets::layoutName(1));
        QCOMPARE(captions(sheet1), (QStringList{u"Назва роботи"_s, u" "_s}));
        if (unfinished)
            sheet1.at(dopSheets::titleCaption()).text = u"Назва"_s;

        platform.clear();
        const CardKind &rkKind = cardKind(CardType::RK);
        CardDocument rk(rkKind);
        cardSteps::open(rkKind, rk.model(), cardFileBytes({u"9027\\1\\"_s + longText(u"робота"_s, 200)}));
        QVERIFY(printCard(rk, platform));
        const PageLayout &rkSheet = platform.shownPages().constFirst().constLast();
        QCOMPARE(rkSheet.name(), dopSheets::layoutName(1));
        QCOMPARE(captions(rkSheet), (QStringList{u"Назва роботи"_s, u" "_s}));
    }

    // Printing stores the owner shown and changes no field.
    void printingChangesNoField()
    {
        ScopedFakePlatform platform;
        CardDocument doc(ikTest::card.kind());
        openFullCard(doc);
        ikOf(doc).setText(u"cbdsk"_s, u"1"_s);
        doc.setModified(true);
        const QHash<QString, QString> before = printChecks::fieldTexts(ikOf(doc));
        QVERIFY(printCard(doc, platform));
        const QStringList changed = printChecks::changedFields(ikOf(doc), before);
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u", "_s)));
        QVERIFY(doc.modified());
    }

    // The box takes four codes in its size; five or six take a smaller one on the same
    // baseline, so every code the card holds is printed. A later print of four codes has
    // the box's own size again.
    void everySubjectCode_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("four codes") << 4 << false;
        QTest::newRow("five codes") << 5 << true;
        QTest::newRow("six codes") << 6 << true;
    }
    void everySubjectCode()
    {
        QFETCH(int, count);
        QFETCH(bool, smaller);
        const QStringList fields = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
        QStringList typed;
        QStringList codes;
        for (int i = 0; i < 6; ++i) {
            codes << (i < count ? u"%1.%2.55.00"_s.arg(12 + i * 11).arg(98 - i * 13) : QString());
            if (i < count)
                typed << fields.at(i) + u'=' + codes.last();
        }
        const QString line = codes.join(u"  "_s);
        for (const bool afterSix : {false, true}) {
            ScopedFakePlatform platform;
            if (afterSix) { // a print of six codes before leaves the box as it found it
                CardDocument six(ikTest::card.kind());
                openCard(six, {}, {u"ed5616a=99.99.99.99"_s, u"ed5616b=99.99.99.99"_s, u"ed5616c=99.99.99.99"_s,
                                   u"ed5616d=99.99.99.99"_s, u"ed5616e=99.99.99.99"_s, u"ed5616f=99.99.99.99"_s});
                QVERIFY(printCard(six, platform));
                platform.clear();
            }
            CardDocument doc(ikTest::card.kind());
            openCard(doc, {}, typed);
            QVERIFY(printCard(doc, platform));

            const PageElement &box = page(1).at(u"QRMemo12"_s);
            QCOMPARE(box.lines, (QStringList{u" "_s, line}));
            QCOMPARE(box.pixelSize < ikPrintLayouts::kRubricCodesSize, smaller);
            QVERIFY(textWidth(line.trimmed(), elementFont(box)) <= box.width);
            // The codes stand on the line the box's own size gives them.
            const QFontMetricsF own(layoutFont(box.family, ikPrintLayouts::kRubricCodesSize));
            const QFontMetricsF shown(elementFont(box));
            const double spacing = box.lineSpacing > 0 ? box.lineSpacing : shown.lineSpacing();
            QCOMPARE(box.top + spacing + shown.ascent(), box.top + own.lineSpacing() + own.ascent());
            QCOMPARE(printChecks::layoutProblems(page(1), {u"QRMemo12"_s}), QStringList());
            PDF_TEXT_OR_SKIP();
            const QStringList missing =
                printChecks::missingFromPdf({&page(1)}, u"ik-codes-%1"_s.arg(count), {line.simplified()});
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s)));
        }
    }

    // A full card: every value memo is high enough for its lines, no two printed lines
    // overlap, none leaves the band or runs into a frame line, no value is cut.
    void pagesLayOutCleanly()
    {
        ScopedFakePlatform platform;
        CardDocument doc(ikTest::card.kind());
        openFullCard(doc);
        QVERIFY(printCard(doc, platform));

        QStringList problems;
        for (const PageLayout *l : {&page(1), &page(2)}) {
            for (const QString &p : printChecks::pageProblems(*l, ikPrintLayouts::lineCounts(l->name())))
                problems << l->name() + u": "_s + p;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", "_s)));
    }

    // Both pages and sheet 1 of the full card as PDF text and as images.
    void fullCardRendersToPdfAndImages()
    {
        const QStringList values = {
            u"ІНФОРМАЦІЙНА КАРТКА НАУКОВО-ТЕХНІЧНОЇ ПРОДУКЦІЇ (ІК НТП)"_s, u"0724U000015"_s, u"15.03.24"_s,
            u"0124U000777с"_s, u"0224U000123с"_s, u"1. Система керування"_s, u"3. Control system"_s,
            u"007 методична документація"_s, u"Машинобудування"_s, u"27.41.15.00 28.23.15.00 50.43.29.00"_s,
            u"Опис продукції"_s, u"Технічні переваги"_s, u"Економічні переваги"_s, u"Екологічність"_s,
            u"3.9 Власний варіант"_s, u"35"_s, u"2025"_s, u"Завод"_s,
            u"Лікарні"_s, u"ЄС"_s, u"5.6 Інше право"_s, u"4.9 Інша форма"_s,
            u"100 тис."_s, u"Ліцензія"_s, u"так, бізнес-план є"_s, u"ні, обгрунтування немає"_s, u"500 тис."_s,
            u"3 роки"_s, u"Додатково"_s,
            u"11111111"_s, u"Найменування юридичної особи Завод «Прилад»"_s, u"Прилад"_s,
            u"вул. Зелена, 2"_s, u"032-1"_s, u"a@b.ua"_s, u"Мінпром"_s, u"Іваненко І.І."_s,
            u"(див.продовження)"_s, u"9.2; 9.4.3"_s, u"Петров П.П."_s, u"д.т.н."_s, ikPublicationSentence(),
            u"044-111-22-33, Ковальчук"_s, u"Ковальчук О.О."_s,
            u"Продовження 1"_s, u"Назва"_s, u"продукції"_s, u"ВІДОМОСТІ ПРО ВЛАСНИКА ПРОДУКЦІЇ"_s,
            u"(ідентифікаційний номер) 2222222222"_s, u"Петренко Петро"_s, u"вул. Морська, 7"_s,
            u"Свідоцтво 5, дата видачі 01.03.24"_s, u"Петренко П.П."_s, u"33333333"_s, u"пр. Науки, 9"_s,
            u"057-3"_s,
        };
        ScopedFakePlatform platform;
        CardDocument doc(ikTest::card.kind());
        openCard(doc, ikTest::fullCard(),
                 {u"ed10061=100 тис."_s, u"ed10063=так, бізнес-план є"_s, u"ed10064=ні, обгрунтування немає"_s,
                  u"ed10065=500 тис."_s, u"ed10066=3 роки"_s});
        QVERIFY(printCard(doc, platform));
        QCOMPARE(platform.previews().first().size(), 3);
        QList<const PageLayout *> shown;
        for (const PageLayout &p : platform.shownPages().constFirst())
            shown << &p;
        PDF_TEXT_OR_SKIP();
        const QStringList missing = printChecks::missingFromPdf(shown, u"ik-card"_s, values);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s)));
    }
};

ZORVAT_TEST(IkPrintTest)
#include "ik_print_test.moc"
