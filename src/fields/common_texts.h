#pragma once

#include <QString>
#include <QStringList>

// Texts and choice lists that several cards show alike.
namespace commonTexts {

QString monthHint();    // "Дата проставляється у вигляді :  ММ.РР"
QString addressHint();  // "Поштовий індекс, область, район, місто, вулиця, будинок."
QString mailHint();     // "Зазначається електронна пошта та веб-сайт"
QString currencyHint(); // "Фактичні обсяги фінансування наводяться в тисячах гривень."

// The entries of a person kind selector: legal person, natural person.
const QStringList &personKinds();

// Financing: the currency units; the source codes the selection boxes offer, with
// their meanings as hint; the codes a financing line may carry ("7715" too, which
// no box offers); the financing directions 2.1 to 2.7 and their hint.
const QStringList &currencies();
const QStringList &sourceItems();
QString sourceHint();
const QStringList &financingSources();
const QStringList &directionItems();
QString directionHint();

} // namespace commonTexts
