#pragma once

#include "app/template_form.h"
#include "fields/card_kind.h"

class CardDocument;
class QAction;
class QLabel;
class QToolButton;

// The editor window every card type shares: the "&Файл" menu, the speed buttons,
// "&Кінець введення" and the commands that act on the card's document. Each card's
// editor adds its tab pages and fields.
class CardEditor : public TfrmTemplate
{
    Q_OBJECT
public:
    struct Options
    {
        QString saveText = QStringLiteral("Записати як...");
        QString printText = QStringLiteral("Друк");
        QString continuationName = QStringLiteral("N5");     // menu item of the continuation sheets
        QString continuationText = QStringLiteral("Друк листів продовжень");
        int hintShowAfter = 400;
        int hintHideAfter = 20000;
    };

    CardEditor(const CardKind &kind, const Options &options, QWidget *parent = nullptr);
    ~CardEditor() override;

    CardType cardType() const { return m_kind.type(); }
    const CardKind &kind() const { return m_kind; }
    CardDocument &document() { return *m_document; }

    // The save prompt of this editor: false when the user cancelled.
    bool savePrompt();

    // Commands of the "&Файл" menu and the speed buttons.
    void newCard();
    void openCard();
    bool saveCard();
    void endInput();
    virtual void printCard();
    virtual void printContinuation();
    void exitEditor();

    // A key released in `field` marks the card modified.
    void watchMarks(QWidget *field);

signals:
    // "Новий": the main window creates a fresh editor of this type.
    void newRequested(CardType type);
    void helpRequested();

protected:
    // Widgets show the model again (after an open or a clearing).
    virtual void refreshFromModel() {}
    // Widgets hand their texts to the model before the card is saved or printed.
    virtual void commitToModel() {}

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateState();

    const CardKind &m_kind;
    CardDocument *m_document;
    QAction *m_actNew;
    QAction *m_actOpen;
    QAction *m_actSave;
    QAction *m_actPrint;
    QAction *m_actContinuation;
    QAction *m_actExit;
    QAction *m_actHelp;
    QToolButton *m_btnNew;
    QToolButton *m_btnOpen;
    QToolButton *m_btnSave;
    QToolButton *m_btnPrint;
    QToolButton *m_btnContinuation;
};
