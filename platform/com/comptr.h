#pragma once
// Owns one reference to an interface and releases it when dropped.
#include <utility>

namespace com {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr &other) : ptr_(other.ptr_) { addRef(); }
    ComPtr(ComPtr &&other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(ptr_, other.ptr_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Takes over a reference the caller already holds.
    static ComPtr attach(T *ptr)
    {
        ComPtr p;
        p.ptr_ = ptr;
        return p;
    }

    T *get() const { return ptr_; }
    T *operator->() const { return ptr_; }
    T &operator*() const { return *ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }

    void reset()
    {
        if (T *ptr = std::exchange(ptr_, nullptr))
            ptr->Release();
    }
    // For functions that hand out an interface through a void** parameter.
    void **put()
    {
        reset();
        return reinterpret_cast<void **>(&ptr_);
    }

private:
    void addRef()
    {
        if (ptr_)
            ptr_->AddRef();
    }

    T *ptr_ = nullptr;
};

} // namespace com
