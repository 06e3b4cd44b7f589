#pragma once

#include <QString>

// Where the program keeps the clerk's data and looks for its dictionaries, as one
// object for the whole run. An empty place is the standard one, which the part that
// uses it knows (the user's folders; the dictionaries beside the program or Debian's).
// The program leaves them all standard; a test program gives each a place of its own,
// so that no test touches the clerk's data.
struct DataPlaces
{
    QString settingsFile;      // zorvat.ini
    QString recoveryFolder;    // recovery copies of unsaved cards
    QString organisationsFile; // the directory of organisations
    QString wordListFile;      // the clerk's own words
    QString dictionaryFolder;  // Hunspell's uk_UA and en_US

    static const DataPlaces &current();
    // Uses `places` from now on and returns the ones used before.
    static DataPlaces use(const DataPlaces &places);
};
