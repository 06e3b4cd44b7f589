#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

using namespace Qt::Literals::StringLiterals;

// How one card's editor window differs from the others: the texts and names of its
// menu items and buttons, which commands disable what, its size and hint timing.
struct EditorOptions
{
    QString fileMenuText = u"&Файл"_s;
    QString saveText = u"Записати як..."_s;
    QString printText = u"Друк"_s;
    QString continuationName = u"N5"_s; // menu item of the continuation sheets
    QString continuationText = u"Друк листів продовжень"_s;
    QString helpText = u"&Допомога (F1)"_s;
    // Component names of the menu items: new, open, save, print, exit, help.
    QStringList itemNames = {u"actNew"_s, u"actOpen"_s, u"actSave"_s, u"actPrint"_s, u"actExit"_s, u"actHelp"_s};
    // Tooltip of the continuation button ("" for none; by default the menu text) and
    // the note beside it.
    std::optional<QString> continuationHint;
    QString continuationNote = u"- друк з 2-го листа продовження"_s;
    // The continuation menu item may be chosen before any print.
    bool continuationItemAtStart = false;
    // What "Відкрити..." disables before its unsaved-changes question, so that it
    // stays disabled when the open is then abandoned: the tool-bar buttons Save
    // and Print, and the continuation menu item.
    bool openDisablesButtonsFirst = false;
    bool openDisablesContinuationFirst = false;
    // After "Друк листів продовжень" the tool-bar button "Друк" waits for
    // "&Кінець введення" too.
    bool continuationDisablesPrintButton = false;
    // Component names of "Назад" and "Вперед".
    QString previousName = u"BitBtn2"_s;
    QString nextName = u"BitBtn3"_s;
    QSize size = QSize(900, 640);
    bool minMaxBoxes = true;
    int hintShowAfter = 400;
    int hintHideAfter = 20000;
};
