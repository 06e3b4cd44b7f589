#pragma once

#include "orgs/org_group.h"

#include <QFrame>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class CardDocument;
class CardRules;
class ExitWiring;
class FieldBinder;
class OrgStore;
class QListWidget;

// The small list under a field that offers organisations of the directory. It never
// takes the focus: the clerk goes on typing in the field while it shows.
class OrgPopup : public QFrame
{
    Q_OBJECT
public:
    explicit OrgPopup(QWidget *parent);

    void offer(QWidget *under, const QList<Organisation> &orgs);
    const QList<Organisation> &offered() const { return m_orgs; }
    int current() const;
    void step(int delta);
    QListWidget *list() const { return m_list; }

signals:
    void picked(int row);

private:
    QListWidget *m_list;
    QList<Organisation> m_orgs;
};

// The directory at work in one editor window: a save remembers the card's
// organisations; a code or a name typed into a group of the card offers what the
// directory knows, and accepting fills the group's empty fields as if typed.
class OrgAssist : public QObject
{
    Q_OBJECT
public:
    // A child of `window`, found again by of(); the editor that owns the rules deletes
    // it before them.
    static OrgAssist *attach(QWidget *window, FieldBinder &binder, CardDocument &document, CardRules &rules,
                             ExitWiring &wiring);
    static OrgAssist *of(const QWidget *window);
    ~OrgAssist() override;

    OrgPopup *popup() const { return m_popup; }
    // The field the popup shows under; nullptr while it is hidden.
    QWidget *offeredFor() const { return m_popup->isVisible() ? m_field.data() : nullptr; }
    // Accepts the offer `row` as the keyboard or a click does.
    void accept(int row);

    // Codes offered from this many digits typed, names from this many characters.
    static constexpr int kCodeDigits = 4;
    static constexpr int kNameLetters = 3;
    static constexpr int kOffers = 8;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OrgAssist(QWidget *window, FieldBinder &binder, CardDocument &document, CardRules &rules, ExitWiring &wiring);
    void edited(const QString &field);
    void hide();
    void remember(const QString &path);
    OrgStore &store();

    QWidget *m_window;
    FieldBinder *m_binder;
    CardDocument *m_document;
    CardRules *m_rules;
    ExitWiring *m_wiring;
    OrgPopup *m_popup;
    QList<OrgGroup> m_groups;
    QHash<QString, int> m_groupOf; // code and name fields -> group
    QPointer<QWidget> m_field;     // the field the offer is for
    int m_group = -1;
    std::unique_ptr<OrgStore> m_store;
    bool m_lookupFailed = false;
};
