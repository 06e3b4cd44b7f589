#pragma once

#include <QByteArray>

class CardKind;
class CardModel;

// The card as JSON: {"type", "fields", "texts", "lists"}, UTF-8, indented.
QByteArray cardJson(const CardKind &kind, const CardModel &model);
