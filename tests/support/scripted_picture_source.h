#pragma once
// A picture source that plays a script instead of a camera: how opening ends, the pictures it
// hands out, and what follows them (silence until interrupted, a close, or the same picture
// again as fast as the reader takes it). The script is shared by every source a factory makes,
// and counts what the worker did with them.

#include "camhttp/picture_source.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace vistrel::test {

struct PictureSourceScript {
    enum class Then { SilentUntilInterrupted, Close, SamePictureAgain };

    std::mutex mutex;
    std::condition_variable changed;
    // How open() ends; with silentOpening it blocks until interrupted instead.
    StreamOpening opening = StreamOpening::Opened;
    bool silentOpening = false;
    std::deque<std::vector<std::uint8_t>> pictures;
    Then then = Then::SilentUntilInterrupted;
    std::vector<std::uint8_t> lastPicture;
    // What the worker did.
    int opens = 0;
    int picturesRead = 0;
    StreamTarget lastTarget;

    int openCount() {
        const std::lock_guard lock(mutex);
        return opens;
    }
    void addPicture(std::vector<std::uint8_t> picture) {
        const std::lock_guard lock(mutex);
        pictures.push_back(std::move(picture));
        changed.notify_all();
    }
};

class ScriptedPictureSource final : public PictureSource {
public:
    explicit ScriptedPictureSource(std::shared_ptr<PictureSourceScript> script)
        : script_(std::move(script)) {}

    StreamOpening open(const StreamTarget& target) override {
        std::unique_lock lock(script_->mutex);
        ++script_->opens;
        script_->lastTarget = target;
        if (script_->silentOpening) {
            script_->changed.wait(lock, [this] { return interrupted_; });
        }
        return interrupted_ ? StreamOpening::Interrupted : script_->opening;
    }

    FrameStatus readFrame(std::vector<std::uint8_t>& picture) override {
        std::unique_lock lock(script_->mutex);
        for (;;) {
            if (interrupted_) {
                return FrameStatus::Interrupted;
            }
            if (!script_->pictures.empty()) {
                picture = std::move(script_->pictures.front());
                script_->pictures.pop_front();
                script_->lastPicture = picture;
                ++script_->picturesRead;
                return FrameStatus::Picture;
            }
            switch (script_->then) {
            case PictureSourceScript::Then::Close:
                return FrameStatus::Closed;
            case PictureSourceScript::Then::SamePictureAgain:
                picture = script_->lastPicture;
                ++script_->picturesRead;
                return FrameStatus::Picture;
            case PictureSourceScript::Then::SilentUntilInterrupted:
                script_->changed.wait(lock);
                break;
            }
        }
    }

    void interrupt() override {
        const std::lock_guard lock(script_->mutex);
        interrupted_ = true;
        script_->changed.notify_all();
    }

private:
    std::shared_ptr<PictureSourceScript> script_;
    bool interrupted_ = false; // guarded by the script's mutex
};

} // namespace vistrel::test
