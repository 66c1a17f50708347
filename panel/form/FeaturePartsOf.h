#pragma once
// Which components of the main window each feature is handed, by their layout names.

#include "features/FeatureParts.h"
#include "ui/core/Ui.h"

#include <vector>

namespace tonvel {

// Looks the features' components up once, after the whole tree has been created.
FEATURE_PARTS FeaturePartsOf(ui::CForm& form);

// Every component handed over, for the check that none is missing from the layout.
std::vector<const ui::CComponent*> AllFeatureParts(const FEATURE_PARTS& parts);

} // namespace tonvel
