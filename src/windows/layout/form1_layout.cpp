#include "layout/form1_layout.h"

#include "calc/form1.h"
#include "version/program_version.h"

namespace kelvaro {

namespace {

constexpr WindowLayout kWindow{"Form1", "Kelvaro  [BETA]    v. " KELVARO_RELEASE_VERSION, 8670,
                               3960, ":/background_main.jpg"};

using namespace layout_row;
using enum LayoutFont;

// Creation order is stacking order: lines, shapes and labels first, the
// windowed controls above them. A row gives the place in twips (left, top,
// width, height; a line's two ends), then the start text, the font and the
// place in the tab order; the fields the core holds start with its texts.
// clang-format off
constexpr ControlLayout kControls[] = {
    //                 left   top  wide  high  text                 font tab
    // Lines: the outer frame, the panel dividers and the boxes around the buttons.
    line("Line28",      120,  120, 2520,  120),
    line("Line29",     2520,  120, 8520,  120),
    line("Line30",     8520,  120, 8520, 1320),
    line("Line17",     8520, 1320, 8520, 3480),
    line("Line5",      8520, 1440, 8520, 2040),
    line("Line13",      120, 1440,  120,  120),
    line("Line6",       120, 1440,  120, 2040),
    line("Line15",      120, 3480,  120, 2040),
    line("Line14",      360, 3480,  120, 3480),
    line("Line1",      1680, 3480, 2400, 3480),
    line("Line11",     3360, 3480, 4080, 3480),
    line("Line16",     5040, 3480, 8520, 3480),
    line("Line7",       120, 1440, 8520, 1440),
    line("Line4",       120, 2160, 8520, 2160),
    line("Line8",      2520,  240, 2520, 1320),
    line("Line2",      5280,  240, 5280, 1320),
    line("Line3",      6960,  240, 6960, 1320),
    line("Line9",      1920, 2160, 1920, 3480),
    line("Line10",     3720, 2160, 3720, 3480),
    line("Line12",     5520, 2160, 5520, 3480),
    line("Line19",      360, 3120, 1680, 3120),
    line("Line20",      360, 3720,  360, 3120),
    line("Line21",     1680, 3720, 1680, 3120),
    line("Line18",      360, 3720, 1680, 3720),
    line("Line22",     2400, 3120, 3360, 3120),
    line("Line23",     2400, 3120, 2400, 3480),
    line("Line24",     3360, 3120, 3360, 3480),
    line("Line26",     4080, 3120, 5040, 3120),
    line("Line25",     4080, 3480, 4080, 3120),
    line("Line27",     5040, 3120, 5040, 3480),
    // Shapes: the frames of the three bar rows and the two bar sets.
    frame("Shape4_0",  6240, 2323, 1095,  134),
    frame("Shape4_1",  6240, 2560, 1095,  135),
    frame("Shape4_2",  6240, 2789, 1095,  135),
    bar("Shape1",      6240, 2323,  100,  135),
    bar("Shape2",      6240, 2560,  735,  135),
    bar("Shape3",      6240, 2789,  735,  135),
    bar("Shape6",      6240, 2323,  615,  135),
    bar("Shape7",      6240, 2560,  615,  135),
    bar("Shape8",      6240, 2789,  615,  135),
    // Labels, all transparent.
    label("Label6",     240,  360,  735,  255, "DVD Typ",            F1, 21),
    label("Label1",     240,  960,  375,  255, "Zeit",               F1,  1),
    label("Label7",    2040,  960,  255,  255, "Min",                F1, 14),
    label("Label2",    2760,  360,  495,  255, "Audio1",             F1,  3),
    label("Label15",   2760,  960,  615,  255, "Audio2",             F1, 33),
    label("Label5",    4560,  360,  135,  255, "X",                  F1, 13),
    label("Label18",   4560,  960,  135,  255, "X",                  F1, 40),
    label("Label3",    5400,  360,  495,  255, "Extras",             F1,  5),
    label("Label16",   5400,  960,  615,  255, "Subbs",              F1, 35),
    label("Label4",    6600,  360,  375,  255, "MB",                 F1,  9),
    label("Label20",   6600,  960,  255,  255, "MB",                 F1, 43),
    label("Label17",   7200,  645,  375,  255, "Mux",                F1, 39),
    label("Label19",   8160,  645,  255,  255, "MB",                 F1, 41),
    label("Label8",    7200, 1646, 1215,  375, form1_start::Label8,  F5, 58).inColour({64, 0, 64})
        .withToolTip("Empfohlene Auflösung"),
    label("Label9",     360, 2640,  375,  255, "Min",                F2, 24),
    label("Label12_0", 1440, 2640,  375,  255, "kbps",               F2, 27),
    label("Label10",   2160, 2640,  375,  255, "Avg",                F2, 25),
    label("Label12_1", 3240, 2640,  375,  255, "kbps",               F2, 28),
    label("Label11",   3840, 2640,  375,  255, "Max",                F2, 26),
    label("Label12_2", 5040, 2640,  375,  255, "kbps",               F2, 29),
    label("Label14",   5640, 2280,  495,  255, "Video",              F1, 46),
    label("Label21",   5640, 2520,  615,  255, "Audio1",             F1, 47),
    label("Label28",   5640, 2760,  735,  255, "Audio2",             F1, 48),
    label("Label25",   5640, 3000,  975,  255, "Video + Audo",       F1, 49),
    label("Label13",   7500, 2280,  495,  255, form1_start::Label13, F1, 50),
    label("Label22",   7500, 2520,  495,  255, form1_start::Label22, F1, 51),
    label("Label29",   7500, 2760,  615,  255, form1_start::Label29, F1, 52),
    label("Label26",   7500, 3000,  495,  255, form1_start::Label26, F1, 53),
    label("Label23",   8040, 2280,  375,  255, "MB",                 F1, 54),
    label("Label30",   8040, 2520,  375,  255, "MB",                 F1, 56),
    label("Label24",   8040, 2760,  375,  255, "MB",                 F1, 55),
    label("Label27",   8040, 3000,  375,  255, "MB",                 F1, 57),
    // Windowed controls: text boxes, lists, the slider and the buttons.
    list("Combo1",      960,  240, 1335,  315, form1_start::Combo1,  F1, 19)
        .withToolTip("Größe der zu beschreibenden DVD"),
    textBox("Text1",    960,  840,  975,  315, form1_start::Text1,   F1,  0).centred().limitedTo(3)
        .withToolTip("Gesammtspielzeit der DVD (ohne Menues) in Minuten eingeben"),
    list("Combo2",     3360,  240, 1095,  315, form1_start::Combo2,  F1, 30).withToolTip("Audio1"),
    textBox("Text9",   4800,  240,  330,  315, form1_start::Text9,   F1, 18).rightAligned()
        .withToolTip("Anzahl der Audiospuren"),
    list("Combo3",     3360,  840, 1095,  315, form1_start::Combo3,  F1, 32)
        .withToolTip("Audio2 falls andere bitrate als Audio1"),
    textBox("Text15",  4800,  840,  330,  285, form1_start::Text15,  F1, 36).rightAligned()
        .withToolTip("Anzahl der Audiospuren"),
    textBox("Text3",   6000,  240,  495,  315, form1_start::Text3,   F1,  4).centred()
        .withToolTip("Hier können Extras z.B Menues oder zusätzliche Daten eingetragen werden"),
    textBox("Text14",  6000,  840,  495,  315, form1_start::Text14,  F1, 34).centred()
        .withToolTip("Hier alle vorhandenen Untertitel in MB eintragen"),
    textBox("Text17",  7680,  600,  375,  315, form1_start::Text17,  F1, 38).centred()
        .withToolTip("Muxingrate Standart = 80 MB"),
    slider("HScroll1",  360, 1680, 6615,  255, 15),
    textBox("Text12",   720, 2400,  615,  420, form1_start::Text12,  F3, 22).limitedTo(5),
    textBox("Text8",   2520, 2400,  615,  405, form1_start::Text8,   F3, 12)
        .inColour({255, 0, 0}).limitedTo(5).withToolTip("Mittlere Bitrate"),
    textBox("Text13",  4320, 2400,  615,  450, form1_start::Text13,  F3, 23).limitedTo(5),
    button("Command1",  480, 3240, 1095,  375, "Berechnen",          F1,  8),
    button("Command3", 2520, 3240,  735,  375, "About",              F1, 17),
    button("Command2", 4200, 3240,  735,  375, "Exit",               F1, 16),
    // Fields below the client area, never seen.
    textBox("Text2",   3240, 7560,  735,  315, form1_start::Text2,   F1,  2).hidden(),
    textBox("Text4",   4200, 7560,  975,  375, form1_start::Text4,   F1,  6),
    textBox("Text5",   1560, 6840,  975,  375, form1_start::Text5,   F1,  7),
    textBox("Text6",   4200, 6960,  975,  375, form1_start::Text6,   F1, 10),
    textBox("Text7",   4200, 6480,  975,  375, form1_start::Text7,   F1, 11),
    textBox("Text10",  4200, 6000,  975,  375, form1_start::Text10,  F2, 20),
    textBox("Text11",   600, 6840,  855,  435, form1_start::Text11,  F2, 31),
    textBox("Text16",   600, 7440,  855,  315, form1_start::Text16,  F4, 37),
    textBox("Text18",  1560, 7320,  975,  435, form1_start::Text18,  F2, 42),
    textBox("Text19",  5640, 6000, 1215,  375, form1_start::Text19,  F1, 44),
    textBox("Text20",  5640, 6480, 1215,  375, form1_start::Text20,  F1, 45),

};
// clang-format on

} // namespace

const WindowLayout& form1Window() {
    return kWindow;
}

std::span<const ControlLayout> form1Controls() {
    return kControls;
}

std::vector<const char*> form1WorkingFields() {
    std::vector<const char*> names;
    for (const ControlLayout& row : kControls) {
        if (row.top >= kWindow.clientHeight) {
            names.push_back(row.name);
        }
    }
    return names;
}

} // namespace kelvaro
