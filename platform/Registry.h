#pragma once

// The registry's keys: typed values of the current user, kept in one SQLite database file.
//
// Table registry_values(key, name, type, data) holds one row per value, exactly as written;
// table registry_keys(key) every key that exists, so that opening a key creates it. Key paths
// (like "Software\Korvantel\Brunovista\1.0") and value names compare case-insensitively
// (SQLite's NOCASE, which folds ASCII letters). Where the file lives: RegistryPath.h; how it is
// made: RegistryCreation.h; what a file must be for a key to open: RegistryCheck.h.
//
// Nothing here throws: failures come back as statuses. A file that is not a sound database is
// never changed: opening a key fails instead. A file that may not be written (or whose folder may
// not) is only read. Several processes may share the file; a transaction lands whole or not at
// all, even if its process dies midway.

#include "platform/RegistryPath.h"
#include "platform/RegistryStatus.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace Registry {

using ValueType = std::uint32_t;
inline constexpr ValueType TypeNone = 0;   // what a type column edited into a non-number reads as
inline constexpr ValueType TypeString = 1; // UTF-16LE text with its terminating zero
inline constexpr ValueType TypeNumber = 4; // 4 bytes, little-endian

inline constexpr int BusyTimeoutMilliseconds = 10000;

// A row (value, name and key) of more bytes than this is refused unread, and can't be set:
// InvalidParameter.
inline constexpr int MaxRowBytes = 1 << 20;

// An open key: its own connection to the store, closed by Close or destruction.
class Key {
public:
    Key() noexcept = default;
    ~Key();
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    // Opens the key at `path` ('\'-separated), creating it, the keys above it and the store file
    // when missing. On failure the key stays closed. A store that may not be written opens for
    // reading when it holds the key (else AccessDenied).
    Status Create(std::u16string_view path) noexcept;

    // On entry `size` is the capacity of `data`. For an existing value, `type` and `size` receive
    // its type and byte count, and the bytes are copied when they fit (else MoreData). A missing
    // value gives FileNotFound and leaves `type` and `size` alone. Null `data` asks for the size.
    Status QueryValue(std::u16string_view name, ValueType& type, void* data,
                      std::uint32_t& size) noexcept;

    Status SetValue(std::u16string_view name, ValueType type, const void* data,
                    std::uint32_t size) noexcept;

    // Everything up to CommitTransaction is one transaction holding the write lock: other
    // processes see all of its sets or none, and its reads see one state. No nesting. On a store
    // that may not be written: AccessDenied, as for every SetValue.
    Status BeginTransaction() noexcept;

    // Lands the transaction's sets when all of them succeeded; otherwise lands none and returns
    // the first failure.
    Status CommitTransaction() noexcept;

    // Rolls back an unfinished transaction.
    void Close() noexcept;

private:
    Status Open(std::u16string_view path);

    sqlite3* Db = nullptr;
    sqlite3_stmt* QueryStatement = nullptr;
    sqlite3_stmt* SetStatement = nullptr;
    std::u16string Path;
    bool InTransaction = false;
    Status TransactionStatus = Success;
};

} // namespace Registry
