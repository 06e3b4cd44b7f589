#include "orgs/org_import.h"

#include "fields/card_kind.h"
#include "orgs/org_group.h"
#include "orgs/org_store.h"

#include <QDirIterator>
#include <QFileInfo>

using namespace Qt::StringLiterals;

OrgImport importCards(OrgStore &store, const QStringList &paths)
{
    OrgImport result;
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isFile()) {
            files << path;
            continue;
        }
        if (!info.isDir()) {
            result.problems << u"Теки «%1» немає."_s.arg(path);
            continue;
        }
        QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (cardKindOfFileName(file))
                files << file;
        }
    }
    QList<Organisation> found;
    for (const QString &file : files) {
        const CardKind *kind = cardKindOfFileName(file);
        if (!kind) {
            result.problems << u"«%1»: тип картки не видно з імені файлу (має починатися з RK, OK, OKD або IK, РК, ОК, ОКД, ІК)."_s.arg(file);
            continue;
        }
        QString error;
        if (!orgGroups::collectFromFile(*kind, file, &found, &error)) {
            result.problems << error;
            continue;
        }
        ++result.files;
    }
    result.organisations = int(found.size());
    // The store merges by the date of each card, whatever order the files came in.
    result.stored = store.remember(found);
    if (!result.stored)
        result.problems << store.error();
    return result;
}
