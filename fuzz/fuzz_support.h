#pragma once

#include "fields/card_kind.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

// What every fuzz target needs once per run: a GUI application on the offscreen
// platform (fonts for the text wrap) and a platform seam that answers nothing.
void initFuzzing();

class PageLayout;

// The pages shown in print previews since the last call.
QList<QList<const PageLayout *>> takePreviews();

// The bytes libFuzzer hands over, without a copy.
QByteArray fuzzBytes(const uint8_t *data, size_t size);

// The card type an input is read as: one type per input, chosen by its first byte, so
// that each run costs one read; the mutations of that byte reach every type.
CardType fuzzCardType(const QByteArray &bytes);
