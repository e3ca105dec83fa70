#pragma once
// How a benchmark marks a target: "met", or "MISSED", the word scripts/bench collects into its
// summary. A benchmark that measured exits 0 whether or not its targets were met; a non-zero
// exit means it could not measure.

namespace vistrel::bench {

inline const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace vistrel::bench
