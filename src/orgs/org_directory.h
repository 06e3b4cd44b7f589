#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class OrgStore;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// "Довідник організацій": the organisations the cards gave, with a filter; a cell
// corrected in place is stored at once, a row can be deleted, and card folders can be
// read into the directory. One window per program run.
class OrgDirectory : public QWidget
{
    Q_OBJECT
public:
    explicit OrgDirectory(QWidget *parent = nullptr);
    ~OrgDirectory() override;

    // Shows the one window, made on first use.
    static OrgDirectory *showFor(QWidget *owner);

    QTableWidget *table() const { return m_table; }
    QLineEdit *filter() const { return m_filter; }
    QLabel *status() const { return m_status; }

    // The list anew from the directory, through the filter.
    void reload();
    // Reads the card files under `folders` into the directory and tells what it did.
    void importFolders(const QStringList &folders);
    // Deletes the organisation of `row` after the question.
    void deleteRow(int row);

private:
    void cellEdited(QTableWidgetItem *item);
    void rememberToggled(bool on);
    void showProblem(const QString &text);

    std::unique_ptr<OrgStore> m_store;
    QLineEdit *m_filter;
    QTableWidget *m_table;
    QLabel *m_status;
    QCheckBox *m_remember;
    QPushButton *m_delete;
    bool m_loading = false;
};
