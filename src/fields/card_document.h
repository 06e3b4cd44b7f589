#pragma once

#include "cardfile/card_reader.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "fields/user_settings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class CardRecovery;
class QLockFile;

// One editor's card and its file state: the model, the save and opened names, the
// modified flag and what may be saved or printed. The commands that touch files or
// ask the user run here, through the platform seam, so they work without widgets.
class CardDocument : public QObject
{
    Q_OBJECT
public:
    explicit CardDocument(const CardKind &kind, QObject *parent = nullptr);
    ~CardDocument() override;

    const CardKind &kind() const { return m_kind; }
    CardModel &model() { return *m_model; }
    const CardModel &model() const { return *m_model; }

    bool modified() const { return m_modified; }
    void setModified(bool modified);
    // A key released in a marking field: the card is modified and the menu items
    // "Записати як..." and "Друк" wait for "&Кінець введення" again.
    void markModified();
    // A value the card saves changed, in any field and however: the card has unsaved
    // changes (the menu items stay as they are).
    void noteChange();

    QString saveName() const { return m_saveName; }
    QString openedName() const { return m_openedName; }
    QString caption() const { return m_caption; }

    // Menu items and speed buttons are enabled separately, as the editors do.
    bool saveItemEnabled() const { return m_saveItem; }
    bool printItemEnabled() const { return m_printItem; }
    bool saveButtonEnabled() const { return m_saveButton; }
    bool printButtonEnabled() const { return m_printButton; }
    bool continuationEnabled() const { return m_continuation; }
    // The menu item of the continuation sheets: as the button, unless it was enabled
    // on its own (an editor whose item starts enabled).
    bool continuationItemEnabled() const { return m_continuationItem; }
    void setSaveAndPrintEnabled(bool enabled); // items and buttons
    void setSaveAndPrintButtonsEnabled(bool enabled);
    void setPrintButtonEnabled(bool enabled);
    void setContinuationEnabled(bool enabled); // item and button
    void setContinuationItemEnabled(bool enabled);
    void endInput() { setSaveAndPrintEnabled(true); }


    // "Записати як...": asks for the name and writes the card. True when written.
    bool saveAs();
    // Runs before every save with a dialog ("Записати як..." and the "Так" of the save
    // questions): false keeps the card unwritten, the check having told the clerk why.
    void setSaveCheck(std::function<bool()> check) { m_saveCheck = std::move(check); }
    // Writes the card lines to `path` without a dialog; reports a failure through the
    // platform. True when written; then the flag is 0.
    bool saveTo(const QString &path);

    // The save prompt of "Новий", "Вихід" and the exit flow: false when cancelled or
    // when the save failed (the failure is reported and the card keeps its changes).
    bool savePrompt();

    // "Відкрити...": the question, the dialog, clearing and reading. True when a file was read.
    bool open();
    // Clears the card and reads `path` into it, as an open does after its dialog.
    ReadResult readFrom(const QString &path);
    // Reads the file chosen for "Відкрити..." and reports through the platform what
    // stopped or troubled the reading.
    void openChosen(const QString &path);

    // clearModel and what goes with it.
    void clearCard();

    // Keeps a recovery copy of the card while it has unsaved changes (editors do).
    void enableRecovery();
    // The file dialogs start in the folders last chosen in them for this card type, and
    // remember the folder of each file chosen (the program's editors do; userSettings).
    void rememberFolders() { m_rememberFolders = true; }
    CardRecovery *recovery() { return m_recovery.get(); }
    // Reads a recovery copy left behind into a fresh card: the card counts as modified and
    // goes on with that copy, under `held`, the lock CardRecovery::claim took; its names
    // and caption stay those of a fresh card, so the copy never takes the place of the
    // clerk's own file.
    ReadResult restoreFrom(const QString &path, std::unique_ptr<QLockFile> held);

signals:
    void stateChanged();   // flag, names, caption or enabled states
    void changed();        // a value changed (noteChange, markModified)
    void modelReplaced();  // values changed under the widgets: refresh them
    void opened();         // a file was read: first page current
    void fileUsed(const QString &path); // the card was written to or read from `path`
    void saved(const QString &path);    // the card was written to `path`

private:
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome saveWithDialog();
    bool confirmBeforeOpen();
    // Where a file dialog starts: the remembered folder, or the home folder.
    QString dialogFolder(userSettings::Dialog dialog) const;

    const CardKind &m_kind;
    std::unique_ptr<CardModel> m_model;
    std::function<bool()> m_saveCheck;
    bool m_modified = false;
    QString m_saveName;
    QString m_openedName;
    QString m_caption;
    bool m_saveItem = false;
    bool m_printItem = false;
    bool m_saveButton = false;
    bool m_printButton = false;
    bool m_continuation = false;
    bool m_continuationItem = false;
    bool m_rememberFolders = false;
    // Last: it looks at the flag and the model while it goes.
    std::unique_ptr<CardRecovery> m_recovery;
};

// "\" separates the items of a card line, so a value holding it would come back cut:
// a Ukrainian report naming every field (code, label, page) whose text or whose
// two-language text holds it, as they stand before a save; empty when none does.
QString separatorReport(const CardKind &kind, const CardModel &model);

// The bare name of a path: the text after the last "\" or "/".
QString bareFileName(const QString &path);
