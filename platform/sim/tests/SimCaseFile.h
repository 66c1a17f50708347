#pragma once
// Where a profile-string case's file lies in the simulation: written, absent from an existing folder, or
// in a folder that does not exist.

#include "platform/sim/SimWindows.h"
#include "platform/sim/tests/ProfileCases.h"

#include <gtest/gtest.h>

namespace tonvel::sim::cases {

inline std::u16string SimCaseFile(CSimWindows& sim, PLACE place, const std::string& bytes) {
    switch (place) {
    case PLACE::File:
        EXPECT_TRUE(sim.Files().PutFile(u"C:\\Cases\\case.ini", bytes));
        return u"C:\\Cases\\case.ini";
    case PLACE::NoFile:
        EXPECT_TRUE(sim.Files().CreateFolders(u"C:\\Cases"));
        return u"C:\\Cases\\case.ini";
    case PLACE::NoFolder:
        return u"C:\\Missing\\case.ini";
    }
    return {};
}

} // namespace tonvel::sim::cases
