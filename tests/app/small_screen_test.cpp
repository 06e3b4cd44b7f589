#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "app/guide_window.h"
#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/window_fit.h"
#include "orgs/org_directory.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// Every window opens within the screen's available area, title bar included: the card
// editors, the main window, the guide, the directory and the print preview. CTest runs
// this class again on screens of 1366×768 at 100, 125 and 150 % and 1920×1080 at 200 %;
// the plain run has the tests' screen of 1920×1080.
namespace {

QWidget *make(const QString &window)
{
    for (const CardType type : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD}) {
        if (window == cardKind(type).id().toUpper())
            return createCardEditor(type, nullptr);
    }
    if (window == u"main window"_s)
        return new MainWindow;
    if (window == u"guide"_s)
        return new GuideWindow;
    if (window == u"directory"_s)
        return new OrgDirectory;
    static QPrinter printer;
    auto *preview = new QPrintPreviewDialog(&printer);
    setUpPreviewWindow(*preview, u"Реєстраційна карта НДР і ДКР (РК) — RK.txt"_s);
    return preview;
}

} // namespace

class SmallScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsOpenOnTheScreen_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"RK", "OK", "IK", "OKD", "main window", "guide", "directory", "print preview"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void windowsOpenOnTheScreen()
    {
        QFETCH(QString, window);
        ScopedFakePlatform platform;
        platform.allowMessages();
        std::unique_ptr<QWidget> made(make(window));
        QWidget *const w = made.get();
        // Where a clerk's last session left it: partly off the screen's top and left.
        w->move(-200, -300);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect available = w->screen()->availableGeometry();
        const QRect outer = w->frameGeometry();
        QVERIFY2(available.contains(outer),
                 qPrintable(u"%1×%2 at %3,%4 on %5×%6 (scale %7)"_s.arg(outer.width())
                                .arg(outer.height())
                                .arg(outer.x())
                                .arg(outer.y())
                                .arg(available.width())
                                .arg(available.height())
                                .arg(w->devicePixelRatioF())));
        // The buttons outside the scrolled pages ("Назад", "Вперед", "Кінець введення")
        // are inside it, not cut off by the shrinking.
        for (QPushButton *button : w->findChildren<QPushButton *>()) {
            bool scrolled = false;
            for (QWidget *p = button->parentWidget(); p && p != w; p = p->parentWidget())
                scrolled = scrolled || qobject_cast<QScrollArea *>(p);
            if (scrolled || !button->isVisibleTo(w))
                continue;
            const QRect at(button->mapTo(w, QPoint(0, 0)), button->size());
            QVERIFY2(w->rect().contains(at), qPrintable(button->text()));
        }
    }

    void withinTheArea_data()
    {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("result");
        const QRect laptop(0, 0, 1366, 728); // 1366×768 less a 40-pixel panel
        QTest::newRow("fits") << QRect(100, 50, 900, 640) << laptop << QRect(100, 50, 900, 640);
        QTest::newRow("taller than the screen") << QRect(0, 0, 1350, 960) << laptop << QRect(0, 0, 1350, 728);
        QTest::newRow("above the top") << QRect(200, -100, 900, 640) << laptop << QRect(200, 0, 900, 640);
        QTest::newRow("beyond the right") << QRect(1000, 10, 900, 640) << laptop << QRect(466, 10, 900, 640);
        QTest::newRow("panel at the left") << QRect(0, 0, 800, 600) << QRect(60, 0, 1306, 768)
                                           << QRect(60, 0, 800, 600);
        QTest::newRow("second screen") << QRect(1900, 100, 900, 640) << QRect(1920, 0, 1920, 1080)
                                       << QRect(1920, 100, 900, 640);
    }
    void withinTheArea()
    {
        QFETCH(QRect, wanted);
        QFETCH(QRect, available);
        QFETCH(QRect, result);
        QCOMPARE(windowFit::within(wanted, available), result);
    }
};

ZORVAT_TEST(SmallScreenTest)
#include "small_screen_test.moc"
