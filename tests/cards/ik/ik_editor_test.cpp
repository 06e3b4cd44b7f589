#include "cardfile/cp1251.h"
#include "cards/ik/ik_editor.h"
#include "cards/ik/ik_model.h"
#include "fields/card_document.h"
#include "fields/common_texts.h"
#include "support/card_steps.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QAction>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

// The IK window driven as a clerk drives it: real focus changes, keys and clicks.
namespace {

using Editor = EditorDriver<TfrmIK>;

// Owners 1..count typed by name, "next" between them.
void typeOwners(Editor &e, int count)
{
    for (int n = 1; n <= count; ++n) {
        e.enter(u"mm2153"_s);
        Editor::type(u"Власник %1"_s.arg(n));
        if (n < count)
            e.click(u"BitBtn7"_s);
    }
}

// Empties the owner number and leaves it: the owner shown is removed.
void removeShownOwner(Editor &e)
{
    e.enter(u"Edit1"_s);
    Editor::retype(QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    e.tab();
}

QStringList ownerLines(Editor &e)
{
    return cardSteps::linesOf(e.window->kind().Mtext(e.window->model()), u"2459"_s);
}

} // namespace

class IkEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void freshEditor_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("title language") << u"Indjzr"_s << u"0"_s;
        QTest::newRow("owner number") << u"Edit1"_s << u"1"_s;
        QTest::newRow("owner kind") << u"lizz"_s << u"Юридична особа"_s;
        QTest::newRow("owner code") << u"ed2459"_s << u"        "_s;
        QTest::newRow("inventory number") << u"ed5439"_s << u"    U      "_s;
        QTest::newRow("registration number") << u"ed5436"_s << u"            "_s;
        QTest::newRow("product kind") << u"cb9153"_s << QString();
        QTest::newRow("organisation size") << u"cb1009a"_s << QString();
        QTest::newRow("rubric") << u"ed5616a"_s << u"  .  .  .  "_s;
    }

    void freshEditor()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        Editor e;
        QCOMPARE(e.shown(field), value);
        QCOMPARE(e.window->windowTitle(), u"Інформаційна картка науково-технічної продукції (ІК НТП)"_s);
        QTabWidget *pages = e.window->pageControl();
        QCOMPARE(pages->count(), 5);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabText(1), u"Опис. Переваги "_s);
        for (const char *name : {"actSave", "actPrint", "N10"})
            QVERIFY(!e.window->findChild<QAction *>(QString::fromLatin1(name))->isEnabled());
        for (const char *name : {"SpeedButton3", "SpeedButton4", "SB5"})
            QVERIFY(!e.window->findChild<QToolButton *>(QString::fromLatin1(name))->isEnabled());
        QCOMPARE(e.window->document().modified(), 0);
    }

    // The registration number is tested once complete but for its mark.
    void registrationNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("U fifth, no mark") << u"AB12U345678"_s << QStringList{};
        QTest::newRow("no U") << u"AB12C345678"_s << QStringList{u"5436.Помилка в номері"_s};
        QTest::newRow("mark с") << u"AB12U345678с"_s << QStringList{};
    }

    void registrationNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed5436"_s);
        Editor::type(typed);
        e.tab();
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.focusIn(u"ed5436"_s), !messages.isEmpty());
        // The key marks the card modified.
        QCOMPARE(e.window->document().modified(), 1);
    }

    // Owner 2 of three removed: owner 3 becomes owner 2 in both lists and is shown.
    void secondOfThreeOwnersRemoved()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        typeOwners(e, 3);
        e.enter(u"lizz"_s);
        qobject_cast<QComboBox *>(e.field(u"lizz"_s))->setCurrentIndex(1);
        e.tab();
        e.click(u"BitBtn6"_s);
        QCOMPARE(e.shown(u"Edit1"_s), u"2"_s);
        removeShownOwner(e);
        QCOMPARE(platform.messages(), QStringList());
        QCOMPARE(e.shown(u"Edit1"_s), u"2"_s);
        QCOMPARE(e.shown(u"mm2153"_s), u"Власник 3"_s);
        QCOMPARE(e.shown(u"lizz"_s), u"Фізична особа"_s);
        IkModel &m = e.window->model();
        QCOMPARE(m.lists().count(IkList::Owners), 2);
        QVERIFY(m.lists().displayRecord(IkList::Owners, 2).startsWith(u"2\\Фізична особа\\"_s));
        const QStringList lines = ownerLines(e);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).startsWith(u"2459\\1\\1\\"_s));
        QVERIFY(lines.at(1).startsWith(u"2459\\2\\2\\"_s));
        QVERIFY(lines.at(1).contains(u"Власник 3"_s));
    }

    // The only owner removed: empty owner fields, nothing written; a name typed next
    // is kept as owner 1.
    void onlyOwnerRemoved()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        typeOwners(e, 1);
        e.enter(u"gorz"_s);
        Editor::type(u"Львів"_s);
        removeShownOwner(e);
        QCOMPARE(platform.messages(), QStringList());
        QCOMPARE(e.shown(u"mm2153"_s), QString());
        QCOMPARE(e.shown(u"gorz"_s), QString());
        QCOMPARE(ownerLines(e), QStringList());
        e.enter(u"mm2153"_s);
        Editor::type(u"Новий"_s);
        e.click(u"BitBtn1"_s);
        QCOMPARE(ownerLines(e).size(), 1);
    }

    // "Next" at owner 5: the bound's message, the number stays.
    void nextAtOwnerFive()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        typeOwners(e, 5);
        e.click(u"BitBtn7"_s);
        QCOMPARE(platform.messages(), QStringList{u"Кількість власників від 1 до 5."_s});
        QCOMPARE(e.shown(u"Edit1"_s), u"5"_s);
        QCOMPARE(e.shown(u"mm2153"_s), u"Власник 5"_s);
        QCOMPARE(e.window->model().lists().count(IkList::Owners), 5);
    }

    // Numbers typed into the owner number: too high, or beyond the next owner.
    void ownerNumberTyped_data()
    {
        QTest::addColumn<int>("owners");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("number");
        QTest::newRow("4 with owner 1 shown") << 1 << u"4"_s << QStringList{u"Помилка в послідовності номерів !"_s}
                                              << u"2"_s;
        QTest::newRow("6") << 2 << u"6"_s << QStringList{u"Кількість власників від 1 до 5"_s} << u"2"_s;
    }

    void ownerNumberTyped()
    {
        QFETCH(int, owners);
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(QString, number);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        typeOwners(e, owners);
        e.enter(u"Edit1"_s);
        Editor::retype(typed);
        e.tab();
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.shown(u"Edit1"_s), number);
        QCOMPARE(e.window->model().lists().count(IkList::Owners), owners);
    }

    // "03" offers its nine texts in the "other" box; leaving the kind again empties
    // the "other" text even with the kind unchanged.
    void otherProductTexts()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"cb9153"_s);
        Editor::type(u"03"_s);
        e.tab();
        QVERIFY(platform.messages().isEmpty());
        auto *other = qobject_cast<QComboBox *>(e.field(u"cb9153a"_s));
        QStringList offered;
        for (int i = 0; i < other->count(); ++i)
            offered << other->itemText(i);
        QCOMPARE(offered, commonTexts::otherResults(u"03"_s));
        QCOMPARE(offered.size(), 9);
        other->setCurrentIndex(2);
        QCOMPARE(e.window->model().text(u"cb9153a"_s), u"поліпшення стану навколишнього середовища"_s);
        e.enter(u"cb9153"_s);
        e.tab();
        QCOMPARE(e.shown(u"cb9153a"_s), QString());
        QCOMPARE(e.window->model().text(u"cb9153a"_s), QString());
        QCOMPARE(other->count(), 9);
        // Left empty, the "other" text is asked for.
        e.enter(u"cb9153a"_s);
        e.tab();
        QCOMPARE(platform.messages(), QStringList{u"Відутня відповідна інформація !"_s});
        QVERIFY(e.focusIn(u"cb9153a"_s));
    }

    // A save from the tool bar with the focus still in the product name keeps the
    // name as typed last.
    void saveWithFocusInProductName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"IK.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"mm9027"_s);
        Editor::type(u"Прилад"_s);
        e.click(u"BitBtn1"_s);
        e.enter(u"mm9027"_s);
        Editor::type(u" новий"_s);
        QVERIFY(e.focusIn(u"mm9027"_s));
        platform.expectSave(path);
        e.window->findChild<QToolButton *>(u"SpeedButton3"_s)->click();
        QCOMPARE(platform.unexpected(), QStringList());
        const QStringList lines = cp1251::decode(readAll(path)).split(u"\r\n"_s);
        QVERIFY2(lines.contains(u"9027\\1\\Прилад новий"_s), qPrintable(lines.join(u'|')));
        QCOMPARE(e.window->model().title(TextLanguage::Ukrainian), u"Прилад новий"_s);
        QCOMPARE(platform.messages(), QStringList());
    }

    // Not a check: with ZORVAT_SHOT_DIR set, every page is saved as a picture to look at.
    void pagePictures()
    {
        if (qEnvironmentVariableIsEmpty("ZORVAT_SHOT_DIR"))
            QSKIP("ZORVAT_SHOT_DIR not set");
        Editor e;
        QVERIFY(e.savePagePictures(u"ik"_s));
    }
};

ZORVAT_TEST(IkEditorTest)
#include "ik_editor_test.moc"
