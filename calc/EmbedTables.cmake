# Run at build time (cmake -P): writes OUTPUT, a C++ source holding the two table texts as byte
# arrays, each checked against its expected length when compiled.
#   -DEIGENVALUES=<file> -DEIGENVALUES_LENGTH=<n> -DSTANDARD_ERRORS=<file>
#   -DSTANDARD_ERRORS_LENGTH=<n> -DOUTPUT=<file>

function(byte_array name file length out)
    file(READ "${file}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Break the list into lines of 16 bytes so that compilers and diffs stay comfortable.
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    set(${out} "extern const unsigned char ${name}[] = {\n    ${bytes}\n};
static_assert(sizeof(${name}) == ${length}, \"${file} has the wrong length\");\n" PARENT_SCOPE)
endfunction()

byte_array(kRandomEigenvalueTableBytes "${EIGENVALUES}" ${EIGENVALUES_LENGTH} eigen)
byte_array(kStandardErrorTableBytes "${STANDARD_ERRORS}" ${STANDARD_ERRORS_LENGTH} errors)

file(WRITE "${OUTPUT}.new" "// Generated from resources/tables at build time. Do not edit.
#include \"calc/TableBytes.h\"

namespace calc {

${eigen}
${errors}
}  // namespace calc
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
