#include "cli/orgs_command.h"

#include "cardfile/atomic_write.h"
#include "cli/console_platform.h"
#include "orgs/org_import.h"
#include "orgs/org_store.h"
#include "system/console.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kOk = 0;
constexpr int kProblems = 1;
constexpr int kUsage = 2;
constexpr int kBusyWaitMs = 120000;

int usage(const QString &text)
{
    printError(u"zorvat-card: "_s + text);
    printError(u"Довідка: zorvat-card orgs --help"_s);
    return kUsage;
}

QStringList values(const Organisation &o)
{
    return {o.kind, o.code, o.fullName, o.shortName, o.city, o.address, o.phone, o.email, o.subordination,
            o.savedAt.toString(Qt::ISODate), o.source};
}

const QStringList kHeader = {u"kind"_s, u"code"_s, u"fullName"_s, u"shortName"_s, u"city"_s, u"address"_s,
                             u"phone"_s, u"email"_s, u"subordination"_s, u"savedAt"_s, u"source"_s};

QString csvField(QString text)
{
    // A spreadsheet runs a cell that starts with one of these as a formula
    // (=HYPERLINK(...)): a leading apostrophe, which it does not show, keeps the cell text.
    static const QString formulaStarts = u"=+-@\t\r"_s;
    const bool formula = !text.isEmpty() && formulaStarts.contains(text.front());
    if (formula)
        text.prepend(u'\'');
    if (!formula && !text.contains(u'"') && !text.contains(u',') && !text.contains(u'\n') && !text.contains(u'\r')
        && !text.contains(u';'))
        return text;
    text.replace(u"\""_s, u"\"\""_s);
    return u'"' + text + u'"';
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields)
        quoted << csvField(f);
    return quoted.join(u',') + u"\r\n"_s;
}

// One field of a listed line: a tab, line end or NUL in a value would split or cut the
// line, so each is written as its escape (and the backslash as two).
QString listField(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\"_s;
            break;
        case u'\t':
            out += u"\\t"_s;
            break;
        case u'\n':
            out += u"\\n"_s;
            break;
        case u'\r':
            out += u"\\r"_s;
            break;
        case 0:
            out += u"\\0"_s;
            break;
        default:
            out += c;
        }
    }
    return out;
}

int failed(const OrgStore &store)
{
    printError(store.error());
    return kUsage;
}

int list(OrgStore &store, bool json)
{
    const QList<Organisation> orgs = store.all();
    if (!store.error().isEmpty())
        return failed(store);
    if (json) {
        QJsonArray array;
        for (const Organisation &o : orgs) {
            QJsonObject object;
            const QStringList v = values(o);
            for (int i = 0; i < kHeader.size(); ++i)
                object.insert(kHeader.at(i), v.at(i));
            array.append(object);
        }
        console::write(stdout, QJsonDocument(array).toJson(QJsonDocument::Indented));
        return kOk;
    }
    for (const Organisation &o : orgs) {
        QStringList fields = values(o).mid(0, 9);
        for (QString &f : fields)
            f = listField(f);
        printOut(fields.join(u'\t'));
    }
    return kOk;
}

int exportCsv(OrgStore &store, const QString &path)
{
    const QList<Organisation> orgs = store.all();
    if (!store.error().isEmpty())
        return failed(store);
    // UTF-8 with its mark, so that spreadsheets show the Cyrillic as it is.
    QString text = QChar(0xFEFF) + csvLine(kHeader);
    for (const Organisation &o : orgs)
        text += csvLine(values(o));
    // As a card is written: all or nothing, and never said done when it was not.
    const WriteResult written = writeFileAtomically(path, text.toUtf8());
    if (!written.ok) {
        printError(u"zorvat-card: "_s + written.message);
        return kUsage;
    }
    printOut(u"Записано організацій: %1."_s.arg(orgs.size()));
    return kOk;
}

} // namespace

int runOrgs(const QStringList &args, bool json)
{
    const QString action = args.value(0);
    const QStringList rest = args.mid(1);
    if (json && action != u"list"_s)
        return usage(u"--json діє лише з orgs list"_s);
    OrgStore store;
    // A batch waits for another program writing the directory (an import in another
    // window) instead of failing, and says why it waits.
    store.setBusyWait(kBusyWaitMs);
    if (store.isBeingWritten())
        printError(u"zorvat-card: довідник організацій зараз записує інша програма; чекаю, доки вона закінчить "
                   u"(не довше %1 с)."_s.arg(kBusyWaitMs / 1000));
    if (action == u"list"_s) {
        if (!rest.isEmpty())
            return usage(u"виклик: zorvat-card orgs list [--json]"_s);
        return list(store, json);
    }
    if (action == u"export"_s) {
        if (rest.size() != 1)
            return usage(u"виклик: zorvat-card orgs export FILE.csv"_s);
        return exportCsv(store, rest.constFirst());
    }
    if (action == u"import"_s) {
        if (rest.isEmpty())
            return usage(u"виклик: zorvat-card orgs import DIR..."_s);
        const OrgImport result = importCards(store, rest);
        for (const QString &problem : result.problems)
            printError(problem);
        printOut(u"Прочитано файлів карток: %1, організацій у них: %2."_s.arg(result.files).arg(result.organisations));
        if (!result.stored)
            return kUsage;
        return result.problems.isEmpty() ? kOk : kProblems;
    }
    return usage(action.isEmpty() ? u"після orgs треба вказати import, list або export"_s
                                  : u"невідома дія orgs «%1»: має бути import, list або export"_s.arg(action));
}
