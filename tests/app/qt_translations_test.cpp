#include "app/qt_translations.h"

#include "support/test_registry.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

// The standard dialogs speak Ukrainian, like the rest of the program.
class QtTranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void standardDialogsSpeakUkrainian()
    {
        QVERIFY2(installQtTranslations(*qApp), "qt_uk.qm not found: the package qt6-translations-l10n is missing");
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        const auto shown = [&box](QMessageBox::StandardButton b) { return box.button(b)->text().remove(u'&'); };
        QCOMPARE(shown(QMessageBox::Yes), u"Так"_s);
        QCOMPARE(shown(QMessageBox::No), u"Ні"_s);
        QVERIFY(shown(QMessageBox::Cancel) != u"Cancel"_s);

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto *lookIn = dialog.findChild<QLabel *>(u"lookInLabel"_s);
        QVERIFY(lookIn);
        QVERIFY2(!lookIn->text().contains(u"Look"_s), qPrintable(lookIn->text()));

        // The other tests see Qt's English again.
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

ZORVAT_TEST(QtTranslationsTest)
#include "qt_translations_test.moc"
