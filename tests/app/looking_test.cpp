#include "cards/card_editors.h"
#include "fields/card_document.h"
#include "fields/field_table.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

// A clerk who only looks at a card changes nothing: pages shown by their tab headers,
// clicks from field to field, a language switched to read a name, Escape. Through the
// real window, as the clerk does it.
namespace {

using Editor = EditorDriver<CardEditor>;

// "page N" (the tab header of page N, from 1), "click F" (a mouse click into a field or
// on a radio button), "escape F" (a click into the field, then Escape), "tab".
void look(Editor &e, const QString &step)
{
    const QString verb = step.section(u' ', 0, 0);
    const QString name = step.section(u' ', 1, 1);
    if (verb == u"page"_s) {
        e.clickTab(name.toInt() - 1);
        return;
    }
    if (verb == u"tab"_s) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        e.settle();
        return;
    }
    QWidget *field = e.field(name);
    QVERIFY2(field, qPrintable(step));
    e.clickInto(field);
    if (verb == u"escape"_s) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        e.settle();
    }
}

} // namespace

class LookingTest : public QObject
{
    Q_OBJECT
private slots:
    void lookingChangesNothing_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("landsIn"); // the field the last step leaves the focus in, "" for any
        using L = QStringList;
        const CardType RK = CardType::RK, OK = CardType::OK, OKD = CardType::OKD, IK = CardType::IK;
        // The page of "7443. Підсумки дослідження": its first field only looked at.
        QTest::newRow("OKD results page, a click on the page")
            << OKD << L{u"page 5"_s, u"click cb7344"_s} << u"cb7344"_s;
        QTest::newRow("OKD results page, a click on a rubric")
            << OKD << L{u"page 5"_s, u"click ed5616b"_s} << u"ed5616b"_s;
        QTest::newRow("OKD every page by its header")
            << OKD << L{u"page 2"_s, u"page 3"_s, u"page 4"_s, u"page 5"_s, u"page 1"_s} << QString();
        QTest::newRow("OKD languages")
            << OKD << L{u"click indjzd_1"_s, u"click indjzd_0"_s, u"page 3"_s, u"click RadioGroup2_1"_s} << QString();
        QTest::newRow("OKD Escape") << OKD << L{u"escape ed7021"_s} << u"ed7021"_s;
        QTest::newRow("RK every page by its header")
            << RK << L{u"page 2"_s, u"page 3"_s, u"page 4"_s, u"page 5"_s, u"page 6"_s, u"page 1"_s} << QString();
        QTest::newRow("RK language, then a click") << RK << L{u"page 2"_s, u"click Indjz_1"_s, u"click ed2358"_s}
                                                   << u"ed2358"_s;
        QTest::newRow("RK Escape") << RK << L{u"escape ed5418N"_s} << u"ed5418N"_s;
        QTest::newRow("OK every page by its header")
            << OK << L{u"page 2"_s, u"page 3"_s, u"page 4"_s, u"page 5"_s, u"page 6"_s, u"page 7"_s, u"page 1"_s}
            << QString();
        QTest::newRow("OK language") << OK << L{u"page 2"_s, u"click Indjz_1"_s} << QString();
        QTest::newRow("IK every page by its header")
            << IK << L{u"page 2"_s, u"page 3"_s, u"page 4"_s, u"page 5"_s, u"page 1"_s} << QString();
        QTest::newRow("IK language and Escape") << IK << L{u"click Indjzr_1"_s, u"escape mm9027"_s} << u"mm9027"_s;
    }
    void lookingChangesNothing()
    {
        QFETCH(CardType, card);
        QFETCH(QStringList, steps);
        QFETCH(QString, landsIn);
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        QVERIFY(e.show());
        const QStringList before = e.window->kind().snapshotLines(e.window->document().model());
        for (const QString &step : std::as_const(steps)) {
            look(e, step);
            if (QTest::currentTestFailed())
                return;
        }
        if (!landsIn.isEmpty())
            QVERIFY2(e.focusIn(landsIn), qPrintable(QApplication::focusWidget()->objectName()));
        QCOMPARE(platform.log(), QStringList());
        QVERIFY(!e.window->document().modified());
        QCOMPARE(e.window->kind().snapshotLines(e.window->document().model()), before);
        // Closing asks nothing.
        QPointer<CardEditor> window(e.window.release());
        const auto closed = qScopeGuard([&window] { delete window.data(); });
        window->close();
        QTRY_VERIFY(!window);
        QCOMPARE(platform.unexpected(), QStringList());
    }

    // Retyping the person kind of the applicant's workplace: the code's ten digits
    // stay while the kind is on its way, and stay when it becomes a legal person.
    void typingTheKindKeepsTheCode()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e(createCardEditor(CardType::OKD, nullptr));
        QVERIFY(e.show());
        e.clickTab(1);
        e.clickInto(e.field(u"RadioGroup1_3"_s));
        auto *kind = qobject_cast<QComboBox *>(e.field(u"lizv"_s));
        QVERIFY(kind && kind->isVisible());
        e.clickInto(kind);
        Editor::retype(u"Фізична особа"_s);
        e.clickInto(e.field(u"edCod"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        Editor::type(u"1234567890"_s);
        QCOMPARE(e.shown(u"edCod"_s), u"1234567890"_s);

        // On the way to another kind: a message, the clerk stays, the code is whole.
        e.clickInto(kind);
        Editor::retype(u"Ю"_s);
        platform.clear();
        platform.allowMessages();
        e.clickInto(e.field(u"edCod"_s));
        QCOMPARE(platform.messages(), QStringList{u" Помилка "_s});
        QVERIFY(e.focusIn(u"lizv"_s));
        QCOMPARE(e.shown(u"edCod"_s), u"1234567890"_s);

        // A legal person: the digits stay, and the code asks for eight.
        Editor::retype(u"Юридична особа"_s);
        e.clickInto(e.field(u"edCod"_s));
        QVERIFY(e.focusIn(u"edCod"_s));
        QCOMPARE(e.shown(u"edCod"_s), u"1234567890"_s);
        platform.clear();
        platform.allowMessages();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        e.settle();
        QCOMPARE(platform.messages().size(), 1);
        QVERIFY2(platform.messages().constFirst().contains(u"8 цифр"_s), qPrintable(platform.messages().join(u'|')));
        QVERIFY(e.focusIn(u"edCod"_s));
        // Two digits taken away: the code fits its eight places again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        platform.clear();
        platform.allowMessages();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        e.settle();
        QCOMPARE(platform.messages(), QStringList());
        QCOMPARE(e.shown(u"edCod"_s), u"12345678"_s);
    }

    // One click on "Транслітерувати" right after typing the Ukrainian name fills the
    // English one: the name field's question about it is not asked first.
    void transliterateAtTheFirstClick_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("group");
        QTest::newRow("RK head") << CardType::RK << 6 << u"ed6120"_s << u"indjzk"_s;
        QTest::newRow("OKD applicant") << CardType::OKD << 1 << u"ed6147"_s << u"indjzd"_s;
    }
    void transliterateAtTheFirstClick()
    {
        QFETCH(CardType, card);
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(QString, group);
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        QVERIFY(e.show());
        if (page > 1)
            e.clickTab(page - 1);
        e.clickInto(e.field(field));
        Editor::type(u"Шевченко Тарас"_s);
        auto *button = e.window->findChild<QPushButton *>(u"translit_"_s + group);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        e.settle();
        QCOMPARE(platform.log(), QStringList());
        QCOMPARE(e.shown(group), u"1"_s);
        QCOMPARE(e.shown(field), u"Shevchenko Taras"_s);
        QVERIFY(e.focusIn(field));
    }
};

ZORVAT_TEST(LookingTest)
#include "looking_test.moc"
