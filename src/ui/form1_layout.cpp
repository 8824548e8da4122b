// Builds the window's controls from the layout table: positions and sizes in twips
// (15 twips are a pixel at 96 dpi), relative to each control's container.
#include <QApplication>
#include <QFont>
#include <QScreen>

#include <map>
#include <string>

#include "ui/form1.h"
#include "ui/vb_colour.h"

namespace {

enum class Kind {
    kFrame,
    kPlainFrame,
    kLabel,
    kAutoLabel,
    kOption,
    kText,
    kButton,
    kScroll,
    kImage
};
enum class Font { kWindow, kHeading, kBold, kBoldSmall, kBoldItalic, kBoldItalicSmall, kUpright };

using namespace VbColour;
constexpr std::uint32_t D = kDefault;
constexpr std::uint32_t kNavy = Rgb(0, 0, 128);
constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlue = Rgb(0, 0, 255);
constexpr std::uint32_t kDarkBlue = Rgb(0, 0, 192);

struct ControlRow {
    const char* container;
    Kind kind;
    const char* name;
    int index;  // element of an option array, -1 otherwise
    int left, top, width, height;
    const char* text;
    Font font;
    std::uint32_t fore, back;
    const char* toolTip;
    int tab;
};

// One block per container, each in drawing order (topmost first). Containers come before
// the controls inside them.
const ControlRow kLayout[] = {
    {"Form1", Kind::kFrame, "Frame15", -1, 8040, 1320, 1935, 1575, "File", Font::kHeading, D, D,
     nullptr, 53},
    {"Form1", Kind::kButton, "Command1", -1, 8280, 6240, 1455, 495, "Store/Save", Font::kBold, D,
     Rgb(192, 192, 255), nullptr, 23},
    {"Form1", Kind::kButton, "Command2", -1, 8280, 7080, 1455, 495, "Exit", Font::kBoldSmall, D,
     Rgb(192, 192, 192), nullptr, 24},
    {"Form1", Kind::kFrame, "Frame1", -1, 240, 1320, 7575, 6255, "Configurable Parameter",
     Font::kHeading, D, D, nullptr, 26},
    {"Form1", Kind::kFrame, "Frame6", -1, 8040, 3000, 1935, 2895, "Command", Font::kHeading, D, D,
     nullptr, 25},
    {"Form1", Kind::kLabel, "Label1", -1, 7920, 480, 2055, 255, "MODEL: VT-350", Font::kBold, D, D,
     nullptr, 67},
    {"Form1", Kind::kImage, "Image1", -1, 240, 0, 9870, 1350, nullptr, Font::kWindow, D, D, nullptr,
     -1},
    {"Form1", Kind::kAutoLabel, "Label16", -1, 360, 7680, 60, 240, "", Font::kWindow, kRed, D,
     nullptr, 27},

    {"Frame15", Kind::kButton, "Command8", -1, 240, 960, 1445, 375, "Save As", Font::kWindow, D,
     Rgb(192, 192, 255), nullptr, 18},
    {"Frame15", Kind::kButton, "Command7", -1, 240, 360, 1445, 375, "Open", Font::kWindow, D,
     Rgb(255, 192, 192), nullptr, 17},

    {"Frame1", Kind::kFrame, "Frame16", -1, 3960, 5160, 3375, 855, "Brake", Font::kWindow, kNavy, D,
     nullptr, 58},
    {"Frame1", Kind::kFrame, "Frame12", -1, 3960, 2760, 3375, 2295, "REV", Font::kWindow, kNavy, D,
     nullptr, 49},
    {"Frame1", Kind::kFrame, "Frame9", -1, 3960, 1440, 3375, 1215, "FWD", Font::kWindow, kNavy, D,
     nullptr, 41},
    {"Frame1", Kind::kFrame, "Frame8", -1, 240, 2280, 3495, 1935, "Motor Type", Font::kWindow,
     kNavy, D, nullptr, 36},
    {"Frame1", Kind::kFrame, "Frame4", -1, 120, 4440, 3615, 1575, "PAS", Font::kWindow, kNavy, D,
     nullptr, 31},
    {"Frame1", Kind::kFrame, "Frame3", -1, 3960, 480, 3375, 855, "Motor Voltage", Font::kWindow,
     kNavy, D, nullptr, 30},
    {"Frame1", Kind::kFrame, "Frame2", -1, 240, 480, 3495, 1575, "Max Current", Font::kWindow,
     kNavy, D, nullptr, 28},

    {"Frame16", Kind::kScroll, "HScroll3", -1, 2160, 360, 1095, 255, nullptr, Font::kWindow, D, D,
     nullptr, 66},
    {"Frame16", Kind::kLabel, "Label3", -1, 240, 360, 1335, 255, "Regen Brake:", Font::kWindow,
     kHighlight, D, nullptr, 60},
    {"Frame16", Kind::kLabel, "Label18", -1, 1680, 360, 495, 255, "0%", Font::kWindow, Rgb(0, 0, 0),
     D, nullptr, 59},

    {"Frame12", Kind::kFrame, "Frame14", -1, 120, 840, 3135, 1335, "", Font::kWindow, D, D, nullptr,
     51},
    {"Frame12", Kind::kFrame, "Frame13", -1, 120, 240, 3135, 615, "", Font::kWindow, D, D, nullptr,
     50},

    {"Frame14", Kind::kScroll, "HScroll2", -1, 600, 960, 1935, 255, nullptr, Font::kWindow, D, D,
     nullptr, 61},
    {"Frame14", Kind::kOption, "Option7", 0, 2040, 240, 975, 255, "Unimm", Font::kUpright, kBlue,
     kInactiveBorder, "Reversion when motor's speed is \"zero\"", 15},
    {"Frame14", Kind::kOption, "Option7", 1, 1080, 240, 975, 255, "Immed", Font::kUpright, kBlue,
     kInactiveBorder, "Reversion immediately", 14},
    {"Frame14", Kind::kLabel, "Label22", -1, 120, 600, 1335, 255, "Speed Scale:", Font::kWindow,
     kHighlight, D, "Reversion Speed Scale", 65},
    {"Frame14", Kind::kLabel, "Label23", -1, 120, 960, 375, 255, "Min", Font::kWindow, kRed, D,
     nullptr, 64},
    {"Frame14", Kind::kLabel, "Label24", -1, 2640, 960, 375, 255, "Max", Font::kWindow, kRed, D,
     nullptr, 63},
    {"Frame14", Kind::kAutoLabel, "Label25", -1, 1680, 600, 60, 240, "", Font::kWindow, D, D,
     nullptr, 62},
    {"Frame14", Kind::kLabel, "Label21", -1, 240, 240, 735, 255, "Mode:", Font::kWindow, kHighlight,
     D, "Reversion Mode", 52},

    {"Frame13", Kind::kOption, "Option6", 0, 1800, 240, 1095, 255, "Disable", Font::kUpright, kBlue,
     kInactiveBorder, nullptr, 13},
    {"Frame13", Kind::kOption, "Option6", 1, 240, 240, 975, 255, "Enable", Font::kUpright, kBlue,
     kInactiveBorder, nullptr, 12},

    {"Frame9", Kind::kScroll, "HScroll1", -1, 720, 720, 1935, 255, nullptr, Font::kWindow, D, D,
     nullptr, 16},
    {"Frame9", Kind::kAutoLabel, "Label17", -1, 1800, 360, 60, 240, "", Font::kWindow, D, D,
     nullptr, 45},
    {"Frame9", Kind::kLabel, "Label15", -1, 2760, 720, 495, 255, "Max", Font::kWindow, kRed, D,
     nullptr, 44},
    {"Frame9", Kind::kLabel, "Label14", -1, 240, 720, 375, 255, "Min", Font::kWindow, kRed, D,
     nullptr, 43},
    {"Frame9", Kind::kLabel, "Label6", -1, 240, 360, 1335, 255, "Speed Scale:", Font::kWindow,
     kHighlight, D, nullptr, 42},

    {"Frame8", Kind::kPlainFrame, "Frame11", -1, 120, 240, 3255, 1575, nullptr, Font::kWindow, D, D,
     nullptr, 48},

    {"Frame11", Kind::kFrame, "Frame10", -1, 240, 840, 2895, 615, "", Font::kWindow, D, D, nullptr,
     54},
    {"Frame11", Kind::kOption, "Option5", 0, 240, 600, 2055, 255, "BLDC (brushless)", Font::kWindow,
     kBlue, kInactiveBorder, nullptr, 3},
    {"Frame11", Kind::kOption, "Option5", 1, 240, 240, 1695, 255, "DC (brushed)", Font::kWindow,
     kBlue, kInactiveBorder, nullptr, 2},

    {"Frame10", Kind::kOption, "Option4", 1, 1080, 240, 855, 250, "120\u00b0", Font::kUpright,
     kBlue, kInactiveBorder, nullptr, 56},
    {"Frame10", Kind::kOption, "Option4", 0, 1920, 240, 855, 255, "60\u00b0", Font::kUpright, kBlue,
     kInactiveBorder, nullptr, 55},
    {"Frame10", Kind::kLabel, "Label7", -1, 120, 240, 855, 255, "Phase ..", Font::kWindow,
     kHighlight, D, "Phase Angle:", 57},

    {"Frame4", Kind::kFrame, "Frame7", -1, 120, 840, 3375, 615, "", Font::kWindow, D, D, nullptr,
     34},
    {"Frame4", Kind::kFrame, "Frame5", -1, 120, 240, 3375, 615, "", Font::kWindow, D, D, nullptr,
     32},

    {"Frame7", Kind::kOption, "Option3", 0, 2160, 240, 975, 255, "REV", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 8},
    {"Frame7", Kind::kOption, "Option3", 1, 1080, 240, 975, 255, "FWD", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 7},
    {"Frame7", Kind::kLabel, "Label5", -1, 120, 240, 975, 255, "Direction:", Font::kWindow,
     kHighlight, D, nullptr, 35},

    {"Frame5", Kind::kOption, "Option2", 2, 2520, 240, 735, 255, "High", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 6},
    {"Frame5", Kind::kOption, "Option2", 1, 1680, 240, 735, 255, "Mid", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 5},
    {"Frame5", Kind::kOption, "Option2", 0, 840, 240, 735, 255, "Low", Font::kUpright, kDarkBlue,
     kInactiveBorder, nullptr, 4},
    {"Frame5", Kind::kLabel, "Label4", -1, 120, 240, 615, 255, "Level:", Font::kWindow, kHighlight,
     D, nullptr, 33},

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
    {"Frame2", Kind::kLabel, "Label8", -1, 480, 1080, 735, 375, "Peak:", Font::kWindow, kHighlight,
     D, nullptr, 37},
    {"Frame2", Kind::kLabel, "Label2", -1, 240, 480, 1335, 255, "Continuous:", Font::kWindow,
     kHighlight, D, nullptr, 29},

    {"Frame6", Kind::kButton, "Command6", -1, 240, 1680, 1455, 375, "Factory Setting",
     Font::kBoldItalicSmall, D, Rgb(255, 224, 192), "Factory_Setting", 21},
    {"Frame6", Kind::kButton, "Command5", -1, 240, 1080, 1455, 375, "GetConfig", Font::kBoldItalic,
     D, Rgb(255, 255, 192), nullptr, 20},
    {"Frame6", Kind::kButton, "Command4", -1, 240, 2280, 1455, 375, "Disconnect", Font::kBoldItalic,
     D, Rgb(192, 192, 192), nullptr, 22},
    {"Frame6", Kind::kButton, "Command3", -1, 240, 480, 1455, 375, "Connect", Font::kBoldItalic, D,
     Rgb(255, 192, 192), nullptr, 19},
};

int Px(int twips) {
    return qRound(twips / 15.0);
}

QFont MakeFont(Font f) {
    // Arial where it is installed; fontconfig maps the name to a metrically equal face
    // (Liberation Sans) elsewhere.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    double size = 10.5;
    int weight = QFont::Normal;
    bool italic = false;
    switch (f) {
        case Font::kWindow:
            italic = true;
            break;
        case Font::kHeading:
            size = 12;
            weight = QFont::Bold;
            break;
        case Font::kBold:
            weight = QFont::Bold;
            break;
        case Font::kBoldSmall:
            size = 9;
            weight = QFont::Bold;
            break;
        case Font::kBoldItalic:
            weight = QFont::Bold;
            italic = true;
            break;
        case Font::kBoldItalicSmall:
            size = 9;
            weight = QFont::Bold;
            italic = true;
            break;
        case Font::kUpright:
            break;
    }
    font.setPointSizeF(size);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    return font;
}

void SetColour(QWidget* w, QPalette::ColorRole role, std::uint32_t colour) {
    QPalette p = w->palette();
    p.setColor(role, VbColour::Resolve(colour));
    w->setPalette(p);
}

void SetOpaque(QWidget* w, std::uint32_t back) {
    w->setAutoFillBackground(true);
    SetColour(w, QPalette::Window, back);
}

std::uint32_t Or(std::uint32_t colour, std::uint32_t fallback) {
    return colour == kDefault ? fallback : colour;
}

QWidget* Create(const ControlRow& row, QWidget* parent) {
    QWidget* w = nullptr;
    switch (row.kind) {
        case Kind::kFrame: {
            auto* frame = new QGroupBox(QString::fromUtf8(row.text), parent);
            SetOpaque(frame, kButtonFace);
            SetColour(frame, QPalette::WindowText, Or(row.fore, kButtonText));
            frame->setFocusPolicy(Qt::NoFocus);
            w = frame;
            break;
        }
        case Kind::kPlainFrame:
            // Draws nothing of its own: its parent's surface shows through.
            w = new QWidget(parent);
            break;
        case Kind::kLabel:
        case Kind::kAutoLabel: {
            auto* label = new QLabel(QString::fromUtf8(row.text), parent);
            SetOpaque(label, Or(row.back, kButtonFace));
            SetColour(label, QPalette::WindowText, Or(row.fore, kButtonText));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = label;
            break;
        }
        case Kind::kImage: {
            auto* image = new QLabel(parent);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = image;
            break;
        }
        case Kind::kOption: {
            auto* option = new QRadioButton(QString::fromUtf8(row.text), parent);
            SetOpaque(option, Or(row.back, kInactiveBorder));
            SetColour(option, QPalette::WindowText, Or(row.fore, kButtonText));
            SetColour(option, QPalette::ButtonText, Or(row.fore, kButtonText));
            option->setProperty("index", row.index);
            w = option;
            break;
        }
        case Kind::kText: {
            auto* text = new QLineEdit(parent);
            SetColour(text, QPalette::Base, kWindow);
            SetColour(text, QPalette::Text, kWindowText);
            w = text;
            break;
        }
        case Kind::kButton: {
            auto* button = new QPushButton(QString::fromUtf8(row.text), parent);
            // The face is painted in the button's own colour, not the theme's.
            SetColour(button, QPalette::Button, row.back);
            SetColour(button, QPalette::ButtonText, kButtonText);
            button->setAutoDefault(false);
            w = button;
            break;
        }
        case Kind::kScroll: {
            auto* scroll = new QScrollBar(Qt::Horizontal, parent);
            // The change is raised when the thumb is released, not while it is dragged.
            scroll->setTracking(false);
            scroll->setSingleStep(1);
            scroll->setPageStep(1);
            w = scroll;
            break;
        }
    }
    w->setObjectName(QString::fromLatin1(row.name));
    w->setFont(MakeFont(row.font));
    w->setGeometry(Px(row.left), Px(row.top), Px(row.width), Px(row.height));
    if (row.toolTip != nullptr) w->setToolTip(QString::fromUtf8(row.toolTip));
    w->setProperty("tabIndex", row.tab);
    if (row.kind == Kind::kLabel || row.kind == Kind::kAutoLabel || row.kind == Kind::kImage ||
        row.kind == Kind::kFrame || row.kind == Kind::kPlainFrame) {
        w->setFocusPolicy(Qt::NoFocus);
    }
    return w;
}

}  // namespace

void Form1::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cruise Controller Programming User Interface Ver_1.0"));
    setFont(MakeFont(Font::kWindow));
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, Rgb(224, 224, 224));
    setFixedSize(Px(10200), Px(8070));
    // Fixed border: caption, icon, system menu and close box; no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    std::map<std::string, QWidget*> controls{{"Form1", this}};
    std::map<std::string, std::array<QRadioButton*, 3>> options;
    // Each container's rows are created bottom-most first, so that the first row of a
    // block is drawn above the rows after it.
    const std::size_t count = std::size(kLayout);
    std::size_t blockStart = 0;
    while (blockStart < count) {
        std::size_t blockEnd = blockStart;
        while (blockEnd < count &&
               std::string(kLayout[blockEnd].container) == kLayout[blockStart].container) {
            ++blockEnd;
        }
        QWidget* parent = controls.at(kLayout[blockStart].container);
        for (std::size_t i = blockEnd; i-- > blockStart;) {
            QWidget* w = Create(kLayout[i], parent);
            if (kLayout[i].index >= 0) {
                options[kLayout[i].name][kLayout[i].index] = static_cast<QRadioButton*>(w);
            } else {
                controls[kLayout[i].name] = w;
            }
        }
        blockStart = blockEnd;
    }

    auto get = [&](const char* name) { return controls.at(name); };
    auto frame = [&](const char* name) { return static_cast<QGroupBox*>(get(name)); };
    auto label = [&](const char* name) { return static_cast<QLabel*>(get(name)); };
    auto button = [&](const char* name) { return static_cast<QPushButton*>(get(name)); };
    auto scroll = [&](const char* name) { return static_cast<QScrollBar*>(get(name)); };
    Frame1 = frame("Frame1"), Frame2 = frame("Frame2"), Frame3 = frame("Frame3");
    Frame4 = frame("Frame4"), Frame5 = frame("Frame5"), Frame6 = frame("Frame6");
    Frame7 = frame("Frame7"), Frame8 = frame("Frame8"), Frame9 = frame("Frame9");
    Frame10 = frame("Frame10"), Frame11 = get("Frame11"), Frame12 = frame("Frame12");
    Frame13 = frame("Frame13"), Frame14 = frame("Frame14"), Frame15 = frame("Frame15");
    Frame16 = frame("Frame16");
    Label1 = label("Label1"), Label2 = label("Label2"), Label3 = label("Label3");
    Label4 = label("Label4"), Label5 = label("Label5"), Label6 = label("Label6");
    Label7 = label("Label7"), Label8 = label("Label8"), Label9 = label("Label9");
    Label10 = label("Label10"), Label11 = label("Label11"), Label12 = label("Label12");
    Label13 = label("Label13"), Label14 = label("Label14"), Label15 = label("Label15");
    Label16 = label("Label16"), Label17 = label("Label17"), Label18 = label("Label18");
    Label21 = label("Label21"), Label22 = label("Label22"), Label23 = label("Label23");
    Label24 = label("Label24"), Label25 = label("Label25");
    Image1 = label("Image1");
    Text1 = static_cast<QLineEdit*>(get("Text1"));
    Text4 = static_cast<QLineEdit*>(get("Text4"));
    HScroll1 = scroll("HScroll1"), HScroll2 = scroll("HScroll2"), HScroll3 = scroll("HScroll3");
    Command1 = button("Command1"), Command2 = button("Command2"), Command3 = button("Command3");
    Command4 = button("Command4"), Command5 = button("Command5"), Command6 = button("Command6");
    Command7 = button("Command7"), Command8 = button("Command8");
    Option1 = options["Option1"];
    Option2 = options["Option2"];
    auto pair = [&](const char* name) {
        return std::array<QRadioButton*, 2>{options[name][0], options[name][1]};
    };
    Option3 = pair("Option3"), Option4 = pair("Option4"), Option5 = pair("Option5");
    Option6 = pair("Option6"), Option7 = pair("Option7");

    HScroll1->setRange(1, 256);
    HScroll1->setValue(1);
    HScroll2->setRange(1, 256);
    HScroll2->setValue(1);
    HScroll3->setRange(0, 220);
    HScroll3->setValue(0);

    Image1->setPixmap(QPixmap(QStringLiteral(":/vt350/banner.bmp")));
    setWindowIcon(QIcon(QStringLiteral(":/vt350/vt350-config.ico")));

    // "Store/Save" answers the Enter key of the window.
    Command1->setDefault(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);

    SetTabOrder();
}

void Form1::SetTabOrder() {
    // The controls that take the focus, in their tab order.
    QWidget* const chain[] = {Text1,      Text4,      Option5[1], Option5[0], Option2[0],
                              Option2[1], Option2[2], Option3[1], Option3[0], Option1[0],
                              Option1[1], Option1[2], Option6[1], Option6[0], Option7[1],
                              Option7[0], HScroll1,   Command7,   Command8,   Command3,
                              Command5,   Command6,   Command4,   Command1,   Command2,
                              Option4[0], Option4[1], HScroll2,   HScroll3};
    for (QWidget* w : chain) w->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t i = 1; i < std::size(chain); ++i) setTabOrder(chain[i - 1], chain[i]);
}
