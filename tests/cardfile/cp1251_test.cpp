#include "cardfile/cp1251.h"
#include "support/test_registry.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every character the code page defines, once: the bytes 0x20 to 0xFF but 0x7F and 0x98.
QString codePageCharacters()
{
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b != 0x7F && b != 0x98)
            bytes += char(b);
    }
    return cp1251::decode(bytes);
}

} // namespace

class Cp1251Test : public QObject
{
    Q_OBJECT
private slots:
    void unencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bad");
        QTest::newRow("every character of the code page") << codePageCharacters() << QString();
        QTest::newRow("a card line") << u"2358\\Київ «лапки» – № 5 € ‰ ґЄ"_s << QString();
        QTest::newRow("each one once, in order") << u"a≠中b≠Ω中"_s << u"≠中Ω"_s;
        QTest::newRow("a character beyond 16 bits") << u"x😀y😀"_s << u"😀"_s;
        QTest::newRow("a lone surrogate") << u"a"_s + QChar(0xD800) << QString(QChar(0xD800));
        QTest::newRow("Latin letters the code page lacks") << u"café Ł"_s << u"éŁ"_s;
    }
    void unencodable()
    {
        QFETCH(QString, text);
        QFETCH(QString, bad);
        QCOMPARE(cp1251::unencodable(text), bad);
        // The answer kept for each character is the one given the first time.
        QCOMPARE(cp1251::unencodable(text), bad);
        if (bad.isEmpty())
            QCOMPARE(cp1251::decode(cp1251::encode(text)), text);
    }

    // The code page's own table gives, for every byte and every character, what Qt's
    // converter gives where Qt has one (Linux, with ICU): so a card written on Windows
    // has the very bytes of the same card written on Linux.
    void sameAsQtConverter()
    {
        QStringDecoder decoder("windows-1251");
        if (!decoder.isValid())
            QSKIP("this Qt has no converter for the code page to compare with (Qt for Windows has no ICU)");
        for (int b = 0; b < 256; ++b) {
            QStringDecoder one("windows-1251");
            const QByteArray byte(1, char(b));
            QCOMPARE(cp1251::decode(byte), QString(one.decode(byte)));
        }
        for (int unit = 0; unit < 0x10000; ++unit) {
            if (QChar::isSurrogate(char16_t(unit)))
                continue;
            const QString ch = QChar(char16_t(unit));
            QStringEncoder encoder("windows-1251");
            const QByteArray theirs = encoder.encode(ch);
            const bool carried = !encoder.hasError() && theirs.size() == 1 && (theirs != "?" || unit == '?');
            QVERIFY2(cp1251::unencodable(ch).isEmpty() == carried, qPrintable(QString::number(unit, 16)));
            if (carried)
                QCOMPARE(cp1251::encode(ch), theirs);
        }
    }

    void encodeSubstitutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one per character") << u"a≠b"_s << QByteArray("a?b");
        QTest::newRow("a pair is one character") << u"x😀y"_s << QByteArray("x?y");
        QTest::newRow("a lone high surrogate at the end") << u"я"_s + QChar(0xD83D) << QByteArray("\xFF?");
    }
    void encodeSubstitutes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp1251::encode(text), bytes);
    }
};

ZORVAT_TEST(Cp1251Test)
#include "cp1251_test.moc"
