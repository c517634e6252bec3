#include "app/DesktopOperations.h"

#include "desktop/MakePrimary.h"
#include "desktop/MakeSole.h"

DesktopOperations::DesktopOperations() : makePrimary(MakePrimary), makeSole(MakeSole) {}
