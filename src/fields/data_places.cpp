#include "fields/data_places.h"

namespace {

DataPlaces &inUse()
{
    static DataPlaces places;
    return places;
}

} // namespace

const DataPlaces &DataPlaces::current()
{
    return inUse();
}

DataPlaces DataPlaces::use(const DataPlaces &places)
{
    DataPlaces before = inUse();
    inUse() = places;
    return before;
}
