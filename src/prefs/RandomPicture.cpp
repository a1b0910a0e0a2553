#include "prefs/RandomPicture.h"

#include "platform/SettingsStore.h"

RandomPicture::RandomPicture()
    : ImageFile(SettingsStore::Read(Setting::RandomPicture)),
      StretchToFit(SettingsStore::Read(Setting::StretchToFit)) {}

void RandomPicture::Save(SettingsStore& settings) const {
    settings.Write(Setting::RandomPicture, ImageFile);
    settings.Write(Setting::StretchToFit, StretchToFit);
}
