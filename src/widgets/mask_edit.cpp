#include "widgets/mask_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

MaskEdit::MaskEdit(QWidget *parent) : MaskEdit(QString(), parent)
{
}

MaskEdit::MaskEdit(const QString &mask, QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &MaskEdit::plainTextChanged);
    connect(this, &QLineEdit::textEdited, this, &MaskEdit::plainTextEdited);
    setMask(mask);
    m_lastValue = value();
    m_ready = true;
}

void MaskEdit::setMask(const QString &mask)
{
    if (m_ready && mask == m_mask.source())
        return;
    const EditMask old = m_mask;
    const QString oldValue = value();
    m_mask = EditMask(mask);
    if (isMasked()) {
        setMaxLength(qMax(m_mask.size(), 1));
        setAcceptDrops(false);
        m_edit = m_mask.editText(m_mask.refit(oldValue, old));
        display(m_edit, qMin(cursorPosition(), m_mask.size()));
    } else {
        m_edit = QString();
        setAcceptDrops(true);
        setMaxLength(m_plainMaxLength > 0 ? m_plainMaxLength : 32767);
        setText(oldValue);
    }
    const QString v = value();
    if (v != m_lastValue) {
        m_lastValue = v;
        emit valueChanged(v);
    }
}

QString MaskEdit::value() const
{
    return isMasked() ? m_mask.valueOf(m_edit) : text();
}

void MaskEdit::setValue(const QString &value)
{
    if (!isMasked()) {
        setText(value);
        return;
    }
    const QString edit = m_mask.editText(value);
    if (edit != m_edit)
        apply({edit, qMin(cursorPosition(), m_mask.size()), true}, false);
}

bool MaskEdit::isBlank() const
{
    return isMasked() ? m_mask.isBlank(value()) : text().trimmed().isEmpty();
}

void MaskEdit::setPlainMaxLength(int length)
{
    m_plainMaxLength = length;
    if (!isMasked())
        setMaxLength(length > 0 ? length : 32767);
}

void MaskEdit::display(const QString &editText, int cursor)
{
    const QString shown = m_mask.displayText(editText);
    m_showing = true;
    if (text() != shown)
        setText(shown);
    setCursorPosition(qBound(0, cursor, int(shown.size())));
    m_showing = false;
}

void MaskEdit::apply(const EditMask::Edit &edit, bool byUser)
{
    m_edit = edit.text;
    display(m_edit, edit.cursor);
    const QString v = value();
    if (v == m_lastValue)
        return;
    m_lastValue = v;
    if (byUser)
        emit valueEdited(v);
    emit valueChanged(v);
}

void MaskEdit::plainTextChanged(const QString &text)
{
    if (isMasked()) {
        if (!m_showing)
            rawEdited(text);
        return;
    }
    if (text != m_lastValue) {
        m_lastValue = text;
        emit valueChanged(text);
    }
}

void MaskEdit::plainTextEdited(const QString &text)
{
    if (!isMasked())
        emit valueEdited(text);
}

// The line edit's text was set around the engine (QLineEdit::setText): it is taken as
// a value, position by position.
void MaskEdit::rawEdited(const QString &text)
{
    QString raw = text;
    if (m_mask.blankChar() != QLatin1Char(' ')) {
        for (int i = 0; i < raw.size(); ++i) {
            if (m_mask.isSlot(i) && raw.at(i) == m_mask.blankChar())
                raw[i] = QLatin1Char(' ');
        }
    }
    apply({m_mask.editText(raw), cursorPosition(), true}, false);
}

void MaskEdit::typeText(const QString &typed)
{
    const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    const int selLength = hasSelectedText() ? int(selectedText().size()) : 0;
    const EditMask::Edit e = m_mask.typeText(m_edit, selStart, selLength, typed);
    if (!e.accepted) {
        if (!typed.isEmpty())
            emit inputRefused(typed.at(0));
        return;
    }
    apply(e, true);
}

void MaskEdit::pasteClipboard()
{
    const QString clip = QApplication::clipboard()->text();
    const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    const int selLength = hasSelectedText() ? int(selectedText().size()) : 0;
    const EditMask::Edit e = m_mask.paste(m_edit, selStart, selLength, clip);
    if (e.accepted)
        apply(e, true);
}

void MaskEdit::copySelection()
{
    if (!hasSelectedText())
        return;
    QApplication::clipboard()->setText(m_edit.mid(selectionStart(), selectedText().size()));
}

void MaskEdit::deleteSelection()
{
    if (!hasSelectedText())
        return;
    const int start = selectionStart();
    apply({m_mask.cleared(m_edit, start, int(selectedText().size())), start, true}, true);
}

void MaskEdit::cutSelection()
{
    copySelection();
    deleteSelection();
}

void MaskEdit::keyPressEvent(QKeyEvent *event)
{
    if (!isMasked() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event == QKeySequence::Paste) {
        pasteClipboard();
        event->accept();
        return;
    }
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    if (event == QKeySequence::Cut) {
        cutSelection();
        event->accept();
        return;
    }
    if (event == QKeySequence::Undo || event == QKeySequence::Redo || event == QKeySequence::DeleteStartOfWord
        || event == QKeySequence::DeleteEndOfWord || event == QKeySequence::DeleteEndOfLine
        || event == QKeySequence::DeleteCompleteLine) {
        event->accept();
        return;
    }
    const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    const int selLength = hasSelectedText() ? int(selectedText().size()) : 0;
    if (event->key() == Qt::Key_Backspace) {
        const EditMask::Edit e = m_mask.backspace(m_edit, selStart, selLength);
        if (e.accepted)
            apply(e, true);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        const EditMask::Edit e = m_mask.remove(m_edit, selStart, selLength);
        if (e.accepted)
            apply(e, true);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool command = (mods & Qt::MetaModifier)
        || ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)); // AltGr is Ctrl+Alt on Windows
    bool printable = !typed.isEmpty() && !command;
    for (const QChar ch : typed)
        printable = printable && ch.isPrint();
    if (printable) {
        typeText(typed);
        event->accept();
        return;
    }
    // Navigation, Enter, shortcuts: the line edit's own handling, which must not edit.
    m_showing = true;
    QLineEdit::keyPressEvent(event);
    m_showing = false;
    if (text() != m_mask.displayText(m_edit))
        display(m_edit, cursorPosition());
}

void MaskEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!isMasked() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (!event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

QMenu *MaskEdit::createContextMenu()
{
    if (!isMasked())
        return createStandardContextMenu();
    auto *menu = new QMenu(this);
    QAction *cut = menu->addAction(u"Вирізати"_s, this, &MaskEdit::cutSelection);
    QAction *copy = menu->addAction(u"Копіювати"_s, this, &MaskEdit::copySelection);
    QAction *paste = menu->addAction(u"Вставити"_s, this, &MaskEdit::pasteClipboard);
    QAction *del = menu->addAction(u"Видалити"_s, this, &MaskEdit::deleteSelection);
    menu->addSeparator();
    menu->addAction(u"Виділити все"_s, this, &QLineEdit::selectAll);
    paste->setObjectName(u"edit-paste"_s);
    cut->setEnabled(hasSelectedText() && !isReadOnly());
    copy->setEnabled(hasSelectedText());
    paste->setEnabled(!isReadOnly() && !QApplication::clipboard()->text().isEmpty());
    del->setEnabled(hasSelectedText() && !isReadOnly());
    return menu;
}

void MaskEdit::contextMenuEvent(QContextMenuEvent *event)
{
    if (!isMasked()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu *menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
