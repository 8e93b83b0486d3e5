// Where the message about bad input stands: at the first marked field or
// above the results, inside the window, its text whole, clear of the other
// inputs and labels, and letting clicks through to what lies below it.
#include "binding/mark_presenter.h"
#include "gui_fixture.h"
#include "layout/form1_layout.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

class MessagePlaceTest : public GuiFixture {
protected:
    // Labels shown in the window other than the layout's own.
    std::vector<const QLabel*> messageLabels() {
        static const QRegularExpression layoutLabel("^Label\\d+(_\\d)?$");
        std::vector<const QLabel*> shown;
        for (const QLabel* label : form1()->findChildren<QLabel*>()) {
            if (layoutLabel.match(label->objectName()).hasMatch() || !label->isVisible() ||
                label->text().isEmpty()) {
                continue;
            }
            EXPECT_TRUE(form1()->rect().contains(placeOf(label)))
                << "message outside the client area";
            shown.push_back(label);
        }
        return shown;
    }

    // Whether the label's text, wrapped at the label's width as the label
    // wraps it, fits its box: no word wider than the box, no line below it.
    static void expectTextFits(const QLabel* label) {
        EXPECT_LE(label->minimumSizeHint().width(), label->width()) << "a line is cut";
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "a line is cut";
    }
};

// A run that fails as a whole is told just above the three results, clear of
// the buttons below them: 1E308 tracks overflow the audio size. The slider
// starts at 120 minutes.
TEST_F(MessagePlaceTest, CalculationFailureStandsAboveTheResults) {
    replaceText(field("Text9"), "1E308");
    click(control<QPushButton>("Command1"));
    const std::vector<const QLabel*> shown = messageLabels();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front()->text().toStdString(),
              "Mit diesen Eingaben lässt sich nicht rechnen: ein Wert liegt außerhalb des "
              "Zahlenbereichs. Bitte die Eingaben prüfen.");
    expectTextFits(shown.front());
    const QRect message = placeOf(shown.front());
    for (const char* result : {"Text12", "Text8", "Text13"}) {
        SCOPED_TRACE(result);
        const QRect box = placeOf(field(result));
        EXPECT_LT(message.bottom(), box.top()) << "the message stands above the results";
        EXPECT_GE(message.bottom(), box.top() - 4) << "and just above them";
    }
    // Where the window has no room, the message lies over the slider's lower
    // edge and lets the mouse through: a click there moves the slider.
    const QRect covered = message.intersected(placeOf(slider()));
    ASSERT_FALSE(covered.isEmpty());
    QTest::mouseClick(form1()->windowHandle(), Qt::LeftButton, {}, covered.center());
    settle();
    EXPECT_NE(slider()->value(), 120);
    // Letters refused before any run are what the message tells of then; the
    // next good run takes the message away.
    replaceText(field("Text9"), "x");
    click(control<QPushButton>("Command1"));
    EXPECT_EQ(messageLabels().at(0)->text().toStdString(), "Bitte eine Zahl eingeben, z. B. 1,5");
    replaceText(field("Text9"), "1");
    click(control<QPushButton>("Command1"));
    EXPECT_TRUE(messageLabels().empty());
    // A field reported again shows its latest report: 0 minutes, refused as
    // typed and then by the run.
    replaceText(field("Text1"), "0");
    click(control<QPushButton>("Command1"));
    ASSERT_EQ(messageLabels().size(), 1u);
    EXPECT_EQ(messageLabels().front()->text().toStdString(), "Die Spielzeit darf nicht 0 sein.");
}

// Every field in sight that a report can mark, with input it refuses. Each
// message leaves every input, list, button, the slider and every label in
// sight, its own field too: it stands in the inputs' panel above the slider,
// below its field and reaching under the field's left edge. The places are
// the real widgets', in the fonts the machine has.
struct MarkedCase {
    const char* field;
    const char* typed;
};

const MarkedCase kMarkedCases[] = {
    {"Text1", "x"}, // the widest message: a whole number of minutes
    {"Text1", "0"}, // refused by the run: no playing time
    {"Text9", "abc"}, {"Text15", "abc"}, {"Text3", "abc"}, {"Text14", "abc"}, {"Text17", "abc"},
};

class MarkedFieldTest : public MessagePlaceTest, public testing::WithParamInterface<MarkedCase> {};

TEST_P(MarkedFieldTest, MessageLeavesEveryInputAndLabelInSight) {
    const MarkedCase& c = GetParam();
    replaceText(field(c.field), c.typed);
    click(control<QPushButton>("Command1"));
    const std::vector<const QLabel*> shown = messageLabels();
    ASSERT_EQ(shown.size(), 1u);
    expectTextFits(shown.front());
    const QRect message = placeOf(shown.front());
    for (const ControlLayout& row : form1Controls()) {
        const QWidget* widget = control(QString::fromLatin1(row.name));
        const bool drawing = row.kind == ControlKind::Line || row.kind == ControlKind::Frame ||
                             row.kind == ControlKind::Bar;
        if (!drawing && widget->isVisible() && form1()->rect().intersects(placeOf(widget))) {
            EXPECT_FALSE(message.intersects(placeOf(widget))) << "covers " << row.name;
        }
    }
    const QRect own = placeOf(field(c.field));
    EXPECT_GT(message.top(), own.bottom()) << "below its field";
    EXPECT_TRUE(message.left() <= own.left() && own.left() <= message.right())
        << "under the field's left edge";
    EXPECT_LT(message.bottom(), placeOf(slider()).top()) << "in the inputs' panel";
}

INSTANTIATE_TEST_SUITE_P(Fields, MarkedFieldTest, ::testing::ValuesIn(kMarkedCases),
                         [](const ::testing::TestParamInfo<MarkedCase>& info) {
                             return std::string(info.param.field) + "_" + info.param.typed;
                         });

// Where a message stands, worked out for a message of a size in the window's
// 578 x 264 client area: the anchor is a field (or the results, preferring
// above), and two pixels stay clear of the edges and of what is kept clear.
struct PlaceCase {
    const char* name;
    QRect anchor;
    QSize size;
    bool preferAbove;
    std::vector<QRect> keptClear;
    QPoint expected;
};

// clang-format off
const PlaceCase kPlaceCases[] = {
    {"below_where_above_has_no_room", {10, 30, 100, 20},  {200, 40}, true,  {}, {10, 52}},
    // 222 + 40 ends at 262, two pixels above the bottom edge.
    {"below_to_the_last_pixel",       {10, 200, 100, 20}, {200, 40}, false, {}, {10, 222}},
    {"above_where_below_has_no_room", {10, 201, 100, 20}, {200, 40}, false, {}, {10, 159}},
    {"above_to_the_last_pixel",       {10, 44, 100, 20},  {200, 40}, true,  {}, {10, 2}},
    {"right_edge_kept_clear",         {500, 10, 60, 20},  {200, 40}, false, {}, {376, 32}},
    {"left_edge_kept_clear",          {0, 10, 60, 20},    {200, 40}, false, {}, {2, 32}},
    // A label beside the field reaches down to 69: below it, 72 is the first row.
    {"below_a_taller_neighbour",      {10, 30, 100, 20},  {200, 40}, false, {{150, 30, 60, 40}}, {10, 72}},
    // Below is taken across the area down to 181: above, 2 pixels off, not 62.
    {"above_where_below_is_taken",    {10, 100, 100, 20}, {200, 40}, false, {{0, 122, 578, 60}}, {10, 58}},
    // Too tall for below or above: beside, as low as the area lets it.
    {"beside_where_neither_fits",     {10, 100, 100, 20}, {200, 250}, false, {}, {112, 12}},
    {"below_where_nothing_fits",      {10, 100, 500, 20}, {200, 250}, true,  {}, {10, 122}},
    // Right of 300 all is taken: left of it, two pixels off.
    {"left_of_what_is_taken",         {400, 100, 100, 20}, {200, 40}, false, {{300, 0, 278, 264}}, {98, 122}},
    // A neighbour from 70 down to 189 beside the field: above it, at 28, is nearer than below.
    {"above_a_neighbour_reaching_past", {10, 100, 100, 20}, {200, 40}, false, {{150, 70, 60, 120}}, {10, 28}},
    // Nothing clear anywhere: below, where it fits, though above would fit too; 2 off the right edge.
    {"below_where_all_is_taken",      {500, 100, 60, 20}, {200, 40},  false, {{0, 0, 578, 264}}, {376, 122}},
};
// clang-format on

TEST(MessagePlace, StandsNearestItsAnchorClearOfTheEdgesAndTheKeptClear) {
    for (const PlaceCase& c : kPlaceCases) {
        EXPECT_EQ(MarkPresenter::messagePlace(c.anchor, c.size, QSize(578, 264), c.keptClear,
                                              c.preferAbove),
                  QRect(c.expected, c.size))
            << c.name;
    }
}

} // namespace
} // namespace kelvaro
