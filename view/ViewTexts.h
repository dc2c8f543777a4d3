// The crossing view's own words: the names of its controls and its legend.
// What it says of the puzzle (its title, places, names, steps, the game)
// comes from the session (CrossingSession.h).
#pragma once

// The puzzle chooser, as its label and screen readers name it; its last
// item, which opens a puzzle file; and the file dialog's title and filters.
inline constexpr const char* PUZZLE_CHOOSER = "パズル";
inline constexpr const char* OPEN_PUZZLE_ITEM = "ファイルを開く...";
inline constexpr const char* OPEN_PUZZLE_TITLE = "パズルのファイルを開く";
inline constexpr const char* PUZZLE_FILES_FILTER = "パズルのファイル";
inline constexpr const char* ALL_FILES_FILTER = "すべてのファイル";

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

// The panel of the puzzle's statement, as screen readers name its list, and
// the button that shows it or folds it away.
inline constexpr const char* RULES_LIST = "規則";
inline constexpr const char* RULES_BUTTON = "規則を表示";

// The two modes of the view, as the switch between them names them: the
// replay of the program's best path, and the player's own game.
inline constexpr const char* REPLAY_MODE = "答えを見る";
inline constexpr const char* PLAY_MODE = "自分で解く";

// The game's buttons.
inline constexpr const char* CROSS_BUTTON = "渡る";
inline constexpr const char* UNDO_BUTTON = "元に戻す";
inline constexpr const char* REDO_BUTTON = "やり直す";
inline constexpr const char* RESTART_BUTTON = "最初から";
inline constexpr const char* HINT_BUTTON = "ヒント";
