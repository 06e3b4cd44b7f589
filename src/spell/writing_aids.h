#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class CardDocument;
class FieldBinder;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class SpellHighlighter;
class QWidget;

// The writing aids of an editor window: the spell check of its memos (each in the
// language its selector shows) with the suggestions in their context menu, and the
// English form of a person's name from the Ukrainian one ("Транслітерувати" beside the
// name's language selector, Ctrl+T in the name's field).
class WritingAids : public QObject
{
    Q_OBJECT
public:
    // Attaches the aids to every field `binder` built in `window`.
    static WritingAids *attach(QWidget *window, FieldBinder &binder, CardDocument &document);
    // The aids of an editor window, nullptr when it has none.
    static WritingAids *of(const QWidget *window);

    SpellHighlighter *highlighter(const QString &memo) const;
    // The context menu of `memo` at `pos` (viewport coordinates): for a misspelt word
    // up to seven suggestions, "Додати до словника" and "Пропустити", then the usual
    // edit items. The caller owns it.
    QMenu *spellMenu(QPlainTextEdit *memo, const QPoint &pos);

    // The English names of `fields` (person names) from their Ukrainian ones: an empty
    // name is filled, a filled one that differs is replaced only after a question. The
    // fields show the English names then, and the card is modified. False when nothing
    // changed.
    bool transliterate(const QStringList &fields);
    // Ctrl+T: the name in the field with the focus, else the names of the page's button.
    void transliterateFocused();
    // The button beside `languageField`, nullptr for a group without person names.
    QPushButton *transliterateButton(const QString &languageField) const;

private:
    WritingAids(QWidget *window, FieldBinder &binder, CardDocument &document);
    void attachSpelling();
    void attachTransliteration();
    void followLanguage(const QString &memo, const QString &languageField);
    QStringList personFields(const QString &languageField = {}) const;
    void replaceWord(QPlainTextEdit *memo, int start, int length, const QString &word);

    QWidget *m_window;
    FieldBinder *m_binder;
    CardDocument *m_document;
    QList<QPointer<QPushButton>> m_buttons;
};
