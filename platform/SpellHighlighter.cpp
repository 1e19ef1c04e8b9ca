#include "platform/SpellHighlighter.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTextCharFormat>
#include <hunspell/hunspell.hxx>
#include <memory>

namespace {

constexpr auto dictionaryFolder = "/usr/share/hunspell";

struct Dictionary {
    std::unique_ptr<Hunspell> hunspell;
    QStringEncoder encoder;
};

// The .aff and .dic pair to use: American English when installed, else the
// first other English one.
QString findDictionary() {
    const QDir folder(QString::fromLatin1(dictionaryFolder));
    if (folder.exists(QStringLiteral("en_US.aff")) && folder.exists(QStringLiteral("en_US.dic")))
        return folder.filePath(QStringLiteral("en_US"));
    const QStringList affixFiles =
        folder.entryList({QStringLiteral("en_*.aff")}, QDir::Files, QDir::Name);
    for (const QString& affix : affixFiles) {
        const QString base = folder.filePath(affix.chopped(4));
        if (QFile::exists(base + QStringLiteral(".dic")))
            return base;
    }
    return {};
}

// Loaded on first use and kept for the life of the program: reading a
// dictionary takes far longer than anything else a text area does.
Dictionary& dictionary() {
    static Dictionary loaded = [] {
        Dictionary d;
        const QString base = findDictionary();
        if (base.isEmpty())
            return d;
        const QByteArray affix = QFile::encodeName(base + QStringLiteral(".aff"));
        const QByteArray words = QFile::encodeName(base + QStringLiteral(".dic"));
        d.hunspell = std::make_unique<Hunspell>(affix.constData(), words.constData());
        const std::string encoding = d.hunspell->get_dict_encoding();
        d.encoder = QStringEncoder(encoding.c_str());
        if (!d.encoder.isValid())
            d.encoder = QStringEncoder(QStringEncoder::Utf8);
        return d;
    }();
    return loaded;
}

QTextCharFormat misspelledFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

}  // namespace

SpellHighlighter::SpellHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

bool SpellHighlighter::HasDictionary() {
    return dictionary().hunspell != nullptr;
}

bool SpellHighlighter::IsCorrect(const QString& word) {
    Dictionary& d = dictionary();
    if (!d.hunspell)
        return true;
    QString plain = word;
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    const QByteArray encoded = d.encoder.encode(plain);
    return d.hunspell->spell(std::string(encoded.constData(), static_cast<size_t>(encoded.size())));
}

void SpellHighlighter::highlightBlock(const QString& text) {
    if (!HasDictionary())
        return;
    // Letters, with apostrophes inside ("don't"); numbers are never words.
    static const QRegularExpression word(QStringLiteral("\\p{L}+(?:['\\x{2019}]\\p{L}+)*"));
    static const QTextCharFormat misspelled = misspelledFormat();
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (!IsCorrect(found.captured()))
            setFormat(static_cast<int>(found.capturedStart()),
                      static_cast<int>(found.capturedLength()), misspelled);
    }
}
