#pragma once
// The body records: for every pair one line in each of the four body files, which the
// command interpreter later joins behind the headers.
#include <array>
#include <cstddef>
#include <string_view>

#include "Records.h"
#include "TextOutput.h"

namespace vendask {

// Which concentrations a record carries: arc maximum or crosswind integrated.
enum class Concentration { Max, Cwi };

// The four body files, named relative to the current folder.
struct BodyFiles {
    kit::TextOutput BODY1;  // pair-data, arc maximum
    kit::TextOutput BODY2;  // scatter, arc maximum
    kit::TextOutput BODYY1; // pair-data, crosswind integrated
    kit::TextOutput BODYY2; // scatter, crosswind integrated

    // Created in this order; a file that cannot be created ends the run.
    void create();
    // Closed in the order the pairing leaves them.
    void close();
};

// Formats the records of one pair in fixed buffers. The four records share most of their
// fields, so each value is formatted once per pair and the records are views of the buffers.
class PairRecordWriter {
public:
    explicit PairRecordWriter(bool cph);

    // Formats the records of a pair.
    void set(const ObservationRecord& obs, const ModelRecord& mod, int NNOBS);

    // The pair-data record (block number first) and the scatter record (without it) of the
    // pair last set, valid until the next set.
    std::string_view pairDataRecord(Concentration c) const { return {line(c).data(), length_}; }
    std::string_view scatterRecord(Concentration c) const { return {line(c).data() + 1, length_ - 1}; }

    // Appends one record to BODY1, BODYY1, BODY2 and BODYY2, in this order.
    void writePairRecords(BodyFiles& bodies, const ObservationRecord& obs, const ModelRecord& mod, int NNOBS);

private:
    using Line = std::array<char, 64>;
    const Line& line(Concentration c) const { return c == Concentration::Max ? max_ : cwi_; }

    bool cph_;
    int concentrationWidth_; // Lillestrom concentrations run larger, so they get wider fields
    std::size_t length_;
    Line max_{};
    Line cwi_{};
};

} // namespace vendask
