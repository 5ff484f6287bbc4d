#pragma once

// How the game's key is opened and how its number and text values are read and written.
// Texts are std::u16string: UTF-16 code units, kept exactly (Qt converts with
// QString::fromStdU16String and QString::toStdU16String).

#include "platform/Registry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The game's one key, under the current user.
inline constexpr std::u16string_view AppKeyPath = u"Software\\Korvantel\\Brunovista\\1.0";

// Opens the game's key, creating it when it is missing. Any status other than 0 is a
// failure, with `key` left closed.
Registry::Status OpenAppKey(Registry::Key& key);

// Opens the game's key and runs `read` on it, seeing one consistent state of the store. False when
// the key can't be opened.
bool ReadAppKey(const std::function<void(Registry::Key&)>& read);

// Opens the game's key and runs `write` on it as one transaction: all its values land or none.
// Success only when they all landed; else why not (the key can't be opened, the transaction can't
// begin or its commit failed).
Registry::Status WriteAppKey(const std::function<void(Registry::Key&)>& write);

// The stored number when the value exists, is of type 4 and is exactly 4 bytes; else `fallback`.
std::uint32_t ReadNumberValue(Registry::Key& key, std::u16string_view name, std::uint32_t fallback);

// Stores `number` as type 4, 4 bytes little-endian. The status is ignored.
void WriteNumberValue(Registry::Key& key, std::u16string_view name, std::uint32_t number);

// Reads through a buffer of 8192 bytes: the text when the value exists, fits the buffer and is of
// type 1, else `fallback`, so a text of more than 4095 characters plus terminator reads as
// `fallback`. The text ends at its first zero, or where the data ends (an odd last byte dropped):
// 8192 bytes without a zero read as 4096 characters, which a save makes too long to read back.
std::u16string ReadStringValue(Registry::Key& key, std::u16string_view name,
                               std::u16string_view fallback);

// Stores `text` as type 1: UTF-16LE with a terminating zero, (length + 1) × 2 bytes. The status
// is ignored.
void WriteStringValue(Registry::Key& key, std::u16string_view name, std::u16string_view text);
