#pragma once

namespace mogran {

// Messages of the print layer, shown in the error box.
inline constexpr const char* kNoDefaultPrinterMessage = "ﾃﾞﾌｫﾙﾄ ﾌﾟﾘﾝﾀが存在しません";
inline constexpr const char* kPrinterNotValidMessage = "選択したﾌﾟﾘﾝﾀは有効ではありません";
inline constexpr const char* kPrintingMessage = "印刷中";
inline constexpr const char* kNotPrintingMessage = "ﾌﾟﾘﾝﾀに印刷できる状態ではありません";

}  // namespace mogran
