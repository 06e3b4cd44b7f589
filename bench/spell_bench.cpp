// Spell check: a long abstract checked as an open shows it, and the re-check of the one
// paragraph a keystroke changes.
#include "bench_registry.h"

#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "spell/speller.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// An abstract of real Ukrainian words (stems of the dictionary, so that most are
// distinct, as in a real text), one in forty misspelt, in paragraphs of some 1000
// characters.
QString abstractText(qsizetype chars)
{
    QStringList words;
    QFile dic(spelling::Speller::dictionaryFolder() + u"/uk_UA.dic"_s);
    if (dic.open(QIODevice::ReadOnly)) {
        int line = 0;
        while (!dic.atEnd() && words.size() < 3000) {
            const QString stem = QString::fromUtf8(dic.readLine()).section(QLatin1Char('/'), 0, 0).trimmed();
            if (++line % 97 == 0 && stem.size() > 3 && stem.at(0).isLower())
                words << stem;
        }
    }
    if (words.isEmpty())
        words << u"дослідження"_s << u"програма"_s << u"розробки"_s;
    QString text;
    qsizetype paragraph = 0;
    for (int i = 0; text.size() < chars; ++i) {
        QString word = words.at(i % words.size());
        if (i % 40 == 39)
            word.insert(2, word.at(2)); // a doubled letter
        text += word;
        paragraph += word.size() + 1;
        if (paragraph > 1000) {
            text += u".\n"_s;
            paragraph = 0;
        } else {
            text += (i % 12 == 11) ? u", "_s : u" "_s;
        }
    }
    return text;
}

QPlainTextEdit *abstractMemo(QWidget *editor)
{
    return editor->findChild<QPlainTextEdit *>(u"mm9117"_s);
}

void checkAbstract(benchmark::State &state)
{
    const QString text = abstractText(30000);
    std::unique_ptr<CardEditor> editor(createCardEditor(CardType::OK, nullptr));
    QPlainTextEdit *memo = abstractMemo(editor.get());
    spelling::Speller::service().available(TextLanguage::Ukrainian); // the dictionary is loaded once per run
    for (auto _ : state) {
        state.PauseTiming();
        memo->clear();
        // Every word new to the check, as in the first card opened.
        spelling::Speller::service().forgetChecked();
        state.ResumeTiming();
        memo->setPlainText(text);
    }
    // Not timed: the check did run (one word in forty is misspelt).
    int underlined = 0;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        underlined += int(b.layout()->formats().size());
    if (underlined < 20)
        state.SkipWithError("the abstract was not checked");
}

void recheckParagraph(benchmark::State &state)
{
    std::unique_ptr<CardEditor> editor(createCardEditor(CardType::OK, nullptr));
    QPlainTextEdit *memo = abstractMemo(editor.get());
    memo->setPlainText(abstractText(30000));
    QTextCursor cursor(memo->document()->findBlockByNumber(memo->document()->blockCount() / 2));
    cursor.movePosition(QTextCursor::EndOfWord);
    bool typed = false;
    for (auto _ : state) {
        // A letter typed into a word, then taken back: each is one keystroke.
        if (typed)
            cursor.deletePreviousChar();
        else
            cursor.insertText(u"ю"_s);
        typed = !typed;
    }
}

} // namespace

void registerSpellBenchmarks()
{
    addBenchmark("spell check, abstract of 30000 characters/text", checkAbstract);
    benchmark::RegisterBenchmark("spell re-check, one paragraph changed/text", recheckParagraph)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}
