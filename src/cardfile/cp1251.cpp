#include "cardfile/cp1251.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <atomic>

namespace cp1251 {

namespace {

constexpr const char *kCodec = "windows-1251";

// The byte of a single character, or -1 when the code page cannot carry it.
int converterByte(QStringView ch)
{
    QStringEncoder enc(kCodec);
    const QByteArray bytes = enc.encode(ch);
    if (enc.hasError() || bytes.size() != 1 || bytes == "?")
        return -1;
    return static_cast<unsigned char>(bytes.at(0));
}

// What the converter makes of each UTF-16 unit: its byte, none, or not asked yet.
// Setting up a converter costs far more than a card's text takes to check or encode,
// so the table starts with the characters of the code page and learns every other
// unit the first time it is met.
class UnitTable
{
public:
    enum : unsigned short { Unknown = 0, Byte = 0x100, None = 0x200 };

    static UnitTable &instance()
    {
        static UnitTable table;
        return table;
    }

    unsigned short at(char16_t unit)
    {
        const unsigned short state = m_entries[unit].load(std::memory_order_relaxed);
        return Q_LIKELY(state != Unknown) ? state : learn(unit);
    }

private:
    UnitTable()
    {
        for (char16_t unit = 0; unit < 0x80; ++unit)
            m_entries[unit].store(Byte | unit, std::memory_order_relaxed);
        for (int b = 0x80; b <= 0xFF; ++b) {
            const QString ch = decode(QByteArray(1, char(b)));
            if (ch.size() == 1)
                learn(ch.at(0).unicode());
        }
    }

    unsigned short learn(char16_t unit)
    {
        const QChar ch(unit);
        const int byte = converterByte(QStringView(&ch, 1));
        const unsigned short state = byte < 0 ? None : (Byte | byte);
        m_entries[unit].store(state, std::memory_order_relaxed);
        return state;
    }

    std::array<std::atomic<unsigned short>, 0x10000> m_entries{};
};

const char16_t *unitsOf(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

} // namespace

QString unencodable(const QString &text)
{
    UnitTable &table = UnitTable::instance();
    QString bad;
    QSet<QStringView> seen;
    const char16_t *units = unitsOf(text);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (Q_LIKELY(table.at(units[i]) & UnitTable::Byte))
            continue;
        // A surrogate pair is one character to the user.
        const qsizetype len = (QChar::isHighSurrogate(units[i]) && i + 1 < n) ? 2 : 1;
        const QStringView ch(units + i, len);
        i += len - 1;
        if (len == 2 && converterByte(ch) >= 0)
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
    UnitTable &table = UnitTable::instance();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const char16_t *units = unitsOf(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const unsigned short state = table.at(units[i]);
        // A text the code page cannot carry goes to the converter whole, which puts
        // its substitutes in.
        if (Q_UNLIKELY(!(state & UnitTable::Byte)))
            return QStringEncoder(kCodec).encode(text);
        out[i] = char(state & 0xFF);
    }
    return bytes;
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
