#pragma once

#include "fields/platform.h"

#include <QPointer>

class QPrintPreviewDialog;
class QWidget;
class ConfirmDialog;

// The print preview window as the program opens it: its title, its size (never more
// than the screen has room for) and its place.
void setUpPreviewWindow(QPrintPreviewDialog &preview, const QString &title);

// The platform seam on the desktop: Qt message boxes, file dialogs, the shared
// confirmation dialog and the print preview.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    // The confirmation dialog lives for the whole run; it is created last at start.
    void createConfirmDialog();

    void message(const QString &text) override;
    Answer question(const QString &caption, const QString &text) override;
    Answer confirm(const QString &caption, const QString &text) override;
    QString chooseOpenFile(const FileChoice &choice) override;
    QString chooseSaveFile(const FileChoice &choice) override;
    QString chooseFolder(const QString &caption, const QString &directory) override;
    void ioError(const QString &text) override;
    void beep() override;
    void showPreview(const QList<const PageLayout *> &pages, const QString &title) override;

    // "Текстові файли|*.txt" in Qt's notation: "Текстові файли (*.txt)".
    static QString qtFilter(const QString &filter);

private:
    QPointer<ConfirmDialog> m_confirm;
};
