#include "widgets/field_factory.h"

#include "fields/card_model.h"
#include "widgets/exit_wiring.h"
#include "fields/field_captions.h"
#include "fields/field_rules.h"
#include "widgets/mask_edit.h"
#include "widgets/separator_guard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QPointer>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <climits>

using namespace Qt::Literals::StringLiterals;

namespace {

// A memo that takes no Enter key: its text stays one paragraph that wraps.
class NoEnterFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The length limit of an edit field limits what the clerk types, not what the field
// shows: a value set by the program (stage 12 in a one-character number field, a long
// value read from a card file) is shown whole and is never cut. A key or a paste that
// would make the text longer than both the limit and the text it had is refused.
class TypedLengthLimit : public QObject
{
public:
    TypedLengthLimit(int limit, QLineEdit *edit) : QObject(edit), m_limit(limit), m_edit(edit)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_edit || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        QString added;
        if (key->matches(QKeySequence::Paste))
            added = QGuiApplication::clipboard()->text();
        else if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                 && !key->text().isEmpty() && key->text().at(0).isPrint())
            added = key->text();
        if (added.isEmpty())
            return false;
        const qsizetype now = m_edit->text().size();
        const qsizetype after = now - m_edit->selectedText().size() + added.size();
        return after > m_limit && after > now;
    }

private:
    int m_limit;
    QLineEdit *m_edit;
};

QButtonGroup *buttonGroupOf(const QWidget *w)
{
    return w->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
}

bool isRadioGroup(const QWidget *w)
{
    return qobject_cast<const QGroupBox *>(w) && buttonGroupOf(w);
}

void setComboText(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        combo->setCurrentIndex(index);
        if (combo->currentText() != text)
            combo->setEditText(text);
    } else {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

void setRadioIndex(QButtonGroup *group, const QString &text)
{
    bool ok = false;
    const int id = text.toInt(&ok);
    if (QAbstractButton *b = ok ? group->button(id) : nullptr) {
        b->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

// A box takes typed text in a line edit of its own. QComboBox::setEditable would also
// build the drop-down list at once and give the line edit a completer of its own, which
// the box drops again (the typed text stays as typed): two thirds of the time an editor
// took to open went into them. The list is built when it first drops down; the line edit
// borrows a completer that it hands back when the box drops its completer.
void makeEditable(QComboBox *combo)
{
    static QPointer<QCompleter> borrowed;
    if (!borrowed)
        borrowed = new QCompleter(QCoreApplication::instance());
    auto *edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    edit->setCompleter(borrowed);
    combo->setLineEdit(edit);
}

} // namespace

// ---- fieldFactory

QWidget *fieldFactory::create(const FieldInfo &info, QWidget *parent)
{
    QWidget *w = nullptr;
    switch (info.kind) {
    case FieldKind::Edit: {
        auto *edit = new QLineEdit(parent);
        if (info.maxLength > 0)
            new TypedLengthLimit(info.maxLength, edit);
        edit->setText(info.defaultValue);
        w = edit;
        break;
    }
    case FieldKind::Memo: {
        auto *memo = new QPlainTextEdit(parent);
        memo->setTabChangesFocus(true);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setVerticalScrollBarPolicy(info.vScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (info.noEnter)
            memo->installEventFilter(new NoEnterFilter(memo));
        memo->setProperty("noEnter", info.noEnter);
        memo->setPlainText(info.defaultValue);
        w = memo;
        break;
    }
    case FieldKind::Masked: {
        auto *edit = new MaskEdit(info.mask, parent);
        if (info.mask.isEmpty())
            edit->setPlainMaxLength(info.maxLength);
        edit->setValue(info.defaultValue);
        w = edit;
        break;
    }
    case FieldKind::Combo: {
        auto *combo = new QComboBox(parent);
        makeEditable(combo);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // the typed text stays as typed
        combo->addItems(info.items);
        setComboText(combo, info.defaultValue);
        w = combo;
        break;
    }
    case FieldKind::Check: {
        auto *check = new QCheckBox(info.label, parent);
        check->setChecked(info.defaultValue == QLatin1String("1"));
        w = check;
        break;
    }
    case FieldKind::Radio: {
        auto *box = new QGroupBox(parent);
        auto *grid = new QGridLayout(box);
        auto *group = new QButtonGroup(box);
        const int count = int(info.items.size());
        const int columns = qMax(1, info.columns);
        const int rows = qMax(1, (count + columns - 1) / columns);
        for (int i = 0; i < count; ++i) {
            auto *button = new QRadioButton(info.items.at(i), box);
            button->setObjectName(info.name + QLatin1Char('_') + QString::number(i));
            button->setToolTip(info.hint);
            grid->addWidget(button, i % rows, i / rows); // filled column by column
            group->addButton(button, i);
        }
        setRadioIndex(group, info.defaultValue);
        w = box;
        break;
    }
    case FieldKind::Spin: {
        auto *spin = new QSpinBox(parent);
        if (info.minimum != 0 || info.maximum != 0)
            spin->setRange(info.minimum, info.maximum);
        else
            spin->setRange(INT_MIN, INT_MAX);
        spin->setValue(info.defaultValue.toInt());
        w = spin;
        break;
    }
    }
    if (info.kind != FieldKind::Check && info.kind != FieldKind::Radio)
        separatorGuard::install(w);
    w->setObjectName(info.name);
    w->setToolTip(info.hint);
    // A screen reader names the field by its caption; the editor gives the fields
    // without one of their own what their page shows (fieldCaptions::fromDesign).
    const QString caption = fieldCaptions::own(info);
    w->setAccessibleName(caption.isEmpty() ? info.name : caption);
    return w;
}

// ---- FieldBinder

FieldBinder::FieldBinder(CardModel &model, QObject *parent) : QObject(parent), m_model(&model)
{
}

QWidget *FieldBinder::create(const FieldInfo &info, QWidget *parent)
{
    QWidget *w = fieldFactory::create(info, parent);
    bind(info.name, w);
    return w;
}

QList<QWidget *> FieldBinder::createAll(QWidget *parent, int page)
{
    QList<QWidget *> out;
    for (const FieldInfo &info : m_model->table().fields()) {
        if (page < 0 || info.page == page)
            out << create(info, parent);
    }
    return out;
}

void FieldBinder::bind(const QString &name, QWidget *widget)
{
    m_widgets.insert(name, widget);
    if (!m_order.contains(name))
        m_order << name;
    push(name, widget);
    connectWidget(name, widget);
}

void FieldBinder::bindLabel(const QString &labelName, QLabel *label)
{
    m_labels.insert(labelName, label);
    label->setProperty("zorvatPalette", QVariant::fromValue(label->palette()));
    refresh(labelName);
}

QWidget *FieldBinder::widget(const QString &name) const
{
    return m_widgets.value(name).data();
}

QLabel *FieldBinder::label(const QString &labelName) const
{
    return m_labels.value(labelName).data();
}

void FieldBinder::connectWidget(const QString &name, QWidget *w)
{
    if (auto *mask = qobject_cast<MaskEdit *>(w)) {
        connect(mask, &MaskEdit::valueChanged, this, [this, name, mask] { take(name, mask); });
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        connect(edit, &QLineEdit::textChanged, this, [this, name, edit] { take(name, edit); });
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
        connect(memo, &QPlainTextEdit::textChanged, this, [this, name, memo] { take(name, memo); });
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        connect(combo, &QComboBox::editTextChanged, this, [this, name, combo] { take(name, combo); });
        connect(combo, &QComboBox::currentIndexChanged, this, [this, name, combo] { take(name, combo); });
        connect(combo, &QComboBox::activated, this, [this, name, combo] {
            take(name, combo);
            emit chosen(name);
        });
    } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
        connect(check, &QCheckBox::toggled, this, [this, name, check] { take(name, check); });
        connect(check, &QCheckBox::clicked, this, [this, name] { emit chosen(name); });
    } else if (isRadioGroup(w)) {
        QButtonGroup *group = buttonGroupOf(w);
        connect(group, &QButtonGroup::idToggled, this, [this, name, w] { take(name, w); });
        connect(group, &QButtonGroup::idClicked, this, [this, name] { emit chosen(name); });
    } else if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        connect(spin, &QSpinBox::valueChanged, this, [this, name, spin] { take(name, spin); });
    }
}

QString FieldBinder::read(const QString &, QWidget *w) const
{
    if (auto *mask = qobject_cast<MaskEdit *>(w))
        return mask->value();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *check = qobject_cast<QCheckBox *>(w))
        return check->isChecked() ? u"1"_s : u"0"_s;
    if (isRadioGroup(w))
        return QString::number(buttonGroupOf(w)->checkedId());
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        return QString::number(spin->value());
    return {};
}

void FieldBinder::take(const QString &name, QWidget *w)
{
    if (m_updating || !m_model->has(name))
        return;
    const QString value = read(name, w);
    if (m_model->text(name) == value)
        return;
    m_model->setText(name, value);
    emit edited(name);
}

void FieldBinder::push(const QString &name, QWidget *w)
{
    if (!w || !m_model->has(name))
        return;
    const QString text = m_model->text(name);
    const bool wasUpdating = m_updating;
    m_updating = true;
    if (auto *mask = qobject_cast<MaskEdit *>(w)) {
        const QString modelMask = m_model->mask(name);
        if (mask->mask() != modelMask)
            mask->setMask(modelMask);
        if (mask->value() != text)
            mask->setValue(text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        if (combo->currentText() != text)
            setComboText(combo, text);
    } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
        check->setChecked(text == QLatin1String("1"));
    } else if (isRadioGroup(w)) {
        QButtonGroup *group = buttonGroupOf(w);
        if (QString::number(group->checkedId()) != text)
            setRadioIndex(group, text);
    } else if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        if (QString::number(spin->value()) != text)
            spin->setValue(text.toInt());
    }
    m_updating = wasUpdating;
}

void FieldBinder::refresh()
{
    for (const QString &name : std::as_const(m_order))
        push(name, m_widgets.value(name).data());
    for (auto it = m_labels.constBegin(); it != m_labels.constEnd(); ++it)
        refresh(it.key());
}

void FieldBinder::refresh(const QString &name)
{
    if (m_widgets.contains(name))
        push(name, m_widgets.value(name).data());
    QLabel *label = m_labels.value(name).data();
    if (!label)
        return;
    const std::optional<CardModel::LabelState> state = m_model->label(name);
    if (!state)
        return;
    if (label->text() != state->text) {
        label->setText(state->text);
        // The field is announced by the label the clerk sees now, unless it has a
        // spoken caption of its own.
        QWidget *field = label->buddy();
        const FieldInfo *info = field ? m_model->table().find(field->objectName()) : nullptr;
        if (field && !state->text.simplified().isEmpty() && !(info && !info->spoken.isEmpty()))
            field->setAccessibleName(state->text.simplified());
    }
    QPalette palette = label->property("zorvatPalette").value<QPalette>();
    if (state->blue)
        palette.setColor(QPalette::WindowText, QColor(Qt::blue));
    label->setPalette(palette);
}

void FieldBinder::commit()
{
    for (const QString &name : std::as_const(m_order)) {
        QWidget *w = m_widgets.value(name).data();
        if (w && m_model->has(name))
            m_model->setText(name, read(name, w));
    }
}

void FieldBinder::setItems(const QString &name, const QStringList &items)
{
    auto *combo = widgetAs<QComboBox>(name);
    if (!combo)
        return;
    const bool wasUpdating = m_updating;
    m_updating = true;
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items);
    setComboText(combo, text);
    m_updating = wasUpdating;
}

// ---- Wiring helpers

namespace {

// Where the text starts after its leading blanks; its length when it is all blanks.
int firstNonBlank(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

} // namespace

void wireTrimOnKeyPress(ExitWiring &wiring, FieldBinder &binder, const QString &name)
{
    QWidget *w = binder.widget(name);
    if (!w)
        return;
    auto *line = qobject_cast<QLineEdit *>(w);
    wiring.addKeyPressHook(w, [&binder, name, line](const QKeyEvent &) {
        CardModel &model = binder.model();
        const QString before = model.text(name);
        const int start = line && line->hasSelectedText() ? line->selectionStart() : line ? line->cursorPosition() : 0;
        const int end = line && line->hasSelectedText() ? start + int(line->selectedText().size()) : start;
        const bool blank = firstNonBlank(before) == before.size();
        if (fieldRules::trimOnKey(model, name))
            binder.refresh(name);
        else if (!blank)
            return;
        if (!line)
            return;
        // The characters moved left by the blanks taken from the front; the cursor (or
        // the selection) moves with them, so the key lands where the clerk put it and
        // no character is typed over. A field of blanks only starts again at the front.
        const int shift = blank ? start : firstNonBlank(before) - firstNonBlank(model.text(name));
        const int from = qMax(0, start - shift);
        const int to = qMax(0, end - shift);
        if (to > from)
            line->setSelection(from, to - from);
        else
            line->setCursorPosition(from);
    });
}

void wireTrimOnKeyRelease(ExitWiring &wiring, FieldBinder &binder, const QString &name)
{
    if (QWidget *w = binder.widget(name)) {
        wiring.addKeyReleaseHook(w, [&binder, name](const QKeyEvent &) {
            if (fieldRules::trimOnKey(binder.model(), name))
                binder.refresh(name);
        });
    }
}

