#include "cards/okd/okd_editor.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_names.h"
#include "cards/okd/okd_pages.h"
#include "fields/card_document.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

CardEditor::Options okdOptions()
{
    CardEditor::Options o;
    o.fileMenuText = u"Файл"_s;
    o.saveText = u"Записати як ..."_s;
    o.printText = u"Друк..."_s;
    o.continuationName = okdControl::continuationSheetsItem;
    o.continuationText = u"Друк листів продовження"_s;
    o.helpText = u"&Допомога"_s;
    o.itemNames = okdControl::menuItems;
    o.continuationHint = QString();
    o.continuationNote = u"- друк з 2-го листа продовження "_s;
    o.continuationItemAtStart = true;
    o.openDisablesButtonsFirst = true;
    o.openDisablesContinuationFirst = true;
    o.continuationDisablesPrintButton = true;
    o.previousName = okdControl::previousPage;
    o.nextName = okdControl::nextPage;
    o.minMaxBoxes = false;
    o.hintShowAfter = 500;
    o.hintHideAfter = 5500;
    return o;
}

OkdModel &okdModelOf(CardDocument &document)
{
    return static_cast<OkdModel &>(document.model());
}

} // namespace

OkdEditor::OkdEditor(QWidget *parent)
    : CardEditor(cardKind(CardType::OKD), okdOptions(), parent), m_model(okdModelOf(document())),
      m_rules(keepRules(std::make_unique<OkdRules>(m_model)))
{
    setObjectName(u"OkdEditor"_s);
    pageControl()->setFont(QFont(u"Times New Roman"_s, font().pointSize()));
    setUpCard(okdPageDesign(), m_rules);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void OkdEditor::showState()
{
    showField(okdField::councilCipher, okdLabelName(okdField::councilCipher), m_model.councilShown());
    showField(okdField::personKind, QString(), m_model.personKindShown());
    showField(okdField::scienceSector, okdLabelName(okdField::scienceSector), m_model.sectorShown());
}
