// The crossing view's own words: its title, its controls and its legend.
// What it says of the puzzle (places, names, steps) comes from display/.
#pragma once

// Added to the main window's title: "Torvalyパズル - 手順".
inline constexpr const char* VIEW_TITLE_SUFFIX = " - 手順";

// The buttons, as screen readers name them, and the slider.
inline constexpr const char* FIRST_BUTTON = "最初";
inline constexpr const char* PREVIOUS_BUTTON = "前へ";
inline constexpr const char* NEXT_BUTTON = "次へ";
inline constexpr const char* LAST_BUTTON = "最後";
inline constexpr const char* PLAY_BUTTON = "再生/停止";
inline constexpr const char* PLAY_TEXT = "再生";
inline constexpr const char* STOP_TEXT = "停止";
inline constexpr const char* STEP_SLIDER = "手順";

// The picture, as screen readers name it.
inline constexpr const char* PICTURE_NAME = "渡しの様子";
// What the operators' mark means, beside the mark in the legend.
inline constexpr const char* OPERATOR_LEGEND = "舟をこげる人";
