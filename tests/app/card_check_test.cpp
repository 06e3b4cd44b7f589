#include "cards/card_editors.h"
#include "app/problem_panel.h"
#include "cardfile/card_reader.h"
#include "fields/card_document.h"
#include "fields/card_problems.h"
#include "widgets/exit_wiring.h"
#include "fields/list_rules.h"
#include "support/check_seeds.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QAction>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

using Editor = EditorDriver<CardEditor>;

const checkSeeds::Card &seededCard(CardType type)
{
    for (const checkSeeds::Card &card : checkSeeds::cards()) {
        if (card.type == type)
            return card;
    }
    qFatal("no seeded card");
}

// The card as an open leaves it.
std::unique_ptr<CardModel> opened(const CardKind &kind, const QStringList &lines)
{
    auto model = kind.createModel();
    kind.clearModel(*model);
    auto interpreter = kind.interpreter(*model);
    readCardBytes(cardFileBytes(lines), *interpreter, u"card.txt"_s);
    kind.afterRead(*model);
    return model;
}

QStringList found(const QList<CardProblem> &problems)
{
    QStringList out;
    for (const CardProblem &p : problems)
        out << u"%1/%2"_s.arg(p.field).arg(p.entry);
    out.sort();
    return out;
}

QStringList expected(const checkSeeds::Card &card)
{
    QStringList out;
    for (const checkSeeds::Seed &seed : card.seeds)
        out << u"%1/%2"_s.arg(QString::fromUtf8(seed.field)).arg(seed.entry);
    out.sort();
    return out;
}

void settle(CardEditor &w)
{
    QTest::qWait(20);
    QTRY_VERIFY(!w.wiring().isFocusPending());
}

// Opens the seeded card in a shown editor.
void openSeeded(Editor &e, ScopedFakePlatform &platform, const QTemporaryDir &dir, const checkSeeds::Card &card)
{
    const QString path = dir.filePath(QString::fromUtf8(card.fileName));
    writeFile(path, cardFileBytes(checkSeeds::seededLines(card)));
    platform.expectOpen(path);
    e.window->openCard();
    settle(*e.window);
    QCOMPARE(platform.pending(), 0);
}

// A field of the first page without a rule of its own: leaving it says nothing.
QString quietField(CardEditor &w)
{
    auto copy = w.kind().createModel();
    const QStringList ruled = w.kind().createRules(*copy)->fields().exit;
    for (const FieldInfo &info : w.kind().fields().fields()) {
        QWidget *widget = w.binder().widget(info.name);
        if (info.page == 0 && !ruled.contains(info.name) && widget && widget->isVisibleTo(&w)
            && (info.kind == FieldKind::Edit || info.kind == FieldKind::Memo))
            return info.name;
    }
    return {};
}

void addCardRows()
{
    QTest::addColumn<CardType>("card");
    for (const checkSeeds::Card &card : checkSeeds::cards())
        QTest::newRow(card.fileName) << card.type;
}

} // namespace

class CardCheckTest : public QObject
{
    Q_OBJECT
private slots:
    // The seeded faults, and only they, whether in the card's own fields or its entries;
    // the full card gives none. The check changes nothing of the card it looks at.
    void findsExactlyTheSeededProblems_data() { addCardRows(); }
    void findsExactlyTheSeededProblems()
    {
        QFETCH(CardType, card);
        const CardKind &kind = cardKind(card);
        QCOMPARE(found(cardProblems::check(kind, *opened(kind, fullCards::lines(card)))), QStringList());

        const checkSeeds::Card &seeded = seededCard(card);
        const auto model = opened(kind, checkSeeds::seededLines(seeded));
        const QStringList before = kind.snapshotLines(*model);
        const QList<CardProblem> problems = cardProblems::check(kind, *model);
        QCOMPARE(found(problems), expected(seeded));
        QCOMPARE(kind.snapshotLines(*model), before);
        for (const CardProblem &p : problems)
            QVERIFY2(!p.message.isEmpty() && !p.message.contains(u'\n'), qPrintable(p.field));
    }

    // F9 with the focus still in a field lists the problems; a row taken with Enter
    // shows its entry (or slot), turns the tab bar to its page and puts the focus in its
    // field. Rows: per card, a problem in a list entry and one of the card's own fields.
    void rowLeadsToItsField_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("entry");
        for (const checkSeeds::Card &card : checkSeeds::cards()) {
            const checkSeeds::Seed *inEntry = nullptr;
            const checkSeeds::Seed *own = nullptr;
            for (const checkSeeds::Seed &seed : card.seeds) {
                if (seed.entry > 0 && !inEntry)
                    inEntry = &seed;
                if (seed.entry == 0)
                    own = &seed;
            }
            for (const checkSeeds::Seed *seed : {inEntry, own})
                QTest::addRow("%s %s/%d", card.fileName, seed->field, seed->entry)
                    << card.type << QString::fromUtf8(seed->field) << seed->entry;
        }
    }
    void rowLeadsToItsField()
    {
        QFETCH(CardType, card);
        QFETCH(QString, field);
        QFETCH(int, entry);
        QTemporaryDir dir;
        ScopedFakePlatform platform;
        Editor e(createCardEditor(card, nullptr));
        CardEditor &w = *e.window;
        QVERIFY(e.show());
        // The clerk is in a field without a rule; a field of the card that fails its
        // rule would keep the focus when left, as it does at any time.
        e.enter(quietField(w));
        openSeeded(e, platform, dir, seededCard(card));
        platform.allowMessages(); // a field entered may speak, as when the clerk goes there
        QVERIFY(e.focusIn(quietField(w)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        settle(w);
        ProblemPanel *panel = w.problemPanel();
        QVERIFY(panel->isVisible());
        QCOMPARE(found(w.problems()).join(u' '), expected(seededCard(card)).join(u' '));
        QCOMPARE(panel->rowCount(), 10);
        int row = 0;
        while (row < w.problems().size() && (w.problems().at(row).field != field || w.problems().at(row).entry != entry))
            ++row;
        QVERIFY(row < w.problems().size());
        QTreeWidget *list = panel->list();
        QVERIFY2(list->hasFocus(), qPrintable(quietField(w) + u" "_s + QApplication::focusWidget()->objectName()));
        list->setCurrentItem(list->topLevelItem(row));
        QTest::keyClick(list, Qt::Key_Return);
        settle(w);

        const FieldInfo *info = w.kind().fields().find(field);
        QVERIFY(info);
        QVERIFY(e.focusIn(field));
        QCOMPARE(w.pageControl()->currentIndex(), info->page);
        QCOMPARE(w.pageControl()->tabBar()->currentIndex(), info->page);
        const CardProblem &problem = w.problems().at(row);
        if (entry > 0 && card == CardType::OKD) {
            QCOMPARE(w.document().model().text(u"RadioGroup1"_s).toInt(), entry - 1);
        } else if (entry > 0) {
            auto *holder = dynamic_cast<ListHolder *>(&w.document().model());
            QVERIFY(holder);
            QCOMPARE(holder->listShown(problem.list), entry);
        }
    }

    // The panel follows the card: mending a value and leaving its field drops its row.
    // "&Кінець введення" lists what it finds and still lets the card be saved.
    void panelFollowsTheCard()
    {
        QTemporaryDir dir;
        ScopedFakePlatform platform;
        Editor e(createCardEditor(CardType::RK, nullptr));
        CardEditor &w = *e.window;
        QVERIFY(e.show());
        openSeeded(e, platform, dir, seededCard(CardType::RK));
        QVERIFY(!w.problemPanel()->isVisible());
        auto *end = w.findChild<QPushButton *>(u"BitBtn1"_s);
        QTest::mouseClick(end, Qt::LeftButton);
        settle(w);
        QVERIFY(w.problemPanel()->isVisible());
        QCOMPARE(w.problemPanel()->rowCount(), 10);
        QVERIFY(w.document().saveButtonEnabled());

        e.enter(u"ed7146"_s);
        Editor::retype(u"34"_s);
        e.tab();
        QTRY_COMPARE(w.problemPanel()->rowCount(), 9);
        QVERIFY(!found(w.problems()).contains(u"ed7146/0"_s));

        // A clean card: "&Кінець введення" shows no panel, F9 says all is well.
        Editor clean(createCardEditor(CardType::RK, nullptr));
        QVERIFY(clean.show());
        const QString path = dir.filePath(u"RK_full.txt"_s);
        writeFile(path, fullCards::bytes(CardType::RK));
        platform.expectOpen(path);
        clean.window->openCard();
        settle(*clean.window);
        QTest::mouseClick(clean.window->findChild<QPushButton *>(u"BitBtn1"_s), Qt::LeftButton);
        settle(*clean.window);
        QVERIFY(!clean.window->problemPanel()->isVisible());
        clean.window->checkCard();
        QVERIFY(clean.window->problemPanel()->isVisible());
        QCOMPARE(clean.window->problemPanel()->rowCount(), 0);
        QCOMPARE(clean.window->problemPanel()->summary(), u"Картку перевірено: проблем не знайдено."_s);
    }
};

ZORVAT_TEST(CardCheckTest)
#include "card_check_test.moc"
