#include "orgs/org_group.h"

#include "cardfile/card_reader.h"
#include "fields/card_model.h"
#include "fields/common_texts.h"
#include "fields/list_rules.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QStringList OrgGroup::fields() const
{
    QStringList names;
    for (const QString &f : {code, fullName, shortName, city, address, phone, email, subordination}) {
        if (!f.isEmpty())
            names << f;
    }
    return names;
}

QStringList OrgGroup::nameFields() const
{
    QStringList names;
    for (const QString &f : {fullName, shortName}) {
        if (!f.isEmpty())
            names << f;
    }
    return names;
}

void setListEntries(OrgGroup &group, int list)
{
    group.entries = [list](CardModel &model) {
        QList<int> numbers;
        if (auto *holder = dynamic_cast<ListHolder *>(&model)) {
            for (int n = 1; n <= holder->recordLists().count(list); ++n)
                numbers << n;
        }
        return numbers;
    };
    group.show = [list](CardModel &model, int n) {
        if (auto *holder = dynamic_cast<ListHolder *>(&model))
            holder->showListEntry(list, n);
    };
}

namespace orgGroups {

namespace {

// The value a field holds, without the blanks of an empty mask.
QString value(const CardModel &model, const QString &field)
{
    if (field.isEmpty() || !model.has(field) || model.isEmptyValue(field))
        return {};
    return model.text(field).trimmed();
}

QString codeOf(const CardModel &model, const QString &field)
{
    QString code = value(model, field);
    code.remove(u'_');
    code.remove(u' ');
    return code;
}

bool ukrainianShown(const OrgGroup &group, const CardModel &model)
{
    return group.languageField.isEmpty() || model.text(group.languageField) == u"0"_s
           || model.text(group.languageField).isEmpty();
}

} // namespace

QString kindOf(const OrgGroup &group, const CardModel &model)
{
    if (group.kindOf)
        return group.kindOf(model);
    if (group.selector.isEmpty())
        return u"1"_s;
    return model.text(group.selector) == commonTexts::personKinds().at(1) ? u"2"_s : u"1"_s;
}

Organisation read(const OrgGroup &group, const CardModel &model)
{
    Organisation o;
    o.kind = kindOf(group, model);
    o.code = codeOf(model, group.code);
    if (ukrainianShown(group, model))
        o.fullName = value(model, group.fullName);
    o.shortName = value(model, group.shortName);
    o.city = value(model, group.city);
    o.address = value(model, group.address);
    o.phone = value(model, group.phone);
    o.email = value(model, group.email);
    o.subordination = value(model, group.subordination);
    return o;
}

QStringList fill(const OrgGroup &group, CardModel &model, const Organisation &org)
{
    const QString kind = kindOf(group, model);
    if (kind.isEmpty())
        return {};
    const std::pair<const QString *, const QString *> pairs[] = {
        {&group.code, kind == org.kind ? &org.code : nullptr},
        {&group.fullName, ukrainianShown(group, model) ? &org.fullName : nullptr},
        {&group.shortName, &org.shortName},
        {&group.city, &org.city},
        {&group.address, &org.address},
        {&group.phone, &org.phone},
        {&group.email, &org.email},
        {&group.subordination, &org.subordination},
    };
    QStringList filled;
    for (const auto &[field, text] : pairs) {
        if (field->isEmpty() || !text || text->isEmpty() || !model.has(*field))
            continue;
        // What the clerk typed stays; only a field holding nothing is filled.
        if (!model.isEmptyValue(*field) && !model.text(*field).trimmed().isEmpty())
            continue;
        if (*field == group.code && !codeOf(model, *field).isEmpty())
            continue;
        model.setFitted(*field, *text);
        filled << *field;
    }
    return filled;
}

QList<Organisation> collect(CardType type, CardModel &model)
{
    QList<Organisation> orgs;
    const auto take = [&orgs](const Organisation &o) {
        if (o.hasValidCode() && !o.isBare())
            orgs << o;
    };
    for (const OrgGroup &group : orgGroupsOf(type)) {
        if (!group.entries) {
            take(read(group, model));
            continue;
        }
        for (int n : group.entries(model)) {
            group.show(model, n);
            take(read(group, model));
        }
    }
    return orgs;
}

bool collectFromFile(const CardKind &kind, const QString &path, QList<Organisation> *orgs, QString *error)
{
    std::unique_ptr<CardModel> model = kind.createModel();
    kind.clearModel(*model);
    auto interpreter = kind.interpreter(*model);
    const ReadResult result = readCardFile(path, *interpreter);
    if (result.status == ReadResult::Status::IoError) {
        *error = result.message;
        return false;
    }
    if (!result.notACard.isEmpty()) {
        *error = notACardMessage(QFileInfo(path).fileName(), result.notACard);
        return false;
    }
    kind.afterRead(*model);
    const QFileInfo info(path);
    for (Organisation o : collect(kind.type(), *model)) {
        o.savedAt = info.lastModified();
        o.source = info.absoluteFilePath();
        *orgs << o;
    }
    return true;
}

} // namespace orgGroups
