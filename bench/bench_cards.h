#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// One card type under measurement: the card lines of a generated card of about a given
// file size. A card type joins every benchmark by adding its row to cardRows().
struct CardRow
{
    QString id; // "rk"
    std::function<QStringList(qsizetype bytes)> generate;
    // A card whose purpose-like long text has `chars` characters and little else.
    std::function<QStringList(qsizetype chars)> generateWithMemo;
    // The same with that text one word without a blank.
    std::function<QStringList(qsizetype chars)> generateWithWord;
    // A new editor window of the type, not shown.
    std::function<QWidget *()> createEditor;
};

const std::vector<CardRow> &cardRows();

struct SizeRow
{
    const char *label; // "30KB"
    qsizetype bytes;
};

// The file and text sizes every size-dependent benchmark runs at.
const std::vector<SizeRow> &sizeRows();

// Files of generated cards, written once per run into a temporary folder.
class CardFiles
{
public:
    static CardFiles &instance();

    // The card file of that row and size; generated on first use.
    QString path(const CardRow &card, const SizeRow &size);
    // A card with a long text of `chars` characters.
    QString memoCard(const CardRow &card, qsizetype chars);
    // A card whose long text is one word of `chars` characters.
    QString wordCard(const CardRow &card, qsizetype chars);
    // A file name in the folder, for output.
    QString scratch(const QString &name) const;

private:
    CardFiles();
    QString write(const QString &name, const QStringList &lines);

    struct Impl;
    Impl *d;
};
