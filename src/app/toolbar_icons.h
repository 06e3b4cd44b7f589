#pragma once

#include <QIcon>

// Speed button pictures, drawn in code so that nothing is loaded at run time.
namespace toolbarIcons {
QIcon newCard();
QIcon open();
QIcon save();
QIcon print();
QIcon printContinuation();
QIcon checkCard();
} // namespace toolbarIcons
