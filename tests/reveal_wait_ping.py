#!/usr/bin/python3
"""Pings the drill window as a window manager does, 5 s into a 10 s reveal wait: the answer must
come within 0.1 s while the result is still hidden, and none within 5 s fails at once. Run on an X
display: reveal_wait_ping.py PROGRAM"""
import os, select, subprocess, sys, tempfile, time
from Xlib import X, XK, display
from Xlib.ext import xtest
from Xlib.protocol import event

screen = display.Display()
root = screen.screen().root
atom = screen.intern_atom

def window(title):
    for _ in range(100):
        for child in root.query_tree().children:
            if child.get_wm_name() == title and child.get_attributes().map_state == X.IsViewable:
                return child
        time.sleep(0.1)
    sys.exit(f"no window {title}")

def keys(target, *names):  # typed into the window, "Shift_L+Tab" held together
    target.set_input_focus(X.RevertToParent, X.CurrentTime)
    for name in names:
        time.sleep(0.3)
        codes = [screen.keysym_to_keycode(XK.string_to_keysym(k)) for k in name.split("+")]
        for action, order in ((X.KeyPress, codes), (X.KeyRelease, codes[::-1])):
            for code in order:
                xtest.fake_input(screen, action, code)
        screen.sync()
    time.sleep(0.5)

result_area = lambda w: w.get_image(130, 240, 140, 70, X.ZPixmap, 0xFFFFFFFF).data
with tempfile.TemporaryDirectory() as store:
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, XDG_CONFIG_HOME=store))
    try:
        drill = window("Tallywick")
        keys(drill, "space")  # on Setup, which has the focus
        setup = window("Tallywick - Setup")
        # From Close back past the selected option to the wait, then to its longest.
        keys(setup, "Shift_L+Tab", "Shift_L+Tab", "End")
        setup.configure(y=500)  # off the drill window's result
        keys(drill, "Tab")  # to New Problem
        empty = result_area(drill)
        keys(drill, "space")
        time.sleep(4.5)
        root.change_attributes(event_mask=X.StructureNotifyMask)  # where the answer goes
        ping = [atom("_NET_WM_PING"), 4242, drill.id, 0, 0]
        sent = time.monotonic()
        drill.send_event(event.ClientMessage(window=drill, client_type=atom("WM_PROTOCOLS"),
                                             data=(32, ping)))
        delay = None
        while delay is None and time.monotonic() < sent + 5:  # no answer in 5 s: a failure
            if not screen.pending_events():
                select.select([screen.fileno()], [], [], 0.1)
                continue
            answer = screen.next_event()
            if answer.type == X.ClientMessage and list(answer.data[1][:2]) == ping[:2]:
                delay = time.monotonic() - sent
        if delay is None:
            sys.exit("no answer to the ping within 5 s")
        hidden = result_area(drill) == empty
        time.sleep(6)
        shown = result_area(drill) != empty
        print(f"ping answered after {delay * 1000:.1f} ms; result hidden then: {hidden}, "
              f"shown after the wait: {shown}")
        sys.exit(0 if delay < 0.1 and hidden and shown else 1)
    finally:
        program.kill()
