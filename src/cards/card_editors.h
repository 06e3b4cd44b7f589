#pragma once

#include "fields/card_kind.h"

class CardEditor;
class QWidget;

// The editors of the card kinds, kept with the cards, so that
// the main window creates one by its type without knowing any card's editor.
CardEditor *createCardEditor(CardType type, QWidget *parent);
