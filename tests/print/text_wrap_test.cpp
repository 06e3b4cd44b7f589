#include "print/text_wrap.h"
#include "support/test_registry.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Widths are checked with Qt's own metrics of the same font, not with the wrap's.
double advance(const QString &text, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

QStringList words(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

const QString kLongText = QStringLiteral(
    "Розроблення методів неруйнівного контролю зварних з'єднань трубопроводів високого тиску "
    "із застосуванням ультразвукових фазованих решіток, цифрової обробки сигналів та "
    "автоматизованої класифікації дефектів для підприємств паливно-енергетичного комплексу "
    "України; впровадження результатів у практику технічного діагностування обладнання "
    "теплових і атомних електростанцій, магістральних газопроводів та нафтопроводів.");

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
        QTest::newRow("continuation memo, Arial 13") << QStringLiteral("Arial") << 13 << false << 701.0;
        QTest::newRow("sheet title, Arial bold 15") << QStringLiteral("Arial") << 15 << true << 601.0;
        QTest::newRow("narrow, Arial 12") << QStringLiteral("Arial") << 12 << false << 180.0;
        QTest::newRow("Times New Roman 14") << QStringLiteral("Times New Roman") << 14 << false << 400.0;
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
        QTest::newRow("after a short word") << QStringLiteral("Код: ") << QStringLiteral("0123456789").repeated(30)
                                            << 350.0;
        QTest::newRow("e-mail list") << QString()
                                     << QStringLiteral("ivanenko@nauka.kiev.ua,petrenko@nauka.kiev.ua,").repeated(6)
                                     << 500.0;
    }
    void overLongWordIsBroken()
    {
        QFETCH(QString, before);
        QFETCH(QString, word);
        QFETCH(double, width);
        const QFont font = layoutFont(QStringLiteral("Arial"), 13);
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
        QTest::newRow("paragraphs") << QStringLiteral("1. Назва\n3. Title") << QStringList{u"1. Назва"_s, u"3. Title"_s};
        QTest::newRow("CR LF") << QStringLiteral("а\r\nб") << QStringList{u"а"_s, u"б"_s};
        QTest::newRow("empty line kept") << QStringLiteral("а\n\nб") << QStringList{u"а"_s, QString(), u"б"_s};
        QTest::newRow("final break opens no line") << QStringLiteral("а\r\n") << QStringList{u"а"_s};
        QTest::newRow("final empty line") << QStringLiteral("а\n\n") << QStringList{u"а"_s, QString()};
        QTest::newRow("empty text") << QString() << QStringList();
        QTest::newRow("trailing blanks of a heading") << QStringLiteral("2142. Співвиконавці   ")
                                                      << QStringList{u"2142. Співвиконавці   "_s};
    }
    void lineBreaksAreKept()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(wrapText(text, 701, layoutFont(QStringLiteral("Arial"), 13)), expected);
    }

    // Lines already wrapped come back unchanged: a block can be wrapped again safely.
    void wrappedLinesAreStable()
    {
        const QFont font = layoutFont(QStringLiteral("Arial"), 13);
        const QStringList lines = wrapText(kLongText.repeated(3), 701, font);
        QCOMPARE(wrapText(lines.join(QLatin1Char('\n')), 701, font), lines);
    }
};

ZORVAT_TEST(TextWrapTest)
#include "text_wrap_test.moc"
