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

struct CExpectedItem {
    const char* m_className;
    const char* m_text;
    int m_id;
    short m_x, m_y, m_cx, m_cy;
    DWORD m_requiredStyle;
    DWORD m_absentStyle;
};

void ExpectItems(const CDialogTemplate& dialog, std::initializer_list<CExpectedItem> expected)
{
    ASSERT_EQ(dialog.m_items.size(), expected.size());
    std::size_t i = 0;
    for (const CExpectedItem& want : expected) {
        const CDialogItem& item = dialog.m_items[i++];
        SCOPED_TRACE(std::string("item ") + std::to_string(i - 1));
        EXPECT_STREQ(item.m_className, want.m_className);
        EXPECT_STREQ(item.m_text, want.m_text);
        EXPECT_EQ(item.m_id, want.m_id);
        EXPECT_EQ(item.m_x, want.m_x);
        EXPECT_EQ(item.m_y, want.m_y);
        EXPECT_EQ(item.m_cx, want.m_cx);
        EXPECT_EQ(item.m_cy, want.m_cy);
        EXPECT_EQ(item.m_style & want.m_requiredStyle, want.m_requiredStyle);
        EXPECT_EQ(item.m_style & want.m_absentStyle, 0u);
        EXPECT_EQ(item.m_style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    }
}

using Box = std::array<int, 4>;

Box Placement(const CDialogItem& item)
{
    return Box{item.m_x, item.m_y, item.m_cx, item.m_cy};
}

} // namespace

TEST(Resources, IdsAreTheProgramsOwn)
{
    EXPECT_EQ(IDM_ABOUTBOX, 16);
    EXPECT_EQ(IDM_CROSSINGVIEW, 32);
    EXPECT_EQ(IDS_CROSSINGVIEW, 103);
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
    EXPECT_STREQ(dialog->m_caption, "Torvalyパズル");
    EXPECT_EQ(dialog->m_x, 0);
    EXPECT_EQ(dialog->m_y, 0);
    EXPECT_EQ(dialog->m_cx, 351);
    EXPECT_EQ(dialog->m_cy, 247);
    EXPECT_STREQ(dialog->m_typeface, "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog->m_pointSize, 9);
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
    EXPECT_EQ(dialog->m_style & frame, frame);
    EXPECT_EQ(dialog->m_style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER), 0u);
    EXPECT_EQ(dialog->m_exStyle & WS_EX_APPWINDOW, WS_EX_APPWINDOW);

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
    EXPECT_STREQ(dialog->m_caption, "TorvalyPuzzleのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(dialog->m_cx, 235);
    EXPECT_EQ(dialog->m_cy, 55);
    EXPECT_STREQ(dialog->m_typeface, "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog->m_pointSize, 9);
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dialog->m_style & frame, frame);
    ASSERT_EQ(dialog->m_items.size(), 4u);
    EXPECT_STREQ(dialog->m_items[0].m_text, "#128");
    EXPECT_EQ(dialog->m_items[0].m_style & SS_TYPEMASK, SS_ICON);
    EXPECT_EQ(Placement(dialog->m_items[0]), (Box{11, 17, 20, 20}));
    EXPECT_STREQ(dialog->m_items[1].m_text, "TorvalyPuzzle Version 1.0");
    EXPECT_EQ(Placement(dialog->m_items[1]), (Box{40, 10, 119, 8}));
    EXPECT_EQ(Placement(dialog->m_items[2]), (Box{40, 25, 119, 8}));
    EXPECT_STREQ(dialog->m_items[3].m_text, "OK");
    EXPECT_EQ(dialog->m_items[3].m_id, 1);
    EXPECT_EQ(dialog->m_items[3].m_style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(Placement(dialog->m_items[3]), (Box{178, 7, 50, 14}));

    EXPECT_STREQ(AfxFindString(IDS_ABOUTBOX), "TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_EQ(AfxFindString(102), nullptr);
}

TEST(Resources, TheIconIn32And16PixelsOfSixteenColours)
{
    const CIconResource* icon = AfxFindIcon(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(icon->m_images.size(), 2u);
    const int sizes[] = {32, 16};
    for (std::size_t i = 0; i < 2; ++i) {
        const QImage image(icon->m_images[i]);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i]));
        // "<w> <h> <colours> <chars per pixel>": at most 16 colours and
        // transparency.
        const int colours = std::atoi(std::strchr(std::strchr(icon->m_images[i][0], ' ') + 1, ' ') + 1);
        EXPECT_LE(colours, 17);
        EXPECT_TRUE(image.hasAlphaChannel());
    }
}

TEST(Resources, TheVersionRecord)
{
    const CResourceModule* module = AfxGetResourceModule();
    ASSERT_NE(module, nullptr);
    ASSERT_NE(module->m_version, nullptr);
    const CVersionInfo& version = *module->m_version;
    const WORD expected[4] = {1, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(version.m_fileVersion[i], expected[i]);
        EXPECT_EQ(version.m_productVersion[i], expected[i]);
    }
    EXPECT_EQ(FileVersionText(version), "1.0.0.1");
    EXPECT_EQ(version.m_language, 0x0411);
    EXPECT_EQ(version.m_codePage, 1200);
    EXPECT_STREQ(AfxFindVersionString("FileDescription"), "TorvalyPuzzle MFC ｱﾌﾟﾘｹｰｼｮﾝ");
    EXPECT_STREQ(AfxFindVersionString("InternalName"), "TorvalyPuzzle");
    EXPECT_STREQ(AfxFindVersionString("ProductName"), "TorvalyPuzzle ｱﾌﾟﾘｹｰｼｮﾝ");
    EXPECT_STREQ(AfxFindVersionString("FileVersion"), "1, 0, 0, 1");
    EXPECT_STREQ(AfxFindVersionString("ProductVersion"), "1, 0, 0, 1");
    EXPECT_STREQ(AfxFindVersionString("CompanyName"), "");
    EXPECT_STREQ(AfxFindVersionString("LegalTrademarks"), "");
}
