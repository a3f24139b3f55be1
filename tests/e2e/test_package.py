"""The Debian package on this machine: apt-get installs it, its menu entry's
command starts the program, and removing it leaves nothing behind. Run by
scripts/check-package, as root."""

import os
import shlex
import subprocess

from harness import APP_ID, SessionTest, desktop_entry

PACKAGE = os.environ["VH_PACKAGE"]


def apt_get(*args):
    subprocess.run(["apt-get", "-y", "-qq", *args], check=True, timeout=600,
                   env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"),
                   stdout=subprocess.DEVNULL)


class Package(SessionTest):
    def test_installs_starts_from_its_menu_entry_and_removes_cleanly(self):
        apt_get("install", os.path.abspath(PACKAGE))
        try:
            files = subprocess.run(["dpkg", "-L", "vellaro-helper"], capture_output=True,
                                   text=True, check=True).stdout.split("\n")
            entry = desktop_entry(f"/usr/share/applications/{APP_ID}.desktop")
            program, window = self.start_and_wait(argv=shlex.split(entry["Exec"]))
            self.x.keys("Escape")
            self.assertEndsWith(program, 0)
        finally:
            apt_get("remove", "--purge", "vellaro-helper")
        left = [path for path in files if path and os.path.isfile(path)]
        self.assertEqual(left, [])
