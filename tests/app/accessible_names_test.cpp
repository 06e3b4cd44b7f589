#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "fields/card_document.h"
#include "fields/field_captions.h"
#include "fields/field_row.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

void addCardRows()
{
    QTest::addColumn<int>("type");
    QTest::newRow("RK") << int(CardType::RK);
    QTest::newRow("OK") << int(CardType::OK);
    QTest::newRow("IK") << int(CardType::IK);
    QTest::newRow("OKD") << int(CardType::OKD);
}

// The label the page shows for `field`, as the clerk reads it.
QString shownLabel(const QWidget *window, const QWidget *field)
{
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() == field)
            return label->text().simplified();
    }
    return {};
}

// What a screen reader is told the widget is called.
QString spokenName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class AccessibleNamesTest : public QObject
{
    Q_OBJECT
private slots:
    // What a page shows for a field without a label of its own.
    void captionFromThePage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption"); // "" for none: labelled, or nothing shown
        QTest::newRow("beside a labelled field") << u"b"_s << u"1. Перше"_s;
        QTest::newRow("second row of the same code") << u"c"_s << u"1. Перше"_s;
        QTest::newRow("next row, another code") << u"d"_s << QString();
        QTest::newRow("labelled") << u"a"_s << QString();
        QTest::newRow("under a column label") << u"x2"_s << u"Ікс"_s;
        QTest::newRow("under a heading") << u"y"_s << u"Роки, стовпець 1"_s;
        QTest::newRow("under a heading, further right") << u"y2"_s << u"Роки, стовпець 2"_s;
        QTest::newRow("two rows below a heading") << u"w2"_s << u"Роки, стовпець 2"_s;
        QTest::newRow("in a titled frame") << u"e"_s << u"Рамка"_s;
        QTest::newRow("in a titled frame, beside") << u"f"_s << u"Рамка"_s;
    }
    void captionFromThePage()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        const auto f = [](const QString &name, const QString &code, const QString &label = {}) {
            FieldInfo info;
            info.name = name;
            info.code = code;
            info.label = label;
            return info;
        };
        const FieldTable table({u"Сторінка"_s},
                               {f(u"a"_s, u"1"_s, u"1. Перше"_s), f(u"b"_s, u"1"_s), f(u"c"_s, u"1"_s),
                                f(u"d"_s, u"2"_s), f(u"x"_s, u"3"_s, u"Ікс"_s), f(u"x2"_s, u"3"_s), f(u"y"_s, u"4"_s),
                                f(u"y2"_s, u"4"_s), f(u"w1"_s, u"4"_s), f(u"w2"_s, u"4"_s), f(u"e"_s, u"5"_s),
                                f(u"f"_s, u"6"_s)});
        PageDesign design;
        design.pages = {{
            {{}, false, {{u"a"_s, u"b"_s}, {u"c"_s}, {u"d"_s}}},
            {{}, true, {{u"@x"_s, u"#y"_s}, {{}, u"y"_s, u"y2"_s}, {u"x2"_s, u"w1"_s, u"w2"_s}}},
            {u"e"_s, false, {{u"e"_s, u"f"_s}}},
        }};
        design.headingAbove = [](const QString &name) {
            return name == u"y"_s ? u"Роки"_s : name == u"e"_s ? u"Рамка"_s : QString();
        };
        QCOMPARE(fieldCaptions::fromDesign(table, design).value(field), caption);
    }

    // Every input field is named by its caption: the label of the field table and of
    // the page beside it; a field without one by what its page shows for it, never by
    // its component name.
    void everyFieldNamedByItsCaption_data() { addCardRows(); }
    void everyFieldNamedByItsCaption()
    {
        QFETCH(int, type);
        std::unique_ptr<CardEditor> editor(createCardEditor(CardType(type), nullptr));
        const FieldTable &table = editor->document().model().table();
        QStringList wrong;
        for (const FieldInfo &info : table.fields()) {
            QWidget *w = editor->binder().widget(info.name);
            QVERIFY2(w, qPrintable(info.name));
            const QString name = w->accessibleName();
            // A caption of its own where the label alone says too little ("1.").
            const QString caption = info.spoken.isEmpty() ? info.label.simplified() : info.spoken;
            const QString shown = info.spoken.isEmpty() ? shownLabel(editor.get(), w) : QString();
            // Neither the component name nor the hint that says there is none.
            bool right = !name.isEmpty() && name != info.name && name != FieldRow::noHelp();
            if (!caption.isEmpty())
                right = right && name.contains(caption);
            if (!shown.isEmpty())
                right = right && name.contains(shown);
            if (auto *check = qobject_cast<QCheckBox *>(w))
                right = right && name.contains(check->text().simplified());
            // On Linux Qt gives a combo box's text as its name, and its label (or its
            // frame's title) by relation; elsewhere the name is the caption.
            if (!qobject_cast<QComboBox *>(w))
                right = right && spokenName(w) == name;
            if (!right)
                wrong << u"%1: «%2» (caption «%3», label «%4»)"_s.arg(info.name, name, caption, shown);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // A field whose label follows the person kind is announced by the label shown now.
    void nameFollowsTheLabelShown_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("field");
        QTest::newRow("RK executor") << int(CardType::RK) << u"lizv"_s << u"ed2457"_s;
        QTest::newRow("RK customer") << int(CardType::RK) << u"lizz"_s << u"ed2458"_s;
        QTest::newRow("OK executor") << int(CardType::OK) << u"lizv"_s << u"ed2457"_s;
        QTest::newRow("IK owner") << int(CardType::IK) << u"lizz"_s << u"ed2459"_s;
    }
    void nameFollowsTheLabelShown()
    {
        QFETCH(int, type);
        QFETCH(QString, selector);
        QFETCH(QString, field);
        ScopedFakePlatform platform;
        platform.allowMessages();
        EditorDriver<CardEditor> e(createCardEditor(CardType(type), nullptr));
        QVERIFY(e.show());
        QWidget *code = e.field(field);
        const QString before = shownLabel(e.window.get(), code);
        QVERIFY(!before.isEmpty());
        e.enter(selector);
        qobject_cast<QComboBox *>(e.field(selector))->setCurrentIndex(1);
        e.tab();
        const QString after = shownLabel(e.window.get(), code);
        QVERIFY2(after != before, qPrintable(after));
        QCOMPARE(code->accessibleName(), after);
        QCOMPARE(spokenName(code), after);
    }

    // The speed buttons show only pictures; each is announced by its command.
    void toolBarButtonsNamed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("continuation");
        QTest::newRow("RK") << int(CardType::RK) << u"Друк листів продовжень"_s;
        QTest::newRow("OK") << int(CardType::OK) << u"Друк листів продовжень"_s;
        QTest::newRow("IK") << int(CardType::IK) << u"Друк листів продовжень"_s;
        QTest::newRow("OKD") << int(CardType::OKD) << u"Друк листів продовження"_s;
    }
    void toolBarButtonsNamed()
    {
        QFETCH(int, type);
        QFETCH(QString, continuation);
        std::unique_ptr<CardEditor> editor(createCardEditor(CardType(type), nullptr));
        auto *bar = editor->findChild<QToolBar *>(u"ToolBar"_s);
        QVERIFY(bar);
        QStringList names;
        for (QToolButton *button : bar->findChildren<QToolButton *>()) {
            if (button->objectName().startsWith(u"qt_"_s)) // the bar's own overflow arrow
                continue;
            QCOMPARE(spokenName(button), button->accessibleName());
            names << button->accessibleName();
        }
        QCOMPARE(names, (QStringList{u"Новий"_s, u"Відкрити"_s, u"Записати як..."_s, u"Друк"_s, u"Перевірити картку"_s, continuation}));
    }
};

ZORVAT_TEST(AccessibleNamesTest)
#include "accessible_names_test.moc"
