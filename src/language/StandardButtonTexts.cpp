// The captions Qt gives its standard buttons (QDialogButtonBox, QMessageBox),
// in the contexts and words Qt 6 looks them up with. They are listed here only
// so that lupdate keeps them in the program's own catalogues: Qt's qtbase
// catalogue is missing for several of the program's languages, or lacks these
// texts (Slovak), and without an entry somewhere the buttons stay English.
// Qt's own catalogue is installed after the program's and so answers first
// wherever it has the text.

#include <QtGlobal>

namespace {

// QPlatformTheme::defaultStandardButtonText(): every platform theme's fallback.
[[maybe_unused]] const char* const kPlatformTheme[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Yes to &All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "N&o to All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Abort"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Reset"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Restore Defaults"),
};

// The GNOME theme's own captions for five of them, used on GNOME desktops.
[[maybe_unused]] const char* const kGnomeTheme[] = {
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Save"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Close"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "Close without Saving"),
};

} // namespace
