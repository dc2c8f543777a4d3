# Writes OUTPUT, the C++ source that defines ShippedPuzzleTexts()
# (web/ShippedPuzzleTexts.h): the files PUZZLES (separated by |), in the
# order of their names, each byte of their texts written as an escape, so
# that no text can end the literal early.
#   cmake -DOUTPUT=FILE -DPUZZLES=A|B|C -P EmbedPuzzles.cmake
string(REPLACE "|" ";" files "${PUZZLES}")
list(SORT files)
set(literals "")
set(entries "")
set(index 0)
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  file(READ ${file} hex HEX)
  # 32 bytes a line.
  string(REGEX REPLACE "(................................................................)" "\\1\"\n    \"" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(APPEND literals "constexpr char TEXT_${index}[] =\n    \"${escaped}\";\n")
  string(APPEND entries "    {\"${name}\", {TEXT_${index}, sizeof TEXT_${index} - 1}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT [[
// Written by web/EmbedPuzzles.cmake from the shipped puzzle files.
#include "web/ShippedPuzzleTexts.h"

namespace {

@literals@
constexpr CShippedPuzzleText SHIPPED[] = {
@entries@};

} // namespace

std::span<const CShippedPuzzleText> ShippedPuzzleTexts()
{
    return SHIPPED;
}
]] @ONLY)
