#include "cardfile/cp1251.h"

#include <QSet>

#include <array>

namespace cp1251 {

namespace {

// The upper half of the code page, byte 0x80 + i to upperHalf[i]. The table is the code
// page itself, so that a card has the same bytes on every system: Qt's own converter for
// it exists only where Qt is built with ICU, which Qt for Windows is not. 0x98 is the one
// byte the code page leaves undefined; like ICU, the table gives it the C1 control U+0098
// (which no card file holds: the reader refuses the byte).
constexpr std::array<char16_t, 128> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0: А-Я
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0: а-я
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char kSubstitute = '?';

// The byte of every UTF-16 unit, or none for a unit the code page cannot carry.
class ByteOfUnit
{
public:
    static const ByteOfUnit &instance()
    {
        static const ByteOfUnit table;
        return table;
    }

    bool has(char16_t unit) const { return m_entries[unit] & kHas; }
    char byte(char16_t unit) const { return char(m_entries[unit] & 0xFF); }

private:
    static constexpr unsigned short kHas = 0x100;

    ByteOfUnit()
    {
        for (char16_t unit = 0; unit < 0x80; ++unit)
            m_entries[unit] = kHas | unit;
        for (int i = 0; i < 0x80; ++i)
            m_entries[upperHalf[i]] = kHas | (0x80 + i);
    }

    std::array<unsigned short, 0x10000> m_entries{};
};

const char16_t *unitsOf(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

} // namespace

QString unencodable(const QString &text)
{
    const ByteOfUnit &table = ByteOfUnit::instance();
    QString bad;
    QSet<QStringView> seen;
    const char16_t *units = unitsOf(text);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (Q_LIKELY(table.has(units[i])))
            continue;
        // A surrogate pair is one character to the user.
        const qsizetype len = (QChar::isHighSurrogate(units[i]) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) ? 2 : 1;
        const QStringView ch(units + i, len);
        i += len - 1;
        if (!seen.contains(ch)) {
            seen.insert(ch);
            bad += ch;
        }
    }
    return bad;
}

QByteArray encode(const QString &text)
{
    const ByteOfUnit &table = ByteOfUnit::instance();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const char16_t *units = unitsOf(text);
    const qsizetype n = text.size();
    qsizetype written = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (Q_LIKELY(table.has(units[i]))) {
            out[written++] = table.byte(units[i]);
            continue;
        }
        // One substitute for each character the code page cannot carry, a surrogate pair
        // being one character.
        if (QChar::isHighSurrogate(units[i]) && i + 1 < n && QChar::isLowSurrogate(units[i + 1]))
            ++i;
        out[written++] = kSubstitute;
    }
    bytes.truncate(written);
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        out[i] = b < 0x80 ? char16_t(b) : upperHalf[b - 0x80];
    }
    return text;
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
