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

// The calculator fields: every control of the main window that holds an
// input, a working value or a result, with its start text. The controls are
// the only state of the program.
class Form1 {
public:
    explicit Form1(NumberFormat numbers);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const NumberFormat numbers;
    ReportChannel reports;
    Window window{"Form1", true};

    // Inputs.
    TextBox Text1{"Text1", "120", 3};
    ScrollBar HScroll1{"HScroll1", 1, 620, 360};
    TextBox Text9{"Text9", "1"};
    TextBox Text11{"Text11", "16"};
    TextBox Text15{"Text15", "1"};
    TextBox Text16{"Text16", "0"};
    TextBox Text10{"Text10", "4596736"};
    TextBox Text3{"Text3", "0"};
    TextBox Text14{"Text14", "0"};
    TextBox Text17{"Text17", "80"};
    ComboBox Combo1{"Combo1", "4,7 GB   DVD"};
    ComboBox Combo2{"Combo2", "128 kbps"};
    ComboBox Combo3{"Combo3", "None"};

    // Working fields.
    TextBox Text4{"Text4", "Text4"};
    TextBox Text5{"Text5", "Text5"};
    TextBox Text18{"Text18", "Text18"};
    TextBox Text7{"Text7", "Text7"};

    // Results.
    TextBox Text8{"Text8", "", 5};
    TextBox Text12{"Text12", "", 5};
    TextBox Text13{"Text13", "", 5};
    Label Label8{"Label8", "00000"};
    Label Label13{"Label13", "1111"};
    Label Label22{"Label22", "2111"};
    Label Label29{"Label29", "3111"};
    Label Label26{"Label26", "4111"};
    Shape Shape1{"Shape1", 100.0f};
    Shape Shape2{"Shape2", 735.0f};
    Shape Shape3{"Shape3", 735.0f};
    Shape Shape6{"Shape6", 615.0f};
    Shape Shape7{"Shape7", 615.0f};
    Shape Shape8{"Shape8", 615.0f};

    // Fields that nothing reads.
    TextBox Text2{"Text2", "448"};
    TextBox Text6{"Text6", "Text6"};
    TextBox Text19{"Text19", "Text19"};
    TextBox Text20{"Text20", "Text20"};

    // Lookup by control name; nullptr when there is no such control.
    TextBox* textBox(std::string_view name);
    ComboBox* comboBox(std::string_view name);
    Label* label(std::string_view name);
    Shape* shape(std::string_view name);
};

} // namespace kelvaro
