#include "widgets/mask_edit.h"
#include "support/test_registry.h"
#include "widget_helpers.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class MaskEditTest : public QObject
{
    Q_OBJECT

private slots:
    void showsBlanks()
    {
        MaskEdit edit(u"99.99.99;1;_"_s);
        QCOMPARE(edit.value(), u"  .  .  "_s);
        QCOMPARE(edit.text(), u"__.__.__"_s);
        QVERIFY(edit.isBlank());
        MaskEdit pages(u"999999;1; "_s);
        QCOMPARE(pages.value(), QString(6, QLatin1Char(' ')));
        QCOMPARE(pages.text(), QString(6, QLatin1Char(' ')));
    }

    void typingAsciiKeys()
    {
        MaskEdit edit(u"99.99.99;1;_"_s);
        edit.setCursorPosition(0);
        QSignalSpy edited(&edit, &MaskEdit::valueEdited);
        QTest::keyClicks(&edit, u"1205"_s);
        QCOMPARE(edit.value(), u"12.05.  "_s);
        QCOMPARE(edit.text(), u"12.05.__"_s);
        QCOMPARE(edit.cursorPosition(), 6);
        QTest::keyClicks(&edit, u"99x7"_s);
        QCOMPARE(edit.value(), u"12.05.99"_s);
        QCOMPARE(edited.count(), 6);
        QCOMPARE(edited.last().at(0).toString(), u"12.05.99"_s);
    }

    void typingCyrillic()
    {
        MaskEdit edit(u"9999U999999l;1;_"_s);
        edit.setCursorPosition(0);
        typeText(&edit, u"0104000123с"_s);
        QCOMPARE(edit.value(), u"0104U000123с"_s);
        MaskEdit city(u">LLLlccccccccccccccccccccccccc;0; "_s);
        city.setCursorPosition(0);
        typeText(&city, u"київ"_s);
        QCOMPARE(city.value(), u"КИЇВ"_s);
        MaskEdit number(u"aa99a999999l;1;_"_s);
        number.setCursorPosition(0);
        typeText(&number, u"ЮА01Ф123456с"_s);
        QCOMPARE(number.value(), u"ЮА01Ф123456с"_s);
    }

    void backspaceAndDelete()
    {
        MaskEdit edit(u"99.99.99;1;_"_s);
        edit.setValue(u"12.05.99"_s);
        edit.setCursorPosition(3);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.value(), u"1 .05.99"_s);
        QCOMPARE(edit.text(), u"1_.05.99"_s);
        QCOMPARE(edit.cursorPosition(), 1);
        edit.setCursorPosition(6);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.value(), u"1 .05. 9"_s);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.value(), u"  .  .  "_s);
        QCOMPARE(edit.text(), u"__.__.__"_s);
    }

    void selectionIsReplaced()
    {
        MaskEdit edit(u"99999999;1;_"_s);
        edit.setValue(u"12345678"_s);
        edit.selectAll();
        QTest::keyClicks(&edit, u"9"_s);
        QCOMPARE(edit.value(), u"9       "_s);
    }

    void navigationDoesNotEdit()
    {
        MaskEdit edit(u"99.99.99;1;_"_s);
        edit.setValue(u"12.05.99"_s);
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_End);
        QCOMPARE(edit.cursorPosition(), 8);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_K, Qt::ControlModifier); // delete to the end of line on X11
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.value(), u"12.05.99"_s);
    }

    void setValueFits()
    {
        MaskEdit edit(u"9999U999999l;1;_"_s);
        QSignalSpy edited(&edit, &MaskEdit::valueEdited);
        QSignalSpy changed(&edit, &MaskEdit::valueChanged);
        edit.setValue(u"    U"_s);
        QCOMPARE(edit.value(), u"    U       "_s);
        QCOMPARE(edit.text(), u"____U_______"_s);
        QCOMPARE(changed.count(), 0); // the empty field stays empty
        edit.setValue(u"0104U000123"_s);
        QCOMPARE(edit.value(), u"0104U000123 "_s);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(edited.count(), 0);
        edit.clearValue();
        QCOMPARE(edit.value(), u"    U       "_s);
    }

    void maskChangesAtRunTime()
    {
        MaskEdit edit(u"99999999;1;_"_s);
        edit.setValue(u"12345678"_s);
        QSignalSpy changed(&edit, &MaskEdit::valueChanged);
        edit.setMask(u"9999999999;1;_"_s);
        QCOMPARE(edit.editMask().size(), 10);
        QCOMPARE(edit.value(), u"12345678  "_s);
        QCOMPARE(edit.text(), u"12345678__"_s);
        QCOMPARE(changed.count(), 1);
        edit.setCursorPosition(8);
        QTest::keyClicks(&edit, u"90"_s);
        QCOMPARE(edit.value(), u"1234567890"_s);
        edit.setMask(u"99999999;1;_"_s);
        QCOMPARE(edit.value(), u"12345678"_s);
        QCOMPARE(edit.maxLength(), 8);
    }

    void pasteFromClipboard()
    {
        QClipboard *clipboard = QApplication::clipboard();
        clipboard->setText(u"31.12.99"_s);
        if (clipboard->text() != u"31.12.99"_s)
            QSKIP("no clipboard on this platform");
        MaskEdit edit(u"99.99.99;1;_"_s);
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.value(), u"31.12.99"_s);
        edit.setSelection(3, 2);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.value(), u"31.  .99"_s);
        QCOMPARE(clipboard->text(), u"12"_s);
    }

    void plainWithoutMask()
    {
        MaskEdit edit;
        QVERIFY(!edit.isMasked());
        edit.setPlainMaxLength(5);
        QSignalSpy edited(&edit, &MaskEdit::valueEdited);
        QTest::keyClicks(&edit, u"abc def"_s);
        QCOMPARE(edit.value(), u"abc d"_s);
        QVERIFY(edited.count() > 0);
        edit.setValue(u" x "_s);
        QCOMPARE(edit.value(), u" x "_s);
    }

    void programTextIsFitted()
    {
        MaskEdit edit(u"99.99;1;_"_s);
        edit.setText(u"12.__"_s); // around the engine
        QCOMPARE(edit.value(), u"12.  "_s);
        QCOMPARE(edit.text(), u"12.__"_s);
    }
};

ZORVAT_TEST(MaskEditTest)
#include "mask_edit_test.moc"
