#pragma once
// The hourglass pointer for the life of a scope, as the windows show it during long work
// (exports). Nested scopes stack; each restores what was there before it.
namespace ui {

class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    bool active_;
};

} // namespace ui
