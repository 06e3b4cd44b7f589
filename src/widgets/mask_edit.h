#pragma once

#include "fields/edit_mask.h"

#include <QLineEdit>

class QMenu;

// A masked field driven by the edit-mask engine (not by QLineEdit::setInputMask, whose
// text() drops blanks and whose letter classes are ASCII only). It shows the blank
// character in empty positions; its value is the full text with literals and one
// blank in every empty position. Typing overwrites position by position and skips
// literals; Backspace and Delete empty positions; a paste fills positions from the
// cursor. Without a mask it is a plain one-line text field.
class MaskEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskEdit(QWidget *parent = nullptr);
    explicit MaskEdit(const QString &mask, QWidget *parent = nullptr);

    QString mask() const { return m_mask.source(); }
    const EditMask &editMask() const { return m_mask; }
    bool isMasked() const { return !m_mask.isEmpty(); }
    // A new mask (the person-kind switch: 8 or 10 digit places); the value keeps the
    // characters of its slots, in order.
    void setMask(const QString &mask);

    QString value() const;
    // Fitted to the mask position by position ("    U" shows as "    U       ").
    void setValue(const QString &value);
    void clearValue() { setValue(QString()); }
    // Only blanks in the slots.
    bool isBlank() const;
    // The edit text: one character per position, blanks as blanks.
    QString editText() const { return m_edit; }

    // The length limit of the field without a mask.
    void setPlainMaxLength(int length);

    // The field's context menu (the caller shows and frees it). Its "Paste" action is
    // named "edit-paste", as in Qt's own menus, so that the field factory can route it.
    QMenu *createContextMenu();

signals:
    // The value changed by the user: typing, deleting, pasting, cutting.
    void valueEdited(const QString &value);
    // The value changed, by the user or the program.
    void valueChanged(const QString &value);
    // A key the mask does not take at the cursor.
    void inputRefused(QChar ch);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void apply(const EditMask::Edit &edit, bool byUser);
    void display(const QString &editText, int cursor);
    void typeText(const QString &text);
    void pasteClipboard();
    void copySelection();
    void cutSelection();
    void deleteSelection();
    void plainTextChanged(const QString &text);
    void plainTextEdited(const QString &text);
    void rawEdited(const QString &text);

    EditMask m_mask;
    QString m_edit;         // the edit text of a masked field
    QString m_lastValue;
    int m_plainMaxLength = 0;
    bool m_showing = false; // the widget's text is being set from m_edit
    bool m_ready = false;   // constructed
};
