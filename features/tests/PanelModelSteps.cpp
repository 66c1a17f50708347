// The steps of the model-based test: what a user does in the window and what the machine does to it.
// Each step runs, its reports are read (a refused one lets every part lag until it is sent again), the
// parts the step sends again in full are marked as in line, and the oracle looks.

#include "features/tests/PanelModel.h"

#include "platform/api/DeviceNotifications.h"

#include <iterator>
#include <ostream>

namespace tonvel::test {
namespace {

using COMMAND = rc::state::Command<MODEL, PANEL_RIG>;
using P = PANEL_PAGE;

struct NAMED {
    const char16_t* Name;
    int32_t Page; // -1: on every page
};

std::string Text(const char16_t* name) {
    std::string text;
    for (const char16_t* c = name; *c; ++c)
        text += static_cast<char>(*c);
    return text;
}

bool OnPage(const MODEL& m, int32_t page) {
    return page < 0 || static_cast<int32_t>(m.Page) == page;
}

// Every tagged button and label of the pages and the frame (the Save and Load buttons have steps of their
// own; the synchronisation switch too).
const NAMED ButtonControls[] = {
    {u"LEDImage", -1},
    {u"EQEQENImage", 0},
    {u"EQEQENLabel", 0},
    {u"EQ3DENImage", 0},
    {u"EQ3DENLabel", 0},
    {u"EQResetImage", 0},
    {u"EQResetLabel", 0},
    {u"EQS1Image", 0},
    {u"EQS2Image", 0},
    {u"EQS3Label", 0},
    {u"EQS4Image", 0},
    {u"D33DENImage", 1},
    {u"D3FBMImage", 1},
    {u"D3FBMLabel", 1},
    {u"D3ResetImage", 1},
    {u"D3ResetLabel", 1},
    {u"D3AlphaImage", 1},
    {u"D3BetaImage", 1},
    {u"EffectButtonNonImage", 2},
    {u"EffectButtonTheaterImage", 2},
    {u"EffectStoneGalleryLabel", 2},
    {u"EffectButtonLivingroomImage", 2},
    {u"EffectButtonBathroomImage", 2},
    {u"MicBoostImage", 3},
    {u"MicBoostLabel", 3},
    {u"MicMuteImage", 3},
    {u"MicMuteLabel", 3},
    {u"VirtualEnableImage", 4},
    {u"VirtualENLabel", 4},
    {u"VirtualClockwiseImage", 4},
    {u"VirtualCounterclockwiseLabel", 4},
    {u"VirtualResetImage", 4},
    {u"VirtualResetLabel", 4},
};
const NAMED ThumbControls[] = {
    {u"EQ60HzSliderImage", 0},   {u"EQ300HzSliderImage", 0},   {u"EQ1200HzSliderImage", 0},
    {u"EQ3600HzSliderImage", 0}, {u"EQ12000HzSliderImage", 0}, {u"D3LBetaSliderImage", 1},
    {u"D3LAlphaSliderImage", 1}, {u"D3RBetaSliderImage", 1},   {u"D3RAlphaSliderImage", 1},
    {u"MicSliderImage", 3},      {u"VirtualLImage", 4},        {u"VirtualCImage", 4},
    {u"VirtualRSImage", 4},      {u"VirtualSUBImage", 4},      {u"VirtualLBImage", 4},
};
const NAMED BarControls[] = {{u"EQ60HzBarImage", 0},
                             {u"EQ1200HzBarImage", 0},
                             {u"EQ12000HzBarImage", 0},
                             {u"EQ300HzBarImage", 0},
                             {u"MicBarImage", 3}};
const char16_t* const Tabs[] = {u"PageEQLabel", u"Page3DLabel", u"PageEffectLabel", u"PageMicLabel",
                                u"PageVirtual7p1Label"};

// One step: run, read the reports, mark what was sent again, look.
struct STEP : COMMAND {
    void run(const MODEL& m, PANEL_RIG& rig) const override {
        const MODEL after = nextState(m);
        rig.Refused = false;
        Do(m, rig);
        rig.TakeReports();
        if (rig.Refused)
            rig.Lags.All();
        else if (after.Connected() && after.Synchronising)
            SentAgain(m, after, rig);
        ++ModelSteps();
        CheckShown(after, rig);
    }
    virtual void Do(const MODEL& m, PANEL_RIG& rig) const = 0;
    virtual void SentAgain(const MODEL&, const MODEL&, PANEL_RIG&) const {}
};

struct CLICK : STEP {
    size_t Index = *rc::gen::inRange<size_t>(0, std::size(ButtonControls));
    void checkPreconditions(const MODEL& m) const override { RC_PRE(OnPage(m, ButtonControls[Index].Page)); }
    void Do(const MODEL&, PANEL_RIG& rig) const override {
        rig.ClickAt(*rig.Form().Find(ButtonControls[Index].Name), 3, 3);
    }
    void SentAgain(const MODEL& before, const MODEL&, PANEL_RIG& rig) const override {
        if (!before.Connected()) return;
        const std::u16string name = ButtonControls[Index].Name;
        TAudioMainForm& f = rig.Form();
        const bool eq = ShowsOn(f, u"EQEQENImage"), d3 = ShowsOn(f, u"EQ3DENImage");
        if (name.rfind(u"EQEQEN", 0) == 0 && eq && !d3) rig.Lags.Eq = false;
        if ((name.rfind(u"EQ3DEN", 0) == 0 || name == u"D33DENImage") && d3) {
            rig.Lags.Sound3D = false;
            if (!eq) rig.Lags.Eq = false;
        }
        if (name == u"LEDImage") rig.Lags.Led = false;
        if (name.rfind(u"VirtualEN", 0) == 0 || name == u"VirtualEnableImage" ||
            name.rfind(u"VirtualReset", 0) == 0)
            rig.Lags.Speakers = false;
    }
    void show(std::ostream& os) const override { os << "click " << Text(ButtonControls[Index].Name); }
};

// The tabs of the shipped languages and skins: the 3D page has no tab of its own there (its switch is on
// the EQ page), so it is never shown.
struct TAB : STEP {
    int32_t Page = *rc::gen::element(0, 2, 3, 4);
    void apply(MODEL& m) const override {
        if (m.Connected()) m.Page = static_cast<PANEL_PAGE>(Page);
    }
    void Do(const MODEL&, PANEL_RIG& rig) const override { rig.ClickAt(*rig.Form().Label(Tabs[Page]), 2, 2); }
    void SentAgain(const MODEL& before, const MODEL& after, PANEL_RIG& rig) const override {
        if (!before.Connected()) return;
        if (after.Page == P::Eq || after.Page == P::Sound3D) rig.Lags.Eq = false;
        if (after.Page == P::Sound3D) rig.Lags.Sound3D = false;
    }
    void show(std::ostream& os) const override { os << "tab " << Text(Tabs[Page]); }
};

// Press, moves in a few steps (to anywhere, past the ends of the range too), release.
struct DRAG : STEP {
    size_t Index = *rc::gen::inRange<size_t>(0, std::size(ThumbControls));
    int32_t Dx = *rc::gen::inRange(-150, 151);
    int32_t Dy = *rc::gen::inRange(-300, 301);
    int32_t Moves = *rc::gen::inRange(1, 4);
    void checkPreconditions(const MODEL& m) const override { RC_PRE(OnPage(m, ThumbControls[Index].Page)); }
    void Do(const MODEL&, PANEL_RIG& rig) const override {
        ui::CComponent& c = *rig.Form().Find(ThumbControls[Index].Name);
        const ui::UI_POINT from = rig.t->At(c, c.Width() - 4, c.Height() / 2);
        rig.t->backend.Press(from);
        for (int32_t i = 1; i <= Moves; ++i)
            rig.t->backend.MoveTo({from.x + Dx * i / Moves, from.y + Dy * i / Moves});
        rig.t->backend.Release({from.x + Dx, from.y + Dy});
    }
    void show(std::ostream& os) const override {
        os << "drag " << Text(ThumbControls[Index].Name) << " by " << Dx << "," << Dy << " in " << Moves;
    }
};

// A press on a bar (and a little past its ends): the thumb jumps there.
struct JUMP : STEP {
    size_t Index = *rc::gen::inRange<size_t>(0, std::size(BarControls));
    int32_t Permille = *rc::gen::inRange(-50, 1051);
    void checkPreconditions(const MODEL& m) const override { RC_PRE(OnPage(m, BarControls[Index].Page)); }
    void Do(const MODEL&, PANEL_RIG& rig) const override {
        ui::CComponent& bar = *rig.Form().Find(BarControls[Index].Name);
        rig.ClickAt(bar, bar.Width() / 2, bar.Height() * Permille / 1000);
    }
    void show(std::ostream& os) const override {
        os << "jump " << Text(BarControls[Index].Name) << " at " << Permille;
    }
};

// The synchronisation switch (hidden in the shipped skins, so it is pressed through its tag).
struct SYNC : STEP {
    void apply(MODEL& m) const override {
        if (m.Connected() && (m.Page == P::Eq || m.Page == P::Sound3D)) m.Synchronising = !m.Synchronising;
    }
    void Do(const MODEL& m, PANEL_RIG& rig) const override {
        rig.Form().Features().Equalizer().FlipSynchronisation();
        // Switched off: what changes from now on stays in the window until it is sent again.
        if (m.Synchronising && nextState(m).Synchronising != m.Synchronising) rig.Lags.All();
    }
    void SentAgain(const MODEL& before, const MODEL& after, PANEL_RIG& rig) const override {
        if (before.Synchronising) return;
        rig.Lags.Eq = false;
        if (after.Page == P::Sound3D) rig.Lags.Sound3D = false;
    }
    void show(std::ostream& os) const override { os << "synchronisation switch"; }
};

struct TICK : STEP {
    uint32_t Ms = *rc::gen::inRange<uint32_t>(20, 400);
    void Do(const MODEL&, PANEL_RIG& rig) const override { rig.t->backend.Advance(Ms); }
    void show(std::ostream& os) const override { os << "wait " << Ms << " ms"; }
};

struct SAVE : STEP {
    void checkPreconditions(const MODEL& m) const override { RC_PRE(m.Connected()); }
    void apply(MODEL& m) const override { ++m.Saved; }
    void Do(const MODEL& m, PANEL_RIG& rig) const override {
        const std::u16string path = u"C:\\Users\\Tester\\Tonvel\\P" + std::u16string(1, u'a' + m.Saved % 26);
        rig.t->backend.FileDialogAnswer = [path](ui::CFileDialog& dialog, bool) {
            dialog.FileName = path;
            return true;
        };
        rig.ClickAt(*rig.Form().Image(u"Menu1Image"), 3, 3);
        rig.SavedShown[m.Saved % 26] = ReadShown(rig.Form(), rig.Travel);
    }
    void show(std::ostream& os) const override { os << "save"; }
};

struct LOAD : STEP {
    int32_t Which = *rc::gen::inRange(0, 26);
    void checkPreconditions(const MODEL& m) const override { RC_PRE(m.Connected() && Which < m.Saved); }
    void Do(const MODEL&, PANEL_RIG& rig) const override {
        const std::u16string path =
            u"C:\\Users\\Tester\\Tonvel\\P" + std::u16string(1, u'a' + Which) + u".ini";
        rig.t->backend.FileDialogAnswer = [path](ui::CFileDialog& dialog, bool) {
            dialog.FileName = path;
            return true;
        };
        rig.ClickAt(*rig.Form().Image(u"Menu2Image"), 3, 3);
        RC_ASSERT(ReadShown(rig.Form(), rig.Travel).Settings() == rig.SavedShown[Which].Settings());
    }
    void SentAgain(const MODEL&, const MODEL&, PANEL_RIG& rig) const override { rig.Lags.None(); }
    void show(std::ostream& os) const override { os << "load profile " << Which; }
};

// The exit and the next start with LastProfile.ini.
struct RESTART : STEP {
    void apply(MODEL& m) const override {
        m.Page = P::Eq;
        m.PresenceGone = false;
        m.Synchronising = m.Plugged;
    }
    void Do(const MODEL& m, PANEL_RIG& rig) const override { rig.Exit(m); }
    void SentAgain(const MODEL&, const MODEL&, PANEL_RIG& rig) const override { rig.Lags.None(); }
    void run(const MODEL& m, PANEL_RIG& rig) const override {
        if (!m.Plugged) rig.Lags.All(); // the exit left the headset neutral; it comes back at an arrival
        STEP::run(m, rig);
    }
    void show(std::ostream& os) const override { os << "exit and start again"; }
};

struct PULL : STEP {
    void checkPreconditions(const MODEL& m) const override { RC_PRE(m.Plugged); }
    void apply(MODEL& m) const override {
        m.Plugged = false;
        m.PresenceGone = false;
        m.Synchronising = false;
    }
    void Do(const MODEL&, PANEL_RIG& rig) const override { rig.t->sim.Devices().Unplug(rig.Headset()); }
    void show(std::ostream& os) const override { os << "headset pulled"; }
};

struct PLUG : STEP {
    void checkPreconditions(const MODEL& m) const override { RC_PRE(!m.Plugged); }
    void apply(MODEL& m) const override {
        m.Plugged = true;
        m.Synchronising = true;
    }
    void Do(const MODEL&, PANEL_RIG& rig) const override { rig.t->sim.Devices().Plug(rig.Headset()); }
    // The arrival sends the LED, and the switches of the page shown; the filter driver's reset turns the
    // speakers off until the Virtual 7.1 page sends them.
    void SentAgain(const MODEL&, const MODEL& after, PANEL_RIG& rig) const override {
        rig.Lags.Led = false;
        if (after.Page == P::Eq || after.Page == P::Sound3D) rig.Lags.Eq = false;
        if (after.Page == P::Sound3D) rig.Lags.Sound3D = false;
        rig.Lags.Speakers = after.Page != P::Virtual71;
    }
    void show(std::ostream& os) const override { os << "headset plugged"; }
};

// Windows reports the headset's HID interface gone while it stays: the presence handle is closed, the
// headset still opens.
struct LOST_NOTICE : STEP {
    void checkPreconditions(const MODEL& m) const override { RC_PRE(m.Connected()); }
    void apply(MODEL& m) const override {
        m.PresenceGone = true;
        m.Synchronising = false;
    }
    void Do(const MODEL&, PANEL_RIG& rig) const override {
        sim::CSimWindows& sim = rig.t->sim;
        sim.DeviceNotifications().PostInterface(DbtDeviceRemoveComplete, sim.Hid().GetHidGuid(),
                                                rig.Headset().Hid().Path);
    }
    void show(std::ostream& os) const override { os << "removal notice, headset stays"; }
};

struct REFUSE : STEP {
    bool Input = *rc::gen::arbitrary<bool>();
    uint32_t Nth = *rc::gen::inRange<uint32_t>(1, 12);
    void Do(const MODEL&, PANEL_RIG& rig) const override {
        if (Input)
            rig.Headset().FailInputReport(Nth);
        else
            rig.Headset().FailOutputReport(Nth);
    }
    void show(std::ostream& os) const override {
        os << "headset refuses the " << Nth << "th " << (Input ? "input" : "output") << " report from now";
    }
};

} // namespace

void CheckPanelSequence() {
    PANEL_RIG rig;
    rc::state::check(
        MODEL{}, rig,
        rc::state::gen::execOneOfWithArgs<CLICK, CLICK, CLICK, TAB, TAB, DRAG, DRAG, JUMP, SYNC, TICK, SAVE,
                                          LOAD, RESTART, PULL, PLUG, LOST_NOTICE, REFUSE>());
}

} // namespace tonvel::test
