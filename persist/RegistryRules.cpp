#include "persist/RegistryRules.h"

#include <array>
#include <vector>

Registry::Status OpenAppKey(Registry::Key& key) {
    return key.Create(AppKeyPath);
}

bool ReadAppKey(const std::function<void(Registry::Key&)>& read) {
    Registry::Key key;
    if (OpenAppKey(key) != Registry::Success)
        return false;
    // Inside a transaction, a save by another copy of the game is seen whole or not at all.
    bool grouped = key.BeginTransaction() == Registry::Success;
    try {
        read(key);
    } catch (...) {
        // Out of memory for a text: what was read stays, the rest keeps what it had.
    }
    if (grouped)
        key.CommitTransaction();
    key.Close();
    return true;
}

Registry::Status WriteAppKey(const std::function<void(Registry::Key&)>& write) {
    Registry::Key key;
    Registry::Status status = OpenAppKey(key);
    if (status != Registry::Success)
        return status;
    // Without the transaction the values could land one by one: rather keep the old ones whole.
    status = key.BeginTransaction();
    if (status == Registry::Success) {
        try {
            write(key);
            status = key.CommitTransaction();
        } catch (...) {
            // Out of memory: closing the key lands none of the values.
            status = Registry::OutOfMemory;
        }
    }
    key.Close();
    return status;
}

std::uint32_t ReadNumberValue(Registry::Key& key, std::u16string_view name,
                              std::uint32_t fallback) {
    std::array<unsigned char, 4> buffer{};
    Registry::ValueType type = Registry::TypeNone;
    std::uint32_t size = buffer.size();
    Registry::Status status = key.QueryValue(name, type, buffer.data(), size);
    if (status != Registry::Success || type != Registry::TypeNumber || size != 4)
        return fallback;
    return static_cast<std::uint32_t>(buffer[0]) | static_cast<std::uint32_t>(buffer[1]) << 8 |
           static_cast<std::uint32_t>(buffer[2]) << 16 |
           static_cast<std::uint32_t>(buffer[3]) << 24;
}

void WriteNumberValue(Registry::Key& key, std::u16string_view name, std::uint32_t number) {
    const std::array<unsigned char, 4> bytes = {
        static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
        static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)};
    key.SetValue(name, Registry::TypeNumber, bytes.data(), bytes.size());
}

std::u16string ReadStringValue(Registry::Key& key, std::u16string_view name,
                               std::u16string_view fallback) {
    std::array<unsigned char, 8192> buffer;
    Registry::ValueType type = Registry::TypeNone;
    std::uint32_t size = buffer.size();
    Registry::Status status = key.QueryValue(name, type, buffer.data(), size);
    if (status != Registry::Success || type != Registry::TypeString)
        return std::u16string(fallback);
    std::u16string text;
    for (std::uint32_t i = 0; i + 1 < size && i + 1 < buffer.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(buffer[i] | buffer[i + 1] << 8);
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

void WriteStringValue(Registry::Key& key, std::u16string_view name, std::u16string_view text) {
    if (text.size() >= 0x3fffffffU) // (length + 1) × 2 must fit the size's 31 bits
        return;
    std::vector<unsigned char> bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<unsigned char>(unit));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    key.SetValue(name, Registry::TypeString, bytes.data(),
                 static_cast<std::uint32_t>(bytes.size()));
}
