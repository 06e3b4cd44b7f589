#include "fields/card_problems.h"

#include "cardfile/card_item.h"
#include "cardfile/card_reader.h"
#include "cardfile/card_writer.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "fields/list_rules.h"
#include "fields/rule_context.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The card as a save would write it and an open would read it back: the entries shown
// are stored, the texts sit in their languages, nothing of the editor's state is left.
std::unique_ptr<CardModel> savedForm(const CardKind &kind, const CardModel &model)
{
    std::unique_ptr<CardModel> copy = model.clone();
    if (!copy)
        return nullptr;
    if (auto rules = kind.createRules(*copy))
        rules->commit();
    const QStringList lines = kind.fileLines(*copy);
    auto read = kind.createModel();
    kind.clearModel(*read);
    auto interpreter = kind.interpreter(*read);
    readCardBytes(cardFileBytes(lines), *interpreter, QString(), NumberErrors::Note);
    kind.afterRead(*read);
    return read;
}

// Fields in the order of the card's table, so that problems read like the card.
QStringList inTableOrder(const CardKind &kind, const QStringList &fields)
{
    const QSet<QString> wanted(fields.cbegin(), fields.cend());
    QStringList out;
    for (const FieldInfo &info : kind.fields().fields()) {
        if (wanted.contains(info.name))
            out << info.name;
    }
    for (const QString &field : fields) { // rules may guard fields outside the table
        if (!out.contains(field))
            out << field;
    }
    return out;
}

void addProblems(QList<CardProblem> &problems, const CardKind &kind, const CardRules::CheckScope &scope,
                 const QString &ruleField, const RecordingRuleContext &ctx, bool passed)
{
    const QString target = ctx.focusTarget().isEmpty() ? ruleField : ctx.focusTarget();
    QStringList messages = ctx.messages();
    if (messages.isEmpty() && !passed)
        messages << cardProblems::silentRefusal();
    // A line the scope names for the field itself (an organisation slot's) comes first,
    // then the field's own code, then the line of the scope's entry.
    const QString ownLine = scope.lineCodes.value(target, scope.lineCodes.value(ruleField));
    const FieldInfo *info = kind.fields().find(target);
    const QString fieldCode = info ? info->code : QString();
    const QString code = !ownLine.isEmpty() ? ownLine : !fieldCode.isEmpty() ? fieldCode : scope.lineCode;
    const QString lineCode = !ownLine.isEmpty() ? ownLine : scope.lineCode;
    for (const QString &message : messages) {
        CardProblem p;
        p.field = target;
        p.ruleField = ruleField;
        p.list = scope.list;
        p.entry = scope.entry;
        p.entryTitle = scope.title;
        p.code = code;
        p.lineCode = lineCode;
        p.lineByNumber = scope.lineByNumber && ownLine.isEmpty() && scope.entry > 0;
        p.message = message.simplified();
        p.blocking = !passed;
        // One problem once, whichever rule found it (a field's own rule and the save check).
        const bool known = std::any_of(problems.cbegin(), problems.cend(), [&p](const CardProblem &q) {
            return q.field == p.field && q.list == p.list && q.entry == p.entry && q.message == p.message;
        });
        if (!known)
            problems << p;
    }
}

} // namespace

namespace cardProblems {

QString silentRefusal()
{
    return u"Значення немає серед пунктів списку: виберіть один із них"_s;
}

QList<CardProblem> check(const CardKind &kind, const CardModel &model)
{
    QList<CardProblem> problems;
    const std::unique_ptr<CardModel> saved = savedForm(kind, model);
    if (!saved)
        return problems;
    const auto planner = kind.createRules(*saved);
    if (!planner)
        return problems;
    planner->cardReplaced();
    const QList<CardRules::CheckScope> scopes = planner->checkScopes();
    for (const CardRules::CheckScope &scope : scopes) {
        for (const QString &field : inTableOrder(kind, scope.fields)) {
            // Each rule on a copy of its own: a rule that empties its field or moves
            // the card on must not decide what the next rule sees.
            const std::unique_ptr<CardModel> copy = saved->clone();
            const auto rules = kind.createRules(*copy);
            rules->cardReplaced();
            rules->showScope(scope);
            if (!rules->inUse(field))
                continue;
            RecordingRuleContext ctx;
            const bool passed = rules->exitRule(field, ctx);
            addProblems(problems, kind, scope, field, ctx, passed);
        }
    }
    const std::unique_ptr<CardModel> copy = saved->clone();
    const auto rules = kind.createRules(*copy);
    rules->cardReplaced();
    RecordingRuleContext ctx;
    const bool passed = rules->beforeSave(ctx);
    addProblems(problems, kind, CardRules::CheckScope{}, QString(), ctx, passed);
    return problems;
}

QList<CardRules::CheckScope> listScopes(ListHolder &holder, const QStringList &exitFields,
                                        const QList<ListScopeRow> &rows)
{
    QSet<QString> listed;
    QList<CardRules::CheckScope> entries;
    for (const ListScopeRow &row : rows) {
        const EntryListSettings settings = holder.listSettings(row.list);
        QSet<QString> own(settings.itemFields.cbegin(), settings.itemFields.cend());
        if (settings.kind)
            own << settings.kind->selector << settings.kind->codeField;
        listed += own;
        listed << settings.numberField;
        QStringList fields;
        for (const QString &field : exitFields) {
            if (own.contains(field))
                fields << field;
        }
        const EntryList &list = holder.listEntries(row.list);
        for (int n = 1; n <= list.last(); ++n) {
            if (list.holds(n))
                entries << CardRules::CheckScope{row.list, n, u"%1 %2"_s.arg(row.entryName).arg(n),
                                                 row.lineCode, true, fields};
        }
    }
    QStringList own;
    for (const QString &field : exitFields) {
        if (!listed.contains(field))
            own << field;
    }
    return QList<CardRules::CheckScope>{{-1, 0, {}, {}, true, own}} + entries;
}

void showListScope(ListHolder &holder, const CardRules::CheckScope &scope)
{
    if (scope.list < 0 || scope.entry < 1)
        return;
    holder.storeListEntry(scope.list);
    holder.showListEntry(scope.list, scope.entry);
}

void financingLines(CardRules::CheckScope &scope, const CardModel &model, const QList<QStringList> &rows,
                    const QStringList &sources)
{
    for (const QStringList &row : rows) {
        const QString source = model.text(row.constFirst());
        if (!sources.contains(source))
            continue;
        for (const QString &field : row.mid(1))
            scope.lineCodes.insert(field, source);
    }
}

int lineOf(const CardProblem &problem, const QStringList &lines)
{
    const auto find = [&lines](const QString &code, int number) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = trimLine(lines.at(i));
            if (line.indexOf(QLatin1Char('\\')) != 4 || lineCode(line) != code)
                continue;
            if (number > 0 && item(line, 2).trimmed() != QString::number(number))
                continue;
            return int(i + 1);
        }
        return 0;
    };
    if (!problem.lineCode.isEmpty()) {
        if (const int line = find(problem.lineCode, problem.lineByNumber ? problem.entry : 0))
            return line;
    }
    return problem.code.isEmpty() ? 0 : find(problem.code, 0);
}

} // namespace cardProblems
