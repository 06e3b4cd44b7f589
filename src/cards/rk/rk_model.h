#pragma once

#include "fields/card_model.h"
#include "fields/entry_list.h"
#include "fields/field_rules.h"

#include <QString>

// The three texts kept in two languages: executor name (2151), work title (9027) and
// head of the work (6120).
enum class RkText { ExecutorName, WorkTitle, WorkHead };
enum class RkLanguage { Ukrainian, English };

// Parties whose code field follows a person kind selector.
enum class RkParty { Executor, Customer, CoExecutor };

// The label texts a party's code field gets: when a card line is read, when the user
// leaves the person kind selector, and when an entry of a list is shown.
enum class RkLabelSet { Read, Select, Show };

enum class RkList { Customers, CoExecutors, Stages };

// Repeated single-line codes counted while a file is read.
enum class RkCounter { Financing, Rubric };

// How a party's code field stands now.
struct RkPartyCode
{
    QString mask;
    QString label;
    bool blue = false; // natural person; the window text colour otherwise
    QString letter;    // "ю" legal person, "ф" natural person
};

// Position of a person kind selector's text in its list: 1 legal, 2 natural, 0 for a
// typed text that is neither.
int rkPersonKind(const QString &selectorText);

// The RK card: its fields plus the two-language texts, the customer, co-executor and
// stage lists with their current numbers, the kind letters of the three parties and
// the visibility of the "other" fields. Code masks and their labels are kept by
// CardModel (mask(), label()).
class RkModel : public CardModel
{
public:
    explicit RkModel(const FieldTable &table);
    std::unique_ptr<CardModel> clone() const override;

    // Everything kept beside the fields back to the state of a new card: lists,
    // two-language texts, current numbers, counters, party code fields (legal person).
    void clearState();

    QString bilingual(RkText which, RkLanguage language) const;
    void setBilingual(RkText which, RkLanguage language, const QString &text);
    static QString bilingualField(RkText which);  // "mm2151", "mm9027", "ed6120"
    static QString languageField(RkText which);   // "Indjz", "Indjzr", "indjzk"
    // The field shows its Ukrainian text and the language group its first entry.
    void showUkrainian(RkText which);

    static QString codeField(RkParty party);     // "ed2457", "ed2458", "cpk"
    static QString selectorField(RkParty party); // "lizv", "lizz", "lizsv"
    // The selector, code field, label and label texts of a party for the shared
    // person kind rules.
    static fieldRules::PersonKindSpec personKindSpec(RkParty party, RkLabelSet labels);
    RkPartyCode partyCode(RkParty party) const;
    // The kind letter the party's code rule uses; the selector rule updates it.
    QString &kindLetter(RkParty party) { return m_letters[int(party)]; }
    // Mask, label, colour and kind letter for a legal or natural person.
    void setPartyKind(RkParty party, bool natural, RkLabelSet labels);

    // Sets a field as a card file gives it: a masked field's value is fitted to its mask.
    void setFitted(const QString &field, const QString &value);
    // Empty for the "only if not empty" rules: no text, or only blanks in a masked
    // field without literals.
    bool isEmptyValue(const QString &field) const;
    // A selection box takes its entry `index` (from 0); no text for an index outside the list.
    void selectEntry(const QString &field, int index);

    // Shown only when a card names another financing direction or another result.
    bool otherDirectionVisible() const { return m_otherDirectionVisible; }
    void setOtherDirectionVisible(bool visible) { m_otherDirectionVisible = visible; }
    bool otherResultVisible() const { return m_otherResultVisible; }
    void setOtherResultVisible(bool visible) { m_otherResultVisible = visible; }

    // Record lists. Slots count from 1 up to capacity() (one more than the entry rules
    // let the user number). A file form starts with its slot number, then (customers,
    // co-executors) the kind digit; the display form has the selector's text in place
    // of the digit. Stages have one form.
    static int capacity(RkList list);
    static EntryListSpec entryListSpec(RkList list);
    const EntryList &entries(RkList list) const { return m_lists[int(list)]; }
    QString record(RkList list, int n) const;
    QString displayRecord(RkList list, int n) const;
    // Ignored for a slot outside the list.
    void setRecord(RkList list, int n, const QString &fileForm, const QString &displayForm);
    // Slots filled from 1 up to the first empty one.
    int recordCount(RkList list) const;
    int currentNumber(RkList list) const { return m_current[int(list)]; }
    void setCurrentNumber(RkList list, int n) { m_current[int(list)] = n; }
    // The number in the list's number field, 0 when it names no slot.
    int shownNumber(RkList list) const;

    // Slot n gets the entry the fields show, with the selector's kind digit unless
    // `kindDigit` is given.
    void storeFields(RkList list, int n, const QString &kindDigit = {});
    // The store rules, run before an entry is left and before a save: the entry shown
    // goes into the slot of its number when it has a name. A customer or co-executor
    // whose name, code and address are all empty is removed; the later entries close
    // up and the fields show the entry that now holds the number. False when nothing
    // was stored or removed.
    bool storeCustomer();
    bool storeCoExecutor(bool whateverName = false);
    bool storeStage();
    // Puts entry n into the fields: emptied, then filled from its slot if it holds one.
    void showEntry(RkList list, int n);
    // Removes entry n; each later entry moves up one slot and gets its new number.
    void removeEntry(RkList list, int n);

    // Repeat counters of a read: the new count.
    int countLine(RkCounter counter) { return ++m_counters[int(counter)]; }
    void resetCounters() { m_counters[0] = m_counters[1] = 0; }

private:
    bool removeIfBlank(RkList list, int n, const QString &name);

    QString m_texts[3][2];
    QString m_letters[3];
    EntryList m_lists[3];
    int m_current[3] = {1, 1, 1};
    int m_counters[2] = {0, 0};
    bool m_otherDirectionVisible = false;
    bool m_otherResultVisible = false;
};
