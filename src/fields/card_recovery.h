#pragma once

#include "fields/card_kind.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CardDocument;
class QLockFile;

// A recovery copy of one editor's card, so that nothing typed is lost when the
// program ends abnormally: the card text file of the card as it stands, written
// atomically into the user's data folder a few seconds after the last change. It is
// deleted when the card is saved or its changes are deliberately dropped (the modified
// flag goes back to 0), and offered at the next start when the program ended before.
// A lock beside the copy tells a running program's copies from those left behind; a
// program that offers or restores a copy left behind holds its lock too, so that two
// programs started close together never offer the same copy.
class CardRecovery : public QObject
{
    Q_OBJECT
public:
    // How long after the last change the copy is written.
    static constexpr int kDelayMs = 3000;

    explicit CardRecovery(CardDocument &document);
    // A card that still has unsaved changes keeps its copy (brought up to date);
    // otherwise the copy goes.
    ~CardRecovery() override;

    // Writes the copy now when a change waits for the timer.
    void flush();
    // Deletes the copy (the card was saved or its changes dropped).
    void discard();
    // Continues the copy at `path` (a card restored from it) under `held`, the lock
    // its claim took; without a held lock there is no copy to continue.
    void adopt(const QString &path, std::unique_ptr<QLockFile> held);
    // The copy's file; empty while there is none.
    QString path() const { return m_path; }
    bool pending() const { return m_timer.isActive(); }

    // The folder of the copies: DataPlaces' when it names one, else the application's
    // data folder.
    static QString folder();

    struct Copy
    {
        QString path;
        CardType type;
        QDateTime written;
    };
    // Copies left behind by a program that is no longer running, oldest first.
    static QList<Copy> leftBehind();
    // Takes the lock of a copy left behind for as long as the lock lives: no other
    // running program offers or restores the copy meanwhile. Null when another
    // program holds it or the copy is gone. Delete the copy before the lock goes.
    static std::unique_ptr<QLockFile> claim(const QString &path);
    // "Відновити незбережену картку «...» ...?"
    static QString offerText(const Copy &copy);

private:
    void stateChanged();
    void write();

    CardDocument &m_document;
    QTimer m_timer;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
