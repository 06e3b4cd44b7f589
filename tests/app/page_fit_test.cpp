#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/page_fit_checks.h"
#include "support/test_registry.h"

#include <QComboBox>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

namespace {

// A card's editor, as the page checks drive it.
struct AnyEditor : EditorDriver<CardEditor>
{
    static CardType type;
    AnyEditor() : EditorDriver<CardEditor>(createCardEditor(type, nullptr)) {}
};
CardType AnyEditor::type = CardType::RK;

} // namespace

// Every card's window at the size it opens with: every page fits without a scroll bar,
// every label stands clear of its field and level with it, every text box shows whole
// lines; also with the fields that only some choices show.
class PageFitTest : public QObject
{
    Q_OBJECT
private slots:
    void pagesFitTheWindow_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QStringList>("choices"); // "field=value", typed and left with Tab
        QTest::addColumn<QString>("shown");       // a field the choices show
        for (const CardType type : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD})
            QTest::addRow("%s fresh card", qPrintable(cardKind(type).id())) << type << QStringList{} << QString();
        QTest::newRow("rk other direction and result shown")
            << CardType::RK << QStringList{u"cb7201=2.7"_s, u"cb9153=007"_s} << u"cb9153a"_s;
        QTest::newRow("ok other direction shown") << CardType::OK << QStringList{u"cb7201=2.7"_s} << u"ed7201a"_s;
    }
    void pagesFitTheWindow()
    {
        QFETCH(CardType, card);
        QFETCH(QStringList, choices);
        QFETCH(QString, shown);
        AnyEditor::type = card;
        pageFit::checkPagesFit<AnyEditor>(choices, shown);
    }

    // Not a check: with ZORVAT_SHOT_DIR set, every page of every card is saved as a
    // picture to look at, and the OKD workplace of a natural person.
    void pagePictures_data()
    {
        QTest::addColumn<CardType>("card");
        for (const CardType type : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD})
            QTest::newRow(qPrintable(cardKind(type).id())) << type;
    }
    void pagePictures()
    {
        QFETCH(CardType, card);
        if (qEnvironmentVariableIsEmpty("ZORVAT_SHOT_DIR"))
            QSKIP("ZORVAT_SHOT_DIR not set");
        AnyEditor::type = card;
        AnyEditor e;
        QVERIFY(e.savePagePictures(cardKind(card).id()));
        if (card != CardType::OKD)
            return;
        qobject_cast<QComboBox *>(e.field(u"lizv"_s))->setCurrentIndex(1);
        e.window->pageControl()->setCurrentIndex(1);
        e.settle();
        // On its circle: a radio button takes clicks on its circle and text only.
        auto *slot = e.window->findChild<QAbstractButton *>(u"RadioGroup1_3"_s);
        QTest::mouseClick(slot, Qt::LeftButton, {}, QPoint(8, slot->height() / 2));
        e.settle();
        QVERIFY(e.window->grab().save(qEnvironmentVariable("ZORVAT_SHOT_DIR") + u"/okd_page2_slot3.png"_s));
    }
};

ZORVAT_TEST(PageFitTest)
#include "page_fit_test.moc"
