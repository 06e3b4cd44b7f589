#include "orgs/org_directory.h"

#include "app/window_fit.h"
#include "fields/common_texts.h"
#include "fields/platform.h"
#include "fields/user_settings.h"
#include "orgs/org_import.h"
#include "orgs/org_store.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Column { Kind, Code, FullName, ShortName, City, Address, Phone, Email, Subordination, SavedAt, Columns };

const QString kCaption = u"Довідник організацій"_s;

QString *member(Organisation &o, int column)
{
    switch (column) {
    case Code: return &o.code;
    case FullName: return &o.fullName;
    case ShortName: return &o.shortName;
    case City: return &o.city;
    case Address: return &o.address;
    case Phone: return &o.phone;
    case Email: return &o.email;
    case Subordination: return &o.subordination;
    default: return nullptr;
    }
}

} // namespace

OrgDirectory::OrgDirectory(QWidget *parent) : QWidget(parent, Qt::Window), m_store(std::make_unique<OrgStore>())
{
    setObjectName(u"OrgDirectory"_s);
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *filterLabel = new QLabel(u"&Пошук:"_s, this);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(u"OrgFilter"_s);
    m_filter->setPlaceholderText(u"код, найменування або місто"_s);
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);
    top->addWidget(filterLabel);
    top->addWidget(m_filter, 1);
    layout->addLayout(top);

    m_table = new QTableWidget(0, Columns, this);
    m_table->setObjectName(u"OrgTable"_s);
    m_table->setHorizontalHeaderLabels({u"Особа"_s, u"Код"_s, u"Повне найменування"_s, u"Скорочене"_s, u"Місто"_s,
                                        u"Місцезнаходження"_s, u"Телефон / Факс"_s, u"E-mail / WWW"_s,
                                        u"Підпорядкованість"_s, u"Записано"_s});
    m_table->setAccessibleName(kCaption);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(FullName, 260);
    layout->addWidget(m_table, 1);

    auto *buttons = new QHBoxLayout;
    m_delete = new QPushButton(u"&Видалити"_s, this);
    m_delete->setObjectName(u"OrgDelete"_s);
    auto *import = new QPushButton(u"&Імпортувати з теки..."_s, this);
    import->setObjectName(u"OrgImport"_s);
    import->setToolTip(u"Прочитати всі файли карток (RK, OK, OKD, IK) у теці та її підтеках"_s);
    m_remember = new QCheckBox(u"&Запам'ятовувати організації з записаних карток"_s, this);
    m_remember->setObjectName(u"OrgRemember"_s);
    m_remember->setChecked(userSettings::rememberOrganisations());
    auto *close = new QPushButton(u"&Закрити"_s, this);
    buttons->addWidget(m_delete);
    buttons->addWidget(import);
    buttons->addStretch(1);
    buttons->addWidget(m_remember);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    m_status = new QLabel(this);
    m_status->setObjectName(u"OrgStatus"_s);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    connect(m_filter, &QLineEdit::textChanged, this, &OrgDirectory::reload);
    connect(m_table, &QTableWidget::itemChanged, this, &OrgDirectory::cellEdited);
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteRow(m_table->currentRow()); });
    connect(import, &QPushButton::clicked, this, [this] {
        const QString folder = Platform::instance().chooseFolder(u"Тека з картками"_s, QDir::homePath());
        if (!folder.isEmpty())
            importFolders({folder});
    });
    connect(m_remember, &QCheckBox::toggled, this, &OrgDirectory::rememberToggled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 520);
    windowFit::keepOnScreen(this);
    reload();
}

OrgDirectory::~OrgDirectory() = default;

OrgDirectory *OrgDirectory::showFor(QWidget *owner)
{
    static QPointer<OrgDirectory> window;
    if (!window)
        window = new OrgDirectory(owner);
    else
        window->reload();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}


void OrgDirectory::reload()
{
    const QList<Organisation> orgs = m_store->all(m_filter->text());
    const QString error = m_store->error();
    m_loading = true;
    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(orgs.size()));
    for (int row = 0; row < orgs.size(); ++row) {
        Organisation o = orgs.at(row);
        const auto put = [&](int column, const QString &text, bool editable) {
            auto *item = new QTableWidgetItem(text);
            if (!editable)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            // The key the row is stored under, whatever the clerk types into the cells.
            item->setData(Qt::UserRole, o.kind);
            item->setData(Qt::UserRole + 1, o.code);
            m_table->setItem(row, column, item);
        };
        put(Kind, o.kind == u"2"_s ? commonTexts::personKinds().at(1) : commonTexts::personKinds().at(0), false);
        for (int column = Code; column <= Subordination; ++column)
            put(column, *member(o, column), true);
        put(SavedAt, QLocale().toString(o.savedAt, QLocale::ShortFormat), false);
        m_table->item(row, SavedAt)->setToolTip(o.source);
    }
    m_loading = false;
    m_delete->setEnabled(!orgs.isEmpty());
    if (!error.isEmpty())
        showProblem(error);
    else if (const QString last = orgProblems::last(); !last.isEmpty())
        showProblem(last);
    else
        m_status->setText(m_filter->text().isEmpty() ? u"Організацій у довіднику: %1."_s.arg(orgs.size())
                                                     : u"Знайдено: %1."_s.arg(orgs.size()));
}

void OrgDirectory::showProblem(const QString &text)
{
    m_status->setText(text);
    m_status->setStyleSheet(u"color: #a00000"_s);
}

void OrgDirectory::cellEdited(QTableWidgetItem *item)
{
    if (m_loading)
        return;
    const int row = item->row();
    const QString kind = item->data(Qt::UserRole).toString();
    const QString code = item->data(Qt::UserRole + 1).toString();
    const std::optional<Organisation> stored = m_store->find(kind, code);
    if (!stored) {
        reload();
        return;
    }
    Organisation changed = *stored;
    if (QString *value = member(changed, item->column()))
        *value = item->text().trimmed();
    if (!changed.hasValidCode()) {
        Platform::instance().message(u"Код має складатися з %1 цифр."_s.arg(kind == u"2"_s ? 10 : 8));
        reload();
        return;
    }
    if (changed.code != code && m_store->find(kind, changed.code)) {
        Platform::instance().message(u"Організація з кодом %1 уже є в довіднику."_s.arg(changed.code));
        reload();
        return;
    }
    if (!m_store->replace(kind, code, changed)) {
        showProblem(m_store->error());
        return;
    }
    reload();
    m_table->setCurrentCell(row, item->column());
}

void OrgDirectory::deleteRow(int row)
{
    const QTableWidgetItem *item = m_table->item(row, Code);
    if (!item)
        return;
    const QString kind = item->data(Qt::UserRole).toString();
    const QString code = item->data(Qt::UserRole + 1).toString();
    const QString name = m_table->item(row, FullName)->text();
    if (Platform::instance().question(kCaption, u"Видалити з довідника «%1» (код %2)?"_s.arg(name, code))
        != Platform::Answer::Yes)
        return;
    if (!m_store->remove(kind, code)) {
        showProblem(m_store->error());
        return;
    }
    reload();
}

void OrgDirectory::importFolders(const QStringList &folders)
{
    const OrgImport result = importCards(*m_store, folders);
    reload();
    QString text = u"Прочитано файлів карток: %1, організацій у них: %2."_s.arg(result.files).arg(result.organisations);
    if (!result.problems.isEmpty())
        text += u"\nНе вдалося:\n"_s + result.problems.mid(0, 10).join(u'\n');
    Platform::instance().message(text);
}

void OrgDirectory::rememberToggled(bool on)
{
    userSettings::setRememberOrganisations(on);
    if (on)
        return;
    const int count = m_store->count();
    if (count == 0)
        return;
    if (Platform::instance().question(kCaption, u"Організації з записаних карток більше не запам'ятовуються. "
                                                u"Очистити довідник (організацій у ньому: %1)?"_s.arg(count))
        == Platform::Answer::Yes) {
        if (!m_store->clear())
            showProblem(m_store->error());
        reload();
    }
}
