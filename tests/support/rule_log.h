#pragma once

#include "fields/card_model.h"
#include "fields/rule_context.h"
#include "support/card_steps.h"

#include <QString>
#include <QStringList>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The lines a RecordingRuleContext logs, for the expected logs of the rule tables.
namespace ruleLog {

inline QString msg(const QString &text)
{
    return u"message: "_s + text;
}

inline QString to(const QString &field)
{
    return u"focusTo: "_s + field;
}

inline const QString back = u"focusBack"_s;

// The log of leaving `field` with a card's rules, after the "name=value" setup.
template<class Rules, class Model>
QStringList exitLog(Model &model, const QStringList &setup, const QString &field)
{
    cardSteps::apply(model, setup);
    Rules rules(model);
    RecordingRuleContext ctx;
    rules.exitRule(field, ctx);
    return ctx.log();
}

// The columns of a table of exit rules: the field left, the "name=value" setup and the
// log expected.
inline void addExitColumns()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("log");
}

// One row of such a table, left on `model`.
template<class Rules, class Model>
void checkExitRow(Model &model)
{
    QFETCH(QString, field);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, log);
    QCOMPARE(exitLog<Rules>(model, setup, field), log);
}

} // namespace ruleLog
