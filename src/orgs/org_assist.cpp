#include "orgs/org_assist.h"

#include "fields/card_document.h"
#include "fields/card_rules.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"
#include "fields/rule_context.h"
#include "fields/user_settings.h"
#include "orgs/org_store.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

OrgPopup::OrgPopup(QWidget *parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(u"OrgPopup"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"OrgPopupList"_s);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { emit picked(m_list->row(item)); });
}

void OrgPopup::offer(QWidget *under, const QList<Organisation> &orgs)
{
    m_orgs = orgs;
    m_list->clear();
    for (const Organisation &o : orgs) {
        QString text = o.code + u"   "_s + o.displayName();
        if (!o.city.isEmpty())
            text += u", "_s + o.city;
        auto *item = new QListWidgetItem(text, m_list);
        item->setToolTip(o.fullName + u'\n' + o.address);
    }
    m_list->setCurrentRow(0);
    m_list->setToolTip(u"Enter - заповнити порожні поля цієї організації, Esc - не заповнювати"_s);
    const int rowHeight = m_list->sizeHintForRow(0);
    const int width = qMax(under->width(), 420);
    m_list->setMinimumHeight(0);
    setFixedSize(width, rowHeight * int(orgs.size()) + 2 * m_list->frameWidth() + 2);
    QPoint at = under->mapToGlobal(QPoint(0, under->height()));
    if (const QScreen *screen = under->screen(); screen && at.y() + height() > screen->availableGeometry().bottom())
        at.setY(under->mapToGlobal(QPoint(0, 0)).y() - height());
    move(at);
    show();
    raise();
}

int OrgPopup::current() const
{
    return m_list->currentRow();
}

void OrgPopup::step(int delta)
{
    const int rows = m_list->count();
    if (rows > 0)
        m_list->setCurrentRow((m_list->currentRow() + delta + rows) % rows);
}

OrgAssist::OrgAssist(QWidget *window, FieldBinder &binder, CardDocument &document, CardRules &rules,
                     ExitWiring &wiring)
    : QObject(window),
      m_window(window),
      m_binder(&binder),
      m_document(&document),
      m_rules(&rules),
      m_wiring(&wiring),
      m_popup(new OrgPopup(window)),
      m_groups(orgGroupsOf(document.kind().type()))
{
    setObjectName(u"OrgAssist"_s);
    for (int g = 0; g < m_groups.size(); ++g) {
        const OrgGroup &group = m_groups.at(g);
        for (const QString &field : QStringList{group.code} + group.nameFields()) {
            QWidget *w = binder.widget(field);
            if (!w)
                continue;
            m_groupOf.insert(field, g);
            w->installEventFilter(this);
        }
    }
    connect(&binder, &FieldBinder::edited, this, &OrgAssist::edited);
    connect(m_popup, &OrgPopup::picked, this, &OrgAssist::accept);
    connect(&document, &CardDocument::saved, this, &OrgAssist::remember);
    // The page turns, the list shows another entry: the offer was for what is gone.
    connect(&document, &CardDocument::modelReplaced, this, &OrgAssist::hide);
}

OrgAssist::~OrgAssist() = default;

OrgAssist *OrgAssist::attach(QWidget *window, FieldBinder &binder, CardDocument &document, CardRules &rules,
                             ExitWiring &wiring)
{
    return new OrgAssist(window, binder, document, rules, wiring);
}

OrgAssist *OrgAssist::of(const QWidget *window)
{
    return window ? window->findChild<OrgAssist *>(u"OrgAssist"_s, Qt::FindDirectChildrenOnly) : nullptr;
}

OrgStore &OrgAssist::store()
{
    if (!m_store || m_store->path() != OrgStore::defaultFile())
        m_store = std::make_unique<OrgStore>();
    return *m_store;
}

void OrgAssist::hide()
{
    m_popup->hide();
}

void OrgAssist::edited(const QString &field)
{
    const auto it = m_groupOf.constFind(field);
    if (it == m_groupOf.constEnd() || m_lookupFailed) {
        hide();
        return;
    }
    const OrgGroup &group = m_groups.at(*it);
    const CardModel &model = m_document->model();
    const QString kind = orgGroups::kindOf(group, model);
    QWidget *w = m_binder->widget(field);
    QList<Organisation> found;
    if (!kind.isEmpty() && w && w->hasFocus()) {
        if (field == group.code) {
            // The digits from the start up to the first empty place: a code typed with a
            // gap in it is no prefix of any code.
            QString typed = model.text(field);
            for (qsizetype i = 0; i < typed.size(); ++i) {
                if (!typed.at(i).isDigit()) {
                    typed.truncate(i);
                    break;
                }
            }
            if (typed.size() >= kCodeDigits)
                found = store().byCode(kind, typed, kOffers);
        } else {
            const QString typed = model.text(field).trimmed();
            if (typed.size() >= kNameLetters)
                found = store().byName(kind, typed, kOffers);
        }
        if (!store().error().isEmpty()) {
            // Offers stop for this window; the clerk hears of it from the directory
            // or at the next save, not in the middle of typing.
            m_lookupFailed = true;
            found.clear();
        }
    }
    // An offer of exactly what the field already holds adds nothing.
    if (found.size() == 1 && field != group.code && found.constFirst().fullName == model.text(field).trimmed()
        && orgGroups::read(group, model).code == found.constFirst().code)
        found.clear();
    if (found.isEmpty()) {
        hide();
        return;
    }
    m_field = w;
    m_group = *it;
    m_popup->offer(w, found);
}

void OrgAssist::accept(int row)
{
    if (m_group < 0 || row < 0 || row >= m_popup->offered().size())
        return;
    const Organisation org = m_popup->offered().at(row);
    const OrgGroup &group = m_groups.at(m_group);
    hide();
    CardModel &model = m_document->model();
    // A name picked where it was being typed completes that name; the rest of the
    // group is filled only where it is empty.
    QStringList completed;
    if (m_field && (m_field->objectName() != group.code || orgGroups::kindOf(group, model) == org.kind)) {
        // The digits typed begin the code offered, so completing it replaces nothing.
        const QString name = m_field->objectName();
        const QString picked = name == group.code       ? org.code
                               : name == group.fullName ? org.fullName
                                                        : org.shortName;
        if (!picked.isEmpty() && model.text(name) != picked) {
            model.setFitted(name, picked);
            completed << name;
        }
    }
    const QStringList filled = completed + orgGroups::fill(group, model, org);
    if (filled.isEmpty())
        return;
    m_binder->refresh();
    m_document->noteChange();
    // As if typed: the filled fields pass their exit rules (which keep the texts where
    // the card holds them and check them). The field being typed in runs its own when
    // it is left.
    const QString focused = m_field ? m_field->objectName() : QString();
    const QStringList withRules = m_rules->fields().exit;
    for (const QString &field : filled) {
        if (field == focused || !withRules.contains(field))
            continue;
        // A rule that keeps the clerk on the field, or sends them elsewhere with a word
        // (an address without its city), has the focus go there, as after typing.
        m_wiring->runRule(m_binder->widget(field),
                          [this, &field](RuleContext &ctx) { m_rules->exitRule(field, ctx); },
                          ExitWiring::Moves::DropSilent);
        if (m_wiring->isFocusPending())
            break;
    }
}

bool OrgAssist::eventFilter(QObject *watched, QEvent *event)
{
    const bool offering = m_popup->isVisible() && watched == m_field;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        if (!offering)
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        const bool ours = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape
                          || ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)
                              && m_popup->offered().size() > 1);
        if (!ours)
            break;
        // Claimed before any shortcut (Escape, a default button) can act on it.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (key->key() == Qt::Key_Escape)
            hide();
        else if (key->key() == Qt::Key_Down)
            m_popup->step(1);
        else if (key->key() == Qt::Key_Up)
            m_popup->step(-1);
        else
            accept(m_popup->current());
        return true;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (watched == m_field)
            hide();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void OrgAssist::remember(const QString &path)
{
    if (!userSettings::rememberOrganisations())
        return;
    QList<Organisation> orgs;
    QString error;
    if (!orgGroups::collectFromFile(m_document->kind(), path, &orgs, &error))
        return; // the card was written; reading it back is the directory's business only
    if (!store().remember(orgs))
        orgProblems::report(store().error());
}
