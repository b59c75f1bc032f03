#include <gtest/gtest.h>

#include "LineTranslation.h"

namespace traxo {
namespace {

TEST(LineClassification, FirstRuleThatHoldsDecides)
{
    const struct {
        const char* line;
        LineKind kind;
    } cases[] = {
        {"%%Trailer", LineKind::DocumentEnd},
        {"%%Trailers follow", LineKind::DocumentEnd},
        {"%%trailer", LineKind::Skipped},
        {"%%Traile", LineKind::Skipped},
        {"stroke gsave showpage grestore", LineKind::PageEnd},
        {"stroke gsave showpage grestored", LineKind::PageEnd},
        {"stroke gsave showpage", LineKind::Skipped},
        {"strokes", LineKind::Skipped},
        {"%", LineKind::Skipped},
        {"Stroke", LineKind::Macro},
        {" %%Trailer", LineKind::Macro},
        {" stroke", LineKind::Macro},
        {"", LineKind::Macro},
        {"10 20 M", LineKind::Macro},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(classifyLine(Line(c.line).view()), c.kind);
    }
}

} // namespace
} // namespace traxo
