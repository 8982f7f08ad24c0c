#pragma once
// An ordered list of pointers that does not own what they point to; a pointer is in it at
// most once.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace uninst {

template <typename T>
class PtrList {
public:
    int count() const { return int(items_.size()); }
    // The pointer at `index`, or null outside.
    T *get(int index) const { return index >= 0 && index < count() ? items_[size_t(index)] : nullptr; }
    int indexOf(const T *item) const
    {
        const auto at = std::find(items_.begin(), items_.end(), item);
        return at == items_.end() ? -1 : int(at - items_.begin());
    }
    // Appends, or puts the pointer at `position` when 0 <= position < count. -1 when it is
    // already in the list.
    int add(T *item, int position = -1)
    {
        if (indexOf(item) >= 0)
            return -1;
        if (position >= 0 && position < count())
            items_.insert(items_.begin() + position, item);
        else
            items_.push_back(item);
        return 1;
    }
    // -1 when either index is outside or they are equal.
    int move(int from, int to)
    {
        if (from == to || !get(from) || !get(to))
            return -1;
        T *item = items_[size_t(from)];
        items_.erase(items_.begin() + from);
        items_.insert(items_.begin() + to, item);
        return 1;
    }
    int remove(const T *item)
    {
        const int index = indexOf(item);
        if (index < 0)
            return -1;
        items_.erase(items_.begin() + index);
        return 1;
    }
    void pop() { if (!items_.empty()) items_.pop_back(); }

private:
    std::vector<T *> items_;
};

} // namespace uninst
