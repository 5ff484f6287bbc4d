#pragma once

#include <QString>

// The program's string resources by number (resources/ResourceIds.h); empty for a number that
// has none.
QString LoadResourceString(unsigned id);
