#include "bench_cards.h"

#include "cardfile/card_writer.h"
#include "cards/rk/rk_editor.h"
#include "rk_card_generator.h"

#include <QHash>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

const std::vector<CardRow> &cardRows()
{
    static const std::vector<CardRow> rows = {
        {u"rk"_s, [](qsizetype bytes) { return generateRkCard(bytes); },
         [](qsizetype chars) {
             RkCardShape shape;
             shape.memoChars = chars;
             return generateRkCard(shape);
         },
         [](qsizetype chars) {
             RkCardShape shape;
             shape.memoChars = chars;
             shape.blanks = false;
             return generateRkCard(shape);
         },
         [] { return new RkEditor; }},
    };
    return rows;
}

const std::vector<SizeRow> &sizeRows()
{
    static const std::vector<SizeRow> rows = {
        {"30KB", 30'000}, {"100KB", 100'000}, {"1MB", 1'000'000}, {"10MB", 10'000'000}};
    return rows;
}

struct CardFiles::Impl
{
    QTemporaryDir dir;
    QHash<QString, QString> paths;
};

CardFiles &CardFiles::instance()
{
    static CardFiles files;
    return files;
}

CardFiles::CardFiles() : d(new Impl)
{
}

QString CardFiles::scratch(const QString &name) const
{
    return d->dir.filePath(name);
}

QString CardFiles::write(const QString &name, const QStringList &lines)
{
    // The file name starts with the card type, as the batch tool tells types apart by it.
    const QString path = scratch(name + u".txt"_s);
    const WriteResult written = writeCardFile(path, lines);
    if (!written.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(written.message));
        return {};
    }
    d->paths.insert(name, path);
    return path;
}

QString CardFiles::path(const CardRow &card, const SizeRow &size)
{
    const QString name = card.id.toUpper() + QLatin1Char('_') + QLatin1String(size.label);
    if (const auto it = d->paths.constFind(name); it != d->paths.constEnd())
        return *it;
    return write(name, card.generate(size.bytes));
}

QString CardFiles::wordCard(const CardRow &card, qsizetype chars)
{
    const QString name = card.id.toUpper() + u"_word"_s + QString::number(chars);
    if (const auto it = d->paths.constFind(name); it != d->paths.constEnd())
        return *it;
    return write(name, card.generateWithWord(chars));
}

QString CardFiles::memoCard(const CardRow &card, qsizetype chars)
{
    const QString name = card.id.toUpper() + u"_memo"_s + QString::number(chars);
    if (const auto it = d->paths.constFind(name); it != d->paths.constEnd())
        return *it;
    return write(name, card.generateWithMemo(chars));
}
