#pragma once

#include "fields/platform.h"
#include "print/page_layout.h"

#include <QList>

#include <deque>

// The platform seam without a desktop: messages go to standard error, one per line,
// in UTF-8; nothing is ever asked; previews are kept for the caller as the pages were
// when shown, beyond the life of the print job that made them.
class ConsolePlatform : public Platform
{
public:
    void message(const QString &text) override;
    Answer question(const QString &caption, const QString &text) override;
    Answer confirm(const QString &caption, const QString &text) override;
    QString chooseOpenFile(const FileChoice &choice) override;
    QString chooseSaveFile(const FileChoice &choice) override;
    void ioError(const QString &text) override;
    void beep() override {}
    void showPreview(const QList<const PageLayout *> &pages, const QString &title) override;

    const QList<QList<const PageLayout *>> &previews() const { return m_previews; }

private:
    QList<QList<const PageLayout *>> m_previews;
    std::deque<PageLayout> m_shown; // the copies m_previews points at
};

// Writes text to standard error (on one line) or standard output, in UTF-8.
void printError(const QString &text);
void printOut(const QString &text);
