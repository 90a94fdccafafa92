# Turns a text file into a C++ source that holds its bytes exactly, so the
# file stays the one source of the text. Run as:
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DNAMESPACE=<ns> -DFUNCTION=<name> -P embed_text.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# One source line per line of the text.
string(REPLACE "'\\x0d'," "'\\x0d',\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; edit that file instead.
#include <string_view>

namespace ${NAMESPACE} {
namespace {
constexpr char kBytes[] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view ${FUNCTION}() { return std::string_view(kBytes, ${byte_count}); }

}  // namespace ${NAMESPACE}
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
