#pragma once
// Profiles: the settings saved to and loaded from profile files, and "LastProfile.ini" written at exit and
// read at the next start.

#include "features/Feature.h"

namespace tonvel {

class CProfiles : public CFeature {
public:
    explicit CProfiles(FEATURE_CONTEXT& context) : CFeature(context) {}
};

} // namespace tonvel
