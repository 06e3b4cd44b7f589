#pragma once

#include "fields/entry_list.h"
#include "fields/record_lists.h"

#include <QList>
#include <QString>

class CardModel;
class RuleContext;

// A card model's record lists as the list rules use them, by list index. The card
// gives its lists, their settings and its store rules; showing and removing entries
// are the same for every card.
class ListHolder
{
public:
    virtual ~ListHolder() = default;

    virtual CardModel &listModel() = 0;
    virtual RecordLists &recordLists() = 0;
    virtual EntryListSettings listSettings(int list) const = 0;
    // The kind letter that follows the entry shown ("ю"/"ф"), nullptr for none.
    virtual QString *listLetter(int) { return nullptr; }
    // The card's store rule for the entry shown; false when nothing changed.
    virtual bool storeListEntry(int list) = 0;

    const EntryList &listEntries(int list) { return recordLists().entries(list); }
    // The number of the entry the list shows, and the number in its number field (0
    // when that names no slot).
    int listCurrent(int list) { return recordLists().currentNumber(list); }
    int listShown(int list);
    // Entry n into the fields (empty fields for an empty slot), with its kind.
    void showListEntry(int list, int n);
    // Entry n leaves the list; the later ones move up and take their new numbers.
    void removeListEntry(int list, int n) { recordLists().remove(list, n); }
};

// How the entry rules treat one record list of a card.
struct ListRuleSettings
{
    EntryListSettings info;
    // The highest number the clerk may type into the number field, beside the bound.
    enum class Ceiling {
        AnchorNext, // one above the entry shown on entering the field, and the first free slot
        Current,    // the entry shown
        FirstFree,  // the first empty slot
    };
    Ceiling ceiling = Ceiling::Current;
    // A number field left empty with nothing to delete shows entry 1 (else the entry shown).
    bool emptyMeansFirst = false;
    QString boundsFocus;     // a number typed beyond the bound sends the focus here ("" stays)
    QString nextBoundsFocus; // "next" at the bound sends the focus here
    QString nextFocus;       // after "next"
    QString previousFocus;   // after "previous" ("" leaves the focus on the button)
    QString nextButton;      // component names of the list's buttons
    QString previousButton;
    // A number typed beyond the bound shows this ("" for the bounds message of "next").
    QString typedBoundsMessage;
};

// The rules of the record lists every card shares: entering and leaving a list's
// number field (bounds, sequence, deletion of the entry whose number was removed),
// "next" and "previous". The lists stay filled from slot 1 without gaps and every
// record keeps its own number, whatever its number of digits.
class ListRules
{
public:
    ListRules(ListHolder &holder, QList<ListRuleSettings> settingsList);

    const ListRuleSettings &settings(int list) const { return m_settings.at(list); }
    // The list whose number field (or button) this is; -1 for none.
    int listOfNumberField(const QString &field) const;

    // Entering the number field: the entry shown is stored under its number before
    // that number is changed, and its number is remembered for a deletion.
    void enterNumber(int list);
    // Leaving the number field.
    bool leaveNumber(int list, RuleContext &ctx);
    // "Next" (delta 1) and "previous" (delta -1): store, then the neighbouring entry.
    void step(int list, int delta, RuleContext &ctx);
    // A list button by its component name; false for another button.
    bool click(const QString &button, RuleContext &ctx);
    // The list buttons, for wiring.
    QStringList buttons() const;
    bool store(int list) { return m_holder.storeListEntry(list); }

private:
    // Removes the remembered entry when its slot holds one; then the last entry left
    // is shown, or entry 1 with empty fields.
    bool removeRemembered(int list, int remembered);

    ListHolder &m_holder;
    QList<ListRuleSettings> m_settings;
    QList<int> m_remembered; // 0: none
};
