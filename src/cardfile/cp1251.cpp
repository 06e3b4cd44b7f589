#include "cardfile/cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp1251 {

namespace {
constexpr const char *kCodec = "windows-1251";
}

QString unencodable(const QString &text)
{
    QString bad;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character to the user.
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        i += len - 1;
        if (ch.size() == 1 && ch.at(0).unicode() < 0x80)
            continue;
        QStringEncoder enc(kCodec);
        const QByteArray bytes = enc.encode(ch);
        if (enc.hasError() || bytes.size() != 1 || bytes == "?") {
            if (!bad.contains(ch))
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
