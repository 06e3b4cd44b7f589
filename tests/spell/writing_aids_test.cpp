#include "cards/card_editors.h"
#include "app/main_window.h"
#include "fields/bilingual_texts.h"
#include "fields/card_document.h"
#include "fields/card_model.h"
#include "fields/user_settings.h"
#include "spell/spell_highlighter.h"
#include "spell/writing_aids.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

namespace {

using Driver = EditorDriver<CardEditor>;

// The words a memo shows with the wavy line.
QStringList underlined(const QPlainTextEdit *memo)
{
    QStringList out;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        for (const QTextLayout::FormatRange &r : b.layout()->formats()) {
            if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                out << b.text().mid(r.start, r.length);
        }
    }
    return out;
}

// The two texts behind a field that shows one language at a time.
struct Slot
{
    BilingualTexts *texts = nullptr;
    int which = -1;
    QString text(TextLanguage l) const { return texts->text(which, l); }
};

Slot slotOf(CardEditor &editor, const QString &field)
{
    for (BilingualTexts *texts : editor.document().model().languageTexts()) {
        for (int i = 0; i < texts->size(); ++i) {
            if (texts->slot(i).field == field)
                return {texts, i};
        }
    }
    return {};
}

void choose(Driver &d, const QString &selector, int language)
{
    auto *radio = d.window->findChild<QRadioButton *>(selector + u'_' + QString::number(language));
    QVERIFY(radio);
    radio->click();
}

QPoint wordPoint(QPlainTextEdit *memo, int position)
{
    QTextCursor c(memo->document());
    c.setPosition(position);
    return memo->cursorRect(c).center();
}

// A right click at `pos` of the memo's text, as the clerk makes it: the texts of the menu
// that opens, in order; `take` names an action to choose there (none: the menu is closed).
QStringList rightClick(QPlainTextEdit *memo, const QPoint &pos, const QString &take = {})
{
    QStringList texts;
    bool opened = false;
    QTimer::singleShot(0, memo, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = true;
        for (QAction *a : menu->actions())
            texts << (a->isSeparator() ? u"-"_s : a->text());
        for (QAction *a : menu->actions()) {
            if (!take.isEmpty() && a->text() == take)
                a->trigger();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, memo->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(memo->viewport(), &event);
    QTest::qWait(50);
    if (QWidget *left = QApplication::activePopupWidget())
        left->close();
    return opened ? texts : QStringList{u"<no menu>"_s};
}

} // namespace

class WritingAidsTest : public QObject
{
    Q_OBJECT
private slots:
    // The memo of a two-language text is checked in the language its selector shows,
    // in every card.
    void languageFollowsSelector_data()
    {
        QTest::addColumn<CardType>("type");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("selector");
        QTest::newRow("RK title") << CardType::RK << u"mm9027"_s << u"Indjzr"_s;
        QTest::newRow("RK executor") << CardType::RK << u"mm2151"_s << u"Indjz"_s;
        QTest::newRow("OK abstract") << CardType::OK << u"mm9117"_s << u"Indjzr"_s;
        QTest::newRow("OKD abstract") << CardType::OKD << u"mm9118"_s << u"RadioGroup2"_s;
        QTest::newRow("IK title") << CardType::IK << u"mm9027"_s << u"Indjzr"_s;
    }
    void languageFollowsSelector()
    {
        QFETCH(CardType, type);
        QFETCH(QString, memo);
        QFETCH(QString, selector);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Driver d(createCardEditor(type, nullptr));
        const Slot slot = slotOf(*d.window, memo);
        QVERIFY(slot.texts);
        slot.texts->setText(slot.which, TextLanguage::Ukrainian, u"Программа досліджень, software sofware"_s);
        slot.texts->setText(slot.which, TextLanguage::English, u"Research reserch програма"_s);
        auto *edit = d.window->findChild<QPlainTextEdit *>(memo);
        choose(d, selector, 1);
        QCOMPARE(edit->toPlainText(), u"Research reserch програма"_s);
        QCOMPARE(underlined(edit), (QStringList{u"reserch"_s, u"програма"_s}));
        choose(d, selector, 0);
        QCOMPARE(edit->toPlainText(), u"Программа досліджень, software sofware"_s);
        QCOMPARE(underlined(edit), (QStringList{u"Программа"_s, u"sofware"_s}));
    }

    // Right click on a misspelt word of a real memo: suggestions, one of them taken.
    void suggestionReplacesWord()
    {
        ScopedFakePlatform platform;
        Driver d(createCardEditor(CardType::RK, nullptr));
        QVERIFY(d.show());
        auto *memo = d.window->findChild<QPlainTextEdit *>(u"mm9027"_s);
        d.window->pageControl()->setCurrentWidget(d.pageOf(memo));
        memo->setPlainText(u"Нова программа робіт"_s);
        d.window->document().setModified(false);
        const QStringList shown = rightClick(memo, wordPoint(memo, 7), u"програма"_s);
        const qsizetype suggestions = shown.indexOf(u"-"_s);
        QVERIFY2(suggestions >= 1 && suggestions <= 7, qPrintable(shown.join(u" | "_s)));
        QVERIFY2(shown.mid(0, suggestions).contains(u"програма"_s), qPrintable(shown.join(u" | "_s)));
        QVERIFY(shown.contains(u"Додати до словника"_s) && shown.contains(u"Пропустити"_s));
        QCOMPARE(memo->toPlainText(), u"Нова програма робіт"_s);
        QCOMPARE(d.window->document().model().text(u"mm9027"_s), u"Нова програма робіт"_s);
        QVERIFY(d.window->document().modified());
        QVERIFY(underlined(memo).isEmpty());
        // A right word gets the usual edit menu only.
        const QStringList plain = rightClick(memo, wordPoint(memo, 2));
        QVERIFY2(!plain.contains(u"Додати до словника"_s) && plain.size() > 3, qPrintable(plain.join(u" | "_s)));
    }

    // "Додати до словника" holds for every card; "Пропустити" leaves the list alone.
    void addAndSkip()
    {
        ScopedFakePlatform platform;
        Driver rk(createCardEditor(CardType::RK, nullptr));
        QVERIFY(rk.show());
        auto *memo = rk.window->findChild<QPlainTextEdit *>(u"mm9027"_s);
        rk.window->pageControl()->setCurrentWidget(rk.pageOf(memo));
        memo->setPlainText(u"Зорватний шмякус"_s);
        QCOMPARE(underlined(memo), (QStringList{u"Зорватний"_s, u"шмякус"_s}));
        std::unique_ptr<QMenu> first(WritingAids::of(rk.window.get())->spellMenu(memo, wordPoint(memo, 3)));
        first->findChild<QAction *>(u"spellAdd"_s)->trigger();
        std::unique_ptr<QMenu> second(WritingAids::of(rk.window.get())->spellMenu(memo, wordPoint(memo, 12)));
        second->findChild<QAction *>(u"spellSkip"_s)->trigger();
        QVERIFY(underlined(memo).isEmpty());

        Driver ok(createCardEditor(CardType::OK, nullptr));
        auto *other = ok.window->findChild<QPlainTextEdit *>(u"mm9117"_s);
        other->setPlainText(u"Зорватний шмякус помилкаа"_s);
        QCOMPARE(underlined(other), QStringList{u"помилкаа"_s});
        QFile list(spelling::Speller::wordListFile());
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QStringList words = QString::fromUtf8(list.readAll()).split(u'\n');
        QVERIFY(words.contains(u"Зорватний"_s));
        QVERIFY(!words.contains(u"шмякус"_s));
    }

    // "Сервіс" / "Перевіряти правопис" switches the underlines off and on, remembered.
    void settingInMainWindow()
    {
        ScopedFakePlatform platform;
        MainWindow form;
        QAction *action = form.spellCheckAction();
        QVERIFY(action->isChecked());
        Driver d(createCardEditor(CardType::IK, nullptr));
        auto *memo = d.window->findChild<QPlainTextEdit *>(u"mm9155"_s);
        memo->setPlainText(u"помилкаа"_s);
        QCOMPARE(underlined(memo), QStringList{u"помилкаа"_s});
        action->trigger();
        const bool remembered = !userSettings::spellChecking();
        const QStringList whileOff = underlined(memo);
        action->trigger();
        QVERIFY(remembered);
        QVERIFY(whileOff.isEmpty());
        QVERIFY(userSettings::spellChecking());
        QCOMPARE(underlined(memo), QStringList{u"помилкаа"_s});
    }

    // Ctrl+T in a name field: the English name from the Ukrainian one, shown; a name
    // typed by hand is replaced only after the question; the card is saved with it.
    void transliterateName_data()
    {
        QTest::addColumn<CardType>("type");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("ukrainian");
        QTest::addColumn<QString>("english");
        QTest::newRow("RK head") << CardType::RK << u"ed6120"_s << u"indjzk"_s << u"Згурський Юрій Олексійович"_s
                                 << u"Zghurskyi Yurii Oleksiiovych"_s;
        QTest::newRow("OK head") << CardType::OK << u"ed6120"_s << u"indjzk"_s << u"Щербух Костянтин"_s
                                 << u"Shcherbukh Kostiantyn"_s;
        QTest::newRow("OKD applicant") << CardType::OKD << u"ed6147"_s << u"indjzd"_s << u"Наталія Єнакієва"_s
                                       << u"Nataliia Yenakiieva"_s;
        QTest::newRow("OKD supervisor 2") << CardType::OKD << u"ed6156f2"_s << u"indjzk"_s << u"Ґалаґан Їжак"_s
                                          << u"Galagan Yizhak"_s;
    }
    void transliterateName()
    {
        QFETCH(CardType, type);
        QFETCH(QString, field);
        QFETCH(QString, selector);
        QFETCH(QString, ukrainian);
        QFETCH(QString, english);
        ScopedFakePlatform platform;
        Driver d(createCardEditor(type, nullptr));
        QVERIFY(d.show());
        d.enter(field);
        Driver::type(ukrainian);
        d.window->document().setModified(false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(d.shown(selector), u"1"_s);
        QCOMPARE(d.shown(field), english);
        const Slot slot = slotOf(*d.window, field);
        QCOMPARE(slot.text(TextLanguage::Ukrainian), ukrainian);
        QCOMPARE(slot.text(TextLanguage::English), english);
        QVERIFY(d.window->document().modified());

        Driver::retype(u"Wrong Name"_s);
        platform.expectQuestion(Platform::Answer::No);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(d.shown(field), u"Wrong Name"_s);
        platform.expectQuestion(Platform::Answer::Yes);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(d.shown(field), english);
        // Nothing to replace: no question.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(platform.pending(), 0);
        QVERIFY2(platform.unexpected().isEmpty(), qPrintable(platform.unexpected().join(u'|')));

        QTemporaryDir dir;
        const QString path = dir.filePath(u"card.txt"_s);
        QVERIFY(d.window->document().saveTo(path));
        Driver again(createCardEditor(type, nullptr));
        again.window->document().readFrom(path);
        const Slot reopened = slotOf(*again.window, field);
        QCOMPARE(reopened.text(TextLanguage::Ukrainian), ukrainian);
        QCOMPARE(reopened.text(TextLanguage::English), english);
    }

    // The button fills every name of its group that has a Ukrainian one; with none it
    // says what is missing.
    void buttonFillsGroup()
    {
        ScopedFakePlatform platform;
        Driver d(createCardEditor(CardType::OKD, nullptr));
        QVERIFY(d.show());
        QPushButton *button = WritingAids::of(d.window.get())->transliterateButton(u"indjzk"_s);
        QVERIFY(button);
        QCOMPARE(button->parentWidget(), d.field(u"indjzk"_s)->parentWidget());
        platform.expectMessage();
        button->click();
        QCOMPARE(d.shown(u"indjzk"_s), u"0"_s);
        const Slot first = slotOf(*d.window, u"ed6156f1"_s);
        const Slot third = slotOf(*d.window, u"ed6156f3"_s);
        first.texts->setText(first.which, TextLanguage::Ukrainian, u"Юрій"_s);
        third.texts->setText(third.which, TextLanguage::Ukrainian, u"Олексій"_s);
        choose(d, u"indjzk"_s, 0); // the fields show them
        QCOMPARE(d.shown(u"ed6156f1"_s), u"Юрій"_s);
        button->click();
        QCOMPARE(d.shown(u"ed6156f1"_s), u"Yurii"_s);
        QCOMPARE(d.shown(u"ed6156f2"_s), QString());
        QCOMPARE(d.shown(u"ed6156f3"_s), u"Oleksii"_s);
        QCOMPARE(platform.pending(), 0);
        // A Russian letter in a name: said, and the English name is left alone.
        first.texts->setText(first.which, TextLanguage::Ukrainian, u"Сыч"_s);
        choose(d, u"indjzk"_s, 0);
        platform.expectMessage();
        button->click();
        QCOMPARE(d.shown(u"indjzk"_s), u"0"_s);
        QCOMPARE(first.text(TextLanguage::English), u"Yurii"_s);
        QCOMPARE(platform.pending(), 0);
        // Cards without a person's name in two languages have no button.
        Driver ik(createCardEditor(CardType::IK, nullptr));
        QVERIFY(!ik.window->findChild<QPushButton *>(u"translit_Indjzr"_s));
    }
};

ZORVAT_TEST(WritingAidsTest)
#include "writing_aids_test.moc"
