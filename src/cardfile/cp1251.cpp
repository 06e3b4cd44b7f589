#include "cardfile/cp1251.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <atomic>

namespace cp1251 {

namespace {

constexpr const char *kCodec = "windows-1251";

bool encodesToOneByte(QStringView ch)
{
    QStringEncoder enc(kCodec);
    const QByteArray bytes = enc.encode(ch);
    return !enc.hasError() && bytes.size() == 1 && bytes != "?";
}

// Whether a single UTF-16 unit is a character of the code page. Setting up a converter
// costs far more than a card's text takes to check, so each unit is asked about once
// and the answer kept.
bool encodable(QChar ch)
{
    enum : unsigned char { Unknown, Yes, No };
    static std::array<std::atomic<unsigned char>, 0x10000> known{};
    std::atomic<unsigned char> &entry = known[ch.unicode()];
    unsigned char state = entry.load(std::memory_order_relaxed);
    if (state == Unknown) {
        state = encodesToOneByte(QStringView(&ch, 1)) ? Yes : No;
        entry.store(state, std::memory_order_relaxed);
    }
    return state == Yes;
}

} // namespace

QString unencodable(const QString &text)
{
    QString bad;
    QSet<QStringView> seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x80)
            continue;
        // A surrogate pair is one character to the user.
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView ch = QStringView(text).mid(i, len);
        i += len - 1;
        if (len == 1 ? encodable(ch.at(0)) : encodesToOneByte(ch))
            continue;
        if (!seen.contains(ch)) {
            seen.insert(ch);
            bad += ch;
        }
    }
    return bad;
}

QByteArray encode(const QString &text)
{
    QStringEncoder enc(kCodec);
    return enc.encode(text);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder dec(kCodec);
    return dec.decode(bytes);
}

bool isValidText(const QByteArray &bytes, int *badOffset)
{
    // 0x98 is the one byte the code page leaves undefined; control characters other than
    // tab and line ends have no place in a text file either.
    for (int i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        const bool control = b < 0x20 && b != '\t' && b != '\r' && b != '\n';
        if (b == 0x98 || control || b == 0x7F) {
            if (badOffset)
                *badOffset = i;
            return false;
        }
    }
    return true;
}

} // namespace cp1251
