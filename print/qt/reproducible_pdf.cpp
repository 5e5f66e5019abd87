#include "reproducible_pdf.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "app_error.h"

namespace mogran {

namespace {

constexpr std::size_t kXrefEntrySize = 20;  // "oooooooooo ggggg n \n"

[[noreturn]] void Unexpected() {
    throw AppError("the PDF writer's output has an unexpected layout");
}

// The decimal number at pos; pos moves past it.
std::size_t ReadNumber(const std::string& pdf, std::size_t& pos) {
    std::size_t value = 0;
    const auto [ptr, ec] = std::from_chars(pdf.data() + pos, pdf.data() + pdf.size(), value);
    if (ec != std::errc{})
        Unexpected();
    pos = static_cast<std::size_t>(ptr - pdf.data());
    return value;
}

}  // namespace

void RemoveCreationDate(std::string& pdf) {
    const std::size_t start = pdf.find("/CreationDate (");
    if (start == std::string::npos)
        return;
    const std::size_t close = pdf.find(")\n", start);
    if (close == std::string::npos)
        Unexpected();
    const std::size_t cut = close + 2 - start;
    pdf.erase(start, cut);

    const std::size_t xref = pdf.rfind("\nxref\n");
    if (xref == std::string::npos || xref < start)
        Unexpected();
    std::size_t pos = xref + 6;
    if (ReadNumber(pdf, pos) != 0 || pdf[pos] != ' ')
        Unexpected();
    ++pos;
    const std::size_t count = ReadNumber(pdf, pos);
    if (pdf.compare(pos, 1, "\n") != 0 || pos + 1 + count * kXrefEntrySize > pdf.size())
        Unexpected();
    for (std::size_t entry = pos + 1; entry < pos + 1 + count * kXrefEntrySize;
         entry += kXrefEntrySize) {
        std::size_t at = entry;
        const std::size_t offset = ReadNumber(pdf, at);
        if (pdf[entry + 17] == 'n' && offset > start) {
            char digits[11];
            std::snprintf(digits, sizeof digits, "%010zu", offset - cut);
            pdf.replace(entry, 10, digits);
        }
    }

    const std::size_t startxref = pdf.rfind("startxref\n");
    if (startxref == std::string::npos || startxref < pos)
        Unexpected();
    std::size_t at = startxref + 10;
    const std::size_t offset = ReadNumber(pdf, at);
    pdf.replace(startxref + 10, at - (startxref + 10), std::to_string(offset - cut));
}

}  // namespace mogran
