#include "cli/card_json.h"

#include "fields/card_kind.h"
#include "fields/card_model.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

QByteArray cardJson(const CardKind &kind, const CardModel &model)
{
    QJsonObject fields;
    for (const FieldInfo &f : kind.fields().fields())
        fields.insert(f.name, model.text(f.name));

    QJsonObject texts;
    for (const BilingualText &t : kind.bilingualTexts(model))
        texts.insert(t.code, QJsonObject{{u"uk"_s, t.uk}, {u"en"_s, t.en}});

    QJsonObject lists;
    for (const RecordList &l : kind.recordLists(model))
        lists.insert(l.name, QJsonArray::fromStringList(l.records));

    const QJsonObject card{{u"type"_s, kind.id()},
                           {u"fields"_s, fields},
                           {u"texts"_s, texts},
                           {u"lists"_s, lists}};
    return QJsonDocument(card).toJson(QJsonDocument::Indented);
}
