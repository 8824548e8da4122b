// Builds the window's controls from the layout table: positions and sizes in twips
// (15 twips are a pixel at 96 dpi), relative to each control's container.
#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QScreen>

#include <map>
#include <string>

#include "ui/classic_colour.h"
#include "ui/classic_style.h"
#include "ui/form1.h"
#include "ui/form1_layout_table.h"
#include "ui/option_group.h"

namespace {

using namespace ClassicColour;
using namespace form1_layout;

int Px(int twips) {
    return qRound(twips / 15.0);
}

QFont MakeFont(Font f) {
    // Arial where it is installed; fontconfig maps the name to a metrically equal face
    // (Liberation Sans) elsewhere.
    QFont font(QStringLiteral("Arial"));
    // Its metric twin where Arial is missing and nothing maps the name (a bare wine).
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
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
    const bool isText =
        role == QPalette::WindowText || role == QPalette::ButtonText || role == QPalette::Text;
    if (isText) {
        ClassicColour::SetForeground(p, role, colour);
    } else {
        p.setColor(role, ClassicColour::Resolve(colour));
    }
    w->setPalette(p);
}

void SetOpaque(QWidget* w, std::uint32_t back) {
    w->setAutoFillBackground(true);
    SetColour(w, QPalette::Window, back);
}

std::uint32_t Or(std::uint32_t colour, std::uint32_t fallback) {
    return colour == kDefault ? fallback : colour;
}

// A row's caption in the window's language.
QString Caption(const char* text, const char* meaning = nullptr) {
    return text == nullptr ? QString() : QCoreApplication::translate("Form1", text, meaning);
}

QWidget* NewButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(Caption(row.text, row.meaning), parent);
    // The face is painted in the button's own colour, not the theme's.
    SetColour(button, QPalette::Button, row.back);
    SetColour(button, QPalette::ButtonText, kButtonText);
    button->setAutoDefault(false);
    return button;
}

QWidget* NewScroll(QWidget* parent) {
    auto* scroll = new QScrollBar(Qt::Horizontal, parent);
    // The change is raised when the thumb is released, not while it is dragged.
    scroll->setTracking(false);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    // Min and Max are captions at fixed places to the left and right; a right-to-left
    // session (-reverse, an RTL language) must not run the bar against them.
    scroll->setLayoutDirection(Qt::LeftToRight);
    return scroll;
}

// The control of a row's kind, with the colours and behaviour that kind has.
QWidget* NewControl(const ControlRow& row, QWidget* parent) {
    QWidget* w = nullptr;
    switch (row.kind) {
        case Kind::kFrame: {
            auto* frame = new QGroupBox(Caption(row.text, row.meaning), parent);
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
            auto* label = new QLabel(Caption(row.text, row.meaning), parent);
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
            auto* option = new QRadioButton(Caption(row.text, row.meaning), parent);
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
        case Kind::kButton:
            w = NewButton(row, parent);
            break;
        case Kind::kScroll:
            w = NewScroll(parent);
            break;
    }
    return w;
}

QWidget* Create(const ControlRow& row, QWidget* parent) {
    QWidget* w = NewControl(row, parent);
    w->setStyle(ClassicStyle::Instance());
    w->setObjectName(QString::fromLatin1(row.name));
    w->setFont(MakeFont(row.font));
    w->setGeometry(Px(row.left), Px(row.top), Px(row.width), Px(row.height));
    QString tip = Caption(row.toolTip);
    // A caption shortened to fit (in some languages) is said in full by the tool tip and to
    // assistive technology.
    // (A caption with a meaning of its own is not shortened: its translation is whole.)
    if (row.text != nullptr && row.meaning == nullptr && HasFullWording(row.text)) {
        QString full = QCoreApplication::translate("Form1", row.text, "full wording");
        if (full != Caption(row.text) && full != QString::fromUtf8(row.text)) {
            // A label's full wording is a name, not a caption before its control.
            if (full.endsWith(':')) full = full.chopped(1).trimmed();
            // A tip that says the same as the full wording is said once.
            const bool same = tip.isEmpty() || tip == full ||
                              (tip.endsWith(':') && tip.chopped(1).trimmed() == full);
            tip = same ? full : full + '\n' + tip;
            w->setAccessibleName(full);
        }
    }
    if (!tip.isEmpty()) w->setToolTip(tip);
    w->setProperty("tabIndex", row.tab);
    if (row.kind == Kind::kLabel || row.kind == Kind::kAutoLabel || row.kind == Kind::kImage ||
        row.kind == Kind::kFrame || row.kind == Kind::kPlainFrame) {
        w->setFocusPolicy(Qt::NoFocus);
    }
    return w;
}

// The banner at its own size of 658 x 90; on a screen with a scale factor above 1 its
// twice-as-large drawing, so that it stays sharp.
QPixmap Banner() {
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio > 1.0) {
        QPixmap sharp(QStringLiteral(":/vt350/banner@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/vt350/banner.bmp"));
}

}  // namespace

void Form1::BuildControls() {
    SetUpWindow();
    CreateControls();
}

void Form1::SetUpWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QCoreApplication::translate(
        "Form1", "Cruise Controller Programming User Interface Ver_1.0"));
    setFont(MakeFont(Font::kWindow));
    // The same classic light colours under every desktop theme; the controls inherit them.
    setPalette(ClassicColour::ClassicPalette());
    setStyle(ClassicStyle::Instance());
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, Rgb(224, 224, 224));
    setFixedSize(Px(10200), Px(8070));
    // Fixed border: caption, icon, system menu and close box; no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
}

void Form1::CreateControls() {
    std::map<std::string, QWidget*> controls{{"Form1", this}};
    std::map<std::string, std::array<QRadioButton*, 3>> options;
    // Each container's rows are created bottom-most first, so that the first row of a
    // block is drawn above the rows after it.
    const auto rows = Rows();
    const std::size_t count = rows.size();
    std::size_t blockStart = 0;
    while (blockStart < count) {
        std::size_t blockEnd = blockStart;
        while (blockEnd < count &&
               std::string(rows[blockEnd].container) == rows[blockStart].container) {
            ++blockEnd;
        }
        QWidget* parent = controls.at(rows[blockStart].container);
        for (std::size_t i = blockEnd; i-- > blockStart;) {
            QWidget* w = Create(rows[i], parent);
            if (rows[i].index >= 0) {
                options[rows[i].name][rows[i].index] = static_cast<QRadioButton*>(w);
            } else {
                controls[rows[i].name] = w;
            }
        }
        blockStart = blockEnd;
    }

    FindControls(controls, options);
    BindEditors();
    SetEditorRanges();

    Image1->setPixmap(Banner());
    // The window icon in the sizes a desktop asks for; the 167-pixel picture among them.
    QIcon icon(QStringLiteral(":/vt350/vt350-config.ico"));
    for (int size : {16, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/vt350/icons/vt350-config-%1.png").arg(size));
    }
    setWindowIcon(icon);

    // "Store/Save" answers the Enter key of the window (see keyPressEvent); the style
    // draws it as the default button.
    Command1->setProperty(ClassicStyle::kDefaultProperty, true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);

    SetTabOrder();
    DescribeControls();
}

void Form1::FindControls(const std::map<std::string, QWidget*>& controls,
                         std::map<std::string, std::array<QRadioButton*, 3>>& options) {
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
    // Each option array is one group for Tab and the arrows, elements in tab order.
    for (std::vector<QRadioButton*> group :
         {std::vector{Option5[1], Option5[0]}, std::vector{Option2[0], Option2[1], Option2[2]},
          std::vector{Option3[1], Option3[0]}, std::vector{Option1[0], Option1[1], Option1[2]},
          std::vector{Option6[1], Option6[0]}, std::vector{Option7[1], Option7[0]},
          std::vector{Option4[0], Option4[1]}}) {
        new OptionGroup(std::move(group), this);
    }
}
