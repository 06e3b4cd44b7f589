#include "fields/mask_edit.h"
#include "support/test_registry.h"
#include "widget_helpers.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

class MaskEditTest : public QObject
{
    Q_OBJECT

private slots:
    void showsBlanks()
    {
        MaskEdit edit(QStringLiteral("99.99.99;1;_"));
        QCOMPARE(edit.value(), QStringLiteral("  .  .  "));
        QCOMPARE(edit.text(), QStringLiteral("__.__.__"));
        QVERIFY(edit.isBlank());
        MaskEdit pages(QStringLiteral("999999;1; "));
        QCOMPARE(pages.value(), QString(6, QLatin1Char(' ')));
        QCOMPARE(pages.text(), QString(6, QLatin1Char(' ')));
    }

    void typingAsciiKeys()
    {
        MaskEdit edit(QStringLiteral("99.99.99;1;_"));
        edit.setCursorPosition(0);
        QSignalSpy edited(&edit, &MaskEdit::valueEdited);
        QTest::keyClicks(&edit, QStringLiteral("1205"));
        QCOMPARE(edit.value(), QStringLiteral("12.05.  "));
        QCOMPARE(edit.text(), QStringLiteral("12.05.__"));
        QCOMPARE(edit.cursorPosition(), 6);
        QTest::keyClicks(&edit, QStringLiteral("99x7"));
        QCOMPARE(edit.value(), QStringLiteral("12.05.99"));
        QCOMPARE(edited.count(), 6);
        QCOMPARE(edited.last().at(0).toString(), QStringLiteral("12.05.99"));
    }

    void typingCyrillic()
    {
        MaskEdit edit(QStringLiteral("9999U999999l;1;_"));
        edit.setCursorPosition(0);
        typeText(&edit, QStringLiteral("0104000123с"));
        QCOMPARE(edit.value(), QStringLiteral("0104U000123с"));
        MaskEdit city(QStringLiteral(">LLLlccccccccccccccccccccccccc;0; "));
        city.setCursorPosition(0);
        typeText(&city, QStringLiteral("київ"));
        QCOMPARE(city.value(), QStringLiteral("КИЇВ"));
        MaskEdit number(QStringLiteral("aa99a999999l;1;_"));
        number.setCursorPosition(0);
        typeText(&number, QStringLiteral("ЮА01Ф123456с"));
        QCOMPARE(number.value(), QStringLiteral("ЮА01Ф123456с"));
    }

    void backspaceAndDelete()
    {
        MaskEdit edit(QStringLiteral("99.99.99;1;_"));
        edit.setValue(QStringLiteral("12.05.99"));
        edit.setCursorPosition(3);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.value(), QStringLiteral("1 .05.99"));
        QCOMPARE(edit.text(), QStringLiteral("1_.05.99"));
        QCOMPARE(edit.cursorPosition(), 1);
        edit.setCursorPosition(6);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.value(), QStringLiteral("1 .05. 9"));
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.value(), QStringLiteral("  .  .  "));
        QCOMPARE(edit.text(), QStringLiteral("__.__.__"));
    }

    void selectionIsReplaced()
    {
        MaskEdit edit(QStringLiteral("99999999;1;_"));
        edit.setValue(QStringLiteral("12345678"));
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("9"));
        QCOMPARE(edit.value(), QStringLiteral("9       "));
    }

    void navigationDoesNotEdit()
    {
        MaskEdit edit(QStringLiteral("99.99.99;1;_"));
        edit.setValue(QStringLiteral("12.05.99"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_End);
        QCOMPARE(edit.cursorPosition(), 8);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_K, Qt::ControlModifier); // delete to the end of line on X11
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.value(), QStringLiteral("12.05.99"));
    }

    void setValueFits()
    {
        MaskEdit edit(QStringLiteral("9999U999999l;1;_"));
        QSignalSpy edited(&edit, &MaskEdit::valueEdited);
        QSignalSpy changed(&edit, &MaskEdit::valueChanged);
        edit.setValue(QStringLiteral("    U"));
        QCOMPARE(edit.value(), QStringLiteral("    U       "));
        QCOMPARE(edit.text(), QStringLiteral("____U_______"));
        QCOMPARE(changed.count(), 0); // the empty field stays empty
        edit.setValue(QStringLiteral("0104U000123"));
        QCOMPARE(edit.value(), QStringLiteral("0104U000123 "));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(edited.count(), 0);
        edit.clearValue();
        QCOMPARE(edit.value(), QStringLiteral("    U       "));
    }

    void maskChangesAtRunTime()
    {
        MaskEdit edit(QStringLiteral("99999999;1;_"));
        edit.setValue(QStringLiteral("12345678"));
        QSignalSpy changed(&edit, &MaskEdit::valueChanged);
        edit.setMask(QStringLiteral("9999999999;1;_"));
        QCOMPARE(edit.editMask().size(), 10);
        QCOMPARE(edit.value(), QStringLiteral("12345678  "));
        QCOMPARE(edit.text(), QStringLiteral("12345678__"));
        QCOMPARE(changed.count(), 1);
        edit.setCursorPosition(8);
        QTest::keyClicks(&edit, QStringLiteral("90"));
        QCOMPARE(edit.value(), QStringLiteral("1234567890"));
        edit.setMask(QStringLiteral("99999999;1;_"));
        QCOMPARE(edit.value(), QStringLiteral("12345678"));
        QCOMPARE(edit.maxLength(), 8);
    }

    void pasteFromClipboard()
    {
        QClipboard *clipboard = QApplication::clipboard();
        clipboard->setText(QStringLiteral("31.12.99"));
        if (clipboard->text() != QStringLiteral("31.12.99"))
            QSKIP("no clipboard on this platform");
        MaskEdit edit(QStringLiteral("99.99.99;1;_"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.value(), QStringLiteral("31.12.99"));
        edit.setSelection(3, 2);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.value(), QStringLiteral("31.  .99"));
        QCOMPARE(clipboard->text(), QStringLiteral("12"));
    }

    void plainWithoutMask()
    {
        MaskEdit edit;
        QVERIFY(!edit.isMasked());
        edit.setPlainMaxLength(5);
        QSignalSpy edited(&edit, &MaskEdit::valueEdited);
        QTest::keyClicks(&edit, QStringLiteral("abc def"));
        QCOMPARE(edit.value(), QStringLiteral("abc d"));
        QVERIFY(edited.count() > 0);
        edit.setValue(QStringLiteral(" x "));
        QCOMPARE(edit.value(), QStringLiteral(" x "));
    }

    void programTextIsFitted()
    {
        MaskEdit edit(QStringLiteral("99.99;1;_"));
        edit.setText(QStringLiteral("12.__")); // around the engine
        QCOMPARE(edit.value(), QStringLiteral("12.  "));
        QCOMPARE(edit.text(), QStringLiteral("12.__"));
    }
};

ZORVAT_TEST(MaskEditTest)
#include "mask_edit_test.moc"
