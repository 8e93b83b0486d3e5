// The About window: shown instead of the main window, "OK" brings the main
// window back unchanged; the program's end hides both. The keyboard's way
// there and back is in keyboard_test.cpp.
#include "gui_fixture.h"
#include "program_version.h"

#include <map>
#include <string>

namespace kelvaro {
namespace {

class AboutTest : public GuiFixture {
protected:
    // Everything the main window shows, read from its widgets.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> shown;
        for (const QWidget* w : form1()->findChildren<QWidget*>()) {
            const std::string name = w->objectName().toStdString();
            if (name.empty() || name.starts_with("qt_")) {
                continue;
            }
            if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
                shown[name] = edit->text().toStdString();
            } else if (const auto* caption = qobject_cast<const QLabel*>(w)) {
                shown[name] =
                    caption->text().toStdString() + (caption->isHidden() ? " hidden" : "");
            } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
                shown[name] = std::to_string(combo->currentIndex()) + " " +
                              combo->lineEdit()->text().toStdString();
            } else if (const auto* bar = qobject_cast<const QScrollBar*>(w)) {
                shown[name] =
                    std::to_string(bar->value()) + " of " + std::to_string(bar->maximum());
            } else if (name.starts_with("Shape")) {
                shown[name] = std::to_string(w->property("widthTwips").toDouble()) +
                              (w->isHidden() ? " hidden" : " shown");
            }
        }
        shown["(position)"] = std::to_string(form1()->x()) + "," + std::to_string(form1()->y());
        return shown;
    }

    void openAbout() {
        click(control<QPushButton>("Command3"));
        ASSERT_NE(about(), nullptr);
    }
    QPushButton* okButton() const { return control<QPushButton>("Command1", about()); }

    // A state away from the start: the large disc, 700 minutes, two tracks
    // of 192 kbit/s, a new calculation.
    void changeEverything() {
        chooseFromPopup(list("Combo1"), 1);
        dragSliderTo(700);
        replaceText(field("Text9"), "2");
        chooseFromPopup(list("Combo2"), 5);
        click(control<QPushButton>("Command1"));
        ASSERT_EQ(slider()->value(), 700);
        ASSERT_EQ(text("Text11"), "24");
        ASSERT_FALSE(control("Shape6")->isHidden());
    }
};

TEST_F(AboutTest, AboutReplacesTheMainWindowAndOkBringsItBackUnchanged) {
    changeEverything();
    const auto before = snapshot();
    openAbout();
    QWidget* first = about();
    EXPECT_TRUE(about()->isVisible());
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_EQ(control<QLabel>("Label1", about())->text().toStdString(),
              "v.  " KELVARO_RELEASE_VERSION);
    EXPECT_EQ(okButton()->text().toStdString(), "OK");
    EXPECT_TRUE(isCentred(about()));

    click(okButton());
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_FALSE(about()->isVisible());
    EXPECT_EQ(snapshot(), before);
    openAbout();
    EXPECT_EQ(about(), first) << "About is created once and shown again";
    EXPECT_TRUE(about()->isVisible());

    click(okButton());
    click(control<QPushButton>("Command2"));
    EXPECT_TRUE(program_.lifeCycle.ended());
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_FALSE(about()->isVisible());
}

} // namespace
} // namespace kelvaro
