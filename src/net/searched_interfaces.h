#pragma once
// The computer's interfaces as the last search read them, with the verdict of each, shared
// between the search (which reads them anew every time) and the receiving side (which names
// each reply's arrival interface and judges the camera's address against its networks).

#include "net/interface_filter.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vistrel::net {

struct InterfaceTable {
    InterfaceSelection selection;

    // The interface with this index, or nullptr when the last search did not see one.
    const NetworkInterface* find(int index) const;
    // Whether the last search went out of this interface by choice (not by the default route).
    bool searched(int index) const;
};

class SearchedInterfaces {
public:
    // --interface: searches go out of these interfaces only, never by the default route, and
    // replies that arrive on other interfaces are not taken. Empty: every suitable interface.
    void restrictTo(std::vector<std::string> names);
    bool restricted() const;
    std::vector<std::string> requestedNames() const;

    // Judges the interfaces read for a search and keeps the result for the receiving side.
    std::shared_ptr<const InterfaceTable> choose(const std::vector<NetworkInterface>& interfaces);
    // The table of the last search; an empty one before the first.
    std::shared_ptr<const InterfaceTable> current() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> requestedNames_;
    std::shared_ptr<const InterfaceTable> table_ = std::make_shared<InterfaceTable>();
};

} // namespace vistrel::net
