#pragma once

#include <QString>
#include <QStringList>

// Texts and choice lists that several cards show alike.
namespace commonTexts {

QString monthHint();    // "Дата проставляється у вигляді :  ММ.РР"
QString addressHint();  // "Поштовий індекс, область, район, місто, вулиця, будинок."
QString mailHint();     // "Зазначається електронна пошта та веб-сайт"
QString currencyHint(); // "Фактичні обсяги фінансування наводяться в тисячах гривень."
QString dateHint();     // "Дата проставляється у вигляді :  ДД.ММ.РР "
QString veltarisHint(); // "Проставляється при реєстрації ОК в Велтарис"
// The state registration number of the work (5436): its letter "U" and the mark "с".
QString stateNumberHint();
// The owner's legal document (5518), asked of natural persons.
QString documentHint();
// Whom `party` ("Виконавець", "Власник") is subordinate to.
QString subordinationHint(const QString &party);
// How an entry of a list is removed: `what` in the genitive ("власника").
QString deletionHint(const QString &what);

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

// The kinds of result or product (9153): "001" .. "007", "02", "03".
const QStringList &resultKinds();
// The texts offered for the "other" of kind "007" or "03"; none for another kind.
const QStringList &otherResults(const QString &kind);
QString directionHint();

} // namespace commonTexts
