#include "ink_answer_json.h"

#include <string>

#include <gtest/gtest.h>

namespace mogran {
namespace {

TEST(InkAnswerJson, ReadsAnswersInTheirForm) {
    struct Case {
        std::string line;
        double size;
        int boxes;
        int points;  // in all boxes
        double lastX, lastY;
    };
    const Case cases[] = {
        {R"({"size": 140, "boxes": []})", 140, 0, 0, 0, 0},
        {" {\t\"boxes\" : [ [ ] , [ [ ] ] ] , \"size\" : 1.5e2 }\r", 150, 2, 0, 0, 0},
        {R"({"size":1,"boxes":[[[[-1.5,2E-1],[0,1e+2]]],[[[7,-0.0]],[]]]})", 1, 2, 3, 7, 0},
        {R"({"\u0073ize":3,"box\u0065s":[[[[1,2]]]]})", 3, 1, 1, 1, 2},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto answer = ParseInkAnswer(c.line, error);
        ASSERT_TRUE(answer) << c.line << ": " << error;
        EXPECT_EQ(answer->size, c.size) << c.line;
        EXPECT_EQ(static_cast<int>(answer->boxes.size()), c.boxes) << c.line;
        int points = 0;
        InkPoint last;
        for (const InkStrokes& box : answer->boxes)
            for (const InkStroke& stroke : box)
                for (const InkPoint& p : stroke) {
                    ++points;
                    last = p;
                }
        EXPECT_EQ(points, c.points) << c.line;
        EXPECT_EQ(last.x, c.lastX) << c.line;
        EXPECT_EQ(last.y, c.lastY) << c.line;
    }
}

TEST(InkAnswerJson, RefusesEverythingElseSayingWhy) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "an empty line (at column 1)"},
        {" \t", "an empty line"},
        {R"({"size":0,"boxes":[]})", "above 0"},
        {R"({"size":-1,"boxes":[]})", "above 0"},
        {R"({"size":1e400,"boxes":[]})", "a number too large"},
        {R"({"size":1,"boxes":[[[[1,-2e999]]]]})", "a number too large"},
        {R"({"size":NaN,"boxes":[]})", "expected a number"},
        {R"({"size":"1","boxes":[]})", "expected a number"},
        {R"({"size":.5,"boxes":[]})", "expected a number"},
        {R"({"size":1.,"boxes":[]})", "digits after the decimal point"},
        {R"({"size":1e,"boxes":[]})", "digits in the exponent"},
        {R"({"size":1,"boxes":[[[[02,1]]]]})", "two numbers"},
        {R"({"size":1,"boxes":[],"pen":1})", "only the keys"},
        {R"({"size":1,"size":2,"boxes":[]})", "a key given twice"},
        {R"({"size":1})", "needs both"},
        {R"({"size":1,"boxes":[]} x)", "text after the answer"},
        {R"({"size":1,"boxes":[],})", "expected a key"},
        {R"({'size':1,"boxes":[]})", "expected a key"},
        {R"({"si\ze":1,"boxes":[]})", "an unknown escape"},
        {R"({"\u00zz":1})", "four hex digits"},
        {"{\"si\tze\":1}", "a control character"},
        {R"({"size)", "without its closing quote"},
        {R"({"size":1,"boxes":[[[[1,2]]]])", "expected ',' or '}'"},
        {R"({"size":1,"boxes":{}})", "\"boxes\" must be a list"},
        {R"({"size":1,"boxes":[1]})", "a box must be a list"},
        {R"({"size":1,"boxes":[[1]]})", "a stroke must be a list"},
        {R"({"size":1,"boxes":[[[1]]]})", "a point must be a list"},
        {R"({"size":1,"boxes":[[[[1]]]]})", "two numbers"},
        {R"({"size":1,"boxes":[[[[1,2,3]]]]})", "two numbers"},
        {R"({"size":1,"boxes":[[[[1,2],]]]})", "a point must be a list"},
        {R"({"size":1,"boxes":[[[[[1,2]]]]]})", "expected a number"},
        {R"({"size":1,"boxes":[[[[1,2])" + std::string(100000, ']'), "expected ',' or '}'"},
        {R"({"size":1,"boxes":)" + std::string(100000, '['), "expected a number"},
        {std::string("{\"size\":1,\"boxes\":[]}\0", 22), "text after the answer"},
    };
    for (const auto& [line, message] : cases) {
        std::string error;
        EXPECT_FALSE(ParseInkAnswer(line, error)) << line.substr(0, 60);
        EXPECT_NE(error.find(message), std::string::npos) << line.substr(0, 60) << ": " << error;
    }
}

}  // namespace
}  // namespace mogran
