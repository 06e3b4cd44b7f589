#include "cards/rk/rk_editor.h"

#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_pages.h"
#include "fields/card_document.h"
#include "fields/exit_wiring.h"
#include "fields/field_factory.h"
#include "fields/page_builder.h"
#include "fields/rule_context.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

RkModel &rkModelOf(CardDocument &document)
{
    return static_cast<RkModel &>(document.model());
}

const RkText kTexts[] = {RkText::ExecutorName, RkText::WorkTitle, RkText::WorkHead};

} // namespace

TfrmRK1::TfrmRK1(QWidget *parent)
    : CardEditor(cardKind(CardType::RK), Options{}, parent),
      m_model(rkModelOf(document())),
      m_rules(m_model),
      m_binder(&binder()),
      m_wiring(&wiring())
{
    setObjectName(u"TfrmRK1"_s);
    buildPages();
    wireRules();
    wireMarks();
    setTabOrder();
    showState();
    pageControl()->setCurrentIndex(0);
}

void TfrmRK1::buildPages()
{
    const FieldTable &table = m_model.table();
    static const char *const sheets[] = {"TabSheet1", "TabSheet4", "TabSheet2", "TabSheet6", "TabSheet3", "TabSheet5"};
    for (int page = 0; page < table.pages().size(); ++page) {
        QWidget *sheet = pageBuilder::build(rkPageDesign(), page, *m_binder, pageControl());
        sheet->setObjectName(QString::fromLatin1(sheets[page]));
        pageControl()->addTab(sheet, table.pages().at(page));
        pageControl()->setTabToolTip(page, rkPageHint(page));
    }
}

void TfrmRK1::wireRules()
{
    m_wiring->setAfterRule([this] {
        m_binder->refresh();
        showState();
    });
    for (const QString &name : RkRules::exitFields()) {
        if (QWidget *w = findChild<QWidget *>(name))
            m_wiring->setExitRule(w, [this, name](RuleContext &ctx) { m_rules.exitRule(name, ctx); });
    }
    for (const QString &name : RkRules::enterFields()) {
        if (QWidget *w = m_binder->widget(name))
            m_wiring->setEnterRule(w, [this, name](RuleContext &ctx) { m_rules.enterRule(name, ctx); });
    }
    for (const QString &name : RkRules::trimOnPressFields())
        wireTrimOnKeyPress(*m_wiring, *m_binder, name);
    for (const QString &name : RkRules::trimOnReleaseFields())
        wireTrimOnKeyRelease(*m_wiring, *m_binder, name);
    for (const QString &name : RkRules::buttons()) {
        if (auto *button = findChild<QPushButton *>(name))
            connect(button, &QPushButton::clicked, this, [this, name] { pressButton(name); });
    }
    connect(m_binder, &FieldBinder::chosen, this, [this](const QString &name) {
        for (RkText which : kTexts) {
            if (RkModel::languageField(which) == name) {
                m_rules.languageChosen(which);
                m_binder->refresh(RkModel::bilingualField(which));
            }
        }
        if (rkClickMarkFields().contains(name))
            document().markModified();
    });
}

void TfrmRK1::wireMarks()
{
    for (const FieldSpec &info : m_model.table().fields()) {
        QWidget *w = m_binder->widget(info.name);
        if (!info.marks || !w)
            continue;
        watchMarks(w);
        // An editable box takes its keys in its line edit.
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
            watchMarks(combo->lineEdit());
    }
}

void TfrmRK1::setTabOrder()
{
    const QStringList order = pageBuilder::tabOrder(rkPageDesign(), *m_binder);
    QWidget *previous = nullptr;
    for (const QString &name : std::as_const(order)) {
        QWidget *w = findChild<QWidget *>(name);
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void TfrmRK1::pressButton(const QString &name)
{
    // A field left for the button kept the focus: the clerk corrects it first.
    if (!leaveFocusedField())
        return;
    PlatformRuleContext ctx;
    m_rules.click(name, ctx);
    m_binder->refresh();
    showState();
    if (ctx.focus().isMove()) {
        if (QWidget *target = findChild<QWidget *>(ctx.focus().target))
            m_wiring->moveFocus(target);
    }
}

void TfrmRK1::pageLeft(int page)
{
    m_rules.leavePage(page);
}

void TfrmRK1::showState()
{
    m_binder->setItems(u"cb9153a"_s, m_rules.otherResultItems());
    const struct
    {
        QString field;
        bool visible;
    } others[] = {{u"ed7201a"_s, m_model.otherDirectionVisible()}, {u"cb9153a"_s, m_model.otherResultVisible()}};
    for (const auto &other : others) {
        if (QWidget *w = m_binder->widget(other.field))
            w->setVisible(other.visible);
        if (auto *label = findChild<QLabel *>(rkLabelName(other.field)))
            label->setVisible(other.visible);
    }
}

void TfrmRK1::refreshFromModel()
{
    CardEditor::refreshFromModel();
    showState();
}

void TfrmRK1::commitToModel()
{
    CardEditor::commitToModel();
    for (RkText which : kTexts)
        m_rules.keepBilingual(which);
}
