#!/usr/bin/python3
"""Replays the README's single-input example as a screen reader user does it, from outside the program through
the accessibility bus: opens the window from the main menu, picks "Tangent hiperbolic" with the Down key in the
function list, sets p = 2.5, w = 0.8 and b = -1 through the sliders' value interface. Prints, as JSON, the window's
tree as it reads then and the name, description and value changes announced on the way.

Run with the session bus of the program (DBUS_SESSION_BUS_ADDRESS) and its display (DISPLAY). Exits 2 when the
program or one of its controls cannot be found in time."""
import json
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = 'Rna'
MAIN_MENU = 'RNA - Introducere'
MENU_BUTTON = 'Neuronul cu o intrare'
WINDOW = 'Principiul de functionare al neuronului cu o intrare'
KEY_DOWN = 0xff54  # the X key symbol of the Down arrow
TIMEOUT = 20.0

events = []


def fail(message):
    print(json.dumps({'error': message}))
    sys.exit(2)


def pump(seconds):
    """Delivers the events that arrive for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(find, what):
    end = time.time() + TIMEOUT
    while time.time() < end:
        try:
            found = find()
        except Exception:  # the program may still be starting: its objects come and go
            found = None
        if found is not None:
            return found
        pump(0.1)
    fail('not found in time: ' + what)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == PROGRAM:
            return application
    return None


def window(caption):
    application = program()
    if application is None:
        return None
    for frame in children(application):
        if frame.name == caption and frame.getState().contains(pyatspi.STATE_SHOWING):
            return frame
    return None


def child(parent, role, name=None):
    for node in children(parent):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def on_event(event):
    try:
        source = event.source
        kind = event.type.split(':')[-1]
        text = source.description if kind == 'accessible-description' else source.name
        events.append({'event': kind, 'role': source.getRoleName(), 'name': source.name, 'text': text})
    except Exception as error:  # an object gone before its event is read
        events.append({'event': event.type, 'error': str(error)})


def announced_since(start, text):
    """True once a label announced that name after the first `start` events, else None (for wait_for)."""
    for event in events[start:]:
        if event.get('event') == 'accessible-name' and event.get('role') == 'label' and event.get('text') == text:
            return True
    return None


def describe(node):
    entry = {'role': node.getRoleName(), 'name': node.name, 'description': node.description}
    if 'Value' in pyatspi.listInterfaces(node):
        value = node.queryValue()
        entry['value'] = [value.currentValue, value.minimumValue, value.maximumValue, value.minimumIncrement]
    relations = {}
    for relation in node.getRelationSet():
        kind = pyatspi.relationToString(relation.getRelationType())
        relations[kind] = [relation.getTarget(i).name for i in range(relation.getNTargets())]
    if relations:
        entry['relations'] = relations
    if 'Text' in pyatspi.listInterfaces(node) and node.getRoleName() == 'text':
        text = node.queryText()
        entry['text'] = text.getText(0, text.characterCount)
    entry['children'] = [describe(c) for c in children(node)]
    return entry


def main():
    for kind in ('accessible-name', 'accessible-description', 'accessible-value'):
        pyatspi.Registry.registerEventListener(on_event, 'object:property-change:' + kind)
    menu = wait_for(lambda: window(MAIN_MENU), 'the main menu')
    button = wait_for(lambda: child(menu, 'push button', MENU_BUTTON), 'the button ' + MENU_BUTTON)
    button.queryAction().doAction(0)
    form = wait_for(lambda: window(WINDOW), 'the window ' + WINDOW)

    functions = wait_for(lambda: child(form, 'combo box'), 'the function list')
    functions.queryComponent().grabFocus()
    pump(0.3)
    # An event's text is read when the event is delivered, so each step waits for the last caption it changes
    # before the next step changes it again: on a loaded machine the events come late.
    start = len(events)
    pyatspi.Registry.generateKeyboardEvent(KEY_DOWN, None, pyatspi.KEY_SYM)
    wait_for(lambda: True if functions.getChildAtIndex(0).queryText().getText(0, -1)
             == 'Tangent hiperbolic' else None, 'the function picked with Down')
    wait_for(lambda: announced_since(start, '0.0000'), 'the output of the function picked')
    for name, value, output in (('Marimea de intrare p', 2.5, '0.00'), ('Ponderea w', 0.8, '0.9640'),
                                ('Pragul b', -1.0, '0.7616')):
        slider = wait_for(lambda: child(form, 'slider', name), 'the slider ' + name)
        start = len(events)
        slider.queryValue().currentValue = value
        wait_for(lambda: announced_since(start, output), 'the caption ' + output + ' after the slider ' + name)
    pump(1.0)
    print(json.dumps({'window': describe(form), 'events': events}, indent=1))


main()
