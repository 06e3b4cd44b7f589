#include "cardfile/card_writer.h"
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
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

// The IK window driven as a clerk drives it: real focus changes, keys and clicks.
namespace {

using Editor = EditorDriver<IkEditor>;

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
    return cardSteps::linesOf(e.window->kind().fileLines(e.window->model()), u"2459"_s);
}

QStringList savedLines(const QString &path)
{
    return cp1251::decode(readAll(path)).split(u"\r\n"_s);
}

// Opens `lines` as a card file through "Відкрити" of the tool bar.
void openCard(Editor &e, ScopedFakePlatform &platform, const QString &path, const QStringList &lines)
{
    writeFile(path, cardFileBytes(lines));
    platform.expectOpen(path);
    e.window->findChild<QToolButton *>(u"SpeedButton2"_s)->click();
    e.settle();
}

// A mouse click into an editable box, as a clerk puts the focus there.
void clickInto(Editor &e, const QString &box)
{
    QTest::mouseClick(qobject_cast<QComboBox *>(e.field(box))->lineEdit(), Qt::LeftButton);
    e.settle();
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
        QVERIFY(!e.window->document().modified());
    }

    // The registration number is tested once complete but for its mark. Typed from
    // the start of the box, blanks first: they go before each next key, and not one
    // typed character goes with them.
    void registrationNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("messages");
        const QStringList wrong{u"5436.Помилка в номері"_s};
        QTest::newRow("U fifth, no mark") << u"AB12U345678"_s << u"AB12U345678 "_s << QStringList{};
        QTest::newRow("no U") << u"AB12C345678"_s << u"AB12C345678 "_s << wrong;
        QTest::newRow("mark с") << u"AB12U345678с"_s << u"AB12U345678с"_s << QStringList{};
        QTest::newRow("blank first") << u" AB12U345678с"_s << u"AB12U345678с"_s << QStringList{};
        QTest::newRow("blanks first, no U") << u"  AB12C345678с"_s << u"AB12C345678с"_s << wrong;
    }

    void registrationNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(QStringList, messages);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed5436"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        Editor::type(typed);
        QCOMPARE(e.shown(u"ed5436"_s), value);
        e.tab();
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.focusIn(u"ed5436"_s), !messages.isEmpty());
        // The key marks the card modified.
        QVERIFY(e.window->document().modified());
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
        QVERIFY(e.focusIn(u"Edit1"_s));
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
        QVERIFY(e.focusIn(u"Edit1"_s));
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

    // "03" offers its nine texts in the "other" box; passing through the kind again
    // keeps the text, a new kind empties it.
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
        const QString chosen = u"поліпшення стану навколишнього середовища"_s;
        QCOMPARE(e.window->model().text(u"cb9153a"_s), chosen);
        clickInto(e, u"cb9153"_s);
        e.tab();
        QCOMPARE(e.shown(u"cb9153a"_s), chosen);
        QCOMPARE(other->count(), 9);
        e.enter(u"cb9153"_s);
        Editor::retype(u"007"_s);
        e.tab();
        QCOMPARE(e.shown(u"cb9153a"_s), QString());
        QCOMPARE(e.window->model().text(u"cb9153a"_s), QString());
        QCOMPARE(other->count(), 5);
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

    // A card read with its own "other" product text: tabbing through the kind keeps
    // the text, and the save writes it.
    void otherProductTextFromFile()
    {
        QTemporaryDir dir;
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        openCard(e, platform, dir.filePath(u"IK_1.txt"_s), {u"9153\\03\\власний вид з файлу"_s});
        e.click(u"BitBtn1"_s);
        clickInto(e, u"cb9153"_s);
        e.tab();
        QVERIFY(e.focusIn(u"cb9153a"_s));
        QCOMPARE(e.shown(u"cb9153a"_s), u"власний вид з файлу"_s);
        const QString saved = dir.filePath(u"IK.txt"_s);
        platform.expectSave(saved);
        e.window->findChild<QAction *>(u"actSave"_s)->trigger();
        e.settle();
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(platform.messages(), QStringList());
        QVERIFY(savedLines(saved).contains(u"9153\\03\\власний вид з файлу"_s));
    }

    // A kind that asks for its text is never saved without it, from the menu or the
    // tool bar, wherever the focus is: the clerk is sent to the text and nothing is written.
    void kindWithoutTextNotSaved_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("command");
        QTest::newRow("03, in the text, menu") << u"03"_s << u"cb9153a"_s << u"actSave"_s;
        QTest::newRow("007, elsewhere, tool bar") << u"007"_s << u"ed6111"_s << u"SpeedButton3"_s;
    }

    void kindWithoutTextNotSaved()
    {
        QFETCH(QString, kind);
        QFETCH(QString, focus);
        QFETCH(QString, command);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"cb9153"_s);
        Editor::type(kind);
        e.click(u"BitBtn1"_s);
        e.enter(focus);
        if (auto *item = e.window->findChild<QAction *>(command))
            item->trigger();
        else
            e.window->findChild<QToolButton *>(command)->click();
        e.settle();
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(platform.messages(), QStringList{u"Відутня відповідна інформація !"_s});
        QVERIFY(e.focusIn(u"cb9153a"_s));
        QVERIFY(e.window->document().modified());
    }

    // The owner code is checked against the kind shown: a legal person in a fresh
    // card, the kind of the owner read after an open.
    void partialOwnerCode_data()
    {
        QTest::addColumn<QStringList>("card");
        QTest::addColumn<QString>("message");
        const QString legal = u"2459.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s;
        QTest::newRow("fresh card") << QStringList() << legal;
        QTest::newRow("legal owner read")
            << QStringList{u"2459\\1\\1\\12345678\\Київ\\Завод"_s} << legal;
        QTest::newRow("natural owner read")
            << QStringList{u"2459\\1\\2\\1234567890\\Одеса\\Петренко"_s}
            << u"2459.Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"_s;
    }

    void partialOwnerCode()
    {
        QFETCH(QStringList, card);
        QFETCH(QString, message);
        QTemporaryDir dir;
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        if (!card.isEmpty())
            openCard(e, platform, dir.filePath(u"IK_1.txt"_s), card);
        e.clickTab(3);
        e.enter(u"ed2459"_s);
        Editor::retype(u"12"_s);
        e.tab();
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(platform.messages(), QStringList{message});
        QVERIFY(e.focusIn(u"ed2459"_s));
    }

    // The rubric boxes are entered from the second on; the first on screen comes last.
    void rubricsEnteredLast()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"cb9153a"_s);
        QStringList reached;
        for (int step = 0; step < 7; ++step) {
            e.tab();
            reached << QApplication::focusWidget()->objectName();
            Editor::type(u"01020304"_s);
        }
        QCOMPARE(reached, (QStringList{u"mm9155"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s, u"ed5616e"_s,
                                       u"ed5616f"_s, u"ed5616a"_s}));
        QCOMPARE(platform.messages(), QStringList());
    }

    // The owner page's heading stands in bold above plain fields and labels.
    void ownerHeadingInBold()
    {
        Editor e;
        QVERIFY(e.show());
        auto *frame = qobject_cast<QGroupBox *>(e.field(u"Edit1"_s)->parentWidget());
        QVERIFY(frame);
        QCOMPARE(frame->title(), u"Відомості про власника продукції"_s);
        QVERIFY(frame->font().bold());
        QVERIFY(!e.field(u"Edit1"_s)->font().bold());
        QVERIFY(!e.window->findChild<QLabel *>(u"Label27"_s)->font().bold());
    }
};

ZORVAT_TEST(IkEditorTest)
#include "ik_editor_test.moc"
