#include "ink.h"
#include "print/page_renderer.h"
#include "print/text_wrap.h"
#include "support/test_registry.h"

#include <QPainter>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Lower case only, without dots, breves and apostrophes above the letters, so every
// printed line is one unbroken run of inked rows and neighbouring lines never touch.
const QString kText = u"розроблення методив неруинивного контролю зварних зеднань трубопроводив високого тиску "
    "из застосуванням ультразвукових фазованих решиток, цифрово обробки сигналив та "
    "автоматизовано класификаци дефектив для пидприемств паливно-енергетичного комплексу; "
    "впровадження результатив у практику технычного диагностування обладнання теплових и "
    "атомних електростанции, магистральних газопроводив та нафтопроводив, резервуарив."_s;

PageElement memo(double left, double top, double width, double height, int pixelSize = 13, bool bold = false)
{
    PageElement e;
    e.type = PageElement::Type::Memo;
    e.name = u"QRMemo2"_s;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.pixelSize = pixelSize;
    e.bold = bold;
    return e;
}

PageElement label(double left, double top, double width, const QString &text)
{
    PageElement e;
    e.name = u"QRLabel1"_s;
    e.left = left;
    e.top = top;
    e.width = width;
    e.text = text;
    return e;
}

// A rectangle in band units, in pixels of a whole page rendered at `dpi`.
QRect onPage(const PageLayout &layout, double left, double top, double width, double height, double dpi)
{
    const double s = dpi / kUnitsPerInch;
    return QRectF((layout.bandLeft + left) * s, (layout.bandTop + top) * s, width * s, height * s).toAlignedRect();
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"рядок продовження номер %1"_s.arg(i);
    return lines;
}

} // namespace

class PageRendererTest : public QObject
{
    Q_OBJECT
private slots:
    // A line is drawn from the font's own glyphs and kerning: never wider than the wrap
    // measured it, in every font and size the cards print with, so a cut line still fits.
    void drawnAsWideAsMeasured_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Ukrainian") << u"Методи неруйнівного контролю зварних з'єднань трубопроводів"_s;
        QTest::newRow("capitals and kerning pairs") << u"РЕЄСТРАЦІЙНА КАРТКА НДР І ДКР (РК) AV Ty Yo LT"_s;
        QTest::newRow("Latin") << u"Non-destructive testing methods for welded pipeline joints"_s;
        QTest::newRow("digits and signs") << u"0105U000123; 01.02.05; 12/34-56; 1 234,56 тис.грн. «№ 7»"_s;
        QTest::newRow("apostrophes and dashes") << u"Знам'янка — Zghurskyi – П’ять “лапки”"_s;
        QTest::newRow("one long word") << QString(300, QChar(0x0448));
    }
    void drawnAsWideAsMeasured()
    {
        QFETCH(QString, text);
        for (const char *family : {"Arial", "Times New Roman"}) {
            for (const int size : {11, 13, 16, 20}) {
                for (const bool bold : {false, true}) {
                    const QFont font = layoutFont(QString::fromLatin1(family), size, bold);
                    const double measured = textWidth(text, font);
                    const double drawn = drawnWidth(text, font);
                    // Never wider than measured (it would be cut off), and near it.
                    QVERIFY2(drawn <= measured + 0.05 && drawn >= measured * 0.99,
                             qPrintable(u"%1 %2%3: drawn %4, measured %5"_s
                                            .arg(QString::fromLatin1(family))
                                            .arg(size)
                                            .arg(bold ? u" bold"_s : QString())
                                            .arg(drawn)
                                            .arg(measured)));
                }
            }
        }
    }

    // Lines are broken once; every resolution shows the same lines, equally long.
    void sameLinesAt96And1200Dpi()
    {
        PageLayout layout(u"TQRDop1"_s);
        PageElement &text = layout.add(memo(8, 8, 701, 1010));
        text.lines = wrapText(kText + QLatin1Char(' ') + kText, text.width, elementFont(text));
        QVERIFY(text.lines.size() >= 5);
        // A line given wider than the memo stays one line, cut at the memo's edge.
        text.lines.append(kText.left(200));
        QVERIFY(textWidth(text.lines.constLast(), elementFont(text)) > text.width * 1.5);

        const QImage low = renderPage(layout, 96);
        const QRect lowRegion = onPage(layout, 0, 0, 718, 1044, 96);
        QCOMPARE(ink::bands(low, lowRegion), int(text.lines.size()));

        // At 1200 dpi only the text's part of the page is painted, to keep the image small.
        const double s = 1200 / kUnitsPerInch;
        const QRectF area(text.left - 4, text.top - 4, text.width + 8, (text.lines.size() + 4) * 15);
        QImage high(qRound(area.width() * s), qRound(area.height() * s), QImage::Format_RGB32);
        high.fill(Qt::white);
        {
            QPainter painter(&high);
            const QPointF origin = -(QPointF(layout.bandLeft, layout.bandTop) + area.topLeft()) * s;
            paintPage(painter, layout, QRectF(origin, QSizeF(PageLayout::kPageWidth, PageLayout::kPageHeight) * s));
        }
        QCOMPARE(ink::bands(high, high.rect()), int(text.lines.size()));

        // Each line ends at the same place on both devices, inside the memo.
        const QList<int> lowEdges = ink::bandRightEdges(low, lowRegion);
        const QList<int> highEdges = ink::bandRightEdges(high, high.rect());
        QCOMPARE(lowEdges.size(), highEdges.size());
        for (qsizetype i = 0; i < lowEdges.size(); ++i) {
            const double lowUnits = lowEdges.at(i) - layout.bandLeft;
            const double highUnits = highEdges.at(i) / s + area.left();
            QVERIFY2(qAbs(lowUnits - highUnits) < 2.0, qPrintable(text.lines.at(i)));
            QVERIFY(highUnits <= text.left + text.width + 1);
        }
    }

    void memoShowsTheWholeLinesThatFit_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("shown");
        QTest::newRow("stage memo, 80 high") << 80.0 << 13 << false << 8 << 5;
        QTest::newRow("sheet title, bold 15, 55 high") << 55.0 << 15 << true << 5 << 3;
        QTest::newRow("fewer lines than room") << 80.0 << 13 << false << 2 << 2;
        QTest::newRow("sheet 1 text, 934 high") << 934.0 << 13 << false << 70 << 62;
        QTest::newRow("lower than one line") << 10.0 << 13 << false << 3 << 1;
    }
    void memoShowsTheWholeLinesThatFit()
    {
        QFETCH(double, height);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(int, lineCount);
        QFETCH(int, shown);
        PageLayout layout;
        PageElement &m = layout.add(memo(8, 20, 600, height, pixelSize, bold));
        m.lines = numberedLines(lineCount);

        QCOMPARE(std::min(memoCapacity(m), lineCount), shown);
        const QImage image = renderPage(layout, 96);
        QCOMPARE(ink::bands(image, onPage(layout, 0, 0, 718, 1044, 96)), shown);
        if (height >= 15)
            QVERIFY(!ink::any(image, onPage(layout, 0, m.top + height + 1, 718, 1044 - m.top - height - 1, 96)));
    }

    void labelIsCutAtItsWidth_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("cut");
        QTest::newRow("width 60") << 60.0 << true;
        QTest::newRow("no width: as long as its text") << 0.0 << false;
    }
    void labelIsCutAtItsWidth()
    {
        QFETCH(double, width);
        QFETCH(bool, cut);
        PageLayout layout;
        layout.add(label(100, 40, width, u"Повне найменування юридичної особи"_s));
        const QImage image = renderPage(layout, 96);

        const QRect row = onPage(layout, 0, 30, 718, 40, 96);
        const auto [first, last] = ink::columns(image, row);
        const int cutAt = onPage(layout, 100 + 60, 0, 0, 0, 96).left();
        QVERIFY(first >= onPage(layout, 100, 0, 0, 0, 96).left() - 1);
        if (cut) {
            QVERIFY(last <= cutAt);
            QVERIFY(last >= cutAt - 4);
        } else {
            QVERIFY(last > cutAt + 100);
        }
    }

    // Line breaks of a value put into a label do not hide the rest of it.
    void labelShowsLineBreaksAsBlanks()
    {
        PageLayout one;
        one.add(label(10, 40, 0, u"вулиця Академічна, 5"_s));
        PageLayout broken;
        broken.add(label(10, 40, 0, u"вулиця\r\nАкадемічна, 5"_s));
        QCOMPARE(renderPage(broken, 96), renderPage(one, 96));
    }

    // A centred heading stands in the middle of its width.
    void centredLabel()
    {
        PageLayout layout;
        PageElement &e = layout.add(label(100, 40, 400, u"РЕЄСТРАЦІЙНА КАРТКА"_s));
        e.align = PageElement::Align::Center;
        const QImage image = renderPage(layout, 96);
        const auto [first, last] = ink::columns(image, onPage(layout, 0, 30, 718, 40, 96));
        QVERIFY(qAbs((first + last) / 2.0 - layout.bandLeft - 300) <= 2);
    }

    void framesAreDrawn()
    {
        PageLayout layout;
        layout.boxes.append({.left = 100, .top = 100, .width = 300, .height = 200});
        layout.frames.append({.x1 = 0, .y1 = 500, .x2 = 718, .y2 = 500});
        const QImage image = renderPage(layout, 96);
        QVERIFY(ink::any(image, onPage(layout, 99, 99, 3, 203, 96)));   // left edge
        QVERIFY(ink::any(image, onPage(layout, 399, 99, 3, 203, 96)));  // right edge
        QVERIFY(!ink::any(image, onPage(layout, 110, 110, 280, 180, 96))); // inside
        QVERIFY(ink::any(image, onPage(layout, 700, 499, 10, 3, 96)));  // the line
    }
};

ZORVAT_TEST(PageRendererTest)
#include "page_renderer_test.moc"
