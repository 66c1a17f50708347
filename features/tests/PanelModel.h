#pragma once
// The model-based test's pieces: the model (what the user and the machine have done, as far as the rules
// need it), the rig (the simulated Windows with the running panel, and what the oracle has learnt of lags the
// rules allow), the oracle, and the commands RapidCheck draws sequences from.

#include "features/tests/PanelShown.h"
#include "skin/PanelPage.h"

#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <map>
#include <memory>
#include <string>

namespace tonvel::test {

struct MODEL {
    bool Plugged = true;
    bool PresenceGone = false; // a removal notice came for a headset that is still there
    bool Synchronising = true;
    PANEL_PAGE Page = PANEL_PAGE::Eq;
    int32_t Saved = 0; // profiles saved so far, named P0.ini, P1.ini, ...
    bool Connected() const { return Plugged && !PresenceGone; }
};

// Parts of the device state that the rules let lag behind the window until they are sent again: after the
// synchronisation switch was off, after a refused write, after an arrival on another page.
struct LAGS {
    bool Eq = false;       // 0x100 bit 2, 0x129, the band registers
    bool Sound3D = false;  // 0x18A, 0x18B, 0x18C
    bool Led = false;      // the pins
    bool Speakers = false; // the filter driver's speaker switch
    void All() { Eq = Sound3D = Led = Speakers = true; }
    void None() { Eq = Sound3D = Led = Speakers = false; }
};

enum class PIN_COMMAND { Unknown, Read, WriteOff };

struct PANEL_RIG {
    std::unique_ptr<Shell> t;
    LAGS Lags;
    PIN_COMMAND LastPins = PIN_COMMAND::Unknown;
    bool Refused = false; // a report of the last step was refused
    std::map<int32_t, PANEL_SHOWN> SavedShown;
    int32_t EqTop = 0, Travel = 0, MicTop = 0;

    PANEL_RIG();
    TAudioMainForm& Form() { return *t->form; }
    sim::CSimHeadset& Headset() { return t->sim.Headset(); }
    void Start();
    // The exit: the window's settings before it, the traffic it sent.
    void Exit(const MODEL& before);
    // Reads the step's reports: refusals and the last pin command; the log is cleared.
    void TakeReports();
    void ClickAt(ui::CComponent& c, int32_t x, int32_t y);
};

// The oracle after a step, with the model after it.
void CheckShown(const MODEL& m, PANEL_RIG& rig);

uint64_t& ModelSteps();

// One random sequence from a fresh start with the headset plugged in, checked step by step.
void CheckPanelSequence();

} // namespace tonvel::test
