#pragma once

#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/list_rules.h"
#include "fields/entry_list.h"
#include "fields/party_codes.h"
#include "fields/record_lists.h"

#include <QString>
#include <QStringList>

// The four texts kept in two languages: executor name (2151), work title (9027),
// abstract (9117) and head of the development (6120).
enum class OkText { ExecutorName, WorkTitle, WorkAbstract, WorkHead };

// Parties whose code field follows a person kind selector.
enum class OkParty { Executor, Owner, CoExecutor };

enum class OkList { CoExecutors, Owners, Executors };

// The OK card: its fields plus the two-language texts, the state accounting numbers of
// executed stages, the co-executor, owner and executor lists with the number each
// shows, the person kind marks and the visibility of the other financing direction.
// Code masks and their labels are kept by CardModel (mask(), label()).
class OkModel : public CardModel, public ListHolder
{
public:
    explicit OkModel(const FieldTable &table);
    std::unique_ptr<CardModel> clone() const override { return std::make_unique<OkModel>(*this); }
    QList<BilingualTexts *> languageTexts() override { return {&m_texts}; }

    // Lists, stage numbers, two-language texts and read counters back to empty. The
    // code masks, their labels and the person kind marks stay as they are.
    void clearState();

    // Fields "mm2151", "mm9027", "mm9117", "ed6120" with their groups "Indjz", "Indjzr"
    // (title and abstract), "indjzk".
    BilingualTexts &texts() { return m_texts; }
    const BilingualTexts &texts() const { return m_texts; }
    QString bilingual(OkText which, TextLanguage language) const { return m_texts.text(int(which), language); }
    void setBilingual(OkText which, TextLanguage language, const QString &text)
    {
        m_texts.setText(int(which), language, text);
    }
    void showUkrainian(OkText which) { m_texts.showUkrainian(*this, int(which)); }

    // Selector, code field and label of each party: "lizv", "ed2457", "Label30";
    // "lizz", "ed2459", "StaticText2"; "lizsv", "ed2142k", "Label43".
    const PartyCodes &parties() const { return m_parties; }
    // The selector, code field, label and label texts of a party for the shared person
    // kind rules; a text that is not an entry gives " Помилка " with a beep.
    static fieldRules::PersonKindSettings personKindSettings(OkParty party, PartyLabels labels);
    PartyCode partyCode(OkParty party) const { return m_parties.code(*this, int(party)); }
    // The person kind mark the party's code rule uses: empty until the selector is
    // first left (no code length is demanded then), "ю" or "ф" after.
    QString &kindLetter(OkParty party) { return m_parties.letter(int(party)); }
    // Mask, label and colour for a legal or natural person; the mark follows when
    // `mark` is set.
    void setPartyKind(OkParty party, bool natural, PartyLabels labels, bool mark = true);

    // Shown only when a card names another financing direction.
    bool otherDirectionVisible() const { return m_otherDirectionVisible; }
    void setOtherDirectionVisible(bool visible) { m_otherDirectionVisible = visible; }

    // State accounting numbers of executed stages (5526): entries 1 to 10, kept from
    // entry 1 without a gap, since the card line ends at the first empty entry. An
    // empty number removes its entry and the later ones move up; a number set beyond
    // the first empty entry takes that entry. Returns the entry the number went to,
    // 0 when none (removed, or n outside 1..10).
    static constexpr int kStageNumbers = 10;
    QString stageNumber(int n) const;
    int setStageNumber(int n, const QString &number);
    QStringList stageNumbers() const;
    int stageNumberCount() const { return int(m_stageNumbers.size()); }

    // Record lists: co-executors (1..50), owners (1..20), persons of the executor list
    // (1..120). A file form starts with its number; co-executors and owners then carry
    // the kind digit, where the display form has the selector's text.
    static int capacity(OkList list);
    static EntryListSettings entryListSettings(OkList list);
    RecordListsOf<OkList> &lists() { return m_lists; }
    const RecordListsOf<OkList> &lists() const { return m_lists; }
    // The number in the list's number field, 0 when it names no slot.
    int shownNumber(OkList list) const { return m_lists.shownNumber(*this, int(list), entryListSettings(list)); }
    // Slot n gets the entry the fields show, with the selector's kind digit unless
    // `kindDigit` is given.
    void storeFields(OkList list, int n, const QString &kindDigit = {});
    // The store rules (spivvik, vlasnik, vikonav), run before an entry is left and
    // before a save: the entry shown goes into the slot of its number when it has a
    // name. An entry emptied on the screen (co-executor: its stored address empty too;
    // owner: code and address empty; person: position empty) leaves the list, the later
    // ones close up and the fields show what now holds the number. False when nothing
    // was stored or removed.
    bool storeCoExecutor();
    bool storeOwner();
    bool storePerson();
    // Puts entry n into the fields: emptied, then filled from its slot if it holds one,
    // with the code's mask and label by its kind.
    void showEntry(OkList list, int n);

    // The lists for the shared list rules.
    CardModel &listModel() override { return *this; }
    RecordLists &recordLists() override { return m_lists; }
    EntryListSettings listSettings(int list) const override { return entryListSettings(OkList(list)); }
    QString *listLetter(int list) override { return letterOf(OkList(list)); }
    bool storeListEntry(int list) override;

    // Financing lines met by a read: the new count.
    int countFinancingLine() { return ++m_financingLines; }

private:
    QString *letterOf(OkList list);

    BilingualTexts m_texts;
    PartyCodes m_parties;
    RecordListsOf<OkList> m_lists;
    QStringList m_stageNumbers;
    int m_financingLines = 0;
    bool m_otherDirectionVisible = false;
};
