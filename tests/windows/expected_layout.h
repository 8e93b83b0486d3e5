#pragma once

// The main window's and the About window's layout as the tests expect it,
// typed from the layout tables: places and sizes in twips from the top-left
// corner of the client area (15 twips make one pixel at 96 dots per inch).

namespace kelvaro::expected {

enum class Font { None, F1, F2, F3, F4, F5 };

struct Box {
    const char* name;
    int left;
    int top;
    int width; // kSetByCalculation for the bars
    int height;
    Font font;
};

constexpr int kSetByCalculation = -1;

constexpr Box kForm1Boxes[] = {
    // Visible fields, lists, slider and buttons.
    {"Combo1", 960, 240, 1335, 315, Font::F1},
    {"Text1", 960, 840, 975, 315, Font::F1},
    {"Combo2", 3360, 240, 1095, 315, Font::F1},
    {"Text9", 4800, 240, 330, 315, Font::F1},
    {"Combo3", 3360, 840, 1095, 315, Font::F1},
    {"Text15", 4800, 840, 330, 285, Font::F1},
    {"Text3", 6000, 240, 495, 315, Font::F1},
    {"Text14", 6000, 840, 495, 315, Font::F1},
    {"Text17", 7680, 600, 375, 315, Font::F1},
    {"HScroll1", 360, 1680, 6615, 255, Font::None},
    {"Text12", 720, 2400, 615, 420, Font::F3},
    {"Text8", 2520, 2400, 615, 405, Font::F3},
    {"Text13", 4320, 2400, 615, 450, Font::F3},
    {"Command1", 480, 3240, 1095, 375, Font::F1},
    {"Command3", 2520, 3240, 735, 375, Font::F1},
    {"Command2", 4200, 3240, 735, 375, Font::F1},
    // Labels.
    {"Label6", 240, 360, 735, 255, Font::F1},
    {"Label1", 240, 960, 375, 255, Font::F1},
    {"Label7", 2040, 960, 255, 255, Font::F1},
    {"Label2", 2760, 360, 495, 255, Font::F1},
    {"Label15", 2760, 960, 615, 255, Font::F1},
    {"Label5", 4560, 360, 135, 255, Font::F1},
    {"Label18", 4560, 960, 135, 255, Font::F1},
    {"Label3", 5400, 360, 495, 255, Font::F1},
    {"Label16", 5400, 960, 615, 255, Font::F1},
    {"Label4", 6600, 360, 375, 255, Font::F1},
    {"Label20", 6600, 960, 255, 255, Font::F1},
    {"Label17", 7200, 645, 375, 255, Font::F1},
    {"Label19", 8160, 645, 255, 255, Font::F1},
    {"Label8", 7200, 1646, 1215, 375, Font::F5},
    {"Label9", 360, 2640, 375, 255, Font::F2},
    {"Label12_0", 1440, 2640, 375, 255, Font::F2},
    {"Label10", 2160, 2640, 375, 255, Font::F2},
    {"Label12_1", 3240, 2640, 375, 255, Font::F2},
    {"Label11", 3840, 2640, 375, 255, Font::F2},
    {"Label12_2", 5040, 2640, 375, 255, Font::F2},
    {"Label14", 5640, 2280, 495, 255, Font::F1},
    {"Label21", 5640, 2520, 615, 255, Font::F1},
    {"Label28", 5640, 2760, 735, 255, Font::F1},
    {"Label25", 5640, 3000, 975, 255, Font::F1},
    {"Label13", 7500, 2280, 495, 255, Font::F1},
    {"Label22", 7500, 2520, 495, 255, Font::F1},
    {"Label29", 7500, 2760, 615, 255, Font::F1},
    {"Label26", 7500, 3000, 495, 255, Font::F1},
    {"Label23", 8040, 2280, 375, 255, Font::F1},
    {"Label30", 8040, 2520, 375, 255, Font::F1},
    {"Label24", 8040, 2760, 375, 255, Font::F1},
    {"Label27", 8040, 3000, 375, 255, Font::F1},
    // Bar frames and bars.
    {"Shape4_0", 6240, 2323, 1095, 134, Font::None},
    {"Shape4_1", 6240, 2560, 1095, 135, Font::None},
    {"Shape4_2", 6240, 2789, 1095, 135, Font::None},
    {"Shape1", 6240, 2323, kSetByCalculation, 135, Font::None},
    {"Shape2", 6240, 2560, kSetByCalculation, 135, Font::None},
    {"Shape3", 6240, 2789, kSetByCalculation, 135, Font::None},
    {"Shape6", 6240, 2323, kSetByCalculation, 135, Font::None},
    {"Shape7", 6240, 2560, kSetByCalculation, 135, Font::None},
    {"Shape8", 6240, 2789, kSetByCalculation, 135, Font::None},
    // Hidden fields below the client area.
    {"Text2", 3240, 7560, 735, 315, Font::F1},
    {"Text4", 4200, 7560, 975, 375, Font::F1},
    {"Text5", 1560, 6840, 975, 375, Font::F1},
    {"Text6", 4200, 6960, 975, 375, Font::F1},
    {"Text7", 4200, 6480, 975, 375, Font::F1},
    {"Text10", 4200, 6000, 975, 375, Font::F2},
    {"Text11", 600, 6840, 855, 435, Font::F2},
    {"Text16", 600, 7440, 855, 315, Font::F4},
    {"Text18", 1560, 7320, 975, 435, Font::F2},
    {"Text19", 5640, 6000, 1215, 375, Font::F1},
    {"Text20", 5640, 6480, 1215, 375, Font::F1},
};

constexpr Box kAboutBoxes[] = {
    {"Label1", 6960, 770, 975, 255, Font::None},
    {"Command1", 7200, 1920, 495, 375, Font::None},
    {"Label2", 6720, 1920, 1215, 615, Font::None},
};

struct Segment {
    const char* name;
    int x1;
    int y1;
    int x2;
    int y2;
};

constexpr Segment kForm1Lines[] = {
    {"Line28", 120, 120, 2520, 120},    {"Line29", 2520, 120, 8520, 120},
    {"Line30", 8520, 120, 8520, 1320},  {"Line17", 8520, 1320, 8520, 3480},
    {"Line5", 8520, 1440, 8520, 2040},  {"Line13", 120, 1440, 120, 120},
    {"Line6", 120, 1440, 120, 2040},    {"Line15", 120, 3480, 120, 2040},
    {"Line14", 360, 3480, 120, 3480},   {"Line1", 1680, 3480, 2400, 3480},
    {"Line11", 3360, 3480, 4080, 3480}, {"Line16", 5040, 3480, 8520, 3480},
    {"Line7", 120, 1440, 8520, 1440},   {"Line4", 120, 2160, 8520, 2160},
    {"Line8", 2520, 240, 2520, 1320},   {"Line2", 5280, 240, 5280, 1320},
    {"Line3", 6960, 240, 6960, 1320},   {"Line9", 1920, 2160, 1920, 3480},
    {"Line10", 3720, 2160, 3720, 3480}, {"Line12", 5520, 2160, 5520, 3480},
    {"Line19", 360, 3120, 1680, 3120},  {"Line20", 360, 3720, 360, 3120},
    {"Line21", 1680, 3720, 1680, 3120}, {"Line18", 360, 3720, 1680, 3720},
    {"Line22", 2400, 3120, 3360, 3120}, {"Line23", 2400, 3120, 2400, 3480},
    {"Line24", 3360, 3120, 3360, 3480}, {"Line26", 4080, 3120, 5040, 3120},
    {"Line25", 4080, 3480, 4080, 3120}, {"Line27", 5040, 3120, 5040, 3480},
};

// Client area of both windows: 8670 x 3960 twips.
constexpr int kClientWidthPx = 578;
constexpr int kClientHeightPx = 264;

} // namespace kelvaro::expected
