#include "worksheets_options.h"

#include <charconv>
#include <string_view>
#include <system_error>

namespace mogran {

namespace {

// A whole decimal number, digits only, in min..max.
std::int64_t ParseNumber(const std::string& option, const std::string& text, std::int64_t min,
                         std::int64_t max) {
    const std::string range = std::to_string(min) + " to " + std::to_string(max);
    std::int64_t value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    const bool digitsOnly = !text.empty() && text.front() >= '0' && text.front() <= '9';
    if (!digitsOnly || ptr != end || ec == std::errc::invalid_argument)
        throw UsageError(option + " needs a whole number from " + range + ", not '" + text + "'");
    if (ec == std::errc::result_out_of_range || value < min || value > max)
        throw UsageError(option + " must be from " + range + ", not " + text);
    return value;
}

Paper ParsePaper(const std::string& text) {
    if (text == "A4")
        return Paper::A4;
    if (text == "B5")
        return Paper::B5;
    if (text == "Letter")
        return Paper::Letter;
    throw UsageError("--paper must be A4, B5 or Letter, not '" + text + "'");
}

void Apply(WorksheetsOptions& o, const std::string& name, const std::string& value) {
    if (name == "--kind")
        o.kind = static_cast<std::int32_t>(ParseNumber(name, value, 1, 8));
    else if (name == "--count")
        o.count = static_cast<std::int32_t>(ParseNumber(name, value, 1, 100));
    else if (name == "--sets")
        o.sets = static_cast<std::int32_t>(ParseNumber(name, value, 1, 200));
    else if (name == "--seed")
        o.seed = static_cast<std::uint32_t>(ParseNumber(name, value, 0, 4294967295));
    else if (name == "--paper")
        o.paper = ParsePaper(value);
    else if (value.empty())
        throw UsageError("--output needs a file name");
    else
        o.output = value;
}

bool TakesValue(std::string_view name) {
    return name == "--kind" || name == "--count" || name == "--sets" || name == "--seed" ||
           name == "--paper" || name == "--output";
}

}  // namespace

WorksheetsOptions ParseWorksheetsOptions(const std::vector<std::string>& args) {
    WorksheetsOptions options;
    for (const std::string& arg : args) {
        if (arg == "--help") {
            options.help = true;
            return options;
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (!TakesValue(name))
            throw UsageError("unknown argument '" + arg + "'");
        if (equals != std::string::npos)
            Apply(options, name, arg.substr(equals + 1));
        else if (i + 1 < args.size())
            Apply(options, name, args[++i]);
        else
            throw UsageError(name + " needs a value");
    }
    if (options.output.empty())
        throw UsageError("--output FILE.pdf is missing");
    return options;
}

std::string WorksheetsUsage() {
    return R"(usage: mogran-worksheets [--kind K] [--count N] [--sets S] [--seed STATE]
                         [--paper A4|B5|Letter] --output FILE.pdf

Writes worksheets for a whole class into one PDF: for each set its problem sheets, then
its answer sheets, 20 problems a page.
  --kind K        problem kind, 1 to 8 as in the drill's kind list (default 1):
                  1 たしざんだけ(１けた)  2 ひきざんだけ(10まで)  3 ひきざんだけ(20まで)
                  4 たしざん・ひきざん   5 かけざん入り         6 わりざん入り
                  7 かけざん・わりざん   8 かっこつき
  --count N       problems per set, 1 to 100 (default 100)
  --sets S        number of sets, 1 to 200 (default 1); with more than one, every page
                  shows "No.i" in the name box so answer sheets match the pupils' sheets
  --seed STATE    random state of the first set, 0 to 4294967295; set i uses STATE + i - 1.
                  Without it the clock gives one and "seed STATE" is shown on stderr.
  --paper P       A4 (default), B5 (JIS, 182 x 257 mm) or Letter
  --output FILE   the PDF to write
Print it with: lp FILE.pdf

使いかた: mogran-worksheets [--kind K] [--count N] [--sets S] [--seed STATE]
                         [--paper A4|B5|Letter] --output FILE.pdf

クラス全員ぶんのプリントを一つのPDFにします。組ごとに、もんだいのページのあとに
こたえのページがつづきます（1ページ20もん）。
  --kind K        もんだいのしゅるい 1～8（上の番号、ドリルの並び順。ふつうは 1）
  --count N       1組のもんだいすう 1～100（ふつうは 100）
  --sets S        組のかず 1～200（ふつうは 1）。2組以上のときは、なまえの枠に
                  「No.番号」が入り、こたえのページと照らし合わせられます
  --seed STATE    1組めの乱数の値 0～4294967295。i組めは STATE + i - 1 を使います。
                  省略すると時計から決め、stderr に「seed STATE」と出します
  --paper P       A4（ふつう）、B5（JIS、182×257 mm）、Letter
  --output FILE   書き出すPDFファイル
印刷: lp FILE.pdf
)";
}

}  // namespace mogran
