#include "camhttp/interruption.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vistrel {

Interruption::Interruption() : descriptor_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Interruption::~Interruption() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

void Interruption::trigger() {
    triggered_.store(true);
    if (descriptor_ >= 0) {
        // The counter is never read back, so the descriptor stays readable for every wait.
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(descriptor_, &one, sizeof one);
    }
}

} // namespace vistrel
