#!/usr/bin/env python3
"""Saves a PNG of one window of a program running under Wine's virtual desktop:
screenshot_window.py TITLE OUT.png (needs DISPLAY, WINEPREFIX, xdotool, import)."""
import os
import subprocess
import sys

title, out = sys.argv[1], sys.argv[2]
here = os.path.dirname(os.path.abspath(__file__))
build = os.environ.get('BUNDELOR_BUILD', os.path.join(here, '..', 'build', 'x64'))
rect = subprocess.run([os.path.join(here, 'wine-run.sh'), os.path.join(build, 'window_rect.exe'), title],
                      capture_output=True, text=True, check=True).stdout.split()
x, y, w, h = (int(v) for v in rect)
desktop = subprocess.run(['xdotool', 'search', '--name', 'Wine desktop'],
                         capture_output=True, text=True).stdout.split()
source = desktop[0] if desktop else 'root'
subprocess.run(['import', '-window', source, '-crop', f'{w}x{h}+{x}+{y}', '+repage', out], check=True)
