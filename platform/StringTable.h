#pragma once

#include <QString>

// The program's string resources by number; empty for a number that has none.
QString LoadResourceString(unsigned id);
