#include "cards/rk/rk_editor.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_test_support.h"
#include "fields/card_document.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAction>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

// The paths a clerk takes through the real RK window: tab headers, "Назад" and
// "Вперед", the list buttons and the editor's own focus moves, the menu commands and
// numbers of two and three digits. Each must run the rule of the field left once and
// lose nothing.
namespace {

using Editor = EditorDriver<RkEditor>;

struct ListPath
{
    RkList list;
    QString numberField;
    QString nameField;
    QString next;
};

ListPath listPath(int list)
{
    static const ListPath paths[] = {
        {RkList::Customers, u"Edit1"_s, u"mm2152"_s, u"BitBtn7"_s},
        {RkList::CoExecutors, u"cpn"_s, u"cpi"_s, u"Button1"_s},
        {RkList::Stages, u"ed9036n"_s, u"mm9036"_s, u"BitBtn4"_s},
    };
    return paths[list];
}

int pageIndex(Editor &e, const QString &field)
{
    return e.window->pageControl()->indexOf(e.pageOf(e.field(field)));
}

// The tab bar, the page shown and the editor's own idea of the page agree.
bool pagesInStep(Editor &e, int page)
{
    QTabWidget *pages = e.window->pageControl();
    auto *stack = pages->findChild<QStackedWidget *>();
    return pages->currentIndex() == page && pages->tabBar()->currentIndex() == page
           && stack->currentWidget() == pages->widget(page);
}

} // namespace

class RkFocusPathsTest : public QObject
{
    Q_OBJECT
private slots:
    // Entries typed through the window with "next", up to numbers of two digits: the
    // number field shows the whole number, and a page change, a save and a reopen keep
    // every entry under its own number.
    void twoDigitNumbersKeepTheirEntries_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("count");
        QTest::newRow("stages 1..11") << int(RkList::Stages) << 11;
        QTest::newRow("co-executors 1..12") << int(RkList::CoExecutors) << 12;
        QTest::newRow("customers 1..10") << int(RkList::Customers) << 10;
    }

    void twoDigitNumbersKeepTheirEntries()
    {
        QFETCH(int, list);
        QFETCH(int, count);
        const ListPath path = listPath(list);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        RkModel &m = e.window->model();
        for (int n = 1; n <= count; ++n) {
            e.enter(path.nameField);
            Editor::type(rkTest::entryName(n));
            if (n < count)
                e.click(path.next);
        }
        QCOMPARE(e.shown(path.numberField), QString::number(count));
        e.clickTab(0);
        QVERIFY(pagesInStep(e, 0));
        QCOMPARE(m.recordCount(path.list), count);
        for (int n = 1; n <= count; ++n) {
            const QStringList items = m.record(path.list, n).split(u'\\');
            QCOMPARE(items.constFirst(), QString::number(n));
            QCOMPARE(items.contains(rkTest::entryName(n)), true);
        }
        QVERIFY(platform.messages().isEmpty());
    }

    // Typing a new number over the one shown and then clicking another tab header: the
    // number field's rule runs before the page is left, so no entry is overwritten by
    // a copy of the one that was shown.
    void numberTypedThenTabHeader_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("shown");
        QTest::newRow("customers") << int(RkList::Customers) << QStringList() << u"2"_s;
        // A co-executor number may not go beyond the one last shown.
        QTest::newRow("co-executors") << int(RkList::CoExecutors)
                                      << QStringList{u"Помилка в послідовності номерів !"_s} << u"1"_s;
        QTest::newRow("stages") << int(RkList::Stages) << QStringList() << u"2"_s;
    }

    void numberTypedThenTabHeader()
    {
        QFETCH(int, list);
        QFETCH(QStringList, messages);
        QFETCH(QString, shown);
        const ListPath path = listPath(list);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        RkModel &m = e.window->model();
        rkTest::fillList(m, path.list, 2);
        m.showEntry(path.list, 1);
        e.window->binder().refresh();
        QVERIFY(e.show());
        e.enter(path.numberField);
        Editor::retype(u"2"_s);
        e.clickTab(0);
        QVERIFY(pagesInStep(e, 0));
        QCOMPARE(m.recordCount(path.list), 2);
        QVERIFY(m.record(path.list, 1).endsWith(rkTest::entryName(1)) || m.record(path.list, 1).contains(rkTest::entryName(1) + u'\\'));
        QVERIFY(m.record(path.list, 2).contains(rkTest::entryName(2)));
        QCOMPARE(m.record(path.list, 2).section(u'\\', 0, 0), u"2"_s);
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.shown(path.numberField), shown);
        QCOMPARE(e.shown(path.nameField), rkTest::entryName(shown.toInt()));
    }

    // Every way of leaving a field runs its rule once; a failed check keeps the clerk
    // on the field and its page, with the tab bar on that page.
    void failedCheckHoldsOnEveryWayOut_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("message");
        const QString date = u"Помилка в даті"_s;
        const QString english = u"Введіть назву англійською мовою !"_s;
        const QString basis = u"   34 - договір з міністерством, іншим центральним органом виконавчої влади,   09 - договір із закордонним замовником,   52 - договір з вітчизняною організацією,   43 - власна ініціатива,   25 - договір з фізичною особою"_s;
        for (const QString &way : {u"tab header"_s, u"Вперед"_s, u"Назад"_s, u"Ctrl+Tab"_s, u"end of input"_s,
                                   u"open from the menu"_s, u"closing the window"_s}) {
            QTest::addRow("half date, %s", qPrintable(way)) << u"ed5418D"_s << u"12"_s << way << date;
        }
        QTest::newRow("basis 11, tab header") << u"ed7146"_s << u"11"_s << u"tab header"_s << basis;
        QTest::newRow("basis 11, Вперед") << u"ed7146"_s << u"11"_s << u"Вперед"_s << basis;
        QTest::newRow("title without English, tab header") << u"mm9027"_s << u"Дослідження"_s << u"tab header"_s << english;
    }

    void failedCheckHoldsOnEveryWayOut()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, way);
        QFETCH(QString, message);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(field);
        Editor::retype(typed);
        const int page = pageIndex(e, field);
        const int other = (page + 1) % e.window->pageControl()->count();
        if (way == u"tab header"_s) {
            e.clickTab(other);
        } else if (way == u"Вперед"_s) {
            e.click(u"BitBtn3"_s);
        } else if (way == u"Назад"_s) {
            e.click(u"BitBtn2"_s);
        } else if (way == u"Ctrl+Tab"_s) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            e.settle();
        } else if (way == u"end of input"_s) {
            e.window->document().markModified();
            e.click(u"BitBtn1"_s);
            QVERIFY(!e.window->document().saveItemEnabled());
        } else if (way == u"open from the menu"_s) {
            e.window->findChild<QAction *>(u"actOpen"_s)->trigger();
            e.settle();
        } else if (way == u"closing the window"_s) {
            e.window->document().markModified();
            QVERIFY(!e.window->close());
            e.settle();
            QVERIFY(e.window->isVisible());
        }
        QCOMPARE(platform.messages(), QStringList{message});
        QCOMPARE(platform.unexpected(), QStringList()); // no question: the command stopped at the check
        QVERIFY(pagesInStep(e, page));
        QTRY_VERIFY(e.focusIn(field));

        // Corrected, the same way goes on.
        if (way == u"Вперед"_s || way == u"tab header"_s) {
            Editor::retype(field == u"ed5418D"_s ? u"120524"_s : field == u"ed7146"_s ? u"34"_s : u""_s);
            if (field == u"mm9027"_s)
                return;
            way == u"Вперед"_s ? e.click(u"BitBtn3"_s) : e.clickTab(other);
            QVERIFY(pagesInStep(e, other));
            QCOMPARE(platform.messages().size(), 1);
        }
    }

    // "Next" at the list's bound: the message of the bound, the number stays, and no
    // further entry can be typed in.
    void nextHoldsTheBound_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("bound");
        QTest::addColumn<QString>("message");
        QTest::newRow("customers") << int(RkList::Customers) << 200 << u"Кількість замовників від 1 до 200"_s;
        QTest::newRow("co-executors") << int(RkList::CoExecutors) << 50 << u"Кількість співвиконавців від 1 до 50"_s;
        QTest::newRow("stages") << int(RkList::Stages) << 15 << u"Кількість етапів від 1 до 15"_s;
    }

    void nextHoldsTheBound()
    {
        QFETCH(int, list);
        QFETCH(int, bound);
        QFETCH(QString, message);
        const ListPath path = listPath(list);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        RkModel &m = e.window->model();
        rkTest::fillList(m, path.list, bound);
        m.showEntry(path.list, bound);
        e.window->binder().refresh();
        QVERIFY(e.show());
        e.enter(path.nameField);
        QCOMPARE(e.shown(path.numberField), QString::number(bound));
        e.click(path.next);
        // The focus moves on; leaving the button says nothing more.
        e.tab();
        QCOMPARE(platform.messages(), QStringList{message});
        QCOMPARE(e.shown(path.numberField), QString::number(bound));
        QCOMPARE(m.recordCount(path.list), bound);
        // Typing the number beyond the bound is refused too.
        e.enter(path.numberField);
        Editor::retype(QString::number(bound + 1).right(list == int(RkList::Customers) ? 3 : 1));
        e.tab();
        QCOMPARE(m.recordCount(path.list), bound);
        QVERIFY(m.record(path.list, bound + 1).isEmpty());
    }

    // "Next" on an entry that has no name says why it does not move on.
    void nextFromUnnamedEntrySaysWhy()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed9036p"_s);
        e.click(u"BitBtn4"_s);
        QCOMPARE(platform.messages(), QStringList{u"Спочатку введіть назву цього етапу: без неї етап не зберігається."_s});
        QTRY_VERIFY(e.focusIn(u"mm9036"_s));
        QCOMPARE(e.shown(u"ed9036n"_s), u"1"_s);
    }

    // A choice that shows an "other" field: Tab goes into it; another choice skips it.
    void tabGoesToTheFieldAChoiceShows_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("next");
        QTest::newRow("direction 2.7") << u"cb7201"_s << u"2.7"_s << u"ed7201a"_s;
        QTest::newRow("direction 2.1") << u"cb7201"_s << u"2.1"_s << u"ed7023"_s;
        QTest::newRow("result 007") << u"cb9153"_s << u"007"_s << u"cb9153a"_s;
        QTest::newRow("result 03") << u"cb9153"_s << u"03"_s << u"cb9153a"_s;
        QTest::newRow("result 001") << u"cb9153"_s << u"001"_s << u"mm9155"_s;
    }

    void tabGoesToTheFieldAChoiceShows()
    {
        QFETCH(QString, field);
        QFETCH(QString, choice);
        QFETCH(QString, next);
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.enter(field);
        QTest::keyClicks(QApplication::focusWidget(), choice);
        e.tab();
        QVERIFY(platform.log().isEmpty());
        QTRY_VERIFY2(e.focusIn(next), qPrintable(QApplication::focusWidget()->objectName()));
    }

    // A full card through the window's save and open: 15 stages, 50 co-executors and
    // 200 customers, each under its own number, and the same bytes again.
    void fullListsSaveAndReopenToTheSameBytes()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        ScopedFakePlatform platform;
        platform.allowMessages();
        const QString first = dir.filePath(u"rk_full.txt"_s);
        const QString second = dir.filePath(u"rk_again.txt"_s);
        {
            Editor e;
            RkModel &m = e.window->model();
            for (int list = 0; list < 3; ++list) {
                const ListPath path = listPath(list);
                rkTest::fillList(m, path.list, RkModel::capacity(path.list));
                m.showEntry(path.list, RkModel::capacity(path.list));
            }
            m.setText(u"ed7191"_s, u"48"_s); // a new card leaves the kind of work empty; an opened one does not
            e.window->binder().refresh();
            QVERIFY(e.show());
            e.click(u"BitBtn1"_s);
            platform.expectSave(first);
            QVERIFY(e.window->saveCard());
        }
        Editor e;
        QVERIFY(e.show());
        platform.expectOpen(first);
        e.window->openCard();
        for (int list = 0; list < 3; ++list) {
            const ListPath path = listPath(list);
            QCOMPARE(e.window->model().recordCount(path.list), RkModel::capacity(path.list));
            for (int n : {1, 9, 10, 11, RkModel::capacity(path.list)})
                QVERIFY(e.window->model().record(path.list, n).startsWith(QString::number(n) + u'\\'));
        }
        e.clickTab(3);
        e.clickTab(2);
        e.click(u"BitBtn1"_s);
        platform.expectSave(second);
        QVERIFY(e.window->saveCard());
        QFile a(first), b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        QCOMPARE(b.readAll(), bytes);
        QVERIFY(bytes.contains("9036\\15\\"));
        QVERIFY(bytes.contains("2142\\50\\"));
        QVERIFY(bytes.contains("2458\\200\\"));
        QCOMPARE(platform.unexpected(), QStringList());
    }
};

ZORVAT_TEST(RkFocusPathsTest)
#include "rk_focus_paths_test.moc"
