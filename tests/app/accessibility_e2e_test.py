#!/usr/bin/python3
"""The real program as a screen reader and a keyboard user meet it.

Runs under a private session bus with the accessibility bus (started here), on the
test display and sound server of scripts/test. Walks the accessibility tree of the
main window and of every dialog, and drives one whole session by keyboard alone
through xdotool. Usage: accessibility_e2e_test.py PROGRAM
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else ''
BUS = {}


def start_buses():
    out = subprocess.run(['dbus-daemon', '--session', '--fork', '--print-address=1', '--print-pid=1'],
                         check=True, capture_output=True, text=True).stdout.split()
    BUS['address'], BUS['pid'] = out[0], int(out[1])
    os.environ['DBUS_SESSION_BUS_ADDRESS'] = BUS['address']
    BUS['launcher'] = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)


def stop_buses():
    if 'launcher' in BUS:
        BUS['launcher'].terminate()
        BUS['launcher'].wait(5)
    if 'pid' in BUS:
        try:
            os.kill(BUS['pid'], signal.SIGTERM)
        except ProcessLookupError:
            pass


start_buses()
import pyatspi  # noqa: E402  (needs the session bus above)


def wait_for(condition, seconds=10.0, what='condition'):
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


def key(*keys):
    subprocess.run(['xdotool', 'key', '--delay', '60'] + list(keys), check=True)
    time.sleep(0.25)


def type_text(text):
    subprocess.run(['xdotool', 'type', '--delay', '30', text], check=True)
    time.sleep(0.2)


def children(obj):
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(obj, ancestors=()):
    yield obj, ancestors
    for child in children(obj):
        yield from walk(child, ancestors + (obj,))


def state(obj, which):
    return obj.getState().contains(which)


def label_of(obj):
    """A combo box is named by its value on this desktop; its label says what it is."""
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
            return relation.getTarget(0).name
    return ''


def spoken_name(obj):
    return label_of(obj) if obj.getRoleName() == 'combo box' else obj.name


class Program:
    def __init__(self, root, settings, articles=None):
        self.root = root
        env = dict(os.environ)
        env.update({'PARLEWIND_HOME': os.path.join(root, 'home'), 'XDG_CONFIG_HOME': os.path.join(root, 'config'),
                    'XDG_RUNTIME_DIR': os.path.join(root, 'run'), 'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1',
                    'QT_QPA_PLATFORM': 'xcb', 'LANG': 'C.UTF-8'})
        for d in ('home', 'config/BrivantaTech', 'run'):
            os.makedirs(os.path.join(root, d), mode=0o700, exist_ok=True)
        with open(os.path.join(root, 'config/BrivantaTech/HKEY_CURRENT_USER.ini'), 'w') as ini:
            ini.write('[Software]\n')
            for name, value in sorted(settings.items()):
                ini.write('BrivantaTech\\Parlewind\\%s=%s\n' % (name, value))
        if articles:
            with open(os.path.join(root, 'home/PWExport.txt'), 'wb') as saved:
                for title, text in articles:
                    saved.write(b'||||||Parlewind MP3 Start of Article||||||\r\n' +
                                ('%s|Mary|1\r\n%s\r\n' % (title, text)).encode() +
                                b'||||||Parlewind MP3 End of Article||||||\r\n')
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for(self._find_app, 20, 'the program in the accessibility tree')
        self.main = wait_for(lambda: self.window('Parlewind MP3', 'frame'), 20, 'the main window')
        wait_for(lambda: self.focused() is not None, 10, 'the focus in the window')

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app.name == 'Parlewind':
                return app
        return None

    def window(self, title, role=None):
        for win in children(self.app):
            if win.name == title and state(win, pyatspi.STATE_SHOWING) and (role is None or win.getRoleName() == role):
                return win
        return None

    def focused(self):
        for win in children(self.app):
            if not state(win, pyatspi.STATE_SHOWING):
                continue
            for obj, ancestors in walk(win):
                if not state(obj, pyatspi.STATE_FOCUSED) or obj.getRoleName() in ('frame', 'dialog', 'window'):
                    continue
                # Qt calls the current page tab focused whether or not the tab row has the focus.
                if obj.getRoleName() == 'page tab' and not state(ancestors[-1], pyatspi.STATE_FOCUSED):
                    continue
                return obj
        return None

    def status(self):
        for obj, _ in walk(self.main):
            if obj.getRoleName() == 'status bar':
                return [c.name for c in children(obj) if c.getRoleName() == 'label']
        return []

    def end(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class AccessibilityTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix='parlewind-a11y-')
        self.out = os.path.join(self.root, 'out')
        os.makedirs(self.out)
        self.program = None

    def tearDown(self):
        if self.program:
            self.program.end()
        shutil.rmtree(self.root, ignore_errors=True)

    def start(self, **settings):
        defaults = {'FirstTimeUser': 'false', 'ML_ListMode': '1', 'CB_Monitor': 'false',
                    'OUT_Directory': self.out + '/', 'OUT_FileFormat': '1', 'ToolbarOnMinOption': '1'}
        defaults.update(settings)
        self.program = Program(self.root, defaults, [('First', 'The first article is short.'),
                                                     ('Second', 'The second article is short too.')])
        return self.program

    def check_window(self, win):
        """Every control that takes the focus has a name; none shares it with another,
        told apart by the named pages and groups around it, unless it is an entry of a
        list or belongs to one article among several."""
        seen = {}
        for obj, ancestors in walk(win):
            role = obj.getRoleName()
            if not state(obj, pyatspi.STATE_FOCUSABLE) or role in ('list item', 'page tab', 'menu item'):
                continue
            if any(a.getRoleName() in ('combo box', 'list', 'page tab list', 'table') for a in ancestors):
                continue  # the drop-down list of a combo box, the entries of a list or table
            name = spoken_name(obj)
            where = ' / '.join(a.name for a in ancestors if a.name) + ' / ' + role
            self.assertTrue(name.strip(), 'a %s without a name in %s' % (role, where))
            if any(a.name.startswith('Article ') for a in ancestors):
                continue  # each article has its own Read, Read to File and Delete
            context = tuple(a.name for a in ancestors[1:] if a.name and a.getRoleName() != 'frame')
            self.assertNotIn((context, name), seen, '"%s" twice in %s' % (name, win.name))
            seen[(context, name)] = role

    def test_every_window_names_its_controls(self):
        program = self.start(CB_Monitor='true', CB_Prompt='true', CB_PromptDelay='0')
        self.check_window(program.main)
        # The dialogs, each opened from the keyboard and closed with Escape.
        for keys, title in ((('alt+o', 'd'), 'Audio Destination Device ID'), (('alt+o', 'p'), 'Parlewind MP3 Pronunciation'),
                            (('alt+h', 'a'), 'About Parlewind MP3')):
            key(*keys)
            dialog = wait_for(lambda: program.window(title), 10, title)
            self.check_window(dialog)
            key('Escape')
            wait_for(lambda: program.window(title) is None, 10, title + ' to close')
        # The floating tool bar, once the window has gone to the notification area.
        key('alt+F4')
        toolbar = wait_for(lambda: program.window('Parlewind MP3 Toolbar'), 10, 'the floating tool bar')
        self.check_window(toolbar)
        names = [obj.name for obj, _ in walk(toolbar)
                 if obj.getRoleName() == 'push button' and state(obj, pyatspi.STATE_FOCUSABLE)]
        self.assertEqual(names, ['Read text aloud', 'Read text to file', 'Pause / Resume', 'Skip to next article',
                                 'Stop Reading', 'Restore main window'])
        # The prompt that a copy in another program brings up, also while the window is away.
        subprocess.run(['xclip', '-selection', 'clipboard', '-i'], input=b'Copied in another program.', check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        prompt = wait_for(lambda: program.window('Parlewind MP3', 'dialog'), 10, 'the clipboard prompt')
        self.check_window(prompt)
        key('Escape')
        wait_for(lambda: program.window('Parlewind MP3', 'dialog') is None, 10, 'the prompt to close')

    def test_a_whole_session_by_keyboard(self):
        program = self.start()
        text_file = os.path.join(self.root, 'letter.txt')
        with open(text_file, 'w') as f:
            f.write('Dear reader, this letter was opened from the keyboard.\n')

        def focus_name():
            focused = program.focused()
            return focused.name if focused else ''

        # Open a file: it becomes the third article.
        key('ctrl+o')
        wait_for(lambda: program.window('Open'), 10, 'the Open dialog')
        type_text(text_file)
        key('Return')
        wait_for(lambda: program.status()[0] == '3 articles', 10, 'three articles')
        # Move between the articles, and rename the first.
        for _ in range(3):
            key('ctrl+Prior')
        wait_for(lambda: focus_name().startswith('Article 1 of 3'), 5, 'the first article')
        key('F2')
        wait_for(lambda: program.focused().getRoleName() == 'text' and focus_name() == 'Title', 5, 'the title field')
        key('End')
        type_text(' renamed')
        key('Return')
        wait_for(lambda: focus_name() == 'Article 1 of 3: First renamed', 5, 'the renamed article')
        key('ctrl+Next')
        wait_for(lambda: focus_name() == 'Article 2 of 3: Second', 5, 'the second article')

        # Read aloud, pause, resume, stop.
        key('ctrl+F6')
        wait_for(lambda: 'Article 1 of 3' in program.status()[0], 10, 'the reading')
        key('ctrl+F8')
        wait_for(lambda: program.status()[1] == 'Pause', 5, 'the pause')
        key('ctrl+F8')
        wait_for(lambda: program.status()[1].strip() == '', 5, 'the resumption')
        key('ctrl+F10')
        wait_for(lambda: program.status()[0] == '3 articles', 10, 'the stop')

        # Read to an MP3 file (one file, named after the first article).
        key('ctrl+F7')
        mp3 = os.path.join(self.out, 'First renamed.mp3')
        wait_for(lambda: os.path.exists(mp3) and program.status()[0] == '3 articles', 60, 'the MP3 file')
        with open(mp3, 'rb') as f:
            head = f.read(3)
        self.assertTrue(head == b'ID3' or head[0] == 0xFF, head)

        # Options: out of the text, along the controls to the page tabs, to Voice Edit,
        # to the speed, which goes up.
        key('ctrl+Tab')
        wait_for(lambda: program.focused().getRoleName() != 'text' or focus_name() == 'Title', 5, 'out of the text')
        for _ in range(60):
            if focus_name() == 'Option pages':
                break
            # Tab is a character inside an article; Ctrl+Tab goes on from there.
            key('ctrl+Tab' if focus_name().startswith('Article ') else 'Tab')
        self.assertEqual(focus_name(), 'Option pages')

        def selected_page():
            for obj, _ in walk(program.main):
                # Qt marks the current page tab as focused.
                if obj.getRoleName() == 'page tab' and state(obj, pyatspi.STATE_FOCUSED):
                    return obj.name
            return ''
        for _ in range(6):
            if selected_page() == 'Voice Edit':
                break
            key('Right')
        self.assertEqual(selected_page(), 'Voice Edit')
        for _ in range(20):
            if focus_name() == 'Speed':
                break
            key('Tab')
        speed = program.focused()
        self.assertEqual(speed.name, 'Speed')
        before = speed.queryValue().currentValue
        key('Prior')
        wait_for(lambda: speed.queryValue().currentValue > before, 5, 'a faster speed')

        # And out: Ctrl+Q ends the program, which keeps the new title.
        key('ctrl+q')
        self.assertEqual(program.process.wait(15), 0)
        with open(os.path.join(self.root, 'home/PWExport.txt'), 'rb') as saved:
            self.assertIn(b'First renamed|', saved.read())


if __name__ == '__main__':
    if not PROGRAM or not os.environ.get('DISPLAY'):
        sys.exit('run through scripts/test')
    try:
        result = unittest.main(exit=False, verbosity=2).result
    finally:
        stop_buses()
    sys.exit(0 if result.wasSuccessful() else 1)
