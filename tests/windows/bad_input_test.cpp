// Bad input is shown where the user looks: the field gets a visibly different
// background and a message appears in the window; fixing the field clears
// both, and the results on screen stay meanwhile.
#include "gui_fixture.h"

#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

struct BadRow {
    const char* name;
    const char* field;
    const char* bad;
    bool calculate; // the field is read only by "Berechnen"
    const char* message;
    const char* fixed;
};

class BadInputTest : public GuiFixture, public ::testing::WithParamInterface<BadRow> {
protected:
    // The colour most of a row just inside the field's frame has: its
    // background, whatever the text.
    QRgb backgroundOf(QLineEdit* edit) {
        const QImage image = edit->grab().toImage();
        std::map<QRgb, int> counts;
        for (int x = 3; x < image.width() - 3; ++x) {
            ++counts[image.pixel(x, 3)];
        }
        return std::max_element(counts.begin(), counts.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    }

    // Texts shown in the window other than the layout's own labels.
    std::vector<std::string> messages() {
        static const QRegularExpression layoutLabel("^Label\\d+(_\\d)?$");
        std::vector<std::string> shown;
        for (const QLabel* label : form1()->findChildren<QLabel*>()) {
            if (layoutLabel.match(label->objectName()).hasMatch() || !label->isVisible() ||
                label->text().isEmpty()) {
                continue;
            }
            const QRect place(label->mapTo(form1(), QPoint(0, 0)), label->size());
            EXPECT_TRUE(form1()->rect().contains(place)) << "message outside the client area";
            shown.push_back(label->text().toStdString());
        }
        return shown;
    }
};

TEST_P(BadInputTest, FieldIsMarkedWithAMessageUntilFixed) {
    const BadRow& row = GetParam();
    QLineEdit* edit = field(row.field);
    const QRgb normal = backgroundOf(edit);
    ASSERT_TRUE(messages().empty());

    replaceText(edit, row.bad);
    if (row.calculate) {
        click(control<QPushButton>("Command1"));
    }
    EXPECT_TRUE(program_.form.reports.isMarked(row.field));
    EXPECT_NE(backgroundOf(edit), normal) << "the bad field looks different";
    EXPECT_EQ(messages(), std::vector<std::string>{row.message});
    EXPECT_EQ(text(row.field), row.bad) << "nothing typed is lost";
    EXPECT_EQ(slider()->value(), 120);
    EXPECT_EQ(text("Text8"), "4888") << "the previous results stay";

    replaceText(edit, row.fixed);
    EXPECT_EQ(backgroundOf(edit), normal);
    EXPECT_TRUE(messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadInputTest,
    ::testing::Values(BadRow{"letters_in_the_track_count", "Text9", "zwei", true,
                             "Bitte eine Zahl eingeben, z. B. 1,5", "2"},
                      // A decimal point in a German setting is no number.
                      BadRow{"point_in_the_extras", "Text3", "1.5", true,
                             "Bitte eine Zahl eingeben, z. B. 1,5", "1,5"},
                      BadRow{"playing_time_no_number", "Text1", "x", false,
                             "Bitte eine ganze Zahl von 1 bis 620 Minuten eingeben", "90"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
