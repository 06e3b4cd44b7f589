#include "fields/card_model.h"
#include "widgets/field_factory.h"
#include "widgets/mask_edit.h"
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

using namespace Qt::Literals::StringLiterals;

class FieldFactoryTest : public QObject
{
    Q_OBJECT

private slots:
    void widgetsOfEveryKind()
    {
        QWidget parent;
        const FieldTable &t = testTable();

        QWidget *w = fieldFactory::create(*t.find(u"edgod1"_s), &parent);
        auto *edit = qobject_cast<QLineEdit *>(w);
        QVERIFY(edit);
        QVERIFY(!qobject_cast<MaskEdit *>(w));
        QCOMPARE(edit->objectName(), u"edgod1"_s);
        QCOMPARE(edit->toolTip(), u"Рік"_s);
        QCOMPARE(edit->text(), u"20--"_s);
        // The length limits typing; a longer value set by the program shows whole and
        // may be shortened.
        edit->selectAll();
        QTest::keyClicks(edit, u"202345"_s);
        QCOMPARE(edit->text(), u"2023"_s);
        edit->setText(u"2023456"_s);
        QCOMPARE(edit->text(), u"2023456"_s);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, u"7"_s);
        QCOMPARE(edit->text(), u"2023456"_s);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), u"202345"_s);
        QCOMPARE(edit->parentWidget(), &parent);

        auto *memo = qobject_cast<QPlainTextEdit *>(fieldFactory::create(*t.find(u"mm2152"_s), &parent));
        QVERIFY(memo);
        QVERIFY(memo->tabChangesFocus());
        memo->setFocus();
        QTest::keyClicks(memo, u"ab"_s);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Enter);
        QTest::keyClicks(memo, u"c"_s);
        QCOMPARE(memo->toPlainText(), u"abc"_s); // no Enter

        FieldInfo scrolled = *t.find(u"mm9036"_s);
        scrolled.vScroll = true;
        auto *memo2 = qobject_cast<QPlainTextEdit *>(fieldFactory::create(scrolled, &parent));
        QCOMPARE(memo2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QTest::keyClicks(memo2, u"a"_s);
        QTest::keyClick(memo2, Qt::Key_Return);
        QCOMPARE(memo2->toPlainText(), u"a\n"_s); // Enter where it is allowed

        auto *masked = qobject_cast<MaskEdit *>(fieldFactory::create(*t.find(u"ed5436"_s), &parent));
        QVERIFY(masked);
        QCOMPARE(masked->mask(), u"9999U999999l;1;_"_s);
        QCOMPARE(masked->value(), u"    U       "_s);

        auto *combo = qobject_cast<QComboBox *>(fieldFactory::create(*t.find(u"cb7201"_s), &parent));
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(2), u"2.7"_s);
        QCOMPARE(combo->currentText(), QString());
        auto *lizv = qobject_cast<QComboBox *>(fieldFactory::create(*t.find(u"lizv"_s), &parent));
        QCOMPARE(lizv->currentText(), u"Юридична особа"_s);
        QCOMPARE(lizv->currentIndex(), 0);

        auto *check = qobject_cast<QCheckBox *>(fieldFactory::create(*t.find(u"cb6642"_s), &parent));
        QVERIFY(check);
        QVERIFY(check->isChecked());
        QCOMPARE(check->text(), u"Прапорець"_s);

        auto *radio = qobject_cast<QGroupBox *>(fieldFactory::create(*t.find(u"Indjz"_s), &parent));
        QVERIFY(radio);
        QCOMPARE(radio->objectName(), u"Indjz"_s);
        const QList<QRadioButton *> buttons = radio->findChildren<QRadioButton *>();
        QCOMPARE(buttons.size(), 2);
        auto *first = radio->findChild<QRadioButton *>(u"Indjz_0"_s);
        auto *second = radio->findChild<QRadioButton *>(u"Indjz_1"_s);
        QVERIFY(first && second);
        QCOMPARE(first->text(), u"українська "_s);
        QVERIFY(first->isChecked());
        // Three columns: the two buttons stand side by side in one row.
        auto *grid = qobject_cast<QGridLayout *>(radio->layout());
        int row = 0, column = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(second), &row, &column, &rs, &cs);
        QCOMPARE(row, 0);
        QCOMPARE(column, 1);

        auto *spin = qobject_cast<QSpinBox *>(fieldFactory::create(*t.find(u"sp5526"_s), &parent));
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

        QVERIFY(binder.widget(u"ed5418D"_s));
        QCOMPARE(binder.names().size(), testTable().fields().size());

        auto *gorz = binder.widgetAs<QLineEdit>(u"gorz"_s);
        QTest::keyClicks(gorz, u"Kyiv"_s);
        QCOMPARE(model.text(u"gorz"_s), u"Kyiv"_s);
        QCOMPARE(edited.count(), 4);
        QCOMPARE(edited.last().at(0).toString(), u"gorz"_s);

        auto *date = binder.widgetAs<MaskEdit>(u"ed5418D"_s);
        date->setCursorPosition(0);
        QTest::keyClicks(date, u"0105"_s);
        QCOMPARE(model.text(u"ed5418D"_s), u"01.05.  "_s);

        auto *memo = binder.widgetAs<QPlainTextEdit>(u"mm2152"_s);
        QTest::keyClicks(memo, u"Name"_s);
        QCOMPARE(model.text(u"mm2152"_s), u"Name"_s);

        auto *combo = binder.widgetAs<QComboBox>(u"cb7201"_s);
        combo->setCurrentIndex(1);
        QCOMPARE(model.text(u"cb7201"_s), u"2.2"_s);
        combo->setEditText(u"9.9"_s);
        QCOMPARE(model.text(u"cb7201"_s), u"9.9"_s);
        emit combo->activated(1);
        QCOMPARE(chosen.count(), 1);

        auto *check = binder.widgetAs<QCheckBox>(u"cb6642"_s);
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(model.text(u"cb6642"_s), u"0"_s);
        QCOMPARE(chosen.count(), 2);

        auto *radio = binder.widget(u"Indjz"_s);
        QTest::mouseClick(radio->findChild<QRadioButton *>(u"Indjz_1"_s), Qt::LeftButton);
        QCOMPARE(model.text(u"Indjz"_s), u"1"_s);
        QCOMPARE(chosen.count(), 3);
        QCOMPARE(chosen.last().at(0).toString(), u"Indjz"_s);

        auto *spin = binder.widgetAs<QSpinBox>(u"sp5526"_s);
        spin->setValue(7);
        QCOMPARE(model.text(u"sp5526"_s), u"7"_s);
    }

    void refreshSendsNothingBack()
    {
        CardModel model(testTable());
        QWidget parent;
        FieldBinder binder(model);
        binder.createAll(&parent);
        QSignalSpy edited(&binder, &FieldBinder::edited);

        model.setText(u"gorz"_s, u"Львів"_s);
        model.setText(u"ed5436"_s, u"    U"_s); // as a trimmed card line
        model.setText(u"mm2152"_s, u"Рядок 1\nРядок 2"_s);
        model.setText(u"cb7201"_s, u"2.7"_s);
        model.setText(u"lizv"_s, u"інше"_s);
        model.setText(u"cb6642"_s, u"0"_s);
        model.setText(u"Indjz"_s, u"1"_s);
        model.setText(u"sp5526"_s, u"12"_s);
        model.setMask(u"ed2457"_s, u"9999999999;1;_"_s);
        model.setText(u"ed2457"_s, u"1234567890"_s);
        model.setLabel(u"Label30"_s, u"2457 Ідентифікаційний номер"_s, true);
        QLabel label30(u"2457. Код організації за ЄДРПОУ"_s);
        binder.bindLabel(u"Label30"_s, &label30);
        binder.refresh();

        QCOMPARE(edited.count(), 0);
        QCOMPARE(binder.widgetAs<QLineEdit>(u"gorz"_s)->text(), u"Львів"_s);
        auto *number = binder.widgetAs<MaskEdit>(u"ed5436"_s);
        QCOMPARE(number->value(), u"    U       "_s);
        QCOMPARE(number->text(), u"____U_______"_s);
        QCOMPARE(model.text(u"ed5436"_s), u"    U"_s); // nothing written back
        QCOMPARE(binder.widgetAs<QPlainTextEdit>(u"mm2152"_s)->toPlainText(),
                 u"Рядок 1\nРядок 2"_s);
        QCOMPARE(binder.widgetAs<QComboBox>(u"cb7201"_s)->currentText(), u"2.7"_s);
        QCOMPARE(binder.widgetAs<QComboBox>(u"lizv"_s)->currentText(), u"інше"_s);
        QVERIFY(!binder.widgetAs<QCheckBox>(u"cb6642"_s)->isChecked());
        QVERIFY(binder.widget(u"Indjz"_s)->findChild<QRadioButton *>(u"Indjz_1"_s)->isChecked());
        QCOMPARE(binder.widgetAs<QSpinBox>(u"sp5526"_s)->value(), 12);
        auto *code = binder.widgetAs<MaskEdit>(u"ed2457"_s);
        QCOMPARE(code->editMask().size(), 10);
        QCOMPARE(code->value(), u"1234567890"_s);
        QCOMPARE(label30.text(), u"2457 Ідентифікаційний номер"_s);
        QCOMPARE(label30.palette().color(QPalette::WindowText), QColor(Qt::blue));

        // No radio button for "-1": none checked.
        model.setText(u"Indjz"_s, u"-1"_s);
        binder.refresh(u"Indjz"_s);
        QVERIFY(!binder.widget(u"Indjz"_s)->findChild<QButtonGroup *>()->checkedButton());
        QCOMPARE(edited.count(), 0);

        // commit() takes the widgets' texts as they are.
        binder.commit();
        QCOMPARE(model.text(u"ed5436"_s), u"    U       "_s);
    }

    void comboItemsChange()
    {
        CardModel model(testTable());
        QWidget parent;
        FieldBinder binder(model);
        binder.create(*testTable().find(u"cb7201"_s), &parent);
        model.setText(u"cb7201"_s, u"тощо"_s);
        binder.refresh();
        QSignalSpy edited(&binder, &FieldBinder::edited);
        binder.setItems(u"cb7201"_s, {u"а"_s, u"тощо"_s});
        auto *combo = binder.widgetAs<QComboBox>(u"cb7201"_s);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), u"тощо"_s);
        QCOMPARE(edited.count(), 0);
    }
};

ZORVAT_TEST(FieldFactoryTest)
#include "field_factory_test.moc"
