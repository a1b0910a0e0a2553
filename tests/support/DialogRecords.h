#pragma once

#include "client/UserProfile.h"
#include "client/ui/frmUserProfile.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "prefs/RandomPicture.h"
#include "prefs/ui/frmAbout.h"
#include "prefs/ui/frmOptions.h"
#include "prefs/ui/frmRandomPicture.h"
#include "server/ServerConfig.h"
#include "server/ui/frmServer.h"
#include "support/TestSupport.h"

#include <memory>

// The records the dialogs edit, on a temporary installation and settings.
struct Records {
    Records() {
        for (const char* file : {"baseq2/server.cfg", "baseq2/autoexec.cfg", "baseq2/readme.txt",
                                 "ctf/ctf.cfg", "ctf/maps/q2dm1.txt"})
            installation.AddFile(QString::fromLatin1(file));
        installation.AddFile(QStringLiteral("quake2"));
        game.SetPath(installation.Path());
        game.SetExecutable(QStringLiteral("quake2"));
    }

    TemporarySettings settings;
    FakeInstallation installation;
    Quake2 game;
    Options options{game};
    UserProfile profile;
    RandomPicture picture;
    ServerConfig server;

    std::unique_ptr<QDialog> Dialog(const QString& name) {
        if (name == QLatin1String("frmServer"))
            return std::make_unique<frmServer>(server, game, options);
        if (name == QLatin1String("frmUserProfile"))
            return std::make_unique<frmUserProfile>(profile, game, options);
        if (name == QLatin1String("frmOptions"))
            return std::make_unique<frmOptions>(options);
        if (name == QLatin1String("frmRandomPicture"))
            return std::make_unique<frmRandomPicture>(picture);
        return std::make_unique<frmAbout>();
    }
};
