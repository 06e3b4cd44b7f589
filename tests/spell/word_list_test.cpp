#include "cardfile/cp1251.h"
#include "spell/word_list_file.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using spelling::WordListFile;

namespace {

QSet<QString> wordsOf(const QString &path)
{
    QSet<QString> words;
    WordListFile(path).read(&words);
    return words;
}

} // namespace

// The personal word list never loses a word: not on a full disk, not to a list it cannot
// read or that another editor saved in the code page, not when two programs add at once.
class WordListTest : public QObject
{
    Q_OBJECT
private slots:
    void listInTheCodePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"words.txt"_s);
        writeFile(path, cp1251::encode(u"Зорват\r\nҐудзик\r\n"_s));
        QSet<QString> words;
        QCOMPARE(WordListFile(path).add(u"Їжачок"_s, &words), QString());
        const QSet<QString> expected{u"Зорват"_s, u"Ґудзик"_s, u"Їжачок"_s};
        QCOMPARE(words, expected);
        QCOMPARE(wordsOf(path), expected);
        QVERIFY(QString::fromUtf8(readAll(path)).contains(u"Ґудзик\n"_s));
    }

    void fullDiskKeepsTheList()
    {
        FILE_SIZE_LIMIT_OR_SKIP();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"words.txt"_s);
        QStringList many;
        for (int i = 0; i < 12000; ++i)
            many << u"слово%1"_s.arg(i);
        writeFile(path, many.join(u'\n').toUtf8() + '\n');
        const QByteArray before = readAll(path);
        QString problem;
        {
            const FileSizeLimit nearlyFull{64 * 1024};
            QSet<QString> words;
            problem = WordListFile(path).add(u"нове"_s, &words);
        }
        QVERIFY2(problem.contains(u"нове"_s), qPrintable(problem));
        QCOMPARE(readAll(path), before);
    }

    void unreadableListIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"words.txt"_s);
        writeFile(path, "Зорват\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile probe(path); probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files it may not read (root)");
        QSet<QString> words;
        const QString problem = WordListFile(path).add(u"нове"_s, &words);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY2(problem.contains(u"не вдалося прочитати"_s), qPrintable(problem));
        QCOMPARE(readAll(path), QByteArray("Зорват\n"));
    }

    // Two programs adding words at the same time: every word of both lands.
    void concurrentAddsAllLand()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"words.txt"_s);
        QList<QProcess *> adders;
        for (const QString &prefix : {u"перше"_s, u"друге"_s}) {
            auto *p = new QProcess(this);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"ZORVAT_TEST_CLASS"_s, u"WordListTest"_s);
            env.insert(u"ZORVAT_WORDS_FILE"_s, path);
            env.insert(u"ZORVAT_WORDS_PREFIX"_s, prefix);
            p->setProcessEnvironment(env);
            p->start(QCoreApplication::applicationFilePath(), {u"addWordsAsAnotherProgram"_s});
            adders << p;
        }
        for (QProcess *p : adders) {
            QVERIFY(p->waitForFinished(120000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardOutput().constData());
        }
        const QSet<QString> words = wordsOf(path);
        QCOMPARE(words.size(), 2 * kAdds);
        for (int i = 0; i < kAdds; ++i)
            QVERIFY(words.contains(u"перше%1"_s.arg(i)) && words.contains(u"друге%1"_s.arg(i)));
    }

    // One of the two programs of concurrentAddsAllLand.
    void addWordsAsAnotherProgram()
    {
        const QString path = qEnvironmentVariable("ZORVAT_WORDS_FILE");
        if (path.isEmpty())
            QSKIP("run by concurrentAddsAllLand as another program");
        const QString prefix = qEnvironmentVariable("ZORVAT_WORDS_PREFIX");
        for (int i = 0; i < kAdds; ++i) {
            QSet<QString> words;
            const QString problem = WordListFile(path).add(prefix + QString::number(i), &words);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }

private:
    static constexpr int kAdds = 100;
};

ZORVAT_TEST(WordListTest)
#include "word_list_test.moc"
