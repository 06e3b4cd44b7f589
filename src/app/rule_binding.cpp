#include "app/rule_binding.h"

#include "app/clerk_input.h"
#include "fields/card_document.h"
#include "fields/card_rules.h"
#include "fields/rule_context.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"

#include <QPushButton>

namespace ruleBinding {

void wire(const RuleTargets &to, std::function<void()> showState, std::function<QWidget *(const QString &)> resolve,
          std::function<void(const QString &)> pressButton)
{
    CardRules &rules = to.rules;
    FieldBinder &binder = to.binder;
    ExitWiring &wiring = to.wiring;
    const CardRules::Fields fields = rules.fields();
    wiring.setAfterRule([&binder, showState] {
        binder.refresh();
        showState();
    });
    wiring.setResolver(std::move(resolve));
    // Every save, from the menu or from a question on closing, passes the card's check.
    to.document.setSaveCheck([&wiring, &rules] {
        bool passed = true;
        wiring.runRule(nullptr, [&rules, &passed](RuleContext &ctx) { passed = rules.beforeSave(ctx); });
        return passed;
    });
    // Fields by their binder (a lookup), anything else by its name in the window.
    for (const QString &name : fields.exit) {
        QWidget *w = binder.widget(name);
        if (QWidget *field = w ? w : to.window.findChild<QWidget *>(name))
            wiring.setExitRule(field, [&rules, name](RuleContext &ctx) { rules.exitRule(name, ctx); });
    }
    for (const QString &name : fields.enter) {
        if (QWidget *w = binder.widget(name))
            wiring.setEnterRule(w, [&rules, name](RuleContext &ctx) { rules.enterRule(name, ctx); });
    }
    for (const QString &name : fields.trimOnPress)
        wireTrimOnKeyPress(wiring, binder, name);
    for (const QString &name : fields.trimOnRelease)
        wireTrimOnKeyRelease(wiring, binder, name);
    for (const QString &name : fields.clicks) {
        if (QWidget *w = binder.widget(name))
            to.input.watchClicks(w, name);
    }
    for (const QString &name : fields.buttons) {
        if (auto *button = to.window.findChild<QPushButton *>(name))
            QObject::connect(button, &QPushButton::clicked, &to.window, [pressButton, name] { pressButton(name); });
    }
    ClerkInput &input = to.input;
    CardDocument &document = to.document;
    QObject::connect(&binder, &FieldBinder::chosen, &to.window,
                     [&rules, &binder, &input, &document, showState, clickMarks = fields.clickMarks](const QString &name) {
                         if (rules.chosen(name)) {
                             binder.refresh();
                             showState();
                         }
                         // Choosing the entry the field already had changes nothing.
                         if (clickMarks.contains(name) && input.takeChange())
                             document.markModified();
                     });
}

} // namespace ruleBinding
