#include "cards/card_editors.h"
#include "cardfile/card_writer.h"
#include "fields/card_document.h"
#include "support/editor_driver.h"
#include "support/full_cards.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QHash>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

// The keyboard alone fills a card: on every page of every card, Tab and Shift+Tab
// from the page's first field reach every field shown there, Shift+Tab walks back in
// plain order, and nothing but a field takes the focus on the way.
namespace {

using Editor = EditorDriver<CardEditor>;

// The focus moves the editor queued are done.
void settle(CardEditor &w)
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QTRY_VERIFY_WITH_TIMEOUT(!w.wiring().isFocusPending(), 2000);
}

// The field (component name) a widget is part of; other widgets by their object name
// or class.
QString fieldName(CardEditor &w, const QWidget *focus)
{
    if (!focus)
        return u"<none>"_s;
    if (const QWidget *field = w.wiring().fieldFor(focus))
        return field->objectName();
    for (const QWidget *x = focus; x && x != &w; x = x->parentWidget()) {
        if (!x->objectName().isEmpty() && w.binder().widget(x->objectName()) == x)
            return x->objectName();
    }
    return focus->objectName().isEmpty() ? u"<"_s + QString::fromLatin1(focus->metaObject()->className()) + u">"_s
                                         : focus->objectName();
}

int pageOf(CardEditor &w, const QWidget *widget)
{
    QTabWidget *pages = w.pageControl();
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->widget(i)->isAncestorOf(widget))
            return i;
    }
    return -1;
}

// The fields shown on `page`.
QStringList shownFields(CardEditor &w, int page)
{
    QStringList out;
    for (const QString &name : w.binder().names()) {
        QWidget *field = w.binder().widget(name);
        if (field && pageOf(w, field) == page && field->isVisible() && field->isEnabled())
            out << name;
    }
    return out;
}

// The page's tab order as the window's focus chain holds it: the fields and buttons
// of `page` that Tab stops at, each once.
QStringList pageTabOrder(CardEditor &w, int page)
{
    QStringList out;
    QWidget *start = w.pageControl();
    QWidget *x = start;
    do {
        x = x->nextInFocusChain();
        const QString name = fieldName(w, x);
        if (pageOf(w, x) == page && x->isVisible() && x->isEnabled() && (x->focusPolicy() & Qt::TabFocus)
            && !out.contains(name))
            out << name;
    } while (x && x != start);
    return out;
}

// Puts the focus into a field as the clerk does, with a mouse click: into its text,
// or on a radio group's chosen button.
void clickInto(CardEditor &w, const QString &name)
{
    QWidget *field = w.binder().widget(name);
    QWidget *target = field;
    if (auto *group = field->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly))
        target = group->checkedButton() ? group->checkedButton() : group->buttons().value(0);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        target = memo->viewport();
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        target = combo->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
    settle(w);
}

// Values a clerk types where a rule insists on one (a field that must not stay empty
// and says so, or sends the focus to such a field), so that the walk goes on past it.
// Each is the card's own required-field rule, named by its message.
QHash<QString, QString> requiredValues(CardType card)
{
    switch (card) {
    case CardType::RK:
        return {
            {u"ed7146"_s, u"34"_s},        // the basis codes ("   34 - договір з міністерством, ...")
            {u"mm2151"_s, u"Інститут"_s},  // "Введіть назву українською мовою !"
            {u"gorv"_s, u"Київ"_s},        // "Відсутня назва міста !"
            {u"gorz"_s, u"Київ"_s},        // "Відсутня назва міста !"
            {u"ed1"_s, u"тис.грн."_s},     // "Такої грошової одиниці немає в словнику!"
            {u"ed9036v"_s, u"91"_s},       // "91-заключний звіт, 28-проміжний звіт, 19-без звіту"
            {u"mm9027"_s, u"Назва"_s},     // "Введіть назву українською мовою !"
            {u"cb9153"_s, u"001"_s},       // "Помилка в коді!" (a code of the list is required)
            {u"ed6120"_s, u"Петренко"_s},  // "Введіть прізвище українською мовою !"
        };
    case CardType::OK:
        return {
            {u"cb9036e"_s, u"З"_s},        // "Помилка в коді!"
            {u"ed9036n"_s, u"1"_s},        // "Не вказано номер етапу !" (sent there from mm9036)
            {u"mm2151"_s, u"Інститут"_s},  // "Введіть назву українською мовою !"
            {u"gorv"_s, u"Київ"_s},        // "Відсутня назва міста !"
            {u"gorz"_s, u"Київ"_s},        // "Відсутня назва міста !"
            {u"ed6120"_s, u"Петренко"_s},  // "Введіть прізвище українською мовою !"
        };
    case CardType::OKD:
        return {
            {u"ed6147"_s, u"Петренко"_s},  // "Введіть прізвище українською мовою !"
        };
    case CardType::IK:
        break;
    }
    return {
        {u"cb9153"_s, u"001"_s},                     // "Помилка в коді! Реквізит обов'язковий."
        {u"cb9153a"_s, u"методична документація"_s}, // "Відутня відповідна інформація !"
        {u"cb7344"_s, u"35"_s},                      // "Помилка в коді! Реквізит обов'язковий."
        {u"cb1005"_s, u"5.1"_s},                     // "Помилка в коді! Реквізит обов'язковий."
        {u"cb1004"_s, u"4.1"_s},                     // "Помилка в коді! Реквізит обов'язковий."
        {u"gorz"_s, u"Київ"_s},                      // "Відсутня назва міста !"
    };
}

// Every field that takes the focus, if only for a moment (a field whose enter rule
// sends the focus on because it does not apply now).
class FocusLog : public QObject
{
public:
    explicit FocusLog(CardEditor &w) : m_window(w) { qApp->installEventFilter(this); }
    ~FocusLog() override { qApp->removeEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            names << fieldName(m_window, static_cast<QWidget *>(watched));
        return false;
    }

private:
    CardEditor &m_window;
};

struct Walk
{
    QStringList steps;     // where the focus was after each key
    QStringList ruleStops; // "left -> now: messages" where a rule spoke or kept the focus
    QString stuck;         // the field the focus stayed in, with the messages shown
    QStringList badStops;  // containers that took the focus
    bool closed = false;   // came back to the first field
    QString leftPage;      // a rule's jump to a field of another page ended the walk there
};

// Presses Tab (or Shift+Tab) from the focus field until the focus is back in
// `start`, stays where it is, or `bound` keys were pressed. Where a rule keeps the
// focus in a field of `required` (or sends it there with a message), its value is
// typed and the walk goes on; a field whose rule keeps the focus silently is left
// again once (the rule may have put a value in).
Walk walk(CardEditor &w, FakePlatform &platform, int page, const QString &start, bool forward, int bound,
          const QHash<QString, QString> &required)
{
    Walk out;
    QString last = start;
    QStringList filled;
    bool pressedAgain = false;
    for (int i = 0; i < bound; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        const qsizetype messagesBefore = platform.messages().size();
        if (forward)
            QTest::keyClick(focus, Qt::Key_Tab);
        else
            QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        settle(w);
        QWidget *now = QApplication::focusWidget();
        const QString name = fieldName(w, now);
        const QStringList spoken = platform.messages().mid(messagesBefore);
        out.steps << name;
        if (qobject_cast<QScrollArea *>(now) || qobject_cast<QStackedWidget *>(now)
            || (now && now->objectName().startsWith(u"page"_s)))
            out.badStops << name;
        // Back at the start from elsewhere; kept at the start by its rule is no round.
        if (name == start && name != last && now && pageOf(w, now) == page) {
            out.closed = true;
            break;
        }
        if (now && w.binder().widget(name) && pageOf(w, now) != page) {
            out.leftPage = name;
            break;
        }
        const bool kept = name == last && w.binder().widget(name);
        if (kept || !spoken.isEmpty())
            out.ruleStops << last + u" -> "_s + name + u": "_s + spoken.join(u" / "_s);
        if ((kept || !spoken.isEmpty()) && required.contains(name) && !filled.contains(name)) {
            filled << name;
            Editor::retype(required.value(name));
            pressedAgain = false;
            last = name;
            continue;
        }
        if (kept && !pressedAgain) {
            pressedAgain = true;
            continue;
        }
        if (kept) {
            out.stuck = name + u": "_s + spoken.join(u" / "_s);
            break;
        }
        pressedAgain = false;
        last = name;
    }
    return out;
}

// Each Shift+Tab lands on a field that comes earlier in the page's tab order, stays
// (its rule kept the focus), or leaves the page (and comes back in at its end). The
// steps that break it.
QStringList forwardJumps(const QStringList &tabOrder, const QString &start, const QStringList &steps)
{
    QStringList out;
    qsizetype lastIndex = tabOrder.indexOf(start);
    QString lastName = start;
    bool wrapped = false;
    for (const QString &name : steps) {
        const qsizetype index = tabOrder.indexOf(name);
        if (index < 0) {
            wrapped = true;
            continue;
        }
        if (!wrapped && name != lastName && index > lastIndex)
            out << lastName + u" -> "_s + name;
        lastIndex = index;
        lastName = name;
        wrapped = false;
    }
    return out;
}

void openFullCard(Editor &e, FakePlatform &platform, const QTemporaryDir &dir, CardType card)
{
    const QString path = dir.filePath(u"full.txt"_s);
    writeFile(path, fullCards::bytes(card));
    platform.expectOpen(path);
    e.window->openCard();
    settle(*e.window);
    QCOMPARE(platform.unexpected(), QStringList());
    QCOMPARE(platform.pending(), 0);
    // The card reads without a word: every value of it is where it belongs.
    QCOMPARE(platform.messages(), QStringList());
}

} // namespace

class KeyboardReachTest : public QObject
{
    Q_OBJECT
private slots:
    // A new editor waits with the focus in the first field of its first page, ready
    // for typing, not on the tab bar.
    void newEditorFocusInFirstField_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QString>("first");
        QTest::newRow("RK") << CardType::RK << u"ed5256"_s;
        QTest::newRow("OK") << CardType::OK << u"ed5436"_s;
        QTest::newRow("OKD") << CardType::OKD << u"cb5013"_s;
        QTest::newRow("IK") << CardType::IK << u"ed5439"_s;
    }
    void newEditorFocusInFirstField()
    {
        QFETCH(CardType, card);
        QFETCH(QString, first);
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        QVERIFY(e.show());
        settle(*e.window);
        QCOMPARE(e.window->pageControl()->currentIndex(), 0);
        QCOMPARE(fieldName(*e.window, QApplication::focusWidget()), first);
        QVERIFY(e.focusIn(first));
        QCOMPARE(platform.unexpected(), QStringList());
    }

    // Tab and Shift+Tab from the first field of each page, on a new card and on a
    // full one; the organisation page of OKD in each of its four slots.
    void tabWalksReachEveryField_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("slot"); // OKD organisation chosen with the arrow keys first, -1 none
        QTest::addColumn<bool>("full");
        const struct
        {
            CardType card;
            const char *name;
            int pages;
        } cards[] = {{CardType::RK, "RK", 6}, {CardType::OK, "OK", 7}, {CardType::OKD, "OKD", 5}, {CardType::IK, "IK", 5}};
        for (const auto &c : cards) {
            for (int page = 0; page < c.pages; ++page) {
                const bool slotted = c.card == CardType::OKD && page == 1;
                for (int slot = slotted ? 0 : -1; slot < (slotted ? 4 : 0); ++slot) {
                    for (const bool full : {false, true}) {
                        QTest::addRow("%s page %d%s, %s", c.name, page + 1,
                                      slot >= 0 ? qPrintable(u" slot %1"_s.arg(slot)) : "",
                                      full ? "full card" : "new card")
                            << c.card << page << slot << full;
                    }
                }
            }
        }
    }
    void tabWalksReachEveryField()
    {
        QFETCH(CardType, card);
        QFETCH(int, page);
        QFETCH(int, slot);
        QFETCH(bool, full);
        QTemporaryDir dir;
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        CardEditor &w = *e.window;
        QVERIFY(e.show());
        if (full)
            openFullCard(e, platform, dir, card);
        // A new card's fields left empty may say so; that is no fault of the walk.
        platform.allowMessages();
        // The full card turns its pages with the keyboard, the new one with the mouse;
        // either way the focus waits in the first field of the page shown.
        for (int i = 0; full && i < page; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            settle(w);
        }
        if (!full)
            e.clickTab(page);
        QCOMPARE(w.pageControl()->currentIndex(), page);

        QStringList fields = shownFields(w, page);
        QStringList order = pageTabOrder(w, page);
        QVERIFY(!fields.isEmpty());
        const QString first = order.constFirst();
        QVERIFY2(fields.contains(first), qPrintable(order.join(u' ')));
        QCOMPARE(fieldName(w, QApplication::focusWidget()), first);
        if (slot >= 0) {
            for (int i = 0; i < slot; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                settle(w);
            }
            QCOMPARE(e.shown(first), QString::number(slot));
            // The slot decides which fields are shown.
            fields = shownFields(w, page);
            order = pageTabOrder(w, page);
        }

        const QHash<QString, QString> required = requiredValues(card);
        const int bound = int(order.size()) * 2 + 20;
        FocusLog log(w);
        const Walk ahead = walk(w, platform, page, first, true, bound, required);
        if (fieldName(w, QApplication::focusWidget()) != first) {
            // A rule sent the clerk to another page: back by the mouse.
            if (w.pageControl()->currentIndex() != page)
                e.clickTab(page);
            clickInto(w, first);
        }
        QCOMPARE(fieldName(w, QApplication::focusWidget()), first);
        const Walk back = walk(w, platform, page, first, false, bound, required);

        const QString report = u"\n order: "_s + order.join(u' ') + u"\n Tab: "_s + ahead.steps.join(u' ')
                               + u"\n Shift+Tab: "_s + back.steps.join(u' ') + u"\n rules: "_s
                               + (ahead.ruleStops + back.ruleStops).join(u" | "_s);
        QVERIFY2(ahead.stuck.isEmpty(), qPrintable(u"Tab stays in "_s + ahead.stuck + report));
        QVERIFY2(back.stuck.isEmpty(), qPrintable(u"Shift+Tab stays in "_s + back.stuck + report));
        QStringList missed;
        for (const QString &name : std::as_const(fields)) {
            if (!log.names.contains(name))
                missed << name;
        }
        QVERIFY2(missed.isEmpty(), qPrintable(u"not reached: "_s + missed.join(u' ') + report));
        const QStringList jumps = forwardJumps(order, first, back.steps);
        QVERIFY2(jumps.isEmpty(), qPrintable(u"Shift+Tab goes forward: "_s + jumps.join(u", "_s) + report));
        // Tab comes round unless a rule sent the clerk on to another page.
        QVERIFY2(ahead.closed || !ahead.leftPage.isEmpty(),
                 qPrintable(u"Tab does not come round to the first field"_s + report));
        QVERIFY2(back.closed && back.leftPage.isEmpty(),
                 qPrintable(u"Shift+Tab does not come round to the first field"_s + report));
        QVERIFY2(ahead.badStops.isEmpty() && back.badStops.isEmpty(),
                 qPrintable(u"a container takes the focus"_s + report));
        QCOMPARE(platform.unexpected(), QStringList());
    }

    // Tab follows the entry order the card gives, also where it differs from the order
    // on the screen (a subject code shown first and entered last).
    void tabFollowsEntryOrder_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<bool>("full");
        QTest::addColumn<QStringList>("filled"); // "field=value", put in by program first
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("expected"); // the focus after each Tab
        const QStringList rubrics = {u"ed5616a=27.41.15.00"_s, u"ed5616b=28.23.15.00"_s, u"ed5616c=50.43.29.00"_s,
                                     u"ed5616d=20.53.00.00"_s, u"ed5616e=14.35.07.00"_s, u"ed5616f=12.00.00.00"_s};
        QTest::newRow("IK subject codes, the first shown entered last")
            << CardType::IK << false << rubrics << u"mm9155"_s
            << QStringList{u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s, u"ed5616a"_s};
        QTest::newRow("OK subject codes, the fourth skipped")
            << CardType::OK << false << rubrics << u"ed5634"_s
            << QStringList{u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616e"_s, u"ed5616f"_s, u"ed6111"_s};
        QTest::newRow("OK subject codes, the fourth last on the page")
            << CardType::OK << false << rubrics << u"ed6140"_s << QStringList{u"ed5616d"_s};
        QTest::newRow("RK registration page")
            << CardType::RK << true << QStringList() << u"ed5256"_s
            << QStringList{u"ed5517"_s, u"ed5418N"_s, u"ed5418D"_s, u"ed7146"_s, u"ed7021"_s, u"ed7210"_s, u"ed7700"_s,
                           u"cb7201"_s, u"ed7201a"_s, u"ed7023"_s, u"ed7022"_s, u"ed5436"_s, u"ed7209"_s};
        // Row by row: each supervisor, then each opponent, name to second speciality;
        // then the chairman.
        QStringList supervisors;
        for (int n = 1; n <= 3; ++n) {
            const QString d = QString::number(n);
            supervisors << u"ed6156f"_s + d << u"ed6156ns"_s + d << u"ed6156vz"_s + d << u"ed6156h"_s + d
                        << u"Ed6156h"_s + d + u"a"_s;
        }
        for (int n = 1; n <= 4; ++n) {
            const QString d = QString::number(n);
            supervisors << u"ed6165f"_s + d << u"ed6165ns"_s + d << u"ed6165vz"_s + d << u"ed6165h"_s + d
                        << u"Ed6165h"_s + d + u"a"_s;
        }
        supervisors << u"ed6174"_s << u"ed6273ns"_s << u"ed6273vz"_s;
        QTest::newRow("OKD supervisors page") << CardType::OKD << true << QStringList() << u"indjzk"_s << supervisors;
    }
    void tabFollowsEntryOrder()
    {
        QFETCH(CardType, card);
        QFETCH(bool, full);
        QFETCH(QStringList, filled);
        QFETCH(QString, start);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        CardEditor &w = *e.window;
        QVERIFY(e.show());
        if (full)
            openFullCard(e, platform, dir, card);
        for (const QString &pair : std::as_const(filled))
            w.document().model().setFitted(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        w.binder().refresh();
        e.clickTab(pageOf(w, w.binder().widget(start)));
        clickInto(w, start);
        QCOMPARE(fieldName(w, QApplication::focusWidget()), start);
        QStringList steps;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            settle(w);
            steps << fieldName(w, QApplication::focusWidget());
        }
        QCOMPARE(steps, expected);
        QCOMPARE(platform.messages(), QStringList());
        QCOMPARE(platform.unexpected(), QStringList());
    }

    // The scroll area that holds a page is no stop of Tab: the focus goes from field to
    // field, never to the page itself.
    void scrollAreasAreNoTabStops_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::newRow("RK") << CardType::RK;
        QTest::newRow("OK") << CardType::OK;
        QTest::newRow("OKD") << CardType::OKD;
        QTest::newRow("IK") << CardType::IK;
    }
    void scrollAreasAreNoTabStops()
    {
        QFETCH(CardType, card);
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        QTabWidget *pages = e.window->pageControl();
        for (int i = 0; i < pages->count(); ++i) {
            auto *scroll = qobject_cast<QScrollArea *>(pages->widget(i));
            QVERIFY2(scroll, qPrintable(QString::number(i)));
            QVERIFY(!(scroll->focusPolicy() & Qt::TabFocus));
            QVERIFY(!(scroll->widget()->focusPolicy() & Qt::TabFocus));
        }
    }
};

ZORVAT_TEST(KeyboardReachTest)
#include "keyboard_reach_test.moc"
