#pragma once

#include <QByteArray>
#include <QString>

// Card files are in the Windows Cyrillic code page, one byte per character.
namespace cp1251 {

// Characters of `text` that the code page cannot carry, each once, in order of appearance.
QString unencodable(const QString &text);

// Encodes `text`; the caller checks unencodable() first, as a substitute byte is
// never acceptable in a card file.
QByteArray encode(const QString &text);

QString decode(const QByteArray &bytes);

// Whether every byte of `bytes` is a defined character of the code page.
bool isValidText(const QByteArray &bytes, int *badOffset = nullptr);

} // namespace cp1251
