#include "app/qt_platform.h"

#include "app/confirm_dialog.h"
#include "app/window_fit.h"
#include "print/page_renderer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget *activeWindow()
{
    return QApplication::activeWindow();
}

const QString kAppTitle = u"ЗОРВАТ"_s;

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
    delete m_confirm.data();
}

void QtPlatform::createConfirmDialog()
{
    if (!m_confirm)
        m_confirm = new ConfirmDialog;
}

void QtPlatform::message(const QString &text)
{
    // Two-line messages carry the old line break "\n\r"; a box shows a plain one.
    QString shown = text;
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, shown, QMessageBox::Ok, activeWindow());
    box.exec();
}

Platform::Answer QtPlatform::question(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, activeWindow());
    auto *yes = box.addButton(u"&Так"_s, QMessageBox::YesRole);
    auto *no = box.addButton(u"&Ні"_s, QMessageBox::NoRole);
    auto *cancel = box.addButton(u"Скасувати"_s, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

Platform::Answer QtPlatform::confirm(const QString &caption, const QString &text)
{
    createConfirmDialog();
    return m_confirm->ask(caption, text);
}

QString QtPlatform::qtFilter(const QString &filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return filter.left(bar) + u" ("_s + filter.mid(bar + 1).replace(QLatin1Char(';'), QLatin1Char(' '))
        + QLatin1Char(')');
}

static QString runFileDialog(const FileChoice &choice, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    dialog.setNameFilter(QtPlatform::qtFilter(choice.filter));
    if (!choice.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(choice.defaultSuffix);
    dialog.setDirectory(choice.directory.isEmpty() ? QDir::currentPath() : choice.directory);
    if (!choice.initialName.isEmpty())
        dialog.selectFile(choice.initialName);
    if (mode == QFileDialog::AcceptSave)
        dialog.setWindowTitle(u"Записати як"_s);
    else
        dialog.setWindowTitle(u"Відкрити"_s);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::chooseOpenFile(const FileChoice &choice)
{
    return runFileDialog(choice, QFileDialog::AcceptOpen);
}

QString QtPlatform::chooseSaveFile(const FileChoice &choice)
{
    return runFileDialog(choice, QFileDialog::AcceptSave);
}

QString QtPlatform::chooseFolder(const QString &caption, const QString &directory)
{
    return QFileDialog::getExistingDirectory(activeWindow(), caption, directory);
}

void QtPlatform::ioError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, kAppTitle, text, QMessageBox::Ok, activeWindow());
    box.exec();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::showPreview(const QList<const PageLayout *> &pages, const QString &title)
{
    if (pages.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, activeWindow());
    setUpPreviewWindow(preview, title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&pages](QPrinter *p) {
        QPainter painter(p);
        const QRectF page = p->paperRect(QPrinter::DevicePixel);
        PrintFonts fonts;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                p->newPage();
            paintPage(painter, *pages.at(i), QRectF(QPointF(0, 0), page.size()), &fonts);
        }
    });
    preview.exec();
}

void setUpPreviewWindow(QPrintPreviewDialog &preview, const QString &title)
{
    preview.setWindowTitle(title.isEmpty() ? u"Попередній перегляд друку"_s
                                           : u"Попередній перегляд друку — "_s + title);
    preview.resize(900, 1000);
    windowFit::keepOnScreen(&preview);
}
