#pragma once
// The window's mixed-units option in [Settings]: MixedUnits ("TRUE" shows
// feet and inches, pounds, hours and degrees as mixed units) and
// InchFraction (the inches' denominator, 2 to 64). Absent, or holding
// anything else, they read as off and 16.
#include "profile_store.h"

struct MixedUnitsSetting {
    bool on = false;
    int inchFraction = 16;
};

MixedUnitsSetting LoadMixedUnitsSetting(const ProfileStore& store);

// One write, both keys.
ProfileWriteResult SaveMixedUnitsSetting(ProfileStore& store, const MixedUnitsSetting& setting);
