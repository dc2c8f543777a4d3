// The shipped puzzle files, compiled into the web page, which has no file
// system: each file's name and text, as puzzle/shipped holds them. The
// build writes their definition (web/EmbedPuzzles.cmake).
#pragma once

#include <span>
#include <string_view>

struct CShippedPuzzleText {
    std::string_view m_file; // "wolf.crossing.toml"
    std::string_view m_text;
};

// In the order of their files' names.
std::span<const CShippedPuzzleText> ShippedPuzzleTexts();
