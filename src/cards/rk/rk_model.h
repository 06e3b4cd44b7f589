#pragma once

#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/list_rules.h"
#include "fields/entry_list.h"
#include "fields/field_rules.h"
#include "fields/party_codes.h"
#include "fields/record_lists.h"

#include <QString>

// The three texts kept in two languages: executor name (2151), work title (9027) and
// head of the work (6120).
enum class RkText { ExecutorName, WorkTitle, WorkHead };
using RkLanguage = TextLanguage;

// Parties whose code field follows a person kind selector.
enum class RkParty { Executor, Customer, CoExecutor };

using RkLabelSet = PartyLabels;

enum class RkList { Customers, CoExecutors, Stages };

// Repeated single-line codes counted while a file is read.
enum class RkCounter { Financing, Rubric };

using RkPartyCode = PartyCode;

// Position of a person kind selector's text in its list: 1 legal, 2 natural, 0 for a
// typed text that is neither.
int rkPersonKind(const QString &selectorText);

// The RK card: its fields plus the two-language texts, the customer, co-executor and
// stage lists with their current numbers, the kind letters of the three parties and
// the visibility of the "other" fields. Code masks and their labels are kept by
// CardModel (mask(), label()).
class RkModel : public CardModel, public ListHolder
{
public:
    explicit RkModel(const FieldTable &table);
    std::unique_ptr<CardModel> clone() const override;
    QList<BilingualTexts *> languageTexts() override { return {&m_texts}; }

    // Everything kept beside the fields back to the state of a new card: lists,
    // two-language texts, current numbers, counters, party code fields (legal person).
    void clearState();

    BilingualTexts &texts() { return m_texts; }
    const BilingualTexts &texts() const { return m_texts; }
    QString bilingual(RkText which, RkLanguage language) const { return m_texts.text(int(which), language); }
    void setBilingual(RkText which, RkLanguage language, const QString &text)
    {
        m_texts.setText(int(which), language, text);
    }
    void readBilingual(RkText which, const QString &line) { m_texts.readLine(int(which), line); }
    static QString bilingualField(RkText which);  // "mm2151", "mm9027", "ed6120"
    static QString languageField(RkText which);   // "Indjz", "Indjzr", "indjzk"
    // The field shows its Ukrainian text and the language group its first entry.
    void showUkrainian(RkText which) { m_texts.showUkrainian(*this, int(which)); }

    static QString codeField(RkParty party);     // "ed2457", "ed2458", "cpk"
    static QString selectorField(RkParty party); // "lizv", "lizz", "lizsv"
    // The selector, code field, label and label texts of a party for the shared
    // person kind rules.
    static fieldRules::PersonKindSettings personKindSettings(RkParty party, RkLabelSet labels);
    RkPartyCode partyCode(RkParty party) const { return m_parties.code(*this, int(party)); }
    // The kind letter the party's code rule uses; the selector rule updates it.
    QString &kindLetter(RkParty party) { return m_parties.letter(int(party)); }
    // Mask, label, colour and kind letter for a legal or natural person.
    void setPartyKind(RkParty party, bool natural, RkLabelSet labels)
    {
        m_parties.setKind(*this, int(party), natural, labels);
    }

    // Shown only when a card names another financing direction or another result.
    bool otherDirectionVisible() const { return m_otherDirectionVisible; }
    void setOtherDirectionVisible(bool visible) { m_otherDirectionVisible = visible; }
    bool otherResultVisible() const { return m_otherResultVisible; }
    void setOtherResultVisible(bool visible) { m_otherResultVisible = visible; }

    // Record lists. Slots count from 1 up to capacity(), the list's bound (200
    // customers, 50 co-executors, 15 stages), which the entry rules, the card lines and
    // the check all hold to; a card line numbering a record beyond it is ignored. A file form starts with its slot number, then (customers,
    // co-executors) the kind digit; the display form has the selector's text in place
    // of the digit. Stages have one form.
    static int capacity(RkList list);
    static EntryListSettings entryListSettings(RkList list);
    const RecordLists &lists() const { return m_lists; }
    const EntryList &entries(RkList list) const { return m_lists.entries(int(list)); }
    QString record(RkList list, int n) const { return m_lists.record(int(list), n); }
    QString displayRecord(RkList list, int n) const { return m_lists.displayRecord(int(list), n); }
    // Ignored for a slot outside the list.
    void setRecord(RkList list, int n, const QString &fileForm, const QString &displayForm)
    {
        m_lists.setRecord(int(list), n, fileForm, displayForm);
    }
    // Slots filled from 1 up to the first empty one.
    int recordCount(RkList list) const { return m_lists.count(int(list)); }
    int currentNumber(RkList list) const { return m_lists.currentNumber(int(list)); }
    void setCurrentNumber(RkList list, int n) { m_lists.setCurrentNumber(int(list), n); }
    // The number in the list's number field, 0 when it names no slot.
    int shownNumber(RkList list) const { return m_lists.shownNumber(*this, int(list), entryListSettings(list)); }

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
    void removeEntry(RkList list, int n) { m_lists.remove(int(list), n); }

    // The lists for the shared list rules.
    CardModel &listModel() override { return *this; }
    RecordLists &recordLists() override { return m_lists; }
    EntryListSettings listSettings(int list) const override { return entryListSettings(RkList(list)); }
    QString *listLetter(int list) override { return letterOf(RkList(list)); }
    bool storeListEntry(int list) override;

    // Repeat counters of a read: the new count.
    int countLine(RkCounter counter) { return ++m_counters[int(counter)]; }
    void resetCounters() { m_counters[0] = m_counters[1] = 0; }

private:
    bool removeIfBlank(RkList list, int n, const QString &name);
    QString *letterOf(RkList list);

    BilingualTexts m_texts;
    PartyCodes m_parties;
    RecordLists m_lists;
    int m_counters[2] = {0, 0};
    bool m_otherDirectionVisible = false;
    bool m_otherResultVisible = false;
};
