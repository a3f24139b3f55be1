"""The keyboard and the mouse on the real window under a window manager: where
typed text goes after each key is read back through the copy buttons."""

from Xlib import X

from harness import CERTIFICATE_PAGE as URL, SAMPLE_ADDRESS as ADDRESS, ProgramTest, wait_until


class KeyboardTest(ProgramTest):
    def start_program(self):
        super().start_program()
        self.x.activate(self.window)

    def boxes(self):
        """The proxy address and the certificate page, as the buttons copy them."""
        self.x.offer_clipboard("-")
        self.x.click(self.window, "按钮1")
        wait_until(lambda: self.x.clipboard() != "-", "the proxy address")
        proxy = self.x.clipboard()
        self.x.click(self.window, "按钮2")
        wait_until(lambda: self.x.clipboard() != proxy, "the certificate page")
        return proxy, self.x.clipboard()

    def still_open(self):
        self.x.xdotool("sleep", "0.3")
        return self.program.running()


class FocusCycle(KeyboardTest):
    CASES = [
        ("at start", [], (f"http://X{ADDRESS}:8888", URL)),
        ("Tab", ["Tab"], (f"http://{ADDRESS}:X8888", URL)),
        ("Tab x2, on 按钮1", ["Tab"] * 2, (f"http://{ADDRESS}:8888", URL)),
        ("Tab x4", ["Tab"] * 4, (f"http://{ADDRESS}:8888", "X" + URL)),
        ("Tab x5 wraps", ["Tab"] * 5, (f"http://X{ADDRESS}:8888", URL)),
        ("Shift+Tab wraps", ["shift+Tab"], (f"http://{ADDRESS}:8888", "X" + URL)),
        ("Shift+Tab x4", ["shift+Tab"] * 4, (f"http://{ADDRESS}:X8888", URL)),
        ("Enter moves nothing", ["Tab", "Return"], (f"http://{ADDRESS}:X8888", URL)),
        ("arrows on a button", ["Tab", "Tab", "Right", "Down"], (f"http://{ADDRESS}:8888", URL)),
    ]

    def test_typing_goes_to_the_control_that_the_keys_reached(self):
        for name, keys, expected in self.CASES:
            with self.subTest(name):
                self.x.keys("Escape")
                self.assertEndsWith(self.program, 0)
                self.start_program()
                if keys:
                    self.x.keys(*keys)
                self.x.type("X")
                self.assertEqual(self.boxes(), expected)


class WindowKeys(KeyboardTest):
    def test_enter_on_a_focused_button_leaves_the_clipboard_as_it_was(self):
        self.x.offer_clipboard("before")
        self.x.keys("Tab", "Tab", "Return", "KP_Enter")
        self.x.xdotool("sleep", "0.3")
        self.assertEqual(self.x.clipboard(), "before")

    def test_space_presses_the_focused_button(self):
        self.x.offer_clipboard("before")
        self.x.keys("Tab", "Tab", "Tab", "space")
        self.x.wait_for_clipboard(URL)

    def test_shift_esc_and_ctrl_esc_leave_the_window_open(self):
        self.x.keys("shift+Escape", "ctrl+Escape")
        self.assertTrue(self.still_open())

    def test_esc_on_a_button_closes_with_0(self):
        self.x.keys("Tab", "Tab", "Escape")
        self.assertEndsWith(self.program, 0)


class Mouse(KeyboardTest):
    def test_a_press_in_a_band_changes_no_focus(self):
        # The top band of 编辑框3 (rows 45 to about 51) and the bottom band of
        # 编辑框2 (about 33 to 38): the focus stays in 编辑框1.
        self.x.click_at(self.window, 72, 46)
        self.x.click_at(self.window, 115, 38)
        self.x.type("X")
        self.assertEqual(self.boxes(), (f"http://X{ADDRESS}:8888", URL))

    def test_a_click_on_the_text_line_focuses_the_box(self):
        self.x.click_at(self.window, 115, 24)
        self.x.keys("End")
        self.x.type("X")
        self.assertEqual(self.boxes()[0], f"http://{ADDRESS}:8888X")


class Activation(KeyboardTest):
    def test_coming_back_gives_the_focus_to_the_control_that_had_it(self):
        self.x.keys("Tab")
        other = self.x.root.create_window(
            0, 0, 200, 100, 0, X.CopyFromParent, X.InputOutput, X.CopyFromParent,
            event_mask=X.KeyPressMask)
        other.set_wm_name("another program")
        other.map()
        self.x.display.sync()
        self.addCleanup(other.destroy)
        self.x.activate(other)
        self.x.type("lost")
        self.x.activate(self.window)
        self.x.type("X")
        self.assertEqual(self.boxes(), (f"http://{ADDRESS}:X8888", URL))


class TextLine(KeyboardTest):
    WHITE = (255, 255, 255)

    def test_the_text_line_is_centred_with_white_bands(self):
        # 编辑框3 spans client rows 44 to 75; its text is dark on white.
        def ink_rows():
            rows = []
            for y in range(45, 75):
                if any(sum(self.x.pixel(self.window, x, y)) < 300 for x in range(12, 60, 2)):
                    rows.append(y)
            return rows
        rows = wait_until(ink_rows, "the text of 编辑框3")
        for y in (45, 46, 73, 74):
            self.assertEqual(self.x.pixel(self.window, 40, y), self.WHITE, f"row {y}")
        top_band, bottom_band = rows[0] - 45, 74 - rows[-1]
        self.assertLessEqual(abs(top_band - bottom_band), 4, rows)
