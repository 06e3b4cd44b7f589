#pragma once

#include "fields/card_kind.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class CardEditor;
class QAction;
class QMenu;

// MainWindow: the main window with the four card entries and "Вихід".
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Creates and shows a new editor of this type; it becomes the newest of its type.
    CardEditor *openEditor(CardType type);
    // The editor of this type created last, while it is open.
    CardEditor *newestEditor(CardType type) const;

    // "Вихід": asks the open editors in turn (OKD, OK, RK, then IK, then any older
    // editor with changes) and closes the main window unless one was cancelled.
    // True when the window closed.
    bool exitFlow();

    // A new help window.
    void showHelp(QWidget *owner);

    // At start: offers each recovery copy a program that ended abnormally left behind.
    // Yes opens it in a new editor of its type with the modified flag set, No deletes
    // it, Cancel keeps it for the next start.
    void offerRecovery();

    // "Останні картки": the card files used lately, each opening in the editor of its
    // type. The list is made anew from the settings whenever it opens, so that a file
    // gone since is marked and a file used in another window is there.
    void updateRecentCards();
    QMenu *recentCardsMenu() const { return m_recentMenu; }
    // "Сервіс" / "Перевіряти правопис": the spell check on or off, remembered.
    QAction *spellCheckAction() const { return m_spellAction; }
    // A card file of the list: in the editor its name tells, as from the command line;
    // a card saved under another name opens in the editor it was last used in.
    void openRecentCard(const QString &path, CardType type);

signals:
    void editorOpened(CardEditor *editor);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool askEditors();

    QPointer<CardEditor> m_newest[4];
    QList<QPointer<CardEditor>> m_all;
    bool m_exitAsked = false;
    QMenu *m_recentMenu;
    QAction *m_spellAction;
};
