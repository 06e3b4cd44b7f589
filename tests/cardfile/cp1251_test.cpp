#include "cardfile/cp1251.h"
#include "support/test_registry.h"

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
};

ZORVAT_TEST(Cp1251Test)
#include "cp1251_test.moc"
