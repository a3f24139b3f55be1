"""The install rules: a staging folder gets the program, its desktop entry,
icons, metadata and documents, and the installed program starts."""

import os
import subprocess
import tempfile

from harness import APP_ID, DEADLINE, SessionTest, desktop_entry, require_tools

EXPECTED = {
    "usr/bin/vellaro-helper",
    f"usr/share/applications/{APP_ID}.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml",
    *(f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in (16, 32, 48, 64, 128)),
    f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    "usr/share/man/man1/vellaro-helper.1.gz",
    "usr/share/doc/vellaro-helper/copyright",
    "usr/share/doc/vellaro-helper/changelog.gz",
}


class Install(SessionTest):
    def setUp(self):
        super().setUp()
        require_tools("desktop-file-validate", "appstreamcli")
        self.stage = tempfile.mkdtemp(prefix="vh-stage-")
        subprocess.run(["cmake", "--install", os.environ["VH_BUILD_DIR"], "--prefix", "/usr"],
                       env=dict(os.environ, DESTDIR=self.stage), check=True,
                       stdout=subprocess.DEVNULL, timeout=60)

    def staged(self, path):
        return os.path.join(self.stage, path)

    def test_installs_exactly_the_programs_files(self):
        installed = {os.path.relpath(os.path.join(folder, name), self.stage)
                     for folder, _, names in os.walk(self.stage) for name in names}
        self.assertEqual(installed, EXPECTED)

    def test_the_entry_and_the_metadata_validate(self):
        for command in (["desktop-file-validate", self.staged(f"usr/share/applications/{APP_ID}.desktop")],
                        ["appstreamcli", "validate", "--no-net",
                         self.staged(f"usr/share/metainfo/{APP_ID}.metainfo.xml")]):
            result = subprocess.run(command, capture_output=True, text=True, timeout=DEADLINE)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_the_installed_program_starts_with_the_entrys_window_class(self):
        entry = desktop_entry(self.staged(f"usr/share/applications/{APP_ID}.desktop"))
        self.assertEqual(entry["Exec"], "vellaro-helper")
        self.assertEqual(entry["Icon"], APP_ID)
        program, window = self.start_and_wait(argv=[self.staged("usr/bin/vellaro-helper")])
        self.assertEqual(window.get_wm_class()[1], entry["StartupWMClass"])
        icon = self.x.window_property(window, "_NET_WM_ICON")
        self.assertEqual((icon[0], icon[1]), (112, 128))
        self.x.keys("Escape")
        self.assertEndsWith(program, 0)
