#include "ReadingReasons.h"

#include <cstddef>

namespace {

using F = ReadingFault;

// In the order of ReadingFault. English, as the terminal has always said
// it; Japanese, in sentences that end in 。.
constexpr CReasonWording REASONS[] = {
    {F::NOT_UTF8, "not UTF-8", "UTF-8 ではありません。"},
    {F::NOT_TOML, "{0}", "TOML として読めません（{0}）。"},
    {F::CANNOT_OPEN, "cannot open: {0}", "開けません（{0}）。"},
    {F::CANNOT_READ, "cannot read: {0}", "読めません（{0}）。"},
    {F::TOO_LARGE, "larger than {0} MiB, the most a puzzle file may hold",
     "パズルのファイルは {0} MiB までですが、それより大きなファイルです。"},
    {F::NO_SUCH_NAME, "no puzzle of that name (the puzzles are {0}; a file's name needs a dot or a slash)",
     "その名前のパズルはありません（パズルは {0} です。ファイルの名前には「.」か「/」が要ります）。"},
    {F::UNKNOWN_TOP_KEY, "unknown key '{0}' at the top of a puzzle; the keys there are {1}",
     "パズルの初めの「{0}」という鍵は使えません。使える鍵は {1} です。"},
    {F::UNKNOWN_TRAVELLER_KEY, "unknown key '{0}' in a [[traveller]]; the keys there are {1}",
     "[[traveller]] の「{0}」という鍵は使えません。使える鍵は {1} です。"},
    {F::UNKNOWN_RULE_KEY, "unknown key '{0}' in a rule of kind '{1}'; the keys there are {2}",
     "種類「{1}」の規則の「{0}」という鍵は使えません。使える鍵は {2} です。"},
    {F::NOT_A_STRING, "'{0}' must be a string", "「{0}」は文字列で書いてください。"},
    {F::EMPTY, "'{0}' is empty", "「{0}」が空です。"},
    {F::TOO_LONG, "'{0}' is longer than {1} bytes", "「{0}」が {1} バイトより長くなっています。"},
    {F::CONTROL_CHARACTER, "'{0}' has a control character in it", "「{0}」に制御文字があります。"},
    {F::INVISIBLE_CHARACTER, "'{0}' has a character in it that shows nothing or turns the text round",
     "「{0}」に、見えない文字か文字の向きを変える文字があります。"},
    {F::NAME_NOT_A_STRING, "a traveller's name must be a string", "旅人の名前は文字列で書いてください。"},
    {F::NAME_EMPTY, "a traveller's name is empty", "旅人の名前が空です。"},
    {F::NAME_TOO_LONG, "traveller name '{0}' is longer than {1} bytes",
     "旅人の名前「{0}」が {1} バイトより長くなっています。"},
    {F::NAME_BLANK, "traveller name '{0}' has white space or a control character in it",
     "旅人の名前「{0}」に空白か制御文字があります。"},
    {F::NAME_INVISIBLE, "traveller name '{0}' has a character in it that shows nothing or turns the text round",
     "旅人の名前「{0}」に、見えない文字か文字の向きを変える文字があります。"},
    {F::NAME_COMMENT, "traveller name '{0}' would start a comment in a list of trips",
     "旅人の名前「{0}」は、渡りの一覧ではコメントの始まりと読まれてしまいます。"},
    {F::NAME_NUMBER, "traveller name '{0}' would be read as a trip's number in a list of trips",
     "旅人の名前「{0}」は、渡りの一覧では渡りの番号と読まれてしまいます。"},
    {F::NAME_DIRECTION, "traveller name '{0}' would be read as a direction in a list of trips",
     "旅人の名前「{0}」は、渡りの一覧では渡る向きと読まれてしまいます。"},
    {F::NAME_MISSING, "a [[traveller]] needs a 'name'", "[[traveller]] には「name」が要ります。"},
    {F::NAME_TWICE, "traveller name '{0}' is used twice", "旅人の名前「{0}」が二度使われています。"},
    {F::BANKS_NOT_TWO, "'banks' must be two strings: the start bank and the far bank",
     "「banks」には、出発する岸と向こう岸の名前を二つ書いてください。"},
    {F::BANKS_SAME, "the two banks have the same name", "二つの岸が同じ名前です。"},
    {F::NOT_WHOLE, "'{0}' must be a whole number from 1 to {1}", "「{0}」は 1 から {1} までの整数で書いてください。"},
    {F::NOT_TRUE_OR_FALSE, "'{0}' must be true or false", "「{0}」は true か false で書いてください。"},
    {F::NOT_TABLES, "'{0}' must be tables, each written [[{0}]]",
     "「{0}」は、それぞれ [[{0}]] と書く表にしてください。"},
    {F::NO_TRAVELLERS, "no travellers: a puzzle has 1 to {0} [[traveller]] tables",
     "旅人がいません。[[traveller]] の表を 1 から {0} 個書いてください。"},
    {F::TOO_MANY_TRAVELLERS, "more than {0} travellers", "旅人が {0} 人より多くいます。"},
    {F::NOBODY_ROWS, "nobody rows the boat: give at least one [[traveller]] rows = true",
     "舟をこげる人がいません。少なくともひとりの [[traveller]] に rows = true と書いてください。"},
    {F::WEIGHT_WITHOUT_LOAD, "'weight' needs a 'load' at the top of the puzzle, the most the boat carries",
     "「weight」を書くには、舟に乗せられる重さ「load」をパズルの初めに書いてください。"},
    {F::WEIGHT_MISSING, "a [[traveller]] needs a 'weight', since the puzzle has a 'load'",
     "パズルに「load」があるので、どの [[traveller]] にも「weight」が要ります。"},
    {F::TIME_FOR_SOME, "'time' is given here but not for the travellers before: give it for all or none",
     "前の旅人にはない「time」が、ここにあります。全員に書くか、だれにも書かないでください。"},
    {F::TIME_MISSING, "a [[traveller]] needs a 'time', since the travellers before have one",
     "前の旅人に「time」があるので、この [[traveller]] にも「time」が要ります。"},
    {F::LIMIT_WITHOUT_TIMES, "'time_limit' needs a 'time' for every traveller",
     "「time_limit」を書くには、どの旅人にも「time」が要ります。"},
    {F::BAD_LOOK,
     "'look' must be 1 to {0} bytes of UTF-8 without white space, control characters or characters that turn the "
     "text round",
     "「look」は、空白や制御文字、文字の向きを変える文字のない 1 から {0} バイトの UTF-8 で書いてください。"},
    {F::NOT_A_NAME_STRING, "a traveller must be named by a string", "旅人は名前の文字列で書いてください。"},
    {F::NOT_A_TRAVELLER, "'{0}' is not a traveller", "「{0}」という旅人はいません。"},
    {F::RULE_NEEDS_KEY, "a rule of kind '{0}' needs '{1}'", "種類「{0}」の規則には「{1}」が要ります。"},
    {F::NOT_AN_ARRAY_OF_NAMES, "'{0}' must be an array of travellers' names",
     "「{0}」は旅人の名前の配列で書いてください。"},
    {F::NAMES_NOBODY, "'{0}' names nobody", "「{0}」にだれも書かれていません。"},
    {F::SUBJECT_IN_SET, "'{0}' is the rule's 'who' and cannot be in its '{1}'",
     "「{0}」はこの規則の「who」なので、「{1}」には書けません。"},
    {F::NAMED_TWICE, "'{0}' is named twice in '{1}'", "「{0}」が「{1}」に二度書かれています。"},
    {F::KIND_MISSING, "a [[rule]] needs a 'kind': {0}", "[[rule]] には「kind」が要ります。種類は {0} です。"},
    {F::UNKNOWN_KIND, "unknown kind of rule: the kinds are {0}", "その種類の規則はありません。種類は {0} です。"},
    {F::UNKNOWN_KIND_NAMED, "unknown kind of rule '{0}': the kinds are {1}",
     "「{0}」という種類の規則はありません。種類は {1} です。"},
    {F::BAD_WHERE, "'where' must be \"everywhere\", \"banks\" or \"boat\"",
     "「where」は \"everywhere\"、\"banks\"、\"boat\" のどれかにしてください。"},
    {F::IN_GROUP_AND_BY, "'{0}' is in both 'group' and 'by'", "「{0}」が「group」と「by」の両方にあります。"},
    {F::UNALIKE_ROWS, "'{0}' and '{1}' are of type '{2}' but only one of them rows",
     "「{0}」と「{1}」は同じ種類「{2}」ですが、舟をこげるのは片方だけです。"},
    {F::UNALIKE_WEIGHTS, "'{0}' and '{1}' are of type '{2}' but their weights differ",
     "「{0}」と「{1}」は同じ種類「{2}」ですが、重さが違います。"},
    {F::UNALIKE_TIMES, "'{0}' and '{1}' are of type '{2}' but their times differ",
     "「{0}」と「{1}」は同じ種類「{2}」ですが、渡る時間が違います。"},
    {F::UNALIKE_BY_RULE, "'{0}' and '{1}' are of type '{2}' but rule {3} tells them apart",
     "「{0}」と「{1}」は同じ種類「{2}」ですが、規則 {3} がふたりを区別しています。"},
};

static_assert(std::size(REASONS) == static_cast<std::size_t>(ReadingFault::COUNT), "a fault without its wordings");

constexpr bool InOrder()
{
    for (std::size_t fault = 0; fault < std::size(REASONS); ++fault) {
        if (REASONS[fault].m_fault != static_cast<ReadingFault>(fault))
            return false;
    }
    return true;
}
static_assert(InOrder(), "the table follows ReadingFault");

// "a, b and c" in English, "a、b、c" in Japanese.
std::string Joined(const std::vector<std::string>& items, Wording wording)
{
    std::string joined;
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (index > 0)
            joined += wording == Wording::JAPANESE ? "、" : index + 1 == items.size() ? " and " : ", ";
        joined += items[index];
    }
    return joined;
}

} // namespace

std::string ReasonWords(const CReason& reason, Wording wording)
{
    const CReasonWording& words = REASONS[static_cast<std::size_t>(reason.m_fault)];
    const std::string pattern = wording == Wording::JAPANESE ? words.m_japanese : words.m_english;
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::size_t argument = at + 2 < pattern.size() && pattern[at] == '{' && pattern[at + 2] == '}'
                                         ? static_cast<std::size_t>(pattern[at + 1] - '0')
                                         : reason.m_arguments.size();
        if (argument < reason.m_arguments.size()) {
            text += Joined(reason.m_arguments[argument], wording);
            at += 2;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string PlacedReason(const std::string& source, int line, int column, const CReason& reason, Wording wording)
{
    // Appended in steps: g++ 12 at -O3 wrongly warns of an overlapping copy
    // in ":" + a temporary string.
    std::string placed = source;
    if (line > 0 && wording == Wording::JAPANESE)
        placed.append(source.empty() ? "" : " の ")
            .append(std::to_string(line))
            .append(" 行目、")
            .append(std::to_string(column))
            .append(" 文字目");
    else if (line > 0)
        placed.append(":").append(std::to_string(line)).append(":").append(std::to_string(column));
    return placed.append(wording == Wording::JAPANESE ? "：" : ": ").append(ReasonWords(reason, wording));
}

std::span<const CReasonWording> ReasonTable()
{
    return REASONS;
}
