#pragma once

#include "fields/data_places.h"
#include "spell/speller.h"

#include <functional>

// Some of the run's data places changed for one test; all of them as before after it.
// The spell checker reads its dictionaries and word list again from the places in use.
class ScopedPlaces
{
public:
    explicit ScopedPlaces(const std::function<void(DataPlaces &)> &change)
    {
        DataPlaces places = DataPlaces::current();
        change(places);
        m_before = DataPlaces::use(places);
        spelling::Speller::service().reload();
    }
    ~ScopedPlaces()
    {
        DataPlaces::use(m_before);
        spelling::Speller::service().reload();
    }
    ScopedPlaces(const ScopedPlaces &) = delete;
    ScopedPlaces &operator=(const ScopedPlaces &) = delete;

private:
    DataPlaces m_before;
};
