// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own Bulgarian texts (message box buttons, context menus).
#pragma once

class QCoreApplication;

// Installs the toolkit's Bulgarian translation on `application`, whatever the
// locale. Returns false, and changes nothing, when the translation is not
// installed: the toolkit then keeps its English texts.
bool InstallToolkitTranslation(QCoreApplication& application);
