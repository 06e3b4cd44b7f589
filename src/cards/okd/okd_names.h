#pragma once

#include <QString>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

// The OKD controls its rules, model, reader, writer, printout and editor refer to. The field
// table, the page table and the print layouts stay keyed by the plain names.
// These are built when the program starts: use them inside functions only, never in
// another namespace-scope initializer.
namespace okdField {

// Registration data
inline const QString thesisKind = u"cb5013"_s;            // 5013
inline const QString stateNumbers = u"ed5436"_s;          // 5436
inline const QString securityMark = u"cb5256"_s;          // 5256
inline const QString coverLetterNumber = u"ed5418N"_s;    // 5418
inline const QString coverLetterDate = u"ed5418D"_s;      // 5418
inline const QString applicantLanguage = u"indjzd"_s;     // language of the applicant's name
inline const QString applicantName = u"ed6147"_s;         // 6147
inline const QString postgraduate = u"cb6642"_s;          // 6642
inline const QString degreeSought = u"ed7425"_s;          // 7425
inline const QString specialityCode = u"ed6444"_s;        // 6444
inline const QString secondSpecialityCode = u"Ed6444a"_s; // 6444
inline const QString educationSpeciality = u"ed6480"_s;   // 6480
inline const QString defenceDate = u"ed7434"_s;           // 7434
inline const QString thesisCipher = u"ed7021"_s;          // 7021
inline const QString stateAccountNumber = u"ed5438"_s;    // 5438

// Organisations
inline const QString organisationSlot = u"RadioGroup1"_s; // which organisation the page shows
inline const QString councilCipher = u"ed7452"_s;         // 7452
inline const QString personKind = u"lizv"_s;              // legal or natural person
inline const QString organisationCode = u"edCod"_s;
inline const QString organisationName = u"mmNaz"_s;
inline const QString organisationCity = u"edMis"_s;
inline const QString organisationLocation = u"edAdr"_s;
inline const QString organisationPhone = u"edTel"_s;
inline const QString organisationEmail = u"edEM"_s;
inline const QString organisationSubordination = u"edMin"_s;
inline const QString scienceSector = u"cb1133"_s; // 1133

// Thesis title and abstract
inline const QString thesisLanguage = u"RadioGroup2"_s; // language of the title and the abstract
inline const QString thesisTitle = u"mm9045"_s;         // 9045
inline const QString thesisAbstract = u"mm9118"_s;      // 9118

// Supervisors
inline const QString supervisorLanguage = u"indjzk"_s;     // language of the supervisors' names
inline const QString firstSupervisorName = u"ed6156f1"_s;  // 6156
inline const QString secondSupervisorName = u"ed6156f2"_s; // 6156
inline const QString thirdSupervisorName = u"ed6156f3"_s;  // 6156
inline const QString councilChairman = u"ed6174"_s;        // 6174
inline const QString chairmanDegree = u"ed6273ns"_s;       // 6273
inline const QString chairmanTitle = u"ed6273vz"_s;        // 6273

// General data
inline const QString researchResults = u"cb7443"_s;       // 7443
inline const QString pageCount = u"ed5742"_s;             // 5742
inline const QString appendixCount = u"ed5751"_s;         // 5751
inline const QString illustrationCount = u"ed5760"_s;     // 5760
inline const QString tableCount = u"ed5778"_s;            // 5778
inline const QString sourceCount = u"ed5787"_s;           // 5787
inline const QString publicationCount = u"ed5481"_s;      // 5481
inline const QString patentCount = u"ed5472"_s;           // 5472
inline const QString documentLanguage = u"cb5715"_s;      // 5715
inline const QString electronicMediaCount = u"ed5743"_s;  // 5743
inline const QString fileCount = u"ed5744"_s;             // 5744
inline const QString implementationStatus = u"cb7344"_s;  // 7344
inline const QString udcIndex = u"ed5634"_s;              // 5634
inline const QString documentsPreparedBy = u"ed6141"_s;   // 6141
inline const QString stateRegistrationHead = u"ed6140"_s; // 6140

} // namespace okdField

// Buttons and menu items that are no fields of the card.
namespace okdControl {
inline const QString previousPage = u"BitBtn3"_s; // "Назад"
inline const QString nextPage = u"BitBtn4"_s;     // "Вперед"
// The menu items new, open, save, print, exit and help.
inline const QStringList menuItems = {u"New1"_s, u"Open1"_s, u"SaveAs1"_s, u"Print1"_s, u"Exit1"_s, u"N3"_s};
inline const QString continuationSheetsItem = u"N4"_s; // "Друк листів продовження"
} // namespace okdControl
