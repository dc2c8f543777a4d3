// The toolkit's own words in the desktop's language: the buttons of message
// boxes, the file dialog's labels. Internal to the window layer.
#pragma once

// Installs the toolkit's translations for the user's locale, from the
// toolkit's translations folder (Debian's qt6-translations-l10n), once per
// process. Without them, or for a locale they do not cover, the toolkit
// speaks English. Returns whether a translation was installed.
bool InstallToolkitTranslations();
