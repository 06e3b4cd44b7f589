#pragma once

#include "fields/field_table.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class CardModel;
class ExitWiring;
class QLabel;
class QWidget;

// Builds the widget of one input field from its FieldInfo: edit QLineEdit (maxLength),
// memo QPlainTextEdit (noEnter, vScroll), masked MaskEdit, combo editable QComboBox
// with its items, check QCheckBox, radio QGroupBox of QRadioButtons in `columns`
// columns, spin QSpinBox. The widget's objectName is the component name and its
// tooltip the hint. The card editor places it on its tab page beside its label.
namespace fieldFactory {
QWidget *create(const FieldInfo &info, QWidget *parent);
} // namespace fieldFactory

// Keeps the widgets of a card in two-way sync with its model: a change in a widget
// goes into the model at once (model.setText); refresh() shows the model's texts,
// masks and run-time labels in the widgets without sending anything back, so nothing
// is marked modified.
class FieldBinder : public QObject
{
    Q_OBJECT
public:
    explicit FieldBinder(CardModel &model, QObject *parent = nullptr);

    CardModel &model() { return *m_model; }

    // Builds the field's widget (fieldFactory::create), shows the model's text in it
    // and binds it.
    QWidget *create(const FieldInfo &info, QWidget *parent);
    // Builds and binds every field of the model's table whose page is `page` (all
    // fields for -1), in table order, all with `parent` as parent.
    QList<QWidget *> createAll(QWidget *parent, int page = -1);
    // Binds a widget built elsewhere (of a kind fieldFactory builds) to field `name`.
    void bind(const QString &name, QWidget *widget);
    // A label whose text and colour the model's label state gives (CardModel::setLabel).
    void bindLabel(const QString &labelName, QLabel *label);

    QWidget *widget(const QString &name) const;
    template<class T>
    T *widgetAs(const QString &name) const
    {
        return qobject_cast<T *>(widget(name));
    }
    QLabel *label(const QString &labelName) const;
    QStringList names() const { return m_order; }

    // Model -> widgets: texts, masks, labels. Sends nothing back.
    void refresh();
    void refresh(const QString &name);
    // Widgets -> model, for every bound field.
    void commit();

    // New items for a combo box; its text stays.
    void setItems(const QString &name, const QStringList &items);

signals:
    // The user (or the program, outside refresh) changed the field; the model has the
    // new text.
    void edited(const QString &name);
    // The user picked an entry: a combo box item, a radio button, a check box.
    void chosen(const QString &name);

private:
    void connectWidget(const QString &name, QWidget *widget);
    void push(const QString &name, QWidget *widget);
    QString read(const QString &name, QWidget *widget) const;
    void take(const QString &name, QWidget *widget);

    CardModel *m_model;
    QHash<QString, QPointer<QWidget>> m_widgets;
    QHash<QString, QPointer<QLabel>> m_labels;
    QStringList m_order;
    bool m_updating = false;
};

// Trim on key press for a bound field: before the field takes a key its text loses
// its leading and trailing blanks (fieldRules::trimOnKey), and the widget shows it.
void wireTrimOnKeyPress(ExitWiring &wiring, FieldBinder &binder, const QString &name);
// The same after the field took the key (RK: ed2457, ed2458 on key release).
void wireTrimOnKeyRelease(ExitWiring &wiring, FieldBinder &binder, const QString &name);
