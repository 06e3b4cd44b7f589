#pragma once

#include "app/editor_options.h"
#include "app/paged_window.h"
#include "fields/card_kind.h"
#include "fields/card_problems.h"

#include <QSet>

#include <QHash>
#include <QStringList>

#include <memory>

class CardDocument;
class ClerkInput;
class EditorCommands;
class CardRules;
class OrgAssist;
class PrintJob;
class ProblemPanel;
class ExitWiring;
struct PageDesign;
class FieldBinder;
class QLabel;

// The editor window every card type shares: the "&Файл" menu, the speed buttons,
// "&Кінець введення" and the commands that act on the card's document. Each card's
// editor adds its tab pages and fields.
class CardEditor : public PagedWindow
{
    Q_OBJECT
public:
    using Options = EditorOptions;

    CardEditor(const CardKind &kind, const Options &options, QWidget *parent = nullptr);
    ~CardEditor() override;

    CardType cardType() const { return m_kind.type(); }
    const CardKind &kind() const { return m_kind; }
    CardDocument &document() { return *m_document; }
    // The widgets of the card's fields and the rules that run when they are left.
    FieldBinder &binder() { return *m_binder; }
    ExitWiring &wiring() { return *m_wiring; }

    // Runs the exit rule of the field that has the focus, as when it is left, when the
    // clerk changed the field since its check last passed: every command of the menu,
    // the tool bar and the window runs it first, so nothing typed is lost and no check
    // is skipped. False when the rule kept the clerk on the field (or a rule just did):
    // the command does not go on.
    bool leaveFocusedField();

    // The save prompt of this editor: false when the user cancelled.
    bool savePrompt();

    // Commands of the "&Файл" menu and the speed buttons.
    void newCard();
    void openCard();
    bool saveCard();
    void endInput();
    // "Перевірити картку": every rule of the card on its values; the problems are listed
    // in the panel under the pages, which follows the card as it is mended.
    void checkCard();
    // The problems the panel lists, in its order, and the panel itself.
    const QList<CardProblem> &problems() const { return m_problems; }
    ProblemPanel *problemPanel() const { return m_problemPanel; }
    // Takes the clerk to a listed problem: its list entry shown, its page and its field
    // with the focus. False when the field the clerk is in kept the focus.
    bool goToProblem(int row);
    virtual void printCard();
    virtual void printContinuation();
    // A print of the card, with page layouts of its own; kept, for its continuation
    // sheets, until the next one.
    PrintJob &newPrintJob();
    void exitEditor();

    // The window takes the size and place the last closed editor of its type left
    // behind, and leaves its own when it closes; the file dialogs start in the folders
    // last used with this card type. The main window's editors remember so.
    void rememberPlace();
    // Leaves the window's size and place for the next editor of its type (on closing,
    // and when the main window takes the editors with it).
    void keepPlace();

signals:
    // "Новий": the main window creates a fresh editor of this type.
    void newRequested(CardType type);
    void helpRequested();

protected:
    // Builds the card's pages from its field table and page design and wires its entry
    // rules to them: exit and enter rules, trimming keys, buttons, choices, marks and
    // the tab order. The first page is shown. Both objects outlive the editor's widgets.
    void setUpCard(const PageDesign &design, CardRules &rules);
    // The editor keeps the card's rules, so that everything attached to its window
    // (the directory's offers) goes before them; the card's editor uses them as its own.
    template<class Rules>
    Rules &keepRules(std::unique_ptr<Rules> rules)
    {
        Rules &kept = *rules;
        m_ownRules = std::move(rules);
        return kept;
    }
    // What the rules change beside the field texts (entries of a box, fields shown or
    // hidden); run after every rule and whenever the widgets show the model again.
    virtual void showState() {}
    // A field shown only in some states, with its label.
    void showField(const QString &field, const QString &labelName, bool visible);

    // Widgets show the model again (after an open, a clearing or a page change).
    virtual void refreshFromModel();
    // Widgets hand their texts to the model before the card is saved or printed.
    virtual void commitToModel();

    bool mayLeavePage() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void updateState();
    void pageChanged(int page);
    // A button with a click rule: the rule, then the widgets show the model and the
    // focus moves as the rule asked.
    void pressButton(const QString &name);
    // A field of CardRules::Fields::clicks clicked: its rule, then the focus moves as it asked.
    void clickField(const QString &name);
    void runClickRule(const QString &name);
    // The widget a rule names as the focus target.
    QWidget *focusTarget(const QString &name) const;
    // The save prompt without the exit rule of the focused field.
    bool askToSave();
    // Runs the whole-card check and lists its problems.
    void listProblems();

    const CardKind &m_kind;
    CardDocument *m_document;
    FieldBinder *m_binder;
    ExitWiring *m_wiring;
    CardRules *m_rules = nullptr;
    int m_page = 0;
    bool m_asked = false; // the close under way was asked about already
    bool m_rememberPlace = false;
    bool m_openDisablesButtons;
    bool m_openDisablesContinuation;
    bool m_continuationDisablesPrint;
    QSet<QWidget *> m_unchecked;
    ClerkInput *m_input;
    std::unique_ptr<EditorCommands> m_commands;
    ProblemPanel *m_problemPanel;
    QList<CardProblem> m_problems;
    // Last, so they go first: the rules, then what is attached to the window and uses them.
    std::unique_ptr<PrintJob> m_lastPrint;
    std::unique_ptr<CardRules> m_ownRules;
    std::unique_ptr<OrgAssist> m_orgAssist;
};
