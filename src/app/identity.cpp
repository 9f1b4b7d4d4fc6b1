#include "app/identity.h"

QString VersionText() {
    return QString::number(kVersionMajor) + "." + QString::number(kVersionMinor) + QString::number(kVersionRevision);
}
