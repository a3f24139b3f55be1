"""One scripted session of the real program under valgrind's memcheck: start,
type, paste, copy, close. No invalid access anywhere, and no error or leak in
the program's own code."""

import os
import tempfile
import xml.etree.ElementTree as ElementTree

from harness import PROGRAM, SessionTest, require_tools, wait_until

# Kinds that are faults wherever they happen, in the toolkit too.
INVALID_ACCESS = {"InvalidRead", "InvalidWrite", "InvalidFree", "MismatchedFree", "InvalidJump",
                  "InvalidMemPool", "Overlap", "FishyValue"}


def describe(error):
    frames = [f"  {frame.findtext('fn') or '?'} ({os.path.basename(frame.findtext('obj') or '?')})"
              for frame in error.find("stack")][:12]
    what = error.findtext("xwhat/text") or error.findtext("what")
    return "\n".join([f"{error.findtext('kind')}: {what}", *frames])


class Memcheck(SessionTest):
    def test_a_session_has_no_invalid_access_and_no_leak_of_its_own(self):
        require_tools("valgrind")
        report = os.path.join(tempfile.mkdtemp(prefix="vh-memcheck-"), "memcheck.xml")
        program = self.x.start(argv=["valgrind", "--tool=memcheck", "--leak-check=full",
                                     "--xml=yes", f"--xml-file={report}", PROGRAM])
        window = self.x.wait_for_window(program, timeout=120)

        self.x.click(window, "编辑框2")
        self.x.keys("ctrl+a")
        self.x.type("9090")
        self.x.offer_clipboard("https://证书.example/ssl")
        self.x.click(window, "编辑框3")
        self.x.keys("ctrl+a", "ctrl+v")
        self.x.click(window, "按钮2")
        self.x.wait_for_clipboard("https://证书.example/ssl", timeout=60)
        self.x.click(window, "按钮1")
        wait_until(lambda: (self.x.clipboard() or "").endswith(":9090"), "the proxy address",
                   timeout=60)
        self.x.keys("Escape")
        self.assertEndsWith(program, 0, timeout=120)

        errors = ElementTree.parse(report).getroot().iter("error")
        own = os.path.realpath(PROGRAM)
        faults = [describe(error) for error in errors
                  if error.findtext("kind") in INVALID_ACCESS
                  or any(os.path.realpath(frame.findtext("obj") or "") == own
                         for frame in error.find("stack"))]
        self.assertFalse(faults, "\n\n".join(faults))
