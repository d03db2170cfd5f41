#include "mixed_units_setting.h"

#include "mixed_format.h"
#include "profile_keys.h"

using namespace profile;

MixedUnitsSetting LoadMixedUnitsSetting(const ProfileStore& store) {
    MixedUnitsSetting setting;
    setting.on = IsSwitchOn(store.GetProfileString(SettingsSection, MixedUnitsKey, False));
    const int fraction = store.GetProfileInt(SettingsSection, InchFractionKey, DefaultInchFraction);
    if (IsUsableFraction(fraction)) setting.inchFraction = fraction;
    return setting;
}

ProfileWriteResult SaveMixedUnitsSetting(ProfileStore& store, const MixedUnitsSetting& setting) {
    return store.Edit([&](ProfileEdit& edit) {
        edit.WriteProfileString(SettingsSection, MixedUnitsKey, SwitchText(setting.on));
        edit.WriteProfileInt(SettingsSection, InchFractionKey, setting.inchFraction);
    });
}
