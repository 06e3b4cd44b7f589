#include "app/qt_translations.h"

#include "support/test_registry.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

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
        QCOMPARE(shown(QMessageBox::Yes), QStringLiteral("Так"));
        QCOMPARE(shown(QMessageBox::No), QStringLiteral("Ні"));
        QVERIFY(shown(QMessageBox::Cancel) != QStringLiteral("Cancel"));

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
        QVERIFY(lookIn);
        QVERIFY2(!lookIn->text().contains(QStringLiteral("Look")), qPrintable(lookIn->text()));

        // The other tests see Qt's English again.
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

ZORVAT_TEST(QtTranslationsTest)
#include "qt_translations_test.moc"
