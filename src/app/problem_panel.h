#pragma once

#include <QDockWidget>
#include <QList>
#include <QString>

class FieldBinder;
class QLabel;
class QMainWindow;
class QTimer;
class QTreeWidget;
struct CardProblem;

// What "Перевірити картку" found, docked under the pages: a row per problem with the
// field's code and caption, the list entry and the message. Activating a row
// (double-click or Enter) asks the editor to take the clerk to it.
class ProblemPanel : public QDockWidget
{
    Q_OBJECT
public:
    struct Row
    {
        QString code;
        QString field;   // the caption the clerk sees by the field
        QString entry;   // "Замовник 2"; empty for the card's own fields
        QString message;
        QString page;    // the tab page, shown as the row's hint
        bool warning = false;
    };

    explicit ProblemPanel(QWidget *parent = nullptr);

    // Shows the rows; the row that was current stays current while it is listed.
    void setRows(const QList<Row> &rows);
    // Shows the problems of the card whose fields `binder` holds, each by the caption
    // the clerk sees for its field.
    void setProblems(const QList<CardProblem> &problems, FieldBinder &binder);
    int rowCount() const;
    // Shows the panel docked under the pages of `window`, a few rows high, so that the
    // page keeps most of the window.
    void showUnder(QMainWindow &window);
    // The card changed: while the panel is shown it asks for a new check a moment
    // later (recheckDue), once for a run of changes.
    void recheckSoon();
    QTreeWidget *list() const { return m_list; }
    QString summary() const;

signals:
    void activated(int row);
    void recheckDue();

private:
    QLabel *m_summary;
    QTreeWidget *m_list;
    QTimer *m_recheck;
};
