#!/usr/bin/env bash
# Writes the Xorg configuration of the test display: the dummy video driver with a few modes,
# among them one size at two refresh rates, on a virtual screen big enough for two outputs.
# Usage: write-xorg-conf.sh FILE
set -euo pipefail

file=${1:?usage: write-xorg-conf.sh FILE}

cat >"$file" <<'CONF'
Section "ServerFlags"
    Option "DontVTSwitch" "true"
    Option "AllowMouseOpenFail" "true"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
EndSection

Section "Device"
    Identifier "PixmodeTestCard"
    Driver "dummy"
    VideoRam 256000
EndSection

Section "Monitor"
    Identifier "PixmodeTestMonitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    # Standard VESA timings: 60 Hz unless the name says otherwise.
    Modeline "1024x768"     65.00 1024 1048 1184 1344  768  771  777  806 -hsync -vsync
    Modeline "1024x768_75"  78.75 1024 1040 1136 1312  768  769  772  800 +hsync +vsync
    Modeline "800x600"      40.00  800  840  968 1056  600  601  605  628 +hsync +vsync
    Modeline "640x480"      25.175 640  656  752  800  480  490  492  525 -hsync -vsync
    Modeline "1280x1024"   108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
EndSection

Section "Screen"
    Identifier "PixmodeTestScreen"
    Device "PixmodeTestCard"
    Monitor "PixmodeTestMonitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1024x768" "1024x768_75" "800x600" "640x480" "1280x1024"
        # Without a large virtual size every mode bigger than the first is dropped.
        Virtual 4096 4096
    EndSubSection
EndSection
CONF
