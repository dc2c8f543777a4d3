// What the crossing session says besides a step and the game: the title of
// the puzzle it shows, after the front end's own title, and why a puzzle
// file cannot be used.
#pragma once

#include "puzzle/PuzzleReader.h"

#include <string>

// "Torvalyパズル - 手順": the built-in puzzle's, after the front end's
// title prefix.
std::string BuiltInViewTitle(const std::string& prefix);
// "Torvalyパズル - オオカミとヤギとキャベツ": another puzzle's, by its title.
std::string PuzzleViewTitle(const std::string& prefix, const CPuzzle& puzzle);

// "このファイルはパズルとして使えません。", then on a line of its own the
// reader's reason in Japanese, with the file, line and column.
std::string UnusablePuzzleText(const CPuzzleReading& reading);

// What the web page says of a link whose puzzle cannot be used, by its name
// or its file's text: "このリンクのパズルは使えません。", then on a line of its
// own the reader's reason in Japanese; or whose puzzle cannot even be
// unpacked.
std::string UnusableLinkText(const CPuzzleReading& reading);
std::string UnreadableLinkText();
