#include "fields/card_model.h"
#include "fields/field_factory.h"
#include "fields/mask_edit.h"
#include "rules_fixture.h"
#include "support/test_registry.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

class FieldFactoryTest : public QObject
{
    Q_OBJECT

private slots:
    void widgetsOfEveryKind()
    {
        QWidget parent;
        const FieldTable &t = testTable();

        QWidget *w = fieldFactory::create(*t.find(QStringLiteral("edgod1")), &parent);
        auto *edit = qobject_cast<QLineEdit *>(w);
        QVERIFY(edit);
        QVERIFY(!qobject_cast<MaskEdit *>(w));
        QCOMPARE(edit->objectName(), QStringLiteral("edgod1"));
        QCOMPARE(edit->toolTip(), QStringLiteral("Рік"));
        QCOMPARE(edit->text(), QStringLiteral("20--"));
        // The length limits typing; a longer value set by the program shows whole and
        // may be shortened.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("202345"));
        QCOMPARE(edit->text(), QStringLiteral("2023"));
        edit->setText(QStringLiteral("2023456"));
        QCOMPARE(edit->text(), QStringLiteral("2023456"));
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral("7"));
        QCOMPARE(edit->text(), QStringLiteral("2023456"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("202345"));
        QCOMPARE(edit->parentWidget(), &parent);

        auto *memo = qobject_cast<QPlainTextEdit *>(fieldFactory::create(*t.find(QStringLiteral("mm2152")), &parent));
        QVERIFY(memo);
        QVERIFY(memo->tabChangesFocus());
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("ab"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Enter);
        QTest::keyClicks(memo, QStringLiteral("c"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("abc")); // no Enter

        FieldInfo scrolled = *t.find(QStringLiteral("mm9036"));
        scrolled.vScroll = true;
        auto *memo2 = qobject_cast<QPlainTextEdit *>(fieldFactory::create(scrolled, &parent));
        QCOMPARE(memo2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QTest::keyClicks(memo2, QStringLiteral("a"));
        QTest::keyClick(memo2, Qt::Key_Return);
        QCOMPARE(memo2->toPlainText(), QStringLiteral("a\n")); // Enter where it is allowed

        auto *masked = qobject_cast<MaskEdit *>(fieldFactory::create(*t.find(QStringLiteral("ed5436")), &parent));
        QVERIFY(masked);
        QCOMPARE(masked->mask(), QStringLiteral("9999U999999l;1;_"));
        QCOMPARE(masked->value(), QStringLiteral("    U       "));

        auto *combo = qobject_cast<QComboBox *>(fieldFactory::create(*t.find(QStringLiteral("cb7201")), &parent));
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(2), QStringLiteral("2.7"));
        QCOMPARE(combo->currentText(), QString());
        auto *lizv = qobject_cast<QComboBox *>(fieldFactory::create(*t.find(QStringLiteral("lizv")), &parent));
        QCOMPARE(lizv->currentText(), QStringLiteral("Юридична особа"));
        QCOMPARE(lizv->currentIndex(), 0);

        auto *check = qobject_cast<QCheckBox *>(fieldFactory::create(*t.find(QStringLiteral("cb6642")), &parent));
        QVERIFY(check);
        QVERIFY(check->isChecked());
        QCOMPARE(check->text(), QStringLiteral("Прапорець"));

        auto *radio = qobject_cast<QGroupBox *>(fieldFactory::create(*t.find(QStringLiteral("Indjz")), &parent));
        QVERIFY(radio);
        QCOMPARE(radio->objectName(), QStringLiteral("Indjz"));
        const QList<QRadioButton *> buttons = radio->findChildren<QRadioButton *>();
        QCOMPARE(buttons.size(), 2);
        auto *first = radio->findChild<QRadioButton *>(QStringLiteral("Indjz_0"));
        auto *second = radio->findChild<QRadioButton *>(QStringLiteral("Indjz_1"));
        QVERIFY(first && second);
        QCOMPARE(first->text(), QStringLiteral("українська "));
        QVERIFY(first->isChecked());
        // Three columns: the two buttons stand side by side in one row.
        auto *grid = qobject_cast<QGridLayout *>(radio->layout());
        int row = 0, column = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(second), &row, &column, &rs, &cs);
        QCOMPARE(row, 0);
        QCOMPARE(column, 1);

        auto *spin = qobject_cast<QSpinBox *>(fieldFactory::create(*t.find(QStringLiteral("sp5526")), &parent));
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 15);
        QCOMPARE(spin->value(), 3);
    }

    void widgetEditsGoToTheModel()
    {
        CardModel model(testTable());
        QWidget parent;
        FieldBinder binder(model);
        binder.createAll(&parent);
        QSignalSpy edited(&binder, &FieldBinder::edited);
        QSignalSpy chosen(&binder, &FieldBinder::chosen);

        QVERIFY(binder.widget(QStringLiteral("ed5418D")));
        QCOMPARE(binder.names().size(), testTable().fields().size());

        auto *gorz = binder.widgetAs<QLineEdit>(QStringLiteral("gorz"));
        QTest::keyClicks(gorz, QStringLiteral("Kyiv"));
        QCOMPARE(model.text(QStringLiteral("gorz")), QStringLiteral("Kyiv"));
        QCOMPARE(edited.count(), 4);
        QCOMPARE(edited.last().at(0).toString(), QStringLiteral("gorz"));

        auto *date = binder.widgetAs<MaskEdit>(QStringLiteral("ed5418D"));
        date->setCursorPosition(0);
        QTest::keyClicks(date, QStringLiteral("0105"));
        QCOMPARE(model.text(QStringLiteral("ed5418D")), QStringLiteral("01.05.  "));

        auto *memo = binder.widgetAs<QPlainTextEdit>(QStringLiteral("mm2152"));
        QTest::keyClicks(memo, QStringLiteral("Name"));
        QCOMPARE(model.text(QStringLiteral("mm2152")), QStringLiteral("Name"));

        auto *combo = binder.widgetAs<QComboBox>(QStringLiteral("cb7201"));
        combo->setCurrentIndex(1);
        QCOMPARE(model.text(QStringLiteral("cb7201")), QStringLiteral("2.2"));
        combo->setEditText(QStringLiteral("9.9"));
        QCOMPARE(model.text(QStringLiteral("cb7201")), QStringLiteral("9.9"));
        emit combo->activated(1);
        QCOMPARE(chosen.count(), 1);

        auto *check = binder.widgetAs<QCheckBox>(QStringLiteral("cb6642"));
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(model.text(QStringLiteral("cb6642")), QStringLiteral("0"));
        QCOMPARE(chosen.count(), 2);

        auto *radio = binder.widget(QStringLiteral("Indjz"));
        QTest::mouseClick(radio->findChild<QRadioButton *>(QStringLiteral("Indjz_1")), Qt::LeftButton);
        QCOMPARE(model.text(QStringLiteral("Indjz")), QStringLiteral("1"));
        QCOMPARE(chosen.count(), 3);
        QCOMPARE(chosen.last().at(0).toString(), QStringLiteral("Indjz"));

        auto *spin = binder.widgetAs<QSpinBox>(QStringLiteral("sp5526"));
        spin->setValue(7);
        QCOMPARE(model.text(QStringLiteral("sp5526")), QStringLiteral("7"));
    }

    void refreshSendsNothingBack()
    {
        CardModel model(testTable());
        QWidget parent;
        FieldBinder binder(model);
        binder.createAll(&parent);
        QSignalSpy edited(&binder, &FieldBinder::edited);

        model.setText(QStringLiteral("gorz"), QStringLiteral("Львів"));
        model.setText(QStringLiteral("ed5436"), QStringLiteral("    U")); // as a trimmed card line
        model.setText(QStringLiteral("mm2152"), QStringLiteral("Рядок 1\nРядок 2"));
        model.setText(QStringLiteral("cb7201"), QStringLiteral("2.7"));
        model.setText(QStringLiteral("lizv"), QStringLiteral("інше"));
        model.setText(QStringLiteral("cb6642"), QStringLiteral("0"));
        model.setText(QStringLiteral("Indjz"), QStringLiteral("1"));
        model.setText(QStringLiteral("sp5526"), QStringLiteral("12"));
        model.setMask(QStringLiteral("ed2457"), QStringLiteral("9999999999;1;_"));
        model.setText(QStringLiteral("ed2457"), QStringLiteral("1234567890"));
        model.setLabel(QStringLiteral("Label30"), QStringLiteral("2457 Ідентифікаційний номер"), true);
        QLabel label30(QStringLiteral("2457. Код організації за ЄДРПОУ"));
        binder.bindLabel(QStringLiteral("Label30"), &label30);
        binder.refresh();

        QCOMPARE(edited.count(), 0);
        QCOMPARE(binder.widgetAs<QLineEdit>(QStringLiteral("gorz"))->text(), QStringLiteral("Львів"));
        auto *number = binder.widgetAs<MaskEdit>(QStringLiteral("ed5436"));
        QCOMPARE(number->value(), QStringLiteral("    U       "));
        QCOMPARE(number->text(), QStringLiteral("____U_______"));
        QCOMPARE(model.text(QStringLiteral("ed5436")), QStringLiteral("    U")); // nothing written back
        QCOMPARE(binder.widgetAs<QPlainTextEdit>(QStringLiteral("mm2152"))->toPlainText(),
                 QStringLiteral("Рядок 1\nРядок 2"));
        QCOMPARE(binder.widgetAs<QComboBox>(QStringLiteral("cb7201"))->currentText(), QStringLiteral("2.7"));
        QCOMPARE(binder.widgetAs<QComboBox>(QStringLiteral("lizv"))->currentText(), QStringLiteral("інше"));
        QVERIFY(!binder.widgetAs<QCheckBox>(QStringLiteral("cb6642"))->isChecked());
        QVERIFY(binder.widget(QStringLiteral("Indjz"))->findChild<QRadioButton *>(QStringLiteral("Indjz_1"))->isChecked());
        QCOMPARE(binder.widgetAs<QSpinBox>(QStringLiteral("sp5526"))->value(), 12);
        auto *code = binder.widgetAs<MaskEdit>(QStringLiteral("ed2457"));
        QCOMPARE(code->editMask().size(), 10);
        QCOMPARE(code->value(), QStringLiteral("1234567890"));
        QCOMPARE(label30.text(), QStringLiteral("2457 Ідентифікаційний номер"));
        QCOMPARE(label30.palette().color(QPalette::WindowText), QColor(Qt::blue));

        // No radio button for "-1": none checked.
        model.setText(QStringLiteral("Indjz"), QStringLiteral("-1"));
        binder.refresh(QStringLiteral("Indjz"));
        QVERIFY(!binder.widget(QStringLiteral("Indjz"))->findChild<QButtonGroup *>()->checkedButton());
        QCOMPARE(edited.count(), 0);

        // commit() takes the widgets' texts as they are.
        binder.commit();
        QCOMPARE(model.text(QStringLiteral("ed5436")), QStringLiteral("    U       "));
    }

    void comboItemsChange()
    {
        CardModel model(testTable());
        QWidget parent;
        FieldBinder binder(model);
        binder.create(*testTable().find(QStringLiteral("cb7201")), &parent);
        model.setText(QStringLiteral("cb7201"), QStringLiteral("тощо"));
        binder.refresh();
        QSignalSpy edited(&binder, &FieldBinder::edited);
        binder.setItems(QStringLiteral("cb7201"), {QStringLiteral("а"), QStringLiteral("тощо")});
        auto *combo = binder.widgetAs<QComboBox>(QStringLiteral("cb7201"));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("тощо"));
        QCOMPARE(edited.count(), 0);
    }
};

ZORVAT_TEST(FieldFactoryTest)
#include "field_factory_test.moc"
