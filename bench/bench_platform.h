#pragma once

#include "fields/platform.h"

#include <QList>

// The platform seam for timing: says nothing, asks nothing, keeps the previews.
class BenchPlatform : public Platform
{
public:
    void message(const QString &) override {}
    Answer question(const QString &, const QString &) override { return Answer::No; }
    Answer confirm(const QString &, const QString &) override { return Answer::No; }
    QString chooseOpenFile(const FileChoice &) override { return {}; }
    QString chooseSaveFile(const FileChoice &) override { return {}; }
    void ioError(const QString &) override {}
    void beep() override {}
    void showPreview(const QList<const PageLayout *> &pages, const QString &) override { m_previews << pages; }

    // Every page previewed since the last call, in order; the list is emptied.
    QList<const PageLayout *> takePages()
    {
        QList<const PageLayout *> pages;
        for (const auto &preview : std::as_const(m_previews))
            pages += preview;
        m_previews.clear();
        return pages;
    }

private:
    QList<QList<const PageLayout *>> m_previews;
};
