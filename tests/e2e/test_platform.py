"""The platform's operations in process, on a private X server."""

import os
import subprocess

from harness import DEADLINE, SessionTest

CLIPBOARD_WRITER_TEST = os.environ["VH_CLIPBOARD_WRITER_TEST"]


class ClipboardWriter(SessionTest):
    WINDOW_MANAGER = False

    def test_claims_are_checked_against_the_server(self):
        result = subprocess.run([CLIPBOARD_WRITER_TEST], env=self.x.env, capture_output=True,
                                text=True, timeout=DEADLINE)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("[  PASSED  ] 2 tests", result.stdout)
