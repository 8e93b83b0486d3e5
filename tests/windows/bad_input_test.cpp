// Bad input is shown where the user looks: the field gets a visibly different
// background and a message appears in the window; fixing the field clears
// both, and the results on screen stay meanwhile.
#include "gui_fixture.h"

#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include <map>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

class BadInputTest : public GuiFixture {
protected:
    // The colour most of a row just inside the field's frame has: its
    // background, whatever the text.
    QRgb backgroundOf(QLineEdit* edit) {
        const QImage image = edit->grab().toImage();
        std::map<QRgb, int> counts;
        const int y = 3;
        for (int x = 3; x < image.width() - 3; ++x) {
            ++counts[image.pixel(x, y)];
        }
        QRgb most = 0;
        int seen = 0;
        for (const auto& [colour, n] : counts) {
            if (n > seen) {
                most = colour;
                seen = n;
            }
        }
        return most;
    }

    // Texts shown in the window other than the layout's own labels.
    std::vector<std::string> messages() {
        static const QRegularExpression layoutLabel("^Label\\d+(_\\d)?$");
        const QRect client = form1()->rect();
        std::vector<std::string> shown;
        for (const QLabel* label : form1()->findChildren<QLabel*>()) {
            if (layoutLabel.match(label->objectName()).hasMatch() || !label->isVisible() ||
                label->text().isEmpty()) {
                continue;
            }
            const QRect place(label->mapTo(form1(), QPoint(0, 0)), label->size());
            EXPECT_TRUE(client.contains(place)) << "message outside the client area";
            shown.push_back(label->text().toStdString());
        }
        return shown;
    }

    void calculate() { click(control<QPushButton>("Command1")); }
};

TEST_F(BadInputTest, LettersInTheTrackCountAreMarkedUntilFixed) {
    QLineEdit* tracks = field("Text9");
    const QRgb normal = backgroundOf(tracks);
    ASSERT_TRUE(messages().empty());

    replaceText(tracks, "zwei");
    calculate();
    EXPECT_TRUE(program_.form.reports.isMarked("Text9"));
    EXPECT_NE(backgroundOf(tracks), normal) << "the bad field looks different";
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(text("Text8"), "4888") << "the previous results stay";
    EXPECT_EQ(caption("Label26"), "4408,59375");
    EXPECT_EQ(text("Text9"), "zwei") << "nothing typed is lost";

    replaceText(tracks, "2");
    EXPECT_EQ(backgroundOf(tracks), normal);
    EXPECT_TRUE(messages().empty());
    calculate();
    // Two 128 kbit/s tracks for 120 minutes: 225 MB of audio.
    EXPECT_EQ(caption("Label22"), "225");
}

TEST_F(BadInputTest, APlayingTimeThatIsNoNumberIsMarkedAndTheSliderStays) {
    QLineEdit* minutes = field("Text1");
    const QRgb normal = backgroundOf(minutes);
    replaceText(minutes, "x");
    EXPECT_EQ(text("Text1"), "x");
    EXPECT_EQ(slider()->value(), 120);
    EXPECT_EQ(text("Text8"), "4888");
    EXPECT_NE(backgroundOf(minutes), normal);
    EXPECT_EQ(messages().size(), 1u);

    replaceText(minutes, "90");
    EXPECT_EQ(slider()->value(), 90);
    EXPECT_EQ(text("Text8"), "6560");
    EXPECT_EQ(backgroundOf(minutes), normal);
    EXPECT_TRUE(messages().empty());
}

// A decimal point in a German setting is no number; the example in the
// message uses the comma.
TEST_F(BadInputTest, MessageShowsTheLocalesDecimalSeparator) {
    replaceText(field("Text3"), "1.5");
    calculate();
    const std::vector<std::string> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    static const QRegularExpression commaExample("\\d,\\d");
    EXPECT_TRUE(commaExample.match(QString::fromStdString(shown.front())).hasMatch())
        << shown.front();
}

} // namespace
} // namespace kelvaro
