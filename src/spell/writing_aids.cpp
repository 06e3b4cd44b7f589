#include "spell/writing_aids.h"

#include "fields/bilingual_texts.h"
#include "fields/card_document.h"
#include "fields/card_model.h"
#include "fields/common_rules.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"
#include "fields/platform.h"
#include "widgets/separator_guard.h"
#include "fields/transliteration.h"
#include "spell/spell_highlighter.h"
#include "spell/speller.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

using namespace Qt::Literals::StringLiterals;

namespace {

const char kHighlighterProperty[] = "zorvatSpellHighlighter";

QButtonGroup *buttonGroupOf(QWidget *radio)
{
    return radio ? radio->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The box layout that holds `w`, searched from `layout` down.
QBoxLayout *boxHolding(QLayout *layout, QWidget *w, int *index)
{
    if (!layout)
        return nullptr;
    if (auto *box = qobject_cast<QBoxLayout *>(layout); box && box->indexOf(w) >= 0) {
        *index = box->indexOf(w);
        return box;
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout *found = boxHolding(layout->itemAt(i)->layout(), w, index))
            return found;
    }
    return nullptr;
}

} // namespace

WritingAids::WritingAids(QWidget *window, FieldBinder &binder, CardDocument &document)
    : QObject(window), m_window(window), m_binder(&binder), m_document(&document)
{
    setObjectName(u"WritingAids"_s);
}

WritingAids *WritingAids::attach(QWidget *window, FieldBinder &binder, CardDocument &document)
{
    auto *aids = new WritingAids(window, binder, document);
    aids->attachSpelling();
    aids->attachTransliteration();
    return aids;
}

WritingAids *WritingAids::of(const QWidget *window)
{
    return window ? window->findChild<WritingAids *>(u"WritingAids"_s, Qt::FindDirectChildrenOnly)
                  : nullptr;
}

// ---- Spell check

void WritingAids::attachSpelling()
{
    for (const QString &name : m_binder->names()) {
        auto *memo = m_binder->widgetAs<QPlainTextEdit>(name);
        if (!memo)
            continue;
        auto *highlighter = new SpellHighlighter(memo->document());
        memo->setProperty(kHighlighterProperty, QVariant::fromValue<QObject *>(highlighter));
        memo->setContextMenuPolicy(Qt::CustomContextMenu);
        // A right click or the Menu key (the separator guard lets the event through to
        // here): the edit menu with the spelling's suggestions, like any context menu.
        connect(memo, &QWidget::customContextMenuRequested, this, [this, memo](const QPoint &pos) {
            QMenu *menu = spellMenu(memo, pos);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(memo->viewport()->mapToGlobal(pos));
        });
    }
    // A memo of a two-language text is checked in the language its selector shows.
    for (BilingualTexts *texts : m_document->model().languageTexts()) {
        for (int i = 0; i < texts->size(); ++i)
            followLanguage(texts->slot(i).field, texts->slot(i).languageField);
    }
}

void WritingAids::followLanguage(const QString &memo, const QString &languageField)
{
    SpellHighlighter *highlighter = this->highlighter(memo);
    QButtonGroup *group = buttonGroupOf(m_binder->widget(languageField));
    if (!highlighter || !group)
        return;
    const auto follow = [highlighter, group] {
        highlighter->setLanguage(group->checkedId() == 1 ? TextLanguage::English : TextLanguage::Ukrainian);
    };
    // Toggled by a click and by the program alike (an open puts the group back).
    connect(group, &QButtonGroup::idToggled, highlighter, follow);
    follow();
}

SpellHighlighter *WritingAids::highlighter(const QString &memo) const
{
    QWidget *w = m_binder->widget(memo);
    return w ? qobject_cast<SpellHighlighter *>(w->property(kHighlighterProperty).value<QObject *>()) : nullptr;
}

QMenu *WritingAids::spellMenu(QPlainTextEdit *memo, const QPoint &pos)
{
    QMenu *menu = memo->createStandardContextMenu(pos);
    separatorGuard::routePaste(menu, memo);
    auto *highlighter = qobject_cast<SpellHighlighter *>(memo->property(kHighlighterProperty).value<QObject *>());
    if (!highlighter)
        return menu;
    const std::optional<SpellHighlighter::Misspelt> wrong =
        highlighter->misspeltAt(memo->cursorForPosition(pos).position());
    if (!wrong)
        return menu;
    QAction *first = menu->actions().value(0);
    const QStringList suggestions =
        spelling::Speller::service().suggestions(wrong->word, highlighter->language(), 7);
    QPointer<QPlainTextEdit> target(memo);
    for (const QString &s : suggestions) {
        auto *action = new QAction(s, menu);
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        connect(action, &QAction::triggered, this, [this, target, start = wrong->start, length = wrong->length, s] {
            if (target)
                replaceWord(target, start, length, s);
        });
        menu->insertAction(first, action);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(u"Варіантів немає"_s, menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    menu->insertSeparator(first);
    auto *add = new QAction(u"Додати до словника"_s, menu);
    add->setObjectName(u"spellAdd"_s);
    connect(add, &QAction::triggered, this, [word = wrong->word] {
        QString error;
        if (!spelling::Speller::service().addToWordList(word, &error) && !error.isEmpty())
            Platform::instance().message(error);
    });
    menu->insertAction(first, add);
    auto *skip = new QAction(u"Пропустити"_s, menu);
    skip->setObjectName(u"spellSkip"_s);
    connect(skip, &QAction::triggered, this, [word = wrong->word] { spelling::Speller::service().ignore(word); });
    menu->insertAction(first, skip);
    if (first)
        menu->insertSeparator(first);
    return menu;
}

void WritingAids::replaceWord(QPlainTextEdit *memo, int start, int length, const QString &word)
{
    QTextCursor cursor(memo->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.insertText(word);
    // As typed: the card waits for "&Кінець введення" again.
    m_document->markModified();
}

// ---- Transliteration

QStringList WritingAids::personFields(const QString &languageField) const
{
    QStringList out;
    for (BilingualTexts *texts : m_document->model().languageTexts()) {
        for (int i = 0; i < texts->size(); ++i) {
            const BilingualSlot &slot = texts->slot(i);
            if (slot.personName && (languageField.isEmpty() || slot.languageField == languageField))
                out << slot.field;
        }
    }
    return out;
}

void WritingAids::attachTransliteration()
{
    QStringList groups;
    for (BilingualTexts *texts : m_document->model().languageTexts()) {
        for (int i = 0; i < texts->size(); ++i) {
            if (texts->slot(i).personName && !groups.contains(texts->slot(i).languageField))
                groups << texts->slot(i).languageField;
        }
    }
    for (const QString &languageField : std::as_const(groups)) {
        QWidget *radio = m_binder->widget(languageField);
        if (!radio || !radio->parentWidget())
            continue;
        auto *button = new QPushButton(u"Транслітерувати"_s, radio->parentWidget());
        button->setObjectName(u"translit_"_s + languageField);
        button->setToolTip(u"Ім'я англійською з українського за офіційною транслітерацією (Ctrl+T)"_s);
        // Ctrl+T works from the name's field; a click must not take the focus from it,
        // nor run the rule that asks for the English name the click is about to fill.
        button->setFocusPolicy(Qt::NoFocus);
        button->setProperty(ExitWiring::kActsOnFocusField, true);
        int index = -1;
        if (QBoxLayout *box = boxHolding(radio->parentWidget()->layout(), radio, &index))
            box->insertWidget(index + 1, button, 0, Qt::AlignVCenter);
        else
            button->move(radio->geometry().topRight() + QPoint(8, 0));
        connect(button, &QPushButton::clicked, this, [this, languageField] {
            // The name being typed first, when the focus is in one of the group's fields.
            QWidget *focus = QApplication::focusWidget();
            const QStringList fields = personFields(languageField);
            if (focus && fields.contains(focus->objectName()))
                transliterate({focus->objectName()});
            else
                transliterate(fields);
        });
        m_buttons << button;
    }
    if (groups.isEmpty())
        return;
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), m_window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &WritingAids::transliterateFocused);
}

QPushButton *WritingAids::transliterateButton(const QString &languageField) const
{
    for (const QPointer<QPushButton> &b : m_buttons) {
        if (b && b->objectName() == u"translit_"_s + languageField)
            return b;
    }
    return nullptr;
}

void WritingAids::transliterateFocused()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && personFields().contains(focus->objectName())) {
        transliterate({focus->objectName()});
        return;
    }
    for (const QPointer<QPushButton> &b : std::as_const(m_buttons)) {
        if (b && b->isVisible()) {
            b->click();
            return;
        }
    }
    Platform::instance().beep();
}

bool WritingAids::transliterate(const QStringList &fields)
{
    CardModel &model = m_document->model();
    struct Change
    {
        BilingualTexts *texts;
        int which;
        QString before;
        QString after;
    };
    QList<Change> changes;
    QStringList groups;
    bool anyField = false;
    for (BilingualTexts *texts : model.languageTexts()) {
        for (int i = 0; i < texts->size(); ++i) {
            if (!texts->slot(i).personName || !fields.contains(texts->slot(i).field))
                continue;
            anyField = true;
            if (!groups.contains(texts->slot(i).languageField))
                groups << texts->slot(i).languageField;
        }
    }
    if (!anyField)
        return false;
    // What the fields show belongs to the language selected, as when they are left:
    // every field of the group, since the group turns to English below.
    QList<BilingualTexts *> all = model.languageTexts();
    for (BilingualTexts *texts : all) {
        for (int i = 0; i < texts->size(); ++i) {
            if (groups.contains(texts->slot(i).languageField))
                texts->keepShown(model, i);
        }
    }
    for (BilingualTexts *texts : all) {
        for (int i = 0; i < texts->size(); ++i) {
            if (!texts->slot(i).personName || !fields.contains(texts->slot(i).field))
                continue;
            const QString ukrainian = texts->text(i, TextLanguage::Ukrainian).simplified();
            if (ukrainian.isEmpty())
                continue;
            // A letter the table has not (ы, ё) would stay Cyrillic in the English name.
            if (const QString foreign = foreignCyrillic(ukrainian); !foreign.isEmpty()) {
                Platform::instance().message(
                    u"У імені «%1» є літери, яких немає в українській абетці: %2. Виправте ім'я "
                                   "українською мовою."_s
                        .arg(ukrainian, foreign));
                return false;
            }
            changes.append({texts, i, texts->text(i, TextLanguage::English), ::transliterate(ukrainian)});
        }
    }
    if (changes.isEmpty()) {
        Platform::instance().message(
            u"Спершу введіть прізвище, ім'я та по батькові українською мовою."_s);
        return false;
    }
    QStringList replaced;
    for (const Change &c : std::as_const(changes)) {
        if (!c.before.trimmed().isEmpty() && c.before != c.after)
            replaced << u"«%1» на «%2»"_s.arg(c.before, c.after);
    }
    if (!replaced.isEmpty()) {
        const QString text = replaced.size() == 1
            ? u"Замінити ім'я англійською мовою %1?"_s.arg(replaced.constFirst())
            : u"Замінити імена англійською мовою:\n%1?"_s.arg(replaced.join(u",\n"_s));
        if (Platform::instance().question(u"Транслітерація"_s, text) != Platform::Answer::Yes)
            return false;
    }
    for (const Change &c : std::as_const(changes))
        c.texts->setText(c.which, TextLanguage::English, c.after);
    // The clerk sees the English names just made.
    for (const QString &group : std::as_const(groups)) {
        model.setText(group, u"1"_s);
        for (BilingualTexts *texts : all)
            commonRules::languageChosen(model, *texts, group);
    }
    m_binder->refresh();
    m_document->markModified();
    return true;
}
