#include "support/fake_platform.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const char *callName(FakePlatform::Call call)
{
    switch (call) {
    case FakePlatform::Call::Message:
        return "message";
    case FakePlatform::Call::Question:
        return "question";
    case FakePlatform::Call::Confirm:
        return "confirm";
    case FakePlatform::Call::OpenFile:
        return "open";
    case FakePlatform::Call::SaveFile:
        return "save";
    case FakePlatform::Call::Folder:
        return "folder";
    case FakePlatform::Call::IoError:
        return "ioError";
    case FakePlatform::Call::Beep:
        return "beep";
    case FakePlatform::Call::Preview:
        return "preview";
    }
    return "?";
}

} // namespace

void FakePlatform::expect(Call call, Answer answer, const QString &path)
{
    m_queue.append({call, answer, path});
}

QStringList FakePlatform::messages() const
{
    return m_messages;
}

void FakePlatform::clear()
{
    m_queue.clear();
    m_log.clear();
    m_unexpected.clear();
    m_messages.clear();
    m_choices.clear();
    m_previews.clear();
    m_shown.clear();
}

bool FakePlatform::take(Call call, const QString &entry, Expectation *out)
{
    m_log << entry;
    if (!m_queue.isEmpty() && m_queue.constFirst().call == call) {
        if (out)
            *out = m_queue.constFirst();
        m_queue.removeFirst();
        return true;
    }
    const bool free = m_allowMessages && (call == Call::Message || call == Call::Beep || call == Call::IoError);
    if (!free) {
        m_unexpected << entry
                + (m_queue.isEmpty() ? u" (nothing expected)"_s
                                     : u" (expected %1)"_s
                                           .arg(QString::fromLatin1(callName(m_queue.constFirst().call))));
    }
    return false;
}

void FakePlatform::message(const QString &text)
{
    m_messages << text;
    take(Call::Message, u"message: "_s + text, nullptr);
}

Platform::Answer FakePlatform::question(const QString &caption, const QString &text)
{
    Expectation e;
    if (take(Call::Question, u"question: %1 | %2"_s.arg(caption, text), &e))
        return e.answer;
    return Answer::Cancel;
}

Platform::Answer FakePlatform::confirm(const QString &caption, const QString &text)
{
    Expectation e;
    if (take(Call::Confirm, u"confirm: %1 | %2"_s.arg(caption, text), &e))
        return e.answer;
    return Answer::Cancel;
}

QString FakePlatform::chooseOpenFile(const FileChoice &choice)
{
    m_choices << choice;
    Expectation e;
    if (take(Call::OpenFile, u"open: %1 | %2"_s.arg(choice.filter, choice.initialName), &e))
        return e.path;
    return {};
}

QString FakePlatform::chooseFolder(const QString &caption, const QString &)
{
    Expectation e;
    if (take(Call::Folder, u"folder: "_s + caption, &e))
        return e.path;
    return {};
}

QString FakePlatform::chooseSaveFile(const FileChoice &choice)
{
    m_choices << choice;
    Expectation e;
    if (take(Call::SaveFile, u"save: %1 | %2"_s.arg(choice.filter, choice.initialName), &e))
        return e.path;
    return {};
}

void FakePlatform::ioError(const QString &text)
{
    m_messages << text;
    take(Call::IoError, u"ioError: "_s + text, nullptr);
}

void FakePlatform::beep()
{
    take(Call::Beep, u"beep"_s, nullptr);
}

void FakePlatform::showPreview(const QList<const PageLayout *> &pages, const QString &title)
{
    m_previews << pages;
    m_previewTitles << title;
    QList<PageLayout> copies;
    for (const PageLayout *page : pages)
        copies << *page;
    m_shown << copies;
    take(Call::Preview, u"preview: %1 pages"_s.arg(pages.size()), nullptr);
}
