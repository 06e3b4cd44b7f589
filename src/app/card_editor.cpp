#include "app/card_editor.h"

#include "app/card_pages.h"
#include "app/clerk_input.h"
#include "app/editor_commands.h"
#include "app/hint_timing.h"
#include "app/problem_panel.h"
#include "app/rule_binding.h"
#include "fields/card_document.h"
#include "fields/card_rules.h"
#include "fields/rule_context.h"
#include "fields/user_settings.h"
#include "orgs/org_assist.h"
#include "print/print_job.h"
#include "spell/writing_aids.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QTabWidget>
#include <QTreeWidget>

#include <utility>

using namespace Qt::Literals::StringLiterals;

CardEditor::CardEditor(const CardKind &kind, const Options &options, QWidget *parent)
    : PagedWindow(parent),
      m_kind(kind),
      m_document(new CardDocument(kind, this)),
      m_binder(new FieldBinder(m_document->model(), this)),
      m_wiring(new ExitWiring(this)),
      m_openDisablesButtons(options.openDisablesButtonsFirst),
      m_openDisablesContinuation(options.openDisablesContinuationFirst),
      m_continuationDisablesPrint(options.continuationDisablesPrintButton),
      m_input(new ClerkInput(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kind.windowCaption());
    hintTiming::set(this, options.hintShowAfter, options.hintHideAfter);

    m_commands = std::make_unique<EditorCommands>(*this, options);

    m_problemPanel = new ProblemPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemPanel);
    m_problemPanel->hide();
    connect(m_problemPanel, &ProblemPanel::activated, this, &CardEditor::goToProblem);
    connect(m_problemPanel, &ProblemPanel::recheckDue, this, &CardEditor::listProblems);
    if (!options.minMaxBoxes)
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowCloseButtonHint)
                       & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    // Nothing typed is lost when the program ends abnormally.
    m_document->enableRecovery();
    connect(m_document, &CardDocument::stateChanged, this, &CardEditor::updateState);
    // Which fields hold a change whose check has not passed yet. Any change of a value
    // the card saves, in whatever field and however made, leaves the card unsaved, so
    // no close, New or Open drops it without the question. Whether the change also
    // waits for "&Кінець введення" again is the card's own (its marking fields).
    connect(m_binder, &FieldBinder::edited, this, [this](const QString &name) {
        if (QWidget *w = m_binder->widget(name)) {
            m_unchecked.insert(w);
            m_wiring->noteChanged(w);
        }
        // A field that only chooses what others show (a language) leaves the card as it was.
        const FieldInfo *info = m_document->model().table().find(name);
        if (info && info->view)
            return;
        m_input->noteChange();
        m_document->noteChange();
        m_problemPanel->recheckSoon();
    });
    connect(m_wiring, &ExitWiring::ruleRan, this, [this](QWidget *field, bool passed) {
        if (passed)
            m_unchecked.remove(field);
        m_problemPanel->recheckSoon();
    });
    connect(m_document, &CardDocument::modelReplaced, this, [this] {
        m_unchecked.clear();
        if (m_rules)
            m_rules->cardReplaced();
        refreshFromModel();
        m_page = pageControl()->currentIndex();
        m_problemPanel->recheckSoon();
    });
    connect(m_document, &CardDocument::opened, this, [this] {
        if (pageControl()->count() > 0)
            pageControl()->setCurrentIndex(0);
    });
    connect(pageControl(), &QTabWidget::currentChanged, this, &CardEditor::pageChanged);
    resize(options.size);
    if (options.continuationItemAtStart)
        m_document->setContinuationItemEnabled(true);
    updateState();
}

CardEditor::~CardEditor()
{
    // The widgets go after this part of the editor: a field that loses the focus as
    // they are hidden (an edited box reports its choice then) must reach no editor.
    m_problemPanel->disconnect(this);
    m_binder->disconnect(this);
    m_document->disconnect(this);
    m_wiring->disconnect(this);
}

void CardEditor::updateState()
{
    setWindowTitle(m_document->caption());
    m_commands->update(*m_document);
}

bool CardEditor::leaveFocusedField()
{
    if (m_wiring->isFocusBackPending())
        return false;
    QWidget *focus = QApplication::focusWidget();
    QWidget *field = focus && isAncestorOf(focus) ? m_wiring->fieldFor(focus) : nullptr;
    if (!field || !field->isVisible())
        return true;
    // A field the clerk has not changed since its check last passed has nothing to
    // lose and nothing new to check: the command goes on without running it, so that a
    // fresh card opens a file or closes also with the focus on a field that must not
    // stay empty.
    if (!m_unchecked.contains(field))
        return true;
    return m_wiring->runExitRule(field);
}

bool CardEditor::mayLeavePage()
{
    // The field keeps the focus until the page turns, and the turn takes it away.
    return m_wiring->leaveFocusField();
}

void CardEditor::setUpCard(const PageDesign &design, CardRules &rules)
{
    m_rules = &rules;
    cardPages::build(design, *m_binder, *pageControl());

    ruleBinding::wire({rules, *m_binder, *m_wiring, *m_input, *m_document, *this}, [this] { showState(); },
                      [this](const QString &name) { return focusTarget(name); },
                      [this](const QString &name) { pressButton(name); });
    connect(m_input, &ClerkInput::clicked, this, &CardEditor::clickField);
    m_input->watchMarkingFields(*m_binder);
    // A key marks the card only when it changed a value the card keeps.
    connect(m_input, &ClerkInput::keyChangedCard, m_document, &CardDocument::markModified);

    cardPages::chainTabOrder(design, *m_binder, *this);
    WritingAids::attach(this, *m_binder, *m_document); // spell check, transliteration
    m_orgAssist.reset(OrgAssist::attach(this, *m_binder, *m_document, rules, *m_wiring)); // directory of organisations
    showState();
    pageControl()->setCurrentIndex(0);
    m_page = 0;
    // The clerk starts typing at once: the focus waits in the first field of the first
    // page, not on the tab bar.
    const auto resolve = [this](const QString &name) { return focusTarget(name); };
    if (QWidget *first = cardPages::firstField(design, *m_binder, pageControl()->widget(0), resolve)) {
        first->setFocus(Qt::OtherFocusReason);
        m_wiring->noteFocusShown(first);
    }
}

void CardEditor::showField(const QString &field, const QString &labelName, bool visible)
{
    if (QWidget *w = m_binder->widget(field))
        w->setVisible(visible);
    // An empty name would find any label.
    if (auto *label = labelName.isEmpty() ? nullptr : findChild<QLabel *>(labelName))
        label->setVisible(visible);
}

void CardEditor::pressButton(const QString &name)
{
    // A field left for the button kept the focus: the clerk corrects it first.
    if (leaveFocusedField())
        runClickRule(name);
}

void CardEditor::clickField(const QString &name)
{
    // The field left for this one kept the focus: its return goes first.
    if (!m_wiring->isFocusBackPending())
        runClickRule(name);
}

void CardEditor::runClickRule(const QString &name)
{
    m_wiring->runRule(focusTarget(name), [this, &name](RuleContext &ctx) { m_rules->click(name, ctx); });
}

QWidget *CardEditor::focusTarget(const QString &name) const
{
    QWidget *w = findChild<QWidget *>(name);
    // A radio group takes the focus on its chosen button, where the arrows work.
    if (auto *group = w ? w->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly) : nullptr) {
        if (QAbstractButton *button = group->checkedButton() ? group->checkedButton() : group->buttons().value(0))
            return button;
    }
    return w;
}

void CardEditor::pageChanged(int page)
{
    m_wiring->pageTurned();
    m_binder->commit();
    if (m_rules)
        m_rules->leavePage(m_page);
    m_page = page;
    if (m_rules)
        m_rules->enterPage(page);
    refreshFromModel();
}

void CardEditor::refreshFromModel()
{
    m_binder->refresh();
    showState();
}

void CardEditor::commitToModel()
{
    m_binder->commit();
    if (m_rules)
        m_rules->commit();
}

bool CardEditor::savePrompt()
{
    return leaveFocusedField() && askToSave();
}

bool CardEditor::askToSave()
{
    commitToModel();
    return m_document->savePrompt();
}

void CardEditor::newCard()
{
    if (!leaveFocusedField())
        return;
    m_document->setSaveAndPrintButtonsEnabled(false);
    if (!askToSave())
        return;
    const CardType type = cardType();
    m_asked = true;
    close();
    emit newRequested(type);
}

void CardEditor::openCard()
{
    if (!leaveFocusedField())
        return;
    if (m_openDisablesButtons)
        m_document->setSaveAndPrintButtonsEnabled(false);
    if (m_openDisablesContinuation)
        m_document->setContinuationItemEnabled(false);
    commitToModel();
    m_document->open();
}

bool CardEditor::saveCard()
{
    if (!leaveFocusedField())
        return false;
    commitToModel();
    return m_document->saveAs();
}

void CardEditor::endInput()
{
    if (!leaveFocusedField())
        return;
    commitToModel();
    m_document->endInput();
    // Saving and printing go on as before; what the check finds is shown beside them.
    listProblems();
    if (!m_problems.isEmpty())
        m_problemPanel->showUnder(*this);
}

void CardEditor::checkCard()
{
    if (!leaveFocusedField())
        return;
    listProblems(); // takes the fields' texts and checks the card as a save writes it
    m_problemPanel->showUnder(*this);
    m_problemPanel->list()->setFocus(Qt::OtherFocusReason);
}

void CardEditor::listProblems()
{
    m_binder->commit();
    m_problems = cardProblems::check(m_kind, m_document->model());
    m_problemPanel->setProblems(m_problems, *m_binder);
}

bool CardEditor::goToProblem(int row)
{
    if (row < 0 || row >= m_problems.size())
        return false;
    const CardProblem problem = m_problems.at(row);
    if (!leaveFocusedField())
        return false;
    commitToModel();
    if (problem.entry > 0 && m_rules) {
        CardRules::CheckScope scope;
        scope.list = problem.list;
        scope.entry = problem.entry;
        m_rules->showScope(scope);
        refreshFromModel();
    }
    const FieldInfo *info = m_document->model().table().find(problem.field);
    if (info && info->page >= 0 && info->page < pageControl()->count())
        pageControl()->setCurrentIndex(info->page);
    QWidget *target = focusTarget(problem.field);
    if (target && target->isEnabled() && !target->isHidden())
        m_wiring->moveFocus(target);
    return true;
}

void CardEditor::printCard()
{
    if (!leaveFocusedField())
        return;
    commitToModel();
    m_document->kind().print(m_document->model(), newPrintJob());
}

PrintJob &CardEditor::newPrintJob()
{
    m_lastPrint = std::make_unique<PrintJob>(*m_document);
    return *m_lastPrint;
}

void CardEditor::printContinuation()
{
    if (!leaveFocusedField())
        return;
    // Sheets 2 and on of this window's last print; none before any print.
    if (!m_lastPrint)
        m_lastPrint = std::make_unique<PrintJob>(*m_document);
    m_lastPrint->printContinuation();
    if (m_continuationDisablesPrint)
        m_document->setPrintButtonEnabled(false);
}

void CardEditor::exitEditor()
{
    if (!savePrompt())
        return;
    m_asked = true;
    close();
}

void CardEditor::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar asks too: no card is dropped without a question.
    if (std::exchange(m_asked, false) || savePrompt()) {
        keepPlace();
        event->accept();
    } else {
        event->ignore();
    }
}

void CardEditor::rememberPlace()
{
    m_rememberPlace = true;
    m_document->rememberFolders();
    // Qt keeps a restored window on a screen that is there now.
    if (const QByteArray geometry = userSettings::windowGeometry(cardType()); !geometry.isEmpty())
        restoreGeometry(geometry);
}

void CardEditor::keepPlace()
{
    if (m_rememberPlace)
        userSettings::setWindowGeometry(cardType(), saveGeometry());
}
