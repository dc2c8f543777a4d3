#include "PuzzleFormat.h"

namespace {

constexpr CSetKey APART_SETS[] = {{"from", true, &CSafetyRule::m_others}, {"unless", false, &CSafetyRule::m_guards}};
constexpr CSetKey WITH_SETS[] = {{"of", true, &CSafetyRule::m_others}};
constexpr CSetKey ALONE_SETS[] = {{"unless", false, &CSafetyRule::m_guards}};
constexpr CSetKey OUTNUMBERED_SETS[] = {{"group", true, &CSafetyRule::m_others}, {"by", true, &CSafetyRule::m_rivals}};

constexpr CKindFormat KIND_FORMATS[] = {
    {RuleKind::APART_UNLESS_GUARDED, "apart", true, APART_SETS},
    {RuleKind::WITH_ONE_OF, "with", true, WITH_SETS},
    {RuleKind::ALONE_UNLESS_GUARDED, "alone", true, ALONE_SETS},
    {RuleKind::OUTNUMBERED, "outnumbered", false, OUTNUMBERED_SETS},
};

} // namespace

std::span<const CKindFormat> KindFormats()
{
    return KIND_FORMATS;
}

const CKindFormat* KindFormatOf(RuleKind kind)
{
    for (const CKindFormat& format : KIND_FORMATS) {
        if (format.m_kind == kind)
            return &format;
    }
    return nullptr;
}

const CKindFormat* KindFormatNamed(std::string_view name)
{
    for (const CKindFormat& format : KIND_FORMATS) {
        if (format.m_name == name)
            return &format;
    }
    return nullptr;
}
