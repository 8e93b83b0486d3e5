#pragma once

#include "runtime/combo_box.h"
#include "runtime/label.h"
#include "runtime/number_format.h"
#include "runtime/report_channel.h"
#include "runtime/scroll_bar.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"
#include "runtime/window.h"

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
// the only state of the program. They keep the names of the main window's
// controls, which the replay scripts use; each says what it holds. Sizes are
// in KB (1024 bytes) and MB (1024 KB), rates of audio in KB/s, of video in
// kbit/s. The working fields lie below the window's client area: the user
// never sees them.
class Form1 {
public:
    explicit Form1(NumberFormat numbers);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const NumberFormat numbers;
    ReportChannel reports;
    Window window{"Form1", true};

    // Inputs.
    // Text1: the playing time of the whole disc in minutes, a whole number ("Zeit").
    TextBox Text1{"Text1", form1_start::Text1, 3};
    // HScroll1: the playing time on the slider, 1 to 620 minutes (960 on a dual-layer disc).
    ScrollBar HScroll1{"HScroll1", 1, 620, 360};
    // Text9: how many audio tracks have the rate of Audio1 ("Audio1 X").
    TextBox Text9{"Text9", form1_start::Text9};
    // Text11: the rate of one Audio1 track in KB/s, written by Combo2 (working field).
    TextBox Text11{"Text11", form1_start::Text11};
    // Text15: how many audio tracks have the rate of Audio2 ("Audio2 X").
    TextBox Text15{"Text15", form1_start::Text15};
    // Text16: the rate of one Audio2 track in KB/s, written by Combo3 (working field).
    TextBox Text16{"Text16", form1_start::Text16};
    // Text10: the disc's capacity in KB, written by Combo1 (working field).
    TextBox Text10{"Text10", form1_start::Text10};
    // Text3: the space for extras such as menus, in MB ("Extras").
    TextBox Text3{"Text3", form1_start::Text3};
    // Text14: the size of all subtitles together in MB, counted at half ("Subbs").
    TextBox Text14{"Text14", form1_start::Text14};
    // Text17: the space for the muxing overhead in MB ("Mux").
    TextBox Text17{"Text17", form1_start::Text17};
    // Combo1: the disc, 4,7 GB single layer or 8,5 GB dual layer ("DVD Typ").
    ComboBox Combo1{"Combo1", form1_start::Combo1};
    // Combo2: the bitrate of the first kind of audio track ("Audio1").
    ComboBox Combo2{"Combo2", form1_start::Combo2};
    // Combo3: the bitrate of the second kind of audio track, "None" for none ("Audio2").
    ComboBox Combo3{"Combo3", form1_start::Combo3};

    // Working fields.
    // Text4: the playing time in seconds.
    TextBox Text4{"Text4", form1_start::Text4};
    // Text5: the size of all Audio1 tracks in KB.
    TextBox Text5{"Text5", form1_start::Text5};
    // Text18: the size of all Audio2 tracks in KB.
    TextBox Text18{"Text18", form1_start::Text18};
    // Text7: the space left for the video in KB.
    TextBox Text7{"Text7", form1_start::Text7};

    // Results.
    // Text8: the average video bitrate in kbps, at most 9608, red ("Avg").
    TextBox Text8{"Text8", form1_start::Text8, 5};
    // Text12: the minimum video bitrate in kbps for variable-rate encoding ("Min").
    TextBox Text12{"Text12", form1_start::Text12, 5};
    // Text13: the maximum video bitrate in kbps for variable-rate encoding ("Max").
    TextBox Text13{"Text13", form1_start::Text13, 5};
    // Label8: the recommended picture resolution, such as "720x576".
    Label Label8{"Label8", form1_start::Label8};
    // Label13: the size of the video in MB ("Video").
    Label Label13{"Label13", form1_start::Label13};
    // Label22: the size of all Audio1 tracks in MB ("Audio1").
    Label Label22{"Label22", form1_start::Label22};
    // Label29: the size of all Audio2 tracks in MB ("Audio2").
    Label Label29{"Label29", form1_start::Label29};
    // Label26: the size of video and audio together in MB ("Video + Audo").
    Label Label26{"Label26", form1_start::Label26};
    // Shape1 to Shape3: the bars of the video, Audio1 and Audio2 on a single-layer disc,
    // their widths in twips at 4 MB a twip.
    Shape Shape1{"Shape1", 100.0f};
    Shape Shape2{"Shape2", 735.0f};
    Shape Shape3{"Shape3", 735.0f};
    // Shape6 to Shape8: the same bars on a dual-layer disc, at 7,4 MB a twip; one set shows.
    Shape Shape6{"Shape6", 615.0f};
    Shape Shape7{"Shape7", 615.0f};
    Shape Shape8{"Shape8", 615.0f};

    // Fields that nothing reads, kept as the window has them.
    TextBox Text2{"Text2", form1_start::Text2};
    TextBox Text6{"Text6", form1_start::Text6};
    TextBox Text19{"Text19", form1_start::Text19};
    TextBox Text20{"Text20", form1_start::Text20};

    // Lookup by control name; nullptr when there is no such control.
    TextBox* textBox(std::string_view name);
    ComboBox* comboBox(std::string_view name);
    Label* label(std::string_view name);
    Shape* shape(std::string_view name);
};

} // namespace kelvaro
