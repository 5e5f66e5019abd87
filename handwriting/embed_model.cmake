# Writes the model file MODEL as a C++ byte array to OUTPUT (see digit_model_bytes.h).
file(READ "${MODEL}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.new" "// Made from the digit model at build time; do not edit.
#include \"digit_model_bytes.h\"

namespace mogran {

const unsigned char kDigitModelBytes[] = {
${bytes}};
const std::size_t kDigitModelSize = ${size};

}  // namespace mogran
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
