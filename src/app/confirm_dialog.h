#pragma once

#include "fields/platform.h"

#include <QDialog>

class QLabel;

// ConfirmDialog: the shared confirmation dialog, created at start and reused.
class ConfirmDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ConfirmDialog(QWidget *parent = nullptr);

    // Shows the dialog modally with this caption and text line; "&Так" is Yes,
    // "&Ні" No, "&Відмова" and Escape Cancel.
    Platform::Answer ask(const QString &caption, const QString &text);

private:
    QLabel *m_label;
};
