#pragma once

#include <string>

namespace mogran {

// Takes the creation date out of a PDF's document information and moves the offsets of the
// cross-reference table and of startxref after it, so that equal pages give equal bytes.
// A PDF without a creation date is left as it is. Throws AppError when the document is not
// laid out as one classic cross-reference table after the date.
void RemoveCreationDate(std::string& pdf);

}  // namespace mogran
