#include "print/text_wrap.h"
#include "support/test_registry.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

// Widths are checked with Qt's own metrics of the same font, not with the wrap's.
double advance(const QString &text, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

QStringList words(const QString &text)
{
    return text.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
}

const QString kLongText = u"Розроблення методів неруйнівного контролю зварних з'єднань трубопроводів високого тиску "
    "із застосуванням ультразвукових фазованих решіток, цифрової обробки сигналів та "
    "автоматизованої класифікації дефектів для підприємств паливно-енергетичного комплексу "
    "України; впровадження результатів у практику технічного діагностування обладнання "
    "теплових і атомних електростанцій, магістральних газопроводів та нафтопроводів."_s;

// The wrap done the plain way, as a reference: one unbroken layout of each paragraph,
// every width read as the distance between two cursor positions in it.
QStringList referenceWrap(const QString &text, double width, const QFont &font)
{
    QString normal = text;
    normal.replace(u"\r\n"_s, u"\n"_s);
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList paragraphs = normal.split(QLatin1Char('\n'));
    if (paragraphs.constLast().isEmpty())
        paragraphs.removeLast();
    QStringList lines;
    for (const QString &paragraph : std::as_const(paragraphs)) {
        if (paragraph.isEmpty()) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setUseDesignMetrics(true);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const auto span = [&line](int from, int to) { return line.cursorToX(to) - line.cursorToX(from); };
        const auto blank = [&paragraph](int i) { return paragraph.at(i) == u' '; };
        const int n = int(paragraph.size());
        for (int start = 0; start < n;) {
            int keptEnd = -1;
            int next = -1;
            for (int i = start; i < n;) {
                int end = i;
                while (end < n && blank(end))
                    ++end;
                while (end < n && !blank(end))
                    ++end;
                if (span(start, end) > width + 1e-3)
                    break;
                keptEnd = end;
                while (end < n && blank(end))
                    ++end;
                i = next = end;
            }
            if (keptEnd < 0) {
                int cut = layout.nextCursorPosition(start);
                for (int p = cut; p < n;) {
                    p = layout.nextCursorPosition(p);
                    if (span(start, p) > width + 1e-3)
                        break;
                    cut = p;
                }
                keptEnd = next = cut;
            }
            lines << (next >= n ? paragraph.mid(start) : paragraph.mid(start, keptEnd - start));
            start = next;
        }
    }
    return lines;
}

const QStringList kMemoWords = {
    u"Розроблення"_s, u"методів"_s, u"AVAVA"_s, u"Ta"_s, u"To"_s, u"Yo,"_s, u"«лапки»"_s, u"№ 17"_s,
    u"з'єднань"_s, u"L'"_s, u"—"_s, u"2005-2007"_s, u"T.Y.A."_s, u"ГОСТ"_s, u"Ґанок"_s, u"ffi"_s,
    u"Україна;"_s, u"(ДКР)"_s, u"й"_s, u"WAVE"_s, u"ТОВ"_s, u"r."_s, u"кг/м³"_s, u"€ 5‰"_s};

// A memo of `paragraphs` paragraphs of words from `pieces`, runs of blanks, blanks that
// open a paragraph, and now and then a word too long for any line. The same seed gives
// the same text.
QString memoText(const QStringList &pieces, int paragraphs, int wordsEach, unsigned seed)
{
    static const QString longWord = u"ivanenko@nauka.kiev.ua,petrenko@nauka.kiev.ua,"_s.repeated(4);
    unsigned state = seed;
    const auto random = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    };
    QStringList text;
    for (int p = 0; p < paragraphs; ++p) {
        QString paragraph = random(6) == 0 ? u"   "_s : QString();
        for (int w = 0; w < wordsEach; ++w) {
            if (w > 0)
                paragraph += random(10) == 0 ? u"    "_s : u" "_s;
            paragraph += random(60) == 0 ? longWord : pieces.at(random(unsigned(pieces.size())));
        }
        text << paragraph;
    }
    return text.join(random(2) ? u"\r\n"_s : u"\n"_s);
}

} // namespace

class TextWrapTest : public QObject
{
    Q_OBJECT
private slots:
    void longTextFitsWidth_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("width");
        QTest::newRow("continuation memo, Arial 13") << u"Arial"_s << 13 << false << 701.0;
        QTest::newRow("sheet title, Arial bold 15") << u"Arial"_s << 15 << true << 601.0;
        QTest::newRow("narrow, Arial 12") << u"Arial"_s << 12 << false << 180.0;
        QTest::newRow("Times New Roman 14") << u"Times New Roman"_s << 14 << false << 400.0;
    }
    void longTextFitsWidth()
    {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(double, width);
        const QFont font = layoutFont(family, pixelSize, bold);
        const QStringList lines = wrapText(kLongText, width, font);

        QVERIFY(lines.size() > 1);
        QCOMPARE(words(lines.join(QLatin1Char(' '))), words(kLongText));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines.at(i);
            QVERIFY2(advance(line.trimmed(), font) <= width + 0.5, qPrintable(line));
            // Each break is where the width ended: the next word would not have fitted.
            if (i + 1 < lines.size()) {
                const QString next = words(lines.at(i + 1)).constFirst();
                QVERIFY2(advance(line + QLatin1Char(' ') + next, font) > width - 0.5, qPrintable(line));
            }
        }
    }

    void overLongWordIsBroken_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("word");
        QTest::addColumn<double>("width");
        QTest::newRow("word alone") << QString() << QString(300, QChar(0x0436)) << 701.0;
        QTest::newRow("after a short word") << u"Код: "_s << u"0123456789"_s.repeated(30)
                                            << 350.0;
        QTest::newRow("e-mail list") << QString()
                                     << u"ivanenko@nauka.kiev.ua,petrenko@nauka.kiev.ua,"_s.repeated(6)
                                     << 500.0;
    }
    void overLongWordIsBroken()
    {
        QFETCH(QString, before);
        QFETCH(QString, word);
        QFETCH(double, width);
        const QFont font = layoutFont(u"Arial"_s, 13);
        QStringList lines = wrapText(before + word, width, font);

        if (!before.isEmpty())
            QCOMPARE(lines.takeFirst(), before.trimmed());
        QVERIFY(lines.size() >= 2);
        QCOMPARE(lines.join(QString()), word);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY(advance(lines.at(i), font) <= width + 0.5);
            // A piece ends where the width ends: one more character would not fit.
            if (i + 1 < lines.size())
                QVERIFY(advance(lines.at(i) + lines.at(i + 1).at(0), font) > width - 0.5);
        }
    }

    void lineBreaksAreKept_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("paragraphs") << u"1. Назва\n3. Title"_s << QStringList{u"1. Назва"_s, u"3. Title"_s};
        QTest::newRow("CR LF") << u"а\r\nб"_s << QStringList{u"а"_s, u"б"_s};
        QTest::newRow("empty line kept") << u"а\n\nб"_s << QStringList{u"а"_s, QString(), u"б"_s};
        QTest::newRow("final break opens no line") << u"а\r\n"_s << QStringList{u"а"_s};
        QTest::newRow("final empty line") << u"а\n\n"_s << QStringList{u"а"_s, QString()};
        QTest::newRow("empty text") << QString() << QStringList();
        QTest::newRow("trailing blanks of a heading") << u"2142. Співвиконавці   "_s
                                                      << QStringList{u"2142. Співвиконавці   "_s};
    }
    void lineBreaksAreKept()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(wrapText(text, 701, layoutFont(u"Arial"_s, 13)), expected);
    }

    // The wrap measures words apart and puts their widths together; every break must
    // still be where the plain measurement of the whole paragraph puts it.
    void sameLinesAsPlainWrap_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("text");
        const auto memo = [](unsigned seed) { return memoText(kMemoWords, 6, 300, seed); };
        QTest::newRow("sheet text, Arial 13") << u"Arial"_s << 13 << false << 701.0 << memo(1);
        QTest::newRow("stage memo width") << u"Arial"_s << 13 << false << 555.0 << memo(2);
        QTest::newRow("title, Arial bold 15") << u"Arial"_s << 15 << true << 601.0 << memo(3);
        QTest::newRow("narrow, Arial 12") << u"Arial"_s << 12 << false << 120.0 << memo(4);
        QTest::newRow("Times New Roman 14") << u"Times New Roman"_s << 14 << false << 400.0 << memo(5);
        QTest::newRow("one word wide") << u"Arial"_s << 13 << false << 30.0 << memo(6);
        QTest::newRow("width of one character") << u"Arial"_s << 13 << false << 4.0 << memo(7);
        // Tabs stand where the paragraph puts them: such a paragraph is shaped whole.
        QTest::newRow("tabs") << u"Arial"_s << 13 << false << 500.0
                              << memoText(kMemoWords + QStringList{u"\t"_s, u"a\tb"_s}, 3, 300, 8);
        // Typed characters the code page lacks (a stress mark, a CJK name) are shaped with
        // the whole paragraph.
        QTest::newRow("outside the code page") << u"Arial"_s << 13 << false << 420.0
                                               << memoText(kMemoWords + QStringList{u"за\u0301мок"_s, u"東京"_s}, 3, 300, 10);
        QTest::newRow("tabs and characters outside the code page")
            << u"Arial"_s << 13 << false << 450.0
            << memoText(kMemoWords + QStringList{u"a\tb"_s, u"東京"_s}, 3, 300, 13);
        // Beyond the part shaped first, which then grows.
        QTest::newRow("outside the code page, one long paragraph")
            << u"Arial"_s << 12 << false << 300.0 << memoText(kMemoWords + QStringList{u"東京"_s}, 1, 2600, 11);
        QTest::newRow("tabs, one long paragraph")
            << u"Arial"_s << 12 << false << 300.0 << memoText(kMemoWords + QStringList{u"a\tb"_s}, 1, 2600, 12);
        // One script over more than one item of the renderer: no kerning across items.
        QTest::newRow("one script, beyond one item")
            << u"Arial"_s << 13 << false << 650.0 << memoText({u"AVAVA"_s, u"To"_s, u"Yo,"_s, u"WAVE"_s}, 2, 2000, 9);
        // Words without blanks over many lines, cut line after line where the width ends:
        // alone in a paragraph, after short words and before them, across items.
        const auto word = [](int pieces, unsigned seed) { return memoText(kMemoWords, 1, pieces, seed).remove(u' '); };
        QTest::newRow("one word of many lines") << u"Arial"_s << 13 << false << 701.0 << word(900, 14);
        QTest::newRow("long words among short ones")
            << u"Arial"_s << 12 << false << 300.0
            << memoText(kMemoWords + QStringList{word(40, 15), word(120, 16)}, 2, 200, 17);
        QTest::newRow("a long word, narrow") << u"Arial"_s << 13 << false << 45.0 << word(150, 18);
        QTest::newRow("one word of many lines, Times bold")
            << u"Times New Roman"_s << 16 << true << 500.0 << word(600, 19);
        // Every pair of the code page's printable characters may meet inside a word.
        QString all;
        for (char16_t c = 0x21; c <= 0xFF; ++c) {
            if (c < 0x7F || (c >= 0xA1 && c != 0xAD))
                all += QChar(c);
        }
        for (char16_t c = 0x401; c <= 0x45F; ++c)
            all += QChar(c);
        all += u"\u0490\u0491\u2013\u2014\u2018\u2019\u201A\u201C\u201D\u201E\u2020\u2021\u2022\u2026\u2030"
               u"\u2039\u203A\u20AC\u2116\u2122"_s;
        QString mixed;
        unsigned state = 20;
        for (int i = 0; i < 4000; ++i) {
            state = state * 1103515245u + 12345u;
            mixed += all.at((state >> 16) % all.size());
        }
        QTest::newRow("every character of the code page, in one word")
            << u"Times New Roman"_s << 13 << false << 333.0 << mixed;
    }
    void sameLinesAsPlainWrap()
    {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(double, width);
        QFETCH(QString, text);
        const QFont font = layoutFont(family, pixelSize, bold);
        const QStringList expected = referenceWrap(text, width, font);
        QVERIFY(expected.size() > 10);
        QCOMPARE(wrapText(text, width, font), expected);
        // Asked for the first lines only, the wrap gives exactly those.
        for (int count : {0, 1, 7, int(expected.size()) / 2, int(expected.size()) + 5})
            QCOMPARE(wrapText(text, width, font, count), expected.mid(0, count));
    }

    // Lines already wrapped come back unchanged: a block can be wrapped again safely.
    void wrappedLinesAreStable()
    {
        const QFont font = layoutFont(u"Arial"_s, 13);
        const QStringList lines = wrapText(kLongText.repeated(3), 701, font);
        QCOMPARE(wrapText(lines.join(QLatin1Char('\n')), 701, font), lines);
    }
};

ZORVAT_TEST(TextWrapTest)
#include "text_wrap_test.moc"
