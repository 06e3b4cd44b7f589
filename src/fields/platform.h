#pragma once

#include <QList>
#include <QString>

class PageLayout;

// A file dialog's settings.
struct FileChoice
{
    QString filter;        // e.g. "Текстові файли|*.txt": description and patterns
    QString defaultSuffix; // appended when the name typed has no extension; may be empty
    QString initialName;   // name offered in the dialog; relative names start in `directory`
    QString directory;     // folder the dialog starts in
};

// Everything that would block or touch the desktop. The program installs the Qt
// implementation; tests install a scripted fake.
class Platform
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Platform() = default;

    // A plain message with an OK button.
    virtual void message(const QString &text) = 0;
    // A question with a question icon and the buttons Yes, No and Cancel.
    virtual Answer question(const QString &caption, const QString &text) = 0;
    // The confirmation dialog with the buttons "&Так", "&Ні" and "&Відмова".
    virtual Answer confirm(const QString &caption, const QString &text) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString chooseOpenFile(const FileChoice &choice) = 0;
    virtual QString chooseSaveFile(const FileChoice &choice) = 0;
    // A folder chosen, starting in `directory`; empty when cancelled (and where nothing
    // can be asked).
    virtual QString chooseFolder(const QString &caption, const QString &directory)
    {
        Q_UNUSED(caption) Q_UNUSED(directory) return {};
    }
    // A failed file operation: the text names the file and the reason.
    virtual void ioError(const QString &text) = 0;
    virtual void beep() = 0;
    // Shows the pages as one report in the print preview, from which the user prints;
    // `title` names the document for the printer (the job in the print queue).
    virtual void showPreview(const QList<const PageLayout *> &pages, const QString &title) = 0;

    static Platform &instance();
    // Installs `platform` (not owned) and returns the one it replaces.
    static Platform *install(Platform *platform);
};
