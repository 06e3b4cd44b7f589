#include "app/card_editor.h"

#include "app/hint_timing.h"
#include "app/problem_panel.h"
#include "app/toolbar_icons.h"
#include "fields/card_document.h"
#include "fields/card_rules.h"
#include "widgets/exit_wiring.h"
#include "fields/field_captions.h"
#include "widgets/field_factory.h"
#include "widgets/page_builder.h"
#include "fields/rule_context.h"
#include "fields/user_settings.h"
#include "orgs/org_assist.h"
#include "print/print_job.h"
#include "spell/writing_aids.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QToolBar>
#include <QToolButton>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// `text` is what a screen reader says for the button, which shows only its picture.
QToolButton *speedButton(QToolBar *bar, const QString &name, const QString &text, const QIcon &icon,
                         const QString &hint)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

} // namespace

CardEditor::CardEditor(const CardKind &kind, const Options &options, QWidget *parent)
    : PagedWindow(parent),
      m_kind(kind),
      m_document(new CardDocument(kind, this)),
      m_binder(new FieldBinder(m_document->model(), this)),
      m_wiring(new ExitWiring(this)),
      m_openDisablesButtons(options.openDisablesButtonsFirst),
      m_openDisablesContinuation(options.openDisablesContinuationFirst),
      m_continuationDisablesPrint(options.continuationDisablesPrintButton)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kind.windowCaption());
    hintTiming::set(this, options.hintShowAfter, options.hintHideAfter);

    QMenu *file = menuBar()->addMenu(options.fileMenuText);
    file->setObjectName(u"mnuFile"_s);
    m_actNew = file->addAction(u"Новий"_s, this, &CardEditor::newCard);
    m_actOpen = file->addAction(u"Відкрити..."_s, this, &CardEditor::openCard);
    m_actSave = file->addAction(options.saveText, this, [this] { saveCard(); });
    m_actCheck = file->addAction(u"Перевірити картку"_s, this, &CardEditor::checkCard);
    m_actCheck->setObjectName(u"actCheck"_s);
    m_actCheck->setShortcut(QKeySequence(Qt::Key_F9));
    m_actCheck->setShortcutContext(Qt::WindowShortcut);
    file->addSeparator();
    m_actPrint = file->addAction(options.printText, this, &CardEditor::printCard);
    m_actContinuation = file->addAction(options.continuationText, this, &CardEditor::printContinuation);
    file->addSeparator();
    m_actExit = file->addAction(u"Вихід"_s, this, &CardEditor::exitEditor);
    m_actHelp = menuBar()->addAction(options.helpText);
    const QList<QAction *> items = {m_actNew, m_actOpen, m_actSave, m_actPrint, m_actExit, m_actHelp};
    for (int i = 0; i < items.size(); ++i)
        items.at(i)->setObjectName(options.itemNames.value(i));
    m_actContinuation->setObjectName(options.continuationName);

    m_actHelp->setShortcut(QKeySequence(Qt::Key_F1));
    m_actHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(m_actHelp);
    connect(m_actHelp, &QAction::triggered, this, &CardEditor::helpRequested);

    auto *bar = addToolBar(u"Панель інструментів"_s);
    bar->setObjectName(u"ToolBar"_s);
    bar->setMovable(false);
    const auto plain = [bar](const QString &name, const QString &text, const QIcon &icon) {
        return speedButton(bar, name, text, icon, text);
    };
    m_btnNew = plain(u"SpeedButton1"_s, u"Новий"_s, toolbarIcons::newCard());
    m_btnOpen = plain(u"SpeedButton2"_s, u"Відкрити"_s, toolbarIcons::open());
    m_btnSave = plain(u"SpeedButton3"_s, u"Записати як..."_s, toolbarIcons::save());
    m_btnPrint = plain(u"SpeedButton4"_s, u"Друк"_s, toolbarIcons::print());
    m_btnCheck = speedButton(bar, u"SpeedButtonCheck"_s, u"Перевірити картку"_s,
                             toolbarIcons::checkCard(), u"Перевірити картку (F9)"_s);
    bar->addSeparator();
    m_btnContinuation = speedButton(bar, u"SB5"_s, options.continuationText, toolbarIcons::printContinuation(),
                                    options.continuationHint.value_or(options.continuationText));
    auto *sbText = new QLabel(options.continuationNote, bar);
    sbText->setObjectName(u"lblSB5"_s);
    bar->addWidget(sbText);
    connect(m_btnNew, &QToolButton::clicked, this, &CardEditor::newCard);
    connect(m_btnOpen, &QToolButton::clicked, this, &CardEditor::openCard);
    connect(m_btnSave, &QToolButton::clicked, this, [this] { saveCard(); });
    connect(m_btnPrint, &QToolButton::clicked, this, &CardEditor::printCard);
    connect(m_btnContinuation, &QToolButton::clicked, this, &CardEditor::printContinuation);
    connect(m_btnCheck, &QToolButton::clicked, this, &CardEditor::checkCard);

    m_problemPanel = new ProblemPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemPanel);
    m_problemPanel->hide();
    connect(m_problemPanel, &ProblemPanel::activated, this, &CardEditor::goToProblem);
    m_recheck = new QTimer(this);
    m_recheck->setSingleShot(true);
    m_recheck->setInterval(250);
    connect(m_recheck, &QTimer::timeout, this, [this] {
        if (m_problemPanel->isVisible())
            listProblems();
    });
    previousButton()->setObjectName(options.previousName);
    nextButton()->setObjectName(options.nextName);
    if (!options.minMaxBoxes)
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowCloseButtonHint)
                       & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    auto *endButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                      u"&Кінець введення"_s, bottomPanel());
    endButton->setObjectName(u"BitBtn1"_s);
    endButton->setToolTip(u"Для збереження виправленої інформації"_s);
    bottomPanelLayout()->addWidget(endButton);
    // The button takes the focus first, so the field left runs its check before the
    // input is ended.
    connect(endButton, &QPushButton::clicked, this, &CardEditor::endInput);

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
        m_changedByClerk = true;
        m_document->noteChange();
        m_recheck->start();
    });
    connect(m_wiring, &ExitWiring::ruleRan, this, [this](QWidget *field, bool passed) {
        if (passed)
            m_unchecked.remove(field);
        m_recheck->start();
    });
    connect(m_document, &CardDocument::modelReplaced, this, [this] {
        m_unchecked.clear();
        if (m_rules)
            m_rules->cardReplaced();
        refreshFromModel();
        m_page = pageControl()->currentIndex();
        m_recheck->start();
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
    m_recheck->stop();
    m_binder->disconnect(this);
    m_document->disconnect(this);
    m_wiring->disconnect(this);
}

void CardEditor::updateState()
{
    setWindowTitle(m_document->caption());
    m_actSave->setEnabled(m_document->saveItemEnabled());
    m_actPrint->setEnabled(m_document->printItemEnabled());
    m_btnSave->setEnabled(m_document->saveButtonEnabled());
    m_btnPrint->setEnabled(m_document->printButtonEnabled());
    m_actContinuation->setEnabled(m_document->continuationItemEnabled());
    m_btnContinuation->setEnabled(m_document->continuationEnabled());
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
    const FieldTable &table = m_document->model().table();
    for (int page = 0; page < table.pages().size(); ++page) {
        QWidget *sheet = pageBuilder::build(design, page, *m_binder, pageControl());
        sheet->setObjectName(design.sheetNames.value(page));
        pageControl()->addTab(sheet, table.pages().at(page));
        pageControl()->setTabToolTip(page, design.pageHints.value(page));
    }
    // A field without a label of its own is announced by what its page shows for it.
    const QHash<QString, QString> captions = fieldCaptions::fromDesign(table, design);
    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        if (QWidget *w = m_binder->widget(it.key()))
            w->setAccessibleName(it.value());
    }

    const CardRules::Fields fields = rules.fields();
    m_wiring->setAfterRule([this] {
        m_binder->refresh();
        showState();
    });
    m_wiring->setResolver([this](const QString &name) { return focusTarget(name); });
    // Every save, from the menu or from a question on closing, passes the card's check.
    m_document->setSaveCheck([this] {
        bool passed = true;
        m_wiring->runRule(nullptr, [this, &passed](RuleContext &ctx) { passed = m_rules->beforeSave(ctx); });
        return passed;
    });
    // Fields by their binder (a lookup), anything else by its name in the window.
    const auto named = [this](const QString &name) {
        QWidget *w = m_binder->widget(name);
        return w ? w : findChild<QWidget *>(name);
    };
    for (const QString &name : fields.exit) {
        if (QWidget *w = named(name))
            m_wiring->setExitRule(w, [this, name](RuleContext &ctx) { m_rules->exitRule(name, ctx); });
    }
    for (const QString &name : fields.enter) {
        if (QWidget *w = m_binder->widget(name))
            m_wiring->setEnterRule(w, [this, name](RuleContext &ctx) { m_rules->enterRule(name, ctx); });
    }
    for (const QString &name : fields.trimOnPress)
        wireTrimOnKeyPress(*m_wiring, *m_binder, name);
    for (const QString &name : fields.trimOnRelease)
        wireTrimOnKeyRelease(*m_wiring, *m_binder, name);
    for (const QString &name : fields.clicks) {
        if (QWidget *w = m_binder->widget(name)) {
            m_clickFields.insert(w, name);
            w->installEventFilter(this);
            for (QWidget *part : w->findChildren<QWidget *>()) {
                m_clickFields.insert(part, name);
                part->installEventFilter(this);
            }
        }
    }
    for (const QString &name : fields.buttons) {
        if (auto *button = findChild<QPushButton *>(name))
            connect(button, &QPushButton::clicked, this, [this, name] { pressButton(name); });
    }
    connect(m_binder, &FieldBinder::chosen, this, [this, clickMarks = fields.clickMarks](const QString &name) {
        if (m_rules->chosen(name)) {
            m_binder->refresh();
            showState();
        }
        // Choosing the entry the field already had changes nothing.
        if (clickMarks.contains(name) && std::exchange(m_changedByClerk, false))
            m_document->markModified();
    });

    for (const FieldInfo &info : table.fields()) {
        QWidget *w = m_binder->widget(info.name);
        if (!info.marks || !w)
            continue;
        watchMarks(w);
        // An editable box takes its keys in its line edit.
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
            watchMarks(combo->lineEdit());
    }

    QWidget *previous = nullptr;
    for (const QString &name : pageBuilder::tabOrder(design, *m_binder)) {
        QWidget *w = named(name);
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    WritingAids::attach(this, *m_binder, *m_document); // spell check, transliteration
    m_orgAssist.reset(OrgAssist::attach(this, *m_binder, *m_document, rules, *m_wiring)); // directory of organisations
    showState();
    pageControl()->setCurrentIndex(0);
    m_page = 0;
    // The clerk starts typing at once: the focus waits in the first field of the first
    // page, not on the tab bar.
    for (const QString &name : pageBuilder::tabOrder(design, *m_binder)) {
        QWidget *w = focusTarget(name);
        if (w && pageControl()->widget(0)->isAncestorOf(w) && w->isEnabled() && !w->isHidden()) {
            w->setFocus(Qt::OtherFocusReason);
            m_wiring->noteFocusShown(w);
            break;
        }
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
        showProblemPanel();
}

void CardEditor::showProblemPanel()
{
    if (m_problemPanel->isVisible())
        return;
    m_problemPanel->show();
    // A few rows under the pages, so that the page keeps most of the window.
    resizeDocks({m_problemPanel}, {m_problemPanel->fontMetrics().height() * 9}, Qt::Vertical);
}

void CardEditor::checkCard()
{
    if (!leaveFocusedField())
        return;
    listProblems(); // takes the fields' texts and checks the card as a save writes it
    showProblemPanel();
    m_problemPanel->list()->setFocus(Qt::OtherFocusReason);
}

void CardEditor::listProblems()
{
    m_binder->commit();
    m_problems = cardProblems::check(m_kind, m_document->model());
    const FieldTable &table = m_document->model().table();
    QList<ProblemPanel::Row> rows;
    for (const CardProblem &p : m_problems) {
        const FieldInfo *info = table.find(p.field);
        const QWidget *w = m_binder->widget(p.field);
        QString caption = w ? w->accessibleName() : QString();
        if (caption.isEmpty())
            caption = info ? fieldCaptions::own(*info) : p.field;
        if (info) // the code has its own column
            caption = fieldCaptions::withoutCode(caption, info->code);
        const int page = info ? info->page : -1;
        rows << ProblemPanel::Row{p.code, caption, p.entryTitle, p.message,
                                  table.pages().value(page), !p.blocking};
    }
    m_problemPanel->setRows(rows);
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
    PrintJob job(*m_document);
    m_document->kind().print(m_document->model(), job);
}

void CardEditor::printContinuation()
{
    if (!leaveFocusedField())
        return;
    PrintJob(*m_document).printContinuation();
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

void CardEditor::watchMarks(QWidget *field)
{
    field->installEventFilter(this);
}

bool CardEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (const auto it = m_clickFields.constFind(watched); it != m_clickFields.constEnd())
            clickField(*it);
    }
    // A key marks the card only when it changed a value the card keeps: Escape, a copy,
    // a move of the cursor change nothing.
    if (event->type() == QEvent::KeyPress)
        m_changedByClerk = false;
    if (event->type() == QEvent::KeyRelease && std::exchange(m_changedByClerk, false))
        m_document->markModified();
    return PagedWindow::eventFilter(watched, event);
}
