// Where the message about bad input stands: at the first marked field or
// above the results, inside the window, its text whole, and letting clicks
// through to what lies below it.
#include "gui_fixture.h"
#include "mark_presenter.h"

#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

class MessageFixture : public GuiFixture {
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

using MessagePlaceTest = MessageFixture;

// A run that fails as a whole is told just above the three results, clear of
// the buttons below them: 1E308 tracks overflow the audio size.
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
    for (const char* button : {"Command1", "Command2", "Command3"}) {
        EXPECT_FALSE(message.intersects(placeOf(control(button)))) << button;
    }
    // The next good run takes the message away.
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

// With several fields marked, the message belongs to the first in the order
// they are checked (Text1 before Text9 before Text14): it says what that
// field needs and stands at it, just below it (there is room below).
TEST_F(MessagePlaceTest, MessageStandsAtTheFirstMarkedFieldWithItsText) {
    replaceText(field("Text1"), "x");
    replaceText(field("Text9"), "zwei");
    replaceText(field("Text14"), "-");
    click(control<QPushButton>("Command1"));
    for (const char* name : {"Text1", "Text9", "Text14"}) {
        EXPECT_TRUE(program_.form.reports.isMarked(name)) << name;
    }
    const std::vector<const QLabel*> shown = messageLabels();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front()->text().toStdString(),
              "Bitte eine ganze Zahl von 1 bis 620 Minuten eingeben");
    expectTextFits(shown.front());
    const QRect message = placeOf(shown.front());
    const QRect first = placeOf(field("Text1"));
    EXPECT_EQ(message.left(), first.left());
    EXPECT_EQ(message.top(), first.bottom() + 3) << "below the field, where there is room";
}

// Where a message stands, worked out for a 200 x 40 message in the window's
// 578 x 264 client area: the anchor is a field (or the results, preferring
// above), and two pixels stay clear of the edges.
struct PlaceCase {
    const char* name;
    QRect anchor;
    QSize size;
    bool preferAbove;
    QPoint expected;
};

const PlaceCase kPlaceCases[] = {
    {"below_where_above_has_no_room", {10, 30, 100, 20}, {200, 40}, true, {10, 52}},
    // 222 + 40 ends at 262, two pixels above the bottom edge.
    {"below_to_the_last_pixel", {10, 200, 100, 20}, {200, 40}, false, {10, 222}},
    {"above_where_below_has_no_room", {10, 201, 100, 20}, {200, 40}, false, {10, 159}},
    {"above_to_the_last_pixel", {10, 44, 100, 20}, {200, 40}, true, {10, 2}},
    {"right_edge_kept_clear", {500, 10, 60, 20}, {200, 40}, false, {376, 32}},
    {"left_edge_kept_clear", {0, 10, 60, 20}, {200, 40}, false, {2, 32}},
    {"below_where_nothing_fits", {10, 100, 100, 20}, {200, 250}, true, {10, 122}},
};

TEST(MessagePlace, StandsAtItsAnchorClearOfTheEdges) {
    for (const PlaceCase& c : kPlaceCases) {
        EXPECT_EQ(MarkPresenter::messagePlace(c.anchor, c.size, QSize(578, 264), c.preferAbove),
                  QRect(c.expected, c.size))
            << c.name;
    }
}

// The message lies over what is below its field and lets the mouse through:
// with Text9 marked, a click where it covers Text15 goes into Text15.
TEST_F(MessagePlaceTest, ClicksGoThroughTheMessage) {
    replaceText(field("Text9"), "zwei");
    click(control<QPushButton>("Command1"));
    ASSERT_EQ(messageLabels().size(), 1u);
    const QRect covered = placeOf(messageLabels().front()).intersected(placeOf(field("Text15")));
    ASSERT_FALSE(covered.isEmpty());
    QTest::mouseClick(form1()->windowHandle(), Qt::LeftButton, {}, covered.center());
    settle();
    EXPECT_EQ(QApplication::focusWidget(), field("Text15"));
}

} // namespace
} // namespace kelvaro
