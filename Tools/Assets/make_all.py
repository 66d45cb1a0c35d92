#!/usr/bin/python3
"""Regenerates every data file this folder makes, in dependency order.

Needs the npm packages of package.json (`npm install` here) for the airport
coordinates and the coastlines.
"""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
STEPS = ["make_tables.py", "make_models.py", "make_entries.py", "make_maps.py", "make_help.py", "make_sounds.py", "make_icons.py"]

for step in STEPS:
    print("==", step)
    subprocess.run([sys.executable, os.path.join(HERE, step)], check=True)
