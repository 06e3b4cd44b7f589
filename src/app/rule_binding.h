#pragma once

#include <QString>

#include <functional>

class CardDocument;
class CardRules;
class ClerkInput;
class ExitWiring;
class FieldBinder;
class QWidget;

// The parts of a card editor that a card's entry rules are wired to.
struct RuleTargets
{
    CardRules &rules;
    FieldBinder &binder;
    ExitWiring &wiring;
    ClerkInput &input;
    CardDocument &document;
    QWidget &window;
};

namespace ruleBinding {

// Wires the card's rules to the editor's widgets: exit and enter rules, trimming keys,
// the buttons with a click rule, choices made in boxes and groups, and the check every
// save passes. `showState` runs after every rule and choice; `resolve` finds the widget
// a rule names as the focus target; `pressButton` runs a button's click rule.
void wire(const RuleTargets &to, std::function<void()> showState, std::function<QWidget *(const QString &)> resolve,
          std::function<void(const QString &)> pressButton);

} // namespace ruleBinding
