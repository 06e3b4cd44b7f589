#pragma once

#include "fields/platform.h"
#include "print/page_layout.h"

#include <QList>
#include <QString>
#include <QStringList>

// A scripted platform for tests: every call is recorded as one line of text, and
// calls that answer take their answer from a queue of expectations. A call nobody
// expected is recorded in unexpected() and answered as harmlessly as possible
// (Cancel, no file), so a test that forgets one fails instead of hanging.
class FakePlatform : public Platform
{
public:
    enum class Call { Message, Question, Confirm, OpenFile, SaveFile, Folder, IoError, Beep, Preview };

    // Expect a call of this kind; `answer` is the reply of a question or confirmation,
    // `path` the file chosen (empty: the dialog is cancelled).
    void expect(Call call, Answer answer = Answer::Cancel, const QString &path = {});
    void expectMessage() { expect(Call::Message); }
    void expectQuestion(Answer a) { expect(Call::Question, a); }
    void expectConfirm(Answer a) { expect(Call::Confirm, a); }
    void expectOpen(const QString &path) { expect(Call::OpenFile, Answer::Cancel, path); }
    void expectSave(const QString &path) { expect(Call::SaveFile, Answer::Cancel, path); }
    void expectFolder(const QString &path) { expect(Call::Folder, Answer::Cancel, path); }
    void expectIoError() { expect(Call::IoError); }

    // Messages and beeps are common and answer nothing: when allowed, they need no
    // expectation and are only recorded.
    void allowMessages(bool allow = true) { m_allowMessages = allow; }

    const QStringList &log() const { return m_log; }
    const QStringList &unexpected() const { return m_unexpected; }
    int pending() const { return int(m_queue.size()); }
    // Texts of the messages and error reports shown, in order.
    QStringList messages() const;
    QList<FileChoice> fileChoices() const { return m_choices; }
    QList<QList<const PageLayout *>> previews() const { return m_previews; }
    // Each preview's pages as they were while it was shown, also after their print job
    // is gone.
    const QList<QList<PageLayout>> &shownPages() const { return m_shown; }
    void clear();

    void message(const QString &text) override;
    Answer question(const QString &caption, const QString &text) override;
    Answer confirm(const QString &caption, const QString &text) override;
    QString chooseOpenFile(const FileChoice &choice) override;
    QString chooseSaveFile(const FileChoice &choice) override;
    QString chooseFolder(const QString &caption, const QString &directory) override;
    void ioError(const QString &text) override;
    void beep() override;
    void showPreview(const QList<const PageLayout *> &pages, const QString &title) override;
    // The document name of each preview, in order.
    QStringList previewTitles() const { return m_previewTitles; }

private:
    struct Expectation
    {
        Call call;
        Answer answer;
        QString path;
    };
    bool take(Call call, const QString &entry, Expectation *out);

    QList<Expectation> m_queue;
    QStringList m_log;
    QStringList m_unexpected;
    QStringList m_messages;
    QList<FileChoice> m_choices;
    QList<QList<const PageLayout *>> m_previews;
    QStringList m_previewTitles;
    QList<QList<PageLayout>> m_shown;
    bool m_allowMessages = false;
};

// Installs a fake platform for the lifetime of a test function.
class ScopedFakePlatform : public FakePlatform
{
public:
    ScopedFakePlatform() : m_old(Platform::install(this)) {}
    ~ScopedFakePlatform() override { Platform::install(m_old); }

private:
    Platform *m_old;
};
