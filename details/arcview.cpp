// The arc welding signals and analog values of the selected record.

#include "app/velloran.h"

int Velloran::arcEntryOfRow(int) const
{
    return -1;
}

void Velloran::fillArcView(int) {}
