#include "fields/user_settings.h"

#include "fields/data_places.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace userSettings {

namespace {


std::unique_ptr<QSettings> open()
{
    return std::make_unique<QSettings>(file(), QSettings::IniFormat);
}

QString key(CardType type, const char *name)
{
    return cardKind(type).id() + QLatin1Char('/') + QLatin1String(name);
}

const char *folderKey(Dialog dialog)
{
    return dialog == Dialog::Open ? "openFolder" : "saveFolder";
}

// One file, however it was named: absolute, without "." and "..".
QString normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool sameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

void writeRecent(QSettings &settings, const QList<RecentCard> &cards)
{
    settings.remove(u"recentCards"_s);
    settings.beginWriteArray(u"recentCards"_s, int(cards.size()));
    for (int i = 0; i < cards.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(u"file"_s, cards.at(i).path);
        settings.setValue(u"card"_s, cardKind(cards.at(i).type).id());
    }
    settings.endArray();
}

} // namespace

QString file()
{
    if (const QString &own = DataPlaces::current().settingsFile; !own.isEmpty())
        return own;
    // An ASCII file name in a folder named like the program's data folder.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"ЗОРВАТ"_s, u"zorvat"_s)
        .fileName();
}

QString dialogFolder(CardType type, Dialog dialog)
{
    const QString folder = open()->value(key(type, folderKey(dialog))).toString();
    // A folder since removed, or on a stick no longer plugged in, is no place to start.
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

void rememberDialogFolder(CardType type, Dialog dialog, const QString &chosen)
{
    if (chosen.isEmpty())
        return;
    open()->setValue(key(type, folderKey(dialog)), QFileInfo(normalised(chosen)).path());
}

QByteArray windowGeometry(CardType type)
{
    // What the window saved is some sixty bytes; anything far larger was not written by it.
    const QByteArray geometry = open()->value(key(type, "window")).toByteArray();
    return geometry.size() <= 1024 ? geometry : QByteArray();
}

void setWindowGeometry(CardType type, const QByteArray &geometry)
{
    open()->setValue(key(type, "window"), geometry);
}

QList<RecentCard> recentCards()
{
    const auto settings = open();
    QList<RecentCard> cards;
    // The program writes at most kRecentCards entries: a size edited by hand to millions
    // must not keep the window from coming up.
    const int size = std::clamp(settings->beginReadArray(u"recentCards"_s), 0, kRecentCards);
    for (int i = 0; i < size; ++i) {
        settings->setArrayIndex(i);
        const QString path = settings->value(u"file"_s).toString();
        const CardKind *kind = cardKindById(settings->value(u"card"_s).toString());
        // An entry edited by hand into something unusable is passed by.
        if (path.isEmpty() || !kind)
            continue;
        const bool listed = std::any_of(cards.cbegin(), cards.cend(),
                                        [&path](const RecentCard &card) { return sameFile(card.path, path); });
        if (!listed)
            cards.append({path, kind->type()});
    }
    settings->endArray();
    return cards;
}

void addRecentCard(const QString &path, CardType type)
{
    if (path.isEmpty())
        return;
    const QString added = normalised(path);
    QList<RecentCard> cards = recentCards();
    cards.removeIf([&added](const RecentCard &card) { return sameFile(card.path, added); });
    cards.prepend({added, type});
    while (cards.size() > kRecentCards)
        cards.removeLast();
    writeRecent(*open(), cards);
}

bool spellChecking()
{
    return open()->value(u"spellChecking"_s, true).toBool();
}

void setSpellChecking(bool on)
{
    open()->setValue(u"spellChecking"_s, on);
}

bool rememberOrganisations()
{
    return open()->value(u"rememberOrganisations"_s, true).toBool();
}

void setRememberOrganisations(bool on)
{
    open()->setValue(u"rememberOrganisations"_s, on);
}

} // namespace userSettings
