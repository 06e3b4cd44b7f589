#pragma once

#include "fields/card_kind.h"

#include <QString>
#include <QStringList>

// The names and file dialog settings every card type states.
struct CardNames
{
    CardType type;
    QString id;
    QString windowCaption;
    QString promptCaption;
    QString cardName;
    QString openedCaptionPrefix; // followed by the path
    QString defaultFileName;
    bool openAllFiles;
    bool openDefaultTxt;
    bool saveFromHomeDir;
    // Files named "rk"/"RK"..., "ok"/"OK"... opened here are warned about.
    bool warnRk = false;
    bool warnOk = false;

    QStringList openWarnings(const QString &bareName) const;
};
