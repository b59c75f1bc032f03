#pragma once
// The body records: for every pair one line in each of the four body files, which the
// command interpreter later joins behind the headers.
#include <string_view>

#include "FixedFormat.h"
#include "Records.h"
#include "TextOutput.h"

namespace vendask {

// Which concentrations a record carries: arc maximum or crosswind integrated.
enum class Concentration { Max, Cwi };

// The four body files, named relative to the current folder.
struct BodyFiles {
    kit::TextOutput BODY1;   // pair-data, arc maximum
    kit::TextOutput BODY2;   // scatter, arc maximum
    kit::TextOutput BODYY1;  // pair-data, crosswind integrated
    kit::TextOutput BODYY2;  // scatter, crosswind integrated

    // Created in this order; a file that cannot be created ends the run.
    void create();
    // Closed in the order the pairing leaves them.
    void close();
};

// Formats the records into one reused buffer, so a pair costs no allocation.
class PairRecordWriter {
public:
    explicit PairRecordWriter(bool cph) : cph_(cph) {}

    // A pair-data record (with the block number in front when `NNOBS` is given) or a scatter
    // record (without it); the view lives until the next call.
    std::string_view pairDataRecord(Concentration c, const ObservationRecord& obs, const ModelRecord& mod,
                                    int NNOBS);
    std::string_view scatterRecord(Concentration c, const ObservationRecord& obs, const ModelRecord& mod);

    // Appends one record to BODY1, BODYY1, BODY2 and BODYY2, in this order.
    void writePairRecords(BodyFiles& bodies, const ObservationRecord& obs, const ModelRecord& mod, int NNOBS);

private:
    void appendValues(Concentration c, const ObservationRecord& obs, const ModelRecord& mod);

    bool cph_;
    kit::Record record_;
};

} // namespace vendask
