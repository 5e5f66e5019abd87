#pragma once

namespace mogran {

// The program's names as the desktop and the user see them.
inline constexpr char kApplicationName[] = "mogran";
inline constexpr char kApplicationVersion[] = "2.01.2";
inline constexpr char kDesktopFileName[] = "jp.mogran.Mogran";

// The task-bar title, also the caption of every error box.
inline constexpr char kApplicationTitle[] = "モグラン（３数の計算）";
// The caption of the main window; a different text from the application title.
inline constexpr char kWindowCaption[] = "モグラン（３つの整数の四則） Ver2.01 R2";

}  // namespace mogran
