#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

enum class FieldKind { Edit, Memo, Masked, Combo, Check, Radio, Spin };

// One input field of a card, as the editor builds it and as the card file, clearModel
// and the headless companion see it. Texts are the system's own, exactly.
struct FieldInfo
{
    QString name;          // component name, also the widget's objectName: "ed5418D"
    FieldKind kind = FieldKind::Edit;
    QString code;          // field code of the card line, may be empty
    QString mask;          // edit mask of a masked field: "99.99.99;1;_"
    int maxLength = 0;     // 0: no limit
    QStringList items;     // combo entries or radio buttons
    QString defaultValue;  // text at creation (radio/spin: the number as text)
    QString label;         // label text; '\n' separates its lines
    QString hint;          // tooltip; '\n' separates its lines
    int page = 0;          // tab page, from 0
    bool marks = false;    // a key released here marks the card modified
    QString spoken;        // what a screen reader calls it, where its label alone says too little
    bool view = false;     // only chooses what other fields show (a language): not kept in the card
    std::optional<QString> cleared; // text after clearModel where it is not the kind's own empty value
    bool noEnter = false;  // memo that takes no Enter key
    bool vScroll = false;  // memo with a vertical scroll bar
    int columns = 0;       // radio group columns
    int minimum = 0;       // spin range
    int maximum = 0;
};

class FieldTable
{
public:
    FieldTable() = default;
    FieldTable(QStringList pages, QList<FieldInfo> fields);

    const QStringList &pages() const { return m_pages; }
    const QList<FieldInfo> &fields() const { return m_fields; }
    const FieldInfo *find(const QString &name) const;

private:
    QStringList m_pages;
    QList<FieldInfo> m_fields;
    QHash<QString, qsizetype> m_index; // position in m_fields by component name
};
