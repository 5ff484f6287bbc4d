#pragma once

// The registry's statuses, and how SQLite's result codes and the system's error numbers become
// them.

#include <cstdint>

namespace Registry {

// 0 is success; the failures carry the registry's customary numbers.
using Status = std::int32_t;
inline constexpr Status Success = 0;
inline constexpr Status FileNotFound = 2;  // no value of that name
inline constexpr Status AccessDenied = 5;  // the file or its folder may not be written
inline constexpr Status InvalidHandle = 6; // the key is not open
inline constexpr Status OutOfMemory = 14;
inline constexpr Status InvalidParameter = 87;
inline constexpr Status DiskFull = 112;
inline constexpr Status Busy = 170;         // another process held the file beyond the busy timeout
inline constexpr Status MoreData = 234;     // the value does not fit the buffer
inline constexpr Status BadDatabase = 1009; // the file is not a sound registry database
inline constexpr Status CantOpen = 1011;    // the file or its folders can't be found or made
inline constexpr Status IoFailed = 1016;

// SQLite's result code, primary or extended. For a system call that failed under SQLite (an I/O or
// open failure), its error number `systemError` tells why, when it is one of those below.
Status FromSqlite(int rc, int systemError = 0);

// The system's error number of a failed call.
Status FromErrno(int error);

// A failure to read a file that opened: short of a busy lock or a lack of memory, the file is no
// sound database.
Status ReadFailure(int rc);

} // namespace Registry
