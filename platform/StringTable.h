#pragma once

#include <QString>

// The program's string resources by number, in the language the program speaks; empty for a
// number that has none.
QString LoadResourceString(unsigned id);
