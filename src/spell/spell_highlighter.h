#pragma once

#include "fields/bilingual_texts.h"
#include "spell/speller.h"

#include <QSyntaxHighlighter>

#include <optional>

// Underlines the misspelt words of a document with the wavy line, paragraph by
// paragraph: Qt re-highlights only the paragraph an edit touched.
class SpellHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit SpellHighlighter(QTextDocument *document);

    TextLanguage language() const { return m_language; }
    // The text is in `language` from now on; checked again when it changed.
    void setLanguage(TextLanguage language);

    // The misspelt word at `position` of the document, if there is one.
    struct Misspelt
    {
        int start = 0; // in the document
        int length = 0;
        QString word;
    };
    std::optional<Misspelt> misspeltAt(int position) const;

protected:
    void highlightBlock(const QString &text) override;

private:
    TextLanguage m_language = TextLanguage::Ukrainian;
};
