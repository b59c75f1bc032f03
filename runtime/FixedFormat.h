#pragma once
// Fixed-field records: Iw, Fw.d, Aw and literal text, each field exactly w columns.
//   Iw    integer, right-aligned, "-" when negative.
//   Fw.d  rounded to d decimals (exact halves away from zero), right-aligned, the point always
//         written (also for d = 0), a 0 before the point for magnitudes below 1 when the field has
//         room, a minus only when the rounded value is not zero.
//   Aw    the text's first w characters; a shorter text is right-aligned.
// A value too wide for its field is written as w asterisks.
#include <cstdint>
#include <string>
#include <string_view>

namespace kit {

// Each writes exactly `w` characters at `out` (w >= 1).
void formatI(char* out, std::int64_t value, int w);
void formatF(char* out, double value, int w, int d);
void formatA(char* out, std::string_view text, int w);

// One record under construction; reuse one object for many records (no allocation per field).
class Record {
public:
    Record& clear()
    {
        text_.clear();
        return *this;
    }
    Record& I(std::int64_t value, int w);
    Record& F(double value, int w, int d);
    Record& A(std::string_view text, int w);
    Record& text(std::string_view literal)
    {
        text_.append(literal);
        return *this;
    }
    std::string_view view() const { return text_; }

private:
    char* grow(int w);
    std::string text_;
};

} // namespace kit
