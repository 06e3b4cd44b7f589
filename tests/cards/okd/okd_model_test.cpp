#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_pages.h"
#include "cards/okd/okd_test_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every organisation slot filled with texts that name their slot.
void fillSlots(OkdModel &m)
{
    m.setCouncilCipher(u"Д 1"_s);
    for (int slot = 0; slot < OkdModel::kSlots; ++slot) {
        const QString n = QString::number(slot);
        OkdOrganisation &org = m.organisation(slot);
        org = {n + n + n + n + n + n + n + n, u"Назва "_s + n, u"МІСТО"_s + n, u"Адреса "_s + n, u"Орган "_s + n,
               u"Тел "_s + n, u"mail"_s + n};
    }
}

} // namespace

class OkdModelTest : public QObject
{
    Q_OBJECT
private slots:
    void newCard()
    {
        auto m = okdTest::card.fresh();
        QCOMPARE(m->text(u"cb5013"_s), u"04"_s);
        QCOMPARE(m->text(u"cb5256"_s), u"5"_s);
        QCOMPARE(m->text(u"ed5438"_s), u"    U      "_s);
        QCOMPARE(m->text(u"lizv"_s), u"Юридична особа"_s);
        QCOMPARE(m->text(u"ed7425"_s), QString());
        QCOMPARE(m->shownSlot(), 0);
        QVERIFY(m->councilShown());
        QCOMPARE(okdFieldTable().pages().size(), 5);
        QCOMPARE(okdDegrees().size(), 52);
        QCOMPARE(okdFieldTable().find(u"ed6156ns3"_s)->items.size(), 54);
        QCOMPARE(okdFieldTable().find(u"ed6273ns"_s)->items.first(), u"д.арх."_s);
    }

    // The page design places every field of the table once, on the field's own page.
    void pageDesignPlacesEveryField()
    {
        const PageDesign &design = okdPageDesign();
        QCOMPARE(design.pages.size(), okdFieldTable().pages().size());
        QStringList placed;
        for (int page = 0; page < design.pages.size(); ++page) {
            for (const PageBlock &block : design.pages.at(page)) {
                for (const QStringList &row : block.rows) {
                    for (const QString &cell : row) {
                        if (cell.isEmpty() || cell.startsWith(QLatin1Char('@')) || cell.startsWith(QLatin1Char('#')))
                            continue;
                        const FieldInfo *settings = okdFieldTable().find(cell);
                        QVERIFY2(settings, qPrintable(cell));
                        QCOMPARE(settings->page, page);
                        placed << cell;
                    }
                }
            }
        }
        QCOMPARE(placed.size(), okdFieldTable().fields().size());
        placed.removeDuplicates();
        QCOMPARE(placed.size(), okdFieldTable().fields().size());
        QCOMPARE(okdHeadingAbove(u"notes"_s), u"далі українською:"_s);
    }

    // What each slot shows: the field, its text, and the page's visible parts.
    void showSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("natural"); // lizv on "Фізична особа"
        QTest::addColumn<QStringList>("expected"); // "field=text"
        QTest::addColumn<QList<bool>>("shown");    // council, person kind, sector

        QTest::newRow("council") << 0 << QString()
                                 << QStringList{u"ed7452=Д 1"_s, u"edTel=Тел 0"_s, u"edEM="_s, u"mmNaz="_s,
                                                u"edCod=        "_s}
                                 << QList<bool>{true, false, false}; // the sector as slot 3 left it
        QTest::newRow("defence") << 1 << QString()
                                 << QStringList{u"ed7452=Д 1"_s, u"edCod=11111111"_s, u"mmNaz=Назва 1"_s,
                                                u"edMis=МІСТО1"_s, u"edAdr=Адреса 1"_s, u"edTel=Тел 1"_s,
                                                u"edEM=mail1"_s, u"edMin=Орган 1"_s}
                                 << QList<bool>{false, false, true};
        QTest::newRow("dissertation") << 2 << QString()
                                      << QStringList{u"ed7452="_s, u"edCod=22222222"_s, u"edMin=Орган 2"_s}
                                      << QList<bool>{false, false, false};
        QTest::newRow("workplace, legal") << 3 << QString()
                                          << QStringList{u"edCod=33333333"_s, u"mmNaz=Назва 3"_s}
                                          << QList<bool>{false, true, false};
        QTest::newRow("workplace, natural") << 3 << u"1"_s
                                            << QStringList{u"edCod=3333333333"_s, u"edMis=МІСТО3"_s}
                                            << QList<bool>{false, true, false};
    }
    void showSlot()
    {
        QFETCH(int, slot);
        QFETCH(QString, natural);
        QFETCH(QStringList, expected);
        QFETCH(QList<bool>, shown);
        auto m = okdTest::card.fresh();
        fillSlots(*m);
        if (!natural.isEmpty()) {
            m->setText(u"lizv"_s, u"Фізична особа"_s);
            m->organisation(3).code = u"3333333333"_s;
        }
        m->showSlot(3); // the values a slot shows never depend on the one before
        m->showSlot(slot);
        QCOMPARE(m->text(u"RadioGroup1"_s), QString::number(slot));
        for (const QString &pair : expected) {
            const QString field = pair.section(QLatin1Char('='), 0, 0);
            QCOMPARE(m->text(field), pair.section(QLatin1Char('='), 1));
        }
        QCOMPARE((QList<bool>{m->councilShown(), m->personKindShown(), m->sectorShown()}), shown);
        const bool tenDigits = !natural.isEmpty();
        QCOMPARE(m->mask(u"edCod"_s), tenDigits ? u"9999999999;1;_"_s : u"99999999;1;_"_s);
        QCOMPARE(m->label(u"lb3"_s)->text, tenDigits ? u"Ідентифікаційний номер "_s : u"Код організації за ЄДРПОУ"_s);
        QCOMPARE(m->naturalCodeShown(), tenDigits);
    }

    // A view field left: the slot that keeps its text.
    void keepOrgField_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name"); // private text; "" when nothing is kept
        QTest::newRow("cipher on the council") << 0 << u"ed7452"_s << u"cipher"_s;
        QTest::newRow("cipher elsewhere") << 1 << u"ed7452"_s << QString();
        QTest::newRow("council phone") << 0 << u"edTel"_s << u"org0.phone"_s;
        QTest::newRow("council e-mail") << 0 << u"edEM"_s << u"org0.email"_s;
        QTest::newRow("no name for the council") << 0 << u"mmNaz"_s << QString();
        QTest::newRow("no code for the council") << 0 << u"edCod"_s << QString();
        QTest::newRow("defence name") << 1 << u"mmNaz"_s << u"org1.name"_s;
        QTest::newRow("dissertation city") << 2 << u"edMis"_s << u"org2.city"_s;
        QTest::newRow("workplace address") << 3 << u"edAdr"_s << u"org3.location"_s;
        QTest::newRow("workplace subordination") << 3 << u"edMin"_s << u"org3.subordination"_s;
        QTest::newRow("workplace code") << 3 << u"edCod"_s << u"org3.code"_s;
    }
    void keepOrgField()
    {
        QFETCH(int, slot);
        QFETCH(QString, field);
        QFETCH(QString, name);
        auto m = okdTest::card.fresh();
        m->showSlot(slot);
        const QString typed = field == QLatin1String("edCod") ? u"87654321"_s : u"НОВЕ"_s;
        m->setFitted(field, typed);
        QCOMPARE(m->keepOrgField(field), !name.isEmpty());
        auto fresh = okdTest::card.fresh();
        for (int s = 0; s < OkdModel::kSlots; ++s)
            QCOMPARE(m->organisation(s).name, name == u"org%1.name"_s.arg(s) ? typed : QString());
        if (!name.isEmpty())
            QCOMPARE(okdTest::valueOf(*m, name), typed);
        else
            QCOMPARE(okdTest::card.lines(*m), okdTest::card.lines(*fresh));
    }

    // A slot's values survive switching to another slot and back, and are saved.
    void slotsAreKeptApart()
    {
        auto m = okdTest::card.fresh();
        m->showSlot(1);
        m->setText(u"mmNaz"_s, u"Університет"_s);
        m->keepOrgField(u"mmNaz"_s);
        m->showSlot(2);
        QCOMPARE(m->text(u"mmNaz"_s), QString());
        m->setText(u"mmNaz"_s, u"Інститут"_s);
        m->keepOrgField(u"mmNaz"_s);
        m->showSlot(1);
        QCOMPARE(m->text(u"mmNaz"_s), u"Університет"_s);
        const QStringList lines = okdTest::card.lines(*m);
        QCOMPARE(okdTest::linesOf(lines, u"2304"_s), QStringList{u"2304\\Університет"_s});
        QCOMPARE(okdTest::linesOf(lines, u"3330"_s), QStringList{u"3330\\Інститут"_s});
    }

    // A recovery copy holds what the views show although no field was left; the card
    // itself saves the private state only.
    void snapshotKeepsTheViews()
    {
        auto m = okdTest::card.fresh();
        m->showSlot(2);
        m->setText(u"mmNaz"_s, u"Інститут"_s);
        m->setText(u"ed6156f1"_s, u"Коваленко"_s);
        m->setText(u"mm9045"_s, u"Назва"_s);
        const QStringList snapshot = okdTest::card.kind().snapshotLines(*m);
        QCOMPARE(okdTest::linesOf(snapshot, u"3330"_s), QStringList{u"3330\\Інститут"_s});
        QVERIFY(okdTest::linesOf(snapshot, u"6156"_s).value(0).startsWith(u"6156\\1\\1\\Коваленко\\"_s));
        QCOMPARE(okdTest::linesOf(snapshot, u"9045"_s).value(0), u"9045\\1\\Назва"_s);
        QCOMPARE(okdTest::linesOf(okdTest::card.lines(*m), u"3330"_s), QStringList{u"3330\\"_s});
    }

    void languageViews()
    {
        auto m = okdTest::card.fresh();
        m->setText(u"ed6147"_s, u"Петренко"_s);
        m->keepText(OkdText::ApplicantName);
        m->selectLanguage(OkdText::ApplicantName, TextLanguage::English);
        QCOMPARE(m->text(u"ed6147"_s), QString());
        m->setText(u"ed6147"_s, u"Petrenko"_s);
        m->keepText(OkdText::ApplicantName);
        QCOMPARE(okdTest::linesOf(okdTest::card.lines(*m), u"6147"_s),
                 (QStringList{u"6147\\1\\Петренко"_s, u"6147\\3\\Petrenko"_s}));

        // The title and the abstract follow one group.
        m->texts().setText(OkdText::ThesisAbstract, TextLanguage::English, u"Abstract"_s);
        m->selectLanguage(OkdText::ThesisTitle, TextLanguage::English);
        QCOMPARE(m->text(u"mm9118"_s), u"Abstract"_s);

        m->setText(u"ed6156f2"_s, u"Сидоренко"_s);
        m->keepSupervisor(2);
        m->selectSupervisorLanguage(TextLanguage::English);
        m->setText(u"ed6156f2"_s, u"Sydorenko"_s);
        m->keepSupervisor(2);
        QCOMPARE(m->supervisorName(2, TextLanguage::Ukrainian), u"Сидоренко"_s);
        QCOMPARE(m->supervisorName(2, TextLanguage::English), u"Sydorenko"_s);
        m->selectSupervisorLanguage(TextLanguage::Ukrainian);
        QCOMPARE(m->text(u"ed6156f2"_s), u"Сидоренко"_s);
    }
};

ZORVAT_TEST(OkdModelTest)
#include "okd_model_test.moc"
