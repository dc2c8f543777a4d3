#include "SessionText.h"

std::string BuiltInViewTitle(const std::string& prefix)
{
    return prefix + " - 手順";
}

std::string PuzzleViewTitle(const std::string& prefix, const CPuzzle& puzzle)
{
    return prefix + " - " + puzzle.m_title;
}

std::string UnusablePuzzleText(const CPuzzleReading& reading)
{
    return "このファイルはパズルとして使えません。\n" + reading.Reason(Wording::JAPANESE);
}

std::string UnusableLinkText(const CPuzzleReading& reading)
{
    return "このリンクのパズルは使えません。\n" + reading.Reason(Wording::JAPANESE);
}

std::string UnreadableLinkText()
{
    return "このリンクのパズルは読み取れません。";
}
