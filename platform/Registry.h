#pragma once

// The registry: keys and typed values of the current user, kept in one SQLite database file.
//
// The file is $PEBBLIX_REGISTRY, else $XDG_DATA_HOME/pebblix/registry.sqlite (when that is an
// absolute path), else ~/.local/share/pebblix/registry.sqlite; missing folders are created.
// Table registry_values(key, name, type, data) holds one row per value, exactly as written;
// table registry_keys(key) every key that exists, so that opening a key creates it. Key paths
// (like "Software\Korvantel\Brunovista\1.0") and value names compare case-insensitively
// (SQLite's NOCASE, which folds ASCII letters).
//
// Nothing here throws: failures come back as statuses. A file that is not a sound database, or
// that may not be written, is never changed: opening a key fails instead. Several processes may
// share the file; a transaction lands whole or not at all, even if its process dies midway.

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

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

using ValueType = std::uint32_t;
inline constexpr ValueType TypeNone = 0;   // what a type column edited into a non-number reads as
inline constexpr ValueType TypeString = 1; // UTF-16LE text with its terminating zero
inline constexpr ValueType TypeNumber = 4; // 4 bytes, little-endian

inline constexpr int BusyTimeoutMilliseconds = 10000;

// A row (value, name and key) of more bytes than this is refused unread, and can't be set:
// InvalidParameter.
inline constexpr int MaxRowBytes = 1 << 20;

// The store file's path as the environment gives it; empty when there is no home folder either.
std::string StorePath();

// An open key: its own connection to the store, closed by Close or destruction.
class Key {
public:
    Key() noexcept = default;
    ~Key();
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    // Opens the key at `path` ('\'-separated), creating it, the keys above it and the store file
    // when missing. On failure the key stays closed.
    Status Create(std::u16string_view path) noexcept;

    // On entry `size` is the capacity of `data`. For an existing value, `type` and `size` receive
    // its type and byte count, and the bytes are copied when they fit (else MoreData). A missing
    // value gives FileNotFound and leaves `type` and `size` alone. Null `data` asks for the size.
    Status QueryValue(std::u16string_view name, ValueType& type, void* data,
                      std::uint32_t& size) noexcept;

    Status SetValue(std::u16string_view name, ValueType type, const void* data,
                    std::uint32_t size) noexcept;

    // Everything up to CommitTransaction is one transaction holding the write lock: other
    // processes see all of its sets or none, and its reads see one state. No nesting.
    Status BeginTransaction() noexcept;

    // Lands the transaction's sets when all of them succeeded; otherwise lands none and returns
    // the first failure.
    Status CommitTransaction() noexcept;

    // Rolls back an unfinished transaction.
    void Close() noexcept;

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* queryStatement_ = nullptr;
    sqlite3_stmt* setStatement_ = nullptr;
    std::u16string path_;
    bool inTransaction_ = false;
    Status transactionStatus_ = Success;
};

} // namespace Registry
