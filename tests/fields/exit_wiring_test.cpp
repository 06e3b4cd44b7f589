#include "fields/card_model.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"
#include "fields/field_rules.h"
#include "widgets/mask_edit.h"
#include "rules_fixture.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"
#include "widget_helpers.h"

#include <QComboBox>
#include <QTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// A window with a few fields of the test card, bound to a model and wired.
struct Form
{
    CardModel model{testTable()};
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    FieldBinder *binder = nullptr;
    ExitWiring *wiring = nullptr;
    QLabel *label30 = nullptr;

    Form()
    {
        auto *layout = new QVBoxLayout(window.get());
        binder = new FieldBinder(model, window.get());
        wiring = new ExitWiring(window.get());
        wiring->setAfterRule([this] { binder->refresh(); });
        for (const char *name : {"ed5418D", "ed7353", "lizv", "ed2457", "gorz", "Edit1"}) {
            const FieldInfo *info = testTable().find(QString::fromLatin1(name));
            layout->addWidget(binder->create(*info, window.get()));
            if (qstrcmp(name, "lizv") == 0) {
                label30 = new QLabel(u"2457. Код організації за ЄДРПОУ"_s, window.get());
                label30->setObjectName(u"Label30"_s);
                layout->addWidget(label30);
                binder->bindLabel(u"Label30"_s, label30);
            }
        }
    }

    QWidget *field(const char *name) const { return binder->widget(QString::fromLatin1(name)); }

    bool show()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // Puts the focus into a field with the cursor at its start.
    void enter(const char *name)
    {
        QWidget *w = field(name);
        w->setFocus(Qt::TabFocusReason); // as the clerk who goes there to work
        if (auto *line = qobject_cast<QLineEdit *>(w))
            line->setCursorPosition(0);
    }
};

// Shows every message in a window of its own that takes the activation for a moment,
// as a message box does: the form loses and gets back the focus meanwhile. No modal
// dialog is opened.
class ModalPlatform : public ScopedFakePlatform
{
public:
    void message(const QString &text) override
    {
        FakePlatform::message(text);
        QWidget box(nullptr, Qt::Dialog);
        box.setWindowTitle(text);
        box.show();
        box.activateWindow();
        QTest::qWait(50);
        box.close();
        // The window manager gives the window its activation back.
        if (m_window)
            m_window->activateWindow();
    }

    QWidget *m_window = nullptr;
};

} // namespace

class ExitWiringTest : public QObject
{
    Q_OBJECT

private slots:
    void wrongDateGivesOneMessageAndFocusBack()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Form form;
        form.wiring->setExitRule(form.field("ed5418D"), [&form](RuleContext &ctx) {
            fieldRules::dateRule(form.model, u"ed5418D"_s, ctx);
        });
        // The next field fails too when left: it must not run while the focus returns.
        form.wiring->setExitRule(form.field("ed7353"), [&form](RuleContext &ctx) {
            ctx.message(u"ed7353 left"_s);
            ctx.focusBack();
        });
        QVERIFY(form.show());
        form.enter("ed5418D");
        QVERIFY(form.field("ed5418D")->hasFocus());
        QTest::keyClicks(form.field("ed5418D"), u"151399"_s);
        QCOMPARE(form.model.text(u"ed5418D"_s), u"15.13.99"_s);
        QTest::keyClick(form.field("ed5418D"), Qt::Key_Tab);
        QTRY_VERIFY(form.field("ed5418D")->hasFocus());
        QTest::qWait(50);
        QCOMPARE(platform.messages(), QStringList{u"Помилка в місяці!"_s});
        QVERIFY(form.field("ed5418D")->hasFocus());
        QVERIFY(!form.wiring->isFocusPending());
        // The value typed stays.
        QCOMPARE(qobject_cast<MaskEdit *>(form.field("ed5418D"))->value(), u"15.13.99"_s);
    }

    void modalMessageBoxStartsNoPingPong()
    {
        ModalPlatform platform;
        platform.allowMessages();
        Form form;
        platform.m_window = form.window.get();
        form.wiring->setExitRule(form.field("ed5418D"), [&form](RuleContext &ctx) {
            fieldRules::dateRule(form.model, u"ed5418D"_s, ctx);
        });
        form.wiring->setExitRule(form.field("ed7353"), [&form](RuleContext &ctx) {
            fieldRules::monthYearRule(form.model, u"ed7353"_s, ctx);
        });
        form.model.setText(u"ed7353"_s, u"13.99"_s); // would fail if it ran
        form.binder->refresh();
        QVERIFY(form.show());
        form.enter("ed5418D");
        QTest::keyClicks(form.field("ed5418D"), u"321399"_s);
        QTest::keyClick(form.field("ed5418D"), Qt::Key_Tab);
        QTRY_VERIFY(form.window->isActiveWindow());
        QTRY_VERIFY(form.field("ed5418D")->hasFocus());
        QTest::qWait(200);
        QCOMPARE(platform.messages(), (QStringList{u"Помилка в місяці!"_s, u"Помилка в числі місяця!"_s}));
        QVERIFY(form.field("ed5418D")->hasFocus());
    }

    void rightDateMovesOnSilently()
    {
        ScopedFakePlatform platform;
        Form form;
        int runs = 0;
        form.wiring->setExitRule(form.field("ed5418D"), [&form, &runs](RuleContext &ctx) {
            ++runs;
            fieldRules::dateRule(form.model, u"ed5418D"_s, ctx);
        });
        QVERIFY(form.show());
        form.enter("ed5418D");
        QTest::keyClicks(form.field("ed5418D"), u"311299"_s);
        QTest::keyClick(form.field("ed5418D"), Qt::Key_Tab);
        QTRY_VERIFY(form.field("ed7353")->hasFocus());
        QTest::qWait(50);
        QVERIFY(form.field("ed7353")->hasFocus());
        QCOMPARE(runs, 1);
        QVERIFY(platform.log().isEmpty());
        QVERIFY(platform.unexpected().isEmpty());
    }

    void untouchedDatePasses()
    {
        ScopedFakePlatform platform;
        Form form;
        form.wiring->setExitRule(form.field("ed5418D"), [&form](RuleContext &ctx) {
            fieldRules::dateRule(form.model, u"ed5418D"_s, ctx);
        });
        QVERIFY(form.show());
        form.enter("ed5418D");
        QTest::keyClick(form.field("ed5418D"), Qt::Key_Tab);
        QTRY_VERIFY(form.field("ed7353")->hasFocus());
        QVERIFY(platform.log().isEmpty());
    }

    void popupsAndOtherWindowsAreNoLeaving()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Form form;
        int runs = 0;
        form.wiring->setExitRule(form.field("gorz"), [&runs](RuleContext &ctx) {
            ++runs;
            ctx.message(u"left"_s);
        });
        QVERIFY(form.show());
        form.enter("gorz");
        for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QApplication::sendEvent(form.field("gorz"), &out);
        }
        QCOMPARE(runs, 0);
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(form.field("gorz"), &out);
        QCOMPARE(runs, 1);
        QCOMPARE(platform.messages(), QStringList{u"left"_s});
    }

    void ruleMovesFocusToNamedField()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Form form;
        int gorzEntered = 0;
        form.wiring->setExitRule(form.field("ed5418D"), [](RuleContext &ctx) {
            ctx.message(u"Відсутня назва міста !"_s);
            ctx.focusTo(u"gorz"_s);
        });
        form.wiring->setEnterRule(form.field("gorz"), [&gorzEntered](RuleContext &) { ++gorzEntered; });
        QVERIFY(form.show());
        form.enter("ed5418D");
        QTest::keyClick(form.field("ed5418D"), Qt::Key_Tab);
        QTRY_VERIFY(form.field("gorz")->hasFocus());
        QTest::qWait(20);
        QCOMPARE(platform.messages(), QStringList{u"Відсутня назва міста !"_s});
        QCOMPARE(gorzEntered, 1); // entered once, by the move
    }

    void personKindSwitchesTheCodeField()
    {
        ScopedFakePlatform platform;
        Form form;
        QString letter;
        fieldRules::PersonKindSettings info;
        info.selector = u"lizv"_s;
        info.codeField = u"ed2457"_s;
        info.label = u"Label30"_s;
        info.legalText = u"2457 Код організації за ЄДРПУ "_s;
        info.naturalText = u"2457 Ідентифікаційний номер"_s;
        form.wiring->setExitRule(form.field("lizv"), [&](RuleContext &ctx) {
            fieldRules::personKindRule(form.model, ctx, info, letter);
        });
        const QColor normal = form.label30->palette().color(QPalette::WindowText);
        QVERIFY(form.show());
        auto *lizv = qobject_cast<QComboBox *>(form.field("lizv"));
        auto *code = qobject_cast<MaskEdit *>(form.field("ed2457"));
        QCOMPARE(code->editMask().size(), 8);
        lizv->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(lizv->hasFocus());
        // Choose "Фізична особа" by typing it over the selected text.
        lizv->lineEdit()->selectAll();
        typeText(lizv, u"Фізична особа"_s);
        QCOMPARE(form.model.text(u"lizv"_s), u"Фізична особа"_s);
        QCOMPARE(code->editMask().size(), 8); // nothing before the selector is left
        QTest::keyClick(lizv, Qt::Key_Tab);
        QTRY_VERIFY(code->hasFocus());
        QCOMPARE(code->editMask().size(), 10);
        QCOMPARE(code->mask(), u"9999999999;1;_"_s);
        QCOMPARE(code->text(), QString(10, QLatin1Char('_')));
        QCOMPARE(form.label30->text(), u"2457 Ідентифікаційний номер"_s);
        QCOMPARE(form.label30->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(letter, u"ф"_s);
        QVERIFY(platform.log().isEmpty());
        // Ten digits go in.
        code->setCursorPosition(0);
        QTest::keyClicks(code, u"1234567890"_s);
        QCOMPARE(form.model.text(u"ed2457"_s), u"1234567890"_s);

        // Back to a legal person by the list: the label and colour change, the ten
        // digits stay for the clerk to mend (the code's rule asks for eight).
        lizv->setFocus(Qt::BacktabFocusReason);
        QTRY_VERIFY(lizv->hasFocus());
        lizv->setCurrentIndex(0);
        QTest::keyClick(lizv, Qt::Key_Tab);
        QTRY_VERIFY(code->hasFocus());
        QCOMPARE(code->editMask().size(), 10);
        QCOMPARE(code->value(), u"1234567890"_s);
        QCOMPARE(letter, u"ю"_s);
        QCOMPARE(form.label30->text(), u"2457 Код організації за ЄДРПУ "_s);
        QCOMPARE(form.label30->palette().color(QPalette::WindowText), normal);
    }

    void partyCodeMessageOnTab()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Form form;
        const QString letter = fieldRules::legalLetter();
        fieldRules::PartyCodeSettings info;
        info.codeField = u"ed2457"_s;
        info.prefix = u"2457."_s;
        info.beepLegal = true;
        form.wiring->setExitRule(form.field("ed2457"), [&](RuleContext &ctx) {
            fieldRules::partyCodeRule(form.model, ctx, info, letter);
        });
        QVERIFY(form.show());
        form.enter("ed2457");
        QTest::keyClicks(form.field("ed2457"), u"1234567"_s);
        QTest::keyClick(form.field("ed2457"), Qt::Key_Tab);
        QTRY_VERIFY(form.field("ed2457")->hasFocus());
        QTest::qWait(20);
        QCOMPARE(platform.log(),
                 (QStringList{u"beep"_s,
                              u"message: 2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s}));
    }

    void trimOnKeyPress()
    {
        ScopedFakePlatform platform;
        Form form;
        form.model.setText(u"Edit1"_s, QString());
        form.binder->refresh();
        wireTrimOnKeyPress(*form.wiring, *form.binder, u"Edit1"_s);
        QVERIFY(form.show());

        // Trim on key press: the blanks go before the key takes effect.
        form.enter("Edit1");
        auto *number = qobject_cast<QLineEdit *>(form.field("Edit1"));
        QTest::keyClicks(number, u" "_s);
        QCOMPARE(number->text(), u" "_s);
        QTest::keyClicks(number, u"2"_s);
        QCOMPARE(number->text(), u"2"_s);
        QCOMPARE(form.model.text(u"Edit1"_s), u"2"_s);
    }

    void radioGroupIsOneField()
    {
        ScopedFakePlatform platform;
        Form form;
        QWidget *radio = form.binder->create(*testTable().find(u"Indjz"_s), form.window.get());
        form.window->layout()->addWidget(radio);
        int exits = 0;
        int enters = 0;
        form.wiring->setExitRule(radio, [&exits](RuleContext &) { ++exits; });
        form.wiring->setEnterRule(radio, [&enters](RuleContext &) { ++enters; });
        QVERIFY(form.show());
        auto *first = radio->findChild<QWidget *>(u"Indjz_0"_s);
        auto *second = radio->findChild<QWidget *>(u"Indjz_1"_s);
        first->setFocus(Qt::TabFocusReason);
        QCOMPARE(enters, 1);
        second->setFocus(Qt::OtherFocusReason); // inside the group
        QCOMPARE(exits, 0);
        QCOMPARE(enters, 1);
        form.field("gorz")->setFocus(Qt::TabFocusReason);
        QCOMPARE(exits, 1);
    }

    void exitRuleRunByProgram()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Form form;
        form.wiring->setExitRule(form.field("ed7353"), [&form](RuleContext &ctx) {
            fieldRules::monthYearRule(form.model, u"ed7353"_s, ctx);
        });
        QVERIFY(form.show());
        form.model.setText(u"ed7353"_s, u"13.99"_s);
        form.binder->refresh();
        QVERIFY(!form.wiring->runExitRule(form.field("ed7353")));
        QTRY_VERIFY(form.field("ed7353")->hasFocus());
        QCOMPARE(platform.messages(), QStringList{u"Помилка в місяці!"_s});
        QVERIFY(form.wiring->runExitRule(form.field("gorz"))); // no rule
    }
};

ZORVAT_TEST(ExitWiringTest)
#include "exit_wiring_test.moc"
