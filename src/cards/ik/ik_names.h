#pragma once

#include <QString>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

// The IK controls its rules, model, reader, writer, printout and editor refer to. The field
// table, the page table and the print layouts stay keyed by the plain names.
// These are built when the program starts: use them inside functions only, never in
// another namespace-scope initializer.
namespace ikField {

// Registration data
inline const QString inventoryNumber = u"ed5439"_s;       // 5439
inline const QString registrationDate = u"ed5419"_s;      // 5419
inline const QString stateNumber = u"ed5436"_s;           // 5436
inline const QString stateAccountingNumber = u"ed5437"_s; // 5437
inline const QString titleLanguage = u"Indjzr"_s;         // language of the product name
inline const QString productTitle = u"mm9027"_s;          // 9027
inline const QString productKind = u"cb9153"_s;           // 9153
inline const QString otherProductKind = u"cb9153a"_s;     // 9153, the text of kind 007 or 03
inline const QString applicationArea = u"mm9155"_s;       // 9155

// Description and advantages
inline const QString productDescription = u"mm9118"_s;  // 9118
inline const QString technicalAdvantages = u"mm5635"_s; // 5635
inline const QString economicAdvantages = u"mm5636"_s;  // 5636
inline const QString environmentalImpact = u"mm1001"_s; // 1001

// Completion and implementation
inline const QString completionStage = u"cb7326"_s;      // 7326
inline const QString otherCompletionStage = u"ed7326"_s; // 7326, the text of stage 3.9
inline const QString implementationStatus = u"cb7344"_s; // 7344
// 5638: implementation terms, producers, consumers, prospective markets.
inline const QStringList practicalUse = {u"ed5638a"_s, u"ed5638b"_s, u"ed5638c"_s, u"ed5638d"_s};
inline const QString intellectualProperty = u"cb1005"_s;      // 1005
inline const QString otherIntellectualProperty = u"ed1005"_s; // 1005, the text of code 5.6
inline const QString transferTerms = u"cb1004"_s;             // 1004
inline const QString otherTransferTerms = u"ed1004"_s;        // 1004, the text of code 4.9
inline const QString restrictedUseMark = u"cbdsk"_s;          // "ДСК", printed only

// Owner
inline const QString ownerNumber = u"Edit1"_s;
inline const QString ownerKind = u"lizz"_s;            // legal or natural person
inline const QString ownerCode = u"ed2459"_s;          // 2459
inline const QString ownerCity = u"gorz"_s;
inline const QString ownerFullName = u"mm2153"_s;      // 2153
inline const QString ownerShortName = u"ed2360"_s;     // 2360
inline const QString ownerAddress = u"mm2657"_s;       // 2657
inline const QString ownerPhone = u"ed2935"_s;         // 2935
inline const QString ownerMail = u"ed2395"_s;          // 2395
inline const QString ownerSubordination = u"ed1333"_s; // 1333

// Investor and executor
// 1006, items 6.1 to 6.7: the cooperation wished with an investor.
inline const QStringList investorTerms = {u"ed10061"_s, u"ed10062"_s, u"ed10063"_s, u"ed10064"_s,
                                          u"ed10065"_s, u"ed10066"_s, u"ed10067"_s};
inline const QString organisationStatus = u"cb1009"_s;    // 1009
inline const QString organisationSize = u"cb1009a"_s;     // 1009
inline const QString headOfOrganisation = u"ed6111"_s;    // 6111
inline const QString headScientificDegree = u"cb6210"_s;  // 6210
inline const QString documentsPreparedBy = u"ed6141"_s;   // 6141
inline const QString stateRegistrationHead = u"ed6140"_s; // 6140

} // namespace ikField

// Buttons and menu items that are no fields of the card.
namespace ikControl {
inline const QString nextOwner = u"BitBtn7"_s;
inline const QString previousOwner = u"BitBtn6"_s;
inline const QString continuationSheetsItem = u"N10"_s; // "Друк листів продовжень"
} // namespace ikControl
