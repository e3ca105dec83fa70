#pragma once

#include <atomic>

namespace vistrel {

// A request, from any thread, that every wait of a connection ends at once. Waits poll its
// descriptor together with their socket; once triggered it stays triggered.
class Interruption {
public:
    Interruption();
    ~Interruption();
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    void trigger();
    bool triggered() const { return triggered_.load(); }
    // Readable once triggered; -1 when none could be made (waits then check triggered() at
    // least every kPollStepMs instead).
    int descriptor() const { return descriptor_; }

    static constexpr int kPollStepMs = 50;

private:
    int descriptor_;
    std::atomic<bool> triggered_{false};
};

} // namespace vistrel
