#pragma once

#include <QString>

// What kind of desktop session the program runs in, and the few window requests
// that differ between the window systems.
namespace Session {

// The program's windows are Wayland's own (not XWayland's).
bool NativeWayland();
// The desktop is a Wayland session, whether this program runs natively or through XWayland.
bool WaylandSession();

// The token a launcher gives a program it starts so that the program may take the
// focus (Wayland's activation); empty where there is none.
QString ActivationToken();
// Uses `token` for the next activation of one of the program's windows.
void UseActivationToken(const QString &token);

} // namespace Session
