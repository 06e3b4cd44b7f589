#include "cli/console_platform.h"

#include "system/console.h"

#include <cstdio>

namespace {

// Line breaks inside a message would split it; every message stays on its line.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

void printError(const QString &text)
{
    console::write(stderr, oneLine(text) + QLatin1Char('\n'));
}

void printOut(const QString &text)
{
    console::write(stdout, text + QLatin1Char('\n'));
}

void ConsolePlatform::message(const QString &text)
{
    printError(text);
}

Platform::Answer ConsolePlatform::question(const QString &, const QString &)
{
    return Answer::No;
}

Platform::Answer ConsolePlatform::confirm(const QString &, const QString &)
{
    return Answer::No;
}

QString ConsolePlatform::chooseOpenFile(const FileChoice &)
{
    return {};
}

QString ConsolePlatform::chooseSaveFile(const FileChoice &)
{
    return {};
}

void ConsolePlatform::ioError(const QString &text)
{
    printError(text);
}

void ConsolePlatform::showPreview(const QList<const PageLayout *> &pages, const QString &)
{
    QList<const PageLayout *> copies;
    for (const PageLayout *page : pages) {
        m_shown.push_back(*page);
        copies << &m_shown.back();
    }
    m_previews.append(copies);
}
