#pragma once

#include <cstdint>

namespace Engine {

// A step from one cell to another, in rows and columns.
struct Offset {
    std::int32_t Rows;
    std::int32_t Columns;
};

} // namespace Engine
