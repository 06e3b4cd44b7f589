#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "cards/okd/okd_model.h"
#include "cards/rk/rk_model.h"
#include "fields/card_document.h"
#include "fields/common_rules.h"
#include "fields/user_settings.h"
#include "orgs/org_assist.h"
#include "orgs/org_directory.h"
#include "orgs/org_store.h"
#include "support/scoped_places.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/full_cards.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>


using namespace Qt::StringLiterals;

namespace {

using Driver = EditorDriver<CardEditor>;

// Each test a directory of its own.
struct ScopedStore
{
    QTemporaryDir dir;
    ScopedPlaces places{[this](DataPlaces &p) { p.organisationsFile = dir.filePath(u"organisations.sqlite"_s); }};
    ScopedStore() { orgProblems::reset(); }
    ~ScopedStore() { orgProblems::reset(); }
    QString path() const { return OrgStore::defaultFile(); }
};

QString digits(QString code)
{
    code.remove(u'_');
    code.remove(u' ');
    return code;
}

// OKD shows one organisation slot at a time; the slot is chosen as a clerk does.
void showSlot(Driver &d, int slot)
{
    auto *group = d.window->findChild<QGroupBox *>(u"RadioGroup1"_s)->findChild<QButtonGroup *>();
    QTest::mouseClick(group->button(slot), Qt::LeftButton);
    d.settle();
}

// A full card of `type` saved in an editor: what the directory learns from a save.
QString saveFullCard(FakePlatform &platform, const QTemporaryDir &dir, CardType type, const QString &codeField,
                     int slot)
{
    const QString name = cardKind(type).id().toUpper();
    const QString source = dir.filePath(name + u"_full.txt"_s);
    writeFile(source, fullCards::bytes(type));
    Driver d(createCardEditor(type, nullptr));
    platform.allowMessages(true);
    d.window->document().readFrom(source);
    platform.allowMessages(false);
    if (slot > 0) {
        d.show();
        showSlot(d, slot);
    }
    const QString code = digits(d.shown(codeField));
    platform.expectSave(dir.filePath(name + u"_saved.txt"_s));
    d.window->saveCard();
    d.window->document().setModified(false);
    return code;
}

int groupOfCode(CardType type, const QString &codeField)
{
    const QList<OrgGroup> &groups = orgGroupsOf(type);
    for (int g = 0; g < groups.size(); ++g) {
        if (groups.at(g).code == codeField)
            return g;
    }
    return -1;
}

} // namespace

class OrgWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void offerFillsGroup_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("codeField");
        QTest::addColumn<QString>("nameField");
        QTest::addColumn<QString>("typedField");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("proof");
        QTest::newRow("RK executor") << int(CardType::RK) << u"ed2457"_s << u"mm2151"_s << u"ed2934"_s << 0 << u"bilingual"_s;
        QTest::newRow("RK customer") << int(CardType::RK) << u"ed2458"_s << u"mm2152"_s << u"ed2935"_s << 0 << u"city"_s;
        QTest::newRow("RK co-executor") << int(CardType::RK) << u"cpk"_s << u"cpi"_s << u"cpa"_s << 0 << u""_s;
        QTest::newRow("OK owner") << int(CardType::OK) << u"ed2459"_s << u"mm2153"_s << u"ed2935"_s << 0 << u"city"_s;
        QTest::newRow("OK co-executor") << int(CardType::OK) << u"ed2142k"_s << u"mm2142n"_s << u"ed2142ad"_s << 0 << u""_s;
        QTest::newRow("IK owner") << int(CardType::IK) << u"ed2459"_s << u"mm2153"_s << u"ed2935"_s << 0 << u"city"_s;
        QTest::newRow("OKD slot 2") << int(CardType::OKD) << u"edCod"_s << u"mmNaz"_s << u"edTel"_s << 2 << u"slot"_s;
    }

    // Save a card, open a new one, type the code: Enter fills the group's empty
    // fields, keeps what was typed, runs the exit rules and marks the card modified.
    void offerFillsGroup()
    {
        QFETCH(int, type);
        QFETCH(QString, codeField);
        QFETCH(QString, nameField);
        QFETCH(QString, typedField);
        QFETCH(int, slot);
        QFETCH(QString, proof);
        ScopedFakePlatform platform;
        ScopedStore store;
        QTemporaryDir dir;
        const QString code = saveFullCard(platform, dir, CardType(type), codeField, slot);
        OrgStore db;
        const QString kind = code.size() == 10 ? u"2"_s : u"1"_s;
        std::optional<Organisation> stored = db.find(kind, code);
        QVERIFY2(stored, qPrintable(code));
        QVERIFY(!stored->fullName.isEmpty());
        if (proof == u"city"_s) {
            // Without its city the address rule speaks: proof that it ran.
            Organisation cityless = *stored;
            cityless.city.clear();
            QVERIFY(db.replace(kind, code, cityless));
        }

        Driver d(createCardEditor(CardType(type), nullptr));
        QVERIFY(d.show());
        if (slot > 0)
            showSlot(d, slot);
        d.enter(typedField);
        Driver::type(u"555"_s);
        if (kind == u"2"_s) {
            // A natural person: the clerk picks the kind first, and the code takes ten digits.
            const QString selector = orgGroupsOf(CardType(type)).at(groupOfCode(CardType(type), codeField)).selector;
            d.enter(selector);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            d.tab();
        }
        d.enter(codeField);
        Driver::type(code.left(OrgAssist::kCodeDigits - 1));
        QVERIFY(!OrgAssist::of(d.window.get())->offeredFor());
        Driver::type(code.mid(OrgAssist::kCodeDigits - 1));
        QCOMPARE(OrgAssist::of(d.window.get())->offeredFor(), d.field(codeField));
        QVERIFY(d.focusIn(codeField)); // the popup took no focus

        if (proof == u"city"_s || proof == u"bilingual"_s)
            platform.expectMessage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        d.settle();

        if (proof != u"bilingual"_s)
            QCOMPARE(d.shown(nameField), stored->fullName);
        QCOMPARE(d.shown(typedField), u"555"_s);
        QVERIFY(d.window->document().modified());
        QVERIFY(!OrgAssist::of(d.window.get())->offeredFor());
        if (proof == u"city"_s) {
            QCOMPARE(platform.messages(), QStringList{commonRules::cityMissing()});
        } else if (proof == u"bilingual"_s) {
            // The name is kept as Ukrainian, and the clerk is asked for the English one,
            // as after typing it.
            auto &rk = static_cast<RkModel &>(d.window->document().model());
            QCOMPARE(rk.bilingual(RkText::ExecutorName, TextLanguage::Ukrainian), stored->fullName);
            QCOMPARE(platform.messages(), QStringList{u"Введіть назву англійською мовою !"_s});
            QVERIFY(d.focusIn(nameField));
        } else if (proof == u"slot"_s) {
            auto &okd = static_cast<OkdModel &>(d.window->document().model());
            QCOMPARE(okd.organisation(slot).name, stored->fullName);
        }
        QVERIFY2(platform.unexpected().isEmpty(), qPrintable(platform.unexpected().join(u'\n')));
        d.window->document().setModified(false);
    }

    // Escape drops the offer and nothing else: the window stays, the fields stay empty.
    void escapeIgnoresOffer()
    {
        ScopedFakePlatform platform;
        ScopedStore store;
        OrgStore db;
        QVERIFY(db.remember({{u"1"_s, u"12345678"_s, u"Інститут фізики"_s, u"ІФ"_s, u"Київ"_s, u"вул. Наукова, 1"_s}}));
        Driver d(createCardEditor(CardType::RK, nullptr));
        QVERIFY(d.show());
        d.enter(u"ed2457"_s);
        Driver::type(u"12345678"_s);
        QVERIFY(OrgAssist::of(d.window.get())->offeredFor());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!OrgAssist::of(d.window.get())->offeredFor());
        QVERIFY(d.window->isVisible());
        QVERIFY(d.focusIn(u"ed2457"_s));
        QCOMPARE(d.shown(u"mm2151"_s), QString());
        QCOMPARE(d.shown(u"ed2457"_s), u"12345678"_s);
        d.window->document().setModified(false);
    }

    // The first digits are enough: the offer completes the code where it was typed.
    void prefixCompletesCode()
    {
        ScopedFakePlatform platform;
        ScopedStore store;
        QVERIFY(OrgStore().remember({{u"1"_s, u"12345678"_s, u"Інститут фізики"_s, u"ІФ"_s, u"Київ"_s}}));
        Driver d(createCardEditor(CardType::OK, nullptr));
        QVERIFY(d.show());
        d.enter(u"ed2459"_s);
        Driver::type(u"1234"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        d.settle();
        QCOMPARE(d.shown(u"ed2459"_s), u"12345678"_s);
        QCOMPARE(d.shown(u"ed2360"_s), u"ІФ"_s);
        d.window->document().setModified(false);
    }

    // A name typed in the name field offers the organisation; its code comes with it.
    void nameOffersOrganisation()
    {
        ScopedFakePlatform platform;
        ScopedStore store;
        OrgStore db;
        QVERIFY(db.remember({{u"1"_s, u"12345678"_s, u"Інститут фізики"_s, u"ІФ"_s, u"Київ"_s, u"вул. Наукова, 1"_s},
                             {u"1"_s, u"22345678"_s, u"Інститут хімії"_s, {}, u"Львів"_s, u"вул. Хімічна, 2"_s}}));
        Driver d(createCardEditor(CardType::RK, nullptr));
        QVERIFY(d.show());
        d.enter(u"mm2152"_s);
        Driver::type(u"інсти"_s);
        OrgAssist *assist = OrgAssist::of(d.window.get());
        QCOMPARE(assist->popup()->offered().size(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        d.settle();
        QCOMPARE(d.shown(u"ed2458"_s), u"22345678"_s);
        QCOMPARE(d.shown(u"gorz"_s), u"Львів"_s);
        // The name picked completes what was typed.
        QCOMPARE(d.shown(u"mm2152"_s), u"Інститут хімії"_s);
        QVERIFY(d.focusIn(u"mm2152"_s));
        d.window->document().setModified(false);
    }

    void damagedStoreNeverBlocksSave_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("damaged") << u"damaged"_s;
        QTest::newRow("read-only") << u"read-only"_s;
        QTest::newRow("folder is a file") << u"folder"_s;
    }

    // The card is written as always; the problem is told once, not at every save.
    void damagedStoreNeverBlocksSave()
    {
        QFETCH(QString, problem);
        ScopedFakePlatform platform;
        ScopedStore store;
        if (problem == u"damaged"_s) {
            writeFile(store.path(), QByteArray(4096, 'x'));
        } else if (problem == u"read-only"_s) {
            OrgStore(store.path()).count();
            QFile::setPermissions(store.path(), QFile::ReadOwner);
            // Root writes into read-only files, also as a Windows program under Wine.
            if (QFile probe(store.path()); probe.open(QIODevice::ReadWrite))
                QSKIP("this user writes into read-only files (root)");
        } else {
            writeFile(store.dir.filePath(u"folder"_s), "x");
        }
        // A file where the directory's folder should be: the directory cannot be made.
        const bool underFile = problem != u"damaged"_s && problem != u"read-only"_s;
        ScopedPlaces inFile([&store, underFile](DataPlaces &p) {
            if (underFile)
                p.organisationsFile = store.dir.filePath(u"folder/organisations.sqlite"_s);
        });
        QTemporaryDir dir;
        Driver d(createCardEditor(CardType::RK, nullptr));
        platform.allowMessages(true);
        const QString source = dir.filePath(u"RK_full.txt"_s);
        writeFile(source, fullCards::bytes(CardType::RK));
        d.window->document().readFrom(source);
        platform.allowMessages(false);
        for (int i = 0; i < 2; ++i) {
            const QString out = dir.filePath(u"RK_%1.txt"_s.arg(i));
            platform.expectSave(out);
            if (i == 0)
                platform.expectMessage();
            QVERIFY(d.window->saveCard());
            QVERIFY(readAll(out).contains("2457\\1\\"));
            QVERIFY(!d.window->document().modified());
        }
        QCOMPARE(platform.messages().size(), 1);
        QVERIFY(platform.messages().constFirst().contains(u"Довідник організацій"_s));
        QVERIFY(!orgProblems::last().isEmpty());
        QVERIFY(platform.unexpected().isEmpty());
    }

    // Switched off, a save leaves the directory as it was.
    void rememberingSwitchedOff()
    {
        ScopedFakePlatform platform;
        ScopedStore store;
        userSettings::setRememberOrganisations(false);
        QTemporaryDir dir;
        saveFullCard(platform, dir, CardType::IK, u"ed2459"_s, 0);
        userSettings::setRememberOrganisations(true);
        QCOMPARE(OrgStore().count(), 0);
        saveFullCard(platform, dir, CardType::IK, u"ed2459"_s, 0);
        QVERIFY(OrgStore().count() > 0);
    }

    // "Імпортувати з теки..." asks for the folder through the platform and reads the
    // cards in it; a cancelled choice reads nothing.
    void importAsksForFolder()
    {
        ScopedFakePlatform platform;
        platform.allowMessages(true);
        ScopedStore store;
        QTemporaryDir cards;
        writeFile(cards.filePath(u"IK_full.txt"_s), fullCards::bytes(CardType::IK));
        OrgDirectory window;
        auto *import = window.findChild<QPushButton *>(u"OrgImport"_s);
        QVERIFY(import);
        platform.expectFolder(QString());
        import->click();
        QCOMPARE(OrgStore().count(), 0);
        platform.expectFolder(cards.path());
        import->click();
        QVERIFY(OrgStore().count() > 0);
        QCOMPARE(platform.pending(), 0);
        QVERIFY(platform.unexpected().isEmpty());
    }
};

ZORVAT_TEST(OrgWindowTest)
#include "org_window_test.moc"
