#pragma once

#include <QString>

// The program's string resources by number (resources/ResourceIds.h), in the language the program
// speaks; empty for a number that has none.
QString LoadResourceString(unsigned id);
