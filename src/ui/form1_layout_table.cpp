// The layout table's rows.
#include "ui/form1_layout_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "config/ui_text.h"

namespace form1_layout {

namespace {

using namespace ClassicColour;
constexpr std::uint32_t D = kDefault;
constexpr std::uint32_t kNavy = Rgb(0, 0, 128);
constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlue = Rgb(0, 0, 255);
constexpr std::uint32_t kDarkBlue = Rgb(0, 0, 192);

const ControlRow kLayout[] = {
    {"Form1", Kind::kFrame, "Frame15", -1, 8040, 1320, 1935, 1575, UI_TEXT_NOOP("Form1", "File"),
     Font::kHeading, D, D, nullptr, 53},
    {"Form1", Kind::kButton, "Command1", -1, 8280, 6240, 1455, 495,
     UI_TEXT_NOOP("Form1", "Store/Save"), Font::kBold, D, Rgb(192, 192, 255), nullptr, 23},
    {"Form1", Kind::kButton, "Command2", -1, 8280, 7080, 1455, 495, UI_TEXT_NOOP("Form1", "Exit"),
     Font::kBoldSmall, D, Rgb(192, 192, 192), nullptr, 24},
    {"Form1", Kind::kFrame, "Frame1", -1, 240, 1320, 7575, 6255,
     UI_TEXT_NOOP("Form1", "Configurable Parameter"), Font::kHeading, D, D, nullptr, 26},
    {"Form1", Kind::kFrame, "Frame6", -1, 8040, 3000, 1935, 2895, UI_TEXT_NOOP("Form1", "Command"),
     Font::kHeading, D, D, nullptr, 25},
    {"Form1", Kind::kLabel, "Label1", -1, 7920, 480, 2055, 255, "MODEL: VT-350", Font::kBold, D, D,
     nullptr, 67},
    {"Form1", Kind::kImage, "Image1", -1, 240, 0, 9870, 1350, nullptr, Font::kWindow, D, D, nullptr,
     -1},
    {"Form1", Kind::kAutoLabel, "Label16", -1, 360, 7680, 60, 240, "", Font::kWindow, kRed, D,
     nullptr, 27},

    {"Frame15", Kind::kButton, "Command8", -1, 240, 960, 1445, 375,
     UI_TEXT_NOOP("Form1", "Save As"), Font::kWindow, D, Rgb(192, 192, 255), nullptr, 18},
    {"Frame15", Kind::kButton, "Command7", -1, 240, 360, 1445, 375, UI_TEXT_NOOP("Form1", "Open"),
     Font::kWindow, D, Rgb(255, 192, 192), nullptr, 17},

    {"Frame1", Kind::kFrame, "Frame16", -1, 3960, 5160, 3375, 855, UI_TEXT_NOOP("Form1", "Brake"),
     Font::kWindow, kNavy, D, nullptr, 58},
    {"Frame1", Kind::kFrame, "Frame12", -1, 3960, 2760, 3375, 2295,
     UI_TEXT_NOOP3("Form1", "REV", "frame: reverse driving"), Font::kWindow, kNavy, D, nullptr, 49,
     "frame: reverse driving"},
    {"Frame1", Kind::kFrame, "Frame9", -1, 3960, 1440, 3375, 1215,
     UI_TEXT_NOOP3("Form1", "FWD", "frame: forward driving"), Font::kWindow, kNavy, D, nullptr, 41,
     "frame: forward driving"},
    {"Frame1", Kind::kFrame, "Frame8", -1, 240, 2280, 3495, 1935,
     UI_TEXT_NOOP("Form1", "Motor Type"), Font::kWindow, kNavy, D, nullptr, 36},
    {"Frame1", Kind::kFrame, "Frame4", -1, 120, 4440, 3615, 1575, UI_TEXT_NOOP("Form1", "PAS"),
     Font::kWindow, kNavy, D, nullptr, 31},
    {"Frame1", Kind::kFrame, "Frame3", -1, 3960, 480, 3375, 855,
     UI_TEXT_NOOP("Form1", "Motor Voltage"), Font::kWindow, kNavy, D, nullptr, 30},
    {"Frame1", Kind::kFrame, "Frame2", -1, 240, 480, 3495, 1575,
     UI_TEXT_NOOP("Form1", "Max Current"), Font::kWindow, kNavy, D, nullptr, 28},

    {"Frame16", Kind::kScroll, "HScroll3", -1, 2160, 360, 1095, 255, nullptr, Font::kWindow, D, D,
     nullptr, 66},
    {"Frame16", Kind::kLabel, "Label3", -1, 240, 360, 1335, 255,
     UI_TEXT_NOOP("Form1", "Regen Brake:"), Font::kWindow, kHighlight, D, nullptr, 60},
    {"Frame16", Kind::kLabel, "Label18", -1, 1680, 360, 495, 255, "0%", Font::kWindow, Rgb(0, 0, 0),
     D, nullptr, 59},

    {"Frame12", Kind::kFrame, "Frame14", -1, 120, 840, 3135, 1335, "", Font::kWindow, D, D, nullptr,
     51},
    {"Frame12", Kind::kFrame, "Frame13", -1, 120, 240, 3135, 615, "", Font::kWindow, D, D, nullptr,
     50},

    {"Frame14", Kind::kScroll, "HScroll2", -1, 600, 960, 1935, 255, nullptr, Font::kWindow, D, D,
     nullptr, 61},
    {"Frame14", Kind::kOption, "Option7", 0, 2040, 240, 975, 255, UI_TEXT_NOOP("Form1", "Unimm"),
     Font::kUpright, kBlue, kInactiveBorder,
     UI_TEXT_NOOP("Form1", "Reversion when motor's speed is \"zero\""), 15},
    {"Frame14", Kind::kOption, "Option7", 1, 1080, 240, 975, 255, UI_TEXT_NOOP("Form1", "Immed"),
     Font::kUpright, kBlue, kInactiveBorder, UI_TEXT_NOOP("Form1", "Reversion immediately"), 14},
    {"Frame14", Kind::kLabel, "Label22", -1, 120, 600, 1335, 255,
     UI_TEXT_NOOP("Form1", "Speed Scale:"), Font::kWindow, kHighlight, D,
     UI_TEXT_NOOP("Form1", "Reversion Speed Scale"), 65},
    {"Frame14", Kind::kLabel, "Label23", -1, 120, 960, 375, 255, UI_TEXT_NOOP("Form1", "Min"),
     Font::kWindow, kRed, D, nullptr, 64},
    {"Frame14", Kind::kLabel, "Label24", -1, 2640, 960, 435, 255, UI_TEXT_NOOP("Form1", "Max"),
     Font::kWindow, kRed, D, nullptr, 63},
    {"Frame14", Kind::kAutoLabel, "Label25", -1, 1680, 600, 60, 240, "", Font::kWindow, D, D,
     nullptr, 62},
    {"Frame14", Kind::kLabel, "Label21", -1, 240, 240, 735, 255, UI_TEXT_NOOP("Form1", "Mode:"),
     Font::kWindow, kHighlight, D, UI_TEXT_NOOP("Form1", "Reversion Mode"), 52},

    {"Frame13", Kind::kOption, "Option6", 0, 1800, 240, 1095, 255, UI_TEXT_NOOP("Form1", "Disable"),
     Font::kUpright, kBlue, kInactiveBorder, nullptr, 13},
    {"Frame13", Kind::kOption, "Option6", 1, 240, 240, 975, 255, UI_TEXT_NOOP("Form1", "Enable"),
     Font::kUpright, kBlue, kInactiveBorder, nullptr, 12},

    {"Frame9", Kind::kScroll, "HScroll1", -1, 720, 720, 1935, 255, nullptr, Font::kWindow, D, D,
     nullptr, 16},
    {"Frame9", Kind::kAutoLabel, "Label17", -1, 1800, 360, 60, 240, "", Font::kWindow, D, D,
     nullptr, 45},
    {"Frame9", Kind::kLabel, "Label15", -1, 2760, 720, 495, 255, UI_TEXT_NOOP("Form1", "Max"),
     Font::kWindow, kRed, D, nullptr, 44},
    {"Frame9", Kind::kLabel, "Label14", -1, 240, 720, 375, 255, UI_TEXT_NOOP("Form1", "Min"),
     Font::kWindow, kRed, D, nullptr, 43},
    {"Frame9", Kind::kLabel, "Label6", -1, 240, 360, 1335, 255,
     UI_TEXT_NOOP("Form1", "Speed Scale:"), Font::kWindow, kHighlight, D, nullptr, 42},

    {"Frame8", Kind::kPlainFrame, "Frame11", -1, 120, 240, 3255, 1575, nullptr, Font::kWindow, D, D,
     nullptr, 48},

    {"Frame11", Kind::kFrame, "Frame10", -1, 240, 840, 2895, 615, "", Font::kWindow, D, D, nullptr,
     54},
    {"Frame11", Kind::kOption, "Option5", 0, 240, 600, 2055, 255,
     UI_TEXT_NOOP("Form1", "BLDC (brushless)"), Font::kWindow, kBlue, kInactiveBorder, nullptr, 3},
    {"Frame11", Kind::kOption, "Option5", 1, 240, 240, 1695, 255,
     UI_TEXT_NOOP("Form1", "DC (brushed)"), Font::kWindow, kBlue, kInactiveBorder, nullptr, 2},

    {"Frame10", Kind::kOption, "Option4", 1, 1080, 240, 855, 250, "120\u00b0", Font::kUpright,
     kBlue, kInactiveBorder, nullptr, 56},
    {"Frame10", Kind::kOption, "Option4", 0, 1920, 240, 855, 255, "60\u00b0", Font::kUpright, kBlue,
     kInactiveBorder, nullptr, 55},
    {"Frame10", Kind::kLabel, "Label7", -1, 120, 240, 855, 255, UI_TEXT_NOOP("Form1", "Phase .."),
     Font::kWindow, kHighlight, D, UI_TEXT_NOOP("Form1", "Phase Angle:"), 57},

    {"Frame4", Kind::kFrame, "Frame7", -1, 120, 840, 3375, 615, "", Font::kWindow, D, D, nullptr,
     34},
    {"Frame4", Kind::kFrame, "Frame5", -1, 120, 240, 3375, 615, "", Font::kWindow, D, D, nullptr,
     32},

    {"Frame7", Kind::kOption, "Option3", 0, 2160, 240, 975, 255, UI_TEXT_NOOP("Form1", "REV"),
     Font::kUpright, kDarkBlue, kInactiveBorder, nullptr, 8},
    {"Frame7", Kind::kOption, "Option3", 1, 1080, 240, 975, 255, UI_TEXT_NOOP("Form1", "FWD"),
     Font::kUpright, kDarkBlue, kInactiveBorder, nullptr, 7},
    {"Frame7", Kind::kLabel, "Label5", -1, 120, 240, 975, 255, UI_TEXT_NOOP("Form1", "Direction:"),
     Font::kWindow, kHighlight, D, nullptr, 35},

    {"Frame5", Kind::kOption, "Option2", 2, 2520, 240, 735, 255, UI_TEXT_NOOP("Form1", "High"),
     Font::kUpright, kDarkBlue, kInactiveBorder, nullptr, 6},
    {"Frame5", Kind::kOption, "Option2", 1, 1680, 240, 735, 255, UI_TEXT_NOOP("Form1", "Mid"),
     Font::kUpright, kDarkBlue, kInactiveBorder, nullptr, 5},
    {"Frame5", Kind::kOption, "Option2", 0, 840, 240, 735, 255, UI_TEXT_NOOP("Form1", "Low"),
     Font::kUpright, kDarkBlue, kInactiveBorder, nullptr, 4},
    {"Frame5", Kind::kLabel, "Label4", -1, 120, 240, 615, 255, UI_TEXT_NOOP("Form1", "Level:"),
     Font::kWindow, kHighlight, D, nullptr, 33},

    {"Frame3", Kind::kOption, "Option1", 2, 2280, 360, 855, 255, "48v", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 11},
    {"Frame3", Kind::kOption, "Option1", 1, 1320, 360, 855, 255, "36v", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 10},
    {"Frame3", Kind::kOption, "Option1", 0, 360, 360, 855, 255, "24v", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 9},
    {"Frame3", Kind::kLabel, "Label13", -1, 240, 360, 735, 255, "", Font::kWindow, kHighlight, D,
     nullptr, 40},

    {"Frame2", Kind::kText, "Text4", -1, 1560, 960, 855, 375, nullptr, Font::kWindow, D, D, nullptr,
     1},
    {"Frame2", Kind::kText, "Text1", -1, 1560, 360, 855, 375, nullptr, Font::kWindow, D, D, nullptr,
     0},
    {"Frame2", Kind::kLabel, "Label10", -1, 2760, 1080, 615, 255, "1~50A", Font::kWindow, kRed, D,
     nullptr, 47},
    {"Frame2", Kind::kLabel, "Label9", -1, 2760, 480, 615, 255, "1~30A", Font::kWindow, kRed, D,
     nullptr, 46},
    {"Frame2", Kind::kLabel, "Label12", -1, 2520, 1080, 255, 255, "A", Font::kWindow, D, D, nullptr,
     39},
    {"Frame2", Kind::kLabel, "Label11", -1, 2520, 480, 375, 375, "A", Font::kWindow, D, D, nullptr,
     38},
    {"Frame2", Kind::kLabel, "Label8", -1, 480, 1080, 735, 375, UI_TEXT_NOOP("Form1", "Peak:"),
     Font::kWindow, kHighlight, D, nullptr, 37},
    {"Frame2", Kind::kLabel, "Label2", -1, 240, 480, 1335, 255,
     UI_TEXT_NOOP("Form1", "Continuous:"), Font::kWindow, kHighlight, D, nullptr, 29},

    {"Frame6", Kind::kButton, "Command6", -1, 240, 1680, 1455, 375,
     UI_TEXT_NOOP("Form1", "Factory Setting"), Font::kBoldItalicSmall, D, Rgb(255, 224, 192),
     UI_TEXT_NOOP("Form1", "Factory_Setting"), 21},
    {"Frame6", Kind::kButton, "Command5", -1, 240, 1080, 1455, 375,
     UI_TEXT_NOOP("Form1", "GetConfig"), Font::kBoldItalic, D, Rgb(255, 255, 192), nullptr, 20},
    {"Frame6", Kind::kButton, "Command4", -1, 240, 2280, 1455, 375,
     UI_TEXT_NOOP("Form1", "Disconnect"), Font::kBoldItalic, D, Rgb(192, 192, 192), nullptr, 22},
    {"Frame6", Kind::kButton, "Command3", -1, 240, 480, 1455, 375, UI_TEXT_NOOP("Form1", "Connect"),
     Font::kBoldItalic, D, Rgb(255, 192, 192), nullptr, 19},
};

// Every caption once more, in full: a language that shortens a caption to fit its control
// (with an abbreviation a workshop knows) gives the full wording here, for the tool tip
// and the accessible name. The window reads them by the same text with the comment.
const char* const kFullWordings[] = {
    UI_TEXT_NOOP3("Form1", "File", "full wording"),
    UI_TEXT_NOOP3("Form1", "Store/Save", "full wording"),
    UI_TEXT_NOOP3("Form1", "Exit", "full wording"),
    UI_TEXT_NOOP3("Form1", "Configurable Parameter", "full wording"),
    UI_TEXT_NOOP3("Form1", "Command", "full wording"),
    UI_TEXT_NOOP3("Form1", "Save As", "full wording"),
    UI_TEXT_NOOP3("Form1", "Open", "full wording"),
    UI_TEXT_NOOP3("Form1", "Brake", "full wording"),
    UI_TEXT_NOOP3("Form1", "REV", "full wording"),
    UI_TEXT_NOOP3("Form1", "FWD", "full wording"),
    UI_TEXT_NOOP3("Form1", "Motor Type", "full wording"),
    UI_TEXT_NOOP3("Form1", "PAS", "full wording"),
    UI_TEXT_NOOP3("Form1", "Motor Voltage", "full wording"),
    UI_TEXT_NOOP3("Form1", "Max Current", "full wording"),
    UI_TEXT_NOOP3("Form1", "Regen Brake:", "full wording"),
    UI_TEXT_NOOP3("Form1", "Unimm", "full wording"),
    UI_TEXT_NOOP3("Form1", "Immed", "full wording"),
    UI_TEXT_NOOP3("Form1", "Speed Scale:", "full wording"),
    UI_TEXT_NOOP3("Form1", "Min", "full wording"),
    UI_TEXT_NOOP3("Form1", "Max", "full wording"),
    UI_TEXT_NOOP3("Form1", "Mode:", "full wording"),
    UI_TEXT_NOOP3("Form1", "Disable", "full wording"),
    UI_TEXT_NOOP3("Form1", "Enable", "full wording"),
    UI_TEXT_NOOP3("Form1", "BLDC (brushless)", "full wording"),
    UI_TEXT_NOOP3("Form1", "DC (brushed)", "full wording"),
    UI_TEXT_NOOP3("Form1", "Phase ..", "full wording"),
    UI_TEXT_NOOP3("Form1", "Direction:", "full wording"),
    UI_TEXT_NOOP3("Form1", "High", "full wording"),
    UI_TEXT_NOOP3("Form1", "Mid", "full wording"),
    UI_TEXT_NOOP3("Form1", "Low", "full wording"),
    UI_TEXT_NOOP3("Form1", "Level:", "full wording"),
    UI_TEXT_NOOP3("Form1", "Peak:", "full wording"),
    UI_TEXT_NOOP3("Form1", "Continuous:", "full wording"),
    UI_TEXT_NOOP3("Form1", "Factory Setting", "full wording"),
    UI_TEXT_NOOP3("Form1", "GetConfig", "full wording"),
    UI_TEXT_NOOP3("Form1", "Disconnect", "full wording"),
    UI_TEXT_NOOP3("Form1", "Connect", "full wording"),
};

}  // namespace

std::span<const ControlRow> Rows() {
    return kLayout;
}

bool HasFullWording(const char* caption) {
    return std::any_of(std::begin(kFullWordings), std::end(kFullWordings),
                       [&](const char* c) { return std::strcmp(c, caption) == 0; });
}

}  // namespace form1_layout
