#pragma once

#include "fields/card_model.h"
#include "fields/edit_mask.h"
#include "fields/field_table.h"

using namespace Qt::Literals::StringLiterals;

// A small card for the field tests: one field of every kind the rules touch, named
// as the RK card names them.
inline const FieldTable &testTable()
{
    static const FieldTable table = [] {
        const auto masked = [](const QString &name, const QString &mask) {
            FieldInfo f;
            f.name = name;
            f.kind = FieldKind::Masked;
            f.mask = mask;
            f.defaultValue = EditMask(mask).emptyText();
            f.marks = true;
            return f;
        };
        const auto edit = [](const QString &name, const QString &value = {}) {
            FieldInfo f;
            f.name = name;
            f.defaultValue = value;
            return f;
        };
        const auto combo = [](const QString &name, const QStringList &items, const QString &value = {}) {
            FieldInfo f;
            f.name = name;
            f.kind = FieldKind::Combo;
            f.items = items;
            f.defaultValue = value;
            return f;
        };
        const QStringList persons{u"Юридична особа"_s, u"Фізична особа"_s};
        QList<FieldInfo> fields;
        fields << masked(u"ed5418D"_s, u"99.99.99;1;"_s);
        fields << masked(u"ed7353"_s, u"99.99;1;_"_s);
        fields << masked(u"ed5436"_s, u"9999U999999l;1;_"_s);
        fields << combo(u"lizv"_s, persons, persons.at(0));
        fields << masked(u"ed2457"_s, u"99999999;1;_"_s);
        fields << edit(u"Edit1"_s, u"1"_s);
        fields << combo(u"lizz"_s, persons, persons.at(0));
        fields << masked(u"ed2458"_s, u"99999999;1;_"_s);
        fields << edit(u"gorz"_s);
        FieldInfo name = edit(u"mm2152"_s);
        name.kind = FieldKind::Memo;
        name.noEnter = true;
        name.marks = true;
        fields << name;
        fields << edit(u"cpn"_s, u"1"_s);
        fields << combo(u"lizsv"_s, persons, persons.at(0));
        fields << masked(u"cpk"_s, u"99999999;1;_"_s);
        FieldInfo direction = combo(u"cb7201"_s,
                                    {u"2.1"_s, u"2.2"_s, u"2.7"_s, QString()});
        direction.cleared = QString();
        fields << direction;
        fields << combo(u"ed5256"_s, {u"5"_s, u"1"_s}, u"5"_s);
        FieldInfo language;
        language.name = u"Indjz"_s;
        language.kind = FieldKind::Radio;
        language.items = {u"українська "_s, u"англійська"_s};
        language.columns = 3;
        language.defaultValue = u"0"_s;
        fields << language;
        FieldInfo check;
        check.name = u"cb6642"_s;
        check.kind = FieldKind::Check;
        check.label = u"Прапорець"_s;
        check.defaultValue = u"1"_s;
        fields << check;
        FieldInfo spin;
        spin.name = u"sp5526"_s;
        spin.kind = FieldKind::Spin;
        spin.minimum = 1;
        spin.maximum = 15;
        spin.defaultValue = u"3"_s;
        fields << spin;
        FieldInfo year = edit(u"edgod1"_s, u"20--"_s);
        year.cleared = u"200-"_s;
        year.maxLength = 4;
        year.hint = u"Рік"_s;
        fields << year;
        fields << edit(u"ed9036n"_s, u"1"_s);
        fields << masked(u"ed9036p"_s, u"99.99;1;_"_s);
        FieldInfo stage = edit(u"mm9036"_s);
        stage.kind = FieldKind::Memo;
        fields << stage;
        return FieldTable({u"Сторінка"_s}, fields);
    }();
    return table;
}
