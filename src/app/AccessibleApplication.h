#pragma once

// The program as a screen reader sees its root: the windows, as the toolkit lists
// them, and also a menu that is open with no window of the program under it, such
// as the notification icon's. The toolkit leaves every pop-up out of the root, so
// that menu, drawn by us on a notification area that has no menus of its own,
// could be heard but not found. Call once, before the application object exists.
void InstallAccessibleApplication();
