#include "cli/card_json.h"

#include "fields/card_kind.h"
#include "fields/card_model.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray cardJson(const CardKind &kind, const CardModel &model)
{
    QJsonObject fields;
    for (const FieldInfo &f : kind.fields().fields())
        fields.insert(f.name, model.text(f.name));

    QJsonObject texts;
    for (const BilingualText &t : kind.bilingualTexts(model))
        texts.insert(t.code, QJsonObject{{QStringLiteral("uk"), t.uk}, {QStringLiteral("en"), t.en}});

    QJsonObject lists;
    for (const RecordList &l : kind.recordLists(model))
        lists.insert(l.name, QJsonArray::fromStringList(l.records));

    const QJsonObject card{{QStringLiteral("type"), kind.id()},
                           {QStringLiteral("fields"), fields},
                           {QStringLiteral("texts"), texts},
                           {QStringLiteral("lists"), lists}};
    return QJsonDocument(card).toJson(QJsonDocument::Indented);
}
