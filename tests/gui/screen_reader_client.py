#!/usr/bin/python3
"""A screen reader's view of the running Cuedeck, over AT-SPI.

    screen_reader_client.py LANGUAGE [controls | exit]

Finds the window's buttons, read-outs and status fields by role and name,
presses Tip Timer and Play/Pause through the accessibility interface, reads
the counter change, asks where the work stands (the I key, sent by the
caller when told "say-where") and waits for the STOP alert. Prints what it
finds; ends with 1 on the first thing missing.

With "controls" it only finds the shown window and every control in it;
with "exit" it chooses File > Exit, as a screen reader's user closes it.
"""
import os
import sys
import time

import pyatspi
from gi.repository import GLib

NAMES = {
    "en": {"buttons": ["Play/Pause", "Zero", "Rewind", "<<5 Seconds", "5 Seconds>>",
                       "<<Last Tip", "Next Tip>>", "Tip Timer"],
           "fields": ["Counter ", "Tip Timer ", "Playing ", "Playlist ", "Position ",
                      "Tip Length "],
           "bar": "Position", "where": "Tip 1 of 2, ", "stop": "STOP", "draft": "Draft: ",
           "exit": "Exit"},
    "de": {"buttons": ["Wiedergabe/Pause", "Null", "Anfang", "<<5 Sekunden", "5 Sekunden>>",
                       "<<Voriges Stück", "Nächstes Stück>>", "Stückzeit"],
           "fields": ["Zähler ", "Stückzeit ", "Es läuft ", "Liste ", "Position ", "Länge "],
           "bar": "Position", "where": "Stück 1 von 2, ", "stop": "STOP",
           "draft": "Entwurf: ", "exit": "Beenden"},
}


# How long what is expected may take before the test fails (the shell test
# that starts this client sets it).
DEADLINE = float(os.environ["CUEDECK_TEST_DEADLINE"])


def fail(what):
    print("FAIL:", what, flush=True)
    sys.exit(1)


def find_application(name, seconds=DEADLINE):
    until = time.time() + seconds
    while time.time() < until:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    fail("no application named %s on the accessibility bus" % name)


def everything(node):
    found = [node]
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found += everything(child)
    return found


def one(nodes, role, name=None, prefix=None):
    for node in nodes:
        if node.getRole() != role:
            continue
        if name is not None and node.name == name:
            return node
        if prefix is not None and node.name.startswith(prefix):
            return node
    fail("no %s named %r" % (role, name if name is not None else prefix + "..."))


def wait_for(check, seconds, what):
    until = time.time() + seconds
    while time.time() < until:
        found = check()
        if found:
            return found
        time.sleep(0.2)
    fail(what)


def find_controls(app, names):
    """The shown window's buttons, read-outs and draft line."""
    nodes = wait_for(lambda: shown_window(app), DEADLINE, "no window shown")
    buttons = [one(nodes, pyatspi.ROLE_PUSH_BUTTON, name=n) for n in names["buttons"]]
    for button in buttons:
        if not button.description:
            fail("the button %r names no keys: %r" % (button.name, button.description))
    fields = {p: one(nodes, pyatspi.ROLE_LABEL, prefix=p) for p in names["fields"]}
    one(nodes, pyatspi.ROLE_SLIDER, name=names["bar"])
    draft = one(nodes, pyatspi.ROLE_LABEL, prefix=names["draft"])
    if draft.name != names["draft"] + "Ann: first words":
        fail("the draft's line reads %r at 0:05" % draft.name)
    unnamed = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and not n.name]
    if unnamed:
        fail("%d buttons have no name" % len(unnamed))
    print("found", len(buttons), "buttons and", len(fields), "read-outs by name", flush=True)
    return buttons, fields, draft


def shown_window(app):
    """Everything in the application once its main window shows."""
    nodes = everything(app)
    for node in nodes:
        if (node.getRole() == pyatspi.ROLE_FRAME and node.name.startswith("Cuedeck - ")
                and node.getState().contains(pyatspi.STATE_SHOWING)):
            return nodes
    return None


def choose_exit(app, names):
    menu_items = [n for n in everything(app) if n.getRole() == pyatspi.ROLE_MENU_ITEM]
    for item in menu_items:
        if item.name.replace("&", "") == names["exit"]:
            item.queryAction().doAction(0)
            print("chose", item.name, flush=True)
            return
    fail("no menu item to exit: %r" % [n.name for n in menu_items])


def main():
    names = NAMES[sys.argv[1]]
    mode = sys.argv[2] if len(sys.argv) > 2 else ""
    app = find_application("cuedeck")
    if mode == "exit":
        choose_exit(app, names)
        return
    buttons, fields, draft = find_controls(app, names)
    if mode == "controls":
        return

    alerts = []

    def heard(event):
        source = event.source
        if event.detail1 == 1 and source is not None and source.getRole() == pyatspi.ROLE_ALERT:
            alerts.append(source.name)

    # An alert's name is read when its event is taken, which on a loaded
    # machine may be after the next alert renamed it: each name it is given
    # is heard too, as it was given.
    def renamed(event):
        source = event.source
        if source is not None and source.getRole() == pyatspi.ROLE_ALERT and event.any_data:
            alerts.append(str(event.any_data))

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(renamed, "object:property-change:accessible-name")

    def listen(seconds):
        GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
        pyatspi.Registry.start()

    counter = fields[names["fields"][0]]
    before = counter.name
    # The tip timer counts a minute from now; then the play.
    buttons[7].queryAction().doAction(0)
    buttons[0].queryAction().doAction(0)
    # The counter moves at the first whole second played: after the sound
    # device has started, and at the tick after that.
    until = time.time() + DEADLINE
    while time.time() < until and counter.name == before:
        listen(0.5)
    if counter.name == before:
        fail("the counter still reads %r after Play/Pause" % counter.name)
    print("the counter went from %r to %r" % (before, counter.name), flush=True)
    # Played past 0:06, the line names the second cue.
    until = time.time() + DEADLINE
    while time.time() < until and draft.name != names["draft"] + "second words":
        listen(0.2)
    if draft.name != names["draft"] + "second words":
        fail("the draft's line still reads %r" % draft.name)
    print("the draft's line now reads %r" % draft.name, flush=True)

    print("say-where", flush=True)  # the caller presses I
    until = time.time() + DEADLINE
    while time.time() < until and not any(a.startswith(names["where"]) for a in alerts):
        listen(0.5)
    said = [a for a in alerts if a.startswith(names["where"])]
    if not said:
        fail("where the work stands was not said: %r" % alerts)
    print("said:", said[0], flush=True)

    until = time.time() + 60 + DEADLINE  # the tip time is one minute
    while time.time() < until and not any(a.startswith(names["stop"]) for a in alerts):
        listen(1)
    stop = [a for a in alerts if a.startswith(names["stop"])]
    if not stop:
        fail("no STOP alert: %r" % alerts)
    print("alert:", stop[0], flush=True)


main()
