// The resource script: ids, texts, positions and styles of both dialogs, the
// string table, the icon and the version record.
#include "platform/window/Resources.h"
#include "platform/window/WindowStyles.h"
#include "res/resource.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct SItem {
    const char* className;
    const char* text;
    int id;
    short x, y, cx, cy;
    DWORD requiredStyle;
    DWORD absentStyle;
};

void ExpectItems(const CDialogTemplate& dialog, std::initializer_list<SItem> expected)
{
    ASSERT_EQ(dialog.items.size(), expected.size());
    std::size_t i = 0;
    for (const SItem& want : expected) {
        const CDialogItem& item = dialog.items[i++];
        SCOPED_TRACE(std::string("item ") + std::to_string(i - 1));
        EXPECT_STREQ(item.className, want.className);
        EXPECT_STREQ(item.text, want.text);
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.style & want.requiredStyle, want.requiredStyle);
        EXPECT_EQ(item.style & want.absentStyle, 0u);
        EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    }
}

using Box = std::array<int, 4>;

Box Placement(const CDialogItem& item)
{
    return Box{item.x, item.y, item.cx, item.cy};
}

} // namespace

TEST(Resources, IdsAreTheProgramsOwn)
{
    EXPECT_EQ(IDM_ABOUTBOX, 16);
    EXPECT_EQ(IDD_ABOUTBOX, 100);
    EXPECT_EQ(IDS_ABOUTBOX, 101);
    EXPECT_EQ(IDD_PUZZLE_DIALOG, 102);
    EXPECT_EQ(IDR_MAINFRAME, 128);
    EXPECT_EQ(IDC_TRIALS, 1000);
    EXPECT_EQ(IDC_ROUND_TRIPS, 1001);
    EXPECT_EQ(IDC_ARRIVED, 1002);
    EXPECT_EQ(IDC_RESULT_LIST, 1003);
    EXPECT_EQ(IDC_START, 1004);
    EXPECT_EQ(IDC_PROGRESS, 1005);
    EXPECT_EQ(IDC_ELAPSED, 1006);
    EXPECT_EQ(IDC_ALTERNATIVES, 1007);
    EXPECT_EQ(IDC_COUNT_ALTERNATIVES, 1008);
}

TEST(Resources, TheMainDialogTemplate)
{
    const CDialogTemplate* dialog = AfxFindDialogTemplate(IDD_PUZZLE_DIALOG);
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(dialog->caption, "Torvalyパズル");
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 351);
    EXPECT_EQ(dialog->cy, 247);
    EXPECT_STREQ(dialog->typeface, "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog->pointSize, 9);
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
    EXPECT_EQ(dialog->style & frame, frame);
    EXPECT_EQ(dialog->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER), 0u);
    EXPECT_EQ(dialog->exStyle & WS_EX_APPWINDOW, WS_EX_APPWINDOW);

    const DWORD field = WS_BORDER | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL;
    const DWORD label = SS_CENTER | SS_CENTERIMAGE;
    ExpectItems(*dialog, {
                             {"Button", "別解個数", 1008, 243, 7, 42, 12, BS_AUTOCHECKBOX | WS_TABSTOP, 0},
                             {"Button", "スタート", 1004, 302, 7, 42, 28, BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
                             {"SysListView32", "", 1003, 7, 61, 337, 179, LVS_REPORT | WS_BORDER | WS_TABSTOP, 0},
                             {"Static", "試行回数", -1, 66, 7, 42, 12, label, 0},
                             {"Edit", "", 1000, 66, 21, 42, 14, field, WS_TABSTOP},
                             {"Static", "往復回数", -1, 125, 7, 42, 12, label, 0},
                             {"Edit", "", 1001, 125, 22, 42, 14, field, WS_TABSTOP},
                             {"Static", "到着人数", -1, 184, 7, 42, 12, label, 0},
                             {"Edit", "", 1002, 184, 21, 42, 14, field, WS_TABSTOP},
                             {"msctls_progress32", "", 1005, 7, 41, 337, 14, PBS_SMOOTH | WS_BORDER, WS_TABSTOP},
                             {"Static", "経過時間", -1, 7, 7, 42, 12, label, 0},
                             {"Edit", "", 1006, 7, 21, 42, 14, field, WS_TABSTOP},
                             {"Edit", "", 1007, 243, 21, 42, 14, field, WS_TABSTOP},
                         });
}

TEST(Resources, TheAboutBoxTemplateAndTheMenuString)
{
    const CDialogTemplate* dialog = AfxFindDialogTemplate(IDD_ABOUTBOX);
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(dialog->caption, "TorvalyPuzzleのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(dialog->cx, 235);
    EXPECT_EQ(dialog->cy, 55);
    EXPECT_STREQ(dialog->typeface, "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog->pointSize, 9);
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dialog->style & frame, frame);
    ASSERT_EQ(dialog->items.size(), 4u);
    EXPECT_STREQ(dialog->items[0].text, "#128");
    EXPECT_EQ(dialog->items[0].style & SS_TYPEMASK, SS_ICON);
    EXPECT_EQ(Placement(dialog->items[0]), (Box{11, 17, 20, 20}));
    EXPECT_STREQ(dialog->items[1].text, "TorvalyPuzzle Version 1.0");
    EXPECT_EQ(Placement(dialog->items[1]), (Box{40, 10, 119, 8}));
    EXPECT_EQ(Placement(dialog->items[2]), (Box{40, 25, 119, 8}));
    EXPECT_STREQ(dialog->items[3].text, "OK");
    EXPECT_EQ(dialog->items[3].id, 1);
    EXPECT_EQ(dialog->items[3].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(Placement(dialog->items[3]), (Box{178, 7, 50, 14}));

    EXPECT_STREQ(AfxFindString(IDS_ABOUTBOX), "TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_EQ(AfxFindString(102), nullptr);
}

TEST(Resources, TheIconIn32And16PixelsOfSixteenColours)
{
    const CIconResource* icon = AfxFindIcon(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(icon->images.size(), 2u);
    const int sizes[] = {32, 16};
    for (std::size_t i = 0; i < 2; ++i) {
        const QImage image(icon->images[i]);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i]));
        // "<w> <h> <colours> <chars per pixel>": at most 16 colours and
        // transparency.
        const int colours = std::atoi(std::strchr(std::strchr(icon->images[i][0], ' ') + 1, ' ') + 1);
        EXPECT_LE(colours, 17);
        EXPECT_TRUE(image.hasAlphaChannel());
    }
}

TEST(Resources, TheVersionRecord)
{
    const CResourceModule* module = AfxGetResourceModule();
    ASSERT_NE(module, nullptr);
    ASSERT_NE(module->version, nullptr);
    const CVersionInfo& version = *module->version;
    const WORD expected[4] = {1, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(version.fileVersion[i], expected[i]);
        EXPECT_EQ(version.productVersion[i], expected[i]);
    }
    EXPECT_EQ(version.language, 0x0411);
    EXPECT_EQ(version.codePage, 1200);
    EXPECT_STREQ(AfxFindVersionString("FileDescription"), "TorvalyPuzzle MFC ｱﾌﾟﾘｹｰｼｮﾝ");
    EXPECT_STREQ(AfxFindVersionString("InternalName"), "TorvalyPuzzle");
    EXPECT_STREQ(AfxFindVersionString("ProductName"), "TorvalyPuzzle ｱﾌﾟﾘｹｰｼｮﾝ");
    EXPECT_STREQ(AfxFindVersionString("FileVersion"), "1, 0, 0, 1");
    EXPECT_STREQ(AfxFindVersionString("ProductVersion"), "1, 0, 0, 1");
    EXPECT_STREQ(AfxFindVersionString("CompanyName"), "");
    EXPECT_STREQ(AfxFindVersionString("LegalTrademarks"), "");
}
