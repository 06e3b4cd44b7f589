#include "orgs/org_store.h"

#include "fields/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include "fields/data_places.h"

#include <atomic>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString kColumns = u"kind, code, full_name, short_name, city, address, phone, email, subordination, saved_at, source"_s;

Organisation fromQuery(const QSqlQuery &q)
{
    Organisation o;
    o.kind = q.value(0).toString();
    o.code = q.value(1).toString();
    o.fullName = q.value(2).toString();
    o.shortName = q.value(3).toString();
    o.city = q.value(4).toString();
    o.address = q.value(5).toString();
    o.phone = q.value(6).toString();
    o.email = q.value(7).toString();
    o.subordination = q.value(8).toString();
    o.savedAt = QDateTime::fromString(q.value(9).toString(), Qt::ISODate);
    o.source = q.value(10).toString();
    return o;
}

// What the search looks in: names and city, letter case aside (SQLite folds ASCII only).
QString searchText(const Organisation &o)
{
    return (o.code + u'\n' + o.fullName + u'\n' + o.shortName + u'\n' + o.city).toLower();
}

// SQLite's own words for a failure, told in the clerk's.
QString reason(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const QString lower = text.toLower();
    if (lower.contains(u"locked"_s) || lower.contains(u"busy"_s))
        return u"файл зайнятий іншою програмою"_s;
    if (lower.contains(u"readonly"_s) || lower.contains(u"read-only"_s) || lower.contains(u"unable to open"_s))
        return u"файл недоступний для запису"_s;
    if (lower.contains(u"not a database"_s) || lower.contains(u"malformed"_s) || lower.contains(u"corrupt"_s))
        return u"файл пошкоджено"_s;
    if (lower.contains(u"full"_s))
        return u"на диску немає місця"_s;
    return text;
}

} // namespace

QString OrgStore::defaultFile()
{
    if (const QString &own = DataPlaces::current().organisationsFile; !own.isEmpty())
        return own;
    // A folder of its own, named by the caller (zorvat-card ZORVAT_DATA_DIR=... orgs).
    const QString own = qEnvironmentVariable("ZORVAT_DATA_DIR");
    if (!own.isEmpty())
        return own + u"/organisations.sqlite"_s;
    // The same place for the program and zorvat-card, which has another application name.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/ЗОРВАТ/organisations.sqlite"_s;
}

OrgStore::OrgStore(const QString &path) : m_path(path)
{
    static std::atomic<int> serial{0};
    m_connection = u"orgs-"_s + QString::number(++serial);
}

OrgStore::~OrgStore()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool OrgStore::fail(const QString &what)
{
    m_error = u"Довідник організацій (файл «%1»): %2. Картки записуються як завжди, але організації з них не "
              u"запам'ятовуються."_s.arg(QDir::toNativeSeparators(m_path), what);
    return false;
}

bool OrgStore::beginWrite(QSqlDatabase &db)
{
    // The write lock is taken at once: a transaction that reads first and then wants to
    // write while another program writes gets "busy" at once, without waiting its turn.
    QSqlQuery q(db);
    return q.exec(u"BEGIN IMMEDIATE"_s) || fail(reason(q.lastError()));
}

bool OrgStore::isBeingWritten() const
{
    if (!QFileInfo::exists(m_path) || !QSqlDatabase::isDriverAvailable(u"QSQLITE"_s))
        return false;
    bool busy = false;
    const QString name = m_connection + u"-probe"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=0"_s);
        if (db.open()) {
            QSqlQuery q(db);
            // Taking the write lock for a moment tells whether someone holds it.
            if (q.exec(u"BEGIN IMMEDIATE"_s))
                q.exec(u"ROLLBACK"_s);
            else
                busy = reason(q.lastError()) == u"файл зайнятий іншою програмою"_s;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return busy;
}

bool OrgStore::open()
{
    m_error.clear();
    if (m_open)
        return true;
    if (!QSqlDatabase::isDriverAvailable(u"QSQLITE"_s))
        return fail(u"немає модуля SQLite для Qt (пакет libqt6sql6-sqlite)"_s);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A connection that failed before is tried again, not added twice.
    QSqlDatabase db = QSqlDatabase::contains(m_connection) ? QSqlDatabase::database(m_connection, false)
                                                           : QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(m_path);
    // Another window or zorvat-card writing: wait as long as the caller allows.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(m_busyWaitMs));
    if (!db.open())
        return fail(reason(db.lastError()));
    QSqlQuery q(db);
    if (!q.exec(u"CREATE TABLE IF NOT EXISTS organisations (kind TEXT NOT NULL, code TEXT NOT NULL, "
                u"full_name TEXT, short_name TEXT, city TEXT, address TEXT, phone TEXT, email TEXT, "
                u"subordination TEXT, saved_at TEXT, source TEXT, search TEXT, PRIMARY KEY (kind, code))"_s)) {
        // A read-only file still serves the offers.
        if (!q.exec(u"SELECT count(*) FROM organisations"_s))
            return fail(reason(q.lastError()));
    }
    m_open = true;
    return true;
}

bool OrgStore::write(const Organisation &org)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"INSERT OR REPLACE INTO organisations (kind, code, full_name, short_name, city, address, phone, email, "
              u"subordination, saved_at, source, search) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (const QString &v : {org.kind, org.code, org.fullName, org.shortName, org.city, org.address, org.phone,
                             org.email, org.subordination, org.savedAt.toString(Qt::ISODate), org.source,
                             searchText(org)})
        q.addBindValue(v);
    return q.exec() || fail(reason(q.lastError()));
}

bool OrgStore::remember(const QList<Organisation> &orgs)
{
    if (orgs.isEmpty())
        return true;
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!beginWrite(db))
        return false;
    for (Organisation org : orgs) {
        if (!org.hasValidCode())
            continue;
        if (!org.savedAt.isValid())
            org.savedAt = QDateTime::currentDateTime();
        QSqlQuery q(db);
        q.prepare(u"SELECT "_s + kColumns + u" FROM organisations WHERE kind = ? AND code = ?"_s);
        q.addBindValue(org.kind);
        q.addBindValue(org.code);
        if (!q.exec()) {
            db.rollback();
            return fail(reason(q.lastError()));
        }
        if (q.next()) {
            const Organisation stored = fromQuery(q);
            org = stored.savedAt > org.savedAt ? org.mergedWith(stored) : stored.mergedWith(org);
        }
        if (!write(org)) {
            const QString error = m_error;
            db.rollback();
            m_error = error;
            return false;
        }
    }
    if (!db.commit()) {
        const QString why = reason(db.lastError());
        db.rollback();
        return fail(why);
    }
    return true;
}

std::optional<Organisation> OrgStore::find(const QString &kind, const QString &code)
{
    const QList<Organisation> found = byCode(kind, code, 1);
    if (found.isEmpty() || found.constFirst().code != code)
        return std::nullopt;
    return found.constFirst();
}

QList<Organisation> OrgStore::byCode(const QString &kind, const QString &prefix, int limit)
{
    QList<Organisation> result;
    if (!open())
        return result;
    // A range over the key, so that the index answers it: ":" follows "9".
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"SELECT "_s + kColumns
              + u" FROM organisations WHERE kind = ? AND code >= ? AND code < ? ORDER BY code LIMIT ?"_s);
    q.addBindValue(kind);
    q.addBindValue(prefix);
    q.addBindValue(prefix + u':');
    q.addBindValue(limit);
    if (!q.exec()) {
        fail(reason(q.lastError()));
        return result;
    }
    while (q.next())
        result << fromQuery(q);
    return result;
}

QList<Organisation> OrgStore::byName(const QString &kind, const QString &text, int limit)
{
    QList<Organisation> result;
    if (!open())
        return result;
    QStringList where;
    if (!kind.isEmpty())
        where << u"kind = ?"_s;
    if (!text.isEmpty())
        where << u"instr(search, ?) > 0"_s;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"SELECT "_s + kColumns + u" FROM organisations"_s
              + (where.isEmpty() ? QString() : u" WHERE "_s + where.join(u" AND "_s)) + u" ORDER BY full_name LIMIT ?"_s);
    if (!kind.isEmpty())
        q.addBindValue(kind);
    if (!text.isEmpty())
        q.addBindValue(text.toLower());
    q.addBindValue(limit);
    if (!q.exec()) {
        fail(reason(q.lastError()));
        return result;
    }
    while (q.next())
        result << fromQuery(q);
    return result;
}

QList<Organisation> OrgStore::all(const QString &filter)
{
    return byName({}, filter.trimmed(), 1000000);
}

int OrgStore::count()
{
    if (!open())
        return 0;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(u"SELECT count(*) FROM organisations"_s) || !q.next()) {
        fail(reason(q.lastError()));
        return 0;
    }
    return q.value(0).toInt();
}

bool OrgStore::replace(const QString &kind, const QString &code, const Organisation &org)
{
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!beginWrite(db))
        return false;
    QSqlQuery q(db);
    q.prepare(u"DELETE FROM organisations WHERE kind = ? AND code = ?"_s);
    q.addBindValue(kind);
    q.addBindValue(code);
    if (!q.exec() || !write(org)) {
        const QString why = q.lastError().isValid() ? reason(q.lastError()) : QString();
        db.rollback();
        return why.isEmpty() ? false : fail(why);
    }
    return db.commit() || fail(reason(db.lastError()));
}

bool OrgStore::remove(const QString &kind, const QString &code)
{
    if (!open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"DELETE FROM organisations WHERE kind = ? AND code = ?"_s);
    q.addBindValue(kind);
    q.addBindValue(code);
    return q.exec() || fail(reason(q.lastError()));
}

bool OrgStore::clear()
{
    if (!open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    return q.exec(u"DELETE FROM organisations"_s) || fail(reason(q.lastError()));
}

namespace orgProblems {

namespace {
bool g_told = false;
QString g_last;
} // namespace

void report(const QString &text)
{
    g_last = text;
    if (std::exchange(g_told, true))
        return;
    Platform::instance().message(text);
}

QString last()
{
    return g_last;
}

void reset()
{
    g_told = false;
    g_last.clear();
}

} // namespace orgProblems
