#include "worksheets_options.h"

#include <string_view>

namespace mogran {

namespace {

// A whole decimal number, digits only, within the range.
std::int64_t ParseNumber(const std::string& option, const std::string& text, SettingRange range) {
    const std::string span = std::to_string(range.min) + " to " + std::to_string(range.max);
    std::int64_t value{};
    switch (CheckWholeNumber(text, range, value)) {
        case NumberCheck::NotWhole:
            throw UsageError(option + " needs a whole number from " + span + ", not '" + text +
                             "'");
        case NumberCheck::OutOfRange:
            throw UsageError(option + " must be from " + span + ", not " + text);
        case NumberCheck::Ok:
            break;
    }
    return value;
}

Paper ParsePaper(const std::string& text) {
    if (const std::optional<Paper> paper = PaperNamed(text))
        return *paper;
    throw UsageError("--paper must be A4, B5 or Letter, not '" + text + "'");
}

void Apply(WorksheetsOptions& o, const std::string& name, const std::string& value) {
    if (name == "--kind")
        o.kind = static_cast<std::int32_t>(ParseNumber(name, value, kKindRange));
    else if (name == "--count")
        o.count = static_cast<std::int32_t>(ParseNumber(name, value, kCountRange));
    else if (name == "--sets")
        o.sets = static_cast<std::int32_t>(ParseNumber(name, value, kSetsRange));
    else if (name == "--seed")
        o.seed = static_cast<std::uint32_t>(ParseNumber(name, value, kSeedRange));
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
