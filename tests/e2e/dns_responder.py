"""A DNS responder for one test: answers every A query on 127.0.0.1:53 with one
address after a delay, and every other query with no answer. Writes the
monotonic time of each answer to a file. Ends when the process that started it
ends, or after a minute at most."""

import os
import socket
import struct
import sys
import time

address, delay, answers_file, ready_file = sys.argv[1], float(sys.argv[2]), sys.argv[3], sys.argv[4]
parent = os.getppid()
responder = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
responder.bind(("127.0.0.1", 53))
responder.settimeout(0.1)
open(ready_file, "w").close()

end = time.monotonic() + 60
while time.monotonic() < end and os.getppid() == parent:
    try:
        query, peer = responder.recvfrom(512)
    except socket.timeout:
        continue
    ident = struct.unpack(">H", query[:2])[0]
    end_of_name = 12
    while query[end_of_name]:
        end_of_name += query[end_of_name] + 1
    question = query[12:end_of_name + 5]
    query_type = struct.unpack(">H", question[-4:-2])[0]
    answer = b""
    if query_type == 1:
        answer = b"\xc0\x0c" + struct.pack(">HHIH", 1, 1, 60, 4) + socket.inet_aton(address)
    time.sleep(delay)
    header = struct.pack(">HHHHHH", ident, 0x8180, 1, 1 if answer else 0, 0, 0)
    responder.sendto(header + question + answer, peer)
    with open(answers_file, "a") as answers:
        answers.write(f"{time.monotonic()}\n")
