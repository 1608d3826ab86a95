#!/usr/bin/python3
"""The real program as a screen reader and a keyboard user meet it, under a private
session bus and accessibility bus started here, on the display and sound server of
scripts/test. Usage: accessibility_e2e_test.py PROGRAM"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else ''
_bus = subprocess.run(['dbus-daemon', '--session', '--fork', '--print-address=1', '--print-pid=1'],
                      check=True, capture_output=True, text=True).stdout.split()
os.environ['DBUS_SESSION_BUS_ADDRESS'] = _bus[0]
_launcher = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(0.5)
import pyatspi  # noqa: E402  (needs the session bus above)

FOCUSED, SHOWING, FOCUSABLE = pyatspi.STATE_FOCUSED, pyatspi.STATE_SHOWING, pyatspi.STATE_FOCUSABLE


def wait_for(condition, seconds, what):
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            result = condition()
        except Exception:  # the tree changes while it is read
            result = None
        if result:
            return result
        time.sleep(0.1)
    raise AssertionError('timed out waiting for ' + what)


def xdo(*args):
    subprocess.run(['xdotool'] + list(args), check=True)
    time.sleep(0.25)


def key(*keys):
    xdo('key', '--delay', '60', *keys)


def walk(obj, ancestors=()):
    yield obj, ancestors
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, ancestors + (obj,))


def has(obj, which):
    return obj.getState().contains(which)


def spoken_name(obj):
    """On this desktop a combo box is named by its value; its label says what it is."""
    if obj.getRoleName() != 'combo box':
        return obj.name
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
            return relation.getTarget(0).name
    return ''


class Program:
    def __init__(self, root, settings, articles):
        env = dict(os.environ, PARLEWIND_HOME=root + '/home', XDG_CONFIG_HOME=root + '/config',
                   XDG_RUNTIME_DIR=root + '/run', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb')
        for d in ('home', 'config/BrivantaTech', 'run'):
            os.makedirs(os.path.join(root, d), mode=0o700, exist_ok=True)
        with open(root + '/config/BrivantaTech/HKEY_CURRENT_USER.ini', 'w') as ini:
            ini.write('[Software]\n' + ''.join('BrivantaTech\\Parlewind\\%s=%s\n' % kv for kv in settings.items()))
        with open(root + '/home/PWExport.txt', 'wb') as saved:
            for title, text in articles:
                saved.write(('||||||Parlewind MP3 Start of Article||||||\r\n%s|Mary|1\r\n%s\r\n'
                             '||||||Parlewind MP3 End of Article||||||\r\n' % (title, text)).encode())
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        desktop = pyatspi.Registry.getDesktop(0)
        self.app = wait_for(lambda: next(a for a in map(desktop.getChildAtIndex, range(desktop.childCount))
                                         if a and a.name == 'Parlewind'), 20, 'the program')
        self.main = wait_for(lambda: self.window('Parlewind MP3', 'frame'), 20, 'the main window')
        wait_for(self.focused, 10, 'the focus in the window')

    def windows(self):
        return [w for w in map(self.app.getChildAtIndex, range(self.app.childCount)) if w and has(w, SHOWING)]

    def window(self, title, role=None):
        return next((w for w in self.windows() if w.name == title and role in (None, w.getRoleName())), None)

    def focused(self):
        for obj, ancestors in (pair for win in self.windows() for pair in walk(win)):
            if not has(obj, FOCUSED) or obj.getRoleName() in ('frame', 'dialog', 'window'):
                continue
            # Qt calls the current page tab focused whether or not the tab row has the focus.
            if obj.getRoleName() != 'page tab' or has(ancestors[-1], FOCUSED):
                return obj
        return None

    def focus_name(self):
        focused = self.focused()
        return focused.name if focused else ''

    def status(self):
        bar = next(obj for obj, _ in walk(self.main) if obj.getRoleName() == 'status bar')
        return [bar.getChildAtIndex(i).name for i in range(2)]

    def end(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(15)
            except subprocess.TimeoutExpired:
                self.process.kill()


class AccessibilityTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix='parlewind-a11y-')
        self.out = self.root + '/out'
        os.makedirs(self.out)
        self.program = None

    def tearDown(self):
        if self.program:
            self.program.end()
        shutil.rmtree(self.root, ignore_errors=True)

    def start(self, **settings):
        settings = dict({'FirstTimeUser': 'false', 'ML_ListMode': '1', 'CB_Monitor': 'false',
                         'OUT_Directory': self.out + '/', 'OUT_FileFormat': '1', 'ToolbarOnMinOption': '1'}, **settings)
        self.program = Program(self.root, settings, [('First', 'The first article is short.'),
                                                     ('Second', 'The second article is short too.')])
        return self.program

    def check_window(self, win):
        """Every control that takes the focus has a name; none shares it with another,
        told apart by the named pages and groups around it, unless it is an entry of a
        list or belongs to one article among several."""
        seen = set()
        for obj, ancestors in walk(win):
            role = obj.getRoleName()
            if not has(obj, FOCUSABLE) or role in ('list item', 'page tab', 'menu item') or any(
                    a.getRoleName() in ('combo box', 'list', 'page tab list', 'table') for a in ancestors):
                continue  # entries of lists, tables, tab rows and drop-downs
            name = spoken_name(obj)
            where = ' / '.join(a.name for a in ancestors if a.name)
            self.assertTrue(name.strip(), 'a %s without a name in %s' % (role, where))
            if any(a.name.startswith('Article ') for a in ancestors):
                continue  # each article has its own Read, Read to File and Delete
            context = tuple(a.name for a in ancestors[1:] if a.name and a.getRoleName() != 'frame')
            self.assertNotIn((context, name), seen, '"%s" twice in %s' % (name, win.name))
            seen.add((context, name))

    def test_every_window_names_its_controls(self):
        program = self.start(CB_Monitor='true', CB_Prompt='true', CB_PromptDelay='0')
        self.check_window(program.main)
        # The dialogs, each opened from the keyboard and closed with Escape.
        for keys, title in ((('alt+o', 'd'), 'Audio Destination Device ID'),
                            (('alt+o', 'p'), 'Parlewind MP3 Pronunciation'), (('alt+h', 'a'), 'About Parlewind MP3')):
            key(*keys)
            self.check_window(wait_for(lambda: program.window(title), 10, title))
            key('Escape')
            wait_for(lambda: program.window(title) is None, 10, title + ' to close')
        # The floating tool bar, once the window has gone to the notification area.
        key('alt+F4')
        toolbar = wait_for(lambda: program.window('Parlewind MP3 Toolbar'), 10, 'the floating tool bar')
        self.check_window(toolbar)
        self.assertEqual([o.name for o, _ in walk(toolbar) if o.getRoleName() == 'push button' and has(o, FOCUSABLE)],
                         ['Read text aloud', 'Read text to file', 'Pause / Resume', 'Previous Sentence',
                          'Next Sentence', 'Skip to next article', 'Stop Reading', 'Restore main window'])
        # The prompt that a copy in another program brings up, also while the window is away.
        subprocess.run(['xclip', '-selection', 'clipboard', '-i'], input=b'Copied in another program.', check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.check_window(wait_for(lambda: program.window('Parlewind MP3', 'dialog'), 10, 'the clipboard prompt'))
        key('Escape')
        wait_for(lambda: program.window('Parlewind MP3', 'dialog') is None, 10, 'the prompt to close')

    def test_the_notification_menu_and_the_language_checks(self):
        program = self.start()
        # The notification icon's menu is in the tree while it is open.
        icons = subprocess.run(['xdotool', 'search', '--classname', '^parlewind$'], capture_output=True,
                               text=True).stdout.split()
        icon = next(w for w in icons if subprocess.run(['xdotool', 'getwindowname', w], capture_output=True,
                                                       text=True).stdout.strip() == 'Parlewind')
        xdo('mousemove', '--window', icon, '5', '5', 'click', '3')
        menu = wait_for(lambda: next(w for w in program.windows() if w.getRoleName() == 'popup menu'), 10, 'the menu')
        self.assertEqual([menu.getChildAtIndex(i).name for i in range(3)], ['Restore', 'Show Toolbar', ''])
        key('Escape')
        wait_for(lambda: not any(w.getRoleName() == 'popup menu' for w in program.windows()), 10, 'the menu to close')

        # A language row is checked and unchecked by its Toggle action, as by Space.
        key('alt+o', 'l')
        dialog = wait_for(lambda: program.window('Parlewind MP3 Languages'), 10, 'the Languages dialog')
        languages = next(o for o, _ in walk(dialog) if o.getRoleName() == 'list' and o.name == 'Languages')
        row = languages.getChildAtIndex(languages.childCount - 1)
        self.assertFalse(has(row, pyatspi.STATE_CHECKED), row.name)
        action = row.queryAction()
        toggle = next(i for i in range(action.nActions) if action.getName(i) == 'Toggle')
        for checked in (True, False):
            action.doAction(toggle)
            wait_for(lambda: has(row, pyatspi.STATE_CHECKED) == checked, 5, 'the row checked: %s' % checked)
        key('Escape')

        # "Watch Clipboard" toggled by a screen reader changes the setting, not only the box.
        box = next(o for o, _ in walk(program.main) if o.getRoleName() == 'check box' and o.name == 'Watch Clipboard')
        action = box.queryAction()
        action.doAction(next(i for i in range(action.nActions) if action.getName(i) == 'Toggle'))
        wait_for(lambda: has(box, pyatspi.STATE_CHECKED), 5, 'the box checked')
        program.end()
        with open(self.root + '/config/BrivantaTech/HKEY_CURRENT_USER.ini') as ini:
            self.assertIn('BrivantaTech\\Parlewind\\CB_Monitor=true', ini.read())

    def test_a_whole_session_by_keyboard(self):
        program = self.start()
        name = program.focus_name
        letter = self.root + '/letter.txt'
        with open(letter, 'w') as f:
            f.write('Dear reader, this letter was opened from the keyboard.\n')

        def press_until(done, keys, tries):
            for _ in range(tries):
                if done():
                    return
                key(keys() if callable(keys) else keys)
            self.assertTrue(done())

        # Open a file (the third article), move between articles, rename the first.
        key('ctrl+o')
        wait_for(lambda: program.window('Open'), 10, 'the Open dialog')
        xdo('type', '--delay', '30', letter)
        key('Return')
        wait_for(lambda: program.status()[0] == '3 articles', 10, 'three articles')
        key('ctrl+Prior', 'ctrl+Prior', 'ctrl+Prior')
        wait_for(lambda: name().startswith('Article 1 of 3'), 5, 'the first article')
        key('F2')
        wait_for(lambda: program.focused().getRoleName() == 'text' and name() == 'Title', 5, 'the title field')
        key('End')
        xdo('type', '--delay', '30', ' renamed')
        key('Return')
        wait_for(lambda: name() == 'Article 1 of 3: First renamed', 5, 'the renamed article')
        key('ctrl+Next')
        wait_for(lambda: name() == 'Article 2 of 3: Second', 5, 'the second article')

        # Read aloud, pause, resume, stop; then to an MP3 file named after the first article.
        for keys, done, what in (('ctrl+F6', lambda: 'Article 1 of 3' in program.status()[0], 'the reading'),
                                 ('ctrl+F8', lambda: program.status()[1] == 'Pause', 'the pause'),
                                 ('ctrl+F8', lambda: program.status()[1].strip() == '', 'the resumption'),
                                 ('ctrl+F10', lambda: program.status()[0] == '3 articles', 'the stop')):
            key(keys)
            wait_for(done, 10, what)
        key('ctrl+F7')
        mp3 = self.out + '/First renamed.mp3'
        wait_for(lambda: os.path.exists(mp3) and program.status()[0] == '3 articles', 60, 'the MP3 file')
        with open(mp3, 'rb') as f:
            head = f.read(3)
        self.assertTrue(head == b'ID3' or head[0] == 0xFF, head)

        # Out of the text, along the controls to the page tabs (Tab is a character
        # inside an article: Ctrl+Tab goes on from there), to Voice Edit, to the speed.
        press_until(lambda: name() == 'Option pages',
                    lambda: 'ctrl+Tab' if name().startswith('Article ') else 'Tab', 60)
        # Qt marks the current page tab as focused.
        press_until(lambda: any(o.getRoleName() == 'page tab' and o.name == 'Voice Edit' and has(o, FOCUSED)
                                for o, _ in walk(program.main)), 'Right', 6)
        press_until(lambda: name() == 'Speed', 'Tab', 20)
        speed = program.focused()
        before = speed.queryValue().currentValue
        key('Prior')
        wait_for(lambda: speed.queryValue().currentValue > before, 5, 'a faster speed')

        # Ctrl+Q ends the program, which keeps the new title.
        key('ctrl+q')
        self.assertEqual(program.process.wait(15), 0)
        with open(self.root + '/home/PWExport.txt', 'rb') as saved:
            self.assertIn(b'First renamed|', saved.read())


if __name__ == '__main__':
    if not PROGRAM or not os.environ.get('DISPLAY'):
        sys.exit('run through scripts/test')
    try:
        result = unittest.main(exit=False, verbosity=2).result
    finally:
        _launcher.terminate()
        _launcher.wait(5)
        os.kill(int(_bus[1]), signal.SIGTERM)
    sys.exit(0 if result.wasSuccessful() else 1)
