#pragma once

#include "fields/card_model.h"
#include "fields/edit_mask.h"
#include "fields/field_table.h"

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
        const QStringList persons{QStringLiteral("Юридична особа"), QStringLiteral("Фізична особа")};
        QList<FieldInfo> fields;
        fields << masked(QStringLiteral("ed5418D"), QStringLiteral("99.99.99;1;"));
        fields << masked(QStringLiteral("ed7353"), QStringLiteral("99.99;1;_"));
        fields << masked(QStringLiteral("ed5436"), QStringLiteral("9999U999999l;1;_"));
        fields << combo(QStringLiteral("lizv"), persons, persons.at(0));
        fields << masked(QStringLiteral("ed2457"), QStringLiteral("99999999;1;_"));
        fields << edit(QStringLiteral("Edit1"), QStringLiteral("1"));
        fields << combo(QStringLiteral("lizz"), persons, persons.at(0));
        fields << masked(QStringLiteral("ed2458"), QStringLiteral("99999999;1;_"));
        fields << edit(QStringLiteral("gorz"));
        FieldInfo name = edit(QStringLiteral("mm2152"));
        name.kind = FieldKind::Memo;
        name.noEnter = true;
        name.marks = true;
        fields << name;
        fields << edit(QStringLiteral("cpn"), QStringLiteral("1"));
        fields << combo(QStringLiteral("lizsv"), persons, persons.at(0));
        fields << masked(QStringLiteral("cpk"), QStringLiteral("99999999;1;_"));
        FieldInfo direction = combo(QStringLiteral("cb7201"),
                                    {QStringLiteral("2.1"), QStringLiteral("2.2"), QStringLiteral("2.7"), QString()});
        direction.cleared = QString();
        fields << direction;
        fields << combo(QStringLiteral("ed5256"), {QStringLiteral("5"), QStringLiteral("1")}, QStringLiteral("5"));
        FieldInfo language;
        language.name = QStringLiteral("Indjz");
        language.kind = FieldKind::Radio;
        language.items = {QStringLiteral("українська "), QStringLiteral("англійська")};
        language.columns = 3;
        language.defaultValue = QStringLiteral("0");
        fields << language;
        FieldInfo check;
        check.name = QStringLiteral("cb6642");
        check.kind = FieldKind::Check;
        check.label = QStringLiteral("Прапорець");
        check.defaultValue = QStringLiteral("1");
        fields << check;
        FieldInfo spin;
        spin.name = QStringLiteral("sp5526");
        spin.kind = FieldKind::Spin;
        spin.minimum = 1;
        spin.maximum = 15;
        spin.defaultValue = QStringLiteral("3");
        fields << spin;
        FieldInfo year = edit(QStringLiteral("edgod1"), QStringLiteral("20--"));
        year.cleared = QStringLiteral("200-");
        year.maxLength = 4;
        year.hint = QStringLiteral("Рік");
        fields << year;
        fields << edit(QStringLiteral("ed9036n"), QStringLiteral("1"));
        fields << masked(QStringLiteral("ed9036p"), QStringLiteral("99.99;1;_"));
        FieldInfo stage = edit(QStringLiteral("mm9036"));
        stage.kind = FieldKind::Memo;
        fields << stage;
        return FieldTable({QStringLiteral("Сторінка")}, fields);
    }();
    return table;
}
