// mogran-read-digits: reads handwritten answers, one a line, and prints the digits read.
//
// Usage: mogran-read-digits < ANSWERS
//
// Each line of standard input is one answer written box by box, in JSON:
//   {"size": S, "boxes": [BOX, ...]}
// S is the side of each square box in pixels (a number above 0); each BOX is a list of the
// strokes written in it, each stroke a list of points [x, y] in the order written, with 0,0
// the box's top-left corner and y growing downward. Numbers are JSON numbers (a sign,
// decimals and exponents allowed; none may overflow a double); JSON's whitespace may stand
// between tokens; the keys may come in either order, and no other key is allowed. A CR before
// the line's end and a last line without its newline are accepted.
//
// For each line one line is printed: the digits read, one for each box that holds a point, in
// box order; a box whose ink is no digit the reader can tell gives '?'. A line not of that
// form, an empty line included, gives an empty line on standard output and a message naming
// the line's number on standard error; the exit status is then 2, else 0 (1 when standard
// output cannot be written). Any argument but --help is a usage error (status 2).

#include <cstdio>
#include <cstring>
#include <string>

#include "digit_reader.h"
#include "ink_answer_json.h"

namespace {

constexpr const char* kUsage =
    "usage: mogran-read-digits < ANSWERS (one {\"size\": S, \"boxes\": "
    "[[[[x, y], ...], ...], ...]} a line)\n";

// The next line of the stream without its newline (and a CR before it); false at the end.
bool ReadLine(std::FILE* in, std::string& line) {
    line.clear();
    int c = std::getc(in);
    if (c == EOF)
        return false;
    for (; c != EOF && c != '\n'; c = std::getc(in))
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::string Read(const mogran::InkAnswer& answer) {
    std::string digits;
    for (const mogran::InkStrokes& box : answer.boxes) {
        bool ink = false;
        for (const mogran::InkStroke& stroke : box)
            ink = ink || !stroke.empty();
        if (!ink)
            continue;
        const mogran::DigitReading reading = mogran::ReadDigit(box, answer.size);
        digits += reading.digit == mogran::kNoDigit ? '?' : static_cast<char>('0' + reading.digit);
    }
    return digits;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    int status = 0;
    std::string line;
    std::string error;
    for (long number = 1; ReadLine(stdin, line); ++number) {
        const std::optional<mogran::InkAnswer> answer = mogran::ParseInkAnswer(line, error);
        if (!answer) {
            std::fprintf(stderr, "mogran-read-digits: line %ld: %s\n", number, error.c_str());
            status = 2;
        }
        std::printf("%s\n", answer ? Read(*answer).c_str() : "");
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? status : 1;
}
