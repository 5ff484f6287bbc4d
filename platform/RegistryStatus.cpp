#include "platform/RegistryStatus.h"

#include <cerrno>
#include <sqlite3.h>

namespace Registry {

Status FromSqlite(int rc, int systemError) {
    const int primary = rc & 0xff;
    if ((primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) &&
        FromErrno(systemError) != IoFailed)
        return FromErrno(systemError);
    switch (primary) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return Success;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Busy;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
    case SQLITE_SCHEMA:
        return BadDatabase;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return AccessDenied;
    case SQLITE_NOMEM:
        return OutOfMemory;
    case SQLITE_FULL:
        return DiskFull;
    case SQLITE_CANTOPEN:
        return CantOpen;
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
    case SQLITE_MISUSE:
    case SQLITE_MISMATCH:
        return InvalidParameter;
    default:
        return IoFailed;
    }
}

Status FromErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // a file may grow no further
        return DiskFull;
    case ENOMEM:
        return OutOfMemory;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return CantOpen;
    default:
        return IoFailed;
    }
}

Status ReadFailure(int rc) {
    Status status = FromSqlite(rc);
    return status == Busy || status == OutOfMemory ? status : BadDatabase;
}

} // namespace Registry
