"""The two copy buttons, read back by another X client while the program runs."""

import os
import signal

from harness import (CERTIFICATE_PAGE as URL, SAMPLE_ADDRESS as ADDRESS, ClipboardClaims,
                     ClipboardManager, ProgramTest, SessionTest, wait_until)

PROXY = f"http://{ADDRESS}:8888"


class CopyTest(ProgramTest):
    def replace_text(self, box, text=None):
        """Selects all of a box's text and types over it, or deletes it."""
        self.x.click(self.window, box)
        self.x.keys("ctrl+a", "BackSpace")
        if text:
            self.x.type(text)


class Buttons(CopyTest):
    def test_both_buttons_after_start_up(self):
        self.copy("按钮1", PROXY)
        self.copy("按钮2", URL)
        self.copy("按钮1", PROXY)

    def test_typed_text_goes_to_the_clipboard_exactly(self):
        self.replace_text("编辑框1", "10.1.2.3")
        self.replace_text("编辑框2", " 80 ")
        self.copy("按钮1", "http://10.1.2.3: 80 ")
        self.replace_text("编辑框3", "https://cert.example/ssl?a b")
        self.copy("按钮2", "https://cert.example/ssl?a b")

    def test_pasted_non_ascii_text_goes_to_the_clipboard_exactly(self):
        # Pasted, as xdotool cannot type characters missing from the keymap
        # reliably; a user brings them in through an input method or a paste.
        self.paste_into("编辑框1", "代理主机")
        self.copy("按钮1", "http://代理主机:8888")
        self.paste_into("编辑框3", "https://证书.example/安装")
        self.copy("按钮2", "https://证书.example/安装")

    def test_pasted_text_of_150000_bytes_arrives_whole(self):
        long_text = ("端口" * 25000) + ("8" * 100000)  # 250000 bytes
        self.paste_into("编辑框2", long_text)
        self.copy("按钮1", f"http://{ADDRESS}:{long_text}")
        url = "x" * 150000
        self.paste_into("编辑框3", url)
        self.copy("按钮2", url)

    def test_an_emptied_url_box_leaves_an_empty_text(self):
        self.x.offer_clipboard("something before")
        self.replace_text("编辑框3")
        self.copy("按钮2", "")

    def test_emptied_address_and_port_boxes(self):
        self.replace_text("编辑框1")
        self.copy("按钮1", "http://:8888")
        self.replace_text("编辑框2")
        self.copy("按钮1", "http://:")


class QueuedClicks(CopyTest):
    def test_quick_alternating_clicks_run_once_each_in_order(self):
        claims = ClipboardClaims(self.x)
        self.addCleanup(claims.close)
        # While the program is stopped the clicks wait in its queue, as they do
        # behind a slow handler.
        os.kill(self.program.pid, signal.SIGSTOP)
        try:
            for click in range(20):
                self.x.click(self.window, "按钮1" if click % 2 == 0 else "按钮2")
        finally:
            os.kill(self.program.pid, signal.SIGCONT)
        wait_until(lambda: claims.count() >= 20, "20 clipboard claims")
        self.x.xdotool("sleep", "0.3")
        self.assertEqual(claims.count(), 20)
        self.assertEqual(self.x.clipboard(), URL)


class HandOver(SessionTest):
    def test_the_last_copy_stays_pasteable_after_esc_with_a_clipboard_manager(self):
        ClipboardManager(self.x)
        program, window = self.start_and_wait()
        self.x.click(window, "按钮2")
        self.x.wait_for_clipboard(URL)
        self.x.keys("Escape")
        self.assertEndsWith(program, 0)
        self.x.wait_for_clipboard(URL)
