"""Hard cases: floods of input, huge texts, a contested clipboard and a dying X
server. Each is bounded in time."""

import time

from Xlib import X, display as xdisplay

from harness import (CERTIFICATE_PAGE as URL, SAMPLE_ADDRESS as ADDRESS, ClipboardClaims,
                     FastInput, ProgramTest)


class HardCases(ProgramTest):
    def test_a_mebibyte_pasted_into_each_box_is_copied_exactly(self):
        address = "地址" * ((1 << 20) // 6)
        port = "8" * (1 << 20)
        url = "u" * (1 << 20)
        # Each paste is read back before the next text is offered: the program
        # fetches a paste from the clipboard's owner after the keys arrive.
        self.paste_into("编辑框1", address)
        self.copy("按钮1", f"http://{address}:8888", timeout=60)
        self.paste_into("编辑框2", port)
        self.copy("按钮1", f"http://{address}:{port}", timeout=60)
        self.paste_into("编辑框3", url)
        self.copy("按钮2", url, timeout=60)
        self.copy("按钮1", f"http://{address}:{port}", timeout=60)

    def test_a_clipboard_taken_again_and_again_is_taken_back_by_the_next_click(self):
        thief = xdisplay.Display(self.x.name)
        self.addCleanup(thief.close)
        owner = thief.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent,
                                                  X.InputOnly, X.CopyFromParent)
        clipboard = thief.intern_atom("CLIPBOARD")
        for round in range(50):
            owner.set_selection_owner(clipboard, X.CurrentTime)
            thief.sync()
            self.x.click(self.window, "按钮1" if round % 2 else "按钮2")
        owner.set_selection_owner(clipboard, X.CurrentTime)
        thief.sync()
        self.assertTrue(self.program.running())
        self.copy("按钮1", f"http://{ADDRESS}:8888", timeout=5)
        self.copy("按钮2", URL, timeout=5)

    def test_the_program_ends_within_2_s_when_the_x_server_dies(self):
        self.x.server.kill()
        code, stderr = self.program.wait(timeout=2)
        # A negative status is a signal: a crash or an abort.
        self.assertEqual(code, 255, stderr)


class QuickInput(ProgramTest):
    # Openbox passes each click on through a pointer grab of its own and, fed
    # input at full speed, drops some before any client sees them. Without a
    # window manager every click reaches the program.
    WINDOW_MANAGER = False

    def test_1000_quick_clicks_alternating_with_typing_are_handled_in_order(self):
        typed = "".join("0123456789"[i % 10] for i in range(1000))
        claims = ClipboardClaims(self.x)
        self.addCleanup(claims.close)

        # Each round: a click into 编辑框3, End and a digit, then "复制网址".
        fast = FastInput(self.x, self.window)
        self.addCleanup(fast.close)
        for digit in typed:
            fast.click("编辑框3")
            fast.key("End")
            fast.key(digit)
            fast.click("按钮2")
        fast.flush()

        # Samples of the clipboard while the clicks run: each one holds the
        # text of some click, and the clicks' texts only grow.
        sampled = []
        end = time.monotonic() + 120
        while claims.count() < 1000 and time.monotonic() < end:
            text = self.x.clipboard()
            if text is not None and text.startswith(URL):
                sampled.append(len(text) - len(URL))
                self.assertEqual(text, URL + typed[:sampled[-1]])
        self.assertEqual(claims.count(), 1000, "clipboard claims")
        self.assertEqual(sampled, sorted(sampled), "a later click's text came before an earlier one's")
        self.x.wait_for_clipboard(URL + typed)
        self.assertTrue(self.program.running())
