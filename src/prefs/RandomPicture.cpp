#include "prefs/RandomPicture.h"

#include "platform/SettingsStore.h"

void RandomPicture::ReadSettings(const SettingsStore& settings) {
    ImageFile = settings.Read(Setting::RandomPicture);
    StretchToFit = settings.Read(Setting::StretchToFit);
}

void RandomPicture::WriteSettings(SettingsStore& settings) const {
    settings.Write(Setting::RandomPicture, ImageFile);
    settings.Write(Setting::StretchToFit, StretchToFit);
}
