// The framework's own resource ids, in the range application frameworks keep for themselves.
// The program's resource script gives them their texts.
#pragma once

// The application title: the caption of the framework's message boxes.
#define IDS_APP_TITLE 57344
