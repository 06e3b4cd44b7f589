#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

// The OK controls its rules, model, reader, writer, printout and editor refer to. The field
// table, the page table and the print layouts stay keyed by the plain names.
// These are built when the program starts: use them inside functions only, never in
// another namespace-scope initializer.
namespace okField {

// Registration data, stages
inline const QString stateNumber = u"ed5436"_s;          // 5436
inline const QString securityMark = u"cb5256"_s;         // 5256
inline const QString coverLetterNumber = u"ed5418N"_s;   // 5418
inline const QString coverLetterDate = u"ed5418D"_s;     // 5418
inline const QString stageNumber = u"ed9036n"_s;         // 9036
inline const QString stageStart = u"ed9036p"_s;          // 9036
inline const QString stageEnd = u"ed9036z"_s;            // 9036
inline const QString stageKind = u"cb9036e"_s;           // 9036
inline const QString stageName = u"mm9036"_s;            // 9036
inline const QString stageAccountSelector = u"sp5526"_s; // which of the ten numbers 5526 shows
inline const QString stageAccountNumber = u"ed5526"_s;   // 5526
inline const QString stateAccountNumber = u"ed5437"_s;   // 5437

// Executor
inline const QString executorKind = u"lizv"_s;            // legal or natural person
inline const QString executorCode = u"ed2457"_s;          // 2457
inline const QString executorCity = u"gorv"_s;            // 2655
inline const QString executorNameLanguage = u"Indjz"_s;   // language of the name shown
inline const QString executorName = u"mm2151"_s;          // 2151
inline const QString executorShortName = u"ed2358"_s;     // 2358
inline const QString executorAddress = u"mm2655"_s;       // 2655
inline const QString executorPhone = u"ed2934"_s;         // 2934
inline const QString executorMail = u"ed2394"_s;          // 2394
inline const QString executorSubordination = u"ed1332"_s; // 1332
inline const QString scienceSector = u"cb1133"_s;         // 1133

// Co-executors, report data
inline const QString coExecutorNumber = u"ed2142p"_s;     // 2142
inline const QString coExecutorKind = u"lizsv"_s;         // legal or natural person
inline const QString coExecutorCode = u"ed2142k"_s;       // 2142
inline const QString coExecutorName = u"mm2142n"_s;       // 2142
inline const QString coExecutorCity = u"Ed2142m"_s;       // 2142
inline const QString coExecutorAddress = u"ed2142ad"_s;   // 2142
inline const QString bibliography = u"mm5481"_s;          // 5481
inline const QString reportKind = u"cb5040"_s;            // 5040
inline const QString reportLanguage = u"cb5715"_s;        // 5715
inline const QString electronicMediaCount = u"ed5743"_s;  // 5743
inline const QString distributionInUkraine = u"cb5535"_s; // 5535
inline const QString pageCount = u"ed5742"_s;             // 5742
inline const QString fileCount = u"ed5744"_s;             // 5744
inline const QString transferAbroad = u"cb5211"_s;        // 5211

// Owner
inline const QString ownerNumber = u"Edit1"_s;           // 2459
inline const QString ownerKind = u"lizz"_s;              // legal or natural person
inline const QString ownerCode = u"ed2459"_s;            // 2459
inline const QString ownerCity = u"gorz"_s;              // 2657
inline const QString ownerName = u"mm2153"_s;            // 2153
inline const QString ownerShortName = u"ed2360"_s;       // 2360
inline const QString ownerAddress = u"mm2657"_s;         // 2657
inline const QString ownerPhone = u"ed2935"_s;           // 2935
inline const QString ownerMail = u"ed2395"_s;            // 2395
inline const QString ownerSubordination = u"ed1333"_s;   // 1333
inline const QString ownerDocumentNumber = u"ed5518N"_s; // 5518
inline const QString ownerDocumentDate = u"ed5518D"_s;   // 5518

// Financing
inline const QString budgetProgrammeCode = u"ed7700"_s;      // 7700
inline const QString financingDirection = u"cb7201"_s;       // 7201
inline const QString otherFinancingDirection = u"ed7201a"_s; // 7201
inline const QString targetProgrammeName = u"ed7023"_s;      // 7023
inline const QString targetProgrammeCode = u"ed7022"_s;      // 7022
inline const QString firstCurrency = u"ed"_s;
inline const QString firstAmount = u"sum"_s;
inline const QString secondCurrency = u"ed1"_s;
inline const QString secondAmount = u"sum1"_s;

// Title, abstract
inline const QString titleLanguage = u"Indjzr"_s; // language of the title and the abstract shown
inline const QString workTitle = u"mm9027"_s;     // 9027
inline const QString workAbstract = u"mm9117"_s;  // 9117

// Subject, heads, executor list
inline const QString udcIndex = u"ed5634"_s;                   // 5634
inline const QString headOfOrganisation = u"ed6111"_s;         // 6111
inline const QString headOfOrganisationDegree = u"ed6210vc"_s; // 6210
inline const QString headOfDevelopmentLanguage = u"indjzk"_s;  // language of the name shown
inline const QString headOfDevelopment = u"ed6120"_s;          // 6120
inline const QString headOfDevelopmentDegree = u"ed6228vc"_s;  // 6228
inline const QString listedExecutorNumber = u"Cpn"_s;          // 6121
inline const QString listedExecutorName = u"ed6121a"_s;        // 6121
inline const QString listedExecutorPosition = u"ed6121ak"_s;   // 6121
inline const QString listedExecutorDegree = u"ed6121az"_s;     // 6121
inline const QString responsibleForDocuments = u"ed6141"_s;    // 6141
inline const QString headOfRegistrationOffice = u"ed6140"_s;   // 6140

} // namespace okField

// Buttons and the menu item that are no fields of the card.
namespace okControl {
inline const QString nextCoExecutor = u"Button4"_s;
inline const QString previousCoExecutor = u"Button3"_s;
inline const QString nextOwner = u"BitBtn7"_s;
inline const QString previousOwner = u"BitBtn6"_s;
inline const QString nextListedExecutor = u"BitBtn5"_s;
inline const QString previousListedExecutor = u"BitBtn4"_s;
inline const QString continuationSheetsItem = u"N10"_s; // "Друк листів продовжень"
} // namespace okControl
