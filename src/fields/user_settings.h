#pragma once

#include "fields/card_kind.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What the program remembers for the clerk from one run to the next, in one settings
// file in the user's configuration folder ("ЗОРВАТ/zorvat.ini" there: ~/.config on
// Linux, %APPDATA% on Windows): per card type the folders its file dialogs were last
// in and the place of its editor window, and the card files used last.
namespace userSettings {

// The settings file: DataPlaces' when it names one, else the user's.
QString file();

enum class Dialog { Open, Save };

// The folder the open or save dialog of a card type starts in: the folder of the file
// last chosen in that dialog while the folder still exists, else the home folder.
QString dialogFolder(CardType type, Dialog dialog);
// `chosen` was picked in that dialog: its folder is where the dialog starts next time.
void rememberDialogFolder(CardType type, Dialog dialog, const QString &chosen);

// The editor window's size and place (QWidget::saveGeometry), empty when none was kept.
QByteArray windowGeometry(CardType type);
void setWindowGeometry(CardType type, const QByteArray &geometry);

// A card file used lately and the type of the editor it was used in.
struct RecentCard
{
    QString path;
    CardType type;
};

constexpr int kRecentCards = 8;

// The card files opened or saved lately, newest first, each once.
QList<RecentCard> recentCards();
// `path` was opened or saved in an editor of `type`: it goes to the top of the list,
// and the oldest beyond kRecentCards falls off.
void addRecentCard(const QString &path, CardType type);

// Misspelt words are underlined in the cards' texts; on unless the clerk switched it off.
bool spellChecking();
void setSpellChecking(bool on);

// A save stores the card's organisations in the directory; on unless switched off.
bool rememberOrganisations();
void setRememberOrganisations(bool on);

} // namespace userSettings
