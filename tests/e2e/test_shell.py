"""Starting, placing, closing and failing, seen from outside the program."""

import os
import re
import tempfile

from harness import PROGRAM, TITLE, Rect, SessionTest, XSession, wait_until

FAILING_HEAP_PROGRAM = os.environ["VH_FAILING_HEAP_PROGRAM"]
WHITE = (255, 255, 255)


class Placement(SessionTest):
    def test_outer_rectangle_is_centred_on_the_full_screen_frame_included(self):
        cases = [(1920, 1080, True, Rect(855, 485, 209, 109)),
                 (1366, 768, True, Rect(578, 329, 209, 109)),
                 (1920, 1080, False, Rect(855, 485, 209, 109)),
                 (1366, 768, False, Rect(578, 329, 209, 109))]
        for width, height, window_manager, expected in cases:
            with self.subTest(screen=f"{width}x{height}", window_manager=window_manager), \
                    XSession(width, height, window_manager) as session:
                program = session.start()
                window = session.wait_for_window(program)
                self.assertEqual(session.outer_rect(window), expected)
                client = session.client_rect(window)
                if window_manager:
                    # The frame is really there: the client lies inside it.
                    self.assertLess(client.height, expected.height)
                else:
                    self.assertEqual(client, expected)

    def test_cannot_be_maximised_or_resized(self):
        program, window = self.start_and_wait()
        before = self.x.outer_rect(window)
        hints = self.x.size_hints(window)
        client = self.x.client_rect(window)
        self.assertEqual((hints.min_width, hints.min_height), (client.width, client.height))
        self.assertEqual((hints.max_width, hints.max_height), (client.width, client.height))
        actions = self.x.allowed_actions(window)
        self.assertIn("_NET_WM_ACTION_MINIMIZE", actions)
        self.assertIn("_NET_WM_ACTION_CLOSE", actions)
        self.assertNotIn("_NET_WM_ACTION_MAXIMIZE_HORZ", actions)
        self.assertNotIn("_NET_WM_ACTION_RESIZE", actions)

        self.x.xdotool("windowsize", window.id, 400, 300)
        self.x.wmctrl("-i", "-r", window.id, "-b", "add,maximized_vert,maximized_horz")
        title_bar = (before.x + 60, before.y + 8)
        self.x.xdotool("mousemove", *title_bar, "click", "--repeat", "2", "1")
        self.x.xdotool("sleep", "0.3")
        self.assertEqual(self.x.outer_rect(window), before)

    def test_minimise_and_restore_keep_place_and_size(self):
        program, window = self.start_and_wait()
        before = self.x.outer_rect(window)
        self.x.xdotool("windowminimize", "--sync", window.id)
        self.x.activate(window)
        wait_until(lambda: self.x.find_windows(TITLE, pid=program.pid), "the restored window")
        self.assertEqual(self.x.outer_rect(window), before)


class Appearance(SessionTest):
    def test_title_icon_and_initial_texts(self):
        program, window = self.start_and_wait()
        self.assertEqual(self.x.title(window), TITLE)
        icon = self.x.window_property(window, "_NET_WM_ICON")
        self.assertIsNotNone(icon, "the window has no icon")
        self.assertEqual((icon[0], icon[1]), (112, 128))

        # The initial texts, read as a user would: by copying them.
        self.x.click(window, "按钮2")
        self.x.wait_for_clipboard("http://vellaro.cert/ssl")
        self.x.click(window, "按钮1")
        wait_until(lambda: re.fullmatch(r"http://(\d+(\.\d+){3})?:8888", self.x.clipboard() or ""),
                   "the proxy address with the initial port")


class Closing(SessionTest):
    def test_the_window_managers_close_ends_with_0(self):
        program, window = self.start_and_wait()
        self.x.xdotool("type", "typed but never saved")
        self.x.wmctrl("-i", "-c", window.id)
        self.assertEndsWith(program, 0)

    def test_a_close_request_without_a_window_manager_ends_with_0(self):
        with XSession(window_manager=False) as session:
            program = session.start()
            session.send_delete_window(session.wait_for_window(program))
            self.assertEqual(program.wait()[0], 0)


class Process(SessionTest):
    def test_the_working_folder_becomes_the_programs_folder(self):
        with tempfile.TemporaryDirectory() as elsewhere:
            program, window = self.start_and_wait(cwd=elsewhere)
            self.assertEqual(os.readlink(f"/proc/{program.pid}/cwd"),
                             os.path.dirname(os.path.realpath(PROGRAM)))

    def test_arguments_change_nothing(self):
        plain, plain_window = self.start_and_wait()
        expected = self.x.outer_rect(plain_window)
        self.x.send_delete_window(plain_window)
        self.assertEndsWith(plain, 0)

        program, window = self.start_and_wait(argv=[
            PROGRAM, "-platform", "offscreen", "-style", "windows", "-reverse",
            "-qwindowgeometry", "400x300+0+0", "--help", "-v", "stray"])
        self.assertEqual(self.x.outer_rect(window), expected)
        # Not mirrored: the first box, white, is still at the left.
        wait_until(lambda: self.x.pixel(window, 20, 24) == WHITE, "the first box at the left")
        self.x.send_delete_window(window)
        self.assertEndsWith(program, 0)

    def test_two_copies_run_side_by_side(self):
        first, first_window = self.start_and_wait()
        second, second_window = self.start_and_wait()
        self.assertNotEqual(first_window.id, second_window.id)
        self.x.send_delete_window(first_window)
        self.assertEndsWith(first, 0)
        self.assertTrue(second.running())
        self.assertTrue(self.x.find_windows(TITLE, pid=second.pid))
        self.x.send_delete_window(second_window)
        self.assertEndsWith(second, 0)

    def test_without_a_display_the_report_goes_to_standard_error_and_the_status_is_255(self):
        env = {key: value for key, value in self.x.env.items() if key != "DISPLAY"}
        program = self.x.start(env=env)
        stderr = self.assertEndsWith(program, 255)
        self.assertIn("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n"
                      "\"\"\r\n\"\"\r\n", stderr)


class FatalErrorBox(SessionTest):
    def start_failing(self, refuse_from):
        return self.x.start(argv=[FAILING_HEAP_PROGRAM, str(refuse_from)])

    def test_a_failed_allocation_at_start_shows_the_box_before_any_window(self):
        program = self.start_failing(20)
        box = self.x.wait_for_window(program, title="错误")
        self.assertEqual(self.x.find_windows(TITLE, pid=program.pid), [], "the window was shown")
        self.x.activate(box)
        self.x.keys("Return")
        self.assertEndsWith(program, 255)

    def test_while_the_box_is_up_no_handler_runs_and_ok_ends_with_255(self):
        self.x.offer_clipboard("before")
        # The 24 bytes of the certificate page's copy are refused.
        program = self.start_failing(24)
        window = self.x.wait_for_window(program)
        self.x.click(window, "按钮2")
        box = self.x.wait_for_window(program, title="错误")
        self.assertTrue(self.x.find_windows(TITLE, pid=program.pid), "the main window stays")

        self.x.click(window, "按钮1")
        self.x.xdotool("sleep", "0.3")
        self.assertEqual(self.x.clipboard(), "before")

        self.x.activate(box)
        self.x.keys("Return")
        self.assertEndsWith(program, 255)
