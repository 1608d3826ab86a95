#!/usr/bin/python3
"""A desktop's shortcuts portal (as KDE offers it on Wayland), on the test's own
session bus. It says on standard output what it was asked ("ready", "bind TRIGGER",
"close SESSION") and takes orders on standard input: "press" (the shortcut of the
newest session is pressed), "press-old" (that of the session before), "refuse" (the
next bind is turned down in the desktop's dialog)."""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
SHORTCUTS = 'org.freedesktop.portal.GlobalShortcuts'
DESKTOP = '/org/freedesktop/portal/desktop'


def say(*words):
    print(*words, flush=True)


def caller(sender):
    return sender[1:].replace('.', '_')


class Request(dbus.service.Object):
    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, response, results):
        pass


def answer(path, response, results):
    # The answer comes after the call has returned the request's path, as a portal's does.
    def send():
        request = Request(bus, path)
        request.Response(dbus.UInt32(response), dbus.Dictionary(results, signature='sv'))
        request.remove_from_connection()
        return False
    GLib.timeout_add(20, send)


class Session(dbus.service.Object):
    @dbus.service.method('org.freedesktop.portal.Session')
    def Close(self):
        say('close', self._object_path)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self):
        super().__init__(bus, DESKTOP)
        self.sessions = []
        self.refuse = False

    @dbus.service.method('org.freedesktop.DBus.Properties', in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        if interface != SHORTCUTS or name != 'version':
            raise dbus.exceptions.DBusException('no such property', name='org.freedesktop.DBus.Error.InvalidArgs')
        return dbus.UInt32(1)

    @dbus.service.method(SHORTCUTS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender):
        request = '%s/request/%s/%s' % (DESKTOP, caller(sender), options['handle_token'])
        session = '%s/session/%s/%s' % (DESKTOP, caller(sender), options['session_handle_token'])
        Session(bus, session)
        self.sessions.append(session)
        answer(request, 0, {'session_handle': dbus.String(session)})
        return dbus.ObjectPath(request)

    @dbus.service.method(SHORTCUTS, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent, options, sender):
        request = '%s/request/%s/%s' % (DESKTOP, caller(sender), options['handle_token'])
        ident, properties = shortcuts[0]
        say('bind', properties['preferred_trigger'])
        if self.refuse:
            self.refuse = False
            answer(request, 1, {})
        else:
            given = dbus.Array([(ident, {'description': properties['description'],
                                         'trigger_description': properties['preferred_trigger']})],
                               signature='(sa{sv})')
            answer(request, 0, {'shortcuts': given})
        return dbus.ObjectPath(request)

    @dbus.service.signal(SHORTCUTS, signature='osta{sv}')
    def Activated(self, session, shortcut, timestamp, options):
        pass


portal = Portal()
name = dbus.service.BusName('org.freedesktop.portal.Desktop', bus)


def order(source, condition):
    line = sys.stdin.readline()
    if not line:
        loop.quit()
        return False
    words = line.split()
    if words == ['refuse']:
        portal.refuse = True
    elif words and words[0] in ('press', 'press-old') and portal.sessions:
        session = portal.sessions[-1 if words[0] == 'press' else -2]
        portal.Activated(dbus.ObjectPath(session), 'read-selection', dbus.UInt64(0), dbus.Dictionary({}, signature='sv'))
    return True


GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, order)
loop = GLib.MainLoop()
say('ready')
loop.run()
