"""The address in the first box comes from the system's real resolver: the
program runs in namespaces of its own, with a host name, a hosts file and an
nsswitch.conf (and for DNS a responder) of the test's own."""

import os
import sys
import tempfile
import time

from harness import PROGRAM, TITLE, SessionTest, in_resolver, wait_until

HOST = "vellaro-test"
RESPONDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "dns_responder.py")


class HostsFile(SessionTest):
    CASES = [
        ("several addresses: the first", f"192.168.1.20 {HOST}\n10.0.0.5 {HOST}\n", "192.168.1.20"),
        ("in the resolver's order, unsorted", f"10.0.0.5 {HOST}\n192.168.1.20 {HOST}\n", "10.0.0.5"),
        ("only a loopback address", f"127.0.1.1 {HOST}\n", "127.0.1.1"),
        ("no address", "127.0.0.1 localhost\n", ""),
        ("only a non-loopback IPv6 address", f"fd00::5 {HOST}\n", ""),
        # The C library answers an IPv4 query for a name on ::1 with 127.0.0.1.
        ("only the IPv6 loopback", f"::1 {HOST}\n", "127.0.0.1"),
    ]

    def test_the_first_ipv4_address_or_nothing(self):
        for name, hosts, address in self.CASES:
            with self.subTest(name):
                program, window = self.start_and_wait(argv=in_resolver(HOST, hosts) + [PROGRAM])
                self.x.click(window, "按钮1")
                self.x.wait_for_clipboard(f"http://{address}:8888")
                # A failed lookup shows nothing: the main window is all there is.
                self.assertEqual(self.x.find_windows("错误", pid=program.pid), [])
                self.x.keys("Escape")
                self.assertEndsWith(program, 0)


class DnsResolver(SessionTest):
    # Without a window manager the program's own window is mapped directly.
    WINDOW_MANAGER = False
    DELAY = 1.5

    def start_with_dns(self, responder_delay=None):
        """Starts the program with DNS as its only resolver, answered by the
        test's responder after `responder_delay` seconds, or by nobody."""
        folder = tempfile.mkdtemp(prefix="vh-dns-")
        self.answers = os.path.join(folder, "answers")
        before = ["ip link set lo up"]
        if responder_delay is not None:
            ready = os.path.join(folder, "ready")
            before.append(f"{sys.executable} {RESPONDER} 10.9.8.7 {responder_delay} {self.answers}"
                          f" {ready} & while [ ! -e {ready} ]; do sleep 0.01; done")
        argv = in_resolver(HOST, "", nsswitch="hosts: dns\n",
                           resolv_conf="nameserver 127.0.0.1\noptions attempts:1 timeout:5\n",
                           network=True, before=before)
        return self.x.start(argv=argv + [PROGRAM])

    def watch_until_mapped(self, program):
        """Looks at the screen until the window is mapped; returns every
        (time, mapped) observation."""
        seen = []

        def mapped():
            shown = bool(self.x.find_windows(TITLE, pid=program.pid))
            seen.append((time.monotonic(), shown))
            return shown
        wait_until(mapped, "the window", timeout=15, interval=0.01)
        return seen

    def first_answer(self):
        with open(self.answers) as file:
            return float(file.readline())

    def test_the_window_appears_only_after_a_slow_answer_with_the_address_in_it(self):
        program = self.start_with_dns(self.DELAY)
        seen = self.watch_until_mapped(program)
        answered = self.first_answer()

        self.assertGreaterEqual(answered - program.started, self.DELAY)
        self.assertTrue(all(not shown for at, shown in seen if at < answered),
                        "the window was on the screen before the resolver answered")
        self.assertTrue(any(at > answered - 0.2 for at, shown in seen if not shown),
                        "the window was not looked at shortly before the answer")

        window = self.x.find_windows(TITLE, pid=program.pid)[0]
        self.x.click(window, "按钮1")
        self.x.wait_for_clipboard("http://10.9.8.7:8888")

    def test_the_delay_is_the_resolvers_alone(self):
        def time_to_window(delay):
            program = self.start_with_dns(delay)
            seen = self.watch_until_mapped(program)
            self.x.keys("Escape")
            self.assertEndsWith(program, 0)
            return seen[-1][0] - program.started
        quick = min(time_to_window(0) for _ in range(3))
        slow = min(time_to_window(self.DELAY) for _ in range(3))
        self.assertAlmostEqual(slow - quick, self.DELAY, delta=0.3)

    def test_a_resolver_that_does_not_answer_leaves_the_box_empty_and_shows_nothing(self):
        program = self.start_with_dns(responder_delay=None)
        self.watch_until_mapped(program)
        window = self.x.find_windows(TITLE, pid=program.pid)[0]
        self.x.click(window, "按钮1")
        self.x.wait_for_clipboard("http://:8888")
        self.assertEqual(self.x.find_windows("错误", pid=program.pid), [])
