#include "app/card_editor.h"
#include "app/main_window.h"
#include "cardfile/card_writer.h"
#include "cardfile/cp1251.h"
#include "cardfile/io_reason.h"
#include "fields/card_document.h"
#include "fields/card_recovery.h"
#include "fields/widget_helpers.h"
#include "support/scoped_places.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>
#include <memory>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

using Answer = Platform::Answer;

const QString kTitle = u"Методи оцінки ресурсу"_s;
const QString kShortName = u"ІПМ НАНУ"_s;

// Types into a field of the editor as the clerk does, with the focus in it.
void typeInto(CardEditor *editor, const QString &field, const QString &text)
{
    auto *widget = editor->findChild<QWidget *>(field);
    QVERIFY2(widget, qPrintable(field));
    widget->setFocus();
    typeText(widget, text);
}

// An RK editor of `form` with a title and a short name typed; its copy written.
CardEditor *typedCard(MainWindow &form)
{
    CardEditor *editor = form.openEditor(CardType::RK);
    typeInto(editor, u"mm9027"_s, kTitle);
    typeInto(editor, u"ed2358"_s, kShortName);
    editor->document().recovery()->flush();
    return editor;
}

QStringList copiesIn(const QString &folder)
{
    return QDir(folder).entryList({u"*.txt"_s}, QDir::Files);
}

// The first question lets `meanwhile` run before it is answered: a second program
// started while the first one's offer is open.
class AskedMeanwhile : public ScopedFakePlatform
{
public:
    std::function<void()> meanwhile;

    Answer question(const QString &caption, const QString &text) override
    {
        if (meanwhile)
            std::exchange(meanwhile, {})();
        return ScopedFakePlatform::question(caption, text);
    }
};

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_places = std::make_unique<ScopedPlaces>([this](DataPlaces &p) { p.recoveryFolder = m_dir->path(); });
    }
    void cleanup()
    {
        m_places.reset();
        m_dir.reset();
    }

    // The program ends with typed text unsaved; the next start offers the card and
    // restores exactly what was written.
    void crashAndRestore()
    {
        ScopedFakePlatform fake;
        QString copy;
        QByteArray written;
        {
            auto form = std::make_unique<MainWindow>();
            CardEditor *editor = typedCard(*form);
            QVERIFY(editor->document().modified());
            copy = editor->document().recovery()->path();
            QVERIFY(!copy.isEmpty());
            written = readAll(copy);
            const QString text = cp1251::decode(written);
            QVERIFY2(text.contains(u"\r\n9027\\1\\"_s + kTitle + u"\r\n"_s), qPrintable(text));
            QVERIFY2(text.contains(u"\r\n2358\\"_s + kShortName + u"\r\n"_s), qPrintable(text));
            // A running program's copy is not offered.
            QVERIFY(CardRecovery::leftBehind().isEmpty());
            // The windows go without a single question, as in a crash.
        }
        QVERIFY(fake.log().isEmpty());
        QCOMPARE(readAll(copy), written);

        MainWindow form;
        fake.expectQuestion(Answer::Yes);
        form.offerRecovery();
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.pending(), 0);
        const QString asked = fake.log().constFirst();
        QVERIFY2(asked.startsWith(u"question: Відновлення картки | Відновити незбережену картку "
                                                 "«Реєстраційна карта НДР і ДКР (РК)», востаннє змінену "_s),
                 qPrintable(asked));

        CardEditor *restored = form.newestEditor(CardType::RK);
        QVERIFY(restored);
        CardDocument &document = restored->document();
        QVERIFY(document.modified());
        QCOMPARE(cardFileBytes(document.kind().snapshotLines(document.model())), written);
        QCOMPARE(restored->findChild<QPlainTextEdit *>(u"mm9027"_s)->toPlainText(), kTitle);
        QCOMPARE(restored->findChild<QLineEdit *>(u"ed2358"_s)->text(), kShortName);
        // The restored card goes on with the same copy, and nothing else names it.
        QCOMPARE(document.recovery()->path(), copy);
        QVERIFY(document.openedName().isEmpty());
        QCOMPARE(restored->windowTitle(), u"Реєстраційна карта НДР і ДКР (РК)"_s);

        // Its save asks for a name of the clerk's own and then drops the copy.
        const QString saved = m_dir->filePath(u"saved/RK.txt"_s);
        QVERIFY(QDir(m_dir->path()).mkdir(u"saved"_s));
        fake.expectSave(saved);
        QVERIFY(restored->saveCard());
        QCOMPARE(fake.fileChoices().constLast().initialName, u"RK"_s);
        QCOMPARE(readAll(saved), written);
        QVERIFY(!QFile::exists(copy));
        QVERIFY(copiesIn(m_dir->path()).isEmpty());
    }

    // The copy lives exactly while the card has changes nobody saved or dropped.
    void copyFollowsTheFlag_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("kept");
        QTest::newRow("saved") << u"save"_s << false;
        QTest::newRow("dropped at the prompt") << u"no"_s << false;
        QTest::newRow("prompt cancelled") << u"cancel"_s << true;
        QTest::newRow("window gone without a question") << u"crash"_s << true;
    }
    void copyFollowsTheFlag()
    {
        QFETCH(QString, ending);
        QFETCH(bool, kept);
        ScopedFakePlatform fake;
        auto form = std::make_unique<MainWindow>();
        CardEditor *editor = typedCard(*form);
        const QString copy = editor->document().recovery()->path();
        QVERIFY(QFile::exists(copy));
        if (ending == QLatin1String("save")) {
            fake.expectSave(m_dir->filePath(u"RK-own.txt.part"_s));
            QVERIFY(editor->saveCard());
        } else if (ending == QLatin1String("no")) {
            fake.expectQuestion(Answer::No);
            editor->exitEditor();
        } else if (ending == QLatin1String("cancel")) {
            fake.expectQuestion(Answer::Cancel);
            editor->exitEditor();
        }
        form.reset();
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(QFile::exists(copy), kept);
        QCOMPARE(CardRecovery::leftBehind().size(), kept ? 1 : 0);
    }

    // A change after the first one, in a field that does not lock the save, still
    // reaches the copy.
    void laterChangesReachTheCopy()
    {
        ScopedFakePlatform fake;
        auto form = std::make_unique<MainWindow>();
        CardEditor *editor = typedCard(*form);
        typeInto(editor, u"ed7022"_s, u"0107"_s);
        editor->document().recovery()->flush();
        const QString text = cp1251::decode(readAll(editor->document().recovery()->path()));
        QVERIFY2(text.contains(u"\r\n7022\\0107\r\n"_s), qPrintable(text));
        fake.expectQuestion(Answer::No);
        editor->exitEditor();
    }

    // A save onto a full disk is reported; the card keeps its flag, the old file and
    // the recovery copy stay.
    void fullDiskInTheEditor()
    {
        FILE_SIZE_LIMIT_OR_SKIP();
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *editor = typedCard(form);
        const QString copy = editor->document().recovery()->path();
        const QString own = m_dir->filePath(u"own.card"_s);
        writeFile(own, "old card\r\n");
        fake.expectSave(own);
        fake.expectIoError();
        {
            const FileSizeLimit full{0};
            QVERIFY(!editor->saveCard());
        }
        QVERIFY(fake.unexpected().isEmpty());
        QVERIFY2(fake.messages().constLast().contains(own), qPrintable(fake.messages().constLast()));
        QVERIFY2(fake.messages().constLast().contains(ioReason(EFBIG)), qPrintable(fake.messages().constLast()));
        QVERIFY(editor->document().modified());
        QCOMPARE(readAll(own), QByteArray("old card\r\n"));
        QVERIFY(QFile::exists(copy));
    }

    // No deletes the copy; Cancel keeps it for the next start.
    void offerAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(Answer::Yes);
        QTest::newRow("no") << int(Answer::No);
        QTest::newRow("cancel") << int(Answer::Cancel);
    }
    void offerAnswers()
    {
        QFETCH(int, answer);
        ScopedFakePlatform fake;
        QString copy;
        {
            MainWindow crashed;
            copy = typedCard(crashed)->document().recovery()->path();
        }
        MainWindow form;
        fake.expectQuestion(Answer(answer));
        form.offerRecovery();
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(form.newestEditor(CardType::RK) != nullptr, Answer(answer) == Answer::Yes);
        QCOMPARE(QFile::exists(copy), Answer(answer) != Answer::No);
        // Offered again only when nobody has it open.
        QCOMPARE(CardRecovery::leftBehind().size(), Answer(answer) == Answer::Cancel ? 1 : 0);
        QCOMPARE(QFile::exists(copy + u".lock"_s), Answer(answer) == Answer::Yes);
    }

    // A second program started while the first asks about one copy offers only the
    // other; the first then passes by whatever the second restored or deleted.
    void secondStartWhileAsked_data()
    {
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("firstRestores");
        QTest::newRow("second restores its copy") << int(Answer::Yes) << 1;
        QTest::newRow("second deletes its copy") << int(Answer::No) << 1;
        QTest::newRow("second keeps its copy") << int(Answer::Cancel) << 2;
    }
    void secondStartWhileAsked()
    {
        QFETCH(int, second);
        QFETCH(int, firstRestores);
        AskedMeanwhile fake;
        {
            MainWindow crashed;
            typedCard(crashed);
            typedCard(crashed);
        }
        MainWindow first;
        MainWindow other;
        fake.meanwhile = [&other] { other.offerRecovery(); };
        fake.expectQuestion(Answer(second)); // asked inside the first program's question
        for (int i = 0; i < firstRestores; ++i)
            fake.expectQuestion(Answer::Yes);
        first.offerRecovery();
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.pending(), 0);

        const QList<CardEditor *> firsts = first.findChildren<CardEditor *>();
        const QList<CardEditor *> others = other.findChildren<CardEditor *>();
        QCOMPARE(firsts.size(), firstRestores);
        QCOMPARE(others.size(), Answer(second) == Answer::Yes ? 1 : 0);
        // Every restored card goes on with a copy of its own, and holds it.
        QSet<QString> held;
        for (CardEditor *editor : firsts + others)
            held.insert(editor->document().recovery()->path());
        QVERIFY(!held.contains(QString()));
        QCOMPARE(held.size(), firsts.size() + others.size());
        QCOMPARE(copiesIn(m_dir->path()).size(), held.size());
        QVERIFY(CardRecovery::leftBehind().isEmpty());
    }

    // Several cards left behind are offered one by one, each in an editor of its type.
    void everyCopyOffered()
    {
        ScopedFakePlatform fake;
        {
            MainWindow crashed;
            typedCard(crashed);
            typedCard(crashed);
        }
        QCOMPARE(copiesIn(m_dir->path()).size(), 2);
        MainWindow form;
        fake.expectQuestion(Answer::Yes);
        fake.expectQuestion(Answer::Yes);
        form.offerRecovery();
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.pending(), 0);
        QCOMPARE(form.findChildren<CardEditor *>().size(), 2);
        for (CardEditor *editor : form.findChildren<CardEditor *>())
            QVERIFY(editor->document().modified());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScopedPlaces> m_places;
};

ZORVAT_TEST(RecoveryTest)
#include "recovery_test.moc"
