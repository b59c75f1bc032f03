#pragma once
// One run of TRAXO: from the file name on the command line to the last page file.
// The input is the name with ".eps"; every page between the first-page marker "0 0 M" and the
// line "%%Trailer" becomes its own page file, the name followed by the three-digit page number
// and ".hgl", framed by the escape sequences that switch a PCL printer into HP-GL/2 and back.
#include <string_view>

namespace traxo {

// Returns the exit code of a normal end; every early end throws kit::Stop (after its message
// lines) or kit::RuntimeFailure.
int runTranslator(std::string_view argument);

} // namespace traxo
