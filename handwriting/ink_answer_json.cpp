#include "ink_answer_json.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace mogran {

namespace {

// Reads the line from left to right; the answer's shape is fixed, so the reading follows it
// without recursion, and a line nested otherwise fails at its first unexpected character.
class AnswerReader {
public:
    explicit AnswerReader(std::string_view text) : text_(text) {}

    InkAnswer Answer() {
        InkAnswer answer;
        bool haveSize = false;
        bool haveBoxes = false;
        SkipSpace();
        if (at_ == text_.size())
            Fail("an empty line");
        Expect('{', "the answer must be an object {\"size\": S, \"boxes\": [...]}");
        do {
            const std::string key = String();
            Expect(':', "expected ':' after a key");
            if (key == "size" && !haveSize) {
                answer.size = Number();
                if (!(answer.size > 0))
                    Fail("the size must be above 0");
                haveSize = true;
            } else if (key == "boxes" && !haveBoxes) {
                Boxes(answer.boxes);
                haveBoxes = true;
            } else {
                Fail(key == "size" || key == "boxes"
                         ? "a key given twice"
                         : "only the keys \"size\" and \"boxes\" may be given");
            }
        } while (Take(','));
        Expect('}', "expected ',' or '}' in the answer");
        if (!haveSize || !haveBoxes)
            Fail("the answer needs both \"size\" and \"boxes\"");
        SkipSpace();
        if (at_ != text_.size())
            Fail("text after the answer");
        return answer;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::invalid_argument(what + " (at column " + std::to_string(at_ + 1) + ")");
    }
    void SkipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\r' || text_[at_] == '\n'))
            ++at_;
    }
    bool Take(char c) {
        SkipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void Expect(char c, const char* what) {
        if (!Take(c))
            Fail(what);
    }
    bool Digit() const { return at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9'; }

    // A JSON string; escapes are checked, and any character they name beyond ASCII is kept as
    // '?', since only the keys' ASCII names matter.
    std::string String() {
        Expect('"', "expected a key in double quotes");
        std::string out;
        while (true) {
            if (at_ >= text_.size())
                Fail("a string without its closing quote");
            const char c = text_[at_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("a control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                Fail("a string without its closing quote");
            const char e = text_[at_++];
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (const std::size_t k = simple.find(e); k != std::string_view::npos) {
                out += meant[k];
            } else if (e == 'u') {
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = at_ < text_.size() ? text_[at_++] : '\0';
                    const int v = (h >= '0' && h <= '9')   ? h - '0'
                                  : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                  : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                                           : -1;
                    if (v < 0)
                        Fail("a \\u escape without four hex digits");
                    code = code * 16 + static_cast<unsigned>(v);
                }
                out += code < 0x80 ? static_cast<char>(code) : '?';
            } else {
                Fail("an unknown escape in a string");
            }
        }
    }

    // A JSON number: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, finite as a double.
    double Number() {
        SkipSpace();
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-')
            ++at_;
        if (!Digit())
            Fail("expected a number");
        if (text_[at_] == '0')
            ++at_;
        else
            while (Digit())
                ++at_;
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            if (!Digit())
                Fail("expected digits after the decimal point");
            while (Digit())
                ++at_;
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            if (!Digit())
                Fail("expected digits in the exponent");
            while (Digit())
                ++at_;
        }
        const std::string token(text_.substr(start, at_ - start));
        const double value = std::strtod(token.c_str(), nullptr);
        if (!std::isfinite(value))
            Fail("a number too large");
        return value;
    }

    // "[" item ("," item)* "]" or "[" "]".
    template <typename ReadItem>
    void List(const char* what, ReadItem readItem) {
        Expect('[', what);
        if (Take(']'))
            return;
        do
            readItem();
        while (Take(','));
        Expect(']', "expected ',' or ']' in a list");
    }

    void Boxes(std::vector<InkStrokes>& boxes) {
        List("\"boxes\" must be a list of boxes", [&] {
            InkStrokes& box = boxes.emplace_back();
            List("a box must be a list of strokes", [&] {
                InkStroke& stroke = box.emplace_back();
                List("a stroke must be a list of points", [&] {
                    Expect('[', "a point must be a list [x, y]");
                    const double x = Number();
                    Expect(',', "a point must have two numbers [x, y]");
                    const double y = Number();
                    Expect(']', "a point must have two numbers [x, y]");
                    stroke.push_back({x, y});
                });
            });
        });
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<InkAnswer> ParseInkAnswer(std::string_view line, std::string& error) {
    try {
        return AnswerReader(line).Answer();
    } catch (const std::invalid_argument& e) {
        error = e.what();
        return std::nullopt;
    }
}

}  // namespace mogran
