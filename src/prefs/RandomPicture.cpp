#include "prefs/RandomPicture.h"

#include "platform/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("Options");
}

RandomPicture::RandomPicture()
    : ImageFile(SettingsStore::ReadText(kSection, QStringLiteral("RandomPicture"), QString())),
      StretchToFit(SettingsStore::ReadBool(kSection, QStringLiteral("StretchToFit"))) {}

void RandomPicture::Save() const {
    SettingsStore::WriteText(kSection, QStringLiteral("RandomPicture"), ImageFile);
    SettingsStore::WriteBool(kSection, QStringLiteral("StretchToFit"), StretchToFit);
}
