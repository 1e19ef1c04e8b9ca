#pragma once

#include <QSyntaxHighlighter>

// Underlines the misspelled words of a document, checked against the
// system's English Hunspell dictionary. Without one it marks nothing.
class SpellHighlighter : public QSyntaxHighlighter {
public:
    explicit SpellHighlighter(QTextDocument* document);

    // Whether a dictionary was found.
    static bool HasDictionary();
    static bool IsCorrect(const QString& word);

protected:
    void highlightBlock(const QString& text) override;
};
