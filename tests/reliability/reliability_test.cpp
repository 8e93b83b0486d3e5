// Tests of the random-session tester itself: its scripts read back, its
// sessions reach every action, its oracle agrees with the worked examples,
// it catches planted faults, and it shrinks them to the actions that matter.
#include "field_text_generator.h"
#include "random_sessions.h"
#include "reference_calculation.h"
#include "script_reader.h"
#include "session_run.h"
#include "session_shrinker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kelvaro {
namespace {

using Verb = SessionAction::Verb;

// ---------------------------------------------------------------------------
// Script lines read back as the words they were made from.

struct QuotingRow {
    const char* name;
    std::string text;
};

class ScriptQuoting : public testing::TestWithParam<QuotingRow> {};

TEST_P(ScriptQuoting, SetLineReadsBackAsTheSameWords) {
    const SessionAction action{Verb::Set, "Text3", GetParam().text};
    const std::vector<std::string> words = ScriptReader::splitWords(scriptLine(action), 1);
    EXPECT_EQ(words, (std::vector<std::string>{"set", "Text3", GetParam().text}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScriptQuoting,
    testing::Values(QuotingRow{"Empty", ""}, QuotingRow{"Blanks", "  1 5  "},
                    QuotingRow{"Quote", "\""}, QuotingRow{"QuotedNumber", "\"9\""},
                    QuotingRow{"Backslash", "\\"}, QuotingRow{"BackslashQuote", "\\\""},
                    QuotingRow{"Umlauts", "ÄöüßÖ"}, QuotingRow{"Hash", "#1"},
                    QuotingRow{"Exponent", "-1,5E-05"}),
    [](const testing::TestParamInfo<QuotingRow>& info) { return info.param.name; });

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
    for (std::uint64_t i = 0; sessions.figures().actions < 20000; ++i) {
        const RandomSessions::Session session = sessions.run(i);
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
    const std::vector<std::string> expected{"locale de",
                                            "locale c",
                                            "set Text1",
                                            "set Text9",
                                            "set Text15",
                                            "set Text3",
                                            "set Text14",
                                            "set Text17",
                                            "keys Text1",
                                            "keys Text17",
                                            "backspace Text1",
                                            "backspace Text15",
                                            "edit Combo1",
                                            "edit Combo3",
                                            "choose Combo1",
                                            "choose Combo2",
                                            "choose Combo3",
                                            "Combo1 item 1",
                                            "Combo2 item 11",
                                            "Combo3 item 0",
                                            "slide ",
                                            "slide 1",
                                            "slide 620",
                                            "slide 960",
                                            "slide above 620",
                                            "click Command1",
                                            "click Command3",
                                            "click About.Command1",
                                            "close About",
                                            "empty text",
                                            "exponent",
                                            "long text",
                                            "umlaut",
                                            "comma",
                                            "point",
                                            "sign",
                                            "blank"};
    for (const std::string& what : expected) {
        EXPECT_TRUE(seen.count(what)) << what;
    }
    EXPECT_TRUE(seen.count("click Command2") || seen.count("close Form1"));
    EXPECT_GT(sessions.figures().ended, 0);
    EXPECT_GT(sessions.figures().refused, 0);
    EXPECT_GT(sessions.figures().succeeded, sessions.figures().refused);
}

TEST(RandomSessionCoverage, SameSeedGivesTheSameSession) {
    RandomSessions a(99, 80), b(99, 80);
    for (std::uint64_t i = 0; i < 20; ++i) {
        EXPECT_EQ(a.run(i).actions, b.run(i).actions);
    }
}

// ---------------------------------------------------------------------------
// The oracle agrees with the worked examples of the calculation.

struct ExampleRow {
    const char* name;
    std::vector<std::pair<std::string, std::string>> inputs;
    bool slider;
    std::vector<std::pair<std::string, std::string>> results;
};

class ReferenceExamples : public testing::TestWithParam<ExampleRow> {};

TEST_P(ReferenceExamples, GiveTheDescribedResults) {
    Form1 form(NumberFormat(','));
    for (const auto& [field, text] : GetParam().inputs) {
        form.textBox(field)->setText(text);
    }
    const ReferenceCalculation reference(form.numbers);
    const ReferenceCalculation::Result result = reference.run(form, "00000", GetParam().slider);
    ASSERT_EQ(result.outcome, ReferenceCalculation::Outcome::Done) << result.why;
    for (const auto& [name, text] : GetParam().results) {
        const auto held = std::find_if(result.texts.begin(), result.texts.end(),
                                       [&](const auto& entry) { return entry.first == name; });
        ASSERT_NE(held, result.texts.end()) << name;
        EXPECT_EQ(held->second, text) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReferenceExamples,
    testing::Values(
        // 120 minutes, one 192 kbit/s track, 4,7 GB, 80 MB overhead.
        ExampleRow{"WorkedExample",
                   {{"Text11", "24"}},
                   false,
                   {{"Text4", "7200"},
                    {"Text5", "172800"},
                    {"Text18", "0"},
                    {"Label22", "168,75"},
                    {"Label29", "0"},
                    {"Text7", "4342016"},
                    {"Text8", "4824"},
                    {"Text12", "2662"},
                    {"Text13", "7312"},
                    {"Label8", "720x576"},
                    {"Label13", "4239,84375"},
                    {"Label26", "4408,59375"}}},
        ExampleRow{"StartUp",
                   {},
                   true,
                   {{"Text8", "4888"},
                    {"Text12", "2694"},
                    {"Text13", "7344"},
                    {"Label8", "720x576"},
                    {"Label13", "4296,09375"},
                    {"Label22", "112,5"},
                    {"Label29", "0"},
                    {"Label26", "4408,59375"}}},
        ExampleRow{
            "Extras3500",
            {{"Text11", "24"}, {"Text3", "3500"}},
            false,
            {{"Text8", "842,2"}, {"Text12", "671,1"}, {"Text13", "5321,"}, {"Label8", "352x288"}}},
        ExampleRow{"FourTracksOf1536ByButton",
                   {{"Text1", "600"}, {"Text9", "4"}, {"Text11", "192"}},
                   false,
                   {{"Text7", "-23133184"},
                    {"Text8", "-5140"},
                    {"Text12", "-2320"},
                    {"Text13", "2330"},
                    {"Label8", "352x288"},
                    {"Label13", "-22587,890625"},
                    {"Label22", "27000"},
                    {"Label26", "4412,109375"}}},
        ExampleRow{"FourTracksOf1536BySlider",
                   {{"Text1", "600"}, {"Text9", "4"}, {"Text11", "192"}},
                   true,
                   {{"Text8", "-5140"}, {"Label13", "22587,890625"}, {"Label26", "4412,109375"}}},
        ExampleRow{"EightTracksCutToFiveCharacters",
                   {{"Text1", "600"}, {"Text9", "8"}, {"Text11", "192"}},
                   false,
                   {{"Text8", "-1128"}}},
        ExampleRow{"TenMinutesCapped",
                   {{"Text1", "10"}, {"Text11", "24"}},
                   false,
                   {{"Text8", "9608"}, {"Text12", "5054"}, {"Text13", "9704"}}}),
    [](const testing::TestParamInfo<ExampleRow>& info) { return info.param.name; });

TEST(ReferenceExamples, WorkedExampleBars) {
    Form1 form(NumberFormat(','));
    form.Text11.setText("24");
    const ReferenceCalculation::Result result =
        ReferenceCalculation(form.numbers).run(form, "00000", false);
    const std::array<float, 6> widths{1059.96f, 42.19f, 0.0f, 572.95f, 22.80f, 0.0f};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        EXPECT_NEAR(result.widths[i], widths[i], 0.005) << i;
    }
}

// ---------------------------------------------------------------------------
// Planted faults are caught.

struct FaultRow {
    const char* name;
    std::function<void(Program&)> plant;
    std::vector<SessionAction> actions;
    std::string expected; // part of the failure message
};

class PlantedFaults : public testing::TestWithParam<FaultRow> {};

TEST_P(PlantedFaults, AreCaught) {
    SessionRun run(',');
    ASSERT_TRUE(run.startFailures().empty());
    GetParam().plant(run.program());
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
                 [](Program& p) {
                     p.form.HScroll1.change.connect([&p] { p.form.Text8.setText("9999"); });
                 },
                 {{Verb::Slide, "", "", 90}},
                 "Text8 is \"9999\""},
        FaultRow{"ResultWrittenByAChoice",
                 [](Program& p) {
                     p.form.Combo2.click.connect([&p] { p.form.Label26.setCaption("1"); });
                 },
                 {{Verb::Choose, "Combo2", "", 4}},
                 "Label26 changed"},
        FaultRow{"HandlersNestTooDeep",
                 [](Program& p) {
                     p.form.Text3.change.connect([&p] {
                         for (const char* minutes : {"5", "6", "7", "8"}) {
                             p.form.Text1.setText(minutes);
                         }
                     });
                 },
                 {{Verb::Set, "Text3", "1"}},
                 "times in one step"},
        FaultRow{"TypedTextLost",
                 [](Program& p) {
                     p.form.Text9.change.connect([&p] {
                         if (!p.form.numbers.toDouble(p.form.Text9.text())) {
                             p.form.Text9.setText("");
                         }
                     });
                 },
                 {{Verb::Keys, "Text9", "a"}},
                 "where the user typed"},
        FaultRow{"ResultChangedByAbout",
                 [](Program& p) { p.about.changed.connect([&p] { p.form.Text13.setText("1"); }); },
                 {{Verb::Click, "Command3"}},
                 "Text13 changed"},
        FaultRow{"BarShownForTheOtherDisc",
                 [](Program& p) {
                     p.form.Combo1.click.connect([&p] { p.form.Shape2.setVisible(true); });
                 },
                 {{Verb::Choose, "Combo1", "", 1}},
                 "Shape2 is shown"}),
    [](const testing::TestParamInfo<FaultRow>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Shrinking.

TEST(SessionShrinker, KeepsOnlyTheTwoActionsThatFailTogether) {
    const SessionAction cause{Verb::Set, "Text9", "7"};
    const SessionAction trigger{Verb::Click, "Command1"};
    std::vector<SessionAction> actions;
    for (int i = 0; i < 120; ++i) {
        actions.push_back({Verb::Slide, "", "", i + 1});
    }
    actions.insert(actions.begin() + 37, cause);
    actions.insert(actions.begin() + 90, trigger);
    SessionShrinker shrinker([&](const std::vector<SessionAction>& candidate) {
        const auto c = std::find(candidate.begin(), candidate.end(), cause);
        return c != candidate.end() && std::find(c, candidate.end(), trigger) != candidate.end();
    });
    EXPECT_EQ(shrinker.shrink(actions), (std::vector<SessionAction>{cause, trigger}));
}

TEST(SessionShrinker, ShortensTextsAndCounts) {
    std::vector<SessionAction> actions{{Verb::Keys, "Text3", "12ä3x45"},
                                       {Verb::Backspace, "Text3", "", 4}};
    SessionShrinker shrinker([](const std::vector<SessionAction>& candidate) {
        bool hasX = false, hasBackspace = false;
        for (const SessionAction& a : candidate) {
            hasX = hasX || a.text.find("äx") != std::string::npos;
            hasBackspace = hasBackspace || (a.verb == Verb::Backspace && a.number >= 2);
        }
        return hasX && hasBackspace;
    });
    EXPECT_EQ(shrinker.shrink(actions),
              (std::vector<SessionAction>{{Verb::Keys, "Text3", "äx"},
                                          {Verb::Backspace, "Text3", "", 2}}));
}

TEST(RandomSessionShrinking, PlantedFaultShrinksToTheActionsThatCauseIt) {
    // The fault: choosing the second audio list's third item while the
    // subtitles hold 100 writes a result.
    RandomSessions sessions(5, 200);
    sessions.plantFault([](Program& p) {
        p.form.Combo3.click.connect([&p] {
            if (p.form.Text14.text() == "100" && p.form.Combo3.listIndex() == 2) {
                p.form.Label29.setCaption("7");
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
