#include "finder/DefaultMasters.h"

QStringList DefaultMasters() {
    return {
        QStringLiteral("master.quakeservers.net:27900"),
        QStringLiteral("netdome.biz:27900"),
        QStringLiteral("master.rlogin.dk:27900"),
        QStringLiteral("https://q2servers.com/?raw=1"),
    };
}
