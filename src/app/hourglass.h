#pragma once
// The busy (hourglass) pointer for the length of an action: shown when made,
// restored where the action says or, at the latest, on the way out, so that
// an action ended by an error never leaves it behind.
class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

    void restore();

private:
    bool shown_ = true;
};
