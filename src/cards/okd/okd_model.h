#pragma once

#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/field_rules.h"
#include "fields/party_codes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The texts kept in two languages and shown by one field: the applicant's name (6147),
// the title (9045) and the abstract (9118) of the dissertation.
enum class OkdText { ApplicantName, ThesisTitle, ThesisAbstract };

// One organisation slot of the card. Slot 0 (the specialised academic council) uses
// only the telephone and the e-mail; its cipher is the card's councilCipher.
struct OkdOrganisation
{
    QString code;
    QString name;
    QString city;
    QString location;
    QString subordination;
    QString phone;
    QString email;
};

// The field codes an organisation slot is saved under; slot 0 has only its telephone.
struct OkdOrganisationCodes
{
    QString code;
    QString name;
    QString place; // city\location
    QString phone;
    QString email;
    QString subordination;
};

// The OKD card: its fields plus the private state they are views of. The organisation
// page shows one of four slots (RadioGroup1), the applicant's and the supervisors'
// names and the title and abstract show one of their two languages; a view is written
// back into the private state when its field is left, and saving reads the private
// state, not the view.
class OkdModel : public CardModel
{
public:
    static constexpr int kSlots = 4;
    static constexpr int kSupervisors = 3;
    static constexpr int kOpponents = 4;

    explicit OkdModel(const FieldTable &table);
    std::unique_ptr<CardModel> clone() const override { return std::make_unique<OkdModel>(*this); }
    QList<BilingualTexts *> languageTexts() override { return {&m_texts, &m_supervisors}; }

    // Every private text empty (clearModel); the council cipher hidden. The visibility of
    // the slot-3 person kind and of the science sector stays.
    void clearState();

    // ---- Two-language texts (by OkdText): "ed6147" with "indjzd", "mm9045" and "mm9118"
    // with "RadioGroup2".
    BilingualTexts &texts() { return m_texts; }
    const BilingualTexts &texts() const { return m_texts; }
    // The field shows the language its group selects; the text the field shows becomes
    // that language's text. The title and the abstract share their group.
    void showText(OkdText which) { m_texts.showSelected(*this, int(which)); }
    void keepText(OkdText which) { m_texts.keepShown(*this, int(which)); }
    // The group on `language` and the field (both fields for the title and abstract)
    // showing it.
    void selectLanguage(OkdText which, TextLanguage language);

    // Every view field's text into the private state behind it, as leaving each field
    // would: the three texts, the supervisors' names, the organisation slot shown.
    void keepViews();

    // ---- Supervisors' names, n = 1..3: "ed6156f1".."ed6156f3" with "indjzk".
    QString supervisorName(int n, TextLanguage language) const;
    void setSupervisorName(int n, TextLanguage language, const QString &name);
    const BilingualTexts &supervisors() const { return m_supervisors; }
    // The three name fields show the language "indjzk" selects; `language` selects it first.
    void showSupervisors();
    void selectSupervisorLanguage(TextLanguage language);
    // Supervisor n's name field becomes the name of the language selected.
    void keepSupervisor(int n);

    // ---- Organisations
    QString councilCipher() const { return m_councilCipher; }
    void setCouncilCipher(const QString &cipher) { m_councilCipher = cipher; }
    const OkdOrganisation &organisation(int slot) const { return m_orgs.at(slot); }
    OkdOrganisation &organisation(int slot) { return m_orgs[slot]; }
    static const OkdOrganisationCodes &organisationCodes(int slot);

    // The slot "RadioGroup1" shows.
    int shownSlot() const;
    // Switches the page to `slot`: the fields emptied, the code field back to an
    // organisation code, then showing the slot's values, the council cipher only for
    // slot 0, the person kind only for slot 3 (its identification number when it names
    // a natural person), the science sector for slot 1 (kept as it was for slot 0).
    void showSlot(int slot);
    // The organisation field `field` left: its text goes into the private state of the
    // slot shown where that slot keeps it (the cipher on slot 0 only, telephone and
    // e-mail on every slot, the others on slots 1 to 3). False when nothing was kept.
    bool keepOrgField(const QString &field);
    // The view fields of the organisation page, in entry order.
    static const QStringList &orgFields();

    bool councilShown() const { return m_councilShown; }
    bool personKindShown() const { return m_personKindShown; }
    bool sectorShown() const { return m_sectorShown; }

    // The code field checks against a natural person's ten digits only on slot 3 with
    // "Фізична особа" chosen.
    bool naturalCodeShown() const;
    // The person kind of slot 3 and the code field and label that follow it: the label
    // reads "Ідентифікаційний номер" when the selector is left (Select) and with a
    // trailing blank when a slot is shown (Show).
    static fieldRules::PersonKindSettings personKindSettings(PartyLabels labels);

private:
    BilingualTexts m_texts;
    BilingualTexts m_supervisors;
    QString m_councilCipher;
    QList<OkdOrganisation> m_orgs;
    bool m_councilShown = true;
    bool m_personKindShown = false;
    bool m_sectorShown = true;
};
