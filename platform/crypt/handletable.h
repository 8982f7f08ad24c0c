#pragma once
// Objects reached through numeric handles that are checked on every use: a stale, zero or
// foreign handle finds nothing instead of touching freed memory.
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace wincrypt::detail {

// Handles of every table come from one counter, so a hash handle is never a valid key handle.
std::uintptr_t NextHandle();

template <typename T>
class HandleTable {
public:
    std::uintptr_t add(T object)
    {
        const std::uintptr_t handle = NextHandle();
        objects_.emplace(handle, std::make_unique<T>(std::move(object)));
        return handle;
    }

    T *find(std::uintptr_t handle) const
    {
        const auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }

    bool remove(std::uintptr_t handle) { return objects_.erase(handle) > 0; }

private:
    std::unordered_map<std::uintptr_t, std::unique_ptr<T>> objects_;
};

} // namespace wincrypt::detail
