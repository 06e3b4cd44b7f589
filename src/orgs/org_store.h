#pragma once

#include "orgs/organisation.h"

#include <QList>
#include <QString>

class QSqlDatabase;

#include <optional>

// The directory of organisations: a SQLite database in the user's data folder, one row
// per kind and code with the values last saved and when. Every call opens what it needs
// and reports a failure (a locked, full, read-only or damaged file) as error(), never
// by throwing or stopping; the caller carries on without the directory.
class OrgStore
{
public:
    // The database file: DataPlaces' when it names one, else the user's.
    static QString defaultFile();

    explicit OrgStore(const QString &path = defaultFile());
    ~OrgStore();
    OrgStore(const OrgStore &) = delete;
    OrgStore &operator=(const OrgStore &) = delete;

    QString path() const { return m_path; }
    // How long a call waits for another program writing the directory: a moment for the
    // windows, which must never freeze; longer for batch work.
    void setBusyWait(int ms) { m_busyWaitMs = ms; }
    // Whether another program is writing the directory right now.
    bool isBeingWritten() const;
    // What went wrong last, in Ukrainian; empty after a call that succeeded.
    QString error() const { return m_error; }

    // Stores the organisations, each merged with what the directory holds: the values
    // saved later win, and an empty value never wipes a stored one. False on failure,
    // when nothing is stored.
    bool remember(const QList<Organisation> &orgs);
    std::optional<Organisation> find(const QString &kind, const QString &code);
    // Codes of `kind` starting with `prefix`, in code order.
    QList<Organisation> byCode(const QString &kind, const QString &prefix, int limit);
    // Full or short names of `kind` (any kind when empty) holding `text`, letter case aside.
    QList<Organisation> byName(const QString &kind, const QString &text, int limit);
    // Everything whose code, names or city hold `filter`, by name.
    QList<Organisation> all(const QString &filter = {});
    int count();
    // Replaces the entry stored under `kind` and `code` by `org` (which may have a new code).
    bool replace(const QString &kind, const QString &code, const Organisation &org);
    bool remove(const QString &kind, const QString &code);
    bool clear();

private:
    bool open();
    bool beginWrite(QSqlDatabase &db);
    bool fail(const QString &what);
    bool write(const Organisation &org);

    QString m_path;
    QString m_connection;
    int m_busyWaitMs = 300;
    QString m_error;
    bool m_open = false;
};

// A problem of the directory is told to the clerk once a run: the first time through
// Platform, after that only kept for the directory window.
namespace orgProblems {
void report(const QString &text);
QString last();
void reset();
} // namespace orgProblems
