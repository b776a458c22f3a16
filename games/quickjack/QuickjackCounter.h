#pragma once
// The 21 Counter: a bar of 0 .. 100 stepped by its timer once the round's first 21 is made. Its second
// half blinks as a warning; running full drops the running 21 bonus back to one 21's worth and starts
// over. A 21 or a five-card column starts it again from 0.
namespace quickjack {

class QuickjackCounter {
public:
    static constexpr int Min = 0;
    static constexpr int Max = 100;
    static constexpr int BlinkFrom = 50;

    struct Step {
        bool blinkStarts = false;
        bool fellBack = false; // the running bonus is back at gTwentyOneBonus
    };

    int value() const { return m_value; }
    // One tick of the counter's timer.
    Step step();
    void restart() { m_value = Min; }

private:
    int m_value = Min;
};

} // namespace quickjack
