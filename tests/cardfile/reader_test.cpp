#include "cardfile/card_reader.h"
#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;


namespace {

// An interpreter in the shape of the cards' ones: single-line codes are taken from
// the current line, multi-line codes from the joined value. Every application is
// logged as "code=value".
class RecordingInterpreter : public CardInterpreter
{
public:
    QStringList log;

    bool isMultiLineCode(const QString &code) const override
    {
        return code == QLatin1String("2151") || code == QLatin1String("9027") || code == QLatin1String("9036");
    }
    bool keepsEmptyValue(const QString &code) const override
    {
        return code == QLatin1String("2394") || code == QLatin1String("2655");
    }
    void dispatch(const ReadLine &r) override
    {
        if (!r.mlCode.isEmpty())
            log << u"%1/%2=%3"_s.arg(r.mlCode, item(r.mlValue, 2), item(r.mlValue, 3));
        if (r.code.isEmpty() || isMultiLineCode(r.code))
            return;
        if (r.code == QLatin1String("5616"))
            log << u"5616=%1"_s.arg(cardNumber(item(r.line, 2)));
        else
            log << u"%1=%2"_s.arg(r.code, item(r.line, 2));
    }
};

// Card file bytes of a text written here in UTF-8.
QByteArray cp(const char *utf8)
{
    return cp1251::encode(QString::fromUtf8(utf8));
}

QStringList readLog(const QByteArray &bytes, ReadResult *result = nullptr)
{
    RecordingInterpreter interpreter;
    const ReadResult r = readCardBytes(bytes, interpreter, u"RK.txt"_s);
    if (result)
        *result = r;
    return interpreter.log;
}

} // namespace

class ReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void loop_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("plain lines") << QByteArray("5256\\5\r\n7146\\34\r\n\r\n")
                                     << QStringList{u"5256=5"_s, u"7146=34"_s};
        QTest::newRow("backslash in a value cuts it")
            << QByteArray("2358\\a\\b\r\n\r\n") << QStringList{u"2358=a"_s};
        QTest::newRow("three-line memo joined by single blanks")
            << QByteArray("9027\\1\\first \r\n   second  \r\nthird\r\n5256\\1\r\n\r\n")
            << QStringList{u"9027/1=first second third"_s, u"5256=1"_s};
        QTest::newRow("continuation with backslash at position 5 is a new line")
            << QByteArray("2151\\1\\Name\r\nabcd\\efg\r\n\r\n")
            << QStringList{u"2151/1=Name"_s, u"abcd=efg"_s};
        QTest::newRow("backslash elsewhere stays in the value")
            << QByteArray("2151\\1\\Name\r\nab\\cdef\r\n\r\n") << QStringList{u"2151/1=Name ab"_s};
        QTest::newRow("empty 2394 applies, empty 7146 does not")
            << QByteArray("2394\\\r\n7146\\\r\n5256\\5\r\n\r\n")
            << QStringList{u"2394="_s, u"5256=5"_s};
        QTest::newRow("lines without backslash are ignored, bare 2394 and 2655 are not")
            << QByteArray("hello\r\n\r\n2394\r\n7146\r\n2655\r\n5256\\5\r\n")
            << QStringList{u"2394="_s, u"2655="_s, u"5256=5"_s};
        QTest::newRow("bare LF reads like CR LF")
            << QByteArray("9027\\1\\a\nb\n5256\\5\n\n")
            << QStringList{u"9027/1=a b"_s, u"5256=5"_s};
        QTest::newRow("bare CR reads like CR LF")
            << QByteArray("9027\\1\\a\rb\r5256\\5\r7146\\34\r\r")
            << QStringList{u"9027/1=a b"_s, u"5256=5"_s, u"7146=34"_s};
        QTest::newRow("mixed line ends, CR LF is one end")
            << QByteArray("9027\\1\\a\r\nb\rc\nd\r\n5256\\5\n\r\n")
            << QStringList{u"9027/1=a b c d"_s, u"5256=5"_s};
        QTest::newRow("repeated code applied each time")
            << QByteArray("5616\\1\r\n5616\\2\r\n\r\n") << QStringList{u"5616=1"_s, u"5616=2"_s};
        // The loop would end when the file's last line closes a value, dropping that line.
        QTest::newRow("last line after a value is applied")
            << cp("9027\\2\\Title\r\n9027\\1\\Назва\r\n\r\n")
            << QStringList{u"9027/2=Title"_s, u"9027/1=Назва"_s};
        QTest::newRow("single last line after a value")
            << QByteArray("2151\\3\\Name\r\n5256\\1\r\n\r\n") << QStringList{u"2151/3=Name"_s, u"5256=1"_s};
        QTest::newRow("value at end gets no trailing blank")
            << cp("9036\\1\\Етап\r\nдругий рядок\r\n\r\n\r\n")
            << QStringList{u"9036/1=Етап другий рядок"_s};
        QTest::newRow("value closed by end of file without empty line")
            << QByteArray("9027\\1\\a\r\nb") << QStringList{u"9027/1=a b"_s};
        QTest::newRow("chain of three values")
            << QByteArray("2151\\1\\a\r\n2151\\3\\b\r\nb2\r\n9027\\1\\c\r\n\r\n")
            << QStringList{u"2151/1=a"_s, u"2151/3=b b2"_s, u"9027/1=c"_s};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n\n") << QStringList();
    }
    void loop()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        ReadResult r;
        QCOMPARE(readLog(bytes, &r), expected);
        QVERIFY(r.ok());
    }

    void nonNumberStopsWithLineNumber()
    {
        ReadResult r;
        const QStringList log = readLog("5256\\5\r\n5616\\1\r\n5616\\x1\r\n7146\\34\r\n\r\n", &r);
        QCOMPARE(log, (QStringList{u"5256=5"_s, u"5616=1"_s}));
        QCOMPARE(r.status, ReadResult::Status::ConversionError);
        QCOMPARE(r.lineNumber, 3);
        QVERIFY2(r.message.contains(u"5616\\x1"_s), qPrintable(r.message));
        QVERIFY(r.message.contains(u"3"_s));
    }

    // The line named is the one that holds the bad value, also when the value is empty
    // or sits in a multi-line value before the line that ended it.
    void numberErrors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("part");
        const QString notNumber = u"не є числом"_s;
        QTest::newRow("empty sub-code of a value") << cp("5256\\1\r\n2151\\\\Назва\r\n2394\\a@b.ua\r\n") << 2
                                                   << u"«2151\\\\Назва»"_s;
        QTest::newRow("bad sub-code of a value with continuation")
            << cp("9027\\x\\Назва\r\nдалі\r\n5256\\1\r\n") << 1 << u"«x»"_s;
        QTest::newRow("bad number in the line that ended a value")
            << cp("9027\\1\\Назва\r\nдалі\r\n2142\\x\\1\\12345678\r\n") << 3 << u"«x»"_s;
        QTest::newRow("number too large") << cp("2458\\2147483648\\1\\12345678\r\n") << 1
                                          << u"число «2147483648» виходить за допустимі межі"_s;
        QTest::newRow("number too small") << cp("2142\\-2147483649\\1\\12345678\r\n") << 1
                                          << u"виходить за допустимі межі"_s;
        QTest::newRow("on CR-only lines") << cp("5256\\1\r2151\\\\Назва\r2394\\a\r") << 2 << notNumber;
    }
    void numberErrors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, part);
        const CardKind &rk = cardKind(CardType::RK);
        auto model = rk.createModel();
        rk.clearModel(*model);
        auto interpreter = rk.interpreter(*model);
        const ReadResult r = readCardBytes(bytes, *interpreter, u"RK.txt"_s);
        QCOMPARE(r.status, ReadResult::Status::ConversionError);
        QCOMPARE(r.lineNumber, line);
        QVERIFY2(r.message.contains(u"у рядку %1 "_s.arg(line)), qPrintable(r.message));
        QVERIFY2(r.message.contains(part), qPrintable(r.message));
    }

    void encodingGuess_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ascii") << QByteArray("5256\\1\r\n") << false;
        QTest::newRow("cp1251 cyrillic") << cp("9027\\1\\Назва роботи, їжак, Є\r\n") << false;
        QTest::newRow("utf-8 cyrillic") << u"9027\\1\\Назва роботи\r\n"_s.toUtf8() << true;
        QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBF" "5256\\1\r\n") << true;
        QTest::newRow("broken utf-8") << QByteArray("9027\\1\\\xD0\r\n") << false;
    }
    void encodingGuess()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QCOMPARE(looksLikeUtf8(bytes), utf8);
    }

    void nulBytesAndHugeInputs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nul bytes") << QByteArray("5256\\5\0\0\r\n\0\0\0\r\n7146\\\0x\r\n", 22);
        QTest::newRow("10 MB of short lines") << QByteArray("abc\\def\r\n").repeated(10 * 1024 * 1024 / 9);
        QTest::newRow("1 MB line") << QByteArray("5256\\") + QByteArray(1024 * 1024, 'x') + QByteArray("\r\n");
        QTest::newRow("10 MB multi-line value") << QByteArray("9027\\1\\") + cp("слово ")
                + QByteArray("continuation line\r\n").repeated(500000);
        QTest::newRow("binary") << QByteArray::fromHex("00ff98fe0d0a5c5c5c0d0a");
        // Each line is left out and noted: the notes stop growing (reading speed is a bench row).
        QTest::newRow("10 MB of lines without a code")
            << QByteArray("5256\\5\r\n") + QByteArray("x\r\n").repeated(10 * 1024 * 1024 / 3);
    }
    void nulBytesAndHugeInputs()
    {
        QFETCH(QByteArray, bytes);
        ReadResult r;
        readLog(bytes, &r);
        QVERIFY(r.ok());
        QVERIFY(r.notes.size() <= 10001);
    }

    void fileErrors()
    {
        QTemporaryDir dir;
        RecordingInterpreter interpreter;
        const QString missing = dir.filePath(u"gone.txt"_s);
        ReadResult r = readCardFile(missing, interpreter);
        QCOMPARE(r.status, ReadResult::Status::IoError);
        QVERIFY(r.message.contains(missing));
        r = readCardFile(dir.path(), interpreter);
        QCOMPARE(r.status, ReadResult::Status::IoError);
        QVERIFY2(r.message.contains(u"папку"_s), qPrintable(r.message));
        // A pipe would block the reading until someone writes into it.
        const QString fifo = dir.filePath(u"RK-pipe.txt"_s);
        if (makeNamedPipe(fifo)) {
            r = readCardFile(fifo, interpreter);
            QCOMPARE(r.status, ReadResult::Status::IoError);
            QVERIFY2(r.message.contains(u"канал"_s), qPrintable(r.message));
        }

        const QString path = dir.filePath(u"RK.txt"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(cp1251::encode(u"2655\\Київ\\вул. Хрещатик\r\n\r\n"_s));
        f.close();
        r = readCardFile(path, interpreter);
        QVERIFY(r.ok());
        QCOMPARE(interpreter.log, QStringList{u"2655=Київ"_s});
    }
    // Bytes that cannot be a card are not read at all, and the open says why.
    void notACard_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: a card
        QTest::newRow("empty") << QByteArray() << u"файл порожній"_s;
        QTest::newRow("blank lines") << QByteArray(" \r\n\t\r\n\r\n") << u"файл порожній"_s;
        QTest::newRow("all NUL") << QByteArray(100, '\0') << u"двійкові дані"_s;
        QTest::newRow("UTF-16 with its mark") << QByteArray("\xFF\xFE" "5\0" "2\0" "5\0" "6\0" "\\\0" "5\0", 14)
                                              << u"UTF-16"_s;
        QTest::newRow("control bytes") << QByteArray("5256\\5\r\n\x01\x02\x03\x04\x05\x06\r\n") << u"двійкові дані"_s;
        QTest::newRow("text without a card line") << cp("Шановні колеги!\r\nкартка у додатку\r\n")
                                                  << u"жодного рядка картки"_s;
        QTest::newRow("a card with a stray NUL") << cp("5256\\5\r\n7146\\3").append('\0').append(cp("4\r\n6111\\П\r\n"))
                                                 << QString();
        QTest::newRow("a card line after blanks") << QByteArray("   5256\\5\r\n") << QString();
    }
    void notACard()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QCOMPARE(notACardReason(bytes).isEmpty(), reason.isEmpty());
        QVERIFY2(notACardReason(bytes).contains(reason), qPrintable(notACardReason(bytes)));
        ReadResult r;
        const QStringList log = readLog(bytes, &r);
        QVERIFY(r.ok());
        QCOMPARE(r.notACard.isEmpty(), reason.isEmpty());
        if (!reason.isEmpty()) {
            QVERIFY(log.isEmpty());
            QCOMPARE(r.warning, u"«RK.txt»: це не схоже на файл картки - "_s + r.notACard + u'.');
        }
    }

    // What the loop itself leaves out: a line without a code, and a line skipped for its
    // empty first value that has data after it. Continuation lines belong to their value.
    void loopNotes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("notes"); // "line: text"
        QTest::newRow("line without a code") << cp("5256\\5\r\nбез коду\r\n")
                                             << QStringList{u"2: рядок без коду поля не прочитано: «без коду»"_s};
        QTest::newRow("bare code not kept") << cp("5256\\5\r\n7146\r\n")
                                            << QStringList{u"2: рядок без коду поля не прочитано: «7146»"_s};
        QTest::newRow("bare code kept") << cp("2394\r\n5256\\5\r\n") << QStringList();
        QTest::newRow("continuation lines") << cp("9027\\1\\Назва\r\nроботи\r\n5256\\5\r\n") << QStringList();
        QTest::newRow("empty first value, date after") << cp("5256\\5\r\n5418\\\\01.02.24\r\n")
                                                       << QStringList{u"2: перше значення порожнє, тому рядок не прочитано, а з ним і «01.02.24»"_s};
        QTest::newRow("empty first value, empty masks after") << cp("5418\\\\  .  .  \r\n7146\\\r\n") << QStringList();
        QTest::newRow("after a value, a line of a multi-line code with an empty value")
            << cp("9027\\1\\Назва\r\n9036\\\r\nЕтап\r\n")
            << QStringList{u"3: рядок без коду поля не прочитано: «Етап»"_s};
    }
    void loopNotes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, notes);
        ReadResult r;
        readLog(bytes, &r);
        QStringList seen;
        for (const ReadNote &note : r.notes)
            seen << u"%1: %2"_s.arg(note.lineNumber).arg(note.text);
        QCOMPARE(seen, notes);
        QCOMPARE(r.warning.isEmpty(), notes.isEmpty());
    }

    // A check reads past values that must be numbers, noting each; an open stops at the first.
    void numberErrorsNotedOrStop()
    {
        const QByteArray bytes = cp("5616\\x\r\n7146\\34\r\n5616\\2147483648\r\n6111\\П\r\n");
        RecordingInterpreter noting;
        ReadResult r = readCardBytes(bytes, noting, u"RK.txt"_s, NumberErrors::Note);
        QCOMPARE(noting.log, (QStringList{u"7146=34"_s, u"6111=П"_s}));
        QCOMPARE(r.status, ReadResult::Status::ConversionError);
        QCOMPARE(r.lineNumber, 1);
        QCOMPARE(r.notes.size(), 2);
        QCOMPARE(r.notes.at(0).text, u"значення «x» має бути числом: рядок не прочитано"_s);
        QCOMPARE(r.notes.at(1).lineNumber, 3);
        QVERIFY(r.notes.at(1).text.startsWith(u"число «2147483648» виходить за допустимі межі"_s));
        RecordingInterpreter stopping;
        r = readCardBytes(bytes, stopping, u"RK.txt"_s);
        QVERIFY(stopping.log.isEmpty());
        QVERIFY(r.notes.isEmpty());
    }

    // The clerk reads how many lines, which (the first ten), and where to see why.
    void notesWarning_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("part");
        QTest::newRow("one") << QList<int>{4} << u"не прочитано 1 рядок (4):"_s;
        QTest::newRow("two notes, one line") << QList<int>{4, 4, 9} << u"не прочитано 2 рядки (4, 9):"_s;
        QTest::newRow("five") << QList<int>{1, 2, 3, 4, 5} << u"не прочитано 5 рядків (1, 2, 3, 4, 5):"_s;
        QList<int> many;
        for (int n = 1; n <= 21; ++n)
            many << n;
        QTest::newRow("twenty-one") << many << u"не прочитано 21 рядок (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, …):"_s;
        many.removeLast();
        QTest::newRow("twelve..") << many.mid(8) << u"не прочитано 12 рядків ("_s;
    }
    void notesWarning()
    {
        QFETCH(QList<int>, lines);
        QFETCH(QString, part);
        QList<ReadNote> notes;
        for (int line : lines)
            notes.append({line, u"5256"_s, u"x"_s});
        const QString text = ::notesWarning(u"RK.txt"_s, notes);
        QVERIFY2(text.startsWith(u"У файлі «RK.txt» "_s + part), qPrintable(text));
        QVERIFY(text.endsWith(u"«zorvat-card check»."_s));
    }
};

ZORVAT_TEST(ReaderTest)
#include "reader_test.moc"
