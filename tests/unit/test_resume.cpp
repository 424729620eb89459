// Where films were left: the rule, the stored entries, and the film
// commands keeping and using them.

#include <gtest/gtest.h>

#include <cmath>

#include "FilmFakes.h"
#include "film/FilmControls.h"
#include "film/Resume.h"

namespace rw {
namespace {

using test::FakeControls;
using test::FakeFilmServices;
using test::Rig;

TEST(Resume, TheRule) {
    const double inf = INFINITY, nan = std::nan("");
    const struct {
        double position, duration;
        std::optional<double> point;
    } cases[] = {
        {120, 600, 120},             // a film left part way
        {120, 299.9, std::nullopt},  // shorter than five minutes
        {120, 300, 120},             // five minutes exactly
        {4, 600, std::nullopt},      // hardly begun
        {5, 600, 5},                 // five seconds exactly: begun
        {569, 600, 569},             // 600 s: the last 30 s are the credits
        {570, 600, std::nullopt},
        {6839, 7200, 6839},  // two hours: the last 5% (360 s)
        {6840, 7200, std::nullopt},
        {700, 600, std::nullopt},  // past the end
        {120, 0, std::nullopt},    // a stream without a duration
        {120, inf, std::nullopt},
        {nan, 600, std::nullopt},
        {120, -5, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResumePoint(c.position, c.duration), c.point)
            << c.position << " of " << c.duration;
}

TEST(Resume, StoredEntries) {
    using Entry = std::optional<std::pair<double, std::string>>;
    const struct {
        const char* text;
        Entry entry;
    } cases[] = {
        {"123.4|/m/Film.mkv", Entry({123.4, "/m/Film.mkv"})},
        {"5|/m/a|b.mkv", Entry({5, "/m/a|b.mkv"})},  // the first bar ends the number
        {"5|http://x/y", Entry({5, "http://x/y"})},
        {"|/m/a.mkv", std::nullopt},
        {"12|", std::nullopt},
        {"abc|/m/a.mkv", std::nullopt},
        {"12x|/m/a.mkv", std::nullopt},
        {"-3|/m/a.mkv", std::nullopt},
        {"0|/m/a.mkv", std::nullopt},
        {"4.9|/m/a.mkv", std::nullopt},
        {"inf|/m/a.mkv", std::nullopt},
        {"nan|/m/a.mkv", std::nullopt},
        {"/m/a.mkv", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseResumeEntry(c.text), c.entry) << c.text;
    EXPECT_EQ(FormatResumeEntry(123.45, "/m/a b.mkv"), "123.5|/m/a b.mkv");
    EXPECT_EQ(ParseResumeEntry(FormatResumeEntry(61, "/m/x.mkv")), Entry({61, "/m/x.mkv"}));
}

TEST(Resume, TheListKeepsTheNewestHundredAndIgnoresDamage) {
    test::FakeSettings store;
    store.values[{"Resume", "0"}] = "100|/m/a.mkv";
    store.values[{"Resume", "1"}] = "garbage";
    store.values[{"Resume", "2"}] = "200|file:///m/b.mkv";
    store.values[{"Resume", "3"}] = "300|/m/a.mkv";  // listed twice: the newer one counts
    store.values[{"Resume", "x"}] = "400|/m/c.mkv";  // a foreign key
    store.values[{"Settings", "Left"}] = "1000";
    ResumeList list;
    list.Read(store);
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(list.Find("/m/a.mkv"), 100);
    EXPECT_EQ(list.Find("/m/b.mkv"), 200);  // every road to the same file
    EXPECT_EQ(list.Find("file:///m/a.mkv"), 100);
    EXPECT_EQ(list.Find("/m/A.mkv"), std::nullopt);

    for (int i = 0; i < 120; ++i) list.Remember("/m/" + std::to_string(i) + ".mkv", i + 10);
    EXPECT_EQ(list.Size(), kResumeCapacity);
    ResumeList full = list;
    full.Remember("/m/new.mkv", 50);
    EXPECT_EQ(full.Size(), kResumeCapacity) << "a full list takes one more, losing one";
    EXPECT_EQ(list.Find("/m/119.mkv"), 129);
    EXPECT_EQ(list.Find("/m/a.mkv"), std::nullopt);  // the oldest went
    list.Write(store);
    EXPECT_EQ(store.Get("Resume", "0"), "129.0|/m/119.mkv");
    EXPECT_EQ(store.Get("Resume", "99"), "30.0|/m/20.mkv");
    EXPECT_EQ(store.Get("Settings", "Left"), "1000");  // the window's keys untouched

    list.Forget("/m/119.mkv");
    list.Write(store);
    EXPECT_EQ(store.Get("Resume", "99"), "");  // no stale entry left behind
    store.writes.clear();
    list.Write(store);
    EXPECT_EQ(store.writes.size(), 99u);  // and no empty key written for ever after

    ResumeList fresh;
    fresh.Write(store);  // a first run writes nothing it has not got
    EXPECT_EQ(store.writes.size(), 99u);

    ResumeList nothing;  // no place, or nothing to remember it for
    nothing.Remember("/m/a.mkv", 0);
    nothing.Remember("/m/a.mkv", std::nan(""));
    nothing.Remember("", 60);
    EXPECT_EQ(nothing.Size(), 0u);

    ResumeList failing;
    store.failAll = true;
    failing.Read(store);  // a store that fails: an empty list, no exception
    EXPECT_EQ(failing.Size(), 0u);
}

// Two windows share the store: what the other one stored by the time this
// one saves is kept, with this run's own changes laid over it.
TEST(Resume, SavingMergesWithWhatAnotherWindowStored) {
    using Entries = std::vector<std::string>;
    struct Change {
        const char* reference;
        double seconds;  // 0: forgotten
    };
    const Entries start = {"200.0|/m/a.mkv", "300.0|/m/b.mkv"};
    const struct {
        const char* name;
        Entries other;  // the store as the other window left it
        std::vector<Change> changes;
        Entries saved;
    } cases[] = {
        {"other added",
         {"50.0|/m/c.mkv", "200.0|/m/a.mkv", "300.0|/m/b.mkv"},
         {},
         {"50.0|/m/c.mkv", "200.0|/m/a.mkv", "300.0|/m/b.mkv"}},
        {"other changed",
         {"400.0|/m/a.mkv", "300.0|/m/b.mkv"},
         {},
         {"400.0|/m/a.mkv", "300.0|/m/b.mkv"}},
        {"other forgot", {"300.0|/m/b.mkv"}, {}, {"300.0|/m/b.mkv"}},
        {"this run added",
         start,
         {{"/m/d.mkv", 60}},
         {"60.0|/m/d.mkv", "200.0|/m/a.mkv", "300.0|/m/b.mkv"}},
        {"this run changed", start, {{"/m/b.mkv", 90}}, {"90.0|/m/b.mkv", "200.0|/m/a.mkv"}},
        {"this run forgot", start, {{"/m/a.mkv", 0}}, {"300.0|/m/b.mkv"}},
        {"other added, this run forgot",
         {"50.0|/m/c.mkv", "200.0|/m/a.mkv", "300.0|/m/b.mkv"},
         {{"/m/a.mkv", 0}},
         {"50.0|/m/c.mkv", "300.0|/m/b.mkv"}},
        {"both changed one: this run's later change",
         {"400.0|/m/a.mkv", "300.0|/m/b.mkv"},
         {{"/m/a.mkv", 500}},
         {"500.0|/m/a.mkv", "300.0|/m/b.mkv"}},
        {"duplicates in the file",
         {"400.0|/m/a.mkv", "100.0|file:///m/a.mkv", "300.0|/m/b.mkv", "20.0|/m/b.mkv"},
         {},
         {"400.0|/m/a.mkv", "300.0|/m/b.mkv"}},
        {"two spellings in this run",
         start,
         {{"file:///m/b.mkv", 90}, {"/m/b.mkv", 95}},
         {"95.0|/m/b.mkv", "200.0|/m/a.mkv"}},
    };
    for (const auto& c : cases) {
        test::FakeSettings store;
        for (std::size_t i = 0; i < start.size(); ++i)
            store.values[{"Resume", std::to_string(i)}] = start[i];
        ResumeList list;
        list.Read(store);
        for (const auto& change : c.changes) {
            if (change.seconds > 0) {
                list.Remember(change.reference, change.seconds);
            } else {
                list.Forget(change.reference);
            }
        }
        store.onReload = [&] {
            for (int i = 0; i < 10; ++i) store.values.erase({"Resume", std::to_string(i)});
            for (std::size_t i = 0; i < c.other.size(); ++i)
                store.values[{"Resume", std::to_string(i)}] = c.other[i];
        };
        list.Save(store);
        Entries saved;
        for (int i = 0; i < 10; ++i) {
            const auto text = store.Get("Resume", std::to_string(i));
            if (text && !text->empty()) saved.push_back(*text);
            EXPECT_EQ(text.value_or("").empty(), saved.size() <= static_cast<std::size_t>(i))
                << c.name << ": a gap at key " << i;
        }
        EXPECT_EQ(saved, c.saved) << c.name;
    }
}

struct ResumeRig : Rig {
    FakeControls controls{journal};
    FakeFilmServices services{journal};
    FilmControls film{form, controls, services};
    Commands commands{form, &film};
};

TEST(Resume, FilmsStartWhereTheyWereLeft) {
    ResumeRig r;
    r.settings.values[{"Resume", "0"}] = "200|/m/b.mkv";
    r.settings.values[{"Settings", "Volume"}] = "35";
    r.settings.values[{"Settings", "Mute"}] = "True";
    r.settings.values[{"Settings", "PlayFolderThrough"}] = "True";
    r.film.ReadSettings();
    EXPECT_EQ(r.controls.volume, 35);
    EXPECT_TRUE(r.controls.muted);
    EXPECT_TRUE(r.film.playThrough);

    // a.mkv, ten minutes, left at 2 minutes for b.mkv, which starts at 200 s.
    r.player.reference = "/m/a.mkv";
    r.controls.position = 120;
    r.controls.duration = 600;
    r.film.MovieStarting("/m/b.mkv");
    EXPECT_EQ(r.controls.nextStart, 200);
    EXPECT_EQ(r.film.Positions().Find("/m/a.mkv"), 120);

    // b.mkv watched to its credits starts from the beginning next time.
    r.player.reference = "/m/b.mkv";
    r.controls.position = 590;
    r.controls.nextStart.reset();
    r.film.MovieStarting("/m/a.mkv");
    EXPECT_EQ(r.controls.nextStart, 120);
    EXPECT_EQ(r.film.Positions().Find("/m/b.mkv"), std::nullopt);

    // Unchecked: nothing is kept or used.
    r.commands.Run({Command::Resume});
    r.controls.nextStart.reset();
    r.player.reference = "/m/a.mkv";
    r.controls.position = 300;
    r.film.MovieStarting("/m/a.mkv");
    EXPECT_EQ(r.controls.nextStart, std::nullopt);
    EXPECT_EQ(r.film.Positions().Find("/m/a.mkv"), 120);

    r.controls.volume = 72.4;
    r.film.WriteSettings();
    EXPECT_EQ(r.settings.Get("Settings", "ResumeWhereLeftOff"), "False");
    EXPECT_EQ(r.settings.Get("Settings", "Volume"), "72");
    EXPECT_EQ(r.settings.Get("Settings", "Mute"), "True");
    EXPECT_EQ(r.settings.Get("Settings", "PlayFolderThrough"), "True");
    EXPECT_EQ(r.settings.Get("Resume", "0"), "120.0|/m/a.mkv");
}

TEST(Resume, AWebPageStartsWhereItWasLeftLikeAFile) {
    ResumeRig r;
    r.film.ReadSettings();
    const std::string page = "https://example.org/watch?v=1";
    r.player.reference = page;
    r.controls.position = 1500;
    r.controls.duration = 3600;
    r.film.MovieStarting("/m/b.mkv");
    EXPECT_EQ(r.film.Positions().Find(page), 1500);
    r.player.reference = "/m/b.mkv";
    r.film.MovieStarting(page);
    EXPECT_EQ(r.controls.nextStart, 1500);
}

TEST(Resume, APlaceLeftIsStoredAtOnceAndOnlyOptionsChangedHereAreWritten) {
    ResumeRig r;
    r.settings.values[{"Settings", "Volume"}] = "35";
    r.settings.values[{"Settings", "Mute"}] = "False";
    r.film.ReadSettings();
    r.player.reference = "/m/a.mkv";
    r.controls.position = 120;
    r.controls.duration = 600;
    r.settings.onReload = [&] {  // the other window stores its place and its volume
        r.settings.values[{"Resume", "0"}] = "50.0|/m/c.mkv";
        r.settings.values[{"Settings", "Volume"}] = "60";
        r.settings.values[{"Settings", "Mute"}] = "True";
    };
    r.film.MovieStarting("/m/b.mkv");
    EXPECT_EQ(r.settings.Get("Resume", "0"), "120.0|/m/a.mkv");
    EXPECT_EQ(r.settings.Get("Resume", "1"), "50.0|/m/c.mkv");
    EXPECT_GE(r.settings.reloads, 2) << "read afresh, then stored";

    r.player.reference = "/m/b.mkv";
    r.controls.position = 2;  // hardly begun: no place
    r.commands.Run({Command::Resume});
    r.film.WriteSettings();
    EXPECT_EQ(r.settings.Get("Settings", "ResumeWhereLeftOff"), "False") << "changed here";
    EXPECT_EQ(r.settings.Get("Settings", "Volume"), "60") << "only the other window changed it";
    EXPECT_EQ(r.settings.Get("Settings", "Mute"), "True");
}

TEST(Resume, DamagedOptionsAreIgnored) {
    const struct {
        const char *volume, *mute, *resume;
        double wantVolume;
        bool wantMute, wantResume;
    } cases[] = {
        {"loud", "maybe", "perhaps", 50, false, true},  // left as it was
        {"250", "0", "False", 100, false, false},       // kept within range
        {"-4", "1", "TRUE", 0, true, true},
        {"nan", "", "", 50, false, true},
    };
    for (const auto& c : cases) {
        ResumeRig r;
        r.controls.volume = 50;
        r.settings.values[{"Settings", "Volume"}] = c.volume;
        r.settings.values[{"Settings", "Mute"}] = c.mute;
        r.settings.values[{"Settings", "ResumeWhereLeftOff"}] = c.resume;
        r.film.ReadSettings();
        EXPECT_EQ(r.controls.volume, c.wantVolume) << c.volume;
        EXPECT_EQ(r.controls.muted, c.wantMute) << c.mute;
        EXPECT_EQ(r.film.resume, c.wantResume) << c.resume;
    }
}

}  // namespace
}  // namespace rw
