// Whole notches of a mouse wheel's turn. Finer wheels and touchpads report parts of a notch (120
// eighths of a degree), which count once they make a whole one; a turn back starts afresh.
#pragma once

class TWheelNotches {
  public:
    // Adds a part of a turn and returns the whole notches it completes (negative: towards the user).
    int Add(int angleDelta) {
        if ((angleDelta < 0) != (remainder_ < 0)) remainder_ = 0;
        remainder_ += angleDelta;
        const long long notches = remainder_ / kNotch;
        remainder_ %= kNotch;
        return static_cast<int>(notches);
    }

    void Reset() { remainder_ = 0; }

  private:
    static constexpr long long kNotch = 120;
    long long remainder_ = 0;  // angle turned since the last whole notch
};
