#pragma once

#include "app/editor_options.h"

class CardDocument;
class CardEditor;
class QAction;
class QToolButton;

// The "&Файл" menu, "&Допомога", the speed buttons and the buttons under the pages of
// a card editor, wired to its commands, and their enabled state as the card's document
// says.
class EditorCommands
{
public:
    EditorCommands(CardEditor &editor, const EditorOptions &options);

    // Enables the items and buttons as the document allows now.
    void update(const CardDocument &document);

private:
    QAction *m_actSave;
    QAction *m_actPrint;
    QAction *m_actContinuation;
    QToolButton *m_btnSave;
    QToolButton *m_btnPrint;
    QToolButton *m_btnContinuation;
};
