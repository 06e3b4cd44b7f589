#include "spell/spell_highlighter.h"

#include <QTextBlock>
#include <QTextDocument>

SpellHighlighter::SpellHighlighter(QTextDocument *document) : QSyntaxHighlighter(document)
{
    connect(&spelling::Speller::service(), &spelling::Speller::changed, this, &QSyntaxHighlighter::rehighlight);
}

void SpellHighlighter::setLanguage(TextLanguage language)
{
    if (m_language == language)
        return;
    m_language = language;
    rehighlight();
}

void SpellHighlighter::highlightBlock(const QString &text)
{
    spelling::Speller &speller = spelling::Speller::service();
    if (!speller.enabled())
        return;
    QTextCharFormat wrong;
    wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    wrong.setUnderlineColor(Qt::red);
    for (const spelling::WordSpan &w : spelling::wordsToCheck(text)) {
        if (!speller.isCorrect(text.mid(w.start, w.length), m_language))
            setFormat(w.start, w.length, wrong);
    }
}

std::optional<SpellHighlighter::Misspelt> SpellHighlighter::misspeltAt(int position) const
{
    spelling::Speller &speller = spelling::Speller::service();
    const QTextBlock block = document()->findBlock(position);
    if (!speller.enabled() || !block.isValid())
        return std::nullopt;
    const QString text = block.text();
    const int at = position - block.position();
    for (const spelling::WordSpan &w : spelling::wordsToCheck(text)) {
        if (at < w.start || at > w.start + w.length)
            continue;
        const QString word = text.mid(w.start, w.length);
        if (speller.isCorrect(word, m_language))
            return std::nullopt;
        return Misspelt{block.position() + w.start, w.length, word};
    }
    return std::nullopt;
}
