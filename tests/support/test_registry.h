#pragma once

#include <QObject>

#include <functional>

// Test classes of one folder register here; the folder's executable runs them all.
namespace testRegistry {
void add(const char *name, std::function<QObject *()> make);
} // namespace testRegistry

#define ZORVAT_TEST(Class)                                                                         \
    namespace {                                                                                    \
    const bool registered_##Class = (testRegistry::add(#Class, [] { return new Class; }), true); \
    }
