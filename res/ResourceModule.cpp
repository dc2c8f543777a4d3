// The resource script of TorvalyPuzzle, in Japanese (0x0411).
#include "ResourceModule.h"

#include "platform/window/WindowStyles.h"
#include "res/ProgramVersion.h"
#include "resource.h"

namespace {

#include "icons/MainFrame16.xpm"
#include "icons/MainFrame32.xpm"

constexpr const char* DIALOG_FONT = "ＭＳ Ｐゴシック";
constexpr WORD DIALOG_FONT_POINTS = 9;

constexpr DWORD CHILD = WS_CHILD | WS_VISIBLE;

// ---- IDD_ABOUTBOX -------------------------------------------------------

constexpr CDialogItem ABOUT_ITEMS[] = {
    {WC_STATIC, "#128", IDC_STATIC, CHILD | SS_ICON, 11, 17, 20, 20},
    {WC_STATIC, "TorvalyPuzzle Version " TORVALY_VERSION_SHORT_TEXT, IDC_STATIC,
     CHILD | WS_GROUP | SS_LEFT | SS_NOPREFIX, 40, 10, 119, 8},
    {WC_STATIC, "Linux 版 (Qt 6 Widgets)", IDC_STATIC, CHILD | WS_GROUP | SS_LEFT, 40, 25, 119, 8},
    {WC_BUTTON, "OK", IDOK, CHILD | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 178, 7, 50, 14},
};

// ---- IDD_PUZZLE_DIALOG --------------------------------------------------

constexpr DWORD READ_ONLY_FIELD = CHILD | WS_BORDER | ES_RIGHT | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD CENTRED_LABEL = CHILD | WS_GROUP | SS_CENTER | SS_CENTERIMAGE;

// In tab order.
constexpr CDialogItem PUZZLE_ITEMS[] = {
    {WC_BUTTON, "別解個数", IDC_COUNT_ALTERNATIVES, CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 243, 7, 42, 12},
    {WC_BUTTON, "スタート", IDC_START, CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON, 302, 7, 42, 28},
    {WC_LISTVIEW, "", IDC_RESULT_LIST, CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT, 7, 61, 337, 179, "結果"},
    {WC_STATIC, "試行回数", IDC_STATIC, CENTRED_LABEL, 66, 7, 42, 12},
    {WC_EDIT, "", IDC_TRIALS, READ_ONLY_FIELD, 66, 21, 42, 14},
    {WC_STATIC, "往復回数", IDC_STATIC, CENTRED_LABEL, 125, 7, 42, 12},
    {WC_EDIT, "", IDC_ROUND_TRIPS, READ_ONLY_FIELD, 125, 22, 42, 14},
    {WC_STATIC, "到着人数", IDC_STATIC, CENTRED_LABEL, 184, 7, 42, 12},
    {WC_EDIT, "", IDC_ARRIVED, READ_ONLY_FIELD, 184, 21, 42, 14},
    {PROGRESS_CLASS, "", IDC_PROGRESS, CHILD | WS_BORDER | PBS_SMOOTH, 7, 41, 337, 14, "進行状況"},
    {WC_STATIC, "経過時間", IDC_STATIC, CENTRED_LABEL, 7, 7, 42, 12},
    {WC_EDIT, "", IDC_ELAPSED, READ_ONLY_FIELD, 7, 21, 42, 14},
    {WC_EDIT, "", IDC_ALTERNATIVES, READ_ONLY_FIELD, 243, 21, 42, 14},
};

constexpr CDialogTemplate DIALOGS[] = {
    {IDD_ABOUTBOX, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 235, 55,
     "TorvalyPuzzleのﾊﾞｰｼﾞｮﾝ情報", DIALOG_FONT_POINTS, DIALOG_FONT, ABOUT_ITEMS},
    {IDD_PUZZLE_DIALOG, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW,
     0, 0, 351, 247, "Torvalyパズル", DIALOG_FONT_POINTS, DIALOG_FONT, PUZZLE_ITEMS},
};

// ---- String table -------------------------------------------------------

constexpr CStringResource STRINGS[] = {
    {IDS_ABOUTBOX, "TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
    {IDS_CROSSINGVIEW, "手順を見る(&V)..."},
};

// ---- Icon ---------------------------------------------------------------

// 32 x 32 and 16 x 16, 16 colours.
constexpr const char* const* MAIN_FRAME_IMAGES[] = {MAIN_FRAME_32, MAIN_FRAME_16};

constexpr CIconResource ICONS[] = {
    {IDR_MAINFRAME, MAIN_FRAME_IMAGES},
};

// ---- Version ------------------------------------------------------------

// String table 041104B0: Japanese, Unicode.
constexpr CVersionString VERSION_STRINGS[] = {
    {"CompanyName", ""},
    {"FileDescription", "TorvalyPuzzle MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"FileVersion", TORVALY_VERSION_COMMA_TEXT},
    {"InternalName", "TorvalyPuzzle"},
    {"LegalTrademarks", ""},
    {"ProductName", "TorvalyPuzzle ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"ProductVersion", TORVALY_VERSION_COMMA_TEXT},
};

constexpr CVersionInfo VERSION_INFO = {
    {TORVALY_VERSION_MAJOR, TORVALY_VERSION_MINOR, TORVALY_VERSION_PATCH, TORVALY_VERSION_TWEAK},
    {TORVALY_VERSION_MAJOR, TORVALY_VERSION_MINOR, TORVALY_VERSION_PATCH, TORVALY_VERSION_TWEAK},
    0x0411,
    1200,
    VERSION_STRINGS,
};

constexpr CResourceModule RESOURCE_MODULE = {
    DIALOGS, STRINGS, ICONS, &VERSION_INFO, TORVALY_APP_ID,
};

} // namespace

const CResourceModule& TorvalyPuzzleResources()
{
    return RESOURCE_MODULE;
}
