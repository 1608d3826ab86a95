#include "platform/shell/GlobalShortcut.h"
#include "platform/shell/GlobalShortcutPortal.h"
#include "platform/shell/Session.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// The X server's side of the application: none without a graphical application
// (the command line) or on another platform.
QNativeInterface::QX11Application *X11()
{
    auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
}

xcb_connection_t *Connection()
{
    QNativeInterface::QX11Application *x11 = X11();
    return x11 ? x11->connection() : nullptr;
}

Display *XDisplay()
{
    QNativeInterface::QX11Application *x11 = X11();
    return x11 ? x11->display() : nullptr;
}

xcb_window_t Root(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The X key symbol of a Qt key, for the keys a shortcut is made of.
KeySym Symbol(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XK_a + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return XK_0 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space:
        return XK_space;
    case Qt::Key_Return:
        return XK_Return;
    case Qt::Key_Insert:
        return XK_Insert;
    case Qt::Key_Delete:
        return XK_Delete;
    case Qt::Key_Home:
        return XK_Home;
    case Qt::Key_End:
        return XK_End;
    case Qt::Key_PageUp:
        return XK_Prior;
    case Qt::Key_PageDown:
        return XK_Next;
    case Qt::Key_Pause:
        return XK_Pause;
    case Qt::Key_Period:
        return XK_period;
    case Qt::Key_Comma:
        return XK_comma;
    case Qt::Key_Slash:
        return XK_slash;
    case Qt::Key_Minus:
        return XK_minus;
    case Qt::Key_Equal:
        return XK_equal;
    case Qt::Key_Semicolon:
        return XK_semicolon;
    default:
        return NoSymbol;
    }
}

// With and without Caps Lock and Num Lock, which the user may have on.
const unsigned lockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

} // namespace

QString GlobalShortcutKeys::SymbolName(int key)
{
    const KeySym symbol = Symbol(key);
    return symbol == NoSymbol ? QString() : QString::fromLatin1(XKeysymToString(symbol));
}

GlobalShortcut::GlobalShortcut(QObject *parent) : QObject(parent)
{
    // On a Wayland desktop a key taken through XWayland reaches us only while an X11
    // window has focus; the desktop's portal, where it has one, hears it everywhere.
    const bool portal = (!Connection() || Session::WaylandSession()) && TPortalShortcut::Offered();
    if (Connection() && !portal) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    } else if (portal) {
        m_Portal = new TPortalShortcut(this);
        connect(m_Portal, &TPortalShortcut::Activated, this, &GlobalShortcut::Activated);
        connect(m_Portal, &TPortalShortcut::Answered, this, &GlobalShortcut::Answered);
    }
}

GlobalShortcut::~GlobalShortcut()
{
    Release();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool GlobalShortcut::Available() { return Connection() != nullptr || TPortalShortcut::Offered(); }

bool GlobalShortcut::Usable() const { return m_Portal != nullptr || Connection() != nullptr; }

bool GlobalShortcut::OnlyFromX11Windows() const { return !m_Portal && Connection() && Session::WaylandSession(); }

void GlobalShortcut::Release()
{
    xcb_connection_t *c = Connection();
    if (m_Grabbed && c) {
        for (const unsigned lock : lockVariants)
            xcb_ungrab_key(c, xcb_keycode_t(m_KeyCode), Root(c), uint16_t(m_Modifiers | lock));
        xcb_flush(c);
    }
    m_Grabbed = false;
    m_Key = QKeySequence();
}

bool GlobalShortcut::Set(const QKeySequence &key, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    Release();
    if (m_Portal) {
        m_Key = key;
        m_Portal->Bind(key);
        return true;
    }
    if (key.isEmpty())
        return true;
    xcb_connection_t *c = Connection();
    if (!c)
        return fail(QCoreApplication::translate(
            "GlobalShortcut", "This desktop lets no program take a shortcut of its own."));
    const QKeyCombination combination = key[0];
    const KeySym symbol = Symbol(combination.key());
    const unsigned code = symbol == NoSymbol ? 0 : XKeysymToKeycode(XDisplay(), symbol);
    if (code == 0 || key.count() != 1)
        return fail(
            QCoreApplication::translate("GlobalShortcut", "%1 is not a key this shortcut can use.")
                .arg(key.toString(QKeySequence::NativeText)));
    unsigned modifiers = 0;
    const Qt::KeyboardModifiers qt = combination.keyboardModifiers();
    if (qt & Qt::ShiftModifier)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (qt & Qt::ControlModifier)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (qt & Qt::AltModifier)
        modifiers |= XCB_MOD_MASK_1;
    if (qt & Qt::MetaModifier)
        modifiers |= XCB_MOD_MASK_4;
    // Every variant is asked for, then each answer read: one that another program
    // holds is refused (an access error), and none of ours is kept then.
    std::vector<xcb_void_cookie_t> cookies;
    for (const unsigned lock : lockVariants)
        cookies.push_back(xcb_grab_key_checked(c, 1, Root(c), uint16_t(modifiers | lock), xcb_keycode_t(code),
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool held = false;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t *e = xcb_request_check(c, cookie)) {
            held = true;
            std::free(e);
        }
    }
    m_KeyCode = code;
    m_Modifiers = modifiers;
    m_Grabbed = true;
    if (held) {
        Release();
        return fail(
            QCoreApplication::translate("GlobalShortcut",
                                        "%1 is taken by another program; choose another shortcut.")
                .arg(key.toString(QKeySequence::NativeText)));
    }
    m_Key = key;
    return true;
}

bool GlobalShortcut::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_Grabbed || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto *press = static_cast<const xcb_key_press_event_t *>(message);
    const unsigned state = press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    if (press->detail != m_KeyCode || (state & 0xff) != m_Modifiers)
        return false;
    emit Activated();
    return true;
}
