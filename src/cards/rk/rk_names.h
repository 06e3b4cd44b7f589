#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

// The RK controls its rules, model, reader, writer, printout and editor refer to. The field
// table, the page table and the print layouts stay keyed by the plain names.
// These are built when the program starts: use them inside functions only, never in
// another namespace-scope initializer.
namespace rkField {

// Registration data
inline const QString securityMark = u"ed5256"_s;             // 5256
inline const QString changedNumber = u"ed5517"_s;            // 5517 registration number being changed
inline const QString coverLetterNumber = u"ed5418N"_s;       // 5418
inline const QString coverLetterDate = u"ed5418D"_s;         // 5418
inline const QString workBasis = u"ed7146"_s;                // 7146
inline const QString workCode = u"ed7021"_s;                 // 7021
inline const QString leadExecutorNumber = u"ed7210"_s;       // 7210 state number of the lead executor's work
inline const QString budgetProgramCode = u"ed7700"_s;        // 7700
inline const QString financingDirection = u"cb7201"_s;       // 7201
inline const QString otherFinancingDirection = u"ed7201a"_s; // 7201
inline const QString stateProgramName = u"ed7023"_s;         // 7023
inline const QString stateProgramCode = u"ed7022"_s;         // 7022
inline const QString stateNumber = u"ed5436"_s;              // 5436
inline const QString executorStatus = u"ed7209"_s;           // 7209

// Executor
inline const QString executorKind = u"lizv"_s;            // legal or natural person
inline const QString executorCode = u"ed2457"_s;          // 2457
inline const QString executorCity = u"gorv"_s;            // 2655
inline const QString executorNameLanguage = u"Indjz"_s;   // language of 2151
inline const QString executorName = u"mm2151"_s;          // 2151
inline const QString executorShortName = u"ed2358"_s;     // 2358
inline const QString executorAddress = u"mm2655"_s;       // 2655
inline const QString executorPhone = u"ed2934"_s;         // 2934
inline const QString executorMail = u"ed2394"_s;          // 2394
inline const QString executorSubordination = u"ed1332"_s; // 1332
inline const QString scienceSector = u"cb1133"_s;         // 1133

// Customer, financing
inline const QString customerNumber = u"Edit1"_s;   // 2458
inline const QString customerKind = u"lizz"_s;      // legal or natural person
inline const QString customerCode = u"ed2458"_s;    // 2458
inline const QString customerCity = u"gorz"_s;      // 2458
inline const QString customerName = u"mm2152"_s;    // 2152
inline const QString customerAddress = u"mm2656"_s; // 2656
inline const QString customerPhone = u"ed2935"_s;   // 2935
inline const QString customerMail = u"ed2395"_s;    // 2395
inline const QString financingSource = u"fin"_s;    // source of the first financing row
inline const QString currency = u"ed"_s;            // of the first financing row
inline const QString secondCurrency = u"ed1"_s;     // of the second financing row
inline const QString totalAmount = u"sum"_s;        // of the first financing row
inline const QString secondTotalAmount = u"sum1"_s; // of the second financing row
inline const QString firstYear = u"edgod1"_s;       // first year heading of "FING"
inline const QString workStart = u"ed7353"_s;       // 7353
inline const QString workEnd = u"ed7362"_s;         // 7362

// Co-executors, stages
inline const QString coExecutorNumber = u"cpn"_s;  // 2142
inline const QString coExecutorKind = u"lizsv"_s;  // legal or natural person
inline const QString coExecutorCode = u"cpk"_s;    // 2142
inline const QString coExecutorCity = u"gorc"_s;   // 2142
inline const QString coExecutorName = u"cpi"_s;    // 2142
inline const QString coExecutorAddress = u"cpa"_s; // 2142
inline const QString stageNumber = u"ed9036n"_s;   // 9036
inline const QString stageStart = u"ed9036p"_s;    // 9036
inline const QString stageEnd = u"ed9036z"_s;      // 9036
inline const QString reportKind = u"ed9036v"_s;    // 9036
inline const QString stageTitle = u"mm9036"_s;     // 9036

// Title, purpose, results
inline const QString workTitleLanguage = u"Indjzr"_s;    // language of 9027
inline const QString workTitle = u"mm9027"_s;            // 9027
inline const QString workPurpose = u"mm9126"_s;          // 9126
inline const QString priorityDirection = u"cb7199"_s;    // 7199
inline const QString workKind = u"ed7191"_s;             // 7191
inline const QString expectedResult = u"cb9153"_s;       // 9153
inline const QString otherExpectedResult = u"cb9153a"_s; // 9153
inline const QString applicationArea = u"mm9155"_s;      // 9155
inline const QString expertOpinion = u"mm9156"_s;        // 9156

// Subject
inline const QString udcIndex = u"ed5634"_s;                   // 5634 universal decimal classification
inline const QString headOfOrganisation = u"ed6111"_s;         // 6111
inline const QString headOfOrganisationDegree = u"ed6210"_s;   // 6210
inline const QString workHeadLanguage = u"indjzk"_s;           // language of 6120
inline const QString workHead = u"ed6120"_s;                   // 6120
inline const QString workHeadDegree = u"ed6228"_s;             // 6228
inline const QString documentsPreparer = u"ed6141"_s;          // 6141
inline const QString registrationDepartmentHead = u"ed6140"_s; // 6140

} // namespace rkField

// Buttons that are no fields of the card.
namespace rkControl {
inline const QString nextPage = u"BitBtn3"_s; // "Вперед" below the pages
inline const QString nextCustomer = u"BitBtn7"_s;
inline const QString previousCustomer = u"BitBtn6"_s;
inline const QString nextCoExecutor = u"Button1"_s;
inline const QString previousCoExecutor = u"Button2"_s;
inline const QString nextStage = u"BitBtn4"_s;
inline const QString previousStage = u"BitBtn5"_s;
} // namespace rkControl
