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


class SlowResolver(SessionTest):
    # Without a window manager the program's own window is mapped directly.
    WINDOW_MANAGER = False
    DELAY = 1.5

    def test_the_window_appears_only_after_the_answer_with_the_address_in_it(self):
        folder = tempfile.mkdtemp(prefix="vh-dns-")
        answers, ready = os.path.join(folder, "answers"), os.path.join(folder, "ready")
        responder = (f"{sys.executable} {RESPONDER} 10.9.8.7 {self.DELAY} {answers} {ready} &"
                     f" while [ ! -e {ready} ]; do sleep 0.01; done")
        argv = in_resolver(HOST, "", nsswitch="hosts: dns\n",
                           resolv_conf="nameserver 127.0.0.1\noptions attempts:1 timeout:5\n",
                           network=True, before=["ip link set lo up", responder])
        program = self.x.start(argv=argv + [PROGRAM])

        seen = []  # (monotonic time, whether the window was mapped)
        def mapped():
            shown = bool(self.x.find_windows(TITLE, pid=program.pid))
            seen.append((time.monotonic(), shown))
            return shown
        wait_until(mapped, "the window", timeout=15, interval=0.01)
        with open(answers) as file:
            answered = float(file.readline())

        self.assertGreaterEqual(answered - program.started, self.DELAY)
        self.assertTrue(all(not shown for at, shown in seen if at < answered),
                        "the window was on the screen before the resolver answered")
        self.assertTrue(any(at > answered - 0.2 for at, shown in seen if not shown),
                        "the window was not looked at shortly before the answer")

        window = self.x.find_windows(TITLE, pid=program.pid)[0]
        self.x.click(window, "按钮1")
        self.x.wait_for_clipboard("http://10.9.8.7:8888")
