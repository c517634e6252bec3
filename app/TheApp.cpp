#include "app/PixmodeApp.h"

// The one application object, constructed during static initialisation.
CPixmodeApp theApp;
