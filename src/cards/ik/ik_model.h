#pragma once

#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/entry_list.h"
#include "fields/list_rules.h"
#include "fields/party_codes.h"
#include "fields/record_lists.h"

#include <QString>

enum class IkList { Owners };

// The IK card: its fields plus the product name in two languages (`titles`), the
// owner list with the number shown (`ownerNo`), the owner kind code and mark, and the
// combo box the completeness check tested last. The owner code's mask and its label
// are kept by CardModel (mask(), label()).
class IkModel : public CardModel, public ListHolder
{
public:
    // Owners: six slots, of which the clerk may fill five; the card lines carry all six.
    static constexpr int kOwnerSlots = 6;
    static constexpr int kOwnerMaximum = 5;

    explicit IkModel(const FieldTable &table);
    std::unique_ptr<CardModel> clone() const override { return std::make_unique<IkModel>(*this); }
    QList<BilingualTexts *> languageTexts() override { return {&m_titles}; }
    // Owners and names back to empty, owner 1 shown; the owner code back to a legal
    // person's mask, label and kind mark, as the selector shows after clearing.
    void clearState();

    // The product name (`titles`): field "mm9027" in the language of "Indjzr".
    QString title(TextLanguage language) const { return m_titles.text(0, language); }
    void setTitle(TextLanguage language, const QString &text) { m_titles.setText(0, language, text); }
    void showUkrainianTitle() { m_titles.showUkrainian(*this, 0); }
    const BilingualTexts &titles() const { return m_titles; }
    BilingualTexts &titles() { return m_titles; }
    const BilingualTexts &texts() const { return titles(); }
    BilingualTexts &texts() { return titles(); }

    // The owner code field "ed2459", its selector "lizz" and label "Label27".
    static fieldRules::PersonKindSettings ownerKindSettings();
    PartyCode ownerCode() const { return m_parties.code(*this, 0); }
    // "ю" or "ф": the kind the code is checked against, that of the kind shown.
    QString &ownerKindLetter() { return m_parties.letter(0); }
    // Mask, label, colour and kind mark for a legal or natural person.
    void setOwnerKind(bool natural);
    // "1" or "2": the kind code the owner lines read last or the store rule took.
    QString ownerKindCode() const { return m_ownerKindCode; }
    void setOwnerKindCode(const QString &code) { m_ownerKindCode = code; }

    static EntryListSettings ownerListSettings();
    RecordListsOf<IkList> &lists() { return m_lists; }
    const RecordListsOf<IkList> &lists() const { return m_lists; }
    // The owner number shown on the page.
    int ownerNo() const { return m_lists.currentNumber(IkList::Owners); }
    void setOwnerNo(int n) { m_lists.setCurrentNumber(IkList::Owners, n); }
    // Both owner slots of `ownerNo` composed from the fields: the shown form with the
    // selector's text, the saved form with `kindCode`.
    void rebuildOwner(const QString &kindCode);
    // The store rule (vlasnik), run before an owner is left and before a save or print:
    // `ownerNo` becomes the number typed, and the owner shown is stored under it when
    // it has a full name. False when nothing was stored.
    bool storeOwner();
    // Owner n into the fields: emptied, then filled from its slot, with its kind.
    void showOwner(int n) { showListEntry(int(IkList::Owners), n); }

    // Index of the combo box the completeness check tested last.
    int lastChecked() const { return m_lastChecked; }
    void setLastChecked(int index) { m_lastChecked = index; }

    // The owner list for the shared list rules.
    CardModel &listModel() override { return *this; }
    RecordLists &recordLists() override { return m_lists; }
    EntryListSettings listSettings(int) const override { return ownerListSettings(); }
    QString *listLetter(int) override { return &ownerKindLetter(); }
    bool storeListEntry(int) override { return storeOwner(); }

private:
    BilingualTexts m_titles;
    PartyCodes m_parties;
    RecordListsOf<IkList> m_lists;
    QString m_ownerKindCode;
    int m_lastChecked = 0;
};
