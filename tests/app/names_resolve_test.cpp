#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "fields/card_document.h"
#include "fields/card_rules.h"
#include "widgets/field_factory.h"
#include "support/test_registry.h"

#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

// Every name a card's rules wire to its window (exit and enter rules, trimming keys,
// buttons, clicks, marks) is a widget of that window, and every field of its table has
// a widget: a name mistyped in a table would otherwise drop its rule without a word.
class NamesResolveTest : public QObject
{
    Q_OBJECT
private slots:
    void everyNameResolves_data()
    {
        QTest::addColumn<CardType>("card");
        for (const CardType type : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD})
            QTest::newRow(qPrintable(cardKind(type).id())) << type;
    }
    void everyNameResolves()
    {
        QFETCH(CardType, card);
        std::unique_ptr<CardEditor> editor(createCardEditor(card, nullptr));
        const CardKind &kind = editor->kind();
        std::unique_ptr<CardRules> rules = kind.createRules(editor->document().model());
        QVERIFY(rules);
        const CardRules::Fields fields = rules->fields();
        QStringList missing;
        const auto need = [&](const QString &group, const QStringList &names) {
            for (const QString &name : names) {
                if (!editor->findChild<QWidget *>(name))
                    missing << group + u": "_s + name;
            }
        };
        need(u"exit"_s, fields.exit);
        need(u"enter"_s, fields.enter);
        need(u"trim on press"_s, fields.trimOnPress);
        need(u"trim on release"_s, fields.trimOnRelease);
        need(u"buttons"_s, fields.buttons);
        need(u"click marks"_s, fields.clickMarks);
        need(u"clicks"_s, fields.clicks);
        for (const FieldInfo &info : kind.fields().fields()) {
            if (!editor->binder().widget(info.name))
                missing << u"table: "_s + info.name;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }
};

ZORVAT_TEST(NamesResolveTest)
#include "names_resolve_test.moc"
