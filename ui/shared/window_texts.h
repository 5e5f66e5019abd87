#pragma once

#include <string_view>

namespace mogran {

// The texts of one control of the main window; empty where it has none.
struct ControlTexts {
    const char* control;         // the control's name
    const char* caption;         // what it shows
    const char* hint;            // the hint at the mouse pointer
    const char* accessibleName;  // what a screen reader speaks when there is no caption
};

// Every control with a text of its own, as both the desktop window and the page show them.
inline constexpr ControlTexts kControlTexts[] = {
    {"RadioGroup1", "問題選択", "もんだいをえらびます", ""},
    {"Edit1", "", "", "もんだい"},
    {"Edit2", "", "", "こたえ"},
    {"Button1", "スタート", "れんしゅうをはじめます", ""},
    {"Button2", "おしまい", "おしまいにします", ""},
    {"Edit3", "", "", "もんだいすう"},
    {"Edit4", "", "", "なんもんめ"},
    {"Edit5", "", "", "せいかいりつ"},
    {"Edit6", "", "", "メッセージ"},
    {"CheckBox1", "もんだいすう　してい", "チェックで　なんもんやるかをきめます", ""},
    {"Label1", "＝", "", ""},
    {"Button3", "せいかいをみる", "せいかいをおしえます", ""},
    {"Label2", "問中", "", ""},
    {"Label3", "問目", "", ""},
    {"Label4", "正解率", "", ""},
    {"Label5", "％", "", ""},
    {"Panel1", "Panel1", "", "えのわく"},
    {"Image1", "", "", "こたえあわせのえ"},
    {"BitBtn1", "", "もんだいをいんさつします", "いんさつ"},
};

// The items of RadioGroup1: item n is problem kind n.
inline constexpr const char* kKindLabels[] = {
    "たしざんだけ(１けた)", "ひきざんだけ(10まで)", "ひきざんだけ(20まで)", "たしざん・ひきざん",
    "かけざん入り",         "わりざん入り",         "かけざん・わりざん",   "かっこつき",
};

// The texts of the named control; throws std::out_of_range for a name not in the table.
const ControlTexts& TextsOf(std::string_view control);

}  // namespace mogran
