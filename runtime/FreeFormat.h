#pragma once
// Free-format records: values separated by blanks or commas, read value by value as 32-bit
// integers, 32-bit reals (rounded to nearest) or texts, in the order the caller asks.
//   integer  optional sign and digits within 32 bits
//   real     optional sign, digits with at most one point (".5", "5."), optional exponent
//            E, e, D or d with optional sign; no "inf" or "nan"
//   text     the characters up to the next blank, comma or line end, cut or padded to its length
// Two commas with only blanks between them (or a comma that opens a record) give a null value:
// the variable keeps its value. A record that runs out of values on its line continues on the
// next line; after the record the rest of its last line is passed over. A real too large for a
// 32-bit float is a bad value; one too small for it reads as zero.
// A record line counts up to its first kRecordLineKept characters: a record whose values go on
// past that point is a bad value rather than a record read from a part of its line.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "Text.h"
#include "TextInput.h"

namespace kit {

enum class ReadStatus { Ok, End, Error };

inline constexpr std::size_t kRecordLineKept = std::size_t{1} << 20;

// Reads the values of one line; knows nothing of files.
class FieldScanner {
public:
    enum class Result { Value, Null, Exhausted, Bad };

    FieldScanner() = default;
    explicit FieldScanner(std::string_view line) { reset(line); }
    // A new line of the same record: the separator state carries over. `cut` says that the
    // line went on past `line`: what stands at its end may be only the start of a value.
    void continueOn(std::string_view line, bool cut = false)
    {
        line_ = line;
        pos_ = 0;
        cut_ = cut;
    }
    // A new record.
    void reset(std::string_view line)
    {
        continueOn(line);
        afterValue_ = false;
    }

    Result next(std::int32_t& value);
    Result next(float& value);
    Result next(std::span<char> text);
    template <std::size_t N>
    Result next(Text<N>& text)
    {
        return next(text.span());
    }

private:
    // Finds the next value token: Value with the token, Null, or Exhausted.
    Result token(std::string_view& tok);

    std::string_view line_;
    std::size_t pos_ = 0;
    bool cut_ = false;
    bool afterValue_ = false; // a value was read and no comma has followed it yet
};

// Reads whole records from a text input.
class RecordReader {
public:
    explicit RecordReader(TextInput& in) : in_(in) {}

    template <class... Fields>
    ReadStatus read(Fields&... fields)
    {
        scanner_.reset({});
        ReadStatus status = ReadStatus::Ok;
        ((status == ReadStatus::Ok ? (status = readOne(fields)) : status), ...);
        return status;
    }

    // Passes over one whole line (a heading); false at the end of the input.
    bool skipLine()
    {
        std::string_view line;
        return in_.readLine(line, 0);
    }

private:
    template <class Field>
    ReadStatus readOne(Field& field)
    {
        for (;;) {
            switch (scanner_.next(field)) {
            case FieldScanner::Result::Value:
            case FieldScanner::Result::Null:
                return ReadStatus::Ok;
            case FieldScanner::Result::Bad:
                return ReadStatus::Error;
            case FieldScanner::Result::Exhausted: {
                std::string_view line;
                if (!in_.readLine(line, kRecordLineKept))
                    return ReadStatus::End;
                scanner_.continueOn(line, in_.lastLineCut());
                break;
            }
            }
        }
    }

    TextInput& in_;
    FieldScanner scanner_;
};

} // namespace kit
