#pragma once

#include "calc/audio_track.h"
#include "calc/disc_type.h"
#include "runtime/combo_box.h"
#include "runtime/label.h"
#include "runtime/number_format.h"
#include "runtime/report_channel.h"
#include "runtime/scroll_bar.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"
#include "runtime/window.h"

#include <array>
#include <string_view>

namespace kelvaro {

// The start texts of the fields, which the main window's layout shows too.
namespace form1_start {
inline constexpr const char* Text1 = "120";
inline constexpr const char* Text2 = "448";
inline constexpr const char* Text3 = "0";
inline constexpr const char* Text4 = "Text4";
inline constexpr const char* Text5 = "Text5";
inline constexpr const char* Text6 = "Text6";
inline constexpr const char* Text7 = "Text7";
inline constexpr const char* Text8 = "";
inline constexpr const char* Text9 = "1";
inline constexpr const char* Text10 = "4596736";
inline constexpr const char* Text11 = "16";
inline constexpr const char* Text12 = "";
inline constexpr const char* Text13 = "";
inline constexpr const char* Text14 = "0";
inline constexpr const char* Text15 = "1";
inline constexpr const char* Text16 = "0";
inline constexpr const char* Text17 = "80";
inline constexpr const char* Text18 = "Text18";
inline constexpr const char* Text19 = "Text19";
inline constexpr const char* Text20 = "Text20";
inline constexpr const char* Combo1 = "4,7 GB   DVD";
inline constexpr const char* Combo2 = "128 kbps";
inline constexpr const char* Combo3 = "None";
inline constexpr const char* Label8 = "00000";
inline constexpr const char* Label13 = "1111";
inline constexpr const char* Label22 = "2111";
inline constexpr const char* Label29 = "3111";
inline constexpr const char* Label26 = "4111";
} // namespace form1_start

// The calculator fields: every control of the main window that holds an
// input, a working value or a result, with its start text. The controls are
// the only state of the program. Each is named for what it holds and keeps
// the name of its control in the main window, which the layout, the replay
// scripts and the dump know it by. Sizes are in KB (1024 bytes) and MB (1024
// KB), rates of audio in KB/s, of video in kbit/s. The working fields lie
// below the window's client area: the user never sees them.
class Form1 {
public:
    explicit Form1(NumberFormat numbers);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const NumberFormat numbers;
    ReportChannel reports;
    Window window{"Form1", true};

    // Inputs.
    // The playing time of the whole disc in minutes, a whole number ("Zeit").
    TextBox minutes{"Text1", form1_start::Text1, 3};
    // The playing time on the slider, 1 to 620 minutes (960 on a dual-layer disc).
    ScrollBar minutesSlider{"HScroll1", 1, 620, 360};
    // The disc, 4,7 GB single layer or 8,5 GB dual layer ("DVD Typ").
    ComboBox discType{"Combo1", form1_start::Combo1};
    // The disc's capacity in KB, written by the disc list (working field).
    TextBox capacityKb{"Text10", form1_start::Text10};
    // The first kind of audio track ("Audio1").
    AudioTrack audio1{.bitrate{"Combo2", form1_start::Combo2},
                      .count{"Text9", form1_start::Text9},
                      .kbPerSecond{"Text11", form1_start::Text11},
                      .sizeKb{"Text5", form1_start::Text5},
                      .sizeMb{"Label22", form1_start::Label22},
                      .bars{Shape{"Shape2", 735.0f}, Shape{"Shape7", 615.0f}}};
    // The second kind of audio track, "None" for none ("Audio2").
    AudioTrack audio2{.bitrate{"Combo3", form1_start::Combo3},
                      .count{"Text15", form1_start::Text15},
                      .kbPerSecond{"Text16", form1_start::Text16},
                      .sizeKb{"Text18", form1_start::Text18},
                      .sizeMb{"Label29", form1_start::Label29},
                      .bars{Shape{"Shape3", 735.0f}, Shape{"Shape8", 615.0f}}};
    // The space for extras such as menus, in MB ("Extras").
    TextBox extrasMb{"Text3", form1_start::Text3};
    // The size of all subtitles together in MB, counted at half ("Subbs").
    TextBox subtitlesMb{"Text14", form1_start::Text14};
    // The space for the muxing overhead in MB ("Mux").
    TextBox overheadMb{"Text17", form1_start::Text17};

    // Working fields.
    // The playing time in seconds.
    TextBox seconds{"Text4", form1_start::Text4};
    // The space left for the video in KB.
    TextBox videoKb{"Text7", form1_start::Text7};

    // Results.
    // The average video bitrate in kbps, at most 9608, red ("Avg").
    TextBox averageKbps{"Text8", form1_start::Text8, 5};
    // The minimum video bitrate in kbps for variable-rate encoding ("Min").
    TextBox minimumKbps{"Text12", form1_start::Text12, 5};
    // The maximum video bitrate in kbps for variable-rate encoding ("Max").
    TextBox maximumKbps{"Text13", form1_start::Text13, 5};
    // The recommended picture resolution, such as "720x576".
    Label resolution{"Label8", form1_start::Label8};
    // The size of the video in MB ("Video").
    Label videoMb{"Label13", form1_start::Label13};
    // The size of video and audio together in MB ("Video + Audo").
    Label videoAndAudioMb{"Label26", form1_start::Label26};
    // The bars of the video, one for each disc type, their widths in twips.
    std::array<Shape, kDiscTypes.size()> videoBars{Shape{"Shape1", 100.0f},
                                                   Shape{"Shape6", 615.0f}};

    // Fields that nothing reads, kept as the window has them.
    std::array<TextBox, 4> unused{
        TextBox{"Text2", form1_start::Text2}, TextBox{"Text6", form1_start::Text6},
        TextBox{"Text19", form1_start::Text19}, TextBox{"Text20", form1_start::Text20}};

    // Lookup by control name; nullptr when there is no such control.
    TextBox* textBox(std::string_view name);
    ComboBox* comboBox(std::string_view name);
    Label* label(std::string_view name);
    Shape* shape(std::string_view name);

    // The fields the calculation reads as numbers, in the order its
    // refusals name them.
    std::array<TextBox*, 9> numberInputs();
    std::array<const TextBox*, 9> numberInputs() const;
    // The fields the user types into: the playing time, then the others
    // column by column from the left, as the window shows them.
    std::array<const TextBox*, 6> typedFields() const;

    // The bars of one disc type in kDiscTypes: video, Audio1 and Audio2.
    std::array<Shape*, 3> barSet(std::size_t disc);
    std::array<const Shape*, 3> barSet(std::size_t disc) const;
    // Only the bars of that disc type show.
    void showBarSet(std::size_t disc);
};

} // namespace kelvaro
