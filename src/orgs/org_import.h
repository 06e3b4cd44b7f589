#pragma once

#include <QString>
#include <QStringList>

class OrgStore;

// Fills the directory from card files a clerk already has.
struct OrgImport
{
    int files = 0;          // card files read
    int organisations = 0;  // organisations found in them
    QStringList problems;   // Ukrainian, one per file or folder that could not be used
    bool stored = false;    // the directory took them
};

// Every card file (named RK, OK, OKD or IK...) under the folders, and the files named;
// an organisation found in several cards keeps the values of the newest one.
OrgImport importCards(OrgStore &store, const QStringList &paths);
