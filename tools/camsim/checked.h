#pragma once
// The result of decoding and checking a request: the value to apply, or why it is refused.

#include <optional>
#include <string>
#include <utility>

namespace vistrel::camsim {

template <typename T> class Checked {
public:
    Checked(T value) : value_(std::move(value)) {}

    static Checked refused(const std::string& reason) {
        Checked result;
        result.refusal_ = reason;
        return result;
    }

    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const std::string& refusal() const { return refusal_; }

private:
    Checked() = default;

    std::optional<T> value_;
    std::string refusal_;
};

} // namespace vistrel::camsim
