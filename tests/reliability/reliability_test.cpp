// Tests of the random-session tester itself, against its passing silently:
// its sessions reach every action and their scripts read back, it catches
// planted faults, and it shrinks them to the actions that matter.
#include "field_text_generator.h"
#include "random_sessions.h"
#include "script_reader.h"
#include "session_run.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvaro {
namespace {

using Verb = SessionAction::Verb;

// Every text the sessions type is written into a script that reads back as
// that text: else the differential run would compare two replays of scripts
// that stop at a line they cannot read.
TEST(ScriptQuoting, EveryGeneratedTextReadsBack) {
    RandomSource random(3);
    for (char separator : {',', '.'}) {
        FieldTextGenerator texts(random, separator);
        for (int i = 0; i < 5000; ++i) {
            const std::string text = i % 2 ? texts.text("Text14") : texts.keys("Text1");
            const SessionAction action{Verb::Keys, "Text1", text};
            ASSERT_EQ(ScriptReader::splitWords(scriptLine(action), 1).at(2), text);
        }
    }
}

// ---------------------------------------------------------------------------
// The sessions reach every action a script can state.

TEST(RandomSessionCoverage, TwentyThousandActionsReachEveryCommandAndRange) {
    RandomSessions sessions(20261206, 80);
    std::set<std::string> seen;
    auto see = [&](const std::string& what) { seen.insert(what); };
    // Sessions hold 40 actions on average, so 20,000 actions take about 500
    // of them; a program so broken that its sessions stop early must fail
    // here, not run on until the test's timeout.
    constexpr std::uint64_t kMostSessions = 1000;
    for (std::uint64_t i = 0; sessions.figures().actions < 20000; ++i) {
        ASSERT_LT(i, kMostSessions)
            << "only " << sessions.figures().actions << " actions in " << i << " sessions";
        const RandomSessions::Session session = sessions.run(i);
        ASSERT_TRUE(session.failures.empty())
            << "session " << i << " broke an invariant: " << session.failures.front();
        see(session.separator == ',' ? "locale de" : "locale c");
        for (const SessionAction& a : session.actions) {
            const std::string line = scriptLine(a);
            see(line.substr(0, line.find(' ')) + " " + a.target);
            if (a.verb == Verb::Choose) {
                see(a.target + " item " + std::to_string(a.number));
            }
            if (a.verb == Verb::Slide) {
                see(a.number == 1 ? "slide 1" : a.number == 620 ? "slide 620" : "");
                see(a.number == 960 ? "slide 960" : a.number > 620 ? "slide above 620" : "");
            }
            if (a.verb == Verb::Set) {
                see(a.text.empty() ? "empty text" : "");
                see(a.text.find_first_of("Ee") != std::string::npos ? "exponent" : "");
                see(a.text.size() > 100 ? "long text" : "");
                see(a.text.find("ä") != std::string::npos ? "umlaut" : "");
                see(a.text.find_first_of(",") != std::string::npos ? "comma" : "");
                see(a.text.find_first_of(".") != std::string::npos ? "point" : "");
                see(a.text.find_first_of("-+") != std::string::npos ? "sign" : "");
                see(a.text.find(' ') != std::string::npos ? "blank" : "");
            }
        }
    }
    // clang-format off
    for (const char* what :
         {"locale de", "locale c", "set Text1", "set Text9", "set Text15", "set Text3",
          "set Text14", "set Text17", "keys Text1", "keys Text17", "backspace Text1",
          "backspace Text15", "edit Combo1", "edit Combo3", "choose Combo1", "choose Combo2",
          "choose Combo3", "Combo1 item 1", "Combo2 item 11", "Combo3 item 0", "slide ",
          "slide 1", "slide 620", "slide 960", "slide above 620", "click Command1",
          "click Command3", "click About.Command1", "close About", "empty text", "exponent",
          "long text", "umlaut", "comma", "point", "sign", "blank"}) {
        // clang-format on
        EXPECT_TRUE(seen.count(what)) << what;
    }
    EXPECT_TRUE(seen.count("click Command2") || seen.count("close Form1"));
    EXPECT_GT(sessions.figures().ended, 0);
    EXPECT_GT(sessions.figures().refused, 0);
    EXPECT_GT(sessions.figures().succeeded, sessions.figures().refused);
}

// ---------------------------------------------------------------------------
// Planted faults are caught.

struct FaultRow {
    const char* name;
    std::function<void(Form1&, Window& about)> plant;
    std::vector<SessionAction> actions;
    std::string expected; // part of the failure message
};

class PlantedFaults : public testing::TestWithParam<FaultRow> {};

TEST_P(PlantedFaults, AreCaught) {
    SessionRun run(',');
    ASSERT_TRUE(run.startFailures().empty());
    GetParam().plant(run.program().form, run.program().about);
    std::vector<std::string> failures;
    for (const SessionAction& action : GetParam().actions) {
        ASSERT_TRUE(run.applicable(action)) << scriptLine(action);
        failures = run.apply(action);
        if (!failures.empty()) {
            break;
        }
    }
    ASSERT_FALSE(failures.empty());
    EXPECT_NE(failures.front().find(GetParam().expected), std::string::npos) << failures.front();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PlantedFaults,
    testing::Values(
        FaultRow{"AverageAboveTheCapAfterTheSlider",
                 [](Form1& f, Window&) {
                     f.minutesSlider.change.connect([&f] { f.averageKbps.setText("9999"); });
                 },
                 {{Verb::Slide, "", "", 90}},
                 "Text8 is \"9999\""},
        FaultRow{"ResultWrittenByAChoice",
                 [](Form1& f, Window&) {
                     f.audio1.bitrate.click.connect([&f] { f.videoAndAudioMb.setCaption("1"); });
                 },
                 {{Verb::Choose, "Combo2", "", 4}},
                 "Label26 changed"},
        FaultRow{"HandlersNestTooDeep",
                 [](Form1& f, Window&) {
                     f.extrasMb.change.connect([&f] {
                         for (const char* minutes : {"5", "6", "7", "8"}) {
                             f.minutes.setText(minutes);
                         }
                     });
                 },
                 {{Verb::Set, "Text3", "1"}},
                 "times in one step"},
        FaultRow{"TypedTextLost",
                 [](Form1& f, Window&) {
                     f.audio1.count.change.connect([&f] {
                         if (!f.numbers.toDouble(f.audio1.count.text())) {
                             f.audio1.count.setText("");
                         }
                     });
                 },
                 {{Verb::Keys, "Text9", "a"}},
                 "where the user typed"},
        FaultRow{"ResultChangedByAbout",
                 [](Form1& f, Window& about) {
                     about.changed.connect([&f] { f.maximumKbps.setText("1"); });
                 },
                 {{Verb::Click, "Command3"}},
                 "Text13 changed"},
        FaultRow{"BarShownForTheOtherDisc",
                 [](Form1& f, Window&) {
                     f.discType.click.connect([&f] { f.audio1.bars[0].setVisible(true); });
                 },
                 {{Verb::Choose, "Combo1", "", 1}},
                 "Shape2 is shown"}),
    [](const testing::TestParamInfo<FaultRow>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Shrinking.

TEST(RandomSessionShrinking, PlantedFaultShrinksToTheActionsThatCauseIt) {
    // The fault: choosing the second audio list's third item while the
    // subtitles hold 100 writes a result.
    RandomSessions sessions(5, 200);
    sessions.plantFault([](Program& p) {
        p.form.audio2.bitrate.click.connect([&p] {
            if (p.form.subtitlesMb.text() == "100" && p.form.audio2.bitrate.listIndex() == 2) {
                p.form.audio2.sizeMb.setCaption("7");
            }
        });
    });
    RandomSessions::Session failing;
    std::vector<SessionAction> actions;
    for (int i = 0; i < 150; ++i) {
        actions.push_back({Verb::Slide, "", "", 1 + (i * 37) % 620});
        actions.push_back({Verb::Set, "Text3", std::to_string(i)});
    }
    actions.insert(actions.begin() + 100, {Verb::Set, "Text14", "100"});
    actions.insert(actions.begin() + 250, {Verb::Choose, "Combo3", "", 2});
    failing.separator = ',';
    failing.actions = actions;
    failing.failures = sessions.failuresOf(actions, ',');
    ASSERT_FALSE(failing.failures.empty());
    const RandomSessions::Session shrunk = sessions.shrink(failing);
    EXPECT_EQ(shrunk.actions, (std::vector<SessionAction>{{Verb::Set, "Text14", "100"},
                                                          {Verb::Choose, "Combo3", "", 2}}));
    EXPECT_FALSE(shrunk.failures.empty());
}

} // namespace
} // namespace kelvaro
