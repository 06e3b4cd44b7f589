#include "cards/card_editors.h"
#include "fields/card_document.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

// Leaving a field with the mouse in the real window of every card: a click on another
// control waits for the rule of the field left, and a click into a field puts the
// focus there, whatever jump the rule of the field left would make with Tab.
namespace {

using Editor = EditorDriver<CardEditor>;

// Where a mouse click lands in a field: its text area, or a list's arrow.
QWidget *clickTarget(QWidget *w)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->viewport();
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        return combo->lineEdit();
    return w;
}

void clickInto(Editor &e, QWidget *w, QPoint at = {})
{
    QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    e.settle();
}

// A list's arrow: the press that opens its list.
void clickArrow(Editor &e, QComboBox *combo)
{
    clickInto(e, combo, QPoint(combo->width() - 4, combo->height() / 2));
}

QString modelText(Editor &e, const QString &name)
{
    return e.window->document().model().text(name);
}

} // namespace

class EditorLeavingTest : public QObject
{
    Q_OBJECT
private slots:
    // A field whose check fails, then a click on a radio button or a drop-down list:
    // the message, the clerk stays on the field, the choice is not made, no list opens.
    void clickPastFailedCheck_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QString>("slot");  // a radio button chosen first, "" for none
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("control"); // a radio button or a drop-down list
        QTest::addColumn<QString>("choice");  // the field the control sets
        QTest::newRow("RK customer code, kind list") << CardType::RK << u""_s << u"ed2458"_s << u"1234"_s << u"lizz"_s
                                                     << u"lizz"_s;
        QTest::newRow("RK executor code, language") << CardType::RK << u""_s << u"ed2457"_s << u"1234"_s
                                                    << u"Indjz_1"_s << u"Indjz"_s;
        QTest::newRow("OK executor code, language") << CardType::OK << u""_s << u"ed2457"_s << u"1234"_s
                                                    << u"Indjz_1"_s << u"Indjz"_s;
        QTest::newRow("OK executor code, kind list") << CardType::OK << u""_s << u"ed2457"_s << u"1234"_s
                                                     << u"lizv"_s << u"lizv"_s;
        QTest::newRow("IK number, result list") << CardType::IK << u""_s << u"ed5436"_s << u"AB12C345678"_s
                                                << u"cb9153"_s << u"cb9153"_s;
        QTest::newRow("IK number, language") << CardType::IK << u""_s << u"ed5436"_s << u"AB12C345678"_s
                                             << u"Indjzr_1"_s << u"Indjzr"_s;
        QTest::newRow("OKD slot 3 code, slot 2") << CardType::OKD << u"RadioGroup1_3"_s << u"edCod"_s << u"1234"_s
                                                 << u"RadioGroup1_2"_s << u"RadioGroup1"_s;
        QTest::newRow("OKD empty applicant, English") << CardType::OKD << u""_s << u"ed6147"_s << u""_s
                                                      << u"indjzd_1"_s << u"indjzd"_s;
    }

    void clickPastFailedCheck()
    {
        QFETCH(CardType, card);
        QFETCH(QString, slot);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, control);
        QFETCH(QString, choice);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e(createCardEditor(card, nullptr));
        QVERIFY(e.show());
        e.enter(field);
        if (!slot.isEmpty()) {
            clickInto(e, e.field(slot));
            e.enter(field);
        }
        Editor::type(typed);
        QVERIFY2(e.focusIn(field) && e.shown(field).startsWith(typed), qPrintable(e.shown(field)));
        const QString before = modelText(e, choice);
        platform.clear();

        QWidget *target = e.field(control);
        QVERIFY2(target, qPrintable(control));
        if (auto *combo = qobject_cast<QComboBox *>(target)) {
            clickArrow(e, combo);
            const bool opened = combo->view()->isVisible();
            combo->hidePopup();
            QVERIFY2(!opened, qPrintable(platform.log().join(u" | "_s)));
        } else {
            clickInto(e, target);
        }
        QCOMPARE(platform.messages().size(), 1);
        QVERIFY(e.focusIn(field));
        QCOMPARE(modelText(e, choice), before);
        QVERIFY(e.shown(field).startsWith(typed));

        // The clerk mends nothing and clicks again: the same answer, still no choice.
        clickInto(e, target);
        QCOMPARE(platform.messages().size(), 2);
        QVERIFY(e.focusIn(field));
        QCOMPARE(modelText(e, choice), before);
    }

    // A rule that jumps over fields with Tab leaves a field clicked into alone: what
    // the clerk then types goes where the clerk clicked.
    void clickIntoFieldKeepsTheFocus_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("jumpTarget");
        QTest::newRow("RK direction, programme code") << CardType::RK << u"cb7201"_s << u"2.1"_s << u"ed7022"_s
                                                      << u"ed7023"_s;
        QTest::newRow("RK result, conclusion") << CardType::RK << u"cb9153"_s << u"001"_s << u"mm9156"_s
                                               << u"mm9155"_s;
        QTest::newRow("RK empty rubric, third rubric") << CardType::RK << u"ed56161"_s << u""_s << u"ed56163"_s
                                                       << u"ed6111"_s;
        QTest::newRow("RK empty third year, second source") << CardType::RK << u"sumg3"_s << u""_s << u"fin1"_s
                                                            << u"ed7353"_s;
        QTest::newRow("OK direction, programme code") << CardType::OK << u"cb7201"_s << u"2.1"_s << u"ed7022"_s
                                                      << u"ed7023"_s;
        QTest::newRow("IK other stage, implementation") << CardType::IK << u"cb7326"_s << u"3.9"_s << u"cb7344"_s
                                                        << u"ed7326"_s;
    }

    void clickIntoFieldKeepsTheFocus()
    {
        QFETCH(CardType, card);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, clicked);
        QFETCH(QString, jumpTarget);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e(createCardEditor(card, nullptr));
        QVERIFY(e.show());
        e.enter(field);
        Editor::type(typed);
        const QString jumpBefore = modelText(e, jumpTarget);
        const QString clickedBefore = modelText(e, clicked);
        clickInto(e, clickTarget(e.field(clicked)));
        QVERIFY2(e.focusIn(clicked), qPrintable(QApplication::focusWidget()->objectName()));
        Editor::type(u"35"_s);
        QVERIFY(modelText(e, clicked) != clickedBefore);
        QCOMPARE(modelText(e, jumpTarget), jumpBefore);
        QVERIFY(platform.messages().isEmpty());
    }
};

ZORVAT_TEST(EditorLeavingTest)
#include "editor_leaving_test.moc"
